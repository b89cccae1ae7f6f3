#include "controls/option_tree_color_popup.h"

#include "platform/ui/system_metrics.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/core/virtual_keys.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/color_dialog.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeColorPopup, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

const COLORREF kTable[COptionTreeColorPopup::kColorCount] = {
    RGB(0, 0, 0),       RGB(165, 42, 0),    RGB(0, 64, 64),     RGB(0, 85, 0),      RGB(0, 0, 94),
    RGB(0, 0, 139),     RGB(75, 0, 130),    RGB(40, 40, 40),    RGB(139, 0, 0),     RGB(255, 104, 32),
    RGB(139, 139, 0),   RGB(0, 147, 0),     RGB(56, 142, 142),  RGB(0, 0, 255),     RGB(123, 123, 192),
    RGB(102, 102, 102), RGB(255, 0, 0),     RGB(255, 173, 91),  RGB(50, 205, 50),   RGB(60, 179, 113),
    RGB(127, 255, 212), RGB(125, 158, 192), RGB(128, 0, 128),   RGB(127, 127, 127), RGB(255, 192, 203),
    RGB(255, 215, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),     RGB(64, 224, 208),  RGB(192, 255, 255),
    RGB(72, 0, 72),     RGB(192, 192, 192), RGB(255, 228, 225), RGB(210, 180, 140), RGB(255, 255, 224),
    RGB(152, 251, 152), RGB(175, 238, 238), RGB(104, 131, 139), RGB(230, 230, 250), RGB(255, 255, 255),
};

constexpr int kLast = COptionTreeColorPopup::kColorCount - 1;
// Over no choice at all: the pointer moves change nothing.
constexpr int kOutside = -100;

}  // namespace

COLORREF COptionTreeColorPopup::TableColor(int index) { return index >= 0 && index <= kLast ? kTable[index] : 0; }

CString COptionTreeColorPopup::ColorName(int index) {
    return LoadResString(IDS_COLOR_NAME_FIRST + static_cast<UINT>(index));
}

COptionTreeColorPopup::COptionTreeColorPopup(COLORREF initial, int x, int y, COLORREF automatic, CWnd* pNotifyWnd,
                                             const CString& automaticText, const CString& customText)
    : m_crInitial(initial), m_crCurrent(initial), m_crAuto(automatic), m_pNotifyWnd(pNotifyWnd) {
    NONCLIENTMETRICS metrics;
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        m_font.CreateFontIndirect(&metrics.lfMessageFont);
    // 1. The window, owned by the cell.
    LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(0, cls, L"", WS_POPUP | WS_VISIBLE, x, y, 100, 100, pNotifyWnd ? pNotifyWnd->m_hWnd : nullptr,
                  nullptr))
        return;
    // 2. Show without activating, lay out, the tips.
    ShowWindow(SW_SHOWNA);
    m_autoText = automaticText;
    m_customText = customText;
    Layout();
    m_toolTip.Create(this);
    for (int i = 0; i < kColorCount; ++i) {
        const CRect cell = CellRect(i);
        m_toolTip.AddTool(this, ColorName(i), &cell, 1);
    }
    m_toolTip.Activate(TRUE);
    // 3. The choice drawn pressed: the colour the popup opened with.
    if (m_crInitial == m_crAuto && !m_autoText.IsEmpty()) {
        m_nChosen = kAutoBox;
    } else {
        for (int i = 0; i < kColorCount && m_nChosen == kNoChoice; ++i)
            if (kTable[i] == m_crInitial) m_nChosen = i;
        if (m_nChosen == kNoChoice && !m_customText.IsEmpty()) m_nChosen = kCustomBox;
    }
    // 4. Hold the mouse.
    SetCapture();
    // The keyboard works the popup: it takes the focus (the cell it came from does not commit
    // on that loss, only on the popup's answer).
    SetFocus();
}

void COptionTreeColorPopup::Layout() {
    int textWidth = 0, boxHeight = 0;
    if (!m_autoText.IsEmpty() || !m_customText.IsEmpty()) {
        CClientDC dc(this);
        CFont* old = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
        const CSize a = dc.GetTextExtent(m_autoText), c = dc.GetTextExtent(m_customText);
        if (old) dc.SelectObject(old);
        textWidth = std::max(a.cx, c.cx) + 2 * kMargin;
        boxHeight = std::max(a.cy, c.cy) + 4 * kMargin + 2;
    }
    CRect window;
    GetWindowRect(&window);
    int width = kColumns * kCellSize + 2 * kMargin;
    int height = kRows * kCellSize + 2 * kMargin;
    if (!m_autoText.IsEmpty()) {
        width = std::max(width, textWidth);
        m_rcAuto = CRect(kMargin, kMargin, width - kMargin, boxHeight + 2 * kMargin);
        height += boxHeight + 3 * kMargin;
    }
    if (!m_customText.IsEmpty()) {
        width = std::max(width, textWidth);
        m_rcCustom = CRect(kMargin, height, width - kMargin, height + kMargin + boxHeight);
        height += boxHeight + 3 * kMargin;
    }
    // Keep it on the screen; near the bottom it opens above the cell.
    int left = window.left, top = window.top;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (left + width > screenWidth) left -= left + width - screenWidth;
    if (left < 0) left = 0;
    if (top + height > screenHeight) {
        CRect notify(0, 0, 0, 0);
        if (m_pNotifyWnd && m_pNotifyWnd->m_hWnd) m_pNotifyWnd->GetWindowRect(&notify);
        top -= height + notify.Height();
    }
    m_rcWindow = CRect(left, top, left + width, top + height);
    MoveWindow(&m_rcWindow);
}

