#pragma once
// A whole report page: the page skeleton (head with the zoom script, body with the background
// and the reading direction) around the content of the chosen report kind.
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

// The complete HTML of the report kind of the options. The document is not changed: the
// builders work on a copy whose timetable is in report order.
CString BuildReportPage(const CScheduleData& data, const CReportOptions& options);
// Appends the content of the report kind to the body text; a kind without a builder here (the
// report wizard, unknown kinds) appends nothing. Builders may change the store they are given.
void AppendReportBody(CScheduleData& data, const CReportOptions& options, CString& out);
// The body tag: background image and reading direction as the page gives them.
CString BuildBodyTag(const CString& background, bool rightToLeft);
// The start of every report page: the head with the title (none when empty) and the zoom
// script, and the body tag, with the reading direction of the language pack. The content and
// kReportPageEnd follow.
CString OpenReportPage(const CString& background, const CString& title = CString());
inline constexpr const wchar_t* kReportPageEnd = L"</body></html>";
