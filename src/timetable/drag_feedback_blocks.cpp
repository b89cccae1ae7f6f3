#include "timetable/drag_feedback_blocks.h"

#include <algorithm>
#include <stdexcept>

#include "model/lesson_hours.h"
#include "model/participation_rules.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

std::vector<CItemTime> CollectClashBlocks(const CScheduleData& data, int id, std::uint64_t excludedEntry, int groupFlag) {
    std::vector<CItemTime> blocks;
    std::vector<const CActivity*> dragged;
    if (!groupFlag) {
        const auto activity = data.FindActivity(id);
        if (activity == data.m_arrActivities.end()) return blocks;
        dragged.push_back(&*activity);
    } else {
        if (data.FindGroup(id) == data.m_arrGroups.end()) return blocks;
        for (const CActivity& activity : data.m_arrActivities)
            if (activity.m_nGroup == id) dragged.push_back(&activity);
    }
    const auto excluded = excludedEntry ? data.FindEntryBySerial(excludedEntry) : data.m_arrEntries.end();
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.IsLinkedState(data)) continue;
        if (!groupFlag && excludedEntry != 0 && entry.GetSerial() == excludedEntry) continue;
        const auto own = data.FindActivity(entry.m_nActivity);
        if (own == data.m_arrActivities.end()) break;
        if (groupFlag && own->m_nGroup == id && excluded != data.m_arrEntries.end() &&
            IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), excluded->m_dtStart, excluded->GetEndTime()))
            continue;
        const bool clash = std::any_of(dragged.begin(), dragged.end(),
                                       [&](const CActivity* activity) { return ActivitiesClash(data, *own, *activity, entry); });
        if (clash) blocks.emplace_back(entry.m_dtStart, entry.m_tsLength, entry.GetChimeSetId(data), entry.m_nActivity);
    }
    return blocks;
}

void AlignClashBlocksToChimeSets(const CScheduleData& data, std::vector<CItemTime>& blocks, int chimeSetId,
                                 const COleDateTimeSpan& length) {
    if (chimeSetId == 0 || blocks.empty()) return;
    const auto own = data.FindChimeSet(chimeSetId);
    if (own == data.m_arrChimeSets.end()) return;
    for (CItemTime& block : blocks) {
        const int other = block.m_nTag;
        if (other == 0 || other == chimeSetId) continue;
        const auto theirs = data.FindChimeSet(other);
        if (theirs == data.m_arrChimeSets.end()) continue;
        const COleDateTime& start = block.m_dtStart;
        const int h = GetHourSlot(data, MakeTimeOfDay(start.GetHour(), start.GetMinute()));
        if (h > 0) {
            const __time64_t s = theirs->GetLessonStart(data, h);
            const __time64_t e = own->GetLessonEnd(data, h - 1);
            if (CompareTime64Approx(e, s) == 1) block.ExtendStart(e - s);
        }
        __time64_t lessonStart = 0, lessonEnd = 0, ownStart = 0, ownEnd = 0;
        try {
            theirs->SnapToLessons(data, block.m_dtStart, block.m_tsDuration, lessonStart, lessonEnd);
            own->SnapToLessons(data, block.GetEndTime(), length, ownStart, ownEnd);
        } catch (const std::invalid_argument&) {
            continue;  // a block without a time of day keeps its extent
        }
        if (CompareTime64Approx(lessonEnd, ownStart) == 1) block.ExtendEnd(lessonEnd - ownStart);
    }
}

void AppendAbsencesAndDaysOff(const CScheduleData& data, const CEntity& member, std::vector<CItemTime>& blocks) {
    for (const CAbsence& absence : member.m_arrAbsences) {
        CItemTime block;
        block.Init(data, absence.m_dtStart, absence.m_tsLength, absence.m_bWholeDay);
        blocks.push_back(block);
    }
    const int days = std::min(data.m_nDays, kMaxPlanDays);
    for (int i = 0; i < days; ++i) {
        if (CompareTime64Approx(member.m_tDayStart[i], member.m_tDayEnd[i]) != 0) continue;
        const COleDateTime start = data.GetDayDate(i) + COleDateTimeSpan(0, 1, 0, 0);
        blocks.emplace_back(start, COleDateTimeSpan(0, 22, 0, 0), 1, data.GetDayIndex(start));
    }
}
