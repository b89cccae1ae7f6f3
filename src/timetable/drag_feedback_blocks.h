#pragma once
// The time blocks that a drag of an activity or an activity group shows on the timetable grid
// and on the magnet board: the entries it clashes with, widened to the lessons of the dragged
// chime set, and the absences and days off of its members.
#include <cstdint>
#include <vector>

#include "platform/core/ole_date_time.h"
#include "timetable/item_time.h"

class CEntity;
class CScheduleData;

// The unlinked entries that clash with the activity id (groupFlag 0) or with an activity of the
// group id (groupFlag 1), in the document's order: each block has the entry's start and length,
// its chime set as tag and its activity as day index. An activity is dragged without its own
// entry excludedEntry (a serial; 0 for none); a group is dragged without the entries of its
// activities that overlap excludedEntry. An entry whose activity is gone ends the collection.
std::vector<CItemTime> CollectClashBlocks(const CScheduleData& data, int id, std::uint64_t excludedEntry, int groupFlag);

// Clash blocks of entries on another chime set are widened to the lessons of both sets: the
// start back to where the dragged set's previous lesson ends, the end on to the end of the
// block's last lesson in its own set past the start of the dragged lesson that would follow
// it. Nothing happens when chimeSetId is 0 or names no chime set.
void AlignClashBlocksToChimeSets(const CScheduleData& data, std::vector<CItemTime>& blocks, int chimeSetId,
                                 const COleDateTimeSpan& length);

// Appends a block for every absence of the member (tag: its whole-day flag) and one from 01:00
// lasting 22 hours (tag 1) for every plan day on which the member has no working time.
void AppendAbsencesAndDaysOff(const CScheduleData& data, const CEntity& member, std::vector<CItemTime>& blocks);
