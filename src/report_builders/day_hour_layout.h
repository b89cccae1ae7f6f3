#pragma once
// The rows and columns of a day-plan table, and the hours an entity's week is drawn over.
#include <vector>

#include "platform/core/time64.h"

class CDayPlanIndex;
class CEntity;
class CScheduleData;

struct CDayHourLayout {
    // Start of each hour row as a time of day, ascending; the last one only ends the table.
    std::vector<__time64_t> hours;
    // One per column: plan-day indices, or entity ids where a table's columns are entities.
    std::vector<int> days;
};

// The number of columns of a layout.
int CountIdsInList(const CDayHourLayout& layout);

// The hour rows of an entity's week: a room's from its bookings, anybody else's from the day
// windows of the plan days; steps of an hour from the earliest start through the latest end.
// The index, when given, must describe the unchanged store.
void FindEntityHours(const CScheduleData& data, const CEntity& entity, std::vector<__time64_t>& hours,
                     const CDayPlanIndex* index = nullptr);
