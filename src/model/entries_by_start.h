#pragma once
// Positions of timetable entries ordered by start, to find those near a stretch of time without
// comparing every one of them.
#include <cstddef>
#include <vector>

#include "platform/core/ole_date_time.h"

class CTimetableEntry;

class CEntriesByStart {
public:
    using Positions = std::vector<std::size_t>;

    // Adds the entry at a position of its collection; the list is ready after Finish, which
    // sorts only what was not added in order already.
    void Add(const CTimetableEntry& entry, std::size_t position);
    void Finish();
    // Visits the positions of a finished list: those with a start in order of start (and
    // position), then the others.
    template <class Visit>
    void ForEachPosition(Visit visit) const {
        for (const Item& item : m_starts) visit(item.position);
        for (std::size_t position : m_irregular) visit(position);
    }
    // Positions, ascending, of the added entries whose interval may share time with start to
    // end: a superset of those that IntersectIntervals finds longer than zero.
    void GetNear(const COleDateTime& start, const COleDateTime& end, Positions& out) const;

private:
    struct Item {
        double start;  // linear dates
        std::size_t position;
        double end;
        bool operator<(const Item& other) const {
            return start != other.start ? start < other.start : position < other.position;
        }
    };
    // Entries with a valid start, a valid length of zero or more and a valid end, by start; the
    // others are always near.
    std::vector<Item> m_starts;
    Positions m_irregular;
    double m_maxLength = 0.0;  // of the entries in m_starts
};
