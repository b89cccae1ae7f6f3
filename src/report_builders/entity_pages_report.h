#pragma once
// The entity pages report: a printed page per selected entity with its code and dates and its
// day plan over the selected plan days, and, with the TTS setting, its time per activity.
#include <cstdint>
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"

class CDayPlanIndex;
class CScheduleData;
struct CDayHourLayout;
struct CReportOptions;

// One row of an entity's time table.
struct CActivityTotal {
    int activityId = 0;
    int groupId = 0;  // the activity's group for a type-0 entity, else 0
    COLORREF background = 0;
    COLORREF foreground = 0;
    CString title;
    std::int64_t memberSeconds = 0;
    std::int64_t standInSeconds = 0;
    std::int64_t roomSeconds = 0;
};

void BuildEntityPagesReport(const CScheduleData& data, const CReportOptions& options, CString& out);
// Appends the day-plan table of one entity over the days whose report flag is set. The tables
// are long: they are written straight into the report.
void BuildEntityPlanTable(const CScheduleData& data, const CReportOptions& options, int entityId, CString& out,
                          const CDayPlanIndex* index = nullptr);
CString BuildEntityPlanHeader(const CScheduleData& data, const CReportOptions& options, const CDayHourLayout& layout);
// Appends the hour rows of an entity's day-plan table.
void BuildEntityPlanRows(const CScheduleData& data, const CReportOptions& options, int entityId,
                         const CDayHourLayout& layout, CString& out, const CDayPlanIndex* index = nullptr);
// The time table of one entity; empty without any time. The index, when given, must describe the
// unchanged store.
CString BuildActivityTotalsTable(const CScheduleData& data, const CReportOptions& options, int entityId,
                                 const CDayPlanIndex* index = nullptr);
void CollectActivityTotals(const CScheduleData& data, int entityId, std::vector<CActivityTotal>& totals,
                           const CDayPlanIndex* index = nullptr);
// A cell with whole hours and minutes, two digits each: 9000 seconds show as 02:30.
CString FormatDurationCell(std::int64_t seconds);
