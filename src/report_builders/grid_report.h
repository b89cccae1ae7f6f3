#pragma once
// The grid report: the hour-by-hour plans of the selected entities side by side over the
// selected plan days, a row per entity (kind 3) or a column per entity (kind 4).
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

void BuildGridReport(const CScheduleData& data, const CReportOptions& options, CString& out);
