#pragma once
// Sums of time split by the kind of activity they come from: ungrouped activities with a type-0
// member, grouped activities, and ungrouped activities without type-0 members.
#include "platform/core/ole_date_time.h"

class CCategorySpans {
public:
    COleDateTimeSpan Total() const { return m_tsUngrouped + m_tsGrouped + m_tsOther; }

    COleDateTimeSpan m_tsUngrouped;  // GROUP 0 with at least one type-0 member
    COleDateTimeSpan m_tsGrouped;    // in a group, counted once per group
    COleDateTimeSpan m_tsOther;      // GROUP 0 without type-0 members
};
