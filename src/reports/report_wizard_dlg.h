#pragma once
// CReplacementWzd: the host of the report wizard with its four pages: the choice of report, the
// days (or the window of dates), the filter and the events (or the plan files). It holds the
// event list and the path list the last page fills while the wizard runs.
#include <vector>

#include "controls/wizard_dlg.h"
#include "report_builders/report_event.h"
#include "reports/wzd_page_events.h"
#include "reports/wzd_page_report_days.h"
#include "reports/wzd_page_report_filter.h"
#include "reports/wzd_page_select_report.h"

class CReportFilter;
class CScheduleData;

class CReplacementWzd : public CWizardDlg {
public:
    // lists: the report page's wizard lists, which the filter page fills.
    CReplacementWzd(CScheduleData& data, CReportFilter& lists, CWnd* pParentWnd = nullptr);

    std::vector<CReportEvent> m_events;
    std::vector<CString> m_paths;
    CWzdPageSelectReport m_select;
    CWzdPageReportDays m_days;
    CWzdPageReportFilter m_filter;
    CWzdPageEvents m_eventsPage;
};
