#pragma once
// The derived work lists that order a solver run and feed some reports: activity weights,
// entity weights and free slots. Each is emptied and rebuilt whole by its builder.
#include <cmath>
#include <limits>
#include <vector>

#include "model/candidate_slot.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

// One incomplete activity and how hard it is to place.
class CActivityWeight {
public:
    double m_dWeight = 0.0;
    int m_nActivity = 0;
    COleDateTimeSpan m_tsRemaining;
    int m_nDays = 0;   // distinct days among the slots of the entry with the most slots
    int m_nSlots = 0;  // slots of that entry
    std::vector<CCandidateSlot> m_arrSlots;
};

// One entity and its summed weight.
class CEntityWeight {
public:
    double m_dWeight = 0.0;
    int m_nType = 0;
    int m_nEntity = 0;
    CString m_strName;
    CString m_strTypeName;
};

// One free hour of a type-0 entity and the activities that could use it.
class CFreeSlot {
public:
    double m_dWeight = 0.0;
    int m_nActivities = 0;
    int m_nEntity = 0;
    COleDateTime m_dtStart;
};

// Sort orders on the leading value (the weight): descending for the weights, ascending for the
// free slots. A weight that is not a number counts as the lowest, so the orders stay strict.
inline double LeadingValueKey(double weight) {
    return std::isnan(weight) ? -std::numeric_limits<double>::infinity() : weight;
}
template <class T>
bool GreaterLeadingValue(const T& a, const T& b) {
    return LeadingValueKey(a.m_dWeight) > LeadingValueKey(b.m_dWeight);
}
template <class T>
bool LessLeadingValue(const T& a, const T& b) {
    return LeadingValueKey(a.m_dWeight) < LeadingValueKey(b.m_dWeight);
}
