#pragma once
// The greedy placement pass: the entries with the fewest possible slots are placed first. An
// entry the plan held before the solver run is never left out: one the run moved that does not
// fit beside those placed before it goes back to where it stood before the run, and the user is
// told how many went back; only an entry the run itself made is left out when it does not fit.
// The plan before the run is the undo snapshot the solver wizard takes; without a snapshot every
// entry counts as the plan's own.
class CScheduleData;
class CTimetableEntry;

// True when a has fewer candidate slots than b: the order of the pass.
bool CompareCandidateCount(const CTimetableEntry& a, const CTimetableEntry& b);

// Gives the number of entries that went back to their places.
int RunAutoPlacement(CScheduleData& data);
