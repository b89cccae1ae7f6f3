#pragma once
// Reports that list selected entities rather than draw their plans: when each type-0 entity's
// day ends (kind 12) and the contact details of the selected entities (kind 13).
#include <vector>

#include "model/entity.h"
#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CScheduleData;
struct CDayHourLayout;
struct CReportOptions;

// What the day-end report knows of one entity.
struct CDayEndRecord {
    int id = 0;
    CString name;
    __time64_t ends[kMaxPlanDays] = {};  // latest known end of each day, a time of day
    bool works[kMaxPlanDays] = {};       // the day's window is not empty
};

void BuildDayEndReport(const CScheduleData& data, const CReportOptions& options, CString& out);
// The hour rows: each entity is named in the row of the hour its day ends in.
CString BuildDayEndRows(const CScheduleData& data, const CDayHourLayout& layout,
                        const std::vector<CDayEndRecord>& records);
void BuildContactsReport(const CScheduleData& data, const CReportOptions& options, CString& out);
