#pragma once
// The entities linked with one entity, each as CScheduleData::AreEntitiesLinked answers for the
// pair: those that share an activity with it, and those that an entry names where the other is
// named too or is of the entry's activity. Collected once from the entity's activities and
// entries, for lists that ask about every entity of the plan.
#include <unordered_set>

class CPlanIndex;
class CScheduleData;

// Empty when the entity is not in the store.
std::unordered_set<int> LinkedEntities(const CScheduleData& data, const CPlanIndex& index, int entityId);
