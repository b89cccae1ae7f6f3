#include "dialogs/task_quotas.h"

#include "model/schedule_data.h"

void ApplyQuotas(CScheduleData& data, const std::vector<CQuotaRow>& rows) {
    for (const CQuotaRow& row : rows) {
        const auto activity = data.FindActivity(row.activityId);
        if (activity == data.m_arrActivities.end() || row.hours == row.shownHours) continue;
        activity->m_tsDuration = COleDateTimeSpan(row.hours / 24.0);
    }
}

void ApplyCommonSettings(CScheduleData& data, const std::vector<CQuotaRow>& rows, const CCommonTaskSettings& common) {
    for (const CQuotaRow& row : rows) {
        const auto activity = data.FindActivity(row.activityId);
        if (activity == data.m_arrActivities.end()) continue;
        if (common.meetingHours != 0) activity->m_tsMeeting = COleDateTimeSpan(common.meetingHours / 24.0);
        if (common.positionOption > 0) activity->m_nPosition = common.positionOption - 1;
        if (common.dispersion != 0) activity->m_nDispersion = common.dispersion;
        if (!common.supervisor.IsEmpty()) activity->m_strSupervisor = common.supervisor;
        if (!common.remark.IsEmpty()) activity->m_strRemark = common.remark;
        if (!common.location.IsEmpty()) activity->m_strLocation = common.location;
    }
}
