#pragma once
// CIconMenu: the context menu of the program. It turns an ordinary menu into an owner-drawn
// one that shows beside each command the image the same command has on a toolbar, draws
// separators, checked, disabled and shortcut texts in its own style, and brings the states
// up to date through the command-update handlers of the window that receives the command.
//
//   CIconMenu menu;
//   menu.CreatePopupMenu();
//   menu.AppendMenu(MF_STRING, ID_EDIT_COPY, LoadResString(IDS_COPY));
//   menu.LoadToolBarImages(IDR_TOOLBAR);
//   menu.ConvertToOwnerDraw(&menu);
//   menu.UpdateCommandUI(&menu, this);
//   menu.TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, this);
#include <memory>
#include <utility>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/menu.h"

class CCmdTarget;

class CIconMenu : public CMenu {
public:
    // Kinds of item records that are not commands.
    static constexpr int kSubMenuInSubMenu = -2, kSeparator = -3, kBarItem = -4;

    struct Item {
        int image = -1;    // image index; the kind itself for the kinds above
        int idOrKind = 0;  // command id, or one of the kinds
        CString text;
    };

    CIconMenu();
    ~CIconMenu() override;

    BOOL LoadToolBarImages(UINT nToolBarId);
    void ConvertToOwnerDraw(CMenu* pMenu);
    void UpdateCommandUI(CMenu* pMenu, CCmdTarget* pTarget);
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

    void SetCustomFont(CFont* pFont) { m_pCustomFont = pFont; }
    CImageList& CheckMarkImages() { return m_checkImages; }
    // The image of a command (the first pair with that id), -1 when it has none.
    int ImageOf(UINT nCommand) const;
    const std::vector<std::unique_ptr<Item>>& Items() const { return m_items; }
    CSize ImageSize() const { return CSize(m_imageWidth, m_imageHeight); }

private:
    void CreateBoldFont();
    Item* AppendItem(int idOrKind, const CString& text);
    CFont* ItemFont(bool checked);

    CFont m_boldFont;
    CFont* m_pCustomFont = nullptr;
    CFont m_menuFont;
    int m_imageWidth = 20, m_imageHeight = 20;
    CImageList m_images;
    CImageList m_checkImages;
    COLORREF m_crText, m_crHighlightText, m_crMask, m_crImageBack, m_crMenu, m_crHighlight, m_crLight, m_crDark,
        m_crGrayText;
    std::vector<std::unique_ptr<Item>> m_items;
    std::vector<std::pair<int, UINT>> m_commandImages;
};
