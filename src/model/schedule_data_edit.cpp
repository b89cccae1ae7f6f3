// Store edit operations: adding, changing and deleting entities, chime sets, groups,
// activities and keys, and the clean-ups of the options page.
#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <unordered_set>

#include "model/plan_check.h"
#include "model/record_orders.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr int kRoomType = 4;
// Length of a reset day window: 9 hours.
constexpr __time64_t kResetWindowSeconds = 32400;

// Strings of the room creation report.
constexpr UINT kRoomNameId = 60439;
constexpr UINT kHasDefaultRoomId = 60440;
constexpr UINT kRoomExistsId = 60441;
constexpr UINT kRoomNotFoundId = 60442;
constexpr UINT kRoomsDoneId = 60443;

// The largest id plus 1; when that would overflow, the smallest id no record holds.
template <class Array>
int NextFreeId(const Array& records) {
    int largest = 0;
    for (const auto& record : records) largest = std::max(largest, record.m_nId);
    if (largest < INT_MAX) return largest + 1;
    std::set<int> used;
    for (const auto& record : records) used.insert(record.m_nId);
    int id = 1;
    while (used.count(id)) ++id;
    return id;
}

template <class T>
void EraseValue(std::vector<T>& list, const T& value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

void ErasePairsNaming(std::vector<CRoomPair>& pairs, int id) {
    std::erase_if(pairs, [id](const CRoomPair& pair) { return pair.m_nRoom == id || pair.m_nEntity == id; });
}

CProblem MakeProblem(int kind, const CString& text, int record) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_strText = text;
    problem.m_nRecord = record;
    return problem;
}

}  // namespace

// Refreshes ------------------------------------------------------------------------------------

void CScheduleData::RecheckAfterEdit() { RecheckAndRefresh(*this, TRUE); }

void CScheduleData::RefreshPagesAfterEdit() { RefreshAllPages(*this); }

void CScheduleData::PublishEditProblems() { PublishProblems(); }

// Ids ------------------------------------------------------------------------------------------

int CScheduleData::GetNextEntityId() const { return NextFreeId(m_arrEntities); }
int CScheduleData::GetNextActivityId() const { return NextFreeId(m_arrActivities); }
int CScheduleData::GetNextGroupId() const { return NextFreeId(m_arrGroups); }
int CScheduleData::GetNextChimeSetId() const { return NextFreeId(m_arrChimeSets); }

// References to erased records -------------------------------------------------------------------

void CScheduleData::ForgetEntity(int id) {
    if (id == 0) return;
    for (CEntity& entity : m_arrEntities)
        if (entity.m_nDefaultPlace == id) entity.m_nDefaultPlace = 0;
    for (CActivity& activity : m_arrActivities) {
        EraseValue(activity.m_arrMembers, id);
        EraseValue(activity.m_arrRooms, id);
        ErasePairsNaming(activity.m_arrPairs, id);
    }
    for (CTimetableEntry& entry : m_arrEntries) {
        EraseValue(entry.m_arrRooms, id);
        ErasePairsNaming(entry.m_arrPairs, id);
        std::erase_if(entry.m_arrReplacements, [id](const CReplacement& r) { return r.m_nEntity == id; });
        for (CReplacement& replacement : entry.m_arrReplacements)
            if (replacement.m_nReplacing == id) replacement.m_nReplacing = 0;
    }
    std::erase_if(m_arrKeys, [id](const CActivityKey& key) { return key.m_nEntity == id; });
    if (m_nCurrentEntity == id) {
        m_nCurrentEntity = 0;
        m_nCurrentChimeSet = GetEntityChimeSetId(0);
    }
}

void CScheduleData::ForgetChimeSet(int id) {
    if (id == 0) return;
    for (CEntity& entity : m_arrEntities)
        if (entity.m_nChimeSet == id) entity.m_nChimeSet = 0;
    for (CActivity& activity : m_arrActivities) {
        if (activity.m_nChimeSet == id) activity.m_nChimeSet = 0;
        if (activity.m_nDerivedChimeSet == id) activity.m_nDerivedChimeSet = 0;
    }
    if (m_nCurrentChimeSet == id) m_nCurrentChimeSet = 0;
    if (m_nDefaultChimeSet == id) m_nDefaultChimeSet = 0;
}

void CScheduleData::ForgetActivity(int id) {
    m_arrEntries.EraseIf([id](const CTimetableEntry& entry) { return entry.m_nActivity == id; });
    std::erase_if(m_arrKeys, [id](const CActivityKey& key) { return key.m_nActivity == id; });
}

