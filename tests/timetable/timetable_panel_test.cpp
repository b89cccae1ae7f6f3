// The side panel's lists of the timetable page for what is selected in the grid's first pane,
// and applying the panel's choice: checks with their refusals and warnings, entries placed into
// ranges with "Yes" and "No", people and rooms added to lessons, and an entity dropped on them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/description_texts.h"
#include "model/time_values.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/timetable_panel_apply.h"
#include "timetable/timetable_panel_lists.h"
#include "../model/model_test_support.h"
#include "plan_builder.h"
#include "timetable_test_support.h"

namespace {

// "caption|group|image|kind|colour" of every item, with the colour as its panel name.
std::vector<std::string> Describe(const CPanelList& list) {
    std::vector<std::string> lines;
    for (const CPanelItem& item : list.m_arrItems) {
        std::string colour = item.m_crBack == GetSysColor(COLOR_WINDOW) ? "window"
                             : item.m_crBack == kPanelLinked            ? "linked"
                             : item.m_crBack == kPanelLikeActivity      ? "like"
                             : item.m_crBack == kPanelFreed             ? "freed"
                             : item.m_crBack == kPanelShortOfTime       ? "short"
                             : item.m_crBack == kPanelUnpaid            ? "unpaid"
                                                                        : "other";
        lines.push_back(item.m_strCaption.ToUtf8() + "|" + std::to_string(item.m_nGroup) + "|" +
                        std::to_string(item.m_nImage) + "|" + std::to_string(item.m_nKind) + "|" + colour);
    }
    return lines;
}

}  // namespace

// The dated plan of plan_builder.h with Ada (1) as the current entity, two rooms (30 Lab, 31 Hall)
// and, for the panel, an activity without planned time.
class PanelTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        SetTestServices(m_data, m_host, m_settings, m_answers);
        plan = AddDatedTestPlan(m_data);
        AddTestEntity(m_data, 30, 4, L"Lab");
        AddTestEntity(m_data, 31, 4, L"Hall");
        AddTestActivity(m_data, 15, L"Tutor time", {1}).m_tsDuration = COleDateTimeSpan(0.0);
        m_data.m_nCurrentEntity = 1;
    }
    CTimeTableCtrlView& Show(GridHost& host) {
        host.control.SetDayRange(5, m_data.GetStartDate(), m_data.m_tDayStart);
        FillPaneForEntity(host.control, 0, m_data, 1);
        return host.control.GetPane(0);
    }
    static void SelectRange(CTimeTableCtrlView& pane, const COleDateTime& start, int minutes) {
        pane.m_nSelectionMode = 2;
        pane.m_arrSelectedRanges.emplace_back(start, COleDateTimeSpan(0, 0, minutes, 0), 0, 0);
    }
    static void SelectItem(CTimeTableCtrlView& pane, const COleDateTime& start) {
        pane.m_nSelectionMode = 1;
        for (CTimeTableItem& item : pane.m_arrItems)
            if (CompareTimesApprox(item.m_dtStart, start) == 0) item.m_bSelected = 1;
    }
    std::string Plain(int activity) {
        return FormatActivityEntryPlainText(m_data, *m_data.FindActivity(activity), 1, nullptr, 1).ToUtf8();
    }
    std::vector<std::string> Problems() {
        std::vector<std::string> texts;
        for (const CProblem& problem : m_data.m_arrProblems)
            texts.push_back(std::to_string(problem.m_nKind) + " " + problem.m_strText.ToUtf8());
        return texts;
    }
    // The entries of the activity, as "day hh:mm minutes".
    std::vector<std::string> EntriesOf(int activity) {
        std::vector<std::string> list;
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            if (entry.m_nActivity == activity)
                list.push_back(entry.m_dtStart.Format(L"%a %H:%M").ToUtf8() + " " +
                               std::to_string(WholeMinutes(entry.m_tsLength)));
        return list;
    }

    CScriptedMessageAnswerer m_answers;
    DatedTestPlan plan;
};

TEST_F(PanelTest, ActivitiesOfTheEntityAndThoseThatFitTheSelectedTime) {
    EXPECT_EQ(Describe(ListEntityActivities(m_data)),
              (std::vector<std::string>{Plain(10) + "  (2:00)04:00|2|2|0|short", Plain(20) + "  (1:00)04:00|1|5|0|short",
                                        Plain(15) + "|3|2|0|window"}));

    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    // Monday 12:00: everybody is free. Maths is made complete; Tutor time has no planned time.
    m_data.FindActivity(10)->m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
    SelectRange(pane, At(2024, 9, 2, 12, 0), 60);
    const CPanelList fits = ListPlaceableActivities(m_data, pane);
    EXPECT_EQ(fits.m_nColumnTitle, static_cast<UINT>(IDS_TT_PLACEABLE_COLUMN));
    EXPECT_EQ(Describe(fits), (std::vector<std::string>{Plain(10) + "|2|2|-1|window", Plain(20) + "|1|5|-1|window",
                                                        Plain(15) + "|4|2|-1|window"}));
    // Monday 10:00 class 1a has Art: only Tutor time (Ada alone) fits.
    pane.m_arrSelectedRanges.clear();
    SelectRange(pane, At(2024, 9, 2, 10, 0), 60);
    EXPECT_EQ(Describe(ListPlaceableActivities(m_data, pane)), (std::vector<std::string>{Plain(15) + "|4|2|-1|window"}));
}

