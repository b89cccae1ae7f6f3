#include "support/planted_plan.h"

#include <map>
#include <numeric>

#include "model/schedule_data.h"
#include "model/time_values.h"

void GeneratePlantedPlan(CScheduleData& data, int classes, int days) {
    data.ResetToNew(FALSE);
    data.m_dtStartDate = COleDateTime(2024, 9, 2, 0, 0, 0);
    data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
    data.m_nDays = days;
    const int hours = 9;
    for (int i = 1; i <= 2 * classes; ++i) {
        CEntity entity;
        entity.m_nId = i;
        entity.m_nType = i <= classes ? 0 : 1;
        entity.m_strName.Format(i <= classes ? L"Class %d" : L"Teacher %d", i);
        data.m_arrEntities.push_back(entity);
    }
    auto activityId = [&](int c, int t) { return 1 + c * classes + t; };
    std::map<int, int> lessons;
    for (int c = 0; c < classes; ++c)
        for (int d = 0; d < days; ++d)
            for (int h = 0; h < hours; ++h) ++lessons[activityId(c, (c + d + h) % classes)];
    for (const auto& [id, count] : lessons) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_strName.Format(L"Lesson %d", id);
        activity.m_arrMembers = {(id - 1) / classes + 1, classes + (id - 1) % classes + 1};
        activity.m_tsDuration = COleDateTimeSpan(0, count, 0, 0);
        activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        data.m_arrActivities.push_back(activity);
    }
    for (int c = 0; c < classes; ++c)
        for (int d = 0; d < days; ++d)
            for (int h = 0; h < hours; ++h) {
                CTimetableEntry entry(data.GetDayDate(d) + COleDateTimeSpan(0, 7 + h, 0, 0), COleDateTimeSpan(0, 1, 0, 0));
                entry.m_nActivity = activityId(c, (c + d + h) % classes);
                entry.m_nState = 0;
                data.m_arrEntries.push_back(entry);
            }
}

int UnplaceLessonEntries(CScheduleData& data, int k) {
    const int total = static_cast<int>(data.m_arrEntries.size());
    for (CTimetableEntry& entry : data.m_arrEntries) entry.m_nState = 0;
    const int count = k < 0 || k > total ? total : k;
    // A stride prime to the count of entries spreads the k over the whole plan.
    int stride = 7919;
    while (total > 0 && std::gcd(stride, total) != 1) stride += 2;
    for (int i = 0; i < count; ++i) {
        CTimetableEntry& entry = data.m_arrEntries[static_cast<std::size_t>((static_cast<long long>(i) * stride) % total)];
        entry.m_dtStart = GetUnplacedDate();
        entry.m_dtUnmovedStart = GetUnplacedDate();
        entry.m_nState = 2;
    }
    return count;
}
