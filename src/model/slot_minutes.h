#pragma once
// The slot options of an entry as whole minutes, for counting overlapping options without the
// tolerant comparisons of dates. Options and lengths of whole minutes (as the slot builder makes
// them) compare exactly alike either way: the 3-minute tolerance of equal times and the
// 5-minute overlap become plain integer tests, as every difference of such values is a whole
// number of minutes to far within the half second that the minute cut allows.
#include <cstdint>
#include <vector>

#include "model/candidate_slot.h"
#include "platform/core/ole_date_time.h"

class CSlotMinutes {
public:
    CSlotMinutes() = default;
    // The options of an entry of the given length. Not exact when the length or an option's
    // start or end is not valid, lies off a whole minute, or the length is negative.
    CSlotMinutes(const std::vector<CCandidateSlot>& slots, const COleDateTimeSpan& length);

    bool IsExact() const { return m_bExact; }
    std::int64_t Length() const { return m_nLength; }
    // The starts in the order of the options, and sorted.
    const std::vector<std::int64_t>& Starts() const { return m_arrStarts; }
    const std::vector<std::int64_t>& Sorted() const { return m_arrSorted; }

private:
    bool m_bExact = false;
    std::int64_t m_nLength = 0;
    std::vector<std::int64_t> m_arrStarts;
    std::vector<std::int64_t> m_arrSorted;
};

// IntervalsOverlap for intervals whose ends are whole minutes: whether [s1, e1] and [s2, e2]
// share more than 5 minutes, starts and ends within 2 minutes taken as equal.
bool MinuteIntervalsOverlap(std::int64_t s1, std::int64_t e1, std::int64_t s2, std::int64_t e2);

// Adds 1 / (number of other options) to the score of each of slots (described by own) for
// every option of others that it overlaps by more than 5 minutes, as
// CTimetableEntry::ScoreCandidateOverlaps does. False, with nothing changed, when either side is
// not exact.
bool ScoreOverlapsInMinutes(std::vector<CCandidateSlot>& slots, const CSlotMinutes& own, const CSlotMinutes& others);