CRect COptionTreeColorPopup::CellRect(int index) const {
    const int column = index % kColumns, row = index / kColumns;
    int top = row * kCellSize + kMargin;
    if (!m_autoText.IsEmpty()) top += m_rcAuto.bottom - m_rcAuto.top + kMargin;
    const int left = column * kCellSize + kMargin;
    return CRect(left, top, left + kCellSize, top + kCellSize);
}

int COptionTreeColorPopup::NextChoice(int current, UINT key, bool hasAuto, bool hasCustom) {
    // The boxes a move lands on when it runs off the grid.
    const int beforeGrid = hasAuto ? kAutoBox : hasCustom ? kCustomBox : kLast;
    const int afterGrid = hasCustom ? kCustomBox : hasAuto ? kAutoBox : 0;
    switch (key) {
    case VK_LEFT:
        if (current == kAutoBox) return hasCustom ? kCustomBox : kLast;
        if (current == kCustomBox) return kLast;
        if (current < 0) return beforeGrid;
        return current == 0 ? beforeGrid : current - 1;
    case VK_UP:
        if (current == kAutoBox) return hasCustom ? kCustomBox : kLast;
        if (current == kCustomBox) return kLast;
        if (current < 0) return beforeGrid;
        return current < kColumns ? beforeGrid : current - kColumns;
    case VK_RIGHT:
        if (current == kAutoBox) return 0;
        if (current == kCustomBox) return hasAuto ? kAutoBox : 0;
        if (current < 0) return afterGrid;
        return current == kLast ? afterGrid : current + 1;
    case VK_DOWN:
        if (current == kAutoBox) return 0;
        if (current == kCustomBox) return hasAuto ? kAutoBox : 0;
        if (current < 0) return afterGrid;
        return current + kColumns > kLast ? afterGrid : current + kColumns;
    default: return current;
    }
}

int COptionTreeColorPopup::ChoiceAt(CPoint point) const {
    if (!m_autoText.IsEmpty() && m_rcAuto.PtInRect(point)) return kAutoBox;
    if (!m_customText.IsEmpty() && m_rcCustom.PtInRect(point)) return kCustomBox;
    for (int i = 0; i < kColorCount; ++i)
        if (CellRect(i).PtInRect(point)) return i;
    return kOutside;
}

void COptionTreeColorPopup::SetHot(int index) {
    m_nHot = index;
    Invalidate(FALSE);
    COLORREF colour = m_crInitial;
    if (index == kAutoBox) m_crCurrent = colour = m_crAuto;
    else if (index >= 0) m_crCurrent = colour = kTable[index];
    if (m_pNotifyWnd && ::IsWindow(m_pNotifyWnd->m_hWnd)) m_pNotifyWnd->SendMessage(OT_COLOR_SELCHANGE, colour, 0);
}

void COptionTreeColorPopup::OnMouseMove(UINT, CPoint point) {
    const int choice = ChoiceAt(point);
    if (choice == kOutside) return;
    if (choice != m_nHot) SetHot(choice);
}

void COptionTreeColorPopup::OnLButtonUp(UINT, CPoint) {
    const DWORD pos = ::GetMessagePos();
    const CPoint screen(GET_X_LPARAM(pos), GET_Y_LPARAM(pos));
    End(m_rcWindow.PtInRect(screen) != FALSE);
}

void COptionTreeColorPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_RETURN:
    case VK_SPACE: End(true); return;
    case VK_ESCAPE: End(false); return;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        SetHot(NextChoice(m_nHot, nChar, !m_autoText.IsEmpty(), !m_customText.IsEmpty()));
        return;
    default: CWnd::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
}

void COptionTreeColorPopup::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    if (GetCapture() == this) ::ReleaseCapture();
}

BOOL COptionTreeColorPopup::PreTranslateMessage(MSG* pMsg) {
    if (m_toolTip.m_hWnd) m_toolTip.RelayEvent(pMsg);
    if (!m_bDialogOpen && m_hWnd && GetCapture() != this) SetCapture();
    return CWnd::PreTranslateMessage(pMsg);
}