// Entities -------------------------------------------------------------------------------------

void CScheduleData::SortEntities() { m_arrEntities.StableSort(CompareEntities()); }

int CScheduleData::AddEntity(CEntity entity) {
    const int id = GetNextEntityId();
    entity.m_nId = id;
    entity.m_nDefaultPlace = 0;
    if (FindChimeSet(entity.m_nChimeSet) == m_arrChimeSets.end()) entity.m_nChimeSet = 0;
    m_arrEntities.push_back(std::move(entity));
    SortEntities();
    SetCurrentEntity(id);
    NotifyAllViews(1);
    return id;
}

int CScheduleData::AppendEntity(CEntity entity) {
    const int id = GetNextEntityId();
    entity.m_nId = id;
    // The imported record may name places and chime sets of another document.
    if (FindEntity(entity.m_nDefaultPlace) == m_arrEntities.end()) entity.m_nDefaultPlace = 0;
    if (FindChimeSet(entity.m_nChimeSet) == m_arrChimeSets.end()) entity.m_nChimeSet = 0;
    m_arrEntities.push_back(std::move(entity));
    return id;
}

BOOL CScheduleData::SetCurrentEntity(int id) {
    if (id == m_nCurrentEntity) return FALSE;
    const auto entity = FindEntity(id);
    if (entity == m_arrEntities.end() || entity->m_nType == kRoomType) return FALSE;
    m_nCurrentEntity = id;
    m_nCurrentChimeSet = GetEntityChimeSetId(id);
    NotifyAllViews(2);
    return TRUE;
}

void CScheduleData::MoveEntityBetweenRoomAndMemberLists(int id, bool becameRoom) {
    for (CActivity& activity : m_arrActivities) {
        std::vector<int>& from = becameRoom ? activity.m_arrMembers : activity.m_arrRooms;
        std::vector<int>& to = becameRoom ? activity.m_arrRooms : activity.m_arrMembers;
        const auto found = std::find(from.begin(), from.end(), id);
        if (found == from.end()) continue;
        EraseValue(from, id);
        if (std::find(to.begin(), to.end(), id) == to.end()) to.push_back(id);
        // A pair joins a room to a participant; in its old role the entity fits neither side.
        ErasePairsNaming(activity.m_arrPairs, id);
    }
    for (CTimetableEntry& entry : m_arrEntries) {
        // An entry books rooms only; replacement records may name entities of any type.
        if (!becameRoom) EraseValue(entry.m_arrRooms, id);
        ErasePairsNaming(entry.m_arrPairs, id);
    }
}

void CScheduleData::ApplyEntityEdit(CEntity edited, CEntity& stored) {
    std::copy(std::begin(stored.m_tDayStart), std::end(stored.m_tDayStart), std::begin(edited.m_tDayStart));
    std::copy(std::begin(stored.m_tDayEnd), std::end(stored.m_tDayEnd), std::begin(edited.m_tDayEnd));
    // Every reference to the entity goes by its id, so the edit never changes it.
    const int id = stored.m_nId;
    edited.m_nId = id;
    if (edited.m_nDefaultPlace != 0 && FindEntity(edited.m_nDefaultPlace) == m_arrEntities.end())
        edited.m_nDefaultPlace = 0;
    if (edited.m_nChimeSet != 0 && FindChimeSet(edited.m_nChimeSet) == m_arrChimeSets.end()) edited.m_nChimeSet = 0;

    const bool wasRoom = stored.m_nType == kRoomType;
    const bool isRoom = edited.m_nType == kRoomType;
    stored = std::move(edited);
    if (wasRoom != isRoom) MoveEntityBetweenRoomAndMemberLists(id, isRoom);
    SortEntities();
    RecheckAfterEdit();
}

BOOL CScheduleData::CanDeleteEntity(int id) const {
    if (m_arrActivities.empty()) return TRUE;
    const auto entity = FindEntity(id);
    if (entity != m_arrEntities.end()) {
        for (const CActivity& activity : m_arrActivities)
            if (activity.HasEntity(*entity)) return FALSE;
    }
    for (const CTimetableEntry& entry : m_arrEntries) {
        for (const CReplacement& replacement : entry.m_arrReplacements)
            if (replacement.m_nEntity == id) return FALSE;
        if (std::find(entry.m_arrRooms.begin(), entry.m_arrRooms.end(), id) != entry.m_arrRooms.end()) return FALSE;
    }
    return TRUE;
}

