// The dialog manager: keyboard navigation among the controls of a dialog. The order is the
// template order (the order the controls were created in); containers marked
// WS_EX_CONTROLPARENT (wizard pages) take part with their own controls.
#include <algorithm>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace {

std::vector<HWND> ChildrenInOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    std::sort(children.begin(), children.end(), [](HWND a, HWND b) { return a->zOrder < b->zOrder; });
    return children;
}

// The control's own style decides: a dialog that is not shown yet has usable controls.
bool Usable(HWND h) {
    const auto style = static_cast<DWORD>(GetWindowLong(h, GWL_STYLE));
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void CollectTabStops(HWND parent, std::vector<HWND>& out) {
    for (HWND c : ChildrenInOrder(parent)) {
        if (!Usable(c)) continue;
        if (GetWindowLong(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) CollectTabStops(c, out);
        else if (GetWindowLong(c, GWL_STYLE) & WS_TABSTOP) out.push_back(c);
    }
}

// The entry of the list that is h or holds it (the edit inside a combo box...).
std::vector<HWND>::const_iterator FindHolder(const std::vector<HWND>& list, HWND h) {
    for (HWND w = h; w; w = GetParent(w)) {
        auto it = std::find(list.begin(), list.end(), w);
        if (it != list.end()) return it;
    }
    return list.end();
}

UINT DlgCode(HWND h, MSG* msg) {
    return h ? static_cast<UINT>(SendMessage(h, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg))) : 0;
}

void GiveFocus(HWND h) {
    SetFocus(h);
    if (DlgCode(h, nullptr) & DLGC_HASSETSEL) SendMessage(h, EM_SETSEL, 0, -1);
}

// Presses the button with this id on behalf of the keyboard.
void PressButton(HWND hDlg, int id) {
    HWND item = GetDlgItem(hDlg, id);
    if (item && !IsWindowEnabled(item)) return;
    SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item));
}

}  // namespace

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    std::vector<HWND> stops;
    CollectTabStops(hDlg, stops);
    if (stops.empty()) return nullptr;
    auto it = hCtl ? FindHolder(stops, hCtl) : stops.end();
    if (it == stops.end()) return bPrevious ? stops.back() : stops.front();
    const auto index = static_cast<std::size_t>(it - stops.begin());
    const std::size_t n = stops.size();
    return stops[bPrevious ? (index + n - 1) % n : (index + 1) % n];
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!hCtl || !IsWindow(hCtl)) return nullptr;
    HWND parent = GetParent(hCtl);
    if (!parent) parent = hDlg;
    const std::vector<HWND> siblings = ChildrenInOrder(parent);
    auto it = std::find(siblings.begin(), siblings.end(), hCtl);
    if (it == siblings.end()) return nullptr;
    auto first = it;
    while (first != siblings.begin() && !(GetWindowLong(*first, GWL_STYLE) & WS_GROUP)) --first;
    auto last = it + 1;
    while (last != siblings.end() && !(GetWindowLong(*last, GWL_STYLE) & WS_GROUP)) ++last;
    std::vector<HWND> group(first, last);
    const auto n = group.size();
    const auto index = static_cast<std::size_t>(std::find(group.begin(), group.end(), hCtl) - group.begin());
    for (std::size_t step = 1; step < n; ++step) {
        HWND candidate = group[bPrevious ? (index + n - step) % n : (index + step) % n];
        if (Usable(candidate)) return candidate;
    }
    return hCtl;
}

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !IsWindow(hDlg)) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    if (lpMsg->message == WM_CHAR) {
        // The characters of the keys the manager acts on are not typed.
        const auto c = static_cast<wchar_t>(lpMsg->wParam);
        if (c == L'\t' || c == L'\r' || c == 0x1B) return (DlgCode(lpMsg->hwnd, lpMsg) & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)) ? FALSE : TRUE;
        return FALSE;
    }
    if (lpMsg->message != WM_KEYDOWN) return FALSE;
    HWND focus = lpMsg->hwnd;
    const UINT code = DlgCode(focus, lpMsg);
    if (code & DLGC_WANTALLKEYS) return FALSE;
    switch (static_cast<int>(lpMsg->wParam)) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return FALSE;
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (HWND next = GetNextDlgTabItem(hDlg, focus, back ? TRUE : FALSE)) GiveFocus(next);
        return TRUE;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS) return FALSE;
        const bool back = lpMsg->wParam == static_cast<WPARAM>(VK_LEFT) || lpMsg->wParam == static_cast<WPARAM>(VK_UP);
        HWND next = GetNextDlgGroupItem(hDlg, focus, back ? TRUE : FALSE);
        if (next && next != focus) {
            SetFocus(next);
            // Moving onto an automatic radio button checks it.
            if ((DlgCode(next, nullptr) & DLGC_RADIOBUTTON) && (GetWindowLong(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                SendMessage(next, BM_CLICK, 0, 0);
        }
        return TRUE;
    }
    case VK_RETURN: {
        if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
            if (IsWindowEnabled(focus))
                SendMessage(GetParent(focus), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                            reinterpret_cast<LPARAM>(focus));
            return TRUE;
        }
        const LRESULT def = SendMessage(hDlg, DM_GETDEFID, 0, 0);
        PressButton(hDlg, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
        return TRUE;
    }
    case VK_ESCAPE: PressButton(hDlg, IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessage(m_hWnd, lpMsg); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (!m_hWnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    // A child dialog inside another dialog (a wizard page) leaves the keys to that dialog.
    if (GetStyle() & WS_CHILD)
        for (CWnd* p = GetParent(); p; p = p->GetParent())
            if (dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(p->m_hWnd))) return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}
