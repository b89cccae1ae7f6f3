#pragma once
// Whether the activity of one timetable item may stand in the slot of another item.
class CPlanIndex;
class CScheduleData;
class CTimeTableItem;

// CScheduleData::CanPlaceEntry for x's activity, w's activity excluded, with an entry of x's
// activity at w's start for w's length; false when x's activity is not in the document. The
// index, when given, must describe the unchanged store.
bool CanPlaceActivityAt(const CScheduleData& data, const CTimeTableItem& x, const CTimeTableItem& w,
                        const CPlanIndex* index = nullptr);
