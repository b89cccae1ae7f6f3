#pragma once
// Walks the timetable entries that may share time with an interval, in collection order: all
// of them, or with an index of the store only those the index finds near the interval. The
// visitor answers true to stop; the walk answers whether it was stopped.
//
// AnyRoomEntryNear walks for a visitor that looks only at entries in which the room has a role:
// with an index only those near the interval in which it may have one.
#include "model/plan_index.h"
#include "model/schedule_data.h"

template <class Visit>
bool AnyEntryNear(const CScheduleData& data, const CPlanIndex* index, const COleDateTime& start,
                  const COleDateTime& end, Visit visit) {
    if (!index) {
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (visit(entry)) return true;
        return false;
    }
    CPlanIndex::Positions near;
    index->GetEntriesNear(start, end, near);
    for (std::size_t position : near)
        if (visit(data.m_arrEntries[position])) return true;
    return false;
}

template <class Visit>
bool AnyRoomEntryNear(const CScheduleData& data, const CPlanIndex* index, int roomId, const COleDateTime& start,
                      const COleDateTime& end, Visit visit) {
    if (!index) return AnyEntryNear(data, index, start, end, visit);
    CPlanIndex::Positions near;
    index->GetRoomEntriesNear(roomId, start, end, near);
    for (std::size_t position : near)
        if (visit(data.m_arrEntries[position])) return true;
    return false;
}
