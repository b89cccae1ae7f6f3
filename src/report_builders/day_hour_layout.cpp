#include "report_builders/day_hour_layout.h"

#include <algorithm>
#include <optional>

#include "report_builders/day_plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/day_plan_cell.h"

int CountIdsInList(const CDayHourLayout& layout) { return static_cast<int>(layout.days.size()); }

void FindEntityHours(const CScheduleData& data, const CEntity& entity, std::vector<__time64_t>& hours,
                     const CDayPlanIndex* index) {
    __time64_t earliest = MakeTimeOfDay(23, 55), latest = data.m_tDayStart;
    auto take = [&](__time64_t start, __time64_t end) {
        if (CompareTime64Approx(start, earliest) == -1) earliest = start;
        if (CompareTime64Approx(end, latest) == 1) latest = end;
    };
    if (entity.m_nType == 4) {
        std::optional<CDayPlanIndex> ownIndex;
        if (index == nullptr) index = &ownIndex.emplace(data);
        for (std::size_t position : index->EntriesNamingRoom(entity.m_nId)) {
            const CTimetableEntry& entry = data.m_arrEntries[position];
            const int role = entry.GetRoomRole(data, entity.m_nId);
            if (role == 0) continue;
            const int elsewhere = entry.GetBestRoomRoleElsewhere(data, entity.m_nId, &index->Plan());
            if (elsewhere != 0 && elsewhere != 5 && elsewhere < role) continue;
            take(TimeOfDayOf(entry.m_dtStart), TimeOfDayOf(entry.GetEndTime()));
        }
    } else {
        for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d)
            if (CompareTime64Approx(entity.m_tDayStart[d], entity.m_tDayEnd[d]) != 0)
                take(entity.m_tDayStart[d], entity.m_tDayEnd[d]);
    }
    hours.clear();
    AppendHourStepsThrough(hours, earliest, latest);
    std::sort(hours.begin(), hours.end());
}
