#pragma once
// The choices still open to the exhaustive search: one record per allowed slot option of every
// open entry. An entry is decided when exactly one of its records remains.
#include <vector>

class CPlanIndex;
class CScheduleData;
class CSolverWork;
class CTimetableEntry;

class CCandidateRecord {
public:
    int m_nActivity = 0;
    int m_nGroup = 0;        // carried, not read
    int m_nOption = 0;       // index into the entry's slot options
    int m_nEntryIndex = 0;   // rank of the entry among those that got records
    CTimetableEntry* m_pEntry = nullptr;
};

class CCandidateSet {
public:
    std::vector<CCandidateRecord> m_arrRecords;  // one entry's records together, in option order
    int m_nEntryCount = 0;
    int m_nNextEntryIndex = 0;  // the entry decided on the next level
};

// One record per option of every entry with options and an existing activity, in timetable order.
CCandidateSet BuildSlotCandidates(CScheduleData& data);
// The set with c's entry decided on c's option; another entry of c's activity loses the records
// that would start it at the same time.
CCandidateSet FixCandidate(const CCandidateSet& set, const CCandidateRecord& chosen);
// Writes the chosen option's start into the entry; false when the option does not exist.
bool ApplyCandidateOption(const CCandidateRecord& record);
// Decided entries go to their chosen start, undecided ones to the unset mark.
bool ApplyCandidateSet(const CCandidateSet& set);
// Applies the set, then tests it: no entity over its OVERLAPS limit, every undecided option still
// placeable (options that are not are removed from the set), every entry left with an option and
// no unplaceable time left.
bool ApplyAndCheckCandidateSet(CScheduleData& data, const CSolverWork& work, CCandidateSet& set,
                               const CPlanIndex* index = nullptr);
// One record per entry and every entry placed.
bool IsCandidateSetComplete(const CCandidateSet& set);
