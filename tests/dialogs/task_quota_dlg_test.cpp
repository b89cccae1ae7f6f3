// The task quota dialog driven as a user drives it.
#include <gtest/gtest.h>

#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialog_fixture.h"
#include "dialogs/task_quota_dlg.h"
#include "model/activity.h"
#include "planner/diary_ctrl.h"
#include "../platform/ui/frame_picture.h"

class TaskQuotaDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        plan.AddEntity(1, 0, L"7b");
        data.m_nCurrentEntity = 1;
        CActivity& maths = plan.AddActivity(10, L"Maths", {1});
        maths.m_tsDuration = COleDateTimeSpan(90 / 1440.0);
        maths.m_tsMeeting = COleDateTimeSpan(45 / 1440.0);
        maths.m_nPosition = 2;
        maths.m_strLocation = L"Hall";
        plan.AddActivity(11, L"Art", {1}).m_tsDuration = COleDateTimeSpan(180 / 1440.0);
        plan.AddActivity(12, L"Music", {1}).m_tsDuration = COleDateTimeSpan(60 / 1440.0);
    }
    // The diary's rows (activity id, flagged) in display order and its selection kind.
    void FillDiary(std::initializer_list<std::pair<int, bool>> rows, int kind) {
        for (const auto& [id, flagged] : rows) {
            diary.AddRow(L"", 0, 0, 6, 0, id, L"", 0);
            diary.m_arrRows.back().m_bFlagged = flagged;
        }
        diary.m_nSelectionKind = kind;
    }
    CDiaryCtrl diary;
    double MinutesOf(int id, bool meeting = false) const {
        const auto a = data.FindActivity(id);
        return (meeting ? a->m_tsMeeting : a->m_tsDuration).m_span * 1440;
    }
};

TEST_F(TaskQuotaDlgTest, AllRowsAndOnlyChangedQuotasWritten) {
    FillDiary({{10, false}, {77, true}, {11, false}, {12, true}}, 0);
    CTaskQuotaDlg dlg(&diary, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        ASSERT_EQ(dlg.m_quotaRows.size(), 3u);  // the row whose activity is gone has none
        EXPECT_EQ(dlg.m_quotaRows[0].item->GetText(), CString(L"1"));
        EXPECT_EQ(dlg.m_meetingRow, nullptr);
        ClickValue(dlg, dlg.m_quotaRows[1].item);
        Key(Qt::Key_Up);
        PressButton(dlg, IDOK);
    }),
              IDOK);
    EXPECT_DOUBLE_EQ(MinutesOf(10), 90);   // shown as 1 hour, left: 90 minutes stay
    EXPECT_DOUBLE_EQ(MinutesOf(11), 240);  // 3 stepped to 4
    EXPECT_DOUBLE_EQ(MinutesOf(12), 60);
}

TEST_F(TaskQuotaDlgTest, SelectedRowsWithCommonSettings) {
    FillDiary({{10, true}, {11, false}, {12, true}}, 1);
    CTaskQuotaDlg dlg(&diary, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        ASSERT_EQ(dlg.m_quotaRows.size(), 2u);
        SaveWindowPicture(&dlg, "task_quota.png");
        ClickOption(dlg, dlg.m_positionRow, 5);  // inside the day
        EnterText(dlg, dlg.m_remarkRow, L"Bring books");
        PressButton(dlg, IDOK);
    }),
              IDOK);
    for (int id : {10, 12}) {
        EXPECT_EQ(data.FindActivity(id)->m_nPosition, 4) << id;
        EXPECT_EQ(data.FindActivity(id)->m_strRemark, CString(L"Bring books")) << id;
    }
    EXPECT_DOUBLE_EQ(MinutesOf(10, true), 45);  // meeting 0: each keeps its own
    EXPECT_EQ(data.FindActivity(10)->m_strLocation, CString(L"Hall"));
    EXPECT_TRUE(data.FindActivity(11)->m_strRemark.IsEmpty());  // not selected
}

TEST_F(TaskQuotaDlgTest, CancelChangesNoActivity) {
    FillDiary({{10, true}, {12, true}}, 1);
    CTaskQuotaDlg dlg(&diary, nullptr);
    EXPECT_EQ(RunModal(dlg, [&] {
        ClickValue(dlg, dlg.m_quotaRows[0].item);
        Key(Qt::Key_Up);
        ClickOption(dlg, dlg.m_positionRow, 1);
        PressButton(dlg, IDCANCEL);
    }),
              IDCANCEL);
    EXPECT_DOUBLE_EQ(MinutesOf(10), 90);
    EXPECT_EQ(data.FindActivity(10)->m_nPosition, 2);
}

// Escape cancels from the opened dialog, from the rows and from the buttons, and keeps the tasks.
TEST_F(TaskQuotaDlgTest, EscapeCancelsOutsideTheRowEditors) {
    FillDiary({{10, true}, {12, true}}, 1);
    const char* const places[] = {"as opened", "on the rows", "on OK"};
    for (const char* place : places) {
        CTaskQuotaDlg dlg(&diary, nullptr);
        EXPECT_EQ(RunModal(dlg, [&] {
            if (place == places[1]) vorn_test::Click(&dlg.Tree().GetList(), CPoint(20, 8));
            if (place == places[2]) dlg.GetDlgItem(IDOK)->SetFocus();
            vorn_test::ProcessEvents();
            Key(Qt::Key_Escape);
            vorn_test::ProcessEvents();
            EXPECT_FALSE(IsOpen(dlg)) << place;
        }),
                  IDCANCEL)
            << place;
        EXPECT_DOUBLE_EQ(MinutesOf(10), 90) << place;
    }
}
