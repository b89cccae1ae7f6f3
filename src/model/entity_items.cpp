// Clashes of an entity's entries, its item list, the overlap limit and the position rule.
#include <algorithm>

#include "model/activity.h"
#include "model/entity.h"
#include "model/entity_item.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

CEntityItem::CEntityItem(const CTimetableEntry& entry, int position, int group, int chimeSet, int kind, int member)
    : m_nPosition(position),
      m_nKind(kind),
      m_nOrder(entry.m_nWorkOrder),
      m_bMember(member),
      m_nGroup(group),
      m_nActivity(entry.m_nActivity),
      m_nChimeSet(chimeSet),
      m_nState(entry.m_nState),
      m_nEntry(entry.GetSerial()),
      m_dtStart(entry.m_dtStart),
      m_dtEnd(entry.GetEndTime()),
      m_dWeight(entry.m_dWorkWeight) {}

namespace {

// The entity's items as the overlap rules read them: a sorted copy, at the entries' current
// times when asked. The copy keeps the rules free of writes, so the solver's worker may ask
// while the pages read the lists.
std::vector<CEntityItem> SortedItems(const CScheduleData& data, const CEntity& entity, bool refresh) {
    std::vector<CEntityItem> items = entity.m_arrItems;
    if (refresh && !entity.m_bUnavailable) {
        for (CEntityItem& item : items) {
            const auto entry = data.FindEntryBySerial(item.m_nEntry);
            if (entry == data.m_arrEntries.end()) continue;
            item.m_dtStart = entry->m_dtStart;
            item.m_dtEnd = entry->GetEndTime();
        }
    }
    SortEntityItems(items);
    return items;
}

// How many items of p's day clash with item p, p included; items of another activity in p's
// group are not tested for a type-0 entity.
int CountItemClashes(const CScheduleData& data, const CEntity& entity, const std::vector<CEntityItem>& items,
                     std::size_t p) {
    int count = 1;
    const CEntityItem& first = items[p];
    for (std::size_t q = p + 1; q < items.size() && IsSameDay(items[q].m_dtStart, first.m_dtStart); ++q) {
        const CEntityItem& other = items[q];
        if (entity.m_nType == 0 && first.m_nGroup != 0 && other.m_nGroup == first.m_nGroup &&
            other.m_nActivity != first.m_nActivity)
            continue;
        if (ItemsClashInTime(data, other, first)) ++count;
    }
    return count;
}

int ActivityChimeSet(const CActivity& activity) {
    return activity.m_nChimeSet ? activity.m_nChimeSet : activity.m_nDerivedChimeSet;
}

}  // namespace

int CEntity::CountClashingEntries(const CScheduleData& data, int chimeSetId, const CTimetableEntry& entry,
                                  const CPlanIndex* index) const {
    if (m_bUnavailable) return 0;
    int count = 0;
    const auto test = [&](const CTimetableEntry& stored) {
        if (stored.m_bLinked || !EntriesClashInTime(data, stored, chimeSetId, entry)) return;
        if (TakesPartIn(data, stored, index)) ++count;
    };
    if (!index) {
        for (const CTimetableEntry& stored : data.m_arrEntries) test(stored);
        return count;
    }
    // Snapping to lessons never leaves the calendar day, so the day's entries hold every clash.
    const COleDateTime& s = entry.m_dtStart;
    const COleDateTime day(s.GetYear(), s.GetMonth(), s.GetDay(), 0, 0, 0);
    CPlanIndex::Positions near;
    index->GetEntriesNear(day - COleDateTimeSpan(0, 0, 10, 0), day + COleDateTimeSpan(1, 0, 10, 0), near);
    for (std::size_t position : near) test(data.m_arrEntries[position]);
    return count;
}

std::uint64_t CEntity::FindOverlapViolation(const CScheduleData& data, bool refresh) const {
    if (m_bUnavailable || m_arrItems.empty() || m_nOverlaps == 0) return 0;
    const std::vector<CEntityItem> items = SortedItems(data, *this, refresh);
    for (std::size_t p = 0; p < items.size(); ++p) {
        if (CountItemClashes(data, *this, items, p) > m_nOverlaps) return items[p].m_nEntry;
    }
    return 0;
}

double CEntity::GetOverlapCost(const CScheduleData& data, double weight) const {
    if (m_bUnavailable || m_arrItems.empty() || m_nOverlaps == 0) return 0.0;
    const std::vector<CEntityItem> items = SortedItems(data, *this, true);
    double cost = 0.0;
    for (std::size_t p = 0; p < items.size(); ++p) {
        const int count = CountItemClashes(data, *this, items, p);
        if (count <= m_nOverlaps) continue;
        const CEntityItem& item = items[p];
        cost += weight * item.m_dWeight * WholeMinutes((item.m_dtEnd - item.m_dtStart).m_span) *
                static_cast<double>(count - m_nOverlaps);
    }
    return cost;
}

void CEntity::AddEntityItem(const CScheduleData& data, const CTimetableEntry& entry, const CActivity& activity) {
    AddEntityItem(data, entry, activity, activity.CountType0Members(data) > 1, activity.HasEntityId(data, m_nId) ? 1 : 0);
}

void CEntity::AddEntityItem(const CScheduleData& data, const CTimetableEntry& entry, const CActivity& activity,
                            bool severalClasses, int member) {
    int kind = 0;
    if (entry.IsLinkedState(data))
        kind = 3;
    else if (IsAbsent(entry.m_dtStart, entry.GetEndTime()))
        kind = 4;
    else if (severalClasses)
        kind = 1;
    m_arrItems.emplace_back(entry, activity.m_nPosition, activity.m_nGroup, ActivityChimeSet(activity), kind, member);
}

