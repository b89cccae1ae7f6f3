#include "solver/wzd_page_summery.h"

#include "app/wizard_page_layout.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/button.h"
#include "resource_ids.h"

namespace {

constexpr UINT kTitleId = 1281, kResultId = 1021, kApplyId = 1023;
constexpr int kMaxAppliedOverLimits = 50;

bool AnyEntryMoved(const CScheduleData& data) {
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.m_dtStart.GetStatus() != COleDateTime::valid || entry.m_dtUnmovedStart.GetStatus() != COleDateTime::valid)
            return true;
        if (CompareTimesApprox(entry.m_dtStart, entry.m_dtUnmovedStart) != 0) return true;
    }
    return false;
}

}  // namespace

CWzdPageSummery::CWzdPageSummery(CWnd* pParentWnd, CScheduleData& data)
    : CWizardPage(pParentWnd, IDD_WZD_SOLVER_SUMMARY), m_data(data) {}

BOOL CWzdPageSummery::OnInitDialog() {
    CWizardPage::OnInitDialog();
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    CWizardPageLayout::Of(GetOwner()).PlaceSideAndPage(this);
    return TRUE;
}

void CWzdPageSummery::OnSetActive() {
    auto* box = static_cast<CButton*>(GetDlgItem(kApplyId));
    CString text;
    if (m_data.m_nMode != 0) {
        const int over = m_data.CheckOverlapLimits(TRUE);
        if (over == 0) {
            m_bApply = 1;
            text = LoadResString(IDS_SUMMARY_WITHIN_LIMITS);
        } else {
            m_bApply = over < kMaxAppliedOverLimits ? 1 : 0;
            text.Format(IDS_SUMMARY_OVER_LIMITS, over);
        }
        if (box) box->ShowWindow(over > 0 ? SW_SHOW : SW_HIDE);
    } else {
        m_bApply = 0;
        text = LoadResString(AnyEntryMoved(m_data) ? IDS_SUMMARY_CHANGED : IDS_SUMMARY_UNCHANGED);
        if (box) box->ShowWindow(SW_HIDE);
    }
    if (box) box->SetCheck(m_bApply ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kResultId, text);
}

BOOL CWzdPageSummery::OnWizardFinish() {
    if (auto* box = static_cast<CButton*>(GetDlgItem(kApplyId))) m_bApply = box->GetCheck() == BST_CHECKED;
    return TRUE;
}
