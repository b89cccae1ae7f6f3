#pragma once
// The greedy placement pass: the entries with the fewest possible slots are placed first, and an
// entry that no longer fits beside those placed before it is taken out of the timetable grid
// (it stays in the plan, unplaced).
class CScheduleData;
class CTimetableEntry;

// True when a has fewer candidate slots than b: the order of the pass.
bool CompareCandidateCount(const CTimetableEntry& a, const CTimetableEntry& b);

void RunAutoPlacement(CScheduleData& data);
