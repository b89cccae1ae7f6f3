#pragma once
// The statistics report: one row of figures per selected entity under a three-level header.
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

// Rebuilds the entities' item lists of the given store (the caller passes a copy of the
// document) and appends the table.
void BuildStatisticsReport(CScheduleData& data, const CReportOptions& options, CString& out);
