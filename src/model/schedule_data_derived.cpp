// Time figures of activities and groups, and the derived work lists of the store: entity items,
// activity weights, entity weights and free slots.
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "model/candidate_rules.h"
#include "model/merge_sort.h"
#include "model/plan_index.h"
#include "model/time_clash.h"
#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"

namespace {

constexpr UINT kMissingActivityText = 60427;
constexpr UINT kMissingGroupText = 60426;

bool TakesPlace(const CScheduleData& data, const CTimetableEntry& entry) {
    const int state = entry.GetState(data);
    return state != 3 && state != 6 && state != 7;
}

// The summed lengths of the activity's entries that take place (states other than 3, 6, 7).
COleDateTimeSpan TakingPlaceLength(const CScheduleData& data, int activityId) {
    COleDateTimeSpan sum(0.0);
    for (const CTimetableEntry& entry : data.m_arrEntries)
        if (entry.m_nActivity == activityId && TakesPlace(data, entry)) sum += entry.m_tsLength;
    return sum;
}

// The positions of the group's activities, ascending.
CPlanIndex::Positions GroupActivities(const CScheduleData& data, int groupId, const CPlanIndex* index) {
    if (index) return index->ActivitiesOfGroup(groupId);
    CPlanIndex::Positions positions;
    for (std::size_t a = 0; a < data.m_arrActivities.size(); ++a)
        if (data.m_arrActivities[a].m_nGroup == groupId) positions.push_back(a);
    return positions;
}

__time64_t TimeOfDayOrThrow(int hour, int minute) {
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1 || hour < 0 || minute < 0) throw std::invalid_argument("time of day cannot be made");
    return t;
}

COleDateTime DateAt(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(timeOfDay),
                        GetLocalMinute(timeOfDay), 0);
}

struct TempEntry {
    COleDateTime start;
    COleDateTimeSpan length;
    COleDateTime End() const { return start + length; }
};

}  // namespace

int CScheduleData::IsActivityComplete(int activityId) const {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return 0;
    return WholeMinutes(TakingPlaceLength(*this, activityId).m_span) >= WholeMinutes(activity->m_tsDuration.m_span) - 5
               ? 1
               : 0;
}

CString CScheduleData::FormatActivityTime(int activityId) const {
    CString text;
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) {
        text.LoadString(kMissingActivityText);
        return text;
    }
    text.Format(L" (%s)%s", FormatHoursMinutes(TakingPlaceLength(*this, activityId)), activity->FormatDuration());
    return text;
}

COleDateTimeSpan CScheduleData::GetPlacedGroupTime(int groupId, int entityId, const CPlanIndex* index) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return COleDateTimeSpan(0.0);
    // The group's entries that take place with the entity, in collection order.
    CPlanIndex::Positions positions;
    if (index) {
        for (std::size_t a : index->ActivitiesOfGroup(groupId)) {
            const auto& entries = index->EntriesOfActivity(m_arrActivities[a].m_nId);
            positions.insert(positions.end(), entries.begin(), entries.end());
        }
        std::sort(positions.begin(), positions.end());
    } else {
        for (std::size_t e = 0; e < m_arrEntries.size(); ++e) positions.push_back(e);
    }
    std::vector<TempEntry> entries;
    for (std::size_t e : positions) {
        const CTimetableEntry& entry = m_arrEntries[e];
        const auto activity = FindActivity(entry.m_nActivity);
        if (activity == m_arrActivities.end() || activity->m_nGroup != groupId) continue;
        if (IsUnplacedDate(entry.m_dtStart) || !TakesPlace(*this, entry)) continue;
        const bool takesPart = entity->m_nType == 4
                                   ? entry.HasRoomPriority(*this, entityId, index)
                                   : activity->HasEntityId(*this, entityId) || entry.HasParticipant(entityId);
        if (takesPart) entries.push_back(TempEntry{entry.m_dtStart, entry.m_tsLength});
    }
    if (entries.empty()) return COleDateTimeSpan(0.0);
    // Starts within 3 minutes: the longer first; otherwise the earlier first.
    StableMergeSort(entries, [](const TempEntry& a, const TempEntry& b) {
        if (CompareTimesApprox(a.start, b.start) == 0)
            return WholeMinutes(a.length.m_span) > WholeMinutes(b.length.m_span);
        return CompareTimesApprox(a.start, b.start) == -1;
    });
    COleDateTimeSpan sum(0.0);
    TempEntry current = entries.front();
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const TempEntry& next = entries[i];
        if (!IntervalsOverlap(current.start, current.End(), next.start, next.End())) {
            sum += current.length;
            current = next;
            continue;
        }
        // An overlapping entry is merged into the current one; a stretch under an hour is not made.
        if (CompareTimesApprox(next.End(), current.End()) == 1) {
            const COleDateTimeSpan stretched = next.End() - current.start;
            if (WholeMinutes(stretched.m_span) >= 60) current.length = stretched;
        }
    }
    sum += current.length;
    return sum;
}

