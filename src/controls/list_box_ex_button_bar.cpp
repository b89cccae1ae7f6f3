#include "controls/list_box_ex_button_bar.h"

#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CListBoxExButtonBar, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CListBoxExButtonBar::CListBoxExButtonBar(CListBoxEx& list) : m_list(list) {}

BOOL CListBoxExButtonBar::Create(const CString& text, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, text, WS_CHILD | WS_VISIBLE, rect, parent, id);
}

int CListBoxExButtonBar::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_strip.LoadBitmap(IDB_LIST_BUTTONS);
    if (m_toolTip.Create(this))
        for (int i = 0; i < kCount; ++i) m_toolTip.AddTool(this, LPSTR_TEXTCALLBACK, CRect(0, 0, 0, 0), static_cast<UINT_PTR>(i + 1));
    return 0;
}

BOOL CListBoxExButtonBar::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

void CListBoxExButtonBar::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    const int top = (cy - kButtonHeight) / 2;
    for (int i = 0; i < kCount; ++i) {
        m_buttons[i] = CRect(cx - 198 + kButtonWidth * i, top, cx - 176 + kButtonWidth * i, top + kButtonHeight);
        if (m_toolTip.GetSafeHwnd()) m_toolTip.SetToolRect(this, static_cast<UINT_PTR>(i + 1), &m_buttons[i]);
    }
}

void CListBoxExButtonBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CString text;
    GetWindowText(text);
    CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    dc.SetBkMode(TRANSPARENT);
    CRect textRect = client;
    textRect.left += 2;
    dc.DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    dc.SelectObject(old);
    CDC strip;
    if (m_strip.GetSafeHandle() && strip.CreateCompatibleDC(&dc)) {
        CBitmap* oldBitmap = strip.SelectObject(&m_strip);
        for (int i = 0; i < kCount; ++i)
            dc.TransparentBlt(m_buttons[i].left, m_buttons[i].top, kButtonWidth, kButtonHeight, &strip, i * kButtonWidth, 0,
                              kButtonWidth, kButtonHeight, RGB(255, 0, 255));
        strip.SelectObject(oldBitmap);
    }
    if (m_hot != kNone) {
        CRect frame = m_buttons[m_hot];
        if (m_pressed) dc.Draw3dRect(&frame, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        else dc.Draw3dRect(&frame, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
}

int CListBoxExButtonBar::ButtonAt(CPoint point) const {
    for (int i = 0; i < kCount; ++i)
        if (m_buttons[i].PtInRect(point)) return i;
    return kNone;
}

void CListBoxExButtonBar::OnMouseMove(UINT flags, CPoint point) {
    if (m_bEnabled) {
        const int hot = ButtonAt(point);
        if (hot != m_hot && !m_pressed) {
            if (m_hot != kNone) InvalidateRect(&m_buttons[m_hot]);
            m_hot = hot;
            if (m_hot != kNone) InvalidateRect(&m_buttons[m_hot]);
        }
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    }
    CWnd::OnMouseMove(flags, point);
}

void CListBoxExButtonBar::OnMouseLeave() {
    if (m_pressed) return;
    m_hot = kNone;
    Invalidate();
}

void CListBoxExButtonBar::OnLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return;
    m_hot = ButtonAt(point);
    if (m_hot == kNone) return;
    SetCapture();
    m_pressed = 1;
    Invalidate();
}

void CListBoxExButtonBar::OnLButtonUp(UINT, CPoint point) {
    if (!m_pressed) return;
    const int pressed = m_hot;
    m_pressed = 0;
    if (GetCapture() == this) ::ReleaseCapture();
    if (pressed != kNone && ButtonAt(point) == pressed) RunCommand(pressed);
    Invalidate();
}

void CListBoxExButtonBar::RunCommand(int button) {
    // The edit ends first: the editor writes to the line it opened on, which a deletion, a
    // move, a sort or a paste would otherwise shift under it.
    m_list.CommitEdit();
    const int selected = m_list.GetCaretIndex();
    const bool hasSelection = selected >= 0 && selected < m_list.GetCount() && m_list.GetSel(selected) > 0;
    switch (button) {
    case kNew: m_list.AddNewItem(); break;
    case kDelete:
        if (hasSelection) m_list.DeleteItem(selected);
        break;
    case kUp:
        if (hasSelection) m_list.MoveItemUp(selected);
        break;
    case kDown:
        if (hasSelection) m_list.MoveItemDown(selected);
        break;
    case kSort: m_list.SortItems(); break;
    case kCopy: m_list.CopyItems(); break;
    case kPaste: m_list.PasteItems(); break;
    case kClear:
        if (MessageBox(LoadResString(IDS_LIST_CLEAR_QUESTION), LoadResString(IDS_APP_CAPTION), MB_YESNO | MB_ICONQUESTION) == IDYES)
            m_list.ResetContent();
        break;
    case kAddFiles: {
        if (!m_list.m_bAddFilesAllowed) break;
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, LoadResString(IDS_XML_FILES_FILTER), this);
        if (dialog.DoModal() != IDOK) break;
        for (const CString& path : dialog.GetPathNames()) m_list.AddString(path);
        break;
    }
    default: break;
    }
}

BOOL CListBoxExButtonBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (static_cast<int>(hdr->code) != TTN_GETDISPINFO) return CWnd::OnNotify(wParam, lParam, result);
    auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
    const int tool = static_cast<int>(hdr->idFrom);
    m_tipText = tool >= 1 && tool <= kCount ? LoadResString(IDS_LIST_CLEAR_QUESTION + static_cast<UINT>(tool)).Left(79) : CString();
    info->lpszText = const_cast<LPTSTR>(m_tipText.GetString());
    *result = 0;
    return TRUE;
}
