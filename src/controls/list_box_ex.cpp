#include "controls/list_box_ex.h"

#include <algorithm>

#include "controls/in_place_ctrl_msg.h"
#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/global_memory.h"
#include "platform/ui/window_api.h"

IMPLEMENT_DYNCREATE(CListBoxEx, CDragListBox)

namespace {
const UINT g_inPlaceMessage = InPlaceCtrlMessage();
// Posted to itself: a double click opens the editor after the list has handled it.
constexpr UINT kAfterDoubleClick = WM_APP + 0x31A;
constexpr UINT kEditorId = 1, kButtonId = 2;
constexpr DWORD kListStyles = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                              LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT | LBS_EXTENDEDSEL | LBS_DISABLENOSCROLL;

CString Trimmed(const CString& text) {
    int start = 0, end = text.GetLength();
    auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
    while (start < end && blank(text[start])) ++start;
    while (end > start && blank(text[end - 1])) --end;
    return text.Mid(start, end - start);
}
}  // namespace

BEGIN_MESSAGE_MAP(CListBoxEx, CDragListBox)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_inPlaceMessage, &CListBoxEx::OnInPlaceRecord)
    ON_MESSAGE(kAfterDoubleClick, &CListBoxEx::OnAfterDoubleClick)
END_MESSAGE_MAP()

CListBoxEx::CListBoxEx() = default;
CListBoxEx::~CListBoxEx() { DestroyWindow(); }

BOOL CListBoxEx::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= kListStyles;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    m_bCreating = true;
    return CDragListBox::PreCreateWindow(cs);
}

void CListBoxEx::PreSubclassWindow() {
    CDragListBox::PreSubclassWindow();
    if (m_bCreating) {  // a window this object creates: WM_CREATE makes the in-place controls
        m_bCreating = false;
        return;
    }
    // A dialog's list box taken over: it gets the list's styles and frame, becomes a drag
    // list, and the in-place controls are made now, with the font the dialog gave it.
    ModifyStyle(0, kListStyles);
    ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    MakeDragList();
    CreateInPlaceControls();
}

BOOL CListBoxEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CDragListBox::Create(style | kListStyles, rect, parent, id);
}

int CListBoxEx::OnCreate(LPCREATESTRUCT cs) {
    if (CDragListBox::OnCreate(cs) == -1) return -1;
    CreateInPlaceControls();
    return 0;
}

void CListBoxEx::CreateInPlaceControls() {
    if (m_editor.GetSafeHwnd()) return;
    m_editor.Create(static_cast<DWORD>(m_nOptions) | WS_CHILD | WS_BORDER, CRect(0, 0, 0, 0), this, kEditorId);
    m_editor.SetFont(GetFont());
    m_button.Create(L"...", WS_CHILD, CRect(0, 0, 0, 0), this, kButtonId);
}

int CListBoxEx::ItemAtClientPoint(CPoint pt) const {
    ClientToScreen(&pt);
    return ItemFromPt(pt, FALSE);
}

void CListBoxEx::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    CClientDC dc(const_cast<CListBoxEx*>(this));
    CFont* old = GetFont() ? dc.SelectObject(GetFont()) : nullptr;
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    if (old) dc.SelectObject(old);
    mis->itemHeight = static_cast<UINT>(tm.tmHeight + tm.tmExternalLeading);
}

void CListBoxEx::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (static_cast<int>(dis->itemID) < 0 || !(dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect r = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    CString text;
    if (dis->itemData == kLastItemData) text = L"--- Last Item";
    else GetText(static_cast<int>(dis->itemID), text);
    dc->FillSolidRect(&r, GetSysColor(selected ? COLOR_ACTIVECAPTION : COLOR_WINDOW));
    dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    CRect textRect(r.left + 8, r.top, r.right, r.bottom);
    dc->DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected) dc->DrawFocusRect(&r);
}

