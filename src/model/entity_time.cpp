// How much time an entity has planned, placed, lost, available and free.
#include <algorithm>
#include <set>
#include <vector>

#include "model/entity.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

enum class Category { Ungrouped, Grouped, Other };

Category CategoryOf(const CScheduleData& data, const CActivity& activity) {
    if (activity.m_nGroup != 0) return Category::Grouped;
    return activity.CountType0Members(data) > 0 ? Category::Ungrouped : Category::Other;
}

void AddTo(CCategorySpans& sums, Category category, const COleDateTimeSpan& span) {
    switch (category) {
    case Category::Ungrouped: sums.m_tsUngrouped += span; break;
    case Category::Grouped: sums.m_tsGrouped += span; break;
    case Category::Other: sums.m_tsOther += span; break;
    }
}

bool Contains(const std::vector<int>& list, int value) { return std::find(list.begin(), list.end(), value) != list.end(); }

bool IsValidDate(const COleDateTime& t) { return t.GetStatus() == COleDateTime::valid; }

COleDateTimeSpan ItemLength(const CEntityItem& item) { return item.m_dtEnd - item.m_dtStart; }

COleDateTime AtTimeOfDay(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(timeOfDay),
                        GetLocalMinute(timeOfDay), 0);
}

}  // namespace

CCategorySpans CEntity::SumActivityTime(const CScheduleData& data, const CPlanIndex* index) const {
    CCategorySpans sums;
    std::vector<int> groups;
    auto add = [&](const CActivity& activity) {
        const Category category = CategoryOf(data, activity);
        if (category != Category::Grouped) {
            AddTo(sums, category, activity.m_tsDuration);
        } else if (!Contains(groups, activity.m_nGroup)) {
            groups.push_back(activity.m_nGroup);
            sums.m_tsGrouped += data.GetRequiredGroupTime(activity.m_nGroup, m_nId, index);
        }
    };
    if (index) {
        for (std::size_t a : index->ActivitiesOf(m_nId)) add(data.m_arrActivities[a]);
    } else {
        for (const CActivity& activity : data.m_arrActivities)
            if (activity.HasEntityId(data, m_nId)) add(activity);
    }
    return sums;
}

CCategorySpans CEntity::SumItemTime(const CScheduleData& data, const CPlanIndex* index) const {
    CCategorySpans sums;
    std::vector<int> groups;
    for (const CEntityItem& item : m_arrItems) {
        const auto activity = data.FindActivity(item.m_nActivity);
        if (activity == data.m_arrActivities.end() || !activity->HasEntityId(data, m_nId)) continue;
        const Category category = CategoryOf(data, *activity);
        if (category != Category::Grouped) {
            AddTo(sums, category, ItemLength(item));
        } else if (!Contains(groups, activity->m_nGroup)) {
            groups.push_back(activity->m_nGroup);
            sums.m_tsGrouped += data.GetPlacedGroupTime(activity->m_nGroup, m_nId, index);
        }
    }
    return sums;
}

CCategorySpans CEntity::SumItemTimeMerged(const CScheduleData& data) const {
    CCategorySpans sums;
    std::vector<int> groups;
    // The items of activities that do not have the entity: it joins them through replacements.
    std::vector<std::pair<const CEntityItem*, int>> qualifying;  // item, group
    for (const CEntityItem& item : m_arrItems) {
        const auto activity = data.FindActivity(item.m_nActivity);
        if (activity == data.m_arrActivities.end() || activity->HasEntityId(data, m_nId)) continue;
        const Category category = CategoryOf(data, *activity);
        if (category != Category::Grouped) {
            AddTo(sums, category, ItemLength(item));
        } else {
            qualifying.emplace_back(&item, activity->m_nGroup);
            if (!Contains(groups, activity->m_nGroup)) groups.push_back(activity->m_nGroup);
        }
    }
    // Per group, items that start together count once, with the longest length.
    for (int group : groups) {
        std::vector<std::pair<COleDateTime, COleDateTimeSpan>> listed;
        for (const auto& [item, itemGroup] : qualifying) {
            if (itemGroup != group) continue;
            const COleDateTimeSpan length = ItemLength(*item);
            auto same = std::find_if(listed.begin(), listed.end(), [&](const auto& entry) {
                return CompareTimesApprox(entry.first, item->m_dtStart) == 0;
            });
            if (same == listed.end())
                listed.emplace_back(item->m_dtStart, length);
            else if (WholeMinutes(length.m_span) > WholeMinutes(same->second.m_span))
                same->second = length;
        }
        for (const auto& entry : listed) sums.m_tsGrouped += entry.second;
    }
    return sums;
}

CCategorySpans CEntity::SumAbsenceLoss(const CScheduleData& data) const {
    CCategorySpans sums;
    if (m_arrAbsences.empty() || m_bUnavailable) return sums;
    std::vector<std::pair<int, COleDateTimeSpan>> longest;  // group, longest absent item
    for (const CEntityItem& item : m_arrItems) {
        const auto activity = data.FindActivity(item.m_nActivity);
        if (activity == data.m_arrActivities.end() || !IsAbsent(item.m_dtStart, item.m_dtEnd)) continue;
        const Category category = CategoryOf(data, *activity);
        const COleDateTimeSpan length = ItemLength(item);
        if (category != Category::Grouped) {
            AddTo(sums, category, length);
            continue;
        }
        auto it = std::find_if(longest.begin(), longest.end(), [&](const auto& g) { return g.first == activity->m_nGroup; });
        if (it == longest.end())
            longest.emplace_back(activity->m_nGroup, length);
        else if (WholeMinutes(length.m_span) > WholeMinutes(it->second.m_span))
            it->second = length;
    }
    for (const auto& group : longest) sums.m_tsGrouped += group.second;
    return sums;
}

