#pragma once
// A deterministic generator of schedule documents of realistic size, filled in memory, for the
// benchmarks of the heavy model paths and of loading and saving.
//
// The plan looks like a school week: classes (type 0) each with a share of the activities,
// teachers and other staff (types 1 to 3), rooms (type 4) and a few outside entities (type 5);
// two chime sets; some activities in groups that split a class; entries placed hour by hour over
// the plan days (a class is never booked twice; staff and rooms are drawn at random, so they are
// now and then); some absences, funds, replacement records and linked entries. The same options
// always give the same document.
#include <cstdint>

class CScheduleData;

struct PlanOptions {
    int entities = 400;
    int activities = 1200;
    int entries = 4000;
    int days = 5;              // plan days, at most 21
    bool dated = true;         // a dated plan (Monday 2 September 2024); else a week template
                               // (starting on the first weekday, Monday 3 January 2000)
    std::uint32_t seed = 1;
    double absenceShare = 0.05;      // entities with an absence
    double replacementShare = 0.02;  // entries with a replacement record
    double linkedShare = 0.01;       // entries with the link flag
    double groupedShare = 0.10;      // activities in a group
    double incompleteShare = 0.10;   // activities whose DURATION asks for one hour more than placed
};

// The two sizes the benchmarks use.
PlanOptions SchoolPlanOptions();  // 400 entities, 1,200 activities, 4,000 entries
PlanOptions LargePlanOptions();   // 1,500 entities, 5,000 activities, 20,000 entries, 6 days

// Empties the store's collections and fills them as the options say.
void GeneratePlan(CScheduleData& data, const PlanOptions& options);

// Readies a week template as the solver does before it weighs the activities: unplaced entries
// for the time the activities still lack, candidate slots for every movable entry (thinned by
// the entries that stay where they are), and the slots' conflict scores against the slots of
// the entries that share a participant. The activity weights are built from these.
void PrepareCandidateSlots(CScheduleData& data);
