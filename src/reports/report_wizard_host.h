#pragma once
// The report page as the report wizard's host: the wizard's report is appended to the body the
// page is building, its filter is kept by the page between runs, and its settings come from the
// page and the application.
#include "platform/core/cstring.h"

class CWndHTML;

// Runs the report wizard for the page's report kind 11 on the open document.
void RunPageReportWizard(CWndHTML& page, CString& body);
