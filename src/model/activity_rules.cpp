// Members, colours, the derived chime set and room conflicts of an activity.
#include <algorithm>

#include "model/activity.h"
#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

template <class Pick>
COLORREF ActivityOrStaffColour(const CScheduleData& data, const CActivity& activity, COLORREF own, int systemColour,
                               Pick pick) {
    const COLORREF none = GetSysColor(systemColour);
    if (own != none) return own;
    for (int id : activity.m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || (entity->m_nType != 1 && entity->m_nType != 2)) continue;
        if (pick(*entity) != none) return pick(*entity);
    }
    return none;
}

}  // namespace

bool CActivity::HasEntityId(const CScheduleData& data, int entityId) const {
    if (entityId == 0) return false;
    const auto entity = data.FindEntity(entityId);
    return entity != data.m_arrEntities.end() && HasEntity(*entity);
}

void CActivity::AddEntity(const CScheduleData& data, int entityId) {
    if (entityId == 0) return;
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end() || HasEntity(*entity)) return;
    (entity->m_nType == 4 ? m_arrRooms : m_arrMembers).push_back(entityId);
}

void CActivity::RemoveEntity(CScheduleData& data, int entityId) {
    if (entityId == 0) return;
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return;
    const bool room = entity->m_nType == 4;
    std::vector<int>& list = room ? m_arrRooms : m_arrMembers;
    const auto found = std::find(list.begin(), list.end(), entityId);
    if (found == list.end()) return;
    list.erase(found);
    const auto names = [&](const CRoomPair& pair) { return (room ? pair.m_nRoom : pair.m_nEntity) == entityId; };
    std::erase_if(m_arrPairs, names);
    for (CTimetableEntry& entry : data.m_arrEntries)
        if (entry.m_nActivity == m_nId) std::erase_if(entry.m_arrPairs, names);
}

int CActivity::GetMainMemberId(const CScheduleData& data) const {
    int last = 0;
    for (int id : m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        if (entity->m_nType == 0) return id;
        last = id;
    }
    return last;
}

int CActivity::CountType0Members(const CScheduleData& data) const {
    return static_cast<int>(std::count_if(m_arrMembers.begin(), m_arrMembers.end(), [&](int id) {
        const auto entity = data.FindEntity(id);
        return entity != data.m_arrEntities.end() && entity->m_nType == 0;
    }));
}

int CActivity::CountStaffMembers(const CScheduleData& data) const {
    return static_cast<int>(std::count_if(m_arrMembers.begin(), m_arrMembers.end(), [&](int id) {
        const auto entity = data.FindEntity(id);
        return entity != data.m_arrEntities.end() && (entity->m_nType == 1 || entity->m_nType == 2);
    }));
}

int CActivity::GetMeetingLengthCode() const {
    switch (WholeMinutes(m_tsMeeting.m_span)) {
    case 15: return 1;
    case 30: return 2;
    case 10: return 3;
    default: return 0;
    }
}

COLORREF CActivity::GetBackgroundColour(const CScheduleData& data) const {
    return ActivityOrStaffColour(data, *this, m_crBackground, COLOR_WINDOW,
                                 [](const CEntity& e) { return e.m_crBackground; });
}

COLORREF CActivity::GetForegroundColour(const CScheduleData& data) const {
    return ActivityOrStaffColour(data, *this, m_crForeground, COLOR_WINDOWTEXT,
                                 [](const CEntity& e) { return e.m_crForeground; });
}

void CActivity::DeriveChimeSet(const CScheduleData& data) { m_nDerivedChimeSet = GetCommonChimeSetId(data, m_arrMembers); }

int CActivity::GetRoomConflict(const CScheduleData& data, int roomId, const CPlanIndex* index) const {
    if (std::find(m_arrRooms.begin(), m_arrRooms.end(), roomId) != m_arrRooms.end()) return 2;
    // 2 for an entry that shuts the room out, 1 for one that only shares it, else 0.
    auto conflictAt = [&](const CTimetableEntry& entry) {
        if (entry.IsLinkedState(data)) return 0;
        const int role = entry.GetRoomRole(data, roomId);
        const int elsewhere = entry.GetBestRoomRoleElsewhere(data, roomId, index);
        if (role != 0 && (elsewhere == 0 || elsewhere == 5 || elsewhere >= role)) return 0;
        return elsewhere == 1 || elsewhere == 2 ? 2 : elsewhere == 3 || elsewhere == 4 ? 1 : 0;
    };
    int worst = 0;
    if (index) {
        for (const std::size_t e : index->EntriesOfActivity(m_nId))
            if ((worst = std::max(worst, conflictAt(data.m_arrEntries[e]))) == 2) return 2;
        return worst;
    }
    for (const CTimetableEntry& entry : data.m_arrEntries)
        if (entry.m_nActivity == m_nId && (worst = std::max(worst, conflictAt(entry))) == 2) return 2;
    return worst;
}