void CScheduleData::DeleteEntities(const std::vector<int>& selection) {
    for (int id : selection) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end() || !CanDeleteEntity(id)) continue;
        m_arrEntities.erase(entity);
        ForgetEntity(id);
    }
    RecheckAfterEdit();
}

void CScheduleData::ResetEntityColours(const std::vector<int>& selection) {
    for (int id : selection) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end()) continue;
        entity->m_crBackground = RGB(255, 255, 255);
        entity->m_crForeground = RGB(0, 0, 0);
    }
    RecheckAfterEdit();
}

void CScheduleData::ResetEntityWeekHours(const std::vector<int>& selection) {
    for (int id : selection) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end()) continue;
        for (int k = 0; k < kMaxPlanDays; ++k) {
            entity->m_tDayStart[k] = m_tDayStart;
            entity->m_tDayEnd[k] = k < m_nDays ? m_tDayStart + kResetWindowSeconds : m_tDayStart;
        }
    }
    RecheckAfterEdit();
}

void CScheduleData::RemoveEntityFromActivities(int entityId) {
    for (CActivity& activity : m_arrActivities) activity.RemoveEntity(*this, entityId);
    RecheckAfterEdit();
}

void CScheduleData::AddEntityToActivity(int activityId, int entityId, BOOL recheck) {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return;
    activity->AddEntity(*this, entityId);
    if (recheck) RecheckAfterEdit();
}

void CScheduleData::CreateRoomsForEntities(const std::vector<int>& selection) {
    if (selection.empty()) return;
    SaveUndo();
    m_arrProblems.clear();
    int created = 0;
    int linked = 0;

    for (int id : selection) {
        if (FindEntity(id) == m_arrEntities.end()) continue;
        // Appending a room moves the entities, so the entity is looked up again after it.
        const CString entityName = FindEntity(id)->m_strName;
        CString name;
        name.Format(LoadResString(kRoomNameId), entityName);
        bool link = true;
        bool create = true;

        const auto place = FindEntity(FindEntity(id)->m_nDefaultPlace);
        if (place != m_arrEntities.end() && place->m_nType == kRoomType) {
            link = create = false;
            CString text;
            text.Format(LoadResString(kHasDefaultRoomId), entityName, place->m_strName);
            m_arrProblems.push_back(MakeProblem(14, text, id));
        }

        const auto existing = FindEntityByName(name, kRoomType);
        if (existing != m_arrEntities.end()) {
            CString text;
            text.Format(LoadResString(kRoomExistsId), name);
            m_arrProblems.push_back(MakeProblem(12, text, existing->m_nId));
        } else if (create) {
            CEntity room(m_tDayStart, m_nDays);
            room.m_nType = kRoomType;
            room.m_strName = name;
            room.m_nId = GetNextEntityId();
            room.m_nDefaultPlace = 0;
            m_arrEntities.push_back(std::move(room));
            ++created;
        }

        if (link) {
            const auto room = FindEntityByName(name, kRoomType);
            if (room == m_arrEntities.end()) {
                CString text;
                text.Format(LoadResString(kRoomNotFoundId), entityName);
                m_arrProblems.push_back(MakeProblem(13, text, id));
            } else {
                FindEntity(id)->m_nDefaultPlace = room->m_nId;
                ++linked;
            }
        }
    }

    if (created != 0 || linked != 0) {
        CString text;
        text.Format(LoadResString(kRoomsDoneId), created, linked);
        m_arrProblems.push_back(MakeProblem(14, text, 0));
    }
    PublishEditProblems();
    SortEntities();
    RefreshPagesAfterEdit();
}

int CScheduleData::FindRoomByName(const CString& name) const {
    for (const CEntity& entity : m_arrEntities)
        if (entity.m_nType == kRoomType && entity.m_strName.CompareNoCase(name) == 0) return entity.m_nId;
    return 0;
}

bool CScheduleData::HasRooms() const {
    return std::any_of(m_arrEntities.begin(), m_arrEntities.end(),
                       [](const CEntity& entity) { return entity.m_nType == kRoomType; });
}

bool CScheduleData::IsEntityInAnyActivity(int entityId) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return false;
    return std::any_of(m_arrActivities.begin(), m_arrActivities.end(),
                       [&](const CActivity& activity) { return activity.HasEntity(*entity); });
}

