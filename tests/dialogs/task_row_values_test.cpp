// The task dialog's write-back without its window.
#include <gtest/gtest.h>

#include "dialogs/task_row_values.h"
#include "model/activity.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

namespace {

COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }

}  // namespace

TEST(TaskNames, ListEntriesLoseTrailingNumbers) {
    struct Case { const wchar_t* entry; const wchar_t* offered; };
    const Case cases[] = {{L"Physics 2", L"Physics"}, {L"Art-1", L"Art"}, {L"123", L""},
                          {L"Grade 10 - 2", L"Grade"}, {L"Latin", L"Latin"}, {L"2nd Language 3", L"2nd Language"}};
    for (const Case& c : cases)
        EXPECT_EQ(TrimActivityListName(c.entry), CString(c.offered)) << CString(c.entry).ToUtf8();
}

TEST(TaskNumbers, SpansInWholeHours) {
    struct Case { double minutes; int hours; };
    const Case cases[] = {{90, 1}, {119.995, 2}, {59.9, 0}, {0, 0}, {100 * 60, 100}, {-90, -1}};
    for (const Case& c : cases) EXPECT_EQ(SpanToWholeHours(Minutes(c.minutes)), c.hours) << c.minutes;
}

TEST(TaskWriteBack, MeetingAndDurationKeepTheirMinutesUnlessChanged) {
    CScheduleData data;
    CActivity activity;
    activity.m_tsMeeting = Minutes(90);
    activity.m_tsDuration = Minutes(150);
    struct Case { int meeting; int duration; double meetingMinutes; double durationMinutes; };
    const Case cases[] = {
        {1, 2, 90, 150},   // shown values left: the minutes stay
        {3, 2, 180, 150},  // a changed meeting is whole hours
        {1, 4, 90, 240},
    };
    for (const Case& c : cases) {
        CActivity edited = activity;
        CTaskRowValues rows;
        rows.name = L"  Physics ";
        rows.shownMeetingHours = 1;
        rows.shownDurationHours = 2;
        rows.meetingHours = c.meeting;
        rows.durationHours = c.duration;
        ASSERT_EQ(WriteTaskRows(data, rows, edited), 0u);
        EXPECT_EQ(edited.m_strName, CString(L"Physics"));
        EXPECT_DOUBLE_EQ(edited.m_tsMeeting.m_span * 1440, c.meetingMinutes) << c.meeting;
        EXPECT_DOUBLE_EQ(edited.m_tsDuration.m_span * 1440, c.durationMinutes) << c.duration;
    }
}

TEST(TaskWriteBack, ChimeSetByNameAndTheNameCheck) {
    CScheduleData data;
    CChimeSet set;
    set.m_nId = 4;
    set.m_strName = L"Short day";
    data.m_arrChimeSets.push_back(set);
    struct Case { const wchar_t* name; const wchar_t* chime; UINT refusal; int chimeSet; };
    const Case cases[] = {{L"Art", L"Short day", 0, 4}, {L"Art", L"Long day", 0, 0}, {L"Art", L"", 0, 0},
                          {L"   ", L"Short day", IDS_DLG_TASK_NO_NAME, 4}};
    for (const Case& c : cases) {
        CActivity edited;
        edited.m_nChimeSet = 9;
        CTaskRowValues rows;
        rows.name = c.name;
        rows.chimeSet = c.chime;
        rows.position = -1;
        EXPECT_EQ(WriteTaskRows(data, rows, edited), c.refusal) << CString(c.chime).ToUtf8();
        EXPECT_EQ(edited.m_nChimeSet, c.chimeSet) << CString(c.chime).ToUtf8();
        EXPECT_EQ(edited.m_nPosition, -1);
    }
}
