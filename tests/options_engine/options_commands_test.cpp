#include "import_fixture.h"
#include "options_engine/clean_ups.h"
#include "options_engine/lesson_schedule.h"
#include "options_engine/word_list_edit.h"

namespace {

using OptionsCommandsTest = ImportFixture;

TEST(WordListEdit, BlankLinesDroppedAndSeparatorRefused) {
    struct Case {
        std::vector<CString> lines;
        bool ok;
        int refused;
        std::vector<CString> list;
    };
    const std::vector<CString> old = {L"old"};
    const Case cases[] = {
        {{L"B", L"", L"A", L""}, true, -1, {L"B", L"A"}},
        {{}, true, -1, {}},
        {{L"A", L"x;y", L"z;"}, false, 1, old},
    };
    for (const Case& c : cases) {
        std::vector<CString> list = old;
        int refused = -2;
        EXPECT_EQ(StoreWordList(c.lines, list, refused), c.ok);
        EXPECT_EQ(refused, c.refused);
        EXPECT_EQ(list, c.list);
    }
}

TEST_F(OptionsCommandsTest, LessonListReadAndWrittenBack) {
    struct Case {
        std::vector<CString> lessons;
        int startHour, startMinute;
        std::vector<CLessonInterval> intervals;
        std::vector<CString> written;
    };
    const Case cases[] = {
        {{L"08:00", L"!08:45 Break", L"09:00"}, 8, 0, {{45, L""}, {15, L"Break"}},
         {L"08:00", L"!08:45 Break", L"09:00"}},
        {{}, 7, 0, {{480, L""}}, {L"07:00", L"15:00"}},
        // An entry without a readable time is left out.
        {{L"8:05", L"lunch", L"!25:00 x", L"10:00"}, 8, 5, {{115, L""}}, {L"08:05", L"10:00"}},
        // The label follows the time at once or after a blank.
        {{L"09:00", L"!10:00Lunch", L"11:00"}, 9, 0, {{60, L""}, {60, L"Lunch"}},
         {L"09:00", L"!10:00 Lunch", L"11:00"}},
    };
    for (const Case& c : cases) {
        const std::optional<CLessonSchedule> schedule = ParseLessonList(c.lessons, m_data.m_tDayStart);
        ASSERT_TRUE(schedule.has_value());
        EXPECT_EQ(schedule->m_tDayStart, MakeTimeOfDay(c.startHour, c.startMinute));
        EXPECT_EQ(schedule->m_arrIntervals, c.intervals);
        EXPECT_EQ(FormatLessonList(*schedule), c.written);
    }
    // Nothing readable, or times that go back: no schedule to show or to write back.
    const std::vector<std::vector<CString>> refused = {
        {L"lunch"}, {L"", L"x:y"}, {L"09:00", L"08:00"}, {L"08:00", L"!10:00 Break", L"09:30"}};
    for (const auto& lessons : refused) EXPECT_FALSE(ParseLessonList(lessons, m_data.m_tDayStart)) << lessons.size();
}

TEST_F(OptionsCommandsTest, CleanUpsAndPaletteTakeTheUndoSnapshot) {
    AddEntity(1, 1, L"Ada");
    AddEntity(2, 0, L"7a");
    AddActivity(10, L"Maths", {1});
    AddActivity(11, L"Art", {});
    const std::size_t entities = m_data.m_arrEntities.size();
    const std::size_t activities = m_data.m_arrActivities.size();
    for (CleanUp kind : {CleanUp::ActivitiesWithoutEntries, CleanUp::EntitiesWithoutEntries,
                         CleanUp::EntitiesWithoutActivities, CleanUp::ActivitiesWithoutMembers}) {
        RunCleanUp(m_data, kind);
        EXPECT_TRUE(m_data.m_arrEntities.size() < entities || m_data.m_arrActivities.size() < activities);
        m_data.Undo(FALSE);
        EXPECT_EQ(m_data.m_arrEntities.size(), entities);
        EXPECT_EQ(m_data.m_arrActivities.size(), activities);
    }
    ApplyPalette(m_data, L"Math", TRUE, RGB(9, 9, 9), FALSE, 0, FALSE, 0);
    EXPECT_EQ(m_data.FindActivity(10)->m_crBackground, RGB(9, 9, 9));
    m_data.Undo(FALSE);
    EXPECT_NE(m_data.FindActivity(10)->m_crBackground, RGB(9, 9, 9));
}

}  // namespace
