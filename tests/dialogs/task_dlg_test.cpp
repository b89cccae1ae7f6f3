// The task dialog driven as a user drives it.
#include <gtest/gtest.h>

#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialog_fixture.h"
#include "dialogs/task_dlg.h"
#include "model/activity.h"
#include "../platform/ui/frame_picture.h"

class TaskDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        settings.GetWordList(WordList::Activities) = {L"Physics 2", L"Art-1", L"123", L"Physics 3"};
        plan.AddChimeSet(7, L"Short day");
    }
    static CActivity Physics() {
        CActivity a;
        a.m_nId = 5;
        a.m_strName = L"Physics";
        a.m_strLevel = L"2";
        a.m_tsMeeting = COleDateTimeSpan(90 / 1440.0);
        a.m_tsDuration = COleDateTimeSpan(150 / 1440.0);
        a.m_nPosition = 3;
        a.m_nDispersion = 4;
        a.m_strSupervisor = L"Ada Byron";
        a.m_nChimeSet = 7;
        return a;
    }
    static double MinutesOf(const COleDateTimeSpan& span) { return span.m_span * 1440; }
};

TEST_F(TaskDlgTest, PictureAndTheNameList) {
    CActivity task = Physics();
    CTaskDlg dlg(&task, nullptr);
    RunModal(dlg, [&] {
        ClickValue(dlg, dlg.m_pName);
        SaveWindowPicture(&dlg, "task.png");
        // The Activities list without its trailing numbers, duplicates kept.
        std::vector<CString> offered;
        for (int i = 0; i < dlg.m_pName->GetCount(); ++i) {
            CString text;
            dlg.m_pName->GetLBText(i, text);
            offered.push_back(text);
        }
        EXPECT_EQ(offered, (std::vector<CString>{L"Physics", L"Art", L"", L"Physics"}));
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_pName), CString(L"Physics"));
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_pChimeSet), CString(L"Short day"));
        EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_pPosition), 3);
        EXPECT_EQ(dlg.m_pMeeting->GetText(), CString(L"1"));  // 90 minutes show as one hour
    });
}

TEST_F(TaskDlgTest, EditedTaskKeepsTheMinutesItWasNotAskedAbout) {
    CActivity task = Physics();
    CTaskDlg dlg(&task, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pName, L"  Chemistry ");
        ClickValue(dlg, dlg.m_pDuration);
        Key(Qt::Key_Up);
        Key(Qt::Key_Up);
        ClickOption(dlg, dlg.m_pPosition, 4);
        EnterText(dlg, dlg.m_pChimeSet, L"");
        EnterText(dlg, dlg.m_pRemark, L"Lab coats");
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(task.m_strName, CString(L"Chemistry"));
    EXPECT_DOUBLE_EQ(MinutesOf(task.m_tsMeeting), 90);    // shown as 1 hour and left: 90 minutes stay
    EXPECT_DOUBLE_EQ(MinutesOf(task.m_tsDuration), 240);  // 2 hours stepped to 4
    EXPECT_EQ(task.m_nPosition, 4);
    EXPECT_EQ(task.m_nChimeSet, 0);
    EXPECT_EQ(task.m_strRemark, CString(L"Lab coats"));
    EXPECT_EQ(task.m_strSupervisor, CString(L"Ada Byron"));
    EXPECT_EQ(task.m_nDispersion, 4);
}

TEST_F(TaskDlgTest, PositionBeyondTheOptionsShowsNoneAndStaysUnset) {
    CActivity task = Physics();
    task.m_nPosition = 7;
    CTaskDlg dlg(&task, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_pPosition), -1);
        PressButton(dlg, IDOK);
    }),
              IDOK);
    EXPECT_EQ(task.m_nPosition, -1);
}

TEST_F(TaskDlgTest, BlankNameRefusedThenCancelLeavesTheTask) {
    CActivity task = Physics();
    CTaskDlg dlg(&task, nullptr);
    bool stayed = false;
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pName, L"   ");
        EnterText(dlg, dlg.m_pSupervisor, L"Nobody");
        ClickValue(dlg, dlg.m_pMeeting);
        Key(Qt::Key_Up);
        PressButton(dlg, IDOK);
        stayed = IsOpen(dlg);
        PressButton(dlg, IDCANCEL);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_TASK_NO_NAME)});
    const CActivity before = Physics();
    EXPECT_EQ(task.m_strName, before.m_strName);
    EXPECT_EQ(task.m_strSupervisor, before.m_strSupervisor);
    EXPECT_EQ(task.m_tsMeeting, before.m_tsMeeting);
}