COleDateTimeSpan CScheduleData::GetRequiredGroupTime(int groupId, int entityId, const CPlanIndex* index) const {
    const CPlanIndex::Positions activities = GroupActivities(*this, groupId, index);
    std::vector<int> members;
    for (std::size_t a : activities) {
        const CActivity& activity = m_arrActivities[a];
        if (!activity.HasEntityId(*this, entityId)) continue;
        for (int id : activity.m_arrMembers)
            if (std::find(members.begin(), members.end(), id) == members.end()) members.push_back(id);
    }
    COleDateTimeSpan best(0.0);
    for (int id : members) {
        const auto member = FindEntity(id);
        if (member == m_arrEntities.end() || member->m_nType == 0) continue;
        COleDateTimeSpan sum(0.0);
        for (std::size_t a : activities) {
            const CActivity& activity = m_arrActivities[a];
            if (activity.HasEntityId(*this, id) && activity.HasEntityId(*this, entityId)) sum += activity.m_tsDuration;
        }
        if (member->m_nOverlaps > 1)
            sum = COleDateTimeSpan(static_cast<double>(WholeMinutes(sum.m_span) / member->m_nOverlaps) / 1440.0);
        if (WholeMinutes(sum.m_span) > WholeMinutes(best.m_span)) best = sum;
    }
    return best;
}

CString CScheduleData::FormatGroupTime(int groupId, const CPlanIndex* index) const {
    CString text;
    if (FindGroup(groupId) == m_arrGroups.end()) {
        text.LoadString(kMissingGroupText);
        return text;
    }
    text.Format(L"(%s)%s", FormatHoursMinutes(GetPlacedGroupTime(groupId, m_nCurrentEntity, index)),
                FormatHoursMinutes(GetRequiredGroupTime(groupId, m_nCurrentEntity, index)));
    return text;
}

void CScheduleData::DeriveEntityWeekHours(int entityId, __time64_t starts[kMaxPlanDays],
                                          __time64_t ends[kMaxPlanDays]) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return;
    std::copy(std::begin(entity->m_tDayStart), std::end(entity->m_tDayStart), starts);
    std::copy(std::begin(entity->m_tDayEnd), std::end(entity->m_tDayEnd), ends);
    for (const CTimetableEntry& entry : m_arrEntries) {
        if (!entry.m_bState6) continue;
        const auto activity = FindActivity(entry.m_nActivity);
        if (activity == m_arrActivities.end() || !activity->HasEntityId(*this, entityId)) continue;
        const int d = GetDayIndex(entry.m_dtStart);
        if (d < 0 || d >= kMaxPlanDays) continue;  // no day window to widen
        const COleDateTime end = entry.GetEndTime();
        const __time64_t entryStart = TimeOfDayOrThrow(entry.m_dtStart.GetHour(), entry.m_dtStart.GetMinute());
        const __time64_t entryEnd = TimeOfDayOrThrow(end.GetHour(), end.GetMinute());
        if (starts[d] == ends[d]) {
            starts[d] = entryStart;
            ends[d] = entryEnd;
            continue;
        }
        if (CompareTimesApprox(DateAt(entry.m_dtStart, starts[d]), entry.m_dtStart) == 1) starts[d] = entryStart;
        if (CompareTimesApprox(end, DateAt(entry.m_dtStart, ends[d])) == 1) ends[d] = entryEnd;
    }
}

void CScheduleData::RebuildEntityItems(int mode, const CPlanIndex* index) {
    for (CEntity& entity : m_arrEntities) entity.m_arrItems.clear();
    std::optional<CPlanIndex> own;
    if (index == nullptr) index = &own.emplace(*this);
    for (CActivity& activity : m_arrActivities) {
        activity.DeriveChimeSet(*this);
        const auto& entries = index->EntriesOfActivity(activity.m_nId);
        const bool severalClasses = activity.CountType0Members(*this) > 1;
        for (int id : activity.m_arrMembers) {
            const auto entity = FindEntity(id);
            if (entity == m_arrEntities.end()) continue;
            const int member = activity.HasEntityId(*this, entity->m_nId) ? 1 : 0;
            for (std::size_t e : entries) {
                const CTimetableEntry& entry = m_arrEntries[e];
                if (!entry.m_bLinked) entity->AddEntityItem(*this, entry, activity, severalClasses, member);
            }
        }
    }
    if (mode == 1 || mode == 2) {
        for (const CTimetableEntry& entry : m_arrEntries) {
            if (entry.m_bLinked) continue;
            const auto activity = FindActivity(entry.m_nActivity);
            if (activity == m_arrActivities.end()) continue;
            for (const CReplacement& replacement : entry.m_arrReplacements) {
                const auto entity = FindEntity(replacement.m_nEntity);
                if (entity == m_arrEntities.end()) continue;
                if (mode == 1) {
                    // Only the first record that names the entity decides.
                    const auto first = std::find_if(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                                                    [&](const CReplacement& r) { return r.m_nEntity == replacement.m_nEntity; });
                    if (first->m_bExtending) continue;
                }
                entity->AddEntityItem(*this, entry, *activity);
            }
        }
    }
    for (CEntity& entity : m_arrEntities) SortEntityItems(entity);
}

