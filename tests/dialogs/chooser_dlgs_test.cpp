// The activity chooser and the activity resolver driven as a user drives them.
#include <gtest/gtest.h>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/activity_chooser.h"
#include "dialogs/activity_resolve_dlg.h"
#include "model/entity.h"
#include "../platform/ui/frame_picture.h"

namespace {

// The labels of the rows under the root, depth-first, groups in brackets.
std::vector<CString> RowLabels(COptionTree& tree) {
    std::vector<CString> labels;
    std::vector<COptionTreeItem*> stack;
    for (COptionTreeItem* i = tree.GetRootItem()->GetFirstChild(); i; i = i->GetNextSibling()) stack.push_back(i);
    std::reverse(stack.begin(), stack.end());
    while (!stack.empty()) {
        COptionTreeItem* item = stack.back();
        stack.pop_back();
        labels.push_back(item->GetFirstChild() || item->GetKind() == COptionTreeItem::kPlain
                             ? L"[" + item->GetLabel() + L"]" : item->GetLabel());
        std::vector<COptionTreeItem*> children;
        for (COptionTreeItem* c = item->GetFirstChild(); c; c = c->GetNextSibling()) children.push_back(c);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return labels;
}

}  // namespace

class ChooserDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        plan.AddEntity(1, 0, L"7b");
        plan.AddEntity(2, 1, L"Ada");
        plan.AddEntity(3, 1, L"Grace");
        plan.AddActivity(10, L"Maths", {1, 2});
        plan.AddActivity(11, L"French", {1, 3});
        plan.AddActivity(12, L"Chess", {3});
        plan.AddActivity(13, L"Drama", {1});
        data.m_nCurrentEntity = 1;
    }
};

TEST_F(ChooserDlgTest, GroupsByListAndUntickedIdsLeaveTheLists) {
    std::vector<int> first{10, 11, 10, 404}, filled{13}, blocked{}, others{12};
    CActivityChooser dlg(&first, &filled, &blocked, &others, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        SaveWindowPicture(&dlg, "activity_chooser.png");
        const CString A = L"[" + Text(IDS_DLG_CHOOSER_PLACEABLE) + L"]",
                      A1 = L"[" + Text(IDS_DLG_CHOOSER_WITH_ENTITY) + L"]",
                      A2 = L"[" + Text(IDS_DLG_CHOOSER_OTHERS) + L"]",
                      B = L"[" + Text(IDS_DLG_CHOOSER_NOT_PLACEABLE) + L"]",
                      B2 = L"[" + Text(IDS_DLG_CHOOSER_FILLED) + L"]";
        EXPECT_EQ(RowLabels(dlg.Tree()),
                  (std::vector<CString>{A, A1, L"Maths: Ada", L"French: Grace", L"Maths: Ada", A2, L"Chess: Grace", B, B2,
                                        L"[Drama]"}));
        ASSERT_EQ(dlg.m_checkItems.size(), 4u);
        ToggleTick(dlg, dlg.m_checkItems[2]);  // the second Maths row
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(first, (std::vector<int>{11, 404}));  // both Maths gone; an id without activity stays
    EXPECT_EQ(others, std::vector<int>{12});
    EXPECT_EQ(filled, std::vector<int>{13});
}

TEST_F(ChooserDlgTest, CancelAndTheNotPlaceableListsAloneChangeNothing) {
    std::vector<int> first{10}, filled{13}, blocked{12}, others{11};
    CActivityChooser dlg(&first, &filled, &blocked, &others, nullptr);
    EXPECT_EQ(RunModal(dlg, [&] {
        for (COptionTreeItemCheckBox* row : dlg.m_checkItems) ToggleTick(dlg, row);
        PressButton(dlg, IDCANCEL);
    }),
              IDCANCEL);
    EXPECT_EQ(first, std::vector<int>{10});
    EXPECT_EQ(others, std::vector<int>{11});

    std::vector<int> none, none2;
    CActivityChooser onlyB(&none, &filled, &blocked, &none2, nullptr);
    EXPECT_EQ(RunModal(onlyB, [&] {
        EXPECT_EQ(RowLabels(onlyB.Tree()).front(), L"[" + Text(IDS_DLG_CHOOSER_NOT_PLACEABLE) + L"]");
        PressButton(onlyB, IDOK);
    }),
              IDOK);
    EXPECT_EQ(filled, std::vector<int>{13});
    EXPECT_EQ(blocked, std::vector<int>{12});
}

TEST_F(ChooserDlgTest, ResolverReturnsTheChosenCandidatesActivity) {
    struct Case { const char* what; int option; int result; bool ok; };
    const Case cases[] = {
        {"unchanged: the first candidate", 0, 10, true},
        {"the third option is the candidate after the missing one", 2, 12, true},
        {"cancel", 1, 0, false},
    };
    for (const Case& c : cases) {
        const std::vector<int> candidates{10, 505, 11, 12};  // 505 has no activity: no option
        const CEntity& teacher = *data.FindEntity(3);
        CActivityResolveDlg dlg(&candidates, &teacher, L" 7b \t", L": Chess\r\n", nullptr);
        const INT_PTR result = RunModal(dlg, [&] {
            EXPECT_EQ(dlg.m_cellText, CString(L"7b"));
            EXPECT_EQ(dlg.m_detailText, CString(L"Chess"));
            ASSERT_EQ(dlg.m_choiceItem->Options().size(), 3u);
            EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_choiceItem), 0);
            if (c.option) ClickOption(dlg, dlg.m_choiceItem, c.option);
            // Enter and Escape do nothing; only the buttons close it.
            Key(Qt::Key_Return);
            Key(Qt::Key_Escape);
            EXPECT_TRUE(IsOpen(dlg));
            if (c.option == 2) SaveWindowPicture(&dlg, "activity_resolve.png");
            PressButton(dlg, c.ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(result, c.ok ? IDOK : IDCANCEL) << c.what;
        EXPECT_EQ(dlg.m_result, c.result) << c.what;
    }
}
