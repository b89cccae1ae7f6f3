#include "planner/magnet_build.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/ui/window_defs.h"

namespace {

// What one ungrouped activity gives every row that takes part in it: its magnets and the
// entries of state 7 (open places), in entry order. Made when the first row asks for them; the
// last row that asks takes the magnets over instead of a copy.
struct ActivityMagnets {
    bool built = false;
    int rowsLeft = 0;  // rows that have yet to take the magnets
    std::vector<CMagnetItem> magnets;
    std::vector<std::size_t> openPlaces;  // entry positions
};

class CMagnetBuilder {
public:
    CMagnetBuilder(const CScheduleData& data, bool markCurrent) : m_data(data), m_index(data), m_bMark(markCurrent) {
        if (markCurrent) {
            const auto current = data.FindCurrentEntity();
            if (current != data.m_arrEntities.end()) m_pCurrent = &*current;
        }
        for (std::size_t i = 0; i < data.m_arrGroups.size(); ++i) m_groupPosition.emplace(data.m_arrGroups[i].m_nId, i);
        m_activities.resize(data.m_arrActivities.size());
    }

    // Counts the rows that will take each ungrouped activity's magnets (as AddActivityMagnets
    // walks them).
    void CountRows(const std::vector<CMagnetRow>& rows) {
        for (const CMagnetRow& row : rows) {
            const auto entity = m_data.FindEntity(row.m_nEntityId);
            if (entity == m_data.m_arrEntities.end()) continue;
            for (const std::size_t position : m_index.ActivitiesOf(entity->m_nId))
                if (m_data.m_arrActivities[position].m_nGroup == 0) ++m_activities[position].rowsLeft;
        }
    }

    void BuildRow(CMagnetRow& row) {
        row.m_arrMagnets.clear();
        row.m_arrOpenPlaces.clear();
        const auto entity = m_data.FindEntity(row.m_nEntityId);
        if (entity != m_data.m_arrEntities.end()) {
            AddActivityMagnets(row, *entity);
            AddGroupMagnets(row, *entity);
        }
        row.Normalise();
    }

private:
    // The entity's ungrouped activities, in collection order, with their entries in order.
    void AddActivityMagnets(CMagnetRow& row, const CEntity& entity) {
        for (const std::size_t position : m_index.ActivitiesOf(entity.m_nId)) {
            const CActivity& activity = m_data.m_arrActivities[position];
            if (activity.m_nGroup != 0) continue;
            ActivityMagnets& built = Activity(position);
            if (--built.rowsLeft == 0)
                row.m_arrMagnets.insert(row.m_arrMagnets.end(), std::make_move_iterator(built.magnets.begin()),
                                        std::make_move_iterator(built.magnets.end()));
            else
                row.m_arrMagnets.insert(row.m_arrMagnets.end(), built.magnets.begin(), built.magnets.end());
            for (const std::size_t e : built.openPlaces) {
                const CTimetableEntry& entry = m_data.m_arrEntries[e];
                if (entity.IsAbsent(entry.m_dtStart, entry.m_dtStart + entry.m_tsLength)) continue;
                if (!entity.CanTakeEntry(m_data, entry, &m_index)) continue;
                row.m_arrOpenPlaces.emplace_back(entry.m_dtStart, entry.m_tsLength, 0, m_data.GetDayIndex(entry.m_dtStart));
            }
        }
    }

    ActivityMagnets& Activity(std::size_t position) {
        ActivityMagnets& built = m_activities[position];
        if (built.built) return built;
        built.built = true;
        const CActivity& activity = m_data.m_arrActivities[position];
        const int mark = m_pCurrent && activity.HasEntity(*m_pCurrent) ? 1 : 0;
        const CString title = activity.GetDisplayName();
        for (const std::size_t e : m_index.EntriesOfActivity(activity.m_nId)) {
            const CTimetableEntry& entry = m_data.m_arrEntries[e];
            const int state = entry.GetState(m_data);
            if (state == 7) {
                built.openPlaces.push_back(e);
                continue;
            }
            COLORREF background = m_crWindow, foreground = m_crWindowText;
            int hatch = 6;
            entry.GetDrawColours(m_data, background, foreground, hatch);
            CMagnetItem magnet(title, background, foreground, hatch, entry.m_dtStart,
                               entry.m_tsLength, state, 0);
            magnet.m_nEntry = entry.GetSerial();
            magnet.m_nActivity = activity.m_nId;
            magnet.m_nChimeSet = entry.GetChimeSetId(m_data);
            if (state == 9) magnet.m_strRemark = entry.m_strRemark;
            magnet.m_bCurrentEntity = mark;
            built.magnets.push_back(std::move(magnet));
        }
        return built;
    }

