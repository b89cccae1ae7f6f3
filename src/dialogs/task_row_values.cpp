#include "dialogs/task_row_values.h"

#include "model/activity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"

CString TrimActivityListName(const CString& entry) {
    CString name = entry;
    name.TrimRight(L"- 1234567890");
    return name;
}

int SpanToWholeHours(const COleDateTimeSpan& span) { return WholeHours(span.m_span); }

UINT WriteTaskRows(const CScheduleData& data, const CTaskRowValues& rows, CActivity& activity) {
    activity.m_strName = rows.name;
    activity.m_strName.Trim(L' ');
    activity.m_strSupervisor = rows.supervisor;
    activity.m_strRemark = rows.remark;
    activity.m_strLocation = rows.location;
    activity.m_crBackground = rows.background;
    activity.m_crForeground = rows.foreground;
    activity.m_nHatch = rows.hatch;
    if (rows.meetingHours != rows.shownMeetingHours) activity.m_tsMeeting = COleDateTimeSpan(0, rows.meetingHours, 0, 0);
    if (rows.durationHours != rows.shownDurationHours)
        activity.m_tsDuration = COleDateTimeSpan(0, rows.durationHours, 0, 0);
    activity.m_strLevel = rows.level;
    activity.m_nPosition = rows.position;
    activity.m_nDispersion = rows.dispersion;
    const auto set = data.FindChimeSetByName(rows.chimeSet);
    activity.m_nChimeSet = set != data.m_arrChimeSets.end() ? set->m_nId : 0;
    if (activity.m_strName.IsEmpty()) return IDS_DLG_TASK_NO_NAME;
    return 0;
}
