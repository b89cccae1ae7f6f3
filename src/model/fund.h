#pragma once
// One reward granted to an entity, kept in the entity's fund list.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CFund {
public:
    COleDateTimeSpan m_tsLength;
    CString m_strName;
};
