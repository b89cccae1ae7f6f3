#include "model/chime_set.h"

#include <algorithm>
#include <stdexcept>

#include "model/lesson_hours.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

constexpr __time64_t kHour = 3600;

__time64_t TimeOfDayOrThrow(int hour, int minute) {
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1) throw std::invalid_argument("time of day cannot be made");
    return t;
}


}  // namespace

std::size_t CChimeSet::FindLesson(int lesson) const {
    if (lesson < 0) return m_arrIntervals.size();
    int k = 0;
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i) {
        if (!m_arrIntervals[i].m_strBreak.IsEmpty()) continue;
        if (k == lesson) return i;
        ++k;
    }
    return m_arrIntervals.size();
}

__time64_t CChimeSet::GetLessonStart(const CScheduleData& data, int lesson) const {
    // Before the first lesson, and in a set without intervals, lessons run hour by hour from
    // the day start, so lesson i matches hour slot i.
    if (lesson < 0 || m_arrIntervals.empty()) return data.m_tDayStart + lesson * kHour;
    __time64_t last = data.m_tDayStart;
    int k = 0;
    for (const CChimeInterval& interval : m_arrIntervals) {
        last = interval.m_tStart;
        if (!interval.m_strBreak.IsEmpty()) continue;
        if (k == lesson) return interval.m_tStart;
        ++k;
    }
    return last + (lesson - k + 1) * kHour;
}

__time64_t CChimeSet::GetLessonEnd(const CScheduleData& data, int lesson) const {
    const std::size_t i = FindLesson(lesson);
    if (i + 1 < m_arrIntervals.size()) return m_arrIntervals[i + 1].m_tStart;
    return GetLessonStart(data, lesson + 1);
}

void CChimeSet::SnapToLessons(const CScheduleData& data, const COleDateTime& start, const COleDateTimeSpan& length,
                              __time64_t& lessonStart, __time64_t& lessonEnd) const {
    // An entry shorter than an hour still covers its first lesson.
    const int hours = std::max(1, WholeMinutes(length.m_span) / 60);
    const int slot = GetHourSlot(data, TimeOfDayOrThrow(start.GetHour(), start.GetMinute()));
    lessonStart = GetLessonStart(data, slot);
    lessonEnd = GetLessonEnd(data, slot + hours - 1);
}

bool CChimeSet::LoadLessonTimes(IAppSettings& settings) {
    m_arrIntervals.clear();
    const std::vector<CString>& lessons = settings.GetWordList(WordList::Lessons);
    // Entries without a readable time are left out; times that go back would make lessons of
    // negative length, so such a list gives nothing.
    for (const CString& text : lessons) {
        const bool isBreak = !text.IsEmpty() && text[0] == L'!';
        int hour = 0, minute = 0;
        if (!ReadLessonClock(isBreak ? text.Mid(1, 5) : text, hour, minute)) continue;
        CChimeInterval interval{TimeOfDayOrThrow(hour, minute), isBreak ? text.Mid(6) : CString()};
        if (!m_arrIntervals.empty() && interval.m_tStart < m_arrIntervals.back().m_tStart) {
            m_arrIntervals.clear();
            break;
        }
        m_arrIntervals.push_back(std::move(interval));
    }
    const bool read = lessons.empty() || !m_arrIntervals.empty();
    if (m_arrIntervals.empty())
        for (int hour = 7; hour < 16; ++hour) m_arrIntervals.push_back({TimeOfDayOrThrow(hour, 0), CString()});
    return read;
}
