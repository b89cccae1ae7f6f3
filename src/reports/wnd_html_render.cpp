// Building the report of the page's kind and showing it in the browser.
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/ui/wait_cursor.h"
#include "report_builders/report_options.h"
#include "report_builders/report_page.h"
#include "reports/wnd_html.h"

CReportOptions CWndHTML::BuildOptions() const {
    CReportOptions options;
    options.m_reportKind = m_reportKind;
    options.m_entityIds = m_entityIds;
    options.m_dayIndexes = m_dayIndexes;
    options.m_useColours = m_useColours;
    options.m_detailChoice = m_detailChoice;
    options.m_background = m_background;
    options.m_title = ReportTitle();
    if (const CScheduleData* data = Document()) {
        const IAppSettings& settings = data->Settings();
        options.m_fontName = settings.GetReportFontName();
        options.m_fontSize = settings.GetReportFontSize();
        options.m_activityTotals = settings.GetActivityTotals();
        options.m_minColumnWidth = settings.GetMinColumnWidth();
        options.m_separatePages = settings.GetSeparatePages();
    }
    return options;
}

void CWndHTML::Render() {
    const CScheduleData* data = Document();
    if (!m_ready || !data) return;
    CString page;
    {
        CWaitCursor wait;
        if (m_reportKind == 11) {
            // The report wizard appends its report to the body when it finishes.
            page = OpenReportPage(m_background, ReportTitle());
            if (s_reportWizard) s_reportWizard(*this, page);
            page += kReportPageEnd;
        } else {
            page = BuildReportPage(*data, BuildOptions());
        }
        m_zoom = 1.0;
    }
    ShowPage(page);
}

void CWndHTML::ShowReportBody(const CString& body) {
    if (!m_ready) return;
    CString page = OpenReportPage(m_background, ReportTitle());
    page += body;
    page += kReportPageEnd;
    m_zoom = 1.0;
    ShowPage(page);
}

void CWndHTML::ShowPage(const CString& page) {
    // Without a document in the browser the text is still kept for print, copy and save.
    m_browser.WriteHtml(page);
    m_html = page;
}
