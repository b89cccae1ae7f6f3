#pragma once
// The quota dialog's rows and how they reach the activities.
#include <vector>

#include "platform/core/cstring.h"

class CScheduleData;

// One spinner row: its activity, the whole hours it showed and the hours it holds now.
struct CQuotaRow {
    int activityId = 0;
    int shownHours = 0;
    int hours = 0;
};

// The common rows of a selection of diary rows; 0, the first position option and empty texts
// leave each activity's own value.
struct CCommonTaskSettings {
    int meetingHours = 0;
    int positionOption = 0;  // 0 keeps; 1 to 5 give POSITION 0 to 4
    int dispersion = 0;
    CString supervisor, remark, location;
};

// DURATION of every row whose value changed becomes its hours (invalid beyond the range of
// spans); a row left as shown keeps the minutes the activity had. Rows without an activity are
// skipped.
void ApplyQuotas(CScheduleData& data, const std::vector<CQuotaRow>& rows);
// The common settings for every row's activity.
void ApplyCommonSettings(CScheduleData& data, const std::vector<CQuotaRow>& rows, const CCommonTaskSettings& common);
