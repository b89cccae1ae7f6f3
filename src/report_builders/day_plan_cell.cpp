#include "report_builders/day_plan_cell.h"

#include <algorithm>

#include "report_builders/day_plan_index.h"
#include "model/description_texts.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

const COleDateTimeSpan kHour(0, 1, 0, 0);

}  // namespace

__time64_t TimeOfDayOf(const COleDateTime& t) { return MakeTimeOfDay(t.GetHour(), t.GetMinute()); }

COleDateTime AtTimeOfDay(const COleDateTime& day, __time64_t timeOfDay) {
    int hour = GetLocalHour(timeOfDay), minute = GetLocalMinute(timeOfDay);
    if (hour < 0 || minute < 0) hour = minute = 0;
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, 0);
}

CDayPlanCell::CDayPlanCell(const CScheduleData& data, int entityId_, int dayIndex, __time64_t timeOfDay,
                           const CDayPlanIndex* index)
    : CDayPlanCell(data, entityId_, data.GetStartDate() + COleDateTimeSpan(static_cast<double>(dayIndex)),
                   timeOfDay, index) {}

CDayPlanCell::CDayPlanCell(const CScheduleData& data, int entityId_, const COleDateTime& day, __time64_t timeOfDay,
                           const CDayPlanIndex* index)
    : entityId(entityId_), time(AtTimeOfDay(day, timeOfDay)), length(0.0), m_data(data), m_index(index) {}

void CDayPlanCell::CollectEntries(std::vector<CTimetableEntry>& list, const COleDateTime& start,
                                  int entityType) const {
    list.clear();
    const COleDateTime end = start + kHour;
    int bestRole = 0;
    auto consider = [&](const CTimetableEntry& entry) {
        if (!IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), start, end)) return;
        if (entityType == 4) {
            const int role = entry.GetRoomRole(m_data, entityId);
            if (role == 0 || (bestRole != 0 && role >= bestRole)) return;
            bestRole = role;
            CTimetableEntry block(entry.m_dtStart, entry.m_tsLength);
            block.m_nActivity = entry.m_nActivity;
            block.m_nState = entry.GetState(m_data);
            list.assign(1, std::move(block));
        } else if (entry.IsEntityPresent(m_data, entityId, m_index ? &m_index->Plan() : nullptr)) {
            CTimetableEntry copy(entry);
            copy.m_nState = entry.GetState(m_data);
            list.push_back(std::move(copy));
        }
    };
    if (m_index != nullptr) {
        std::vector<std::size_t> near;
        m_index->GetEntriesNear(entityId, entityType == 4, start, end, near);
        for (std::size_t position : near) consider(m_data.m_arrEntries[position]);
    } else {
        for (const CTimetableEntry& entry : m_data.m_arrEntries) consider(entry);
    }
    std::stable_sort(list.begin(), list.end(), [](const CTimetableEntry& a, const CTimetableEntry& b) {
        return a.m_nActivity < b.m_nActivity;
    });
}

CString CDayPlanCell::DescribeEntry(std::size_t i, bool participants) const {
    const CTimetableEntry& entry = entries.at(i);
    const auto entity = m_data.FindEntity(entityId);
    const auto activity = m_data.FindActivity(entry.m_nActivity);
    if (entity == m_data.m_arrEntities.end() || activity == m_data.m_arrActivities.end()) return CString();
    return BuildActivityHtml(m_data, *activity, &entry, participants, entityId, entity->m_nType,
                             m_index ? &m_index->Plan() : nullptr);
}

