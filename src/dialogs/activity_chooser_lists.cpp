#include "dialogs/activity_chooser_lists.h"

#include <algorithm>

#include "model/schedule_data.h"

void RemoveUncheckedIds(const CScheduleData& data, const std::vector<CChooserCheck>& rows, std::vector<int>& first,
                        std::vector<int>& fourth) {
    for (const CChooserCheck& row : rows) {
        if (row.ticked || data.FindActivity(row.activityId) == data.m_arrActivities.end()) continue;
        std::erase(first, row.activityId);
        std::erase(fourth, row.activityId);
    }
}
