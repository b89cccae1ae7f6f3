#pragma once
// What one entity does in one hour of one plan day: nothing, absent, unavailable, the first
// hour of a block of activities (with the block's length), or an hour that continues a block.
// Every day-plan table of the reports and of the week grids is built from these cells.
#include <vector>

#include "model/timetable_entry.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CDayPlanIndex;
class CScheduleData;

class CDayPlanCell {
public:
    enum Kind { Free = 0, Covered = 1, Absent = 2, Busy = 3, Unavailable = 4, Linked = 5 };

    // The cell of plan day dayIndex (from the plan's start date) at the local hour and minute
    // of timeOfDay. The index, when given, must describe the unchanged store; it only speeds
    // up the walks over the timetable.
    CDayPlanCell(const CScheduleData& data, int entityId, int dayIndex, __time64_t timeOfDay,
                 const CDayPlanIndex* index = nullptr);
    // The same from a day given by its date.
    CDayPlanCell(const CScheduleData& data, int entityId, const COleDateTime& day, __time64_t timeOfDay,
                 const CDayPlanIndex* index = nullptr);

    // Fills kind, entries, groupId and length. activityBlocks: blocks follow activities rather
    // than groups; lessonAxis: blocks stop at breaks between lessons. firstRow: the hour is the
    // first row of its table, so it starts a block even when the block began earlier.
    void Compute(bool activityBlocks, bool lessonAxis, bool firstRow = false);
    // The entries of the hour from start: a copy of each entry (a room keeps only the one in
    // which its role is strongest), with the computed state as status, by activity id.
    void CollectEntries(std::vector<CTimetableEntry>& list, const COleDateTime& start, int entityType) const;
    // From the cell's time to the latest end of its entries; at least one hour.
    COleDateTimeSpan GetStretchLength() const;
    // length in whole hours, truncated.
    int GetLengthHours() const;
    bool AllEntriesLinked() const;
    // The number of table rows a block starting here takes: this hour and every following
    // hour, up to (not including) tableEnd, that continues it. Unlike GetLengthHours this
    // counts an hour the block only partly fills.
    int GetRowSpan(bool activityBlocks, bool lessonAxis, const COleDateTime& tableEnd) const;
    // The HTML-lite description of entry i of the hour for the cell's entity: BuildActivityHtml in
    // the layout of the entity's type.
    CString DescribeEntry(std::size_t i, bool participants) const;

    int kind = Free;
    std::vector<CTimetableEntry> entries;
    int entityId = 0;
    COleDateTime time;
    COleDateTimeSpan length;
    int groupId = 0;

private:
    const CScheduleData& m_data;
    const CDayPlanIndex* m_index;
};

// Some entry starts 3 minutes or more before the time (an entry without a valid start counts).
bool AnyEntryStartsBefore(const COleDateTime& time, const std::vector<CTimetableEntry>& list);
// The group every entry's activity belongs to; 0 for none, a missing activity or two groups.
int GetCommonGroupId(const CScheduleData& data, const std::vector<CTimetableEntry>& list);
// The same number of entries with equal activity ids position by position.
bool HaveSameActivities(const std::vector<CTimetableEntry>& a, const std::vector<CTimetableEntry>& b);
int CountEntriesInList(const CDayPlanCell& cell);
// A 64-bit time of day (1 January 2000) at the local hour and minute of a date.
__time64_t TimeOfDayOf(const COleDateTime& t);
// The date of day at the local hour and minute of timeOfDay, second 0.
COleDateTime AtTimeOfDay(const COleDateTime& day, __time64_t timeOfDay);
