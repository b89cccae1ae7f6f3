#include "controls/main_tab_ctrl.h"

#include "controls/tab_style_flat.h"
#include "controls/tab_style_glossy.h"
#include "controls/tab_style_glossy_white.h"
#include "controls/tab_style_raised.h"
#include "controls/tab_style_simple.h"
#include "controls/tab_style_slanted.h"

CMainTabCtrl::CMainTabCtrl() {
    using Set = CTabStyleSlanted::ColorSet;
    m_looks.push_back(std::make_unique<CTabStyleSlanted>(Set::Silver));
    m_looks.push_back(std::make_unique<CTabStyleSimple>());
    for (int number = 1; number <= 4; ++number) m_looks.push_back(std::make_unique<CTabStyleRaised>(number));
    for (Set set : {Set::System, Set::Blue, Set::Silver, Set::Olive}) m_looks.push_back(std::make_unique<CTabStyleSlanted>(set));
    for (Set set : {Set::System, Set::Blue, Set::Silver, Set::Olive})
        for (bool pageFrame : {false, true}) m_looks.push_back(std::make_unique<CTabStyleFlat>(set, pageFrame));
    m_looks.push_back(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::FollowFocus));
    m_looks.push_back(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::Orange));
    m_looks.push_back(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::Grey));
    m_looks.push_back(std::make_unique<CTabStyleGlossyWhite>());
    SetStyle(m_looks[kSlantedSilverInitial].get());
}

CTabCtrlStyle* CMainTabCtrl::GetStyleForSetting(int tabStyle) {
    switch (tabStyle) {
    case 1: return m_looks[kSlantedBlue].get();
    case 2: return m_looks[kSlantedOlive].get();
    case 3: return m_looks[kGlossyOrange].get();
    case 4: return m_looks[kGlossyGrey].get();
    default: return m_looks[kSlantedSilver].get();
    }
}
