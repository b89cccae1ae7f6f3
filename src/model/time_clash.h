#pragma once
// When two placements of one entity collide in time, and the order of an entity's items.
#include <vector>

class CEntity;
class COleDateTime;
class CEntityItem;
class CScheduleData;
class CTimetableEntry;

// Whether two intervals lie more than ten minutes apart, so that they share nothing; false
// when that cannot be told at once (an interval that is not valid or runs backwards). A quick
// test before the tolerant comparisons of IntersectIntervals.
bool IntervalsLieApart(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2, const COleDateTime& e2);

// Whether the stored entry and the tested entry (of chime set chimeSetId) collide: they share
// more than 3 minutes, or they only touch, use different chime sets, and the earlier one's
// lessons run past the start of the later one's (each snapped in its own set). A tested entry
// that is not placed (a valid start in 1970) clashes with nothing.
bool EntriesClashInTime(const CScheduleData& data, const CTimetableEntry& other, int chimeSetId,
                        const CTimetableEntry& entry);
// The same for two items of a sorted item list, the earlier one second, each with its own
// chime set.
bool ItemsClashInTime(const CScheduleData& data, const CEntityItem& later, const CEntityItem& earlier);

// Item order: by start (3-minute tolerance); at the same start the smaller state, then the
// larger ordering number, then the longer item.
bool LessEntityItem(const CEntityItem& a, const CEntityItem& b);
// A stable sort of the entity's item list by LessEntityItem.
void SortEntityItems(CEntity& entity);
void SortEntityItems(std::vector<CEntityItem>& items);
