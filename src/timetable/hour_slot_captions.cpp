#include "timetable/hour_slot_captions.h"

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

CString GetHourSlotText(int i) {
    if (i < 0 || i >= kHourSlotCaptions) return CString();
    return LoadResString(IDS_HOUR_SLOT_0 + i);
}

CString GetHourSlotCaption(const CScheduleData& data, __time64_t t) {
    struct tm parts {};
    if (_localtime64_s(&parts, &t) != 0) return CString();
    const int dayStartHour = GetLocalHour(data.m_tDayStart);
    if (dayStartHour < 0) return CString();
    const CTime base(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, dayStartHour, 0, 0);
    if (!base.IsValid() || CompareTime64Approx(t, base.GetTime()) != 1) return CString();
    return GetHourSlotText(static_cast<int>((t - base.GetTime()) / 3600) + data.m_nHourIndex);
}

CString GetHourSlotCaptionOfDate(const CScheduleData& data, const COleDateTime& d) {
    const int dayStartHour = GetLocalHour(data.m_tDayStart);
    if (d.GetStatus() != COleDateTime::valid || dayStartHour < 0) return CString();
    const COleDateTime base(d.GetYear(), d.GetMonth(), d.GetDay(), dayStartHour, 0, 0);
    if (CompareTimesApprox(d, base) != 1) return CString();
    return GetHourSlotText(WholeHours(d - base));
}