    // One group magnet per entry of a group in which the entity takes part: through the entry's
    // activity, as the entity of one of its replacements, or as one of its own rooms.
    void AddGroupMagnets(CMagnetRow& row, const CEntity& entity) {
        // Candidates: the entries of the entity's activities and those that name it.
        m_candidates.clear();
        for (const std::size_t a : m_index.ActivitiesOf(entity.m_nId)) {
            if (m_data.m_arrActivities[a].m_nGroup == 0) continue;
            const auto& entries = m_index.EntriesOfActivity(m_data.m_arrActivities[a].m_nId);
            m_candidates.insert(m_candidates.end(), entries.begin(), entries.end());
        }
        const auto& naming = m_index.EntriesNaming(entity.m_nId);
        m_candidates.insert(m_candidates.end(), naming.begin(), naming.end());
        // Group by group in collection order, entry by entry in collection order.
        m_ordered.clear();
        for (const std::size_t e : m_candidates) {
            const auto activity = m_data.FindActivity(m_data.m_arrEntries[e].m_nActivity);
            if (activity == m_data.m_arrActivities.end() || activity->m_nGroup == 0) continue;
            const auto group = m_groupPosition.find(activity->m_nGroup);
            if (group == m_groupPosition.end()) continue;
            m_ordered.emplace_back(group->second, e);
        }
        std::sort(m_ordered.begin(), m_ordered.end());
        m_ordered.erase(std::unique(m_ordered.begin(), m_ordered.end()), m_ordered.end());
        for (const auto& [g, e] : m_ordered) {
            const CTimetableEntry& entry = m_data.m_arrEntries[e];
            if (entry.GetState(m_data) == 7 || !TakesPart(entity, entry)) continue;
            const CActivityGroup& group = m_data.m_arrGroups[g];
            CMagnetItem magnet(group.m_strName, group.m_crBackground, group.m_crForeground, group.m_nHatch,
                               entry.m_dtStart, entry.m_tsLength, GroupState(e, group), 1);
            magnet.m_block = CItemTime(entry.m_dtStart, entry.m_tsLength, 0, 0);
            magnet.m_nEntry = entry.GetSerial();
            magnet.m_nActivity = entry.m_nActivity;
            magnet.m_nGroup = group.m_nId;
            magnet.m_nChimeSet = GroupChimeSet(g);
            if (m_pCurrent) magnet.m_bCurrentEntity = group.HasEntity(m_data, m_pCurrent->m_nId) ? 1 : 0;
            row.m_arrMagnets.push_back(std::move(magnet));
        }
    }

    bool TakesPart(const CEntity& entity, const CTimetableEntry& entry) const {
        const auto activity = m_data.FindActivity(entry.m_nActivity);
        if (activity != m_data.m_arrActivities.end() && activity->HasEntity(entity)) return true;
        for (const CReplacement& replacement : entry.m_arrReplacements)
            if (replacement.m_nEntity == entity.m_nId) return true;
        return std::find(entry.m_arrRooms.begin(), entry.m_arrRooms.end(), entity.m_nId) != entry.m_arrRooms.end();
    }

    // GetGroupStateAt over the group's own entries, which are all it looks at: 3 when one of
    // them at that time has state 3, else the lowest state among them (8 for none). Kept per
    // entry, since every row of the entry shows the same.
    int GroupState(std::size_t position, const CActivityGroup& group) {
        auto found = m_groupStates.find(position);
        if (found != m_groupStates.end()) return found->second;
        const CTimetableEntry& entry = m_data.m_arrEntries[position];
        const COleDateTime end = entry.GetEndTime();
        int lowest = 8;
        for (const std::size_t a : m_index.ActivitiesOfGroup(group.m_nId)) {
            // Entries are matched to their activity by the first activity of the id.
            const int activityId = m_data.m_arrActivities[a].m_nId;
            if (&*m_data.FindActivity(activityId) != &m_data.m_arrActivities[a]) continue;
            for (const std::size_t o : m_index.EntriesOfActivity(activityId)) {
                const CTimetableEntry& other = m_data.m_arrEntries[o];
                if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end)) continue;
                const int state = other.GetState(m_data);
                lowest = std::min(lowest, state == 3 ? -1 : state);
            }
        }
        const int state = lowest < 0 ? 3 : lowest;
        m_groupStates.emplace(position, state);
        return state;
    }

    int GroupChimeSet(std::size_t position) {
        auto found = m_groupChimeSets.find(position);
        if (found == m_groupChimeSets.end())
            found = m_groupChimeSets.emplace(position, m_data.m_arrGroups[position].GetCommonChimeSetId(m_data, &m_index)).first;
        return found->second;
    }

    const CScheduleData& m_data;
    CPlanIndex m_index;
    bool m_bMark;
    const CEntity* m_pCurrent = nullptr;
    const COLORREF m_crWindow = GetSysColor(COLOR_WINDOW);
    const COLORREF m_crWindowText = GetSysColor(COLOR_WINDOWTEXT);
    std::unordered_map<int, std::size_t> m_groupPosition;  // first group of an id
    std::vector<ActivityMagnets> m_activities;  // by activity position
    std::unordered_map<std::size_t, int> m_groupChimeSets;
    std::unordered_map<std::size_t, int> m_groupStates;  // entry position -> group state
    std::vector<std::size_t> m_candidates;
    std::vector<std::pair<std::size_t, std::size_t>> m_ordered;
};

}  // namespace

void BuildMagnets(const CScheduleData& data, std::vector<CMagnetRow>& rows, bool markCurrent) {
    if (data.m_arrEntries.empty()) return;
    CMagnetBuilder builder(data, markCurrent);
    builder.CountRows(rows);
    for (CMagnetRow& row : rows) builder.BuildRow(row);
}

void BuildAbsenceBlocks(const CScheduleData& data, std::vector<CMagnetRow>& rows) {
    std::unordered_map<int, std::vector<CMagnetRow*>> byEntity;
    for (CMagnetRow& row : rows) {
        row.m_arrAbsences.clear();
        byEntity[row.m_nEntityId].push_back(&row);
    }
    for (const CEntity& entity : data.m_arrEntities) {
        const auto found = byEntity.find(entity.m_nId);
        if (found == byEntity.end()) continue;
        for (const CAbsence& absence : entity.m_arrAbsences) {
            CItemTime block;
            block.Init(data, absence.m_dtStart, absence.m_tsLength, absence.m_bWholeDay);
            for (CMagnetRow* row : found->second) row->m_arrAbsences.push_back(block);
        }
    }
}
