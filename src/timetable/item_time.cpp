#include "timetable/item_time.h"

#include "model/schedule_data.h"

namespace {
COleDateTimeSpan WholeMinutesSpan(std::int64_t seconds) {
    return COleDateTimeSpan(static_cast<double>(seconds / 60) / (24.0 * 60.0));
}
}  // namespace

CItemTime::CItemTime(const COleDateTime& start, const COleDateTimeSpan& duration, int tag, int dayIndex)
    : m_dtStart(start), m_tsDuration(duration), m_nDayIndex(dayIndex), m_nTag(tag) {}

void CItemTime::Init(const CScheduleData& data, const COleDateTime& start, const COleDateTimeSpan& duration,
                     int tag) {
    m_dtStart = start;
    m_tsDuration = duration;
    m_nTag = tag;
    m_nDayIndex = data.GetDayIndex(start);
}

COleDateTime CItemTime::GetEndTime() const { return m_dtStart + m_tsDuration; }

void CItemTime::ExtendEnd(std::int64_t seconds) { m_tsDuration += WholeMinutesSpan(seconds); }

void CItemTime::ExtendStart(std::int64_t seconds) {
    const COleDateTimeSpan minutes = WholeMinutesSpan(seconds);
    m_dtStart -= minutes;
    m_tsDuration += minutes;
}
