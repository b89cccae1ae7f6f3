// Copy and paste of timetable fragments: entries copied from one document and pasted into
// another, the problems of entries that cannot be placed, and hostile fragments refused whole.
#include <gtest/gtest.h>

#include "model/time_values.h"
#include "timetable/time_table_item.h"
#include "timetable/timetable_fragment.h"
#include "../model/model_test_support.h"
#include "plan_builder.h"
#include "timetable_test_support.h"

class FragmentTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        SetTestServices(m_data, m_host, m_settings, m_answers, &m_clipboard);
        SetTestServices(m_target, m_host, m_settings, m_answers, &m_clipboard);
        plan = AddDatedTestPlan(m_data);
        // The target: the same people and activities, no entries; Ada is its current entity.
        AddDatedTestPlan(m_target);
        m_target.m_arrEntries.clear();
        m_target.m_nCurrentEntity = 1;
    }
    CTimeTableItem ItemOf(std::uint64_t serial) {
        const auto entry = m_data.FindEntryBySerial(serial);
        CTimeTableItem item = MakeItem(L"", entry->m_dtStart, WholeMinutes(entry->m_tsLength), entry->m_nActivity);
        item.m_nSource = serial;
        return item;
    }
    void PutOnClipboard(const CString& schedules) {
        m_clipboard.SetText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT>" + schedules + L"</DOCUMENT>");
    }
    static CString Schedule(const wchar_t* activity, const wchar_t* start, const wchar_t* duration) {
        return CString(L"<SCHEDULE ACTIVITY=\"") + activity + L"\" LEVEL=\"\" START=\"" + start + L"\" DURATION=\"" +
               duration + L"\"/>";
    }
    std::vector<std::string> TargetEntries() {
        std::vector<std::string> list;
        for (const CTimetableEntry& entry : m_target.m_arrEntries)
            list.push_back(m_target.FindActivity(entry.m_nActivity)->m_strName.ToUtf8() + " " +
                           entry.m_dtStart.Format(L"%a %H:%M").ToUtf8() + " " +
                           std::to_string(WholeMinutes(entry.m_tsLength)));
        return list;
    }

    CMemoryClipboard m_clipboard;
    CScriptedMessageAnswerer m_answers;
    CScheduleData m_target;
    DatedTestPlan plan;
    int m_filter = 3;
};

TEST_F(FragmentTest, EntriesCopiedFromOneDocumentArePastedIntoAnother) {
    CTimeTableItem group = ItemOf(plan.e6);
    group.m_bGroupItem = 1;
    m_data.m_arrProblems.push_back(CProblem());
    CopyTimetableFragment(m_data, {ItemOf(plan.e1), group, ItemOf(plan.e5)});
    EXPECT_EQ(m_data.m_arrProblems.size(), 1u) << "copying keeps the problem list";

    EXPECT_EQ(PasteTimetableFragment(m_target, &m_filter), FragmentPaste::Pasted);
    EXPECT_EQ(TargetEntries(), (std::vector<std::string>{"Maths Mon 08:00 60", "Choir Tue 09:00 60"}));
    EXPECT_TRUE(m_target.HasUndoSnapshot());
    EXPECT_TRUE(m_answers.m_asked.empty());
    // In a dated plan a new entry waits for its placement to be settled.
    EXPECT_EQ(m_target.m_arrEntries[0].m_dtUnmovedStart.GetYear(), 1970);
    EXPECT_EQ(m_filter, 3);
}

TEST_F(FragmentTest, EntriesThatCannotBePlacedBecomeProblems) {
    struct Case {
        const char* name;
        CString schedule;
        std::vector<std::string> entries;
        CString problem;
    };
    m_settings.GetWordList(WordList::Activities) = {L"Chemistry", L"Math club", L"Maths"};
    const Case cases[] = {
        {"a name widened by the Activities list, the last word wins", Schedule(L"Mat", L"02/09/2024 12:00", L"1:00"),
         {"Maths Mon 12:00 60"}, L""},
        {"an activity Ada is not in", Schedule(L"Drama", L"02/09/2024 12:00", L"0:45"), {},
         L"The current entity has no activity named Drama."},
        {"Ada absent then", Schedule(L"Maths", L"03/09/2024 14:00", L"1:00"), {},
         L"Maths cannot be placed at the time it was copied from."},
    };
    for (const Case& c : cases) {
        m_target.m_arrEntries.clear();
        m_target.m_arrProblems.clear();
        PutOnClipboard(c.schedule);
        int filter = 3;
        EXPECT_EQ(PasteTimetableFragment(m_target, &filter), FragmentPaste::Pasted) << c.name;
        EXPECT_EQ(TargetEntries(), c.entries) << c.name;
        bool listed = c.problem.IsEmpty();
        for (const CProblem& problem : m_target.m_arrProblems)
            if (problem.m_strText == c.problem && problem.m_nKind == 12 && problem.m_nRecord == 1) listed = true;
        EXPECT_TRUE(listed) << c.name;
        EXPECT_EQ(filter, 3) << c.name;
    }
}

