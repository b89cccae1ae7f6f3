#include "frame/menu_bar.h"

#include "platform/core/language_pack.h"

namespace {
constexpr int kImageSize = 32;
}

BOOL CMenuBar::Create(CWnd* pParent, UINT nID) {
    if (!CMenuBarCtrl::Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID)) return FALSE;
    // The frame answers the menu's update and prompt messages, also from inside the rebar.
    SetOwner(pParent ? pParent->GetTopLevelParent() : nullptr);
    return TRUE;
}

BOOL CMenuBar::LoadMenu(UINT nMenuId, BOOL bTrueColor) {
    SetMenu(nullptr);
    m_menu.DestroyMenu();
    if (!m_menu.LoadMenu(nMenuId)) return FALSE;
    if (!m_images.CreateLists(kImageSize, kImageSize, bTrueColor, 1)) return FALSE;
    m_arrCommandIds.clear();
    SetMenu(m_menu.GetSafeHmenu());
    return TRUE;
}

BOOL CMenuBar::LoadToolBarIds(UINT nToolBarId) {
    const CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResToolBar* toolBar = pack ? pack->FindToolBar(nToolBarId) : nullptr;
    if (!toolBar) return FALSE;
    for (UINT id : toolBar->items)
        if (id != 0) m_arrCommandIds.push_back(id);
    if (!m_images.LoadBitmap(nToolBarId)) return FALSE;
    SetImages(&m_images.Normal(), m_arrCommandIds);
    return TRUE;
}
