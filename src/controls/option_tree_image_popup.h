#pragma once
// COptionTreeImagePopup: the grid of images that drops out of an image cell. The pointer
// frames the image under it; a click, Enter or Escape closes it; every report carries the
// selected index to the cell, and the last one comes when the window is destroyed.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_tip_ctrl.h"
#include "platform/ui/wnd.h"

class CImageList;
class COptionTree;

// To the notify window: lParam the selected index; wParam 1 marks the last report, sent when
// the popup is destroyed, 0 the others.
inline constexpr UINT OT_IMAGE_SELCHANGE = WM_USER + 1001;

class COptionTreeImagePopup : public CWnd {
public:
    COptionTreeImagePopup(int x, int y, int imageWidth, int imageHeight, int columns, CImageList* pImages,
                          COptionTree* pTree, const std::vector<CString>& tips, int selected, CWnd* pNotifyWnd);

    int Selected() const { return m_nSelected; }
    int Rows() const { return m_nRows; }
    const std::vector<CRect>& Cells() const { return m_cells; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    void OnDestroy();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    int ImageCount() const;
    int ImageAt(CPoint point) const;
    // The last report, at destruction, carries wParam 1.
    void Report(bool final = false);
    void Close();

    CToolTipCtrl m_toolTip;
    std::vector<CString> m_tips;
    std::vector<CRect> m_cells;
    CPoint m_pointer;
    COptionTree* m_pTree;
    CImageList* m_pImages;
    CWnd* m_pNotifyWnd;
    int m_nImageWidth, m_nImageHeight, m_nColumns, m_nRows = 0;
    int m_nSelected;
};
