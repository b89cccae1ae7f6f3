#pragma once
// CWzdPageSelectReport: the first page of the report wizard: which report to make, as a group
// of four radio buttons (events by entity, events by day, the news feed, the balance over
// several plan files). The news feed needs the path of its file: without one the page says so
// at once and stays, before any event is ticked.
#include "controls/wizard_page.h"
#include "platform/core/cstring.h"

class CScheduleData;

class CWzdPageSelectReport : public CWizardPage {
public:
    CWzdPageSelectReport(const CScheduleData& data, CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    int OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nChoice = 0;  // 0 to 3; the other pages hold a pointer to it
    CString m_feedPath;  // where the news feed goes (the "RSS" setting)

private:
    const CScheduleData& m_data;
};
