#include "model/lesson_hours.h"

#include <cwchar>
#include <vector>

#include "model/chime_set.h"
#include "model/document_values.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

// String id of the lesson word in the two-line caption.
constexpr UINT kLessonCaptionId = 60697;

bool IsBreak(const CString& text) { return text.GetAt(0) == L'!'; }

const CChimeSet* FindChimeSetOrFirst(const CScheduleData& data, int chimeSetId) {
    if (chimeSetId == 0) return data.m_arrChimeSets.empty() ? nullptr : &data.m_arrChimeSets.front();
    const auto found = data.FindChimeSet(chimeSetId);
    return found == data.m_arrChimeSets.end() ? nullptr : &*found;
}

}  // namespace

int GetHourSlot(const CScheduleData& data, __time64_t t) {
    // Slots belong to the day: only the time of day counts, so a full date never walks
    // through the hours of the years since 2000.
    const long long time = GetLocalSecondsOfDay(t);
    const long long dayStart = GetLocalSecondsOfDay(data.m_tDayStart);
    if (time < 0 || dayStart < 0) return -1;
    const long long offset = time - dayStart;
    // Earlier means by 3 minutes or more.
    if (offset <= -180) return -1;
    if (offset < 180) return 0;
    // The first slot s whose start is not 3 minutes or more before the time.
    return static_cast<int>((offset - 180) / 3600 + 1);
}

CString GetLessonStartText(const CScheduleData& data, int lesson, int chimeSetId) {
    const CChimeSet* chimeSet = FindChimeSetOrFirst(data, chimeSetId);
    __time64_t start = data.m_tDayStart + static_cast<__time64_t>(lesson) * 3600;
    if (chimeSet) {
        const std::size_t i = chimeSet->FindLesson(lesson);
        if (i < chimeSet->m_arrIntervals.size()) start = chimeSet->m_arrIntervals[i].m_tStart;
    }
    return FormatClockTime64(start);
}

CString GetHourText(const CScheduleData& data, int i) {
    const long long hours = (static_cast<long long>(i) + data.m_nHourIndex) % 24;
    CString text;
    text.Format(L"%02d", static_cast<int>(hours < 0 ? hours + 24 : hours));
    return text;
}

CString GetLessonCaption(const CScheduleData& data, int mode, int chimeSetId, int i) {
    if (mode == 1) return GetLessonStartText(data, i, chimeSetId);
    if (mode == 2) {
        CString text;
        text.Format(L"%s<strong>&nbsp%s</strong></br>%s", LoadResString(kLessonCaptionId), GetHourText(data, i),
                    GetLessonStartText(data, i, chimeSetId));
        return text;
    }
    return GetHourText(data, i);
}

bool ReadLessonClock(CString text, int& hour, int& minute) {
    text.Replace(L':', L' ');
    if (std::swscanf(text.GetString(), L"%d%d", &hour, &minute) != 2) return false;
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

int CountLessons(IAppSettings& settings) {
    int count = 0;
    for (const CString& text : settings.GetWordList(WordList::Lessons))
        if (!IsBreak(text)) ++count;
    return count;
}

bool IsLessonBeforeBreak(const CScheduleData& data, __time64_t t) {
    IAppSettings& settings = data.Settings();
    if (settings.GetTimeAxisMode() == 0 || settings.GetReportFlag() != 0) return false;
    const int hour = GetLocalHour(t);
    if (hour < 0) return false;
    const int slot = GetHourSlot(data, MakeTimeOfDay(hour, 0));
    const std::vector<CString>& lessons = settings.GetWordList(WordList::Lessons);
    int number = 0;
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        if (IsBreak(lessons[i])) continue;
        if (++number == slot) return i + 1 < lessons.size() && IsBreak(lessons[i + 1]);
    }
    return false;
}

std::size_t GetLessonRangeEnd(const CScheduleData& data, int chimeSetId, __time64_t t) {
    const auto chimeSet = data.FindChimeSet(chimeSetId);
    if (chimeSet == data.m_arrChimeSets.end()) return 0;
    const std::vector<CChimeInterval>& intervals = chimeSet->m_arrIntervals;
    if (data.Settings().GetTimeAxisMode() == 0) return intervals.size();
    const int wanted = GetHourSlot(data, t);
    int number = 0;
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        if (!intervals[i].m_strBreak.IsEmpty()) continue;
        if (++number != wanted) continue;
        if (i + 1 == intervals.size() || !intervals[i + 1].m_strBreak.IsEmpty()) return i + 1;
        break;
    }
    return intervals.size();
}

std::size_t GetLessonRangeBegin(const CScheduleData& data, int chimeSetId, __time64_t t) {
    const auto chimeSet = data.FindChimeSet(chimeSetId);
    if (chimeSet == data.m_arrChimeSets.end()) return 0;
    const std::vector<CChimeInterval>& intervals = chimeSet->m_arrIntervals;
    if (data.Settings().GetTimeAxisMode() == 0) return intervals.size();
    const std::size_t i = chimeSet->FindLesson(GetHourSlot(data, t));
    if (i == 1 && !intervals[0].m_strBreak.IsEmpty()) return 0;
    return intervals.size();
}
