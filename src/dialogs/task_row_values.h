#pragma once
// What the task dialog reads back from its rows, and how it writes that into an activity.
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CActivity;
class CScheduleData;

struct CTaskRowValues {
    CString name, supervisor, remark, location, level, chimeSet;
    COLORREF background = 0, foreground = 0;
    int hatch = -1;
    // The meeting and duration rows as read and as they were shown, in whole hours.
    int meetingHours = 0, shownMeetingHours = 0;
    int durationHours = 0, shownDurationHours = 0;
    int position = -1;  // index of the checked option; -1 none
    int dispersion = 0;
};

// An Activities list entry as the name list offers it: trailing dashes, blanks and digits cut
// ("Physics 2" gives "Physics", "Art-1" gives "Art").
CString TrimActivityListName(const CString& entry);
// A span in whole hours: half a second added with the span's sign, truncated.
int SpanToWholeHours(const COleDateTimeSpan& span);

// Writes the rows into the activity (the caller's copy); a meeting or duration left at the hours
// it showed keeps its minutes. 0 when the OK may close the dialog, else the refusing message.
UINT WriteTaskRows(const CScheduleData& data, const CTaskRowValues& rows, CActivity& activity);
