#pragma once
// CReportEvent: one noteworthy fact of the plan that the report wizard reports: a stand-in of an
// entity in a timetable entry, an absence, a linked entry, a moved or a newly placed entry,
// with its times and ready-made texts. Names in the texts are those of the open document.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;

class CReportEvent {
public:
    // The event kinds.
    enum Kind {
        kReplacement = 1,          // a replacement record of an entry
        kExtendingReplacement = 2,  // a record with EXTENDING whose entity is busy elsewhere then
        kAbsence = 3,
        kLinked = 4,               // an entry that does not take place (state 7)
        kMoved = 5,                // an entry whose start differs from its unmoved start
        kNewlyPlaced = 6,          // the same, but the entry had no place before (1970)
    };
    // What GetStartTimeOfDay gives for a start that has no time of day.
    static constexpr __time64_t kNoTime = -1;

    // The kind's name; empty for a kind outside 1 to 6.
    CString GetKindName() const;
    // The short text: feed titles with forFeed, list rows without.
    CString FormatSummary(const CScheduleData& data, bool forFeed) const;
    // The long text of feed descriptions, with the remark appended.
    CString FormatDescription(const CScheduleData& data) const;
    // The time of day of start (of start + length) as a 64-bit local time on 1 January 2000,
    // seconds 0; kNoTime when the value is not valid or has no local form.
    __time64_t GetStartTimeOfDay() const;
    __time64_t GetEndTimeOfDay() const;
    // The hour slot of the start's time of day; -1 when it has none.
    int GetStartHourSlot(const CScheduleData& data) const;

    int kind = 0;
    int paid = 0;
    int allDay = 0;
    int approved = 0;
    int hasGroup = 0;
    int entityId = 0;
    int secondEntityId = 0;
    int sequence = 0;
    COleDateTime start{0.0};
    COleDateTime originalStart{0.0};
    COleDateTimeSpan length{0.0};
    std::vector<int> participants;  // type-0 participants of the entry
    CString text;
    CString dayTitle;
    CString whenText;
    CString fund;
    CString company;
    CString reason;
    CString category;
    CString remark;
    CString rooms;
    // What tells the event apart from the plan's others that start with it: the kind and the
    // entry (activity and first placement) with the stand-in's record, or the absent entity.
    // The same event of a later build of the list has the same one.
    CString identity;
};

// The name of the entity with the id in the document; empty when there is none.
CString GetEntityNameOf(const CScheduleData& data, int id);
