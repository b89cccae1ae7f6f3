#include "model/description_texts.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

constexpr UINT kLessonSpanId = 60479;
constexpr UINT kLessonSingleId = 60480;
constexpr UINT kWhenHoursSpanId = 60481;
constexpr UINT kWhenLessonsSpanId = 60482;
constexpr UINT kWhenHourId = 60483;
constexpr UINT kWhenLessonId = 60484;
constexpr UINT kWhenPlainSpanId = 60485;
constexpr UINT kWhenPlainId = 60486;
constexpr UINT kRoomsLocationId = 60509;
constexpr UINT kEntryTitleId = 60510;

// The local time of day of a date value, as times of day are stored (1 January 2000).
__time64_t TimeOfDay(const COleDateTime& t) { return MakeTimeOfDay(t.GetHour(), t.GetMinute()); }

// Whole hours from a to b, within a day (0 to 23).
int HoursWithinDay(__time64_t a, __time64_t b) {
    const int hours = WholeHours(static_cast<double>(b - a) / 86400.0) % 24;
    return hours < 0 ? hours + 24 : hours;
}

CString RoomLabel(const CEntity& room, bool markup) {
    const CString& label = room.m_strAddress.IsEmpty() ? room.m_strName : room.m_strAddress;
    return markup ? EscapeHtmlLiteText(label) : label;
}

}  // namespace

CString CTimetableEntry::FormatLessonSpan(const CScheduleData& data, int thresholdMinutes) const {
    const int startSlot = GetHourSlot(data, TimeOfDay(m_dtStart));
    const int endSlot = GetHourSlot(data, TimeOfDay(GetEndTime()));
    CString text;
    if (WholeMinutes(m_tsLength) > thresholdMinutes)
        text.Format(kLessonSpanId, GetLessonCaption(data, 0, 0, startSlot),
                    GetLessonCaption(data, 0, 0, endSlot));
    else
        text.Format(kLessonSingleId, GetLessonCaption(data, 0, 0, startSlot));
    return text;
}

CString CTimetableEntry::FormatWhenText(const CScheduleData& data, int mode, int chimeSetId) const {
    const __time64_t start = TimeOfDay(m_dtStart);
    const __time64_t end = TimeOfDay(GetEndTime());
    const int a = HoursWithinDay(data.m_tDayStart, start);
    const int b = HoursWithinDay(data.m_tDayStart, end);
    const CString day = data.FormatDayTitle(data.GetDayIndex(m_dtStart));
    const bool severalSlots = HoursWithinDay(start, end) > 1;
    auto caption = [&](int i) { return GetLessonCaption(data, mode, chimeSetId, i); };

    CString text;
    if (CountLessons(data.Settings()) > 0) {
        if (severalSlots && mode != 0)
            text.Format(kWhenLessonsSpanId, day, caption(a), caption(b));
        else if (severalSlots)
            text.Format(kWhenHoursSpanId, day, caption(a), caption(b - 1));
        else
            text.Format(mode != 0 ? kWhenLessonId : kWhenHourId, day, caption(a));
    } else if (severalSlots) {
        text.Format(kWhenPlainSpanId, day, caption(a), caption(b - 1));
    } else {
        text.Format(kWhenPlainId, day, caption(a));
    }
    return text;
}

CString BuildEntryRoomsText(const CScheduleData& data, const CTimetableEntry& entry, int entityId, bool markup,
                            const CPlanIndex* index) {
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity != data.m_arrActivities.end() && !activity->m_strLocation.IsEmpty()) {
        CString text;
        text.Format(kRoomsLocationId, markup ? EscapeHtmlLiteText(activity->m_strLocation) : activity->m_strLocation);
        return text;
    }

    std::vector<int> candidates;
    entry.GetRoomsByAssociation(data, candidates, index);
    std::vector<const CEntity*> rooms;
    for (int id : candidates) {
        const auto room = data.FindEntity(id);
        if (room != data.m_arrEntities.end() && !entry.IsRoomTakenElsewhere(data, id, index))
            rooms.push_back(&*room);
    }

    CString text;
    if (rooms.size() >= 2) {
        if (data.FindEntity(entityId) == data.m_arrEntities.end()) {
            std::vector<int> occupants;
            for (const CEntity* room : rooms) {
                entry.GetRoomOccupants(data, room->m_nId, occupants);
                CString names;
                for (int id : occupants) {
                    const auto occupant = data.FindEntity(id);
                    if (occupant == data.m_arrEntities.end()) continue;
                    names += (markup ? EscapeHtmlLiteText(occupant->m_strName) : occupant->m_strName) + L", ";
                }
                names.TrimRight(L", ");
                if (occupants.empty()) continue;
                text += RoomLabel(*room, markup) + L": " + names + L"<br>";
            }
        } else {
            for (const CEntity* room : rooms)
                if (entry.HasAssociation(data, entityId, room->m_nId))
                    text += RoomLabel(*room, markup) + L", ";
        }
    }
    if (text.IsEmpty())
        for (const CEntity* room : rooms) text += RoomLabel(*room, markup) + L", ";
    text.TrimRight(L", ");
    return text;
}

CString CTimetableEntry::FormatRoomsText(const CScheduleData& data, int entityId) const {
    return BuildEntryRoomsText(data, *this, entityId, false);
}

CString CTimetableEntry::FormatTitle(CScheduleData& data, int mode, int chimeSetId) const {
    const auto activity = data.FindActivity(m_nActivity);
    const CString what = activity != data.m_arrActivities.end() ? FormatActivityWithMembers(data, *activity) : CString();
    CString text;
    text.Format(kEntryTitleId, what, FormatWhenText(data, mode, chimeSetId));
    return text;
}
