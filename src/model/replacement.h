#pragma once
// One change of participant in a timetable entry.
#include "platform/core/cstring.h"

class CReplacement {
public:
    int m_nEntity = 0;     // the entity concerned
    int m_nReplacing = 0;  // the entity it stands in for; 0 none
    int m_bPaid = 0;
    int m_bExtending = 0;  // adds the entity to the entry instead of standing in
    CString m_strRemark;
    CString m_strFund;
};
