#include "report_builders/day_plan_index.h"

#include "model/schedule_data.h"

const std::vector<std::size_t>& CDayPlanIndex::EntriesInvolving(int entityId) const {
    auto it = m_involving.find(entityId);
    if (it == m_involving.end()) {
        it = m_involving.emplace(entityId, std::vector<std::size_t>()).first;
        m_plan.GetEntriesInvolving(entityId, it->second);
    }
    return it->second;
}

const std::vector<std::size_t>& CDayPlanIndex::EntriesNamingRoom(int roomId) const {
    return m_plan.EntriesWithRoomRole(roomId);
}

void CDayPlanIndex::GetEntriesNear(int entityId, bool room, const COleDateTime& start, const COleDateTime& end,
                                   std::vector<std::size_t>& out) const {
    if (room) {
        m_plan.GetRoomEntriesNear(entityId, start, end, out);
        return;
    }
    auto it = m_involvingByStart.find(entityId);
    if (it == m_involvingByStart.end()) {
        it = m_involvingByStart.emplace(entityId, CEntriesByStart()).first;
        for (std::size_t position : EntriesInvolving(entityId)) it->second.Add(m_data.m_arrEntries[position], position);
        it->second.Finish();
    }
    it->second.GetNear(start, end, out);
}

const CDayPlanCell& CDayPlanIndex::GetComputedCell(const CDayPlanCell& cell, bool activityBlocks, bool lessonAxis,
                                                   bool firstRow) const {
    const CellKey key(cell.entityId, COleDateTime::ToLinear(cell.time.m_dt), static_cast<int>(cell.time.GetStatus()),
                      activityBlocks, lessonAxis, firstRow);
    auto it = m_cells.find(key);
    if (it == m_cells.end()) {
        it = m_cells.emplace(key, cell).first;
        it->second.Compute(activityBlocks, lessonAxis, firstRow);
    }
    return it->second;
}
