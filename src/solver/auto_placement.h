#pragma once
// The greedy placement pass: the entries with the fewest possible slots are placed first, and a
// placement the solver made that does not fit beside those placed before it is left out. Entries
// the plan held before the run are never left out and keep their state and original time.
class CScheduleData;
class CTimetableEntry;

// True when a has fewer candidate slots than b: the order of the pass.
bool CompareCandidateCount(const CTimetableEntry& a, const CTimetableEntry& b);

void RunAutoPlacement(CScheduleData& data);
