#pragma once
// Orders and scores of candidate slots.
#include <vector>

#include "model/candidate_slot.h"

class CActivity;
class CPlanIndex;
class CScheduleData;
class CTimetableEntry;

// a before b when b starts later by 3 minutes or more.
bool LessCandidateSlot(const CCandidateSlot& a, const CCandidateSlot& b);
// The mean score of the entry's slots weighted by its length in hours; 0 without slots.
double ComputeEntryScore(const CTimetableEntry& entry);
// The weight of an activity for the solver: the best entry score, or 1,000,000 plus the
// remaining minutes when the remaining time does not fit the free slots. Appends every slot of
// the activity's entries to out.
double ComputeActivityWeight(const CScheduleData& data, std::vector<CCandidateSlot>& out, const CActivity& activity,
                             const CPlanIndex* index = nullptr);
