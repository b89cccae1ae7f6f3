#pragma once
// The problem report: everything wrong with the plan in one two-column table: the plan
// check's problems, entities without time or with more planned time than they can give,
// entries that break their activity's position rule and shortcomings of room allocation.
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

// Runs the plan check on the given store (the caller passes a copy of the document) and
// appends the report.
void BuildProblemReport(CScheduleData& data, const CReportOptions& options, CString& out);
// The rows of the entity and position checks, without a header.
CString BuildPlanRuleSection(CScheduleData& data);
// The room sections with their headers.
CString BuildRoomSection(CScheduleData& data);