void CEntity::RebuildItems(const CScheduleData& data) {
    m_arrItems.clear();
    auto add = [&](const CTimetableEntry& entry, bool takesPart) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end() && takesPart) AddEntityItem(data, entry, *activity);
    };
    if (m_nType == 4) {
        for (const CTimetableEntry& entry : data.m_arrEntries) add(entry, TakesPartIn(data, entry));
    } else {
        // Anybody but a room takes part only in the entries of its activities and those that
        // name it.
        const CPlanIndex index(data);
        CPlanIndex::Positions positions;
        index.GetEntriesInvolving(m_nId, positions);
        for (std::size_t e : positions) {
            const CTimetableEntry& entry = data.m_arrEntries[e];
            add(entry, index.TakesPartIn(*this, entry));
        }
    }
    SortEntityItems(*this);
}

void CEntity::RefreshItemTimes(const CScheduleData& data) {
    if (m_bUnavailable) return;
    for (CEntityItem& item : m_arrItems) {
        const auto entry = data.FindEntryBySerial(item.m_nEntry);
        if (entry == data.m_arrEntries.end()) continue;
        item.m_dtStart = entry->m_dtStart;
        item.m_dtEnd = entry->GetEndTime();
    }
}

bool CEntity::HasItemOverlapping(const CScheduleData& data, const CTimetableEntry& entry) const {
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    for (const CEntityItem& item : m_arrItems) {
        COleDateTime itemStart = item.m_dtStart;
        COleDateTime itemEnd = item.m_dtEnd;
        if (!m_bUnavailable) {
            const auto stored = data.FindEntryBySerial(item.m_nEntry);
            if (stored != data.m_arrEntries.end()) {
                itemStart = stored->m_dtStart;
                itemEnd = stored->GetEndTime();
            }
        }
        if (IntervalsOverlap(itemStart, itemEnd, start, end)) return true;
    }
    return false;
}

bool CEntity::MatchesPosition(const CScheduleData& data, const COleDateTime& slotStart, int rule) const {
    const COleDateTimeSpan hour(0, 1, 0, 0);
    auto availableBefore = [&] { return IsAvailable(data, slotStart - hour, slotStart); };
    auto availableAfter = [&] { return IsAvailable(data, slotStart + hour, slotStart + hour + hour); };
    switch (rule) {
    case 1: return !availableBefore();
    case 2: return !availableAfter();
    case 3: return !availableBefore() || !availableAfter();
    case 4: return availableBefore() && availableAfter();
    default: return true;
    }
}

bool CActivity::FitsType0Members(const CScheduleData& data, const COleDateTime& slotStart) const {
    for (int id : m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_nType != 0) continue;
        if (!entity->MatchesPosition(data, slotStart, m_nPosition)) return false;
    }
    return true;
}

namespace {

// The live entries of other activities of the entity on the entry's day, outside the group,
// that pass the start test; the largest distance they give, zero for none. With an index only
// the entries of the entity's activities are looked at, in collection order.
template <class StartTest, class Distance>
COleDateTimeSpan MaxDistance(const CScheduleData& data, const CTimetableEntry& entry, int entityId, int groupId,
                             const CPlanIndex* index, StartTest startTest, Distance distance) {
    bool found = false;
    COleDateTimeSpan best(0.0);
    const auto visit = [&](const CTimetableEntry& other) {
        if (other.m_nActivity == entry.m_nActivity || other.IsLinkedState(data)) return;
        if (!IsSameDay(other.m_dtStart, entry.m_dtStart) || !startTest(other)) return;
        const auto activity = data.FindActivity(other.m_nActivity);
        if (activity == data.m_arrActivities.end() || !activity->HasEntityId(data, entityId)) return;
        if (groupId != 0 && activity->m_nGroup == groupId) return;
        const COleDateTimeSpan d = distance(other);
        if (!found || d > best) best = d;
        found = true;
    };
    if (!index) {
        for (const CTimetableEntry& other : data.m_arrEntries) visit(other);
        return best;
    }
    CPlanIndex::Positions positions;
    for (std::size_t a : index->ActivitiesOf(entityId)) {
        const CPlanIndex::Positions& entries = index->EntriesOfActivity(data.m_arrActivities[a].m_nId);
        positions.insert(positions.end(), entries.begin(), entries.end());
    }
    // Activities that share an id share their entries too.
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (std::size_t position : positions) visit(data.m_arrEntries[position]);
    return best;
}

}  // namespace

COleDateTimeSpan CTimetableEntry::GetMaxEndDistance(const CScheduleData& data, int entityId, int groupId,
                                                    const CPlanIndex* index) const {
    return MaxDistance(
        data, *this, entityId, groupId, index,
        [this](const CTimetableEntry& other) { return CompareTimesApprox(m_dtStart, other.m_dtStart) != 1; },
        [this](const CTimetableEntry& other) { return other.GetEndTime() - GetEndTime(); });
}

COleDateTimeSpan CTimetableEntry::GetMaxStartDistance(const CScheduleData& data, int entityId, int groupId,
                                                      const CPlanIndex* index) const {
    return MaxDistance(
        data, *this, entityId, groupId, index,
        [this](const CTimetableEntry& other) { return CompareTimesApprox(m_dtStart, other.m_dtStart) != -1; },
        [this](const CTimetableEntry& other) { return m_dtStart - other.m_dtStart; });
}
