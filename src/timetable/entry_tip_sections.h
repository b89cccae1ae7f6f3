#pragma once
// Sections of the HTML-lite tips that the timetable grid and the magnet board show for an entry
// and for a drag: they share the pictures, headings and lines.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CActivity;
class CScheduleData;
class CTimetableEntry;

// The picture of the panel's image strip at the index.
CString TipImage(int index);
// The participants of the entry who are absent, unavailable or standing in elsewhere during
// start..end, each on a line of its own with the picture of its type.
CString ParticipantsNotFree(const CScheduleData& data, const CTimetableEntry& entry, const COleDateTime& start,
                            const COleDateTime& end);
// Whether the entity takes part in the group's entry: a member of the activity, a participant
// of the entry, or a room the entry prefers.
bool TakesPartInGroupEntry(const CScheduleData& data, const CActivity& activity, const CTimetableEntry& entry,
                           int entityId);
// What a dated plan adds to an entry's tip: the remark, and the planned time when the entry
// was moved from it.
CString EntryRemarkAndMoveTip(CScheduleData& data, const CTimetableEntry& entry, const CString& remark);
// The heading of an activity of a group within a drag tip.
CString GroupActivityTipHeading(const CString& title);
// A drag tip: the clash section and the not-free section, each under its heading when not
// empty; empty when both are.
CString ComposeDragTip(const CString& clashes, const CString& participants);
