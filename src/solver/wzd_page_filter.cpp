#include "solver/wzd_page_filter.h"

#include <algorithm>

#include "app/wizard_page_layout.h"
#include "model/description_texts.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "resource_ids.h"
#include "solver_engine/solver_preparation.h"
#include "solver_engine/solver_work.h"

namespace {

constexpr UINT kListId = 1074, kProgressId = 1075, kStatusId = 1076, kSideId = 1043, kKindId = 1028;
constexpr int kCheckedRows = 11;
constexpr int kActivityImage = 8;

}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageFilter, CWizardPage)
    ON_CBN_SELCHANGE(kKindId, &CWzdPageFilter::OnKindChanged)
END_MESSAGE_MAP()

CWzdPageFilter::CWzdPageFilter(CWnd* pParentWnd, CScheduleData& data)
    : CWizardPage(pParentWnd, IDD_WZD_SOLVER_FILTER), m_data(data) {}

BOOL CWzdPageFilter::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_list.SubclassDlgItem(kListId, this);
    m_progress.SubclassDlgItem(kProgressId, this);
    m_kind.SubclassDlgItem(kKindId, this);
    CBitmap bitmap;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 10, 1) && bitmap.LoadBitmap(IDB_ENTITY_TYPES))
        m_images.Add(&bitmap, RGB(255, 0, 255));
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    m_list.EnableWindow(m_nKind != 0);

    m_kind.SetFont(&m_titleFont);
    for (UINT id : {IDS_FILTER_KIND_OPEN, IDS_FILTER_KIND_ACTIVITIES, IDS_FILTER_KIND_ENTITIES, IDS_FILTER_KIND_ALL})
        m_kind.AddString(LoadResString(id));
    m_kind.SetCurSel(0);

    const CWizardPageLayout layout = CWizardPageLayout::Of(GetOwner());
    const int x = layout.X(), f = layout.R() - x, h = layout.H();
    m_kind.MoveWindow(x, layout.top + 10, f, 200);
    const int listTop = layout.top + 15 + h / 10, listHeight = 8 * h / 10 - 10;
    m_list.MoveWindow(x, listTop, f, listHeight);
    m_list.InsertColumn(0, LoadResString(IDS_FILTER_COLUMN), LVCFMT_LEFT, f - 5);
    const int y = listTop + listHeight + 5, rowHeight = layout.bottom - 5 - y;
    m_progress.MoveWindow(x, y, f / 2, rowHeight);
    m_progress.ShowWindow(SW_HIDE);
    MoveControl(this, kStatusId, x + f / 2 + 5, y, f - f / 2 - 5, rowHeight);
    layout.PlaceSideAndPage(this);
    (void)kSideId;
    return TRUE;
}

void CWzdPageFilter::OnKindChanged() {
    m_nKind = m_kind.GetCurSel();
    if (m_nKind == 1 || m_nKind == 2) {
        m_list.EnableWindow(TRUE);
        FillList();
    } else {
        m_list.DeleteAllItems();
        m_list.EnableWindow(FALSE);
    }
}

void CWzdPageFilter::Status(UINT id) {
    SetDlgItemText(kStatusId, id ? LoadResString(id) : CString());
    if (CWnd* status = GetDlgItem(kStatusId)) status->UpdateWindow();
}

void CWzdPageFilter::FillList() {
    const bool entities = m_nKind == 2;
    m_list.DeleteAllItems();
    m_list.SetRedraw(FALSE);
    // Each step is worth kStepUnits, so that the long weighing can move the bar within its own.
    constexpr int kStepUnits = 100;
    m_progress.SetRange32(0, (entities ? 8 : 7) * kStepUnits);
    m_progress.SetStep(kStepUnits);
    m_progress.SetPos(0);
    m_progress.ShowWindow(SW_SHOW);

    // The preview weighs a working copy of the timetable: the same entries the run will add and
    // the same fixing of placed entries, while the document's own entries are put back untouched.
    CTimetableEntryArray live;
    live.swap(m_data.m_arrEntries);
    m_data.m_arrEntries = live;
    Status(IDS_FILTER_CREATING);
    m_data.CreateUnplacedEntries();
    m_progress.StepIt();
    Status(IDS_FILTER_COLLECTING);
    CSolverWork work;
    CollectSlotOptions(m_data, nullptr, work);
    m_progress.StepIt();
    if (m_data.m_nMode == 0) {
        Status(IDS_FILTER_FIXING);
        FixPlacedEntries(m_data);
    }
    m_progress.StepIt();
    Status(IDS_FILTER_WEIGHING);
    const int weighFrom = m_progress.GetPos();
    WeighSlotConflicts(nullptr, m_data, [&](std::size_t done, std::size_t total) {
        m_progress.SetPos(weighFrom + static_cast<int>(kStepUnits * done / std::max<std::size_t>(total, 1)));
        m_progress.UpdateWindow();
    });
    m_progress.SetPos(weighFrom);
    m_progress.StepIt();
    Status(IDS_FILTER_ACTIVITY_WEIGHTS);
    m_data.BuildActivityWeights();
    m_progress.StepIt();
    if (entities) {
        Status(IDS_FILTER_ENTITY_WEIGHTS);
        m_data.BuildEntityWeights();
        m_progress.StepIt();
    }
    Status(IDS_FILTER_TIDYING);
    m_data.m_arrEntries.swap(live);
    m_progress.StepIt();

    int row = 0;
    if (entities) {
        for (const CEntityWeight& weight : m_data.m_arrEntityWeights) {
            const int index = m_list.InsertItem(row, weight.m_strName, weight.m_nType);
            m_list.SetItemData(index, static_cast<DWORD_PTR>(weight.m_nEntity));
            ++row;
        }
    } else {
        for (const CActivityWeight& weight : m_data.m_arrActivityWeights) {
            const auto activity = m_data.FindActivity(weight.m_nActivity);
            if (activity == m_data.m_arrActivities.end()) continue;
            CString text;
            text.Format(IDS_FILTER_ACTIVITY_ROW, activity->GetDisplayName().GetString(),
                        FormatActivityMembersOfType(m_data, weight, 1).GetString(),
                        FormatActivityMembersOfType(m_data, weight, 0).GetString());
            const int index = m_list.InsertItem(row, text, kActivityImage);
            m_list.SetItemData(index, static_cast<DWORD_PTR>(weight.m_nActivity));
            ++row;
        }
    }
    for (int k = 0; k < std::min(row, kCheckedRows); ++k) m_list.SetCheck(k, TRUE);

    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
    m_progress.ShowWindow(SW_HIDE);
    m_progress.SetPos(0);
    Status(0);
}

int CWzdPageFilter::OnWizardNext() {
    m_nKind = m_kind.GetCurSel();
    m_data.m_arrSolverIds.clear();
    if (m_nKind == 1 || m_nKind == 2) {
        for (int k = 0; k < m_list.GetItemCount(); ++k) {
            if (!m_list.GetCheck(k)) continue;
            const int id = static_cast<int>(m_list.GetItemData(k));
            const bool exists = m_nKind == 1 ? m_data.FindActivity(id) != m_data.m_arrActivities.end()
                                             : id != 0 && m_data.FindEntity(id) != m_data.m_arrEntities.end();
            if (exists) m_data.m_arrSolverIds.push_back(id);
        }
    }
    m_data.m_nSolverSelection = m_nKind;
    return 0;
}