TEST_F(PanelTest, PeopleWhoMayJoinTheSelectedTimeOrLesson) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    // A cancelled Music lesson (Cy, 1b) on Monday at 12:00 frees its people.
    AddTestEntry(m_data, 12, At(2024, 9, 2, 12, 0), 60);
    m_data.m_arrEntries.back().m_bLinked = 1;
    m_data.m_arrEntries.back().m_nState = 7;
    SelectRange(pane, At(2024, 9, 2, 12, 0), 60);
    const CPanelList byRange = ListJoinableEntities(m_data, pane);
    EXPECT_EQ(byRange.m_nColumnTitle, static_cast<UINT>(IDS_TT_JOINABLE_DATED));
    EXPECT_EQ(byRange.m_nMenuFlags, 13);
    EXPECT_EQ(Describe(byRange), (std::vector<std::string>{"1a|0|6|1|window", "1b|0|6|9|freed", "Ben Cole|1|7|1|window",
                                                           "Cy Dunn|1|7|9|freed"}));

    // Ada's Monday Maths lesson: Ada and 1a take part already; Cy runs a Maths club and is marked;
    // Ben, standing in at Ada's Choir lesson, is linked with her.
    AddTestActivity(m_data, 16, L"Maths club", {5});
    CReplacement standIn;
    standIn.m_nEntity = 4;
    m_data.FindEntryBySerial(plan.e5)->m_arrReplacements.push_back(standIn);
    pane.m_arrSelectedRanges.clear();
    SelectItem(pane, At(2024, 9, 2, 8, 0));
    const CPanelList byItem = ListJoinableEntities(m_data, pane);
    EXPECT_EQ(byItem.m_nMenuFlags, 15);
    EXPECT_EQ(Describe(byItem),
              (std::vector<std::string>{"1b|0|6|1|window", "Ben Cole|1|7|5|linked", "Cy Dunn|1|7|3|like"}));
    for (const CPanelItem& item : byItem.m_arrItems)
        EXPECT_EQ((item.m_nKind & 4) != 0, m_data.AreEntitiesLinked(item.m_nId, 1) != 0) << item.m_strCaption.ToUtf8();

    // Nothing selected in the first pane: the entity's activities.
    pane.ClearSelection();
    EXPECT_EQ(ListJoinableEntities(m_data, pane).m_arrItems.size(), 3u);
}

TEST_F(PanelTest, RoomsPeopleOfALessonAndGroupTimes) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    // Drama (two teachers) books the Hall and runs on Monday at 08:00 too: the Hall is shared
    // then. With one teacher the Hall would be Drama's own room and not listed.
    m_data.FindActivity(21)->m_arrRooms = {31};
    m_data.FindActivity(21)->m_arrMembers = {4, 5, 3};
    AddTestEntry(m_data, 21, At(2024, 9, 2, 8, 0), 60);
    // Ada's Tutor time has the Lab: the Lab is linked with her.
    m_data.FindActivity(15)->m_arrRooms = {30};
    SelectItem(pane, At(2024, 9, 2, 8, 0));
    EXPECT_EQ(Describe(ListFreeRooms(m_data, pane)), (std::vector<std::string>{"Lab|1|10|5|linked", "Hall|2|10|1|window"}));

    CTimetableEntry& maths = *m_data.FindEntryBySerial(plan.e1);
    CReplacement ben, cy, oneB;
    ben.m_nEntity = 4;
    ben.m_nReplacing = 1;
    ben.m_bPaid = 1;
    cy.m_nEntity = 5;
    oneB.m_nEntity = 3;
    oneB.m_bExtending = 1;
    maths.m_arrReplacements = {ben, cy, oneB};
    maths.m_arrRooms = {30};
    const CPanelList people = ListEntryPeople(m_data, pane.GetCurrentItem() ? pane.GetCurrentItem() : &pane.m_arrItems[0]);
    EXPECT_EQ(people.m_nCurrentEntry, plan.e1);
    EXPECT_EQ(Describe(people), (std::vector<std::string>{"Ben Cole|0|7|0|window", "Cy Dunn|1|7|0|unpaid",
                                                          "1b|3|6|0|unpaid", "Lab|4|10|0|window"}));

    EXPECT_EQ(Describe(ListGroupTimes(m_data, 1)), (std::vector<std::string>{"Options (1:00)4:00|2|16|0|short"}));
    m_data.RemoveEntryByPointer(&*m_data.FindEntryBySerial(plan.e5));
    EXPECT_EQ(ListGroupTimes(m_data, 1).m_arrItems.at(0).m_nGroup, 1);
    m_data.FindActivity(20)->m_tsDuration = COleDateTimeSpan(0.0);
    EXPECT_EQ(ListGroupTimes(m_data, 1).m_arrItems.at(0).m_nGroup, 5);
}

