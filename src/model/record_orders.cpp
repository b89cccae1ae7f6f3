#include "model/record_orders.h"

#include "model/schedule_data.h"

namespace {

// Types 1 and 2 are one class of staff.
int EntityClass(int type) { return type == 2 ? 1 : type; }

}  // namespace

bool CompareEntities::operator()(const CEntity& a, const CEntity& b) const {
    const int ca = EntityClass(a.m_nType);
    const int cb = EntityClass(b.m_nType);
    if (ca != cb) return ca < cb;
    return a.m_strName.Compare(b.m_strName) < 0;
}

bool CompareActivities::operator()(const CActivity& a, const CActivity& b) const {
    if (a.m_nGroup == b.m_nGroup) return a.GetDisplayName().Compare(b.GetDisplayName()) < 0;
    if (a.m_nGroup == 0) return true;
    if (b.m_nGroup == 0) return false;

    // Two different groups. Ordering by name alone would not be a strict order (two groups of
    // one name, or a group that is missing, tie with everything), so the group id breaks ties
    // and missing groups go last.
    const auto ga = m_data.FindGroup(a.m_nGroup);
    const auto gb = m_data.FindGroup(b.m_nGroup);
    const bool hasA = ga != m_data.m_arrGroups.end();
    const bool hasB = gb != m_data.m_arrGroups.end();
    if (hasA != hasB) return hasA;
    if (hasA) {
        const int names = ga->m_strName.Compare(gb->m_strName);
        if (names != 0) return names < 0;
    }
    return a.m_nGroup < b.m_nGroup;
}
