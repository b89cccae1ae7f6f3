#include "reports/report_wizard.h"

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/event_reports.h"
#include "report_builders/multi_document_report.h"
#include "report_builders/news_feed.h"
#include "report_builders/report_event_filter.h"
#include "report_builders/report_event_orders.h"
#include "report_builders/report_options.h"
#include "reports/report_wizard_dlg.h"
#include "resource_ids.h"

namespace {

void AppendChosenReport(CScheduleData& data, IReportWizardHost& host, CReplacementWzd& wizard) {
    const CReportOptions options = host.GetReportOptions();
    CString html;
    switch (wizard.m_select.m_nChoice) {
    case 0:
        SortEventsByEntity(wizard.m_events);
        BuildEntityEventReport(data, options, wizard.m_events, html);
        break;
    case 1:
        SortEventsByDay(data, wizard.m_events);
        BuildDayEventReport(data, options, wizard.m_events, html);
        break;
    case 2:
        SortEventsForFeed(wizard.m_events);
        ExportNewsFeed(data, host.GetFeedPath(), wizard.m_events);
        return;
    case 3: {
        // The window runs from the first day's start to the last day's end, so a single day
        // (from and to on the same day) is reported too.
        const COleDateTime& from = wizard.m_days.m_dtFrom;
        const COleDateTime& to = wizard.m_days.m_dtTo;
        if (CompareDates(from, to) == 1 || from.GetStatus() != COleDateTime::valid) return;
        const COleDateTime first(from.GetYear(), from.GetMonth(), from.GetDay(), 0, 0, 0);
        const COleDateTime last(to.GetYear(), to.GetMonth(), to.GetDay(), 23, 59, 0);
        BuildMultiDocumentReport(data, options, host.GetReportFilter(), first, last, wizard.m_paths, html);
        break;
    }
    default: return;
    }
    host.AppendReportHtml(html);
}

}  // namespace

void ConcludeReportWizard(CScheduleData& data, IReportWizardHost& host, CReplacementWzd& wizard, bool finished) {
    if (finished) {
        CReportFilter& filter = host.GetReportFilter();
        filter.allCategories = wizard.m_filter.m_bAllCategories;
        filter.allFunds = wizard.m_filter.m_bAllFunds;
        filter.allCompanies = wizard.m_filter.m_bAllCompanies;
        filter.allEntities = wizard.m_filter.m_bAllEntities;
        filter.filterOn = wizard.m_filter.m_bFilterOn;
        AppendChosenReport(data, host, wizard);
    }
    host.SetReportKind(1);
}

void RunReportWizard(CScheduleData& data, IReportWizardHost& host, CWnd* owner) {
    CReplacementWzd wizard(data, host.GetReportFilter(), owner);
    wizard.m_select.m_feedPath = host.GetFeedPath();
    const bool finished = wizard.DoModal() == ID_WIZFINISH;
    ConcludeReportWizard(data, host, wizard, finished);
}
