#include "report_builders/report_event.h"

#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

__time64_t TimeOfDayOf(const COleDateTime& t) {
    if (t.GetStatus() != COleDateTime::valid) return CReportEvent::kNoTime;
    const int hour = t.GetHour(), minute = t.GetMinute();
    if (hour < 0 || minute < 0) return CReportEvent::kNoTime;
    const __time64_t time = MakeTimeOfDay(hour, minute);
    return time == -1 ? CReportEvent::kNoTime : time;
}

CString Formatted(UINT id, const CString& a) {
    CString text;
    text.Format(id, a.GetString());
    return text;
}

CString Formatted(UINT id, const CString& a, const CString& b) {
    CString text;
    text.Format(id, a.GetString(), b.GetString());
    return text;
}

CString Formatted(UINT id, const CString& a, const CString& b, const CString& c) {
    CString text;
    text.Format(id, a.GetString(), b.GetString(), c.GetString());
    return text;
}

CString Formatted(UINT id, const CString& a, const CString& b, const CString& c, const CString& d) {
    CString text;
    text.Format(id, a.GetString(), b.GetString(), c.GetString(), d.GetString());
    return text;
}

bool HasEntity(const CScheduleData& data, int id) { return data.FindEntity(id) != data.m_arrEntities.end(); }

}  // namespace

CString GetEntityNameOf(const CScheduleData& data, int id) {
    const auto entity = data.FindEntity(id);
    return entity != data.m_arrEntities.end() ? entity->m_strName : CString();
}

CString CReportEvent::GetKindName() const {
    switch (kind) {
    case kReplacement: return LoadResString(IDS_EVENT_KIND_REPLACEMENT);
    case kExtendingReplacement: return LoadResString(IDS_EVENT_KIND_EXTENDING);
    case kAbsence: return LoadResString(IDS_EVENT_KIND_ABSENCE);
    case kLinked: return LoadResString(IDS_EVENT_KIND_LINKED);
    case kMoved: return LoadResString(IDS_EVENT_KIND_MOVED);
    case kNewlyPlaced: return LoadResString(IDS_EVENT_KIND_NEW);
    default: return CString();
    }
}

CString CReportEvent::FormatSummary(const CScheduleData& data, bool forFeed) const {
    const CString name = GetEntityNameOf(data, entityId);
    switch (kind) {
    case kReplacement: return forFeed ? Formatted(IDS_EVENT_FEED_REPLACEMENT, text) : text;
    case kExtendingReplacement:
        if (!HasEntity(data, secondEntityId)) return CString();
        return Formatted(forFeed ? IDS_EVENT_FEED_EXTENDING : IDS_EVENT_ROW_EXTENDING, name,
                         GetEntityNameOf(data, secondEntityId));
    case kAbsence: return forFeed ? Formatted(IDS_EVENT_FEED_ABSENCE, name) : name;
    case kLinked: return forFeed ? Formatted(IDS_EVENT_FEED_LINKED, text) : text;
    case kMoved: return forFeed ? Formatted(IDS_EVENT_FEED_MOVED, text) : text;
    case kNewlyPlaced: return forFeed ? Formatted(IDS_EVENT_FEED_NEW, text) : text;
    default: return CString();
    }
}

CString CReportEvent::FormatDescription(const CScheduleData& data) const {
    const CString name = GetEntityNameOf(data, entityId);
    const bool hasSecond = HasEntity(data, secondEntityId);
    const CString second = GetEntityNameOf(data, secondEntityId);
    const CTimetableEntry current(start, length), earlier(originalStart, length);
    CString description;
    switch (kind) {
    case kReplacement:
        description = hasSecond ? Formatted(IDS_EVENT_DESC_REPLACEMENT, name, second, text, dayTitle)
                                : Formatted(IDS_EVENT_DESC_REPLACEMENT_ONLY, name, text, dayTitle);
        break;
    case kExtendingReplacement:
        if (hasSecond) description = Formatted(IDS_EVENT_DESC_EXTENDING, name, second, text, dayTitle);
        break;
    case kAbsence: {
        const auto entity = data.FindEntity(entityId);
        const int type = entity != data.m_arrEntities.end() ? entity->m_nType : -1;
        if (type == 2)
            description = allDay ? Formatted(IDS_EVENT_DESC_ABSENT_DAY_2, name, dayTitle)
                                 : Formatted(IDS_EVENT_DESC_ABSENT_2, name, dayTitle, text);
        else if (type == 1)
            description = allDay ? Formatted(IDS_EVENT_DESC_ABSENT_DAY_1, name, dayTitle)
                                 : Formatted(IDS_EVENT_DESC_ABSENT_1, name, dayTitle, text);
        break;
    }
    case kLinked: description = Formatted(IDS_EVENT_DESC_LINKED, text, dayTitle); break;
    case kMoved:
        description = Formatted(IDS_EVENT_DESC_MOVED, text, earlier.FormatWhenText(data, 0, 0),
                                current.FormatWhenText(data, 0, 0));
        break;
    case kNewlyPlaced: description = Formatted(IDS_EVENT_DESC_NEW, text, current.FormatWhenText(data, 0, 0)); break;
    default: break;
    }
    if (!remark.IsEmpty()) description += Formatted(IDS_EVENT_DESC_REMARK, remark);
    return description;
}

__time64_t CReportEvent::GetStartTimeOfDay() const { return TimeOfDayOf(start); }

__time64_t CReportEvent::GetEndTimeOfDay() const { return TimeOfDayOf(start + length); }

int CReportEvent::GetStartHourSlot(const CScheduleData& data) const {
    const __time64_t t = GetStartTimeOfDay();
    return t == kNoTime ? -1 : GetHourSlot(data, t);
}
