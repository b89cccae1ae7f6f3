#include "platform/ui/control_bar.h"

#include <algorithm>
#include <set>

#include "platform/ui/frame_wnd.h"
#include "platform/ui/idle_hooks.h"
#include "platform/ui/window_api.h"

namespace {

std::set<CControlBar*>& Bars() {
    static auto* bars = new std::set<CControlBar*>;
    return *bars;
}

// On idle every visible bar updates its elements (registered once, when the first bar exists).
void EnsureIdleHook() {
    static bool added = false;
    if (added) return;
    added = true;
    AddIdleHook([] {
        const std::set<CControlBar*> bars = Bars();
        for (CControlBar* bar : bars)
            if (Bars().count(bar) && bar->GetSafeHwnd() && bar->IsWindowVisible())
                bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    });
}

}  // namespace

CControlBar::CControlBar() {
    Bars().insert(this);
    EnsureIdleHook();
}

CControlBar::~CControlBar() { Bars().erase(this); }

void CControlBar::SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }

DWORD CControlBar::TakeBarStyle(DWORD dwStyle) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~CBRS_ALL;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CRect rc;
    GetWindowRect(&rc);
    CSize size = rc.Size();
    if (bStretch) {
        if (bHorz) size.cx = 32767;
        else size.cy = 32767;
    }
    return size;
}

void CControlBar::OnUpdateCmdUI(CWnd*, BOOL) {}

// The frame that holds the bar, else the bar's owner. The search stays inside the bar's own
// top-level window: a bar in a dialog serves the dialog, not the frame that owns the dialog.
CWnd* CControlBar::GetCommandTarget() const {
    CWnd* owner = GetOwner();
    for (CWnd* w = owner; w; w = (w->GetStyle() & WS_CHILD) ? w->GetParent() : nullptr)
        if (dynamic_cast<CFrameWnd*>(w)) return w;
    return owner;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_IDLEUPDATECMDUI) {
        if (CWnd* target = GetCommandTarget()) OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void RepositionBars(CWnd* pParent, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, LPRECT lpRectClient) {
    if (!pParent || !pParent->GetSafeHwnd()) return;
    CRect area;
    if (lpRectClient) area = *lpRectClient;
    else pParent->GetClientRect(&area);
    CWnd* leftOver = nullptr;
    // GW_CHILD gives the top of the stacking order; bars dock from there down.
    for (CWnd* child = pParent->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(child->GetDlgCtrlID());
        if (id == nIDLeftOver && nIDLeftOver != 0) leftOver = child;
        if (id < nIDFirst || id > nIDLast || !(child->GetStyle() & WS_VISIBLE)) continue;
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(child->GetSafeHwnd()));
        if (!bar) continue;
        const DWORD align = bar->GetBarStyle() & CBRS_ALIGN_ANY;
        const bool horz = (align & CBRS_ORIENT_VERT) == 0;
        const CSize size = bar->CalcFixedLayout(TRUE, horz);
        CRect place = area;
        if (align & CBRS_ALIGN_BOTTOM) {
            place.top = std::max(area.top, area.bottom - size.cy);
            area.bottom = place.top;
        } else if (align & CBRS_ALIGN_LEFT) {
            place.right = std::min(area.right, area.left + size.cx);
            area.left = place.right;
        } else if (align & CBRS_ALIGN_RIGHT) {
            place.left = std::max(area.left, area.right - size.cx);
            area.right = place.left;
        } else {
            place.bottom = std::min(area.bottom, area.top + size.cy);
            area.top = place.bottom;
        }
        bar->MoveWindow(&place);
    }
    if (lpRectClient) *lpRectClient = area;
    if (leftOver && !lpRectClient) leftOver->MoveWindow(&area);
}
