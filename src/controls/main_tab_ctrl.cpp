#include "controls/main_tab_ctrl.h"

#include "controls/tab_style_glossy.h"
#include "controls/tab_style_slanted.h"

CMainTabCtrl::CMainTabCtrl()
    : m_slantedSilverInitial(std::make_unique<CTabStyleSlanted>(CTabStyleSlanted::ColorSet::Silver)),
      m_slantedSystem(std::make_unique<CTabStyleSlanted>(CTabStyleSlanted::ColorSet::System)),
      m_slantedBlue(std::make_unique<CTabStyleSlanted>(CTabStyleSlanted::ColorSet::Blue)),
      m_slantedSilver(std::make_unique<CTabStyleSlanted>(CTabStyleSlanted::ColorSet::Silver)),
      m_slantedOlive(std::make_unique<CTabStyleSlanted>(CTabStyleSlanted::ColorSet::Olive)),
      m_glossyFocus(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::FollowFocus)),
      m_glossyOrange(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::Orange)),
      m_glossyGrey(std::make_unique<CTabStyleGlossy>(CTabStyleGlossy::Scheme::Grey)) {
    SetStyle(m_slantedSilverInitial.get());
}

CTabCtrlStyle* CMainTabCtrl::GetStyleForSetting(int tabStyle) {
    switch (tabStyle) {
    case 1: return m_slantedBlue.get();
    case 2: return m_slantedOlive.get();
    case 3: return m_glossyOrange.get();
    case 4: return m_glossyGrey.get();
    default: return m_slantedSilver.get();
    }
}
