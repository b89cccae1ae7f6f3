#pragma once
// CWzdPageReportDays: the second page of the report wizard: the plan days whose events are
// reported (a list with check boxes, today's day ticked each time the page shows), or for the
// balance over plan files the window of dates.
#include <vector>

#include "controls/wizard_page.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/date_time_ctrl.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"

class CScheduleData;

class CWzdPageReportDays : public CWizardPage {
public:
    CWzdPageReportDays(const int* choice, CScheduleData& data, CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    int OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Ticks every row when none is ticked, else unticks them all.
    void ToggleAllDays();

    std::vector<int> m_dayFlags;  // one per plan day the entities keep; 1 when ticked on Next
    COleDateTime m_dtFrom;
    COleDateTime m_dtTo;
    CListCtrl m_list;
    CDateTimeCtrl m_from, m_to;
    CImageList m_images;

protected:
    void OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    const int* m_pChoice;
    CScheduleData& m_data;
};
