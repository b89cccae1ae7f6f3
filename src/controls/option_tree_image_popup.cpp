#include "controls/option_tree_image_popup.h"

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/core/virtual_keys.h"
#include "controls/buffered_paint_dc.h"
#include "platform/ui/image_list.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeImagePopup, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

COptionTreeImagePopup::COptionTreeImagePopup(int x, int y, int imageWidth, int imageHeight, int columns,
                                             CImageList* pImages, COptionTree* pTree, const std::vector<CString>& tips,
                                             int selected, CWnd* pNotifyWnd)
    : m_tips(tips), m_pointer(x, y), m_pTree(pTree), m_pImages(pImages), m_pNotifyWnd(pNotifyWnd),
      m_nImageWidth(imageWidth), m_nImageHeight(imageHeight), m_nColumns(columns > 0 ? columns : 3),
      m_nSelected(selected) {
    // 1. and 2. The window, shown without activation.
    LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(0, cls, L"", WS_POPUP | WS_VISIBLE, x, y, 100, 100, pNotifyWnd ? pNotifyWnd->m_hWnd : nullptr,
                  nullptr))
        return;
    ShowWindow(SW_SHOWNA);
    // 3. Size.
    const int n = ImageCount();
    m_nRows = n == 0 ? m_nColumns : (n + m_nColumns - 1) / m_nColumns;
    MoveWindow(x, y, m_nColumns * (imageWidth + 10) + 10, m_nRows * (imageHeight + 10) + 10);
    // 4. Cells, row by row.
    for (int r = 0; r < m_nRows; ++r)
        for (int c = 0; c < m_nColumns; ++c) {
            const int left = 10 + c * (imageWidth + 10), top = 10 + r * (imageHeight + 10);
            m_cells.emplace_back(left, top, left + imageWidth, top + imageHeight);
        }
    // 5. Tips.
    m_toolTip.Create(this);
    for (int i = 0; i < n && i < static_cast<int>(m_tips.size()); ++i) m_toolTip.AddTool(this, m_tips[static_cast<size_t>(i)], &m_cells[static_cast<size_t>(i)], 1);
    m_toolTip.Activate(TRUE);
    // 6. Hold the mouse.
    SetCapture();
    // The keyboard works the popup: it takes the focus (the cell it came from does not commit
    // on that loss, only on the popup's answer).
    SetFocus();
}

int COptionTreeImagePopup::ImageCount() const { return m_pImages ? m_pImages->GetImageCount() : 0; }

int COptionTreeImagePopup::ImageAt(CPoint point) const {
    for (int i = 0; i < ImageCount() && i < static_cast<int>(m_cells.size()); ++i) {
        CRect cell = m_cells[static_cast<size_t>(i)];
        if (i == m_nSelected) cell.InflateRect(3, 3);
        if (cell.PtInRect(point)) return i;
    }
    return -1;
}

void COptionTreeImagePopup::Report(bool final) {
    if (m_pNotifyWnd && ::IsWindow(m_pNotifyWnd->m_hWnd))
        m_pNotifyWnd->SendMessage(OT_IMAGE_SELCHANGE, final ? 1 : 0, m_nSelected);
}

void COptionTreeImagePopup::Close() {
    if (GetCapture() == this) ::ReleaseCapture();
    DestroyWindow();
}

BOOL COptionTreeImagePopup::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeImagePopup::OnPaint() {
    CBufferedPaintDC dc(this);
    CRect client = dc.Client();
    if (!m_pTree) return;
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    const int n = ImageCount();
    for (int i = 0; i < n && i < static_cast<int>(m_cells.size()); ++i) {
        CRect frame = m_cells[static_cast<size_t>(i)];
        frame.InflateRect(3, 3);
        if (m_cells[static_cast<size_t>(i)].PtInRect(m_pointer)) {
            dc.DrawEdge(&frame, BDR_RAISEDINNER, BF_RECT);
        } else if (i == m_nSelected) {
            static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            CBitmap bits;
            bits.CreateBitmap(8, 8, 1, 1, pattern);
            CBrush halftone(&bits);
            dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
            dc.FillRect(&frame, &halftone);
            dc.DrawEdge(&frame, BDR_SUNKENOUTER, BF_RECT);
        }
        m_pImages->Draw(&dc, i, m_cells[static_cast<size_t>(i)].TopLeft(), ILD_TRANSPARENT);
    }
    if (n == 0) {
        CFont* oldFont = dc.SelectObject(COptionTree::NormalFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        dc.DrawText(LoadResString(IDS_OPTION_TREE_NO_IMAGES), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(oldFont);
    }
    CRect edge = client;
    dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
}

void COptionTreeImagePopup::OnMouseMove(UINT, CPoint point) {
    const int image = ImageAt(point);
    if (image < 0 || image != m_nSelected) {
        m_pointer = point;
        Invalidate(FALSE);
    }
}

void COptionTreeImagePopup::OnLButtonUp(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        const int image = ImageAt(point);
        if (image < 0) return;  // between cells: the popup stays open
        m_nSelected = image;
    }
    Report();
    Close();
}

void COptionTreeImagePopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_nSelected < 0) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int n = ImageCount();
    switch (nChar) {
    case VK_RETURN:
        Report();
        Close();
        return;
    case VK_ESCAPE: Close(); return;
    case VK_LEFT:
        if (m_nSelected > 0) --m_nSelected;
        break;
    case VK_UP:
        if (m_nSelected >= m_nColumns) m_nSelected -= m_nColumns;
        break;
    case VK_RIGHT:
        if (m_nSelected + 1 < n) ++m_nSelected;
        break;
    case VK_DOWN:
        if (m_nSelected + m_nColumns < n) m_nSelected += m_nColumns;
        break;
    default: CWnd::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
    Invalidate(FALSE);
}

void COptionTreeImagePopup::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    Report();
    if (GetCapture() == this) ::ReleaseCapture();
}

BOOL COptionTreeImagePopup::PreTranslateMessage(MSG* pMsg) {
    if (m_toolTip.m_hWnd) m_toolTip.RelayEvent(pMsg);
    if (m_hWnd && GetCapture() != this) SetCapture();
    return CWnd::PreTranslateMessage(pMsg);
}

void COptionTreeImagePopup::OnDestroy() {
    if (m_toolTip.m_hWnd) m_toolTip.DestroyWindow();
    Report(true);
    CWnd::OnDestroy();
}

void COptionTreeImagePopup::PostNcDestroy() { delete this; }
