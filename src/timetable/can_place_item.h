#pragma once
// The placement rule of swaps on the timetable and on the magnet board: whether an item may stand
// from start to end, judged against a list of timetable entries.
#include <vector>

#include "platform/core/ole_date_time.h"

class CScheduleData;
class CTimeTableItem;
class CTimetableEntry;

// True when the item's activity exists and every member is an entity that is available for the
// whole interval and, counting the listed entries it takes part in that overlap the interval by
// more than 5 minutes, stays within its OVERLAPS limit (0: no limit). A
// listed entry of the item's own activity that overlaps refuses at once; for a member of type 0
// an entry whose activity shares the item's non-zero group does not count.
bool CanPlaceItem(const CScheduleData& data, const CTimeTableItem& item, const std::vector<CTimetableEntry>& entries,
                  const COleDateTime& start, const COleDateTime& end);
// The same rule for an activity by its id.
bool CanPlaceActivity(const CScheduleData& data, int activityId, const std::vector<CTimetableEntry>& entries,
                      const COleDateTime& start, const COleDateTime& end);
