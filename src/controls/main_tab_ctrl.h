#pragma once
// CMainTabCtrl: the main frame's tab control with its selectable looks.
#include <memory>
#include <vector>

#include "controls/tab_ctrl.h"
#include "controls/tab_ctrl_style.h"

class CMainTabCtrl : public TabCtrl {
public:
    CMainTabCtrl();

    // The look of a TabStyle setting: 1 slanted blue, 2 slanted olive, 3 glossy orange,
    // 4 glossy grey, anything else slanted silver.
    CTabCtrlStyle* GetStyleForSetting(int tabStyle);

private:
    std::unique_ptr<CTabCtrlStyle> m_slantedSilverInitial, m_slantedSystem, m_slantedBlue, m_slantedSilver,
        m_slantedOlive, m_glossyFocus, m_glossyOrange, m_glossyGrey;
};
