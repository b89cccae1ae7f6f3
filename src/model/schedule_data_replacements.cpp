// The index of where entities stand in for others.
#include "model/schedule_data.h"
#include "model/time_values.h"

void CScheduleData::RebuildReplacementIndex() {
    m_arrReplacementIndex.clear();
    for (const CTimetableEntry& entry : m_arrEntries) {
        if (entry.m_bLinked) continue;
        for (const CReplacement& replacement : entry.m_arrReplacements) {
            if (replacement.m_bExtending) continue;
            m_arrReplacementIndex.push_back({replacement.m_nEntity, entry.m_nActivity, entry.m_dtStart, entry.m_tsLength});
        }
    }
}

bool CScheduleData::IsEntityReplacingElsewhere(const CTimetableEntry& entry, int entityId) const {
    const COleDateTime end = entry.GetEndTime();
    for (const CReplacementIndexRecord& record : m_arrReplacementIndex) {
        if (record.m_nEntity != entityId || record.m_nActivity == entry.m_nActivity) continue;
        if (IntervalsOverlap(record.m_dtStart, record.m_dtStart + record.m_tsLength, entry.m_dtStart, end)) return true;
    }
    return false;
}