bool CScheduleData::IsEntityInAnyEntry(int entityId) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return false;
    // Each activity is asked once, however many entries it has.
    std::set<int> asked;
    for (const CTimetableEntry& entry : m_arrEntries) {
        if (!asked.insert(entry.m_nActivity).second) continue;
        const auto activity = FindActivity(entry.m_nActivity);
        if (activity != m_arrActivities.end() && activity->HasEntity(*entity)) return true;
    }
    return false;
}

// Chime sets -----------------------------------------------------------------------------------

void CScheduleData::ReplaceChimeSet(CChimeSet& target, const CChimeSet& source) {
    const int oldId = target.m_nId;
    int newId = source.m_nId;
    // The set takes the new id only when no other set holds it; otherwise it keeps its own.
    if (newId <= 0) newId = oldId;
    for (const CChimeSet& other : m_arrChimeSets)
        if (&other != &target && other.m_nId == newId) newId = oldId;

    target.m_strName = source.m_strName;
    target.m_arrIntervals = source.m_arrIntervals;
    target.m_nId = newId;
    if (newId == oldId) return;

    m_arrChimeSets.InvalidateIndex();
    for (CEntity& entity : m_arrEntities)
        if (entity.m_nChimeSet == oldId) entity.m_nChimeSet = newId;
    for (CActivity& activity : m_arrActivities) {
        if (activity.m_nChimeSet == oldId) activity.m_nChimeSet = newId;
        if (activity.m_nDerivedChimeSet == oldId) activity.m_nDerivedChimeSet = newId;
    }
    if (m_nCurrentChimeSet == oldId) m_nCurrentChimeSet = newId;
    if (m_nDefaultChimeSet == oldId) m_nDefaultChimeSet = newId;
}

int CScheduleData::AddOrReplaceChimeSet(CChimeSet chimeSet) {
    int id = 0;
    const auto found = FindChimeSetByName(chimeSet.m_strName);
    if (found == m_arrChimeSets.end()) {
        id = NextFreeId(m_arrChimeSets);
        chimeSet.m_nId = id;
        m_arrChimeSets.push_back(std::move(chimeSet));
    } else {
        ReplaceChimeSet(*found, chimeSet);
        id = found->m_nId;
    }
    RefreshPagesAfterEdit();
    return id;
}

void CScheduleData::ApplyChimeSetEdit(const CChimeSet& edited, CChimeSet& stored) {
    ReplaceChimeSet(stored, edited);
    m_arrChimeSets.StableSort(CompareChimeSetNames());
    RecheckAfterEdit();
}

BOOL CScheduleData::CanDeleteChimeSet(int id) const {
    if (m_arrChimeSets.size() == 1) return FALSE;
    if (m_arrEntities.empty()) return TRUE;
    for (const CEntity& entity : m_arrEntities)
        if (entity.m_nChimeSet == id) return FALSE;
    for (const CActivity& activity : m_arrActivities)
        if (activity.m_nChimeSet == id) return FALSE;
    return TRUE;
}

void CScheduleData::DeleteChimeSets(const std::vector<int>& selection) {
    for (int id : selection) {
        const auto chimeSet = FindChimeSet(id);
        if (chimeSet == m_arrChimeSets.end() || !CanDeleteChimeSet(id)) continue;
        m_arrChimeSets.erase(chimeSet);
        ForgetChimeSet(id);
    }
    RecheckAfterEdit();
}

// Groups and activities ------------------------------------------------------------------------

void CScheduleData::DeleteGroup(int groupId) {
    for (CActivity& activity : m_arrActivities)
        if (activity.m_nGroup == groupId) activity.m_nGroup = 0;
    const auto group = FindGroup(groupId);
    if (group != m_arrGroups.end()) m_arrGroups.erase(group);
}

void CScheduleData::DeleteUnusedGroups() {
    std::set<int> used;
    for (const CActivity& activity : m_arrActivities) used.insert(activity.m_nGroup);
    m_arrGroups.EraseIf([&](const CActivityGroup& group) { return used.count(group.m_nId) == 0; });
}

void CScheduleData::DeleteSingleUseGroups() {
    std::map<int, int> uses;
    for (const CActivity& activity : m_arrActivities) ++uses[activity.m_nGroup];
    std::set<int> erased;
    m_arrGroups.EraseIf([&](const CActivityGroup& group) {
        if (uses[group.m_nId] > 1) return false;
        erased.insert(group.m_nId);
        return true;
    });
    for (CActivity& activity : m_arrActivities)
        if (erased.count(activity.m_nGroup)) activity.m_nGroup = 0;
}

