#pragma once
// The two HTML reports of the events the user ticked in the report wizard: one table per entity
// (the events sorted by entity and start), or one table per plan day with a section per kind and
// the hour slot in a first column that spans the rows of the slot (the events in day order).
// Both append to the body of the report page.
#include <vector>

#include "platform/core/cstring.h"

class CReportEvent;
class CScheduleData;
struct CReportOptions;

// A flag of an event as a ticked (set) or crossed (clear) box in the report font, sizeDelta
// pixels larger.
CString FlagMarkSpan(const CReportOptions& options, int sizeDelta, int flag);

void BuildEntityEventReport(const CScheduleData& data, const CReportOptions& options,
                            const std::vector<CReportEvent>& events, CString& out);
void BuildDayEventReport(const CScheduleData& data, const CReportOptions& options,
                         const std::vector<CReportEvent>& events, CString& out);
