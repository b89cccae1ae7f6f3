// The explorer bar: groups from a menu, images from a toolbar, items greyed by their update
// handlers, the looks, collapsing, the tips and the clicks.
#include "frame/wnd_explorer_bar.h"

#include "platform/core/load_res_string.h"
#include "shell_fixture.h"

namespace {

struct TintCase {
    double x;
    COLORREF in, out;
};
const TintCase kTints[] = {
    {0.5, RGB(0, 100, 255), RGB(127, 177, 255)},
    {1.0, RGB(10, 20, 30), RGB(255, 255, 255)},
    {0.0, RGB(10, 20, 30), RGB(10, 20, 30)},  // outside (0, 1]: unchanged
    {1.5, RGB(10, 20, 30), RGB(10, 20, 30)},
};

class ExplorerBarTest : public ShellTest {
protected:
    CWndExplorerBar& Bar() { return frame->GetExplorerBar(); }
    CExplorerBarItem* Item(UINT command) {
        for (const auto& group : Bar().Groups())
            for (const auto& item : group->m_arrItems)
                if (item->m_nCommand == static_cast<int>(command)) return item.get();
        return nullptr;
    }
    void Paint() {
        Bar().Invalidate();
        Bar().UpdateWindow();
    }
};

}  // namespace

TEST(ExplorerBarTint, EachChannelMovesTowardsWhite) {
    for (const TintCase& c : kTints) EXPECT_EQ(TintColour(c.x, c.in), c.out) << c.x;
}

TEST_F(ExplorerBarTest, ThePageMenuGivesGroupsWithToolbarImagesAndGreyedCommands) {
    Load("school-dated.xml");
    ASSERT_EQ(Bar().GetMenuId(), static_cast<UINT>(IDR_CONTACTS_EXPLORER));
    ASSERT_EQ(Bar().Groups().size(), 4u);
    EXPECT_EQ(Bar().Groups()[0]->m_strTitle, L"Records");
    EXPECT_EQ(Bar().Groups()[0]->m_arrItems.size(), 4u);
    // The toolbar's first image is an image like any other.
    EXPECT_EQ(Item(ID_CONTACTS_ADD)->m_nImage, 0);
    EXPECT_EQ(Item(ID_CONTACTS_DELETE)->m_nImage, 2);
    EXPECT_EQ(Item(ID_CONTACTS_DELETE)->m_strTip, LoadResString(ID_CONTACTS_DELETE));
    Bar().UpdateItemStates();
    EXPECT_TRUE(Item(ID_CONTACTS_ADD)->m_nFlags & CExplorerBarItem::kDisabled);  // its dialog is not there
    EXPECT_FALSE(Item(ID_CONTACTS_DELETE)->m_nFlags & CExplorerBarItem::kDisabled);
    CWndContacts::s_dialogs.editEntity = [](CEntity&, UINT, bool, CMultipleEditOptions&) { return FALSE; };
    EXPECT_TRUE(Bar().UpdateItemStates());
    EXPECT_FALSE(Item(ID_CONTACTS_ADD)->m_nFlags & CExplorerBarItem::kDisabled);
}

TEST_F(ExplorerBarTest, ASeparatorEndsAGroupAndAMissingMenuLeavesTheBarEmpty) {
    ASSERT_TRUE(Bar().BuildFromMenu(IDR_MAINFRAME));
    ASSERT_FALSE(Bar().Groups().empty());
    EXPECT_EQ(Bar().Groups()[0]->m_arrItems.size(), 4u);  // New, Open, Save, Save As
    EXPECT_FALSE(Bar().BuildFromMenu(4242));
    EXPECT_TRUE(Bar().Groups().empty());
    EXPECT_FALSE(Bar().SetImagesFromToolBar(4242));
}

// A click on a command that its update handler has disabled since does nothing.
TEST_F(ExplorerBarTest, AClickRunsTheCommandOnlyWhileItIsEnabled) {
    Load("school-dated.xml");
    int asked = 0;
    CWndContacts::s_dialogs.selectBy = [&asked](CSelectByFilter&) {
        ++asked;
        return FALSE;
    };
    Contacts().GetTabs().SelectTabByKey(3);
    Contacts().SendMessage(CMyVerticalTabCtrl::kSelected, 3, 0);  // rooms: select-by is off there
    Item(ID_SELECT_BY)->OnClick(0, 0, 0, 0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(asked, 0);
    Contacts().GetTabs().SelectTabByKey(0);
    Contacts().SendMessage(CMyVerticalTabCtrl::kSelected, 0, 0);
    Item(ID_SELECT_BY)->OnClick(0, 0, 0, 0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(asked, 1);
}

TEST_F(ExplorerBarTest, TheTitleRowCollapsesAGroupExceptInThePlainLook) {
    Load("school-dated.xml");
    Bar().SetStyle(3);
    Paint();
    CExplorerBarGroup& group = *Bar().Groups()[0];
    const CPoint title(group.m_rcButton.left + 5, group.m_rcButton.CenterPoint().y);  // left of the button
    vorn_test::MouseMove(&Bar(), title);
    vorn_test::Click(&Bar(), title);
    EXPECT_EQ(group.m_bCollapsed, 1);
    Paint();
    SaveScreenPicture(&Bar(), "explorer_bar_classic_collapsed.png");
    Bar().SetStyle(2);
    EXPECT_EQ(group.m_bCollapsed, 0);
    Paint();
    vorn_test::MouseMove(&Bar(), title);
    vorn_test::Click(&Bar(), title);
    EXPECT_EQ(group.m_bCollapsed, 0);
    Bar().SetStyle(3);
    EXPECT_EQ(group.m_bCollapsed, 0);
}

TEST_F(ExplorerBarTest, TipsShowTheHeadingAndWithHashesTheHelpTable) {
    CExplorerBarItem item;
    item.m_strTip = L"Copy the cards";
    EXPECT_EQ(Bar().BuildTipText(item), L"<h1>Copy the cards </h1><ilst index=0 width=16 height=16>");
    item.m_strTip = L"#Reset#";
    const CString help = Bar().BuildTipText(item);
    EXPECT_EQ(help.Find(L"<h1>Reset </h1>"), 0);
    EXPECT_GE(help.Find(LoadResString(60946)), 0);
    EXPECT_GE(help.Find(L"<ilst index=11 width=16 height=16>"), 0);
    item.m_strTip.Empty();
    EXPECT_EQ(Bar().BuildTipText(item), L"<h1> </h1><ilst index=0 width=16 height=16>");
}

TEST_F(ExplorerBarTest, PicturesOfTheFourLooks) {
    Load("school-dated.xml");
    for (int style = 1; style <= 4; ++style) {
        Bar().SetStyle(style);
        Paint();
        vorn_test::MouseMove(&Bar(), Item(ID_CONTACTS_DELETE)->m_rect.CenterPoint());
        Paint();
        const std::string name = "explorer_bar_look_" + std::to_string(style) + ".png";
        SaveScreenPicture(&Bar(), name.c_str());
    }
}
