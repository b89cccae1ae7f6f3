#pragma once
// The placement problem of a prepared run in a compact form that both search modes share: each
// open entry (or each bundle of entries of the full activities of a link, which start together)
// is a variable whose values are its slot options; every participant with an OVERLAPS limit is a resource whose load is
// counted per time step. Placing and taking back a value only changes counters, so a search can
// test and undo a choice without copying anything and without touching the live entries.
//
// The hard rules it keeps are those of the plan check: no participant (member, room or
// replacement entity) over its OVERLAPS limit, two entries of one activity never starting
// together, the per-day limit (DISPERSION) with the rule switch on, and linked entries together.
// Absences, day windows and the lesson inside its day are tested when the slot options are made.
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
        int m_nAmount = 1;   // entries of the variable that use the resource without a block
        int m_nSteps = 1;    // length in steps
    };
    struct Option {
        int m_nStep = 0;     // start in steps from the plan's first day
        int m_nDay = 0;
        double m_dWeight = 0.0;  // summed conflict weights of the slots
        COleDateTime m_dtStart;
        std::vector<int> m_arrSlots;  // the slot index of each entry of the variable
    };
    struct Variable {
        std::vector<CTimetableEntry*> m_arrEntries;
        std::vector<int> m_arrActivities;  // dense activity index of each entry
        std::vector<Use> m_arrUses;
        std::vector<Option> m_arrOptions;
        std::vector<int> m_arrNeighbours;  // variables sharing a resource or an activity
        double m_dPressure = 0.0;
        // The link the variable belongs to (-1 none): a bundle of entries of its full activities,
        // or an entry of a short one, which must start where such a bundle starts.
        int m_nLink = -1;
        bool m_bLinkFull = false;
    };

    // Every entry with slot options becomes a variable (linked entries one together); every
    // other placed entry that takes place loads the resources as it stands.
    // Without open: no variables, every placed entry loads the counters (for the fault count).
    explicit CPlacementModel(CScheduleData& data, bool open = true);

    int VariableCount() const { return static_cast<int>(m_arrVariables.size()); }
    const Variable& GetVariable(int v) const { return m_arrVariables[static_cast<std::size_t>(v)]; }

    int LinkCount() const { return static_cast<int>(m_arrLinkSteps.size()); }
    const std::vector<int>& LinkFullVariables(int link) const { return m_arrLinkFull[static_cast<std::size_t>(link)]; }
    const std::vector<int>& LinkShortVariables(int link) const { return m_arrLinkShort[static_cast<std::size_t>(link)]; }
    // Whether the option of a short linked entry starts where its full activities stay or where
    // a bundle of them has its option in `options` (-1: none); true for every other variable.
    bool LinkAllows(int v, int option, const std::vector<int>& options) const;

    // Whether the option fits the loads of everything placed now.
    bool Fits(int v, int option) const;
    void Place(int v, int option);
    void Unplace(int v, int option);

    // Writes the options into the live entries (-1: the entry keeps its start).
    void WriteStarts(const std::vector<int>& options) const;
    // The option of each variable that its entries hold now, else -1.
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
    int StepOfMinutes(long long minutes) const;
    bool AddLoad(const Variable& var, int step, int sign, bool check) const;

    CScheduleData& m_data;
    std::vector<Variable> m_arrVariables;
    std::vector<int> m_arrCapacity;         // per resource
    std::vector<int> m_arrDispersion;       // per activity; 0 none or the rule switch off
    std::vector<std::vector<int>> m_arrLinkSteps;  // per link: starts where its full activities stay
    std::vector<std::vector<int>> m_arrLinkFull;   // per link: the variables of its bundles
    std::vector<std::vector<int>> m_arrLinkShort;  // per link: the variables of short entries
    int m_nDays = 0;
    int m_nStepMinutes = 60;
    int m_nStepsPerDay = 24;
    double m_dBase = 0.0;
    // Loads are mutable so that Fits can stay const while Place and Unplace share AddLoad.
    mutable std::vector<std::uint16_t> m_arrLoad;   // resource x step
    mutable std::vector<std::uint16_t> m_arrBlock;  // block x step
    mutable std::vector<std::uint16_t> m_arrPerDay; // activity x day
    mutable std::unordered_map<long long, int> m_starts;  // activity x step
};
