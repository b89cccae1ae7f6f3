#pragma once
// One timetable entry an entity takes part in, as the entity's work list holds it.
//
// The item names its entry by the entry's serial number (CTimetableEntry::GetSerial), which
// stays with the entry when the timetable grows, shrinks or is sorted; the store finds the entry
// again with CScheduleData::FindEntryBySerial.
#include <cstdint>

#include "platform/core/ole_date_time.h"

class CEntityItem {
public:
    int m_nPosition = 0;       // the activity's POSITION rule
    int m_nKind = 0;           // 3 linked entry, 4 entity absent, 1 several type-0 members, else 0
    int m_nOrder = 0;          // the entry's ordering work word
    int m_bMember = 0;         // 1 when the entity is a member (or room) of the activity
    int m_nGroup = 0;          // the activity's group
    int m_nActivity = 0;       // the activity's id
    int m_nChimeSet = 0;       // the activity's chime set, else its derived one
    int m_nState = 0;          // the entry's stored state
    std::uint64_t m_nEntry = 0;  // serial number of the entry
    COleDateTime m_dtStart;
    COleDateTime m_dtEnd;
    double m_dWeight = 0.0;    // the entry's weight work value
};