COleDateTimeSpan CEntity::SumFundTime() const {
    COleDateTimeSpan sum(0.0);
    for (const CFund& fund : m_arrFunds) sum += fund.m_tsLength;
    return sum;
}

COleDateTimeSpan CEntity::SumAbsenceTime(const CScheduleData& data) const {
    COleDateTimeSpan sum(0.0);
    for (const CAbsence& absence : m_arrAbsences) {
        if (!absence.m_bWholeDay) {
            sum += absence.m_tsLength;
            continue;
        }
        const int day = data.GetDayIndex(absence.m_dtStart);
        // An empty window (one that ends where or before it starts) has no length.
        if (day < 0 || day >= kMaxPlanDays || m_tDayEnd[day] <= m_tDayStart[day]) continue;
        const long long minutes = (m_tDayEnd[day] - m_tDayStart[day]) / 60;
        sum += COleDateTimeSpan(static_cast<double>(minutes) / 1440.0);
    }
    return sum;
}

int CEntity::CountItemDays() const {
    if (m_bUnavailable) return 0;
    std::vector<COleDateTime> days;
    for (const CEntityItem& item : m_arrItems) {
        if (item.m_dtStart.GetStatus() == COleDateTime::valid && item.m_dtStart.GetYear() == 1970) continue;
        const bool seen = std::any_of(days.begin(), days.end(), [&](const COleDateTime& d) { return IsSameDay(d, item.m_dtStart); });
        if (!seen) days.push_back(item.m_dtStart);
    }
    const auto wholeDays = std::count_if(m_arrAbsences.begin(), m_arrAbsences.end(), [](const CAbsence& a) { return a.m_bWholeDay != 0; });
    return static_cast<int>(days.size()) - static_cast<int>(wholeDays);
}

int CEntity::CountWorkingDays(const CScheduleData& data) const {
    if (m_bUnavailable) return 0;
    int count = 0;
    for (int d = 0; d < kMaxPlanDays; ++d) {
        if (CompareTime64Approx(m_tDayEnd[d], m_tDayStart[d]) == 1 && m_tDayEnd[d] - m_tDayStart[d] > 30 * 60) ++count;
    }
    return std::min(count, data.m_nDays);
}

COleDateTimeSpan CEntity::GetWeeklyAvailableTime() const {
    if (m_bUnavailable) return COleDateTimeSpan(0.0);
    long long seconds = 0;
    for (int d = 0; d < kMaxPlanDays; ++d) {
        if (CompareTime64Approx(m_tDayEnd[d], m_tDayStart[d]) == 1) seconds += m_tDayEnd[d] - m_tDayStart[d];
    }
    const long long hours = seconds / 3600;
    const long long minutes = (seconds / 60) % 60;
    return COleDateTimeSpan(static_cast<double>(hours * 60 + minutes) / 1440.0);
}

COleDateTimeSpan CEntity::SumUncoveredTime(const CScheduleData& data) const {
    return SumUncoveredTime(data, SumActivityTime(data));
}

COleDateTimeSpan CEntity::SumUncoveredTime(const CScheduleData& data, const CCategorySpans& planned) const {
    const CCategorySpans placed = SumItemTime(data);
    COleDateTimeSpan sum(0.0);
    auto add = [&](const COleDateTimeSpan& wanted, const COleDateTimeSpan& got) {
        if (WholeMinutes(got.m_span) < WholeMinutes(wanted.m_span)) sum += wanted - got;
    };
    add(planned.m_tsUngrouped, placed.m_tsUngrouped);
    add(planned.m_tsGrouped, placed.m_tsGrouped);
    add(planned.m_tsOther, placed.m_tsOther);
    return sum;
}

bool CEntity::IsLoadBalanced(const CScheduleData& data, const CPlanIndex* index) const {
    return WholeMinutes(SumActivityTime(data, index).Total().m_span) == WholeMinutes(GetNetAvailableTime(data).m_span);
}

COleDateTimeSpan CEntity::SumGroupHourSteps(const CScheduleData& data, int groupId) const {
    const COleDateTimeSpan hour(0, 1, 0, 0);
    COleDateTimeSpan total(0.0);
    for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d) {
        if (CompareTime64Approx(m_tDayStart[d], m_tDayEnd[d]) == 0) continue;
        const COleDateTime date = data.GetDayDate(d);
        const COleDateTime windowStart = AtTimeOfDay(date, m_tDayStart[d]);
        const COleDateTime lastStart = AtTimeOfDay(date, m_tDayEnd[d]) - hour;
        for (COleDateTime t = windowStart; IsValidDate(t) && IsValidDate(lastStart) && CompareTimesApprox(t, lastStart) == -1; t += hour) {
            const bool busy = std::any_of(m_arrItems.begin(), m_arrItems.end(), [&](const CEntityItem& item) {
                return item.m_nGroup == groupId && IntervalsOverlap(item.m_dtStart, item.m_dtEnd, t, t + hour);
            });
            if (busy) total += hour;
        }
    }
    return total;
}
