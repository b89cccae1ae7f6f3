#pragma once
// One absence of an entity, kept in the entity's absence list.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CAbsence {
public:
    int m_nEntity = 0;  // set by the dialogs that create absences; the owning list decides
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    int m_bWholeDay = 0;  // the absence covers its whole calendar day
    int m_bPaid = 0;
    int m_bApproved = 0;
    CString m_strReason;
    CString m_strCategory;
    CString m_strRemark;
    CString m_strFund;
};
