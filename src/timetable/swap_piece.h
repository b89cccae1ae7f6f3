#pragma once
// One side of a swap as the swap rules see it: what a timetable item or a magnet stands for and
// the time it stands at.
#include <cstdint>
#include <optional>

#include "platform/core/ole_date_time.h"

struct CSwapPiece {
    std::uint64_t m_nEntry = 0;  // the serial of the entry it stands for; 0 for none
    int m_bGroupItem = 0;
    int m_nActivity = 0;
    int m_nGroup = 0;
    int m_nState = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    // How far its entry may stretch from the piece's end, when already worked out.
    std::optional<COleDateTime> m_latestEnd;

    COleDateTime GetEnd() const { return m_dtStart + m_tsLength; }
};
