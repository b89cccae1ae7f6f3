#include "controls/folder_tab_ctrl.h"

#include <algorithm>

#include "controls/app_document.h"
#include "controls/entity_tip.h"
#include "controls/icon_menu.h"
#include "model/schedule_data.h"
#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

IMPLEMENT_DYNAMIC(CFolderTabCtrl, CWnd)

namespace {
constexpr wchar_t kClassName[] = L"RvFolderTab";
constexpr int kOverlap = 8;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
}  // namespace

BEGIN_MESSAGE_MAP(CFolderTabCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_FOLDER_TAB_CLOSE, &CFolderTabCtrl::OnCloseTab)
    ON_COMMAND(ID_FOLDER_TAB_PIN, &CFolderTabCtrl::OnPinTab)
    ON_COMMAND(ID_FOLDER_TAB_UNPIN, &CFolderTabCtrl::OnUnpinTab)
    ON_UPDATE_COMMAND_UI(ID_FOLDER_TAB_CLOSE, &CFolderTabCtrl::OnUpdateCloseTab)
    ON_UPDATE_COMMAND_UI(ID_FOLDER_TAB_PIN, &CFolderTabCtrl::OnUpdateAlwaysOn)
    ON_UPDATE_COMMAND_UI(ID_FOLDER_TAB_UNPIN, &CFolderTabCtrl::OnUpdateAlwaysOn)
END_MESSAGE_MAP()

CFolderTabCtrl::CFolderTabCtrl() = default;

CFolderTabCtrl::~CFolderTabCtrl() { DestroyWindow(); }

BOOL CFolderTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int flags) {
    m_flags = flags;
    WNDCLASS wc{};
    if (!GetClassInfo(AfxGetInstanceHandle(), kClassName, &wc)) {
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kClassName;
        if (!RegisterClass(&wc)) return FALSE;
    }
    if (!CWnd::Create(kClassName, L"", style, rect, parent, id)) return FALSE;
    LOGFONT log{};
    log.lfHeight = GetSystemMetrics(SM_CYHSCROLL) - 3;
    log.lfWeight = FW_NORMAL;
    log.lfCharSet = DEFAULT_CHARSET;
    wcscpy(log.lfFaceName, L"Tahoma");
    m_normalFont.CreateFontIndirect(&log);
    log.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&log);
    return TRUE;
}

int CFolderTabCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    if (m_flags & kButtonsFlag) {
        for (int i = 0; i < 4; ++i)
            m_buttons[i].Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 0, 0), this, i + 1);
        m_buttonArea = 4 * GetSystemMetrics(SM_CXVSCROLL);
    }
    m_images.Create(IDB_FOLDER_TABS, 10, 1, kMagenta);

    SetUpEntityTip(m_toolTip, this);
    return 0;
}

void CFolderTabCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (!m_buttons[0].GetSafeHwnd()) return;
    for (int k = 0; k < 4; ++k) {
        m_buttons[k].MoveWindow(k * cy, 0, cy, cy);
        m_buttons[k].EnableWindow(TRUE);
    }
}

BOOL CFolderTabCtrl::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

int CFolderTabCtrl::AddTab(const CString& caption, int data, bool pinned) {
    Tab tab;
    tab.caption = caption;
    tab.data = data;
    tab.pinned = pinned;
    m_tabs.push_back(tab);
    RecalcLayout();
    return static_cast<int>(m_tabs.size()) - 1;
}

BOOL CFolderTabCtrl::AddTabsFromString(UINT stringId) {
    CString text;
    if (!text.LoadString(stringId)) return FALSE;
    int start = 0;
    for (;;) {
        const int end = text.Find(L'\n', start);
        const CString part = end < 0 ? text.Mid(start) : text.Mid(start, end - start);
        Tab tab;
        tab.caption = part;
        m_tabs.push_back(tab);
        if (end < 0) break;
        start = end + 1;
    }
    RecalcLayout();
    return TRUE;
}

