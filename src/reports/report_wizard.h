#pragma once
// The report wizard's driver: runs the wizard and, on Finish, appends the chosen report to the
// report page's body (events by entity or by day, the balance over plan files) or writes the
// news feed. The report page takes part through IReportWizardHost.
#include "platform/core/cstring.h"

class CReplacementWzd;
class CReportFilter;
class CScheduleData;
class CWnd;
struct CReportOptions;

// What the driver needs of the report page.
class IReportWizardHost {
public:
    virtual ~IReportWizardHost() = default;
    // Appends HTML to the body of the report under construction.
    virtual void AppendReportHtml(const CString& html) = 0;
    // The report filter: the wizard lists and the wizard settings, kept between runs.
    virtual CReportFilter& GetReportFilter() = 0;
    // The report settings of the application: font, separate pages.
    virtual CReportOptions GetReportOptions() const = 0;
    // The path of the news feed file (the "RSS" setting).
    virtual CString GetFeedPath() const = 0;
    // The report kind the page builds next.
    virtual void SetReportKind(int kind) = 0;
};

// Runs the wizard modally over the owner; whatever its end, the report kind becomes 1.
void RunReportWizard(CScheduleData& data, IReportWizardHost& host, CWnd* owner);
// What follows the wizard: on Finish the chosen report, then the report kind 1.
void ConcludeReportWizard(CScheduleData& data, IReportWizardHost& host, CReplacementWzd& wizard, bool finished);