void CScheduleData::BuildActivityWeights() {
    m_arrActivityWeights.clear();
    const CPlanIndex index(*this);
    for (const CActivity& activity : m_arrActivities) {
        if (activity.IsTimeFilled(*this, &index)) continue;
        CActivityWeight record;
        record.m_nActivity = activity.m_nId;
        record.m_tsRemaining = activity.GetRemainingTime(*this, &index);
        activity.CountCandidateDays(*this, record.m_nSlots, record.m_nDays, &index);
        record.m_dWeight = ComputeActivityWeight(*this, record.m_arrSlots, activity, &index);
        if (record.m_dWeight > 0) m_arrActivityWeights.push_back(std::move(record));
    }
    std::stable_sort(m_arrActivityWeights.begin(), m_arrActivityWeights.end(), GreaterLeadingValue<CActivityWeight>);
}

void CScheduleData::BuildEntityWeights() {
    m_arrEntityWeights.clear();
    const CPlanIndex index(*this);
    // Records of the weight list by activity, so an entity's sum is taken in list order.
    std::unordered_map<int, std::vector<std::size_t>> recordsOf;
    for (std::size_t r = 0; r < m_arrActivityWeights.size(); ++r) recordsOf[m_arrActivityWeights[r].m_nActivity].push_back(r);
    std::vector<std::size_t> records;
    for (const CEntity& entity : m_arrEntities) {
        if (entity.m_nType < 1 || entity.m_nType > 3 || entity.m_bUnavailable) continue;
        records.clear();
        for (std::size_t a : index.ActivitiesOf(entity.m_nId)) {
            const auto hit = recordsOf.find(m_arrActivities[a].m_nId);
            if (hit != recordsOf.end()) records.insert(records.end(), hit->second.begin(), hit->second.end());
        }
        std::sort(records.begin(), records.end());
        double sum = 0.0;
        for (std::size_t r : records) sum += m_arrActivityWeights[r].m_dWeight;
        if (sum == 0.0) continue;
        CEntityWeight record;
        record.m_dWeight = sum;
        record.m_nType = entity.m_nType;
        record.m_nEntity = entity.m_nId;
        record.m_strName = entity.m_strName;
        record.m_strTypeName = entity.GetTypeName();
        m_arrEntityWeights.push_back(std::move(record));
    }
    std::stable_sort(m_arrEntityWeights.begin(), m_arrEntityWeights.end(), GreaterLeadingValue<CEntityWeight>);
}

void CScheduleData::BuildFreeSlotList(IProgress* progress) {
    const COleDateTimeSpan hour(0, 1, 0, 0);
    if (progress) {
        const auto type0 = std::count_if(m_arrEntities.begin(), m_arrEntities.end(), [](const CEntity& e) { return e.m_nType == 0; });
        progress->SetRange(0, static_cast<int>(type0));
        progress->SetStep(1);
        progress->SetPos(0);
    }
    m_arrFreeSlots.clear();
    const CPlanIndex index(*this);
    std::unordered_map<int, double> weightOf;  // summed in list order
    for (const CActivityWeight& record : m_arrActivityWeights) weightOf[record.m_nActivity] += record.m_dWeight;
    const int days = std::min(m_nDays, kMaxPlanDays);
    for (const CEntity& entity : m_arrEntities) {
        if (entity.m_nType != 0) continue;
        if (progress) progress->StepIt();
        // The activities that could use a free hour of the entity.
        std::vector<const CActivity*> open;
        for (std::size_t a : index.ActivitiesOf(entity.m_nId))
            if (!m_arrActivities[a].IsTimeFilled(*this, &index)) open.push_back(&m_arrActivities[a]);
        for (int d = 0; d < days; ++d) {
            if (CompareTime64Approx(entity.m_tDayStart[d], entity.m_tDayEnd[d]) == 0) continue;
            const COleDateTime date = GetDayDate(d);
            const COleDateTime windowStart = DateAt(date, entity.m_tDayStart[d]);
            const COleDateTime lastStart = DateAt(date, entity.m_tDayEnd[d]) - hour;
            COleDateTime t = windowStart;
            for (int i = 0; i < 24 && t.GetStatus() == COleDateTime::valid && CompareTimesApprox(t, lastStart) == -1;
                 ++i, t += hour) {
                CTimetableEntry slot(t, hour);
                if (entity.IsAbsent(t, t + hour)) continue;
                if (index.TakesPartDuring(entity, slot)) continue;
                CFreeSlot record;
                record.m_nEntity = entity.m_nId;
                record.m_dtStart = t;
                for (const CActivity* activity : open) {
                    if (CanPlaceEntry(activity->m_nId, 0, slot, &index) != 1) continue;
                    ++record.m_nActivities;
                    const auto weight = weightOf.find(activity->m_nId);
                    if (weight != weightOf.end()) record.m_dWeight += weight->second;
                }
                m_arrFreeSlots.push_back(record);
            }
        }
    }
    std::stable_sort(m_arrFreeSlots.begin(), m_arrFreeSlots.end(), LessLeadingValue<CFreeSlot>);
}
