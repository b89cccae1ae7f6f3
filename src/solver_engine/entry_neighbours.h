#pragma once
// The entries that may share a participant or an activity with an entry, found through a map from
// participant and activity ids to entries instead of a walk over the whole timetable. The pair
// rules (EntriesShareParticipant, EntriesClash) only ever hold within such a neighbourhood, so the
// preparation tests k neighbours per entry rather than all E entries.
#include <cstddef>
#include <unordered_map>
#include <vector>

class CScheduleData;

class CEntryNeighbours {
public:
    // Indexes the store's entries as they are now (members, replacements, activities).
    explicit CEntryNeighbours(const CScheduleData& data);

    // Positions, ascending and each once, of the entries that name a participant of entry p
    // (a member of its activity or a replacement entity) or belong to its activity; p included.
    void Collect(std::size_t p, std::vector<std::size_t>& out) const;

private:
    const CScheduleData& m_data;
    std::unordered_map<int, std::vector<std::size_t>> m_byParticipant;
    std::unordered_map<int, std::vector<std::size_t>> m_byActivity;
};
