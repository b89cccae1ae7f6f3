#pragma once
// One change of participant in a timetable entry.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CReplacement {
public:
    int m_nEntity = 0;     // the entity concerned
    int m_nReplacing = 0;  // the entity it stands in for; 0 none
    int m_bPaid = 0;
    int m_bExtending = 0;  // adds the entity to the entry instead of standing in
    CString m_strRemark;
    CString m_strFund;
};

// Where an entity stands in: one record for every replacement record without EXTENDING in every
// live entry, kept by the store and rebuilt before it is asked.
class CReplacementIndexRecord {
public:
    int m_nEntity = 0;
    int m_nActivity = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
};
