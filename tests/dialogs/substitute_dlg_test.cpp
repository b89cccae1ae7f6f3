// The substitute dialog driven as a user drives it: the replaced member, the room and what
// reaches the replacement and its entry.
#include <gtest/gtest.h>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/substitute_dlg.h"
#include "model/timetable_entry.h"
#include "../platform/ui/frame_picture.h"

class SubstituteDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        settings.GetWordList(WordList::Funders) = {L"School", L"Trust"};
        plan.AddEntity(1, 1, L"Ada");
        plan.AddEntity(2, 1, L"Grace");
        plan.AddEntity(3, 1, L"Sam Stand-in");
        plan.AddEntity(4, 0, L"7b");
        plan.AddEntity(11, 4, L"Lab");
        plan.AddEntity(12, 4, L"Hall");
        plan.AddActivity(100, L"Science", {1, 2, 4}, {11, 12}).m_arrPairs = {CRoomPair{11, 1}, CRoomPair{12, 2}};
        plan.AddChimeSet(7, L"Bells");
        entry = &plan.AddEntry(100, 1, 9, 60);
        replacement.m_nEntity = 3;
    }
    CTimetableEntry* entry = nullptr;
    CReplacement replacement;
};

TEST_F(SubstituteDlgTest, PictureWithTheCallersOkText) {
    CSubstituteDlg dlg(&replacement, entry, L"Stand in", 1, nullptr);
    dlg.m_candidates = {1, 2};
    RunModal(dlg, [&] {
        ClickValue(dlg, dlg.m_pReplacing);
        SaveWindowPicture(&dlg, "substitute.png");
        CString ok;
        dlg.OkButton().GetWindowText(ok);
        EXPECT_EQ(ok, CString(L"Stand in"));
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_pEntity), CString(L"Sam Stand-in"));
        EXPECT_TRUE(dlg.m_pEntity->m_bReadOnly);
        EXPECT_TRUE(dlg.m_pEntry->m_bReadOnly);
        EXPECT_FALSE(CRecordDialog::TextOf(dlg.m_pEntry).IsEmpty());
        EXPECT_NE(dlg.m_pExtending, nullptr);
    });
}

TEST_F(SubstituteDlgTest, ReplacingAPairedMemberTakesItsRoom) {
    CSubstituteDlg dlg(&replacement, entry, L"OK", 0, nullptr);
    dlg.m_candidates = {99, 2, 1};  // 99 names nobody: no option, and the options after it keep their members
    const INT_PTR result = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.m_pExtending, nullptr);
        EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_pReplacing), 0);
        EXPECT_TRUE(CRecordDialog::TextOf(dlg.m_pRoom).IsEmpty());  // several rooms, none paired with the stand-in
        ClickOption(dlg, dlg.m_pReplacing, 1);
        ToggleTick(dlg, dlg.m_pPaid);
        EnterText(dlg, dlg.m_pFund, L" Trust  ");
        EnterText(dlg, dlg.m_pRemark, L" from 9 ");
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(replacement.m_nReplacing, 2);
    EXPECT_EQ(replacement.m_bPaid, 1);
    EXPECT_EQ(replacement.m_strFund, CString(L"Trust"));
    EXPECT_EQ(replacement.m_strRemark, CString(L" from 9 "));
    EXPECT_TRUE(entry->HasAssociation(data, 3, 12));  // Grace's hall
}

TEST_F(SubstituteDlgTest, SeveralRoomsAndNobodyReplacedIsRefusedThenCancelLeavesAll) {
    replacement.m_strRemark = L"before";
    CSubstituteDlg dlg(&replacement, entry, L"OK", 1, nullptr);
    dlg.m_candidates = {1, 2};
    const std::vector<CRoomPair> pairsBefore = entry->m_arrPairs;
    bool stayed = false;
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pRemark, L"after");
        ToggleTick(dlg, dlg.m_pExtending);
        PressButton(dlg, IDOK);
        stayed = IsOpen(dlg);
        // A room typed settles it; then Cancel all the same.
        EnterText(dlg, dlg.m_pRoom, L"Lab");
        PressButton(dlg, IDCANCEL);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_SUBSTITUTE_NO_ROOM)});
    EXPECT_EQ(replacement.m_strRemark, CString(L"before"));
    EXPECT_EQ(replacement.m_bExtending, 0);
    EXPECT_EQ(entry->m_arrPairs, pairsBefore);
}

TEST_F(SubstituteDlgTest, ARoomTypedIsTiedToTheStandIn) {
    CSubstituteDlg dlg(&replacement, entry, L"OK", 1, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        // Only "nobody" without candidates.
        EXPECT_EQ(dlg.m_pReplacing->Options().size(), 1u);
        EnterText(dlg, dlg.m_pRoom, L"Lab");
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(replacement.m_nReplacing, 0);
    EXPECT_TRUE(entry->HasAssociation(data, 3, 11));
    EXPECT_EQ(data.m_arrChimeSets[0].m_nId, 7);  // the entry's title found the bells as they are
}