TEST_F(FragmentTest, HostileFragmentsAreRefusedWhole) {
    struct Case {
        const char* name;
        CString text;  // the whole clipboard text when it starts with '!', else the SCHEDULE elements
        const char* reason;
    };
    const CString good = Schedule(L"Maths", L"02/09/2024 12:00", L"1:00");
    const Case cases[] = {
        {"not XML", L"!Maths 02/09/2024", "nothing that can be pasted"},
        {"no DOCUMENT", L"!<PLAN><SCHEDULE ACTIVITY=\"Maths\"/></PLAN>", "nothing that can be pasted"},
        {"no SCHEDULE", L"", "nothing that can be pasted"},
        {"no ACTIVITY", good + L"<SCHEDULE START=\"02/09/2024 12:00\" DURATION=\"1:00\"/>", "Lesson 2"},
        {"empty activity name", Schedule(L"", L"02/09/2024 12:00", L"1:00"), "missing or unreadable"},
        {"one-letter activity name", Schedule(L"M", L"02/09/2024 12:00", L"1:00"), "two letters"},
        {"four START fields", Schedule(L"Maths", L"02/09/2024 12", L"1:00"), "missing or unreadable"},
        {"six START fields", Schedule(L"Maths", L"02/09/2024 12:00:00", L"1:00"), "missing or unreadable"},
        {"START not a number", Schedule(L"Maths", L"02/09/2024 1x:00", L"1:00"), "missing or unreadable"},
        {"31 February", Schedule(L"Maths", L"31/02/2024 12:00", L"1:00"), "missing or unreadable"},
        {"hour 25", Schedule(L"Maths", L"02/09/2024 25:00", L"1:00"), "missing or unreadable"},
        {"minute 75", Schedule(L"Maths", L"02/09/2024 12:75", L"1:00"), "missing or unreadable"},
        {"before the plan", Schedule(L"Maths", L"01/09/2024 12:00", L"1:00"), "outside the plan"},
        {"after the plan", Schedule(L"Maths", L"07/09/2024 12:00", L"1:00"), "outside the plan"},
        {"far future", Schedule(L"Maths", L"02/09/9999 12:00", L"1:00"), "outside the plan"},
        {"no length", Schedule(L"Maths", L"02/09/2024 12:00", L"0:00"), "at least one minute"},
        {"a day long", Schedule(L"Maths", L"02/09/2024 12:00", L"24:00"), "less than a day"},
        {"huge length", Schedule(L"Maths", L"02/09/2024 12:00", L"999999999:00"), "less than a day"},
        {"negative length", Schedule(L"Maths", L"02/09/2024 12:00", L"-1:00"), "missing or unreadable"},
        {"75 minutes", Schedule(L"Maths", L"02/09/2024 12:00", L"1:75"), "missing or unreadable"},
        {"past midnight", Schedule(L"Maths", L"02/09/2024 23:30", L"1:00"), "does not end on the day"},
        {"a bad element after a good one", good + Schedule(L"Maths", L"02/09/2024 12", L"1:00"), "Lesson 2"},
    };
    for (const Case& c : cases) {
        m_target.m_arrEntries.clear();
        m_target.DiscardUndo();
        m_answers.m_asked.clear();
        CProblem kept;
        kept.m_strText = L"kept";
        m_target.m_arrProblems = {kept};
        if (!c.text.IsEmpty() && c.text[0] == L'!')
            m_clipboard.SetText(c.text.Mid(1));
        else
            PutOnClipboard(c.text);
        EXPECT_EQ(PasteTimetableFragment(m_target, &m_filter), FragmentPaste::Refused) << c.name;
        EXPECT_TRUE(m_target.m_arrEntries.empty()) << c.name;
        EXPECT_FALSE(m_target.HasUndoSnapshot()) << c.name;
        ASSERT_EQ(m_target.m_arrProblems.size(), 1u) << c.name;
        ASSERT_EQ(m_answers.m_asked.size(), 1u) << c.name;
        EXPECT_NE(m_answers.m_asked[0].ToUtf8().find(c.reason), std::string::npos)
            << c.name << ": " << m_answers.m_asked[0].ToUtf8();
    }
}
