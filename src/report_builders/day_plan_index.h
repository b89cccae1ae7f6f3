#pragma once
// Lookups for the day-plan cells of one build: the store's plan index and, per entity, the
// entries it may take part in, so that a cell looks at a handful of entries instead of every
// entry of its hour; and the cells of the table being built. Valid only while nothing edits
// the store.
#include <cstddef>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "model/entries_by_start.h"
#include "model/plan_index.h"
#include "report_builders/day_plan_cell.h"
#include "platform/core/ole_date_time.h"

class CScheduleData;

class CDayPlanIndex {
public:
    explicit CDayPlanIndex(const CScheduleData& data) : m_data(data), m_plan(data) {}

    const CPlanIndex& Plan() const { return m_plan; }
    // Positions, ascending, of the entries in which an entity that is not a room may take part.
    const std::vector<std::size_t>& EntriesInvolving(int entityId) const;
    // Positions, ascending, of the entries in which a room may have a role (see CPlanIndex).
    const std::vector<std::size_t>& EntriesNamingRoom(int roomId) const;
    // Positions, ascending, of those entries of a room (room set) or of another entity that
    // may share time with start to end (see CEntriesByStart).
    void GetEntriesNear(int entityId, bool room, const COleDateTime& start, const COleDateTime& end,
                        std::vector<std::size_t>& out) const;
    // The cell computed as CDayPlanCell::Compute does it, once for each entity, time and rules:
    // a block's row span and the rows it covers ask for the same cells. ForgetCells drops them;
    // a table calls it before it starts.
    const CDayPlanCell& GetComputedCell(const CDayPlanCell& cell, bool activityBlocks, bool lessonAxis,
                                        bool firstRow) const;
    void ForgetCells() const { m_cells.clear(); }

private:
    const CScheduleData& m_data;
    CPlanIndex m_plan;
    mutable std::unordered_map<int, std::vector<std::size_t>> m_involving;
    mutable std::unordered_map<int, CEntriesByStart> m_involvingByStart;
    // entity, time (linear date and status), rules -> the computed cell
    using CellKey = std::tuple<int, double, int, bool, bool, bool>;
    mutable std::map<CellKey, CDayPlanCell> m_cells;
};