void COptionTreeColorPopup::End(bool withChoice) {
    // 1. Let go of the mouse.
    if (GetCapture() == this) ::ReleaseCapture();
    // 2. The custom box asks the colour dialog.
    if (withChoice && m_nHot == kCustomBox) {
        m_bDialogOpen = TRUE;
        CColorDialog dialog(m_crInitial, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dialog.DoModal() == IDOK) m_crCurrent = dialog.GetColor();
        else withChoice = false;
        m_bDialogOpen = FALSE;
    }
    // 3. and 4. Report.
    if (!withChoice) m_crCurrent = m_crInitial;
    CWnd* notify = m_pNotifyWnd;
    const COLORREF colour = m_crCurrent;
    // 5. Gone (the object deletes itself once its window is).
    DestroyWindow();
    if (notify && ::IsWindow(notify->m_hWnd))
        notify->SendMessage(withChoice ? OT_COLOR_SELENDOK : OT_COLOR_SELENDCANCEL, colour, 0);
}

void COptionTreeColorPopup::PostNcDestroy() { delete this; }

void COptionTreeColorPopup::DrawSwatch(CDC* dc, const CRect& cell, COLORREF color) {
    CRect swatch = cell;
    swatch.DeflateRect(kMargin + 1, kMargin + 1);
    CBrush fill(color);
    CPen outline(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CBrush* oldBrush = dc->SelectObject(&fill);
    CPen* oldPen = dc->SelectObject(&outline);
    dc->Rectangle(&swatch);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

namespace {

// The halftone of a chosen cell: COLOR_BTNHIGHLIGHT dots on COLOR_BTNFACE.
void FillHalftone(CDC* dc, const CRect& rect) {
    static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bits;
    bits.CreateBitmap(8, 8, 1, 1, pattern);
    CBrush brush(&bits);
    const COLORREF oldText = dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    const COLORREF oldBk = dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    dc->FillRect(&rect, &brush);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBk);
}

}  // namespace

void COptionTreeColorPopup::DrawCell(CDC* dc, int index) {
    CRect cell = CellRect(index);
    const bool hot = index == m_nHot, chosen = index == m_nChosen;
    if (chosen && !hot) FillHalftone(dc, cell);
    else dc->FillSolidRect(&cell, ::GetSysColor(COLOR_BTNFACE));
    if (hot) dc->DrawEdge(&cell, BDR_RAISEDINNER, BF_RECT);
    else if (chosen) dc->DrawEdge(&cell, BDR_SUNKENOUTER, BF_RECT);
    DrawSwatch(dc, CellRect(index), kTable[index]);
}

void COptionTreeColorPopup::DrawAutoBox(CDC* dc) {
    CRect box = m_rcAuto;
    dc->FillSolidRect(&box, ::GetSysColor(COLOR_BTNFACE));
    CRect inner = box;
    inner.DeflateRect(1, 1);
    const bool hot = m_nHot == kAutoBox, chosen = m_nChosen == kAutoBox;
    if (chosen && !hot) FillHalftone(dc, inner);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    CRect outline(box.left + 3, box.top + 2, box.right - 3, box.bottom - 3);
    dc->FrameRect(&outline, &shadow);
    if (hot) dc->DrawEdge(&box, BDR_RAISEDINNER, BF_RECT);
    else if (chosen) dc->DrawEdge(&box, BDR_SUNKENOUTER, BF_RECT);
    dc->DrawText(m_autoText, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawSwatch(dc, CRect(box.left + 3, box.top + 2, box.left + 3 + kCellSize, box.top + 2 + kCellSize), m_crAuto);
}

void COptionTreeColorPopup::DrawCustomBox(CDC* dc) {
    CRect box = m_rcCustom;
    dc->FillSolidRect(&box, ::GetSysColor(COLOR_BTNFACE));
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)), light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen* old = dc->SelectObject(&shadow);
    dc->MoveTo(box.left + 2 * kMargin, box.top);
    dc->LineTo(box.right - 2 * kMargin, box.top);
    dc->SelectObject(&light);
    dc->MoveTo(box.left + 2 * kMargin, box.top + 1);
    dc->LineTo(box.right - 2 * kMargin, box.top + 1);
    dc->SelectObject(old);
    CRect inner(box.left + 1, box.top + 2, box.right - 1, box.bottom - 1);
    const bool hot = m_nHot == kCustomBox, chosen = m_nChosen == kCustomBox;
    dc->FillSolidRect(&inner, ::GetSysColor(chosen && !hot ? COLOR_3DLIGHT : COLOR_BTNFACE));
    if (hot) dc->DrawEdge(&inner, BDR_RAISEDINNER, BF_RECT);
    dc->DrawText(m_customText, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void COptionTreeColorPopup::OnPaint() {
    CPaintDC dc(this);
    CFont* oldFont = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    if (!m_autoText.IsEmpty()) DrawAutoBox(&dc);
    for (int i = 0; i < kColorCount; ++i) DrawCell(&dc, i);
    if (!m_customText.IsEmpty()) DrawCustomBox(&dc);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
    if (oldFont) dc.SelectObject(oldFont);
}