void CFolderTabCtrl::MeasureTab(CDC* dc, Tab& tab) {
    // The caption's width in the wider of the two fonts: the selected tab draws it bold, and
    // its text must not run over the tab's icon or edges.
    int width = 0;
    for (CFont* font : {&m_normalFont, &m_boldFont}) {
        CFont* old = dc->SelectObject(font);
        CRect text(0, 0, 0, 0);
        dc->DrawText(tab.caption, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        dc->SelectObject(old);
        width = std::max(width, static_cast<int>(text.Width()));
    }
    tab.rect = CRect(0, 0, width + (tab.pinned ? 42 : 32), GetSystemMetrics(SM_CYHSCROLL));
    tab.rect.OffsetRect(tab.x, 0);
}

void CFolderTabCtrl::RecalcLayout() {
    int right = 0;
    if (m_hWnd) {
        CClientDC dc(this);
        int x = 0;
        for (Tab& tab : m_tabs) {
            tab.x = x;
            MeasureTab(&dc, tab);
            x += tab.rect.Width() - kOverlap;
            right = std::max(right, static_cast<int>(tab.rect.right));
        }
    }
    m_extent = m_buttonArea + right;
    if (m_hWnd) Invalidate(TRUE);
}

int CFolderTabCtrl::ScrollOrigin() const {
    const bool pastLast = m_firstVisible >= static_cast<int>(m_tabs.size()) || m_firstVisible < 0;
    return m_buttonArea - (pastLast ? 0 : static_cast<int>(m_tabs[m_firstVisible].rect.left));
}

void CFolderTabCtrl::DrawTab(CDC* dc, const Tab& tab, bool selected) {
    const CRect& r = tab.rect;
    const CPoint shape[] = {{r.left, r.top}, {r.left + 8, r.bottom}, {r.right - 9, r.bottom}, {r.right - 1, r.top}};
    CBrush fill(GetSysColor(selected ? COLOR_WINDOW : COLOR_BTNFACE));
    CPen none(PS_NULL, 0, 0);
    CBrush* oldBrush = dc->SelectObject(&fill);
    CPen* oldPen = dc->SelectObject(&none);
    dc->Polygon(shape, 4);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    dc->SelectObject(&black);
    dc->MoveTo(shape[0]);
    dc->LineTo(shape[1]);
    dc->SelectObject(&shadow);
    dc->LineTo(shape[2]);
    dc->SelectObject(&black);
    dc->LineTo(shape[3]);
    if (!selected) {
        dc->SelectObject(&shadow);
        dc->MoveTo(shape[2].x - 1, shape[2].y - 1);
        dc->LineTo(shape[3].x - 1, shape[3].y);
    }
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);

    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetSysColor(selected ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    CRect text(r.left + (tab.pinned ? 30 : 20), r.top + 1, r.right - 10, r.bottom - 1);
    // Names are shown as they are: "R&D" keeps its ampersand.
    dc->DrawText(tab.caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    const int icon = selected ? 3 : 4;
    if (tab.pinned) {
        m_images.Draw(dc, 1, CPoint(r.left + 8, r.top + 4), ILD_TRANSPARENT);
        m_images.Draw(dc, icon, CPoint(r.left + 18, r.top + 4), ILD_TRANSPARENT);
    } else {
        m_images.Draw(dc, icon, CPoint(r.left + 8, r.top + 4), ILD_TRANSPARENT);
    }
}

void CFolderTabCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int origin = ScrollOrigin();
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(m_buttonArea, client.top, client.right, client.bottom);
    dc.SetViewportOrg(origin, 0);
    CFont* old = dc.SelectObject(&m_normalFont);
    const int count = static_cast<int>(m_tabs.size());
    for (int i = 0; i < count; ++i)
        if (i != m_selected) DrawTab(&dc, m_tabs[i], false);
    if (m_selected >= 0 && m_selected < count) {
        dc.SelectObject(&m_boldFont);
        DrawTab(&dc, m_tabs[m_selected], true);
    }
    dc.SelectObject(old);
    dc.RestoreDC(saved);

    // The top line, open over the selected tab.
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&black);
    if (m_selected >= 0 && m_selected < count) {
        const CRect& sel = m_tabs[m_selected].rect;
        dc.MoveTo(client.left, client.top);
        dc.LineTo(std::max(static_cast<int>(client.left), sel.left + origin), client.top);
        dc.MoveTo(std::max(m_buttonArea, sel.right - 1 + origin), client.top);
        dc.LineTo(client.right, client.top);
    } else {
        dc.MoveTo(client.left, client.top);
        dc.LineTo(client.right, client.top);
    }
    if (m_flags & kFrameFlag) {
        dc.MoveTo(client.right - 1, client.top);
        dc.LineTo(client.right - 1, client.bottom - 1);
        dc.LineTo(client.left, client.bottom - 1);
        dc.LineTo(client.left, client.top);
    }
    dc.SelectObject(oldPen);
}

