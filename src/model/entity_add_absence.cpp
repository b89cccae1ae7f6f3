// Timetable entry operations: adding an absence to an entity, splitting those it overlaps.
#include "model/entity.h"
#include "model/time_values.h"

int CEntity::AddAbsence(const CAbsence& absence, BOOL split) {
    if (m_bUnavailable) return 0;
    const COleDateTime start = absence.m_dtStart;
    const COleDateTime end = absence.m_dtStart + absence.m_tsLength;

    // Without split the first overlap refuses the absence before anything has changed.
    std::vector<CAbsence> pieces;
    for (std::size_t i = 0; i < m_arrAbsences.size();) {
        CAbsence& other = m_arrAbsences[i];
        const COleDateTime otherStart = other.m_dtStart;
        const COleDateTime otherEnd = other.m_dtStart + other.m_tsLength;
        if (!IntervalsOverlap(otherStart, otherEnd, start, end)) {
            ++i;
            continue;
        }
        if (!split) return 0;

        if (CompareTimesApprox(otherEnd, end) == 1) {
            CAbsence after = other;
            after.m_dtStart = end;
            after.m_tsLength = otherEnd - end;
            after.m_bWholeDay = 0;
            pieces.push_back(std::move(after));
        }
        if (CompareTimesApprox(start, otherStart) == 1) {
            other.m_tsLength = start - otherStart;
            ++i;
        } else {
            m_arrAbsences.erase(m_arrAbsences.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    m_arrAbsences.push_back(absence);
    m_arrAbsences.insert(m_arrAbsences.end(), pieces.begin(), pieces.end());
    return 1;
}
