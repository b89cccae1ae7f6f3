// The chime set of a timetable entry and its times snapped to lessons.
#include "model/chime_set.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

const CChimeSet* FindEntryChimeSet(const CScheduleData& data, const CTimetableEntry& entry) {
    const auto chimeSet = data.FindChimeSet(entry.GetChimeSetId(data));
    return chimeSet == data.m_arrChimeSets.end() ? nullptr : &*chimeSet;
}

COleDateTime OnEntryDate(const CTimetableEntry& entry, __time64_t timeOfDay) {
    return COleDateTime(entry.m_dtStart.GetYear(), entry.m_dtStart.GetMonth(), entry.m_dtStart.GetDay(),
                        GetLocalHour(timeOfDay), GetLocalMinute(timeOfDay), 0);
}

}  // namespace

int CTimetableEntry::GetChimeSetId(const CScheduleData& data) const {
    if (data.GetChimeSetCount() == 1) return data.GetDefaultChimeSetId();
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 0;
    return activity->m_nChimeSet != 0 ? activity->m_nChimeSet : activity->m_nDerivedChimeSet;
}

COleDateTime CTimetableEntry::GetLessonStart(const CScheduleData& data) const {
    const CChimeSet* chimeSet = FindEntryChimeSet(data, *this);
    if (!chimeSet) return m_dtStart;
    __time64_t start = 0, end = 0;
    chimeSet->SnapToLessons(data, m_dtStart, m_tsLength, start, end);
    return OnEntryDate(*this, start);
}

COleDateTime CTimetableEntry::GetLessonEnd(const CScheduleData& data) const {
    const CChimeSet* chimeSet = FindEntryChimeSet(data, *this);
    if (!chimeSet) return GetEndTime();
    __time64_t start = 0, end = 0;
    chimeSet->SnapToLessons(data, m_dtStart, m_tsLength, start, end);
    return OnEntryDate(*this, end);
}
