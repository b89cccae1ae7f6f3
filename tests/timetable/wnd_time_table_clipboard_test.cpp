// Copy and paste of timetable lessons on the page: the selected lessons of one document pasted
// into another as one undo step, and a fragment that cannot be taken refused with nothing
// changed.
#include "time_table_page_fixture.h"

#include "timetable_test_support.h"

namespace {

using vorn_test::MousePress;
using vorn_test::MouseRelease;

class TimeTableClipboardTest : public TimeTablePageTest {
protected:
    void Command(UINT id) {
        Page().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    void Click(std::uint64_t serial, bool add) {
        const int item = FindItemOf(serial);
        ASSERT_GE(item, 0);
        const CPoint p = InItem(item, 20, 20);
        MousePress(&Body(), p, Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier);
        MouseRelease(&Body(), p, Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier);
        vorn_test::ProcessEvents();
    }
    bool HasEntryAt(int activity, const COleDateTime& start) {
        return Data().FindEntryAt(activity, start) != Data().m_arrEntries.end();
    }
};

TEST_F(TimeTableClipboardTest, LessonsCopiedFromOneDocumentArePastedIntoAnother) {
    ShowWeek(false);
    Click(maths, false);
    Click(music, true);
    ASSERT_EQ(Pane().m_nSelectionMode, 1);
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(clipboard.m_bHasText);

    // A second document with the same activities and no lessons.
    ShowWeek(false);
    Data().m_arrEntries.clear();
    RecheckAndRefresh(Data(), TRUE);
    Data().DiscardUndo();
    const int refreshes = host.refreshes;
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(HasEntryAt(10, At(2000, 1, 3, 8, 0)));
    EXPECT_TRUE(HasEntryAt(12, At(2000, 1, 4, 8, 0)));
    EXPECT_EQ(Data().m_arrEntries.size(), 2u);
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_GT(host.refreshes, refreshes);
    EXPECT_GE(FindItemAt(L"Maths", 3, 8), 0) << "the pasted lesson shows in the grid";
}

TEST_F(TimeTableClipboardTest, AFragmentThatCannotBeTakenIsRefused) {
    const wchar_t* const fragments[] = {
        L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT><SCHEDULE ACTIVITY=\"Art\" LEVEL=\"\" "
        L"START=\"05/01/2000 09:00\" DURATION=\"25:00\"/></DOCUMENT>",
        L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT><SCHEDULE ACTIVITY=\"A\" LEVEL=\"\" "
        L"START=\"05/01/2000 09:00\" DURATION=\"1:00\"/></DOCUMENT>",
        L"not a fragment",
    };
    for (const wchar_t* fragment : fragments) {
        ShowWeek(false);
        const std::size_t entries = Data().m_arrEntries.size(), asked = answers.asked.size();
        clipboard.SetText(fragment);
        Command(ID_EDIT_PASTE);
        EXPECT_EQ(Data().m_arrEntries.size(), entries) << CString(fragment).ToUtf8();
        EXPECT_FALSE(Data().HasUndoSnapshot()) << CString(fragment).ToUtf8();
        EXPECT_EQ(answers.asked.size(), asked + 1) << CString(fragment).ToUtf8() << ": the user is told why";
    }
}

}  // namespace