void CListBoxEx::BeginEdit(int item) {
    if (!m_bEditAllowed || m_nEditedItem != -1) return;
    m_editedIsNew = false;
    if (item == -1) item = m_nCurrentItem;
    if (item < 0) return;
    if (item >= GetCount()) {
        item = AddString(L"");
        m_editedIsNew = true;
    }
    SetSel(-1, FALSE);
    SetSel(item, TRUE);
    SetCaretIndex(item);
    m_nCurrentItem = m_nEditedItem = item;

    GetItemRect(item, &m_itemRect);
    const bool browse = (m_nOptions & kBrowseButton) != 0;
    m_editRect = CRect(m_itemRect.left + 5, m_itemRect.top - 2, m_itemRect.right - (browse ? 30 : 5), m_itemRect.bottom + 2);
    CString text;
    GetText(item, text);
    m_editor.SetWindowText(text);
    if (!m_editor.IsWindowVisible() && !m_editRect.IsRectEmpty()) {
        m_editor.SetWindowPos(nullptr, m_editRect.left, m_editRect.top, m_editRect.Width(), m_editRect.Height(),
                              SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOREDRAW);
        m_editor.SetMargins(2, 0);
        m_editor.SetSel(0, -1);
        m_editor.RedrawWindow();
        m_editor.SetFocus();
    }
    if (browse) {
        const CRect button(m_editRect.right, m_itemRect.top - 2, m_itemRect.right - 5, m_itemRect.bottom + 2);
        m_button.SetWindowPos(nullptr, button.left, button.top, button.Width(), button.Height(), SWP_SHOWWINDOW | SWP_NOZORDER);
    }
}

void CListBoxEx::ReplaceLine(int index, const CString& text, DWORD_PTR data) {
    SetRedraw(FALSE);
    DeleteString(static_cast<UINT>(index));
    InsertString(index, text);
    SetItemData(index, data);
    SetRedraw(TRUE);
}

void CListBoxEx::EndEdit(BOOL cancelled) {
    if (m_nEditedItem < 0) return;
    const int item = m_nEditedItem;
    m_nEditedItem = -1;
    m_editor.Hide();
    m_button.Hide();
    SetFocus();
    CString text;
    m_editor.GetWindowText(text);
    if (item < GetCount()) {
        if (cancelled) {
            // Cancelling leaves the line as it was; only a line added for this edit goes.
            if (m_editedIsNew) DeleteString(static_cast<UINT>(item));
        } else if (text.IsEmpty()) {
            DeleteString(static_cast<UINT>(item));
        } else {
            ReplaceLine(item, text, GetItemData(item));
            SetSel(-1, FALSE);
            SetSel(item, TRUE);
            SetCaretIndex(item);
        }
    }
    m_editedIsNew = false;
    Invalidate();
}

void CListBoxEx::CommitEdit() {
    if (m_nEditedItem >= 0) EndEdit(!OnEndEdit(m_nEditedItem, FALSE));
}

LRESULT CListBoxEx::OnInPlaceRecord(WPARAM, LPARAM lParam) {
    const auto* record = reinterpret_cast<const IPC_CTRLMSG*>(lParam);
    if (!record) return 1;
    const int item = m_nEditedItem;
    auto commit = [&] { EndEdit(!OnEndEdit(item, FALSE)); };
    switch (record->code) {
    case IPC_CTRLMSG::kKey:
        if (record->value == VK_ESCAPE) {
            OnEndEdit(item, TRUE);
            EndEdit(TRUE);
        } else {
            commit();
        }
        return 1;
    case IPC_CTRLMSG::kClicked:
        OnBrowse(item);
        return 0;
    case IPC_CTRLMSG::kFocusLost: {
        const HWND to = reinterpret_cast<HWND>(record->value);
        if (to && (to == m_editor.m_hWnd || to == m_button.m_hWnd)) return 0;
        commit();
        return 1;
    }
    default:
        return 1;
    }
}

