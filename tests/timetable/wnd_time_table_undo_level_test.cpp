// The timetable page's one undo level: an edit the page refuses and a paste that places nothing
// leave it as the edit before them made it.
#include "time_table_page_fixture.h"

#include "model/time_values.h"
#include "resource_ids.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

class TimeTableUndoLevelTest : public TimeTablePageTest {
protected:
    // Moves Music's item on the page and lets the page write it back.
    void MoveMusicTo(const COleDateTime& start) {
        const int item = FindItemOf(music);
        ASSERT_GE(item, 0);
        Pane().m_arrItems[item].m_dtStart = start;
        Page().SendMessage(WM_TT_ITEMS_CHANGED, 0, 0);
        vorn_test::ProcessEvents();
    }
    COleDateTime MusicStart() { return Data().FindEntryBySerial(music)->m_dtStart; }
};

TEST_F(TimeTableUndoLevelTest, ARefusedEditOrAnEmptyPasteKeepsTheEarlierEditUndoable) {
    const struct {
        const char* name;
        bool paste;
    } cases[] = {{"move onto Maths's hour", false}, {"paste of Maths onto Art's hour", true}};
    for (const auto& c : cases) {
        ShowWeek(false);
        MoveMusicTo(At(2000, 1, 4, 9, 0));
        ASSERT_EQ(CompareTimesApprox(MusicStart(), At(2000, 1, 4, 9, 0)), 0) << c.name;
        const std::size_t entries = Data().m_arrEntries.size();

        if (c.paste) {
            clipboard.SetText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT><SCHEDULE ACTIVITY=\"Maths\" "
                              L"LEVEL=\"\" START=\"03/01/2000 10:00\" DURATION=\"1:00\"/></DOCUMENT>");
            Page().SendMessage(WM_COMMAND, ID_EDIT_PASTE, 0);
            vorn_test::ProcessEvents();
        } else {
            // Ada Brook would teach Maths and Music at once.
            MoveMusicTo(At(2000, 1, 3, 8, 0));
        }
        EXPECT_EQ(Data().m_arrEntries.size(), entries) << c.name;
        EXPECT_NE(Data().FindEntryAt(12, At(2000, 1, 4, 9, 0)), Data().m_arrEntries.end()) << c.name;

        ASSERT_TRUE(Data().CanUndo()) << c.name;
        Data().Undo(TRUE);
        vorn_test::ProcessEvents();
        EXPECT_NE(Data().FindEntryAt(12, At(2000, 1, 4, 8, 0)), Data().m_arrEntries.end())
            << c.name << ": the earlier move is undone";
    }
}

}  // namespace