int CFolderTabCtrl::HitTest(CPoint pt) const {
    CRect client;
    GetClientRect(&client);
    if (pt.x < m_buttonArea || !client.PtInRect(pt)) return -1;
    pt.x -= ScrollOrigin();
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].rect.PtInRect(pt)) return static_cast<int>(i);
    return -1;
}

void CFolderTabCtrl::RepaintTab(int index) {
    if (index < 0 || index >= static_cast<int>(m_tabs.size()) || !m_hWnd) return;
    CRect r = m_tabs[index].rect;
    r.OffsetRect(ScrollOrigin(), 0);
    InvalidateRect(&r, TRUE);
}

int CFolderTabCtrl::SelectTab(int index) {
    if (index < 0 || index >= static_cast<int>(m_tabs.size())) return -1;
    const int old = m_selected;
    m_selected = index;
    RepaintTab(old);
    RepaintTab(index);
    return index;
}

void CFolderTabCtrl::SendSelection(int index) {
    CWnd* parent = GetParent();
    if (!parent) return;
    NMFOLDERTAB nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = GetDlgCtrlID();
    nm.hdr.code = kNotifySelect;
    nm.nTab = index;
    nm.text = L"";
    parent->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&nm));
}

int CFolderTabCtrl::SelectTabByData(int data) {
    for (size_t i = 0; i < m_tabs.size(); ++i) {
        if (m_tabs[i].data != data) continue;
        SelectTab(static_cast<int>(i));
        SendSelection(static_cast<int>(i));
        return static_cast<int>(i);
    }
    return -1;
}

void CFolderTabCtrl::ClampIndexes() {
    const int last = std::max(0, static_cast<int>(m_tabs.size()) - 1);
    m_selected = std::clamp(m_selected, 0, last);
    m_firstVisible = std::clamp(m_firstVisible, 0, last);
}

void CFolderTabCtrl::RemoveUnpinnedTabs() {
    const bool hasSelected = m_selected >= 0 && m_selected < static_cast<int>(m_tabs.size());
    const int selectedData = hasSelected ? m_tabs[m_selected].data : 0;
    std::vector<Tab> kept;
    int newSelected = m_selected;
    for (size_t i = 0; i < m_tabs.size(); ++i) {
        if (!m_tabs[i].pinned && !(hasSelected && m_tabs[i].data == selectedData)) continue;
        if (static_cast<int>(i) == m_selected) newSelected = static_cast<int>(kept.size());
        kept.push_back(m_tabs[i]);
    }
    m_tabs = std::move(kept);
    m_selected = newSelected;
    ClampIndexes();
    RecalcLayout();
}

void CFolderTabCtrl::OnLButtonDown(UINT flags, CPoint point) {
    const int hit = HitTest(point);
    if (hit >= 0 && hit != m_selected) {
        SelectTab(hit);
        SendSelection(hit);
    }
    CWnd::OnLButtonDown(flags, point);
}

