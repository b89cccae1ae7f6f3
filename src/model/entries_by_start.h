#pragma once
// Positions of timetable entries ordered by start, to find those near a stretch of time without
// comparing every one of them.
#include <algorithm>
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
    // Deals the entries of a finished list out to other lists in the list's order, so that they
    // need no sort of their own: choose(position, deal) calls deal(list) for each list that is
    // to hold the entry at that position.
    template <class Choose>
    void DealOut(Choose choose) const {
        for (const Item& item : m_starts) {
            choose(item.position, [&item](CEntriesByStart& list) {
                list.m_starts.push_back(item);
                list.m_maxLength = std::max(list.m_maxLength, item.end - item.start);
            });
        }
        for (std::size_t position : m_irregular)
            choose(position, [position](CEntriesByStart& list) { list.m_irregular.push_back(position); });
    }
    // Makes room for n entries with a start.
    void Reserve(std::size_t n) { m_starts.reserve(n); }
    // Positions, ascending, of the added entries whose interval may share time with start to
    // end: a superset of those that IntersectIntervals finds longer than zero.
    void GetNear(const COleDateTime& start, const COleDateTime& end, Positions& out) const;
    // The same test for one entry: false only when IntersectIntervals finds nothing shared.
    static bool MayShareTime(const CTimetableEntry& entry, const COleDateTime& start, const COleDateTime& end);

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
