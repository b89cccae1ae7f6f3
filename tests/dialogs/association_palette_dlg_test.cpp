// The association and palette dialogs driven as a user drives them.
#include <gtest/gtest.h>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/association_dlg.h"
#include "dialogs/pallete_dlg.h"
#include "../platform/ui/frame_picture.h"

class AssociationDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        plan.AddEntity(1, 1, L"Ada").m_strJob = L"Physics";
        plan.AddEntity(2, 2, L"Grace");
        plan.AddEntity(3, 0, L"7b");
        plan.AddEntity(4, 3, L"Sam");
        plan.AddEntity(11, 4, L"Lab");
        plan.AddEntity(12, 4, L"Hall");
    }
    const std::vector<int> rooms{11, 0, 77, 12};
    const std::vector<int> staff{1, 3, 4, 99, 2};
};

TEST_F(AssociationDlgTest, OneRowPerRoomAndStaffMemberAndTheTickedPairsOnOk) {
    std::vector<CRoomPair> pairs{{12, 2}, {11, 1}};
    CAssociationDlg dlg(&rooms, &staff, &pairs, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        SaveWindowPicture(&dlg, "association.png");
        // Lab and Hall, each with Ada and Grace; other types and unknown ids have no rows.
        ASSERT_EQ(dlg.m_checkRows.size(), 4u);
        const int expected[][3] = {{1, 11, 1}, {2, 11, 0}, {1, 12, 0}, {2, 12, 1}};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(dlg.m_checkRows[i].entity, expected[i][0]) << i;
            EXPECT_EQ(dlg.m_checkRows[i].room, expected[i][1]) << i;
            EXPECT_EQ(dlg.m_checkRows[i].item->GetCheck(), expected[i][2]) << i;
        }
        EXPECT_EQ(dlg.m_checkRows[0].item->GetInfoText(), CString(L"Physics"));
        ToggleTick(dlg, dlg.m_checkRows[2].item);  // Ada in the hall as well
        ToggleTick(dlg, dlg.m_checkRows[3].item);  // Grace no longer
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(pairs, (std::vector<CRoomPair>{{11, 1}, {12, 1}}));  // rooms first, then staff
}

TEST_F(AssociationDlgTest, CancelLeavesThePairs) {
    std::vector<CRoomPair> pairs{{12, 2}};
    CAssociationDlg dlg(&rooms, &staff, &pairs, nullptr);
    EXPECT_EQ(RunModal(dlg, [&] {
        ToggleTick(dlg, dlg.m_checkRows[0].item);
        PressButton(dlg, IDCANCEL);
    }),
              IDCANCEL);
    EXPECT_EQ(pairs, (std::vector<CRoomPair>{{12, 2}}));
}

class PalleteDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        settings.GetWordList(WordList::Activities) = {L"Physics", L"Art"};
    }
};

TEST_F(PalleteDlgTest, StartsAtTheDefaultsAndFillsTheChoice) {
    for (int run = 0; run < 2; ++run) {  // a second run starts from the same defaults
        CPaletteChoice choice;
        choice.text = L"left";
        choice.applyHatch = 7;
        CPalleteDlg dlg(&choice, nullptr);
        const INT_PTR result = RunModal(dlg, [&] {
            EXPECT_TRUE(CRecordDialog::TextOf(dlg.m_pText).IsEmpty());
            EXPECT_EQ(dlg.m_pFirstColour->GetColor(), RGB(255, 255, 255));
            EXPECT_EQ(dlg.m_pSecondColour->GetColor(), RGB(0, 0, 0));
            EXPECT_EQ(dlg.m_pHatch->GetSelected(), 6);
            if (run == 0) SaveWindowPicture(&dlg, "palette.png");
            EnterText(dlg, dlg.m_pText, L" Ceramics ");  // not in the list: taken as typed, trimmed
            ClickOption(dlg, dlg.m_pApplySecond, 1);
            ClickOption(dlg, dlg.m_pApplyHatch, 1);
            dlg.m_pFirstColour->SetColor(RGB(250, 200, 120));
            PressButton(dlg, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(choice.text, CString(L"Ceramics"));
        EXPECT_EQ(choice.applyFirstColour, 1);
        EXPECT_EQ(choice.applySecondColour, 0);
        EXPECT_EQ(choice.applyHatch, 0);
        EXPECT_EQ(choice.firstColour, RGB(250, 200, 120));
        EXPECT_EQ(choice.hatch, 6);
    }
}

TEST_F(PalleteDlgTest, BlankTextIsRefused) {
    CPaletteChoice choice;
    CPalleteDlg dlg(&choice, nullptr);
    bool stayed = false;
    EXPECT_EQ(RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pText, L"   ");
        PressButton(dlg, IDOK);
        stayed = IsOpen(dlg);
    }),
              IDCANCEL);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_DLG_PALETTE_NO_TEXT)});
}
