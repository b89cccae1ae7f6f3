#pragma once
// CItemTime: a time block of a start, a duration and two integers whose meaning depends on the
// list that holds the block (absences, blocked times, clash blocks, selected and pinned ranges).
// It heads every drawn item of the timetable grid and of the magnet board.
#include <cstdint>

#include "platform/core/ole_date_time.h"

class CScheduleData;

class CItemTime {
public:
    CItemTime() = default;
    // Note the order: the tag comes before the day index.
    CItemTime(const COleDateTime& start, const COleDateTimeSpan& duration, int tag, int dayIndex);

    // Stores the values; the day index becomes the plan day of the start.
    void Init(const CScheduleData& data, const COleDateTime& start, const COleDateTimeSpan& duration, int tag);
    COleDateTime GetEndTime() const;
    // Adds seconds / 60 whole minutes (cut toward zero) to the duration; the start stays.
    void ExtendEnd(std::int64_t seconds);
    // Moves the start that many whole minutes earlier and lengthens the block by as much, so the
    // end stays.
    void ExtendStart(std::int64_t seconds);

    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsDuration;
    int m_nDayIndex = 0;
    int m_nTag = 0;
};
