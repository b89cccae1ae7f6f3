// States of a timetable entry and who takes part in it.
//
// State codes, first match wins:
//   7 linked (participants absent), 9 stored 9, 3 the state-3 flag, 5 a staff replacement,
//   6 the state-6 flag, 3 the activity is missing, 4 moved in a dated plan, 8 a grouped
//   activity whose stored state is neither 0 nor 4, else the stored state (0, 1, 2, 4...).
#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

bool IsStoredStateValid(int state) { return state >= 0 && state <= 9; }

bool IsStaffType(int type) { return type >= 1 && type <= 3; }

bool MatchesKind(int type, int kind) {
    if (kind == 6) return true;
    if (kind == 7) return type == 1 || type == 2;
    return type == kind;
}

}  // namespace

int CTimetableEntry::GetState(const CScheduleData& data) const {
    if (m_bLinked) return 7;
    if (m_nState == 9) return 9;
    if (m_bState3) return 3;
    if (HasReplacementOfTypes1To3(data) != 0) return 5;
    const int stored = IsStoredStateValid(m_nState) ? m_nState : 2;
    if (m_bState6) return 6;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 3;
    if (!data.HasDefaultStartDate() && CompareTimesApprox(m_dtStart, m_dtUnmovedStart) != 0) return 4;
    if (activity->m_nGroup != 0 && stored != 0 && stored != 4) return 8;
    return stored;
}

int CTimetableEntry::GetState(const CScheduleData& data) {
    const int state = static_cast<const CTimetableEntry&>(*this).GetState(data);
    // Settle a stored state out of range only where nobody else reads the entry meanwhile;
    // the answer is the same either way.
    // The reset belongs to step 5, so only when the links, the state-3 flag and staff
    // replacements have not answered first.
    if (!IsStoredStateValid(m_nState) && data.IsOwnerThread() && !m_bLinked && !m_bState3 &&
        HasReplacementOfTypes1To3(data) == 0)
        m_nState = 2;
    return state;
}

bool CTimetableEntry::HasMemberEntity(const CScheduleData& data, int entityId) const {
    const auto activity = data.FindActivity(m_nActivity);
    return activity != data.m_arrActivities.end() && activity->HasEntityId(data, entityId);
}

bool CTimetableEntry::HasParticipant(int entityId) const {
    for (const CReplacement& replacement : m_arrReplacements)
        if (replacement.m_nEntity == entityId) return true;
    return HasRoom(entityId);
}

bool CTimetableEntry::HasRoom(int entityId) const {
    return std::find(m_arrRooms.begin(), m_arrRooms.end(), entityId) != m_arrRooms.end();
}

int CTimetableEntry::HasReplacementOfTypes1To3(const CScheduleData& data) const {
    int count = 0;
    for (const CReplacement& replacement : m_arrReplacements) {
        const auto entity = data.FindEntity(replacement.m_nEntity);
        if (entity != data.m_arrEntities.end() && IsStaffType(entity->m_nType)) ++count;
    }
    return count;
}

bool CTimetableEntry::IsEntityPresent(const CScheduleData& data, int entityId, const CPlanIndex* index) const {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return false;
    if (entity->IsAbsent(m_dtStart, GetEndTime())) return false;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return false;
    for (const CReplacement& replacement : m_arrReplacements)
        if (replacement.m_nEntity == entityId) return true;
    if (!activity->HasEntity(*entity)) return false;
    return !entity->IsReplacedOut(data, m_dtStart, GetEndTime(), m_nActivity, index);
}

void CTimetableEntry::GetStaff(const CScheduleData& data, std::vector<int>& staff) const {
    staff.clear();
    if (m_bLinked) return;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    for (int id : activity->m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && IsStaffType(entity->m_nType)) staff.push_back(id);
    }
    for (const CReplacement& replacement : m_arrReplacements) {
        const auto entity = data.FindEntity(replacement.m_nEntity);
        if (entity != data.m_arrEntities.end() && IsStaffType(entity->m_nType)) staff.push_back(replacement.m_nEntity);
    }
}

void CTimetableEntry::GetAvailableStaff(const CScheduleData& data, std::vector<int>& staff) const {
    GetStaff(data, staff);
    std::erase_if(staff, [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) return true;
        if (entity->CanTakeEntry(data, *this)) return false;
        return std::none_of(m_arrReplacements.begin(), m_arrReplacements.end(), [&](const CReplacement& r) {
            return r.m_nEntity == id && r.m_bExtending;
        });
    });
}

int CTimetableEntry::GetParticipantsByType(const CScheduleData& data, std::vector<int>& ids, int kind) const {
    ids.clear();
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 0;
    if (kind == 4 || kind == 6) GetRoomsByAssociation(data, ids);
    int count = 0;
    const auto add = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || !MatchesKind(entity->m_nType, kind)) return;
        ids.push_back(id);
        ++count;
    };
    for (int id : activity->m_arrMembers) add(id);
    for (const CReplacement& replacement : m_arrReplacements) add(replacement.m_nEntity);
    return count;
}

void CTimetableEntry::GetDrawColours(const CScheduleData& data, COLORREF& background, COLORREF& foreground,
                                     int& hatch) const {
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    // The staff who are present (the participants of types 1 and 2, as GetParticipantsByType
    // lists them, who are not absent), gathered only when the activity leaves a value at its
    // default.
    std::vector<const CEntity*> present;
    bool gathered = false;
    const auto gather = [&] {
        if (gathered) return;
        gathered = true;
        const COleDateTime end = GetEndTime();
        const auto add = [&](int id) {
            const auto entity = data.FindEntity(id);
            if (entity != data.m_arrEntities.end() && MatchesKind(entity->m_nType, 7) && !entity->IsAbsent(m_dtStart, end))
                present.push_back(&*entity);
        };
        for (int id : activity->m_arrMembers) add(id);
        for (const CReplacement& replacement : m_arrReplacements) add(replacement.m_nEntity);
    };
    // Each value: the activity's own when it differs from the default, else the first present
    // staff member's that differs, else the default.
    const auto pick = [&](auto& value, auto own, auto ofEntity) {
        if (own != value) {
            value = own;
            return;
        }
        gather();
        for (const CEntity* entity : present) {
            if (ofEntity(*entity) != value) {
                value = ofEntity(*entity);
                return;
            }
        }
    };
    pick(background, activity->m_crBackground, [](const CEntity& e) { return e.m_crBackground; });
    pick(foreground, activity->m_crForeground, [](const CEntity& e) { return e.m_crForeground; });
    pick(hatch, activity->m_nHatch, [](const CEntity& e) { return e.m_nHatch; });
}