void CDayPlanCell::Compute(bool activityBlocks, bool lessonAxis, bool firstRow) {
    entries.clear();
    const auto entity = m_data.FindEntity(entityId);
    if (entity == m_data.m_arrEntities.end()) return;
    const COleDateTime end = time + kHour;
    if (entity->IsAbsent(time, end)) {
        kind = Absent;
        return;
    }
    if (!entity->IsAvailable(m_data, time, end)) {
        kind = Unavailable;
        return;
    }
    const bool breakBefore = lessonAxis && IsLessonBeforeBreak(m_data, TimeOfDayOf(time));
    CollectEntries(entries, time, entity->m_nType);
    groupId = GetCommonGroupId(m_data, entries);
    bool mayContinue;
    if (breakBefore || firstRow)
        mayContinue = false;
    else if (groupId != 0 && !activityBlocks)
        mayContinue = true;
    else
        mayContinue = AnyEntryStartsBefore(time, entries);
    if (entries.empty()) {
        kind = Free;
        return;
    }
    if (mayContinue) {
        std::vector<CTimetableEntry> previous;
        CollectEntries(previous, time - kHour, entity->m_nType);
        if (GetCommonGroupId(m_data, previous) == groupId &&
            ((!activityBlocks && groupId != 0) || HaveSameActivities(entries, previous))) {
            kind = Covered;
            return;
        }
    }
    kind = AllEntriesLinked() ? Linked : Busy;
    if (groupId != 0) {
        COleDateTime t = time + kHour;
        std::vector<CTimetableEntry> next;
        for (;;) {
            length = t - time;
            if (lessonAxis && IsLessonBeforeBreak(m_data, TimeOfDayOf(t))) break;
            CollectEntries(next, t, entity->m_nType);
            if (GetCommonGroupId(m_data, next) != groupId) break;
            if (activityBlocks && !(HaveSameActivities(entries, next) && AnyEntryStartsBefore(t, next))) break;
            t += kHour;
            if (t.GetYear() > time.GetYear() + 1) break;  // a plan that groups every hour
        }
    } else if (!lessonAxis) {
        length = GetStretchLength();
    } else {
        const COleDateTime stretchEnd = time + GetStretchLength();
        COleDateTime t = time + kHour;
        for (;;) {
            length = t - time;
            if (IsLessonBeforeBreak(m_data, TimeOfDayOf(t))) break;
            if (CompareTimesApprox(t, stretchEnd) != -1) break;
            t += kHour;
        }
    }
}

COleDateTimeSpan CDayPlanCell::GetStretchLength() const {
    COleDateTime latest = time + kHour;
    for (const CTimetableEntry& entry : entries) {
        const COleDateTime entryEnd = entry.GetEndTime();
        if (CompareTimesApprox(entryEnd, latest) == 1) latest = entryEnd;
    }
    return latest - time;
}

int CDayPlanCell::GetLengthHours() const { return WholeMinutes(static_cast<double>(length)) / 60; }

bool CDayPlanCell::AllEntriesLinked() const {
    return std::all_of(entries.begin(), entries.end(), [](const CTimetableEntry& e) { return e.m_nState == 7; });
}

int CDayPlanCell::GetRowSpan(bool activityBlocks, bool lessonAxis, const COleDateTime& tableEnd) const {
    int span = 1;
    for (COleDateTime t = time + kHour; CompareTimesApprox(t, tableEnd) == -1; t += kHour) {
        CDayPlanCell next(m_data, entityId, t, TimeOfDayOf(t), m_index);
        if (m_index) {
            if (m_index->GetComputedCell(next, activityBlocks, lessonAxis, false).kind != Covered) break;
        } else {
            next.Compute(activityBlocks, lessonAxis);
            if (next.kind != Covered) break;
        }
        ++span;
    }
    return span;
}

bool AnyEntryStartsBefore(const COleDateTime& time, const std::vector<CTimetableEntry>& list) {
    return std::any_of(list.begin(), list.end(),
                       [&](const CTimetableEntry& e) { return CompareTimesApprox(e.m_dtStart, time) == -1; });
}

int GetCommonGroupId(const CScheduleData& data, const std::vector<CTimetableEntry>& list) {
    int common = 0;
    for (const CTimetableEntry& entry : list) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end() || activity->m_nGroup == 0) return 0;
        if (common != 0 && common != activity->m_nGroup) return 0;
        common = activity->m_nGroup;
    }
    return common;
}

bool HaveSameActivities(const std::vector<CTimetableEntry>& a, const std::vector<CTimetableEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].m_nActivity != b[i].m_nActivity) return false;
    return true;
}

int CountEntriesInList(const CDayPlanCell& cell) { return static_cast<int>(cell.entries.size()); }
