#pragma once
// COptionTreeItemImage: a row that shows one image of its own list (with its tip text); a
// click on the cell opens the image popup, whose report sets the selection.
#include <vector>

#include "controls/option_tree_editor_item.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

inline constexpr DWORD OT_IMAGE_SHOWTEXT = 0x40000;

class COptionTreeItemImage : public COptionTreeEditorItem<CWnd> {
public:
    COptionTreeItemImage();
    ~COptionTreeItemImage() override;
    BOOL CreateImageWindow(DWORD dwOptions, int imageWidth, int imageHeight, int columns);
    // Adds the icon of that id at the item's image size with its tip; an icon that does not
    // load adds neither, so tips stay with their images.
    BOOL AddImage(UINT iconId, const CString& tip);
    // The same with an icon the caller made; the item owns it from then on.
    BOOL AddImage(HICON icon, const CString& tip);
    int GetSelected() const { return m_nSelected; }
    void SetSelected(int index) { m_nSelected = index; }
    int GetImageCount() const { return m_images.GetImageCount(); }
    const std::vector<CString>& Tips() const { return m_tips; }

    void DrawValue(CDC* pDC, const RECT& rcValue) override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnPopupSelect(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawImage(CDC* pDC, const CRect& cell);

    int m_nColumns = 3;
    int m_nImageWidth = 16, m_nImageHeight = 16;
    int m_nSelected = -1;
    CImageList m_images;
    DWORD m_dwOptions = 0;
    std::vector<CString> m_tips;
    std::vector<HICON> m_icons;
    BOOL m_bPopupOpen = FALSE;
};
