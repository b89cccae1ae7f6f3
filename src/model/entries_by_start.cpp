#include "model/entries_by_start.h"

#include <algorithm>

#include "model/timetable_entry.h"

namespace {

// Ten minutes in days: wider than the 3-minute tolerance with which interval ends are matched.
constexpr double kMargin = 10.0 / 1440.0;

}  // namespace

void CEntriesByStart::Add(const CTimetableEntry& entry, std::size_t position) {
    const bool regular = entry.m_dtStart.GetStatus() == COleDateTime::valid &&
                         entry.m_tsLength.GetStatus() == COleDateTimeSpan::valid && entry.m_tsLength.m_span >= 0.0;
    if (regular) {
        m_starts.emplace_back(COleDateTime::ToLinear(entry.m_dtStart.m_dt), position);
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
        for (const auto& item : m_starts) out.push_back(item.second);
    } else {
        const double s = COleDateTime::ToLinear(start.m_dt);
        const double e = COleDateTime::ToLinear(end.m_dt);
        const double low = std::min(s, e) - m_maxLength - kMargin;
        const double high = std::max(s, e) + kMargin;
        auto it = std::lower_bound(m_starts.begin(), m_starts.end(), std::make_pair(low, std::size_t{0}));
        for (; it != m_starts.end() && it->first <= high; ++it) out.push_back(it->second);
    }
    std::sort(out.begin(), out.end());
}
