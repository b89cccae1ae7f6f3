#include "model/slot_minutes.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a value may lie from a whole minute and still count as one: a few milliseconds, so
// that the sum or difference of a few such values stays far within the half-second bias.
constexpr double kMinuteSlack = 1e-4;

bool ToWholeMinutes(double days, std::int64_t& minutes) {
    const double value = days * 1440.0;
    if (!std::isfinite(value)) return false;
    const double rounded = std::nearbyint(value);
    if (std::fabs(value - rounded) > kMinuteSlack) return false;
    minutes = static_cast<std::int64_t>(rounded);
    return true;
}

// CompareTimesApprox in whole minutes.
int CompareMinutes(std::int64_t a, std::int64_t b) {
    const std::int64_t d = a - b;
    if (d > -3 && d < 3) return 0;
    return d > 0 ? 1 : -1;
}

}  // namespace

CSlotMinutes::CSlotMinutes(const std::vector<CCandidateSlot>& slots, const COleDateTimeSpan& length) {
    if (length.GetStatus() != COleDateTimeSpan::valid || !ToWholeMinutes(length.m_span, m_nLength) ||
        m_nLength < 0)
        return;
    m_arrStarts.reserve(slots.size());
    for (const CCandidateSlot& slot : slots) {
        std::int64_t start = 0;
        if (slot.m_dtStart.GetStatus() != COleDateTime::valid ||
            !ToWholeMinutes(COleDateTime::ToLinear(slot.m_dtStart.m_dt), start))
            return;
        // The end as the tolerant tests compute it must be the whole minute it should be: not
        // beyond the calendar, nor thrown off by the stored form of dates before 1900.
        const COleDateTime end = slot.m_dtStart + length;
        std::int64_t endMinutes = 0;
        if (end.GetStatus() != COleDateTime::valid || !ToWholeMinutes(COleDateTime::ToLinear(end.m_dt), endMinutes) ||
            endMinutes != start + m_nLength)
            return;
        m_arrStarts.push_back(start);
    }
    m_arrSorted = m_arrStarts;
    std::sort(m_arrSorted.begin(), m_arrSorted.end());
    m_bExact = true;
}

bool MinuteIntervalsOverlap(std::int64_t s1, std::int64_t e1, std::int64_t s2, std::int64_t e2) {
    // The cases of IntersectIntervals in its order.
    const std::int64_t len1 = e1 - s1;
    const std::int64_t len2 = e2 - s2;
    std::int64_t shared = 0;
    if (CompareMinutes(s1, s2) == 0 || CompareMinutes(e1, e2) == 0)
        shared = std::min(len1, len2);
    else if (CompareMinutes(s2, s1) == 1 && CompareMinutes(e2, e1) == -1)
        shared = len2;
    else if (CompareMinutes(s2, s1) == -1 && CompareMinutes(e2, e1) == 1)
        shared = len1;
    else if (CompareMinutes(e2, s1) == 1 && CompareMinutes(s2, s1) == -1)
        shared = e2 - s1;
    else if (CompareMinutes(s2, e1) == -1 && CompareMinutes(e2, e1) == 1)
        shared = e1 - s2;
    return shared > 5;
}

bool ScoreOverlapsInMinutes(std::vector<CCandidateSlot>& slots, const CSlotMinutes& own, const CSlotMinutes& others) {
    if (!own.IsExact() || !others.IsExact() || own.Starts().size() != slots.size()) return false;
    const std::vector<std::int64_t>& sorted = others.Sorted();
    if (sorted.empty()) return true;
    const double share = 1.0 / static_cast<double>(sorted.size());
    const std::int64_t ownLength = own.Length();
    const std::int64_t otherLength = others.Length();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::int64_t s = own.Starts()[i];
        const std::int64_t e = s + ownLength;
        // With lengths of zero or more, an option that starts 3 minutes or more after the end of
        // the other shares nothing with it, either way round.
        auto it = std::lower_bound(sorted.begin(), sorted.end(), s - otherLength - 2);
        for (; it != sorted.end() && *it <= e + 2; ++it)
            if (MinuteIntervalsOverlap(s, e, *it, *it + otherLength)) slots[i].m_dScore += share;
    }
    return true;
}
