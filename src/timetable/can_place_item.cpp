#include "timetable/can_place_item.h"

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/time_table_item.h"

bool CanPlaceItem(const CScheduleData& data, const CTimeTableItem& item, const std::vector<CTimetableEntry>& entries,
                  const COleDateTime& start, const COleDateTime& end) {
    return CanPlaceActivity(data, item.m_nActivity, entries, start, end);
}

bool CanPlaceActivity(const CScheduleData& data, int activityId, const std::vector<CTimetableEntry>& entries,
                      const COleDateTime& start, const COleDateTime& end) {
    const CTimetableEntry probe(start, end - start);
    const auto activity = data.FindActivity(activityId);
    if (activity == data.m_arrActivities.end()) return false;
    if (activity->m_arrMembers.empty()) return true;
    for (const int memberId : activity->m_arrMembers) {
        const auto member = data.FindEntity(memberId);
        if (memberId == 0 || member == data.m_arrEntities.end()) return false;
        if (!probe.IsEntityAvailable(data, *member)) return false;
        int count = 1;
        for (const CTimetableEntry& entry : entries) {
            if (!IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), start, end)) continue;
            if (entry.m_nActivity == activity->m_nId) return false;
            const auto other = data.FindActivity(entry.m_nActivity);
            if (other == data.m_arrActivities.end()) return false;
            if (!member->TakesPartIn(data, entry)) continue;
            const bool sameGroup = activity->m_nGroup != 0 && other->m_nGroup == activity->m_nGroup;
            if (member->m_nType == 0 && sameGroup) continue;
            ++count;
        }
        // OVERLAPS 0 sets no limit.
        if (member->m_nOverlaps != 0 && count > member->m_nOverlaps) return false;
    }
    return true;
}
