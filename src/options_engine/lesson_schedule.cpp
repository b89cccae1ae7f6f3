#include "options_engine/lesson_schedule.h"

#include "model/lesson_hours.h"
#include "model/time_values.h"

namespace {

constexpr int kDefaultMinutes = 480;

}  // namespace

std::optional<CLessonSchedule> ParseLessonList(const std::vector<CString>& lessons, __time64_t defaultDayStart) {
    CLessonSchedule schedule;
    if (lessons.empty()) {
        schedule.m_tDayStart = defaultDayStart;
        schedule.m_arrIntervals.push_back({kDefaultMinutes, CString()});
        return schedule;
    }
    bool first = true;
    __time64_t previous = 0;
    CString pendingLabel;
    for (const CString& entry : lessons) {
        const bool isBreak = !entry.IsEmpty() && entry[0] == L'!';
        int hour = 0, minute = 0;
        if (!ReadLessonClock(isBreak ? entry.Mid(1, 5) : entry, hour, minute)) continue;
        const __time64_t t = MakeTimeOfDay(hour, minute);
        if (!first && t < previous) return std::nullopt;
        if (first) {
            schedule.m_tDayStart = t;
            first = false;
        } else {
            schedule.m_arrIntervals.push_back({static_cast<int>((t - previous) / 60), pendingLabel});
        }
        pendingLabel = isBreak ? entry.Mid(6) : CString();
        pendingLabel.Trim(L" ");
        previous = t;
    }
    if (first) return std::nullopt;
    return schedule;
}

std::vector<CString> FormatLessonList(const CLessonSchedule& schedule) {
    std::vector<CString> lessons;
    __time64_t t = schedule.m_tDayStart;
    auto clock = [](__time64_t time) {
        CString text;
        text.Format(L"%02d:%02d", GetLocalHour(time), GetLocalMinute(time));
        return text;
    };
    for (const CLessonInterval& interval : schedule.m_arrIntervals) {
        lessons.push_back(interval.m_strLabel.IsEmpty() ? clock(t) : L"!" + clock(t) + L" " + interval.m_strLabel);
        t += static_cast<__time64_t>(interval.m_nMinutes) * 60;
    }
    lessons.push_back(clock(t));
    return lessons;
}