TEST_F(PanelTest, ChecksBeforeApplying) {
    struct Case {
        const char* name;
        int mode;
        std::vector<int> ids;
        std::function<void(CTimeTableCtrlView&)> select;
        int result;
        std::vector<std::string> problems;
    };
    const COleDateTime noon = At(2024, 9, 2, 12, 0);
    const Case cases[] = {
        {"activities into lessons", 1, {10}, [&](CTimeTableCtrlView& p) { SelectItem(p, At(2024, 9, 2, 8, 0)); }, 0,
         {"12 Select free time in the grid first."}},
        {"activities of two groups", 1, {10, 20}, [&](CTimeTableCtrlView& p) { SelectRange(p, noon, 60); }, 0,
         {"13 Activities placed together must all belong to one activity group."}},
        {"two activities of one group", 1, {20, 22}, [&](CTimeTableCtrlView& p) { SelectRange(p, noon, 60); }, 1, {}},
        {"into Ada's absence", 1, {10}, [&](CTimeTableCtrlView& p) { SelectRange(p, At(2024, 9, 3, 14, 0), 60); }, 0,
         {"13 The entity is absent or not available in the selected time."}},
        {"over her Maths lesson", 1, {15}, [&](CTimeTableCtrlView& p) { SelectRange(p, At(2024, 9, 2, 8, 0), 60); }, 1,
         {"13 The selected time is already taken by " +
          m_data.FindEntryBySerial(plan.e1)->FormatTitle(m_data, 0, 0).ToUtf8() + "."}},
        {"the group's own time", 4, {7}, [&](CTimeTableCtrlView& p) { SelectRange(p, At(2024, 9, 3, 9, 0), 60); }, 1,
         {}},
        {"people into time", 2, {4}, [&](CTimeTableCtrlView& p) { SelectRange(p, noon, 60); }, 0,
         {"13 Select lessons in the grid first."}},
        {"a free teacher into Maths", 2, {4}, [&](CTimeTableCtrlView& p) { SelectItem(p, At(2024, 9, 2, 8, 0)); }, 1,
         {}},
        {"a class already in Maths", 2, {2}, [&](CTimeTableCtrlView& p) { SelectItem(p, At(2024, 9, 2, 8, 0)); }, 1,
         {"13 1a is not free for " + m_data.FindEntryBySerial(plan.e1)->FormatTitle(m_data, 0, 0).ToUtf8() + "."}},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        c.select(pane);
        m_data.m_arrProblems = {CProblem()};
        EXPECT_EQ(CanApplyPanelSelection(m_data, pane, c.mode, c.ids), c.result) << c.name;
        EXPECT_EQ(Problems(), c.problems) << c.name;
    }
    m_data.m_nCurrentEntity = 0;
    GridHost host;
    EXPECT_EQ(CanApplyPanelSelection(m_data, Show(host), 1, {10}), 0);
    EXPECT_EQ(Problems(), (std::vector<std::string>{"13 Choose an entity first."}));
}

TEST_F(PanelTest, ApplyingActivitiesIntoRanges) {
    struct Case {
        const char* name;
        MessageAnswer answer;
        int rangeMinutes;
        int meetingMinutes;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        {"Yes: one entry over the range", MessageAnswer::Yes, 120, 45, {"Mon 12:00 120"}},
        {"No: meetings of 45 minutes", MessageAnswer::No, 120, 45, {"Mon 12:00 45", "Mon 12:45 45", "Mon 13:30 45"}},
        {"No: one meeting fills the hour", MessageAnswer::No, 60, 60, {"Mon 12:00 60"}},
        {"No without a meeting length", MessageAnswer::No, 90, 0, {"Mon 12:00 90"}},
        {"Cancel", MessageAnswer::Cancel, 60, 60, {}},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        m_host.kinds.clear();
        m_data.FindActivity(15)->m_tsMeeting = COleDateTimeSpan(0, 0, c.meetingMinutes, 0);
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        SelectRange(pane, At(2024, 9, 2, 12, 0), c.rangeMinutes);
        m_answers.m_script = {c.answer};
        EXPECT_EQ(ApplyPanelSelection(m_data, pane, 1, {15}), c.answer == MessageAnswer::Cancel ? 0 : 1) << c.name;
        EXPECT_EQ(EntriesOf(15), c.added) << c.name;
        EXPECT_TRUE(m_host.kinds.empty()) << c.name << ": no refresh per entry";
    }
}

