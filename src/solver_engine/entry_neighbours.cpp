#include "solver_engine/entry_neighbours.h"

#include <algorithm>

#include "model/schedule_data.h"

namespace {

template <class Visit>
void ForEachParticipant(const CScheduleData& data, const CTimetableEntry& entry, Visit visit) {
    for (const CReplacement& replacement : entry.m_arrReplacements) visit(replacement.m_nEntity);
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    for (int id : activity->m_arrMembers) visit(id);
}

}  // namespace

CEntryNeighbours::CEntryNeighbours(const CScheduleData& data) : m_data(data) {
    for (std::size_t p = 0; p < data.m_arrEntries.size(); ++p) {
        const CTimetableEntry& entry = data.m_arrEntries[p];
        m_byActivity[entry.m_nActivity].push_back(p);
        ForEachParticipant(data, entry, [&](int id) {
            std::vector<std::size_t>& list = m_byParticipant[id];
            if (list.empty() || list.back() != p) list.push_back(p);
        });
    }
}

void CEntryNeighbours::Collect(std::size_t p, std::vector<std::size_t>& out) const {
    out.clear();
    auto append = [&](const std::unordered_map<int, std::vector<std::size_t>>& map, int key) {
        const auto found = map.find(key);
        if (found != map.end()) out.insert(out.end(), found->second.begin(), found->second.end());
    };
    const CTimetableEntry& entry = m_data.m_arrEntries[p];
    append(m_byActivity, entry.m_nActivity);
    ForEachParticipant(m_data, entry, [&](int id) { append(m_byParticipant, id); });
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}
