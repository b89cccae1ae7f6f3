#include "controls/option_tree_item_image.h"

#include "controls/option_tree.h"
#include "controls/grayscale_icon.h"
#include "controls/option_tree_image_popup.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/resources.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeItemImage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(OT_IMAGE_SELCHANGE, &COptionTreeItemImage::OnPopupSelect)
END_MESSAGE_MAP()

COptionTreeItemImage::COptionTreeItemImage() { m_kind = kImage; }

COptionTreeItemImage::~COptionTreeItemImage() {
    for (HICON icon : m_icons) ::DestroyIcon(icon);
}

BOOL COptionTreeItemImage::CreateImageWindow(DWORD dwOptions, int imageWidth, int imageHeight, int columns) {
    if (!m_pTree || m_hWnd) return FALSE;
    m_images.DeleteImageList();
    if (!m_images.Create(imageWidth, imageHeight, ILC_COLORDDB | ILC_MASK, 1, 100)) return FALSE;
    if (!CreateOwnEditor(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) return FALSE;
    m_dwOptions = dwOptions;
    m_nImageWidth = imageWidth;
    m_nImageHeight = imageHeight;
    m_nColumns = columns;
    m_nRowHeight = imageHeight + 20;
    return TRUE;
}

BOOL COptionTreeItemImage::AddImage(UINT iconId, const CString& tip) {
    HICON icon = static_cast<HICON>(::LoadImage(AfxGetInstanceHandle(), MAKEINTRESOURCE(iconId), IMAGE_ICON,
                                                m_nImageWidth, m_nImageHeight, LR_DEFAULTCOLOR));
    return AddImage(icon, tip);
}

BOOL COptionTreeItemImage::AddImage(HICON icon, const CString& tip) {
    if (!icon) return FALSE;
    if (m_images.Add(icon) < 0) {
        ::DestroyIcon(icon);
        return FALSE;
    }
    m_tips.push_back(tip);
    m_icons.push_back(icon);
    return TRUE;
}

void COptionTreeItemImage::DrawImage(CDC* pDC, const CRect& cell) {
    const int count = m_images.GetImageCount();
    if (m_nSelected < 0 || m_nSelected >= count) {
        CRect text(cell.left + 1, cell.top, cell.right, cell.bottom);
        pDC->DrawText(LoadResString(IDS_OPTION_TREE_NO_VALUE), &text, DT_SINGLELINE | DT_VCENTER);
        return;
    }
    const CPoint at(cell.left + 1, cell.top + 10);
    const bool grey = m_bReadOnly || (m_pTree && !m_pTree->IsWindowEnabled());
    if (grey && m_nSelected < static_cast<int>(m_icons.size())) {
        // A grey copy: every non-black pixel becomes its grey level.
        HICON copy = CreateGrayscaleIcon(m_icons[static_cast<size_t>(m_nSelected)]);
        pDC->DrawState(at, CSize(m_nImageWidth, m_nImageHeight), copy, DST_ICON | DSS_NORMAL);
        ::DestroyIcon(copy);
    } else {
        m_images.Draw(pDC, m_nSelected, at, ILD_TRANSPARENT);
    }
    if ((m_dwOptions & OT_IMAGE_SHOWTEXT) && m_nSelected < static_cast<int>(m_tips.size())) {
        CRect text(cell.left + 1 + m_nImageWidth + 5, cell.top, cell.right, cell.bottom);
        pDC->DrawText(m_tips[static_cast<size_t>(m_nSelected)], &text, DT_SINGLELINE | DT_VCENTER);
    }
}

void COptionTreeItemImage::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus || m_bPopupOpen, m_hWnd != nullptr)) return;
    DrawImage(pDC, rcValue);
}

BOOL COptionTreeItemImage::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeItemImage::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crValueBack);
    if (!m_bFocus) return;
    dc.SelectObject(COptionTree::NormalFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(ValueTextColor());
    DrawImage(&dc, client);
}

void COptionTreeItemImage::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
}

void COptionTreeItemImage::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    m_bFocus = FALSE;
    if (!m_bPopupOpen) CommitChanges();
}

void COptionTreeItemImage::OnLButtonUp(UINT, CPoint) {
    // Marked first: hiding the focused cell moves the focus, which must not commit a half-chosen value.
    m_bPopupOpen = TRUE;
    HideEditor();
    CPoint cursor;
    ::GetCursorPos(&cursor);
    new COptionTreeImagePopup(cursor.x, cursor.y, m_nImageWidth, m_nImageHeight, m_nColumns, &m_images, m_pTree, m_tips,
                              m_nSelected, this);
    if (m_pTree) m_pTree->Repaint();
}

LRESULT COptionTreeItemImage::OnPopupSelect(WPARAM wParam, LPARAM lParam) {
    m_nSelected = static_cast<int>(lParam);
    HideEditor();
    m_bFocus = FALSE;
    // The popup's last report ends the edit: only then is the choice committed.
    if (wParam == 1 && m_bPopupOpen) {
        m_bPopupOpen = FALSE;
        CommitChanges();
    }
    if (m_pTree) m_pTree->Repaint();
    return 0;
}
