#pragma once
// The work lists a solver run builds before it searches, and what it remembers of the entries
// it may move so that it can put them back.
#include <cstdint>
#include <vector>

#include "platform/core/ole_date_time.h"

// An activity whose entries, placed or not, fall short of its DURATION.
class CUnderplannedActivity {
public:
    int m_nShares = 0;  // 1 when an entry belongs to an activity sharing a member with it
    int m_nActivity = 0;
    COleDateTimeSpan m_tsRemaining;
    COleDateTimeSpan m_tsMeeting;
};

// The time a type-0 entity needs in one activity group.
class CGroupHourLimit {
public:
    int m_nEntity = 0;
    int m_nGroup = 0;
    COleDateTimeSpan m_tsRequired;
};

// An entry the run may move, as it was before the run.
class CEntryBefore {
public:
    std::uint64_t m_nSerial = 0;
    COleDateTime m_dtStart;
    COleDateTime m_dtUnmovedStart;
};

class CSolverWork {
public:
    std::vector<CUnderplannedActivity> m_arrUnderplanned;
    std::vector<CGroupHourLimit> m_arrGroupHourLimits;
    // Movable entries that got no slot option: they stay where they are (unplaced ones stay
    // unplaced) and are reported.
    std::vector<std::uint64_t> m_arrWithoutSlots;
    // Every entry whose options were rebuilt, with its start and unmoved start before that.
    std::vector<CEntryBefore> m_arrBefore;
    // Entries the run itself added (the unplaced entries of a week template).
    std::vector<std::uint64_t> m_arrCreated;
};
