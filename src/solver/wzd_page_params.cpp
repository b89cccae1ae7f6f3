#include "solver/wzd_page_params.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/wizard_page_layout.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "resource_ids.h"
#include "solver_engine/solver_run.h"

namespace {

constexpr UINT kTreeId = 101;
constexpr DWORD kTreeOptions = 0x19, kSpinnerOptions = 0x40400;
constexpr int kPopulations[] = {100, 250, 500, 1000};

template <class Item>
Item* Insert(COptionTree& tree, COptionTreeItem* parent, UINT label, UINT info) {
    auto* item = new Item;
    tree.InsertItem(parent, item);
    item->SetLabel(LoadResString(label));
    item->SetInfoText(LoadResString(info));
    return item;
}

COptionTreeItemRadio* InsertChoice(COptionTree& tree, COptionTreeItem* parent, UINT label, UINT info,
                                   const std::vector<UINT>& options, int checked) {
    auto* row = Insert<COptionTreeItemRadio>(tree, parent, label, info);
    if (row->CreateRadioWindow())
        for (size_t k = 0; k < options.size(); ++k) row->AddOption(static_cast<int>(k) == checked, LoadResString(options[k]));
    return row;
}

// The choice nearest to the stored population.
int PopulationIndex(int population) {
    int best = 0;
    for (int k = 1; k < static_cast<int>(std::size(kPopulations)); ++k)
        if (std::abs(kPopulations[k] - population) < std::abs(kPopulations[best] - population)) best = k;
    return best;
}

}  // namespace

CWzdPageParams::CWzdPageParams(CWnd* pParentWnd, CScheduleData& data)
    : CWizardPage(pParentWnd, IDD_WZD_SOLVER_PARAMS), m_data(data) {}

BOOL CWzdPageParams::OnInitDialog() {
    CWizardPage::OnInitDialog();
    CRect client;
    GetClientRect(&client);
    const int third = client.Width() / 3;
    MoveControl(this, 1043, 0, 0, third, client.Height());
    m_tree.Create(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(third, 0, client.right, client.bottom), this,
                  kTreeId, kTreeOptions);
    m_tree.SetNotify(TRUE, this);
    m_tree.SetColumnWidth(100);

    // The stored settings, held to what the choices offer.
    const CSolverParams stored = CSolverParams::FromStore(m_data);
    COptionTreeItem* top = Insert<COptionTreeItem>(m_tree, nullptr, IDS_PARAMS_TOP, IDS_PARAMS_TOP_INFO);
    m_pMode = InsertChoice(m_tree, top, IDS_PARAMS_MODE, IDS_PARAMS_MODE_INFO,
                           {IDS_PARAMS_MODE_EXHAUSTIVE, IDS_PARAMS_MODE_RANDOM, IDS_PARAMS_MODE_CURRENT}, stored.m_nMode);
    m_pPopulation = InsertChoice(
        m_tree, top, IDS_PARAMS_POPULATION, IDS_PARAMS_POPULATION_INFO,
        {IDS_PARAMS_POPULATION_100, IDS_PARAMS_POPULATION_250, IDS_PARAMS_POPULATION_500, IDS_PARAMS_POPULATION_1000},
        PopulationIndex(stored.m_nPopulation));
    m_pLimit = Insert<COptionTreeItemSpinner>(m_tree, top, IDS_PARAMS_LIMIT, IDS_PARAMS_LIMIT_INFO);
    m_pLimit->CreateSpinnerWindow(kSpinnerOptions, stored.m_nDuration, kMinDuration, kMaxDuration);
    m_pRules = InsertChoice(m_tree, top, IDS_PARAMS_RULES, IDS_PARAMS_RULES_INFO,
                            {IDS_PARAMS_RULES_OFF, IDS_PARAMS_RULES_ON}, m_data.m_nSolverOption == 1 ? 1 : 0);
    m_tree.ExpandAllItems();
    CWizardPageLayout::Of(GetOwner()).PlaceSideAndPage(this);
    GetClientRect(&client);
    m_tree.MoveWindow(third, 0, client.Width() - third, client.Height());
    return TRUE;
}

int CWzdPageParams::OnWizardNext() {
    m_data.m_nMode = std::max(0, m_pMode->GetCheckedIndex());
    const int population = m_pPopulation->GetCheckedIndex();
    m_data.m_nPopulation = kPopulations[std::clamp(population, 0, 3)];
    int limit = 0;
    if (m_pLimit->GetIntValue(limit)) m_data.m_nDuration = std::clamp(limit, kMinDuration, kMaxDuration);
    m_data.m_nSolverOption = m_pRules->GetCheckedIndex() == 1 ? 1 : 0;
    return 0;
}
