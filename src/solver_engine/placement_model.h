#pragma once
// The placement problem of a prepared run in a compact form that both search modes share: each
// open entry is a variable whose values are its slot options; every participant with an OVERLAPS
// limit is a resource whose load is counted per time step. Placing and taking back a value only
// changes counters, so a search can test and undo a choice without copying anything and without
// touching the live entries.
//
// The hard rules it keeps are those of the plan check: no participant (member, room or
// replacement entity) over its OVERLAPS limit, two entries of one activity never starting
// together, the per-day limit (DISPERSION) with the rule switch on, and linked entries together.
// Absences, day windows and the lesson inside its day are tested when the slot options are made.
//
// Linked entries: the activities of a group run in step. Those with the most entries (the full
// ones) end up with the same starts, one entry each; the others take some of those starts. The
// model pairs no entries beforehand: it counts the starts the link has (where any entry of its
// activities, placed or staying, starts) and lets no entry open more of them than a full activity
// has entries. Each full activity then still has an entry left for every start it lacks, so a
// partial placement within the count can be completed as far as the link goes; which entry of a
// full activity fills a start is left to the search.
//
// Open entries of one activity with the same participants, length and starts are interchangeable:
// they form a class, so that a search tries one of them where any would do.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/core/ole_date_time.h"

class CScheduleData;
class CTimetableEntry;

class CPlacementModel {
public:
    struct Use {
        int m_nResource = 0;
        int m_nBlock = -1;   // a type-0 participant's counter of one activity group; -1 none
        int m_nSteps = 1;    // length in steps
    };
    struct Option {
        int m_nStep = 0;     // start in steps from the plan's first day
        int m_nDay = 0;
        double m_dWeight = 0.0;  // conflict weight of the slot
        COleDateTime m_dtStart;
        int m_nSlot = 0;     // the entry's slot
    };
    struct Variable {
        CTimetableEntry* m_pEntry = nullptr;
        int m_nActivity = -1;  // dense activity index
        std::vector<Use> m_arrUses;
        std::vector<Option> m_arrOptions;  // by start
        std::vector<int> m_arrNeighbours;  // variables sharing a resource or the activity
        double m_dPressure = 0.0;
        int m_nLink = -1;        // the link of its activity, -1 none
        bool m_bLinkFull = false;  // its activity is one of the link's full ones
        int m_nClass = 0;        // the first variable of its class of interchangeable entries
    };
    struct Link {
        int m_nStarts = 0;                 // the entries of each full activity
        std::vector<int> m_arrFull;        // dense indices of the full activities
        std::vector<int> m_arrVariables;   // the variables of all its activities
    };

    // Every entry with slot options becomes a variable; every other placed entry that takes
    // place loads the resources as it stands.
    // Without open: no variables, every placed entry loads the counters (for the fault count).
    explicit CPlacementModel(CScheduleData& data, bool open = true);

    int VariableCount() const { return static_cast<int>(m_arrVariables.size()); }
    const Variable& GetVariable(int v) const { return m_arrVariables[static_cast<std::size_t>(v)]; }
    // The option of the variable that starts at the step, else -1.
    int OptionAt(int v, int step) const;
    // The variables of an activity (dense index).
    const std::vector<int>& ActivityVariables(int activity) const {
        return m_arrActivityVariables[static_cast<std::size_t>(activity)];
    }

    int LinkCount() const { return static_cast<int>(m_arrLinks.size()); }
    const Link& GetLink(int link) const { return m_arrLinks[static_cast<std::size_t>(link)]; }
    // The steps at which the link starts now, placed or staying.
    const std::vector<int>& LinkSteps(int link) const { return m_arrLinkSteps[static_cast<std::size_t>(link)]; }
    // Whether an entry of the activity starts at the step now.
    bool Starts(int activity, int step) const;

    // Whether the option fits the loads of everything placed now.
    bool Fits(int v, int option) const;
    void Place(int v, int option);
    void Unplace(int v, int option);

    // Writes the options into the live entries (-1: the entry keeps its start).
    void WriteStarts(const std::vector<int>& options) const;
    // The option of each variable that its entry holds now, else -1.
    std::vector<int> ReadStarts() const;

    // The hard faults of the live timetable: steps of participants over their limit (counted
    // by the excess), entries of one activity starting together, entries beyond an activity's
    // per-day limit, linked entries apart, and placed entries with a participant absent or
    // outside the day window.
    static int CountHardFaults(CScheduleData& data);
    // The placed entries of linked activities whose start one of the link's full activities
    // (those with the most entries) lacks.
    static int CountLinkFaults(const CScheduleData& data);
    // The ids of the activities of each activity group with more than one.
    static std::vector<std::vector<int>> LinkedActivities(const CScheduleData& data);

private:
    struct Tally;
    int StepOf(const COleDateTime& t) const;
    std::size_t StepCount() const;
    // Adds (sign +1), takes away (-1) or only tests (check) an entry's loads at the step.
    bool AddLoad(const std::vector<Use>& uses, int activity, int link, int step, int sign, bool check) const;

    CScheduleData& m_data;
    std::vector<Variable> m_arrVariables;
    std::vector<std::vector<int>> m_arrActivityVariables;
    std::vector<Link> m_arrLinks;
    std::vector<int> m_arrCapacity;         // per resource
    std::vector<int> m_arrDispersion;       // per activity; 0 none or the rule switch off
    int m_nDays = 0;
    int m_nStepMinutes = 60;
    int m_nStepsPerDay = 24;
    double m_dBase = 0.0;
    // Loads are mutable so that Fits can stay const while Place and Unplace share AddLoad.
    mutable std::vector<std::uint16_t> m_arrLoad;   // resource x step
    mutable std::vector<std::uint16_t> m_arrBlock;  // block x step
    mutable std::vector<std::uint16_t> m_arrPerDay; // activity x day
    mutable std::vector<std::uint16_t> m_arrStarts; // activity x step
    mutable std::vector<std::uint16_t> m_arrLinkLoad;  // link x step: entries starting there
    mutable std::vector<std::vector<int>> m_arrLinkSteps;  // per link: the steps it starts at
};
