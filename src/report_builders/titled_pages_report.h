#pragma once
// The titled pages report: a printed page per selected plan day with a column per selected
// entity that works that day; equal cells of neighbouring columns are merged into one.
#include <vector>

#include "platform/core/cstring.h"

class CDayPlanIndex;
class CScheduleData;
struct CDayHourLayout;
struct CReportOptions;

void BuildTitledPagesReport(const CScheduleData& data, const CReportOptions& options, CString& out);
// Appends the table of one plan day; its columns are the entities (in name order) with a window
// that day. The tables are long: they are written straight into the report.
void BuildDayTable(const CScheduleData& data, const CReportOptions& options, int dayIndex,
                   const std::vector<int>& entityIds, CString& out, const CDayPlanIndex* index = nullptr);
CString BuildDayTableHeader(const CScheduleData& data, const CReportOptions& options, const CDayHourLayout& layout);
// Appends the hour rows of a day table.
void BuildDayTableRows(const CScheduleData& data, const CReportOptions& options, int dayIndex,
                       const CDayHourLayout& layout, CString& out, const CDayPlanIndex* index = nullptr);
