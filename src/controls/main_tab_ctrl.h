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
    // Every look the control holds: slanted silver (the initial one), simple, raised 1 to 4,
    // slanted system, blue, silver and olive, flat 1 to 8, glossy following the focus, orange,
    // grey and white.
    const std::vector<std::unique_ptr<CTabCtrlStyle>>& GetLooks() const { return m_looks; }

private:
    // Positions in m_looks of the looks the control installs.
    enum Look {
        kSlantedSilverInitial = 0,
        kSlantedBlue = 7,
        kSlantedSilver = 8,
        kSlantedOlive = 9,
        kGlossyOrange = 19,
        kGlossyGrey = 20,
    };
    std::vector<std::unique_ptr<CTabCtrlStyle>> m_looks;
};
