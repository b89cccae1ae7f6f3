#include "model/entries_by_start.h"

#include <algorithm>

#include "model/timetable_entry.h"

namespace {

// Ten minutes in days: wider than the 3-minute tolerance with which interval ends are matched.
constexpr double kMargin = 10.0 / 1440.0;

}  // namespace

void CEntriesByStart::Add(const CTimetableEntry& entry, std::size_t position) {
    const COleDateTime end = entry.GetEndTime();
    const bool regular = entry.m_dtStart.GetStatus() == COleDateTime::valid &&
                         entry.m_tsLength.GetStatus() == COleDateTimeSpan::valid && entry.m_tsLength.m_span >= 0.0 &&
                         end.GetStatus() == COleDateTime::valid;
    if (regular) {
        m_starts.push_back({COleDateTime::ToLinear(entry.m_dtStart.m_dt), position, COleDateTime::ToLinear(end.m_dt)});
        m_maxLength = std::max(m_maxLength, entry.m_tsLength.m_span);
    } else {
        m_irregular.push_back(position);
    }
}

void CEntriesByStart::Finish() {
    if (!std::is_sorted(m_starts.begin(), m_starts.end())) std::sort(m_starts.begin(), m_starts.end());
}

void CEntriesByStart::GetNear(const COleDateTime& start, const COleDateTime& end, Positions& out) const {
    out.assign(m_irregular.begin(), m_irregular.end());
    if (start.GetStatus() != COleDateTime::valid || end.GetStatus() != COleDateTime::valid) {
        // Unusual intervals are compared with every entry.
        for (const Item& item : m_starts) out.push_back(item.position);
    } else {
        // An entry that starts later than the margin after the interval, or ends earlier than the
        // margin before it, shares no time with it; only those whose start allows either are read.
        const double s = COleDateTime::ToLinear(start.m_dt);
        const double e = COleDateTime::ToLinear(end.m_dt);
        const double low = std::min(s, e) - kMargin;
        const double high = std::max(s, e) + kMargin;
        auto it = std::lower_bound(m_starts.begin(), m_starts.end(), low - m_maxLength,
                                   [](const Item& item, double value) { return item.start < value; });
        for (; it != m_starts.end() && it->start <= high; ++it)
            if (it->end >= low) out.push_back(it->position);
    }
    std::sort(out.begin(), out.end());
}

bool CEntriesByStart::MayShareTime(const CTimetableEntry& entry, const COleDateTime& start, const COleDateTime& end) {
    if (start.GetStatus() != COleDateTime::valid || end.GetStatus() != COleDateTime::valid) return true;
    const COleDateTime entryEnd = entry.GetEndTime();
    const bool regular = entry.m_dtStart.GetStatus() == COleDateTime::valid &&
                         entry.m_tsLength.GetStatus() == COleDateTimeSpan::valid && entry.m_tsLength.m_span >= 0.0 &&
                         entryEnd.GetStatus() == COleDateTime::valid;
    if (!regular) return true;
    const double s = COleDateTime::ToLinear(start.m_dt);
    const double e = COleDateTime::ToLinear(end.m_dt);
    return COleDateTime::ToLinear(entryEnd.m_dt) >= std::min(s, e) - kMargin &&
           COleDateTime::ToLinear(entry.m_dtStart.m_dt) <= std::max(s, e) + kMargin;
}