TEST_F(PanelTest, AnEntryThatPutsSomebodyOverTheLimitIsTakenOut) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    // Choir over Ada's Monday Maths lesson would book her twice; over Monday noon it fits.
    SelectRange(pane, At(2024, 9, 2, 8, 0), 60);
    SelectRange(pane, At(2024, 9, 2, 12, 0), 60);
    m_answers.m_script = {MessageAnswer::Yes};
    EXPECT_EQ(ApplyPanelSelection(m_data, pane, 4, {7}), 1);
    EXPECT_EQ(EntriesOf(20), (std::vector<std::string>{"Tue 09:00 60", "Mon 12:00 60"}));
}

TEST_F(PanelTest, ApplyingPeopleAndRoomsToLessons) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    SelectItem(pane, At(2024, 9, 2, 8, 0));
    EXPECT_EQ(ApplyPanelSelection(m_data, pane, 2, {4, 2}), 1);
    const CTimetableEntry& maths = *m_data.FindEntryBySerial(plan.e1);
    ASSERT_EQ(maths.m_arrReplacements.size(), 1u) << "1a takes part already";
    EXPECT_EQ(maths.m_arrReplacements[0].m_nEntity, 4);
    EXPECT_EQ(maths.m_arrReplacements[0].m_nReplacing, 0);
    EXPECT_EQ(maths.m_arrReplacements[0].m_bPaid, 0);
    EXPECT_EQ(ApplyPanelSelection(m_data, pane, 3, {30}), 1);
    EXPECT_EQ(maths.m_arrRooms, (std::vector<int>{30}));

    // In a week template people join the activity itself.
    m_data.SetStartDate(At(2000, 1, 3, 0, 0));
    m_data.FindEntryBySerial(plan.e1)->m_dtStart = At(2000, 1, 3, 8, 0);
    m_data.FindEntryBySerial(plan.e2)->m_dtStart = At(2000, 1, 5, 8, 0);
    EXPECT_EQ(ApplyPanelSelection(m_data, pane, 2, {5}), 1);
    EXPECT_TRUE(m_data.FindActivity(10)->HasEntityId(m_data, 5));
}

TEST_F(PanelTest, EntityDroppedOnLessonsJoinsTheirActivities) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    SelectItem(pane, At(2024, 9, 2, 8, 0));
    SelectItem(pane, At(2024, 9, 4, 8, 0));
    SelectItem(pane, At(2024, 9, 3, 9, 0));
    // Ben may join Maths; in Choir he would clash with his own Drama lesson.
    ApplyDroppedEntity(m_data, pane, 4);
    EXPECT_TRUE(m_data.FindActivity(10)->HasEntityId(m_data, 4));
    EXPECT_FALSE(m_data.FindActivity(20)->HasEntityId(m_data, 4));
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    bool listed = false;
    for (const CProblem& problem : m_data.m_arrProblems)
        listed = listed || (problem.m_nKind == 13 && problem.m_nRecord == 4 &&
                            problem.m_strText.Find(L"Ben Cole cannot join") == 0);
    EXPECT_TRUE(listed);
}

// A drop takes an undo level only when the entity joins something: otherwise Undo still takes
// back the user's previous edit (here a renamed activity).
TEST_F(PanelTest, DropThatChangesNothingKeepsThePreviousUndoLevel) {
    struct Case {
        const char* name;
        COleDateTime lesson;
        int entity;
        bool joins;
    };
    const Case cases[] = {
        {"Ben cannot join Choir", At(2024, 9, 3, 9, 0), 4, false},
        {"Ada is in Maths already", At(2024, 9, 2, 8, 0), 1, false},
        {"Ben joins Maths", At(2024, 9, 2, 8, 0), 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        m_data.SaveUndo();
        m_data.FindActivity(12)->m_strName = L"Singing";
        SelectItem(pane, c.lesson);
        ApplyDroppedEntity(m_data, pane, c.entity);
        const bool joined = m_data.FindActivity(10)->HasEntityId(m_data, 4);
        EXPECT_EQ(joined, c.joins);
        m_data.Undo(FALSE);
        EXPECT_EQ(m_data.FindActivity(12)->m_strName.ToUtf8(), c.joins ? "Singing" : "Music");
        EXPECT_FALSE(m_data.FindActivity(10)->HasEntityId(m_data, 4));
        m_data.FindActivity(12)->m_strName = L"Music";
    }
}
