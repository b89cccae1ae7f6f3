#include "reports/report_wizard_dlg.h"

#include "resource_ids.h"

CReplacementWzd::CReplacementWzd(CScheduleData& data, CReportFilter& lists, CWnd* pParentWnd)
    : CWizardDlg(IDD_REPORT_WIZARD, pParentWnd),
      m_select(data, nullptr),
      m_days(&m_select.m_nChoice, data, nullptr),
      m_filter(&m_select.m_nChoice, data, lists, nullptr),
      m_eventsPage(&m_select.m_nChoice, data, &m_events, &m_paths, &m_filter, &m_days, nullptr) {
    m_pages = {&m_select, &m_days, &m_filter, &m_eventsPage};
    m_nPlaceholderID = 1280;
}
