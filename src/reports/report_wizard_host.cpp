#include "reports/report_wizard_host.h"

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "report_builders/report_options.h"
#include "reports/report_wizard.h"
#include "reports/wnd_html.h"

namespace {

class CPageWizardHost : public IReportWizardHost {
public:
    CPageWizardHost(CWndHTML& page, CString& body, const IAppSettings& settings)
        : m_page(page), m_body(body), m_settings(settings) {}

    void AppendReportHtml(const CString& html) override { m_body += html; }
    CReportFilter& GetReportFilter() override { return m_page.m_wizardFilter; }
    CReportOptions GetReportOptions() const override { return m_page.BuildOptions(); }
    CString GetFeedPath() const override { return m_settings.GetFeedPath(); }
    void SetReportKind(int kind) override { m_page.m_reportKind = kind; }

private:
    CWndHTML& m_page;
    CString& m_body;
    const IAppSettings& m_settings;
};

}  // namespace

void RunPageReportWizard(CWndHTML& page, CString& body) {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    CPageWizardHost host(page, body, data->Settings());
    RunReportWizard(*data, host, &page);
}