void CFolderTabCtrl::OnRButtonDown(UINT, CPoint point) {
    const int hit = HitTest(point);
    if (hit >= 0 && hit != m_selected) {
        SelectTab(hit);
        SendSelection(hit);  // the owner shows what is now selected
    }
    CIconMenu menu;
    menu.CreatePopupMenu();
    const std::pair<UINT, UINT> items[] = {
        {IDS_FOLDER_TAB_CLOSE, ID_FOLDER_TAB_CLOSE}, {IDS_FOLDER_TAB_PIN, ID_FOLDER_TAB_PIN}, {IDS_FOLDER_TAB_UNPIN, ID_FOLDER_TAB_UNPIN}};
    for (const auto& [text, command] : items) {
        CString label;
        label.LoadString(text);
        menu.AppendMenu(MF_STRING, command, label);
    }
    menu.LoadToolBarImages(IDR_FOLDER_TAB_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CFolderTabCtrl::OnCloseTab() {
    if (m_selected >= 0 && m_selected < static_cast<int>(m_tabs.size())) m_tabs.erase(m_tabs.begin() + m_selected);
    ClampIndexes();
    RecalcLayout();
    if (CWnd* parent = GetParent()) parent->SendMessage(kTabsChanged, 0, 0);
    Invalidate(TRUE);
}

void CFolderTabCtrl::OnUpdateCloseTab(CCmdUI* cmdUI) {
    const bool valid = m_selected >= 0 && m_selected < static_cast<int>(m_tabs.size());
    const int shown = m_secondViewEntity ? *m_secondViewEntity : 0;
    cmdUI->Enable(valid && m_tabs[m_selected].data != shown && m_tabs.size() >= 2);
}

void CFolderTabCtrl::OnUpdateAlwaysOn(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }

CWnd* CFolderTabCtrl::OwnerOf(CWnd* wnd) const {
    if (!wnd) return nullptr;
    CWnd* owner = wnd->GetOwner();
    return owner ? owner : wnd->GetParent();
}

void CFolderTabCtrl::SetPinned(bool pinned) {
    if (m_selected < 0 || m_selected >= static_cast<int>(m_tabs.size())) return;
    m_tabs[m_selected].pinned = pinned;
    RecalcLayout();
    if (CWnd* parent = GetParent()) parent->SendMessage(kTabsChanged, 0, 0);
    if (CWnd* target = OwnerOf(OwnerOf(const_cast<CFolderTabCtrl*>(this))))
        target->SendMessage(kShowEntity, static_cast<WPARAM>(m_tabs[m_selected].data), 0);
}

void CFolderTabCtrl::OnPinTab() { SetPinned(true); }
void CFolderTabCtrl::OnUnpinTab() { SetPinned(false); }

void CFolderTabCtrl::ScrollCommand(int id) {
    const int count = static_cast<int>(m_tabs.size());
    bool moved = false;
    switch (id) {
    case 1: m_firstVisible = 0; moved = true; break;
    case 2:
        if (m_firstVisible > 0) {
            --m_firstVisible;
            moved = true;
        }
        break;
    case 3:
        if (m_firstVisible < 0) m_firstVisible = 0;
        if (m_firstVisible < count - 1) {
            ++m_firstVisible;
            moved = true;
        }
        break;
    case 4: m_firstVisible = count - 1; moved = true; break;
    }
    if (!moved) return;
    Invalidate(TRUE);
    for (CFolderButton& button : m_buttons)
        if (button.GetSafeHwnd()) button.EnableWindow(TRUE);
}

BOOL CFolderTabCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (lParam && id >= 1 && id <= 4 && HIWORD(wParam) == BN_CLICKED) {
        ScrollCommand(id);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFolderTabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    if (!nm->pToolInfo || !nm->pParam) return TRUE;
    CPoint pt = *static_cast<POINT*>(nm->pParam);
    ScreenToClient(&pt);
    const int hit = HitTest(pt);
    CScheduleData* data = GetAppDocument();
    if (hit < 0 || !m_tabs[hit].data || !data) return TRUE;
    auto entity = data->FindEntity(m_tabs[hit].data);
    if (entity == data->m_arrEntities.end() || entity->m_bUnavailable) return TRUE;
    nm->pToolInfo->m_text = entity->BuildInfoTip(*data);
    return TRUE;
}
