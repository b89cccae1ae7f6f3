// The absence, activity-group and remark dialogs driven as a user drives them.
#include <gtest/gtest.h>

#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/absence_dlg.h"
#include "dialogs/activity_group_dlg.h"
#include "dialogs/comment_dlg.h"
#include "model/absence.h"
#include "model/activity_group.h"
#include "../platform/ui/frame_picture.h"

class SmallRecordDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        settings.GetWordList(WordList::Categories) = {L"Illness", L"Training"};
        settings.GetWordList(WordList::Funders) = {L"School", L"Trust"};
    }
    static CAbsence Absence() {
        CAbsence a;
        a.m_strCategory = L"Jury duty";
        a.m_strReason = L"Court";
        a.m_strFund = L"School";
        a.m_bPaid = 1;
        return a;
    }
};

TEST_F(SmallRecordDlgTest, AbsenceShowsItsCategoryAndStoresTheRows) {
    CAbsence absence = Absence();
    absence.m_bApproved = 7;  // any non-zero flag shows as yes
    CAbsenceDlg dlg(L"Add", &absence, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        // A category outside the list is its last entry, selected.
        ASSERT_EQ(dlg.m_pCategory->GetCount(), 3);
        EXPECT_EQ(dlg.m_pCategory->GetCurSel(), 2);
        EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_pApproved), 1);
        CString caption;
        dlg.GetWindowText(caption);
        EXPECT_EQ(caption, Text(IDS_DLG_ABSENCE_CAPTION));
        EXPECT_EQ(dlg.OkButton().GetWindowTextLength(), Text(IDS_DLG_BUTTON_OK).GetLength());
        SaveWindowPicture(&dlg, "absence.png");
        EnterText(dlg, dlg.m_pFund, L"  Parents ");
        ClickOption(dlg, dlg.m_pPaid, 0);
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(absence.m_strCategory, CString(L"Jury duty"));
    EXPECT_EQ(absence.m_strFund, CString(L"Parents"));
    EXPECT_EQ(absence.m_bPaid, 0);
    EXPECT_EQ(absence.m_bApproved, 1);
}

TEST_F(SmallRecordDlgTest, AbsenceWithoutCategoryIsRefusedAndCancelLeavesIt) {
    CAbsence absence = Absence();
    CAbsenceDlg dlg(L"Add", &absence, nullptr);
    bool stayed = false;
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pCategory, L"   ");
        EnterText(dlg, dlg.m_pReason, L"Changed");
        PressButton(dlg, IDOK);
        stayed = IsOpen(dlg);
        PressButton(dlg, IDCANCEL);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_ABSENCE_NO_CATEGORY)});
    EXPECT_EQ(absence.m_strCategory, CString(L"Jury duty"));
    EXPECT_EQ(absence.m_strReason, CString(L"Court"));
}

TEST_F(SmallRecordDlgTest, EscapeAndEnterDoNothingInTheAbsenceAndGroupDialogs) {
    CAbsence absence = Absence();
    CAbsenceDlg absenceDlg(L"Add", &absence, nullptr);
    const INT_PTR absenceResult = RunModal(absenceDlg, [&] {
        ClickValue(absenceDlg, absenceDlg.m_pRemark);
        Type(L"a");
        Key(Qt::Key_Return);  // no new line
        Type(L"b");
        Key(Qt::Key_Escape);
        absenceDlg.GetDlgItem(IDOK)->SetFocus();
        vorn_test::ProcessEvents();
        Key(Qt::Key_Return);
        Key(Qt::Key_Escape);
        EXPECT_TRUE(IsOpen(absenceDlg));
        PressButton(absenceDlg, IDOK);
    });
    EXPECT_EQ(absenceResult, IDOK);
    EXPECT_EQ(absence.m_strRemark, CString(L"ab"));

    CActivityGroup group;
    group.m_strName = L"Languages";
    CActivityGroupDlg groupDlg(&group, nullptr);
    const INT_PTR groupResult = RunModal(groupDlg, [&] {
        groupDlg.GetDlgItem(IDCANCEL)->SetFocus();
        vorn_test::ProcessEvents();
        Key(Qt::Key_Return);
        Key(Qt::Key_Escape);
        EXPECT_TRUE(IsOpen(groupDlg));
        PressButton(groupDlg, IDCANCEL);
    });
    EXPECT_EQ(groupResult, IDCANCEL);
}

TEST_F(SmallRecordDlgTest, GroupStoresItsLookAndRefusesAnEmptyName) {
    CActivityGroup group;
    group.m_strName = L"Languages";
    group.m_nHatch = 6;
    CActivityGroupDlg dlg(&group, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        SaveWindowPicture(&dlg, "activity_group.png");
        EnterText(dlg, dlg.m_pName, L" Sciences");  // not trimmed
        dlg.m_pBackground->SetColor(RGB(200, 230, 255));
        dlg.m_pHatch->SetSelected(9);
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(group.m_strName, CString(L" Sciences"));
    EXPECT_EQ(group.m_crBackground, RGB(200, 230, 255));
    EXPECT_EQ(group.m_nHatch, 9);

    const CActivityGroup before = group;
    CActivityGroupDlg again(&group, nullptr);
    bool stayed = false;
    const INT_PTR refused = RunModal(again, [&] {
        EnterText(again, again.m_pName, L"");
        again.m_pHatch->SetSelected(2);
        PressButton(again, IDOK);
        stayed = IsOpen(again);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(refused, IDCANCEL);
    EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_GROUP_NO_NAME)});
    EXPECT_EQ(group.m_strName, before.m_strName);
    EXPECT_EQ(group.m_nHatch, before.m_nHatch);
}

TEST_F(SmallRecordDlgTest, RemarkDialogRefusesOnlyAnEmptyText) {
    struct Case { const wchar_t* typed; bool accepted; };
    for (const Case& c : {Case{L"", false}, Case{L"   ", true}, Case{L"Bring the key", true}}) {
        answerer.m_messageBoxes.clear();
        CCommentDlg dlg(nullptr);
        dlg.m_text = L"old";
        const INT_PTR result = RunModal(dlg, [&] {
            dlg.m_edit.SetFocus();
            Key(Qt::Key_A, Qt::ControlModifier);
            Key(Qt::Key_Delete);
            Type(c.typed);
            if (*c.typed == L'B') SaveWindowPicture(&dlg, "comment.png");
            PressButton(dlg, IDOK);
        });
        EXPECT_EQ(result, c.accepted ? IDOK : IDCANCEL) << CString(c.typed).ToUtf8();
        if (c.accepted) EXPECT_EQ(dlg.m_text, CString(c.typed));
        else EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_COMMENT_EMPTY)});
    }
}
