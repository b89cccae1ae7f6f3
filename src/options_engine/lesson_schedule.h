#pragma once
// The default day schedule of the settings' Lessons list: time points of one day in order. An
// entry "HH:MM" starts a lesson; "!HH:MM Label" starts a break with that label; the last entry
// ends the day. Read into a day start and intervals, and written back the same way.
#include <optional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CLessonInterval {
public:
    int m_nMinutes = 0;
    CString m_strLabel;  // empty for a lesson
    bool operator==(const CLessonInterval&) const = default;
};

class CLessonSchedule {
public:
    __time64_t m_tDayStart = 0;  // a time of day on 1 January 2000
    std::vector<CLessonInterval> m_arrIntervals;
};

// The schedule of the entries; an empty list gives one 480-minute lesson from defaultDayStart.
// Entries whose time cannot be read are left out. A list that is not empty but has no entry with
// a readable time, or whose times go back, gives no schedule.
std::optional<CLessonSchedule> ParseLessonList(const std::vector<CString>& lessons, __time64_t defaultDayStart);
// The entries of a schedule.
std::vector<CString> FormatLessonList(const CLessonSchedule& schedule);
