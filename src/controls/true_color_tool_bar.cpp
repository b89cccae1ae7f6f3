#include "controls/true_color_tool_bar.h"

#include <vector>

#include "platform/core/language_pack.h"

BOOL CTrueColorToolBar::LoadToolBar(UINT nId, BOOL bTrueColor) {
    // 1. The toolbar resource.
    const CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResToolBar* toolBar = pack ? pack->FindToolBar(nId) : nullptr;
    if (!toolBar) return FALSE;
    const int width = toolBar->buttonWidth, height = toolBar->buttonHeight;
    // 2. The buttons.
    const std::vector<UINT> ids(toolBar->items.begin(), toolBar->items.end());
    if (!SetButtons(ids.data(), static_cast<int>(ids.size()))) return FALSE;
    // 3. Sizes.
    SetSizes(CSize(width + 8, height + 7), CSize(width, height));
    // 4. and 5. The three image lists.
    if (!m_images.CreateLists(width, height, bTrueColor, static_cast<int>(ids.size()))) return FALSE;
    const BOOL loaded = m_images.LoadBitmap(nId);
    if (loaded) {
        CToolBarCtrl& control = GetToolBarCtrl();
        control.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.Normal().GetSafeHandle()));
        control.SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.Hot().GetSafeHandle()));
        control.SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.Disabled().GetSafeHandle()));
    }
    return loaded;
}
