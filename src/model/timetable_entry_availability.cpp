// Availability of participants at a timetable entry's time.
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/timetable_entry.h"

bool CTimetableEntry::IsEntityAvailable(const CScheduleData& data, const CEntity& entity) const {
    return entity.IsAvailable(data, m_dtStart, GetEndTime());
}

void CTimetableEntry::GetMissingMembers(const CScheduleData& data, std::vector<int>& ids) const {
    ids.clear();
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    const COleDateTime end = GetEndTime();
    for (int id : activity->m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        if (entity->IsAbsent(m_dtStart, end) || data.IsEntityReplacingElsewhere(*this, id)) ids.push_back(id);
    }
}
