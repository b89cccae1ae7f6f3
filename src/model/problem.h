#pragma once
// One finding of the plan check, shown in the message panel; never written to the file.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

// A new problem has an empty text and a zero (valid) date; its creator sets kind and record.
class CProblem {
public:
    int m_nKind = 0;    // 13, 15, 12 or 14
    CString m_strText;
    int m_nRecord = 0;  // the entity the problem is filed under
    COleDateTime m_dtDate;  // zero when the problem has no date
};
