#include "timetable/can_place_activity_at.h"

#include "model/schedule_data.h"
#include "timetable/swap_piece.h"

bool CanPlaceActivityAt(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w,
                        const CPlanIndex* index) {
    if (data.FindActivity(x.m_nActivity) == data.m_arrActivities.end()) return false;
    CTimetableEntry probe(w.m_dtStart, w.m_tsLength);
    probe.m_nActivity = x.m_nActivity;
    return data.CanPlaceEntry(x.m_nActivity, w.m_nActivity, probe, index) != 0;
}
