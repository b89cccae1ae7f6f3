#pragma once
// The orders in which the store keeps its entities, activities, groups and chime sets. Each is a
// strict order for the standard sorts; records it does not tell apart keep no particular order.
#include "model/activity.h"
#include "model/activity_group.h"
#include "model/chime_set.h"
#include "model/entity.h"

class CScheduleData;

// Entity type ascending, types 1 and 2 counting as one type; then name (case-sensitive).
struct CompareEntities {
    bool operator()(const CEntity& a, const CEntity& b) const;
};

// Ungrouped activities first, by display name; grouped activities by their groups' names, the
// activities of one group by display name. Activities of different groups with the same name
// stay together per group (by group id), and groups that do not exist come after all others.
struct CompareActivities {
    explicit CompareActivities(const CScheduleData& data) : m_data(data) {}
    bool operator()(const CActivity& a, const CActivity& b) const;
    const CScheduleData& m_data;
};

// Name ascending, case-sensitive.
struct CompareGroupNames {
    bool operator()(const CActivityGroup& a, const CActivityGroup& b) const { return a.m_strName.Compare(b.m_strName) < 0; }
};

// Name ascending, case-sensitive.
struct CompareChimeSetNames {
    bool operator()(const CChimeSet& a, const CChimeSet& b) const { return a.m_strName.Compare(b.m_strName) < 0; }
};
