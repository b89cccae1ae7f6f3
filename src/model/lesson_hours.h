#pragma once
// The hour slots of a plan day and the captions of the timetable's hour column: the lesson
// operations of the application, as functions of the store and its settings.
//
// Hour slot s of the day begins s whole hours after the store's day start. Times are 64-bit;
// only their local time of day counts.
#include <cstddef>

#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CScheduleData;
class IAppSettings;

// -1 for a time of day earlier than the day start (by 3 minutes or more); else the first slot
// whose start is not earlier than the time: 07:02 gives 0, 08:00 gives 1 and 08:30 gives 2
// with the day start at 07:00. A time with no local form gives -1.
int GetHourSlot(const CScheduleData& data, __time64_t t);
// "%H:%M" of lesson i of the chime set (id 0: the first one); the day start plus i hours when
// the set or the lesson does not exist.
CString GetLessonStartText(const CScheduleData& data, int lesson, int chimeSetId);
// The two-digit hour of i plus the hour index, within the day.
CString GetHourText(const CScheduleData& data, int i);
// Mode 1 the lesson start, mode 2 both lines as HTML-lite, otherwise the hour.
CString GetLessonCaption(const CScheduleData& data, int mode, int chimeSetId, int i);
// Hour and minute of a Lessons entry's time, "HH:MM" (after the "!" of a break); false unless both
// numbers are read and form a time of day.
bool ReadLessonClock(CString text, int& hour, int& minute);
// The Lessons entries that are lessons, not breaks.
int CountLessons(IAppSettings& settings);
// Whether, in the hour column's lesson modes, a break follows the lesson that ends where the
// time's hour slot begins.
bool IsLessonBeforeBreak(const CScheduleData& data, __time64_t t);
// Positions in the intervals of the chime set that bound the lessons shown around a time: just
// after a lesson that ends a run, or the break that opens the set; the end of the intervals
// otherwise. 0 for both when the set does not exist (an empty range).
std::size_t GetLessonRangeEnd(const CScheduleData& data, int chimeSetId, __time64_t t);
std::size_t GetLessonRangeBegin(const CScheduleData& data, int chimeSetId, __time64_t t);