void CScheduleData::DeleteActivity(int activityId) {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return;
    m_arrActivities.erase(activity);
    ForgetActivity(activityId);
}

void CScheduleData::ClearActivityRooms(int activityId) {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return;
    activity->m_arrRooms.clear();
    activity->m_arrPairs.clear();
    for (CTimetableEntry& entry : m_arrEntries) {
        if (entry.m_nActivity != activityId) continue;
        entry.m_arrRooms.clear();
        entry.m_arrPairs.clear();
    }
}

CActivityArray::iterator CScheduleData::FindMatchingActivity(const CActivity& activity, int entityId) {
    if (activity.m_nGroup == 0) return m_arrActivities.end();
    return std::find_if(m_arrActivities.begin(), m_arrActivities.end(),
                        [&](const CActivity& p) { return IsMatchingActivity(p, activity, entityId); });
}

bool CScheduleData::IsMatchingActivity(const CActivity& p, const CActivity& activity, int entityId) const {
    if (activity.m_nGroup == 0) return false;
    if (p.m_strName.Compare(activity.m_strName) != 0) return false;
    if (WholeMinutes(p.m_tsDuration.m_span) % 60 != WholeMinutes(activity.m_tsDuration.m_span) % 60) return false;
    const auto entity = FindEntity(entityId);
    if (entity != m_arrEntities.end() && p.HasEntity(*entity)) return false;
    if (p.CountType0Members(*this) != activity.CountType0Members(*this)) return false;
    if (p.m_nGroup != activity.m_nGroup) return false;
    return std::all_of(activity.m_arrMembers.begin(), activity.m_arrMembers.end(), [&](int id) {
        const auto member = FindEntity(id);
        if (member == m_arrEntities.end()) return false;
        return member->m_nType == 1 || member->m_nType == 2 || p.HasEntity(*member);
    });
}

// Clean-ups ------------------------------------------------------------------------------------

void CScheduleData::DeleteActivitiesWithoutMembers() {
    std::vector<int> erased;
    m_arrActivities.EraseIf([&](const CActivity& activity) {
        if (!activity.m_arrMembers.empty()) return false;
        erased.push_back(activity.m_nId);
        return true;
    });
    for (int id : erased) ForgetActivity(id);
}

void CScheduleData::DeleteEntitiesWithoutActivities() {
    std::vector<int> erased;
    for (const CEntity& entity : m_arrEntities)
        if (!IsEntityInAnyActivity(entity.m_nId)) erased.push_back(entity.m_nId);
    for (int id : erased) {
        m_arrEntities.erase(FindEntity(id));
        ForgetEntity(id);
    }
}

void CScheduleData::DeleteActivitiesWithoutEntries() {
    std::set<int> placed;
    for (const CTimetableEntry& entry : m_arrEntries) placed.insert(entry.m_nActivity);
    std::vector<int> erased;
    m_arrActivities.EraseIf([&](const CActivity& activity) {
        if (placed.count(activity.m_nId)) return false;
        erased.push_back(activity.m_nId);
        return true;
    });
    for (int id : erased) ForgetActivity(id);
}

void CScheduleData::DeleteEntitiesWithoutEntries() {
    // An entity stays when an activity with an entry has it (as IsEntityInAnyEntry asks). Taking
    // others out of activities leaves that answer as it is, so the ids are found in one pass.
    std::unordered_set<int> placed;
    for (const CTimetableEntry& entry : m_arrEntries) placed.insert(entry.m_nActivity);
    std::unordered_set<int> members, rooms;
    for (const CActivity& activity : m_arrActivities) {
        if (placed.count(activity.m_nId) == 0) continue;
        members.insert(activity.m_arrMembers.begin(), activity.m_arrMembers.end());
        rooms.insert(activity.m_arrRooms.begin(), activity.m_arrRooms.end());
    }
    std::vector<int> ids;
    for (const CEntity& entity : m_arrEntities)
        if ((entity.m_nType == 4 ? rooms : members).count(entity.m_nId) == 0) ids.push_back(entity.m_nId);
    if (ids.empty()) return;
    for (int id : ids) {
        for (CActivity& activity : m_arrActivities) activity.RemoveEntity(*this, id);
        m_arrEntities.erase(FindEntity(id));
        ForgetEntity(id);
    }
    // One check and refresh for them all.
    RecheckAfterEdit();
}