BOOL CListBoxEx::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd) {
        switch (msg->message) {
        case WM_LBUTTONDOWN:
            m_nCurrentItem = ItemAtClientPoint(CPoint(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)));
            break;
        case WM_LBUTTONDBLCLK:
            PostMessage(kAfterDoubleClick, 0, msg->lParam);
            break;
        case WM_KEYDOWN:
            if (msg->wParam == VK_F2 && m_nCurrentItem >= 0 && m_bEditAllowed && OnBeginEdit(m_nCurrentItem)) {
                BeginEdit(m_nCurrentItem);
                return TRUE;
            }
            if (msg->wParam == VK_DELETE && m_nCurrentItem >= 0) {
                DeleteItem(m_nCurrentItem);
                return TRUE;
            }
            break;
        case WM_SYSKEYDOWN:
            if (m_bDragAllowed && m_nEditedItem < 0) {
                const int selected = GetCaretIndex();
                if (msg->wParam == VK_UP || msg->wParam == VK_LEFT) MoveItemUp(selected);
                else if (msg->wParam == VK_DOWN || msg->wParam == VK_RIGHT) MoveItemDown(selected);
            }
            break;
        default:
            break;
        }
    }
    return CDragListBox::PreTranslateMessage(msg);
}

LRESULT CListBoxEx::OnAfterDoubleClick(WPARAM, LPARAM lParam) {
    if (!m_bEditAllowed) return 0;
    const int item = ItemAtClientPoint(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    if (item >= 0 && OnBeginEdit(item)) BeginEdit(item);
    return 0;
}

void CListBoxEx::DeleteItem(int index) {
    if (index < 0 || index >= GetCount()) return;
    DeleteString(static_cast<UINT>(index));
    if (m_nCurrentItem >= GetCount()) m_nCurrentItem = GetCount() - 1;
}

void CListBoxEx::MoveItemUp(int index) {
    if (index <= 0 || index >= GetCount()) return;
    CString above, here;
    GetText(index - 1, above);
    GetText(index, here);
    const DWORD_PTR aboveData = GetItemData(index - 1), hereData = GetItemData(index);
    ReplaceLine(index - 1, here, hereData);
    ReplaceLine(index, above, aboveData);
    SetSel(-1, FALSE);
    SetSel(index - 1, TRUE);
    SetCaretIndex(index - 1);
    m_nCurrentItem = index - 1;
}

void CListBoxEx::MoveItemDown(int index) {
    if (index < 0 || index + 1 >= GetCount()) return;
    MoveItemUp(index + 1);
    SetSel(-1, FALSE);
    SetSel(index + 1, TRUE);
    SetCaretIndex(index + 1);
    m_nCurrentItem = index + 1;
}

void CListBoxEx::SortItems() {
    const int count = GetCount();
    if (count < 2) return;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < count; ++i) {
            CString a, b;
            GetText(i, a);
            GetText(i + 1, b);
            if (a.CompareNoCase(b) <= 0) continue;
            const DWORD_PTR da = GetItemData(i), db = GetItemData(i + 1);
            ReplaceLine(i, b, db);
            ReplaceLine(i + 1, a, da);
            swapped = true;
        }
    }
    SetSel(-1, FALSE);
    SetSel(0, TRUE);
}

void CListBoxEx::CopyItems() {
    CString all;
    for (int i = 0; i < GetCount(); ++i) {
        CString line;
        GetText(i, line);
        all += line;
        all += L"\n";
    }
    if (!OpenClipboard(m_hWnd)) return;
    EmptyClipboard();
    const size_t bytes = (static_cast<size_t>(all.GetLength()) + 1) * sizeof(wchar_t);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto* chars = static_cast<wchar_t*>(GlobalLock(block))) {
            std::copy(all.GetString(), all.GetString() + all.GetLength() + 1, chars);
            GlobalUnlock(block);
            SetClipboardData(CF_UNICODETEXT, block);
        }
    }
    CloseClipboard();
}

void CListBoxEx::PasteItems() {
    if (!OpenClipboard(m_hWnd)) return;
    CString text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    // Every line becomes a line of the list, the last one too when it has no line feed.
    int start = 0;
    while (start < text.GetLength()) {
        int end = text.Find(L'\n', start);
        if (end < 0) end = text.GetLength();
        const CString line = Trimmed(text.Mid(start, end - start));
        if (!line.IsEmpty()) AddString(line);
        start = end + 1;
    }
}

BOOL CListBoxEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static const UINT dragListMessage = RegisterWindowMessage(DRAGLISTMSGSTRING);
    if (message == dragListMessage && (m_nEditedItem >= 0 || !m_bDragAllowed)) {
        if (result) *result = 0;
        return TRUE;
    }
    return CDragListBox::OnChildNotify(message, wParam, lParam, result);
}
