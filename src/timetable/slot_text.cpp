#include "timetable/slot_text.h"

#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/hour_slot_captions.h"
#include "timetable/item_time.h"

CString FormatSlotText(const CScheduleData& data, const CItemTime& block) {
    const COleDateTime& start = block.m_dtStart;
    if (start.GetStatus() != COleDateTime::valid) return CString();
    const int day = data.GetDayIndex(start);
    const int dayStartHour = GetLocalHour(data.m_tDayStart);
    const COleDateTime slotZero(start.GetYear(), start.GetMonth(), start.GetDay(), std::max(0, dayStartHour), 0, 0);
    const int h = WholeHours(static_cast<double>(start - slotZero));
    if (h < 0 || h >= 12) return CString();
    CString text;
    text.Format(L"%s - %s", data.FormatDayTitle(day).GetString(), GetHourSlotText(h).GetString());
    return text;
}
