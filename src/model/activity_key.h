#pragma once
// A code that an entity has for an activity.
#include "platform/core/cstring.h"

class CActivityKey {
public:
    int m_nActivity = 0;
    int m_nEntity = 0;
    CString m_strCode;
};
