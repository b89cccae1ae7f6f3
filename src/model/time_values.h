#pragma once
// Rounding, comparing, intersecting and printing the dates, spans and 64-bit times of a plan.
//
// Two times within 3 minutes of each other count as equal; two intervals overlap only when they
// share more than 5 minutes. Whole minutes, hours and seconds of a value are always cut with the
// half-second bias: half a second is added to a value of zero or more (taken from a negative
// one) before truncating, so 59 minutes 59.6 seconds count as 60 minutes.
#include <cstdint>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;

// Half a second in days.
inline constexpr double kHalfSecondBias = 5.787037037037037e-6;

// Whole minutes, hours and seconds of a date or span value with the half-second bias, truncated
// toward zero; values beyond the 32-bit range are held at its ends.
std::int32_t WholeMinutes(double days);
std::int32_t WholeHours(double days);
std::int32_t WholeSeconds(double days);

// 0 when a and b lie within 3 minutes of each other, 1 when a is later, -1 when a is earlier or
// either value is not valid.
int CompareTimesApprox(const COleDateTime& a, const COleDateTime& b);
// 0 within 3 minutes, -1 when a is not later than b, 1 when it is later.
int CompareTime64Approx(__time64_t a, __time64_t b);
// 0 for the same calendar day, 1 when a's day is later, -1 when earlier or either is not valid.
int CompareDates(const COleDateTime& a, const COleDateTime& b);
// Same year, month and day. Two values that are not valid count as the same day.
bool IsSameDay(const COleDateTime& a, const COleDateTime& b);
// Same local year, month and day.
bool IsSameDay64(__time64_t a, __time64_t b);

// Length of the overlap of [s1, e1] and [s2, e2], with starts and ends within 3 minutes of
// each other taken as equal.
COleDateTimeSpan IntersectIntervals(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2,
                                    const COleDateTime& e2);
// True when the intervals share more than 5 whole minutes.
bool IntervalsOverlap(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2,
                      const COleDateTime& e2);
// True when a is longer than b by more than 5 whole minutes.
bool IsSpanLonger(const COleDateTimeSpan& a, const COleDateTimeSpan& b);
// Total hours and two-digit minutes: 1:30, 25:00, 0:00. A null span prints no minutes.
CString FormatHoursMinutes(const COleDateTimeSpan& span);

// Age class of a recent document's stamp: 1 today, 2 this week, 3 this month, 4 older.
int ClassifyRecentTime(__time64_t t);
// The same against a given current time.
int ClassifyRecentTime(__time64_t t, __time64_t now);

// Hour steps from start: every step that begins 3 minutes or more before end plus one hour.
void AppendHourStepsThrough(std::vector<__time64_t>& list, __time64_t start, __time64_t end);
// Hour steps from start: every step that begins 3 minutes or more before end.
void AppendHourStepsBefore(std::vector<__time64_t>& list, __time64_t start, __time64_t end);
// Appends t unless an element lies less than 5 minutes from it.
void AddTimeIfApart(std::vector<__time64_t>& list, __time64_t t);
// The first element later than t in list order, else t.
__time64_t FindNextTimeAfter(const std::vector<__time64_t>& list, __time64_t t);

// Whether the date of plan day n is a holiday of the application.
bool IsPlanDayHoliday(const CScheduleData& data, int n);

// 0 for 1 January 2000, 1 for 2 January 2000, 2 for 3 January 2000, 0 for any other date.
int GetFirstWeekDayIndex(const COleDateTime& date);

// The local moment of a clock time on 1 January 2000 (seconds 0, daylight saving decided by the
// time-zone rules): how times of day are stored. -1 when it cannot be made.
__time64_t MakeTimeOfDay(int hour, int minute);
// The local hour and minute of a stored time of day; -1 each when it has no local form. A time
// of 0 is one that was never set (an empty day window): it reads as midnight in every time
// zone, never as the clock time that the moment 0 shows in the local zone.
int GetLocalHour(__time64_t t);
int GetLocalMinute(__time64_t t);
// Seconds since local midnight of a stored time of day, by the same rule; -1 when it has no
// local form.
long long GetLocalSecondsOfDay(__time64_t t);

// The date that marks an entry that is not placed: 1 January 1970 00:00.
COleDateTime GetUnplacedDate();
// Whether a date lies in 1970, the year of the unplaced mark.
bool IsUnplacedDate(const COleDateTime& date);

// Sort orders for the standard sort.
bool LessTime64(__time64_t a, __time64_t b);
bool LessInt(int a, int b);
bool GreaterInt(int a, int b);

// Entity ids by entity type, then name (case-sensitive), then id. Ids without an entity come
// after all others, by id.
struct LessEntityByTypeName {
    explicit LessEntityByTypeName(const CScheduleData& data) : m_data(data) {}
    bool operator()(int a, int b) const;
    const CScheduleData& m_data;
};

// Entity ids by name ignoring case, then id. Ids without an entity come after all others.
struct LessEntityByName {
    explicit LessEntityByName(const CScheduleData& data) : m_data(data) {}
    bool operator()(int a, int b) const;
    const CScheduleData& m_data;
};

// The time that intervals (with members start and end), sorted by start, cover together: each
// counts from where the earlier ones left off, with the 3-minute tolerance.
template <class Interval>
COleDateTimeSpan CoveredLength(const std::vector<Interval>& sorted) {
    COleDateTimeSpan length(0.0);
    COleDateTime covered = GetUnplacedDate();
    for (const Interval& interval : sorted) {
        if (CompareTimesApprox(covered, interval.start) == 1) {
            if (CompareTimesApprox(covered, interval.end) == -1) {
                length += interval.end - covered;
                covered = interval.end;
            }
        } else {
            length += interval.end - interval.start;
            covered = interval.end;
        }
    }
    return length;
}
