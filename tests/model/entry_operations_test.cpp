#include <gtest/gtest.h>

#include <string>

#include "edit_fixture.h"
#include "model/plan_index.h"
#include "model/time_values.h"

namespace {

// A plan of one person and one activity; a week template from 3 January 2000 unless a test
// makes it dated.
class EntryOps : public EditFixture {
protected:
    void SetUp() override {
        EditFixture::SetUp();
        m_data.m_dtStartDate = At(2000, 1, 3, 0, 0);
        m_data.m_dtFirstWeekday = At(2000, 1, 3, 0, 0);
        Entity(1, L"Ann");
        Activity(1, L"Art", {1});
    }
    void MakeDated() { m_data.m_dtStartDate = At(2024, 9, 2, 0, 0); }

    // "hh:mm-hh:mm" of every entry in collection order.
    std::vector<std::string> Times() const {
        std::vector<std::string> list;
        for (const CTimetableEntry& e : m_data.m_arrEntries)
            list.push_back((e.m_dtStart.Format(L"%H:%M") + L"-" + e.GetEndTime().Format(L"%H:%M")).ToUtf8());
        return list;
    }
};

COleDateTime Mon(int hour, int minute) { return At(2000, 1, 3, hour, minute); }

// Single entries --------------------------------------------------------------------------------

TEST_F(EntryOps, AddEntryMarksEntriesOfADatedPlanAsChanges) {
    CTimetableEntry entry(At(2024, 9, 2, 8, 0), Minutes(60));
    entry.m_nActivity = 1;
    entry.m_nState = 0;
    m_data.AddEntry(entry, FALSE);
    EXPECT_EQ(m_data.m_arrEntries.back().m_nState, 0);  // week template: unchanged
    EXPECT_TRUE(m_host.m_calls.empty());

    MakeDated();
    m_data.AddEntry(entry, TRUE);
    EXPECT_EQ(m_data.m_arrEntries.back().m_nState, 4);
    EXPECT_EQ(m_data.m_arrEntries.back().m_dtUnmovedStart, GetUnplacedDate());
    EXPECT_EQ(m_host.m_calls, std::vector<std::string>{"broadcast 1"});
}

TEST_F(EntryOps, UpdateEntryCases) {
    struct Case {
        const char* name;
        COleDateTime start;
        int minutes;
        int state;
        const wchar_t* remark;
        int result;
        int storedState;
        const wchar_t* storedRemark;
    };
    const Case cases[] = {
        {"nothing moved", Mon(8, 2), 60, 1, L"", 0, 1, L"old"},
        {"moved", Mon(8, 3), 60, 0, L"new", 1, 0, L"new"},
        {"longer", Mon(8, 0), 61, 2, L"", 1, 2, L"old"},
        {"state 4 keeps the stored one", Mon(9, 0), 60, 4, L"", 1, 9, L"old"},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        CTimetableEntry& entry = Entry(1, Mon(8, 0), 60);
        entry.m_nState = 9;
        entry.m_strRemark = L"old";
        EXPECT_EQ(m_data.UpdateEntry(&entry, 1, c.start, Minutes(c.minutes), c.state, c.remark), c.result) << c.name;
        EXPECT_EQ(entry.m_dtStart, c.start) << c.name;
        EXPECT_EQ(entry.m_nState, c.storedState) << c.name;
        EXPECT_EQ(entry.m_strRemark, CString(c.storedRemark)) << c.name;
    }
    CTimetableEntry outside = m_data.m_arrEntries[0];
    EXPECT_EQ(m_data.UpdateEntry(&outside, 1, Mon(12, 0), Minutes(60), 0, L""), 0);
    EXPECT_EQ(m_data.UpdateEntry(nullptr, 1, Mon(12, 0), Minutes(60), 0, L""), 0);
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtStart, Mon(9, 0));
}

TEST_F(EntryOps, EntriesByValueAreFoundByActivityStartAndLength) {
    Activity(2, L"Bio", {1});
    Entry(1, Mon(8, 0), 60).m_strRemark = L"a";
    Entry(2, Mon(8, 0), 60).m_strRemark = L"b";
    Entry(1, Mon(8, 0), 45).m_strRemark = L"c";
    Entry(1, Mon(8, 0), 60).m_strRemark = L"d";
    CTimetableEntry given(Mon(8, 0), Minutes(60));
    given.m_nActivity = 1;

    CTimetableEntry nearly = given;
    nearly.m_dtStart = Mon(8, 1);  // within 3 minutes, but not the same value
    m_data.RemoveEntry(nearly);
    EXPECT_EQ(m_data.m_arrEntries.size(), 4u);

    m_data.RemoveEntry(given);
    std::vector<std::string> remarks;
    for (const CTimetableEntry& e : m_data.m_arrEntries) remarks.push_back(e.m_strRemark.ToUtf8());
    EXPECT_EQ(remarks, (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(m_data.FindEntryAt(1, Mon(8, 0))->m_strRemark, CString(L"c"));
    EXPECT_EQ(m_data.FindEntryAt(1, Mon(8, 1)), m_data.m_arrEntries.end());
}

TEST_F(EntryOps, SameDateRuleForStatuses) {
    CTimetableEntry nullStart(Mon(8, 0), Minutes(60));
    nullStart.m_nActivity = 1;
    nullStart.m_dtStart.SetStatus(COleDateTime::null);
    CTimetableEntry invalidStart = nullStart;
    invalidStart.m_dtStart.SetStatus(COleDateTime::invalid);
    m_data.m_arrEntries.push_back(nullStart);
    m_data.m_arrEntries.push_back(invalidStart);

    CTimetableEntry otherNull = nullStart;
    otherNull.m_dtStart.m_dt = 5.0;  // two null values are the same whatever their numbers
    m_data.RemoveEntry(otherNull);
    ASSERT_EQ(m_data.m_arrEntries.size(), 1u);
    m_data.RemoveEntry(invalidStart);  // two invalid values never are
    EXPECT_EQ(m_data.m_arrEntries.size(), 1u);
}

TEST_F(EntryOps, RemovalsByEntityActivityAndAddress) {
    Entity(2, L"Bob");
    Activity(2, L"Bio", {1});
    CTimetableEntry& first = Entry(1, Mon(8, 0), 60);
    first.m_arrReplacements = {CReplacement{2, 1, 0, 0, {}, {}}, CReplacement{2, 0, 0, 1, {}, {}}};
    Entry(2, Mon(9, 0), 60);
    Entry(1, Mon(10, 0), 60);

    m_data.RemoveEntityFromEntry(2, m_data.m_arrEntries[0]);
    ASSERT_EQ(m_data.m_arrEntries[0].m_arrReplacements.size(), 1u);
    EXPECT_EQ(m_data.m_arrEntries[0].m_arrReplacements[0].m_bExtending, 1);
    EXPECT_TRUE(m_data.HasReplacements());
    m_data.RemoveEntityReplacements(2);
    EXPECT_FALSE(m_data.HasReplacements());

    CTimetableEntry copy = m_data.m_arrEntries[1];
    m_data.RemoveEntryByPointer(&copy);  // not an element
    EXPECT_EQ(m_data.m_arrEntries.size(), 3u);
    EXPECT_EQ(m_data.FindEntryByPointer(&copy), m_data.m_arrEntries.end());
    EXPECT_EQ(m_data.FindEntryByPointer(&m_data.m_arrEntries[1]), m_data.m_arrEntries.begin() + 1);
    m_data.RemoveEntryByPointer(&m_data.m_arrEntries[1]);
    EXPECT_EQ(Times(), (std::vector<std::string>{"08:00-09:00", "10:00-11:00"}));

    m_data.RemoveActivityEntries(1);
    EXPECT_TRUE(m_data.m_arrEntries.empty());
}

TEST_F(EntryOps, OverlapLookupsNeedMoreThanFiveMinutes) {
    Entry(1, Mon(8, 0), 60);
    struct Case {
        int activity;
        COleDateTime start;
        int minutes;
        bool found;
    };
    const Case cases[] = {
        {1, Mon(8, 55), 60, false},  // five minutes shared
        {1, Mon(8, 54), 60, true},
        {1, Mon(7, 0), 66, true},
        {2, Mon(8, 0), 60, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_data.ActivityHasOverlappingEntry(c.activity, c.start, Minutes(c.minutes)), c.found)
            << c.start.Format(L"%H:%M").ToUtf8();
        EXPECT_EQ(m_data.FindOverlappingEntry(c.activity, c.start, c.start + Minutes(c.minutes)) !=
                      m_data.m_arrEntries.end(),
                  c.found);
    }
}

// Intervals and blocks ------------------------------------------------------------------------

TEST_F(EntryOps, ClearActivityIntervalCases) {
    struct Case {
        const char* name;
        COleDateTime start;
        int minutes;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"middle splits", Mon(9, 0), 60, {"08:00-09:00", "13:00-14:00", "10:00-12:00"}},
        {"beginning", Mon(7, 0), 120, {"09:00-12:00", "13:00-14:00"}},
        {"end", Mon(11, 0), 120, {"08:00-11:00", "13:00-14:00"}},
        {"whole entry, edge within 3 minutes", Mon(8, 2), 238, {"13:00-14:00"}},
        {"both entries inside", Mon(8, 0), 360, {}},
        {"nothing there", Mon(15, 0), 60, {"08:00-12:00", "13:00-14:00"}},
        // The first cut ends the walk: the second entry is left although it overlaps.
        {"stops after the first cut", Mon(11, 0), 150, {"08:00-11:00", "13:00-14:00"}},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        CTimetableEntry& entry = Entry(1, Mon(8, 0), 240);
        entry.m_nState = 1;
        entry.m_bState6 = 1;
        Entry(1, Mon(13, 0), 60);
        m_data.ClearActivityInterval(1, c.start, Minutes(c.minutes));
        EXPECT_EQ(Times(), c.after) << c.name;
    }
}

TEST_F(EntryOps, ClearActivityIntervalRestShowsTheStateOfTheCutEntry) {
    // The split-off rest starts unmoved at its own start and shows the state the cut entry
    // showed: a moved entry of a dated plan stays moved.
    MakeDated();
    const COleDateTime day = At(2024, 9, 2, 0, 0);
    auto at = [&](int hour) { return day + COleDateTimeSpan(hour / 24.0); };
    struct Case {
        const char* name;
        int storedState;
        int flag6;
        bool moved;
        int shown;
    };
    const Case cases[] = {
        {"state-6 flag", 1, 1, false, 6},
        {"stored state", 1, 0, false, 1},
        {"moved in a dated plan", 2, 0, true, 4},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        CTimetableEntry& entry = Entry(1, at(8), 240);
        entry.m_nState = c.storedState;
        entry.m_bState6 = c.flag6;
        if (c.moved) entry.m_dtUnmovedStart = at(7);
        ASSERT_EQ(entry.GetState(m_data), c.shown) << c.name;
        m_data.ClearActivityInterval(1, at(9), Minutes(60));
        ASSERT_EQ(m_data.m_arrEntries.size(), 2u) << c.name;
        const CTimetableEntry& rest = m_data.m_arrEntries[1];
        EXPECT_EQ(rest.m_dtStart, at(10)) << c.name;
        EXPECT_EQ(rest.m_dtUnmovedStart, at(10)) << c.name;
        EXPECT_EQ(rest.GetState(m_data), c.shown) << c.name;
        EXPECT_EQ(m_data.m_arrEntries[0].GetState(m_data), c.shown) << c.name;
    }
}

TEST_F(EntryOps, MoveGroupEntriesCases) {
    Group(1, L"G");
    m_data.FindActivity(1)->m_nGroup = 1;
    Activity(2, L"Other", {1});
    struct Case {
        const char* name;
        int entryStart;  // minutes after 08:00
        int entryLength;
        COleDateTime newStart;
        int newLength;
        const char* after;
        int result;
    };
    const Case cases[] = {
        {"moved within the block", 30, 60, Mon(9, 0), 120, "09:30-10:30", 1},
        {"ends with the block, block longer", 60, 60, Mon(8, 0), 180, "09:00-11:00", 1},
        {"ends with the block, block shorter", 0, 120, Mon(8, 0), 60, "08:00-09:00", 1},
        {"same place", 0, 60, Mon(8, 0), 120, "08:00-09:00", 0},
        {"would start past the new end", 90, 30, Mon(8, 0), 60, "09:30-10:00", 0},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        Entry(1, Mon(8, 0) + Minutes(c.entryStart), c.entryLength);
        Entry(2, Mon(8, 0), 60);  // not of the group
        EXPECT_EQ(m_data.MoveGroupEntries(1, Mon(8, 0), Mon(10, 0), c.newStart, Minutes(c.newLength)), c.result)
            << c.name;
        EXPECT_EQ(Times(), (std::vector<std::string>{c.after, "08:00-09:00"})) << c.name;
    }
}

TEST_F(EntryOps, RemoveGroupEntriesInRange) {
    Group(1, L"G");
    m_data.FindActivity(1)->m_nGroup = 1;
    Activity(2, L"Other", {1});
    Entry(1, Mon(8, 2), 60);    // inside within 3 minutes
    Entry(1, Mon(9, 30), 60);   // ends after the range
    Entry(2, Mon(8, 0), 60);    // other activity
    Entry(7, Mon(8, 0), 60);    // its activity is gone
    m_data.RemoveGroupEntriesInRange(1, Mon(8, 0), Mon(10, 0));
    EXPECT_EQ(Times(), (std::vector<std::string>{"09:30-10:30", "08:00-09:00"}));
}

TEST_F(EntryOps, GetLatestEndTime) {
    Entity(2, L"Bob");
    Activity(2, L"Bio", {1});   // shares Ann: clashes
    Activity(3, L"Chem", {2});  // no shared member
    CTimetableEntry* x = &Entry(1, Mon(8, 0), 60);
    EXPECT_EQ(m_data.GetLatestEndTime(x, Mon(9, 0)), Mon(23, 59));
    // An entry of two minutes starts "at" its own end, yet never limits itself.
    x->m_tsLength = Minutes(2);
    EXPECT_EQ(m_data.GetLatestEndTime(x, Mon(8, 2)), Mon(23, 59));
    x->m_tsLength = Minutes(60);

    Entry(3, Mon(10, 0), 60);
    Entry(2, Mon(13, 0), 60);
    Entry(2, Mon(11, 0), 60).m_bLinked = 1;     // linked: passed over
    Entry(2, At(2000, 1, 4, 10, 0), 60);        // another day
    x = &m_data.m_arrEntries[0];
    EXPECT_EQ(m_data.GetLatestEndTime(x, Mon(9, 0)), Mon(13, 0));

    // Entries that share a standing-in entity limit the stretch as well.
    m_data.m_arrEntries[0].m_arrReplacements = {CReplacement{2, 0, 0, 1, {}, {}}};
    m_data.m_arrEntries[1].m_arrReplacements = {CReplacement{2, 0, 0, 1, {}, {}}};
    EXPECT_EQ(m_data.GetLatestEndTime(&m_data.m_arrEntries[0], Mon(9, 0)), Mon(10, 0));

    CTimetableEntry copy = m_data.m_arrEntries[0];
    EXPECT_EQ(m_data.GetLatestEndTime(&copy, Mon(9, 0)), Mon(23, 59));
}

TEST_F(EntryOps, GetLatestEndTimeStepsBackWhenTheOwnLessonStartsLater) {
    // Lessons every hour from 07:00 (early) or from 07:30 (late); the limiting entry is at 13:00.
    auto hourly = [&](int id, const wchar_t* name, int minute) {
        CChimeSet& chimes = Chimes(id, name);
        for (int hour = 7; hour < 16; ++hour) chimes.m_arrIntervals.push_back({MakeTimeOfDay(hour, minute), L""});
    };
    hourly(1, L"Early", 0);
    hourly(2, L"Late", 30);
    Activity(2, L"Bio", {1});
    struct Case {
        int own;
        int other;
        COleDateTime latest;
    };
    const Case cases[] = {{2, 1, Mon(12, 0)}, {1, 2, Mon(13, 0)}, {1, 1, Mon(13, 0)}, {2, 0, Mon(13, 0)}};
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        m_data.FindActivity(1)->m_nChimeSet = c.own;
        m_data.FindActivity(2)->m_nChimeSet = c.other;
        Entry(1, Mon(8, 0), 60);
        Entry(2, Mon(13, 0), 60);
        EXPECT_EQ(m_data.GetLatestEndTime(&m_data.m_arrEntries[0], Mon(9, 0)), c.latest) << c.own << "/" << c.other;
    }
}

// The index only narrows the walk: every entry stretched from several ends gets the same limit.
// Among the entries: two clashing ones three minutes apart (the first met in collection order
// wins), one of no length, a linked one, one on another day and one without a valid start.
TEST_F(EntryOps, GetLatestEndTimeGivesTheSameWithAnIndex) {
    Entity(2, L"Bob");
    Activity(2, L"Bio", {1});
    Activity(3, L"Chem", {2});
    Activity(4, L"Drama", {1, 2});
    Entry(1, Mon(8, 0), 60);
    Entry(2, Mon(11, 2), 60);
    Entry(4, Mon(11, 0), 60);
    Entry(2, Mon(10, 0), 0);
    Entry(3, Mon(9, 0), 120);
    Entry(4, Mon(14, 0), 60).m_bLinked = 1;
    Entry(2, At(2000, 1, 4, 10, 0), 60);
    Entry(2, Mon(15, 0), 60).m_dtStart.SetStatus(COleDateTime::invalid);
    Entry(3, Mon(16, 0), 30).m_arrReplacements = {CReplacement{1, 0, 0, 1, {}, {}}};
    const CPlanIndex index(m_data);
    const COleDateTime ends[] = {Mon(8, 30), Mon(9, 0), Mon(10, 58), Mon(11, 1), Mon(12, 0), Mon(23, 59)};
    int limited = 0;
    for (const CTimetableEntry& entry : m_data.m_arrEntries) {
        for (const COleDateTime& end : ends) {
            const COleDateTime plain = m_data.GetLatestEndTime(&entry, end);
            EXPECT_EQ(m_data.GetLatestEndTime(&entry, end, &index), plain)
                << entry.m_nActivity << " " << entry.m_dtStart.Format(L"%H:%M").ToUtf8() << " to "
                << end.Format(L"%H:%M").ToUtf8();
            if (plain != Mon(23, 59)) ++limited;
        }
    }
    EXPECT_GT(limited, 0);
}

// Unplaced entries --------------------------------------------------------------------------

TEST_F(EntryOps, CreateUnplacedEntriesCases) {
    struct Case {
        const char* name;
        int duration;
        int meeting;
        std::vector<int> placed;
        std::vector<int> created;
    };
    const Case cases[] = {
        {"rest goes to the last", 300, 120, {}, {120, 180}},
        {"shorter than one meeting", 60, 120, {}, {60}},
        {"placed time counts", 300, 60, {120}, {60, 60, 60}},
        {"over-placed is skipped", 60, 60, {61}, {}},
        {"within five seconds is not over-placed", 60, 60, {60}, {}},
        {"no meeting length", 300, 0, {}, {300}},
        {"negative meeting length", 300, -60, {}, {300}},
        {"over-planned leaves nothing", 60, 60, {45, 45}, {}},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        CActivity& activity = *m_data.FindActivity(1);
        activity.m_tsDuration = Minutes(c.duration);
        activity.m_tsMeeting = Minutes(c.meeting);
        for (int minutes : c.placed) Entry(1, Mon(8, 0), minutes);
        EXPECT_TRUE(m_data.CreateUnplacedEntries()) << c.name;
        std::vector<int> created;
        for (const CTimetableEntry& e : m_data.m_arrEntries) {
            if (!IsUnplacedDate(e.m_dtStart)) continue;
            created.push_back(WholeMinutes(e.m_tsLength.m_span));
            EXPECT_EQ(e.m_nState, 4) << c.name;
            EXPECT_EQ(e.m_dtUnmovedStart, GetUnplacedDate()) << c.name;
        }
        EXPECT_EQ(created, c.created) << c.name;
    }
}

TEST_F(EntryOps, CreateUnplacedEntriesDoesNothingInADatedPlan) {
    m_data.FindActivity(1)->m_tsDuration = Minutes(120);
    m_data.FindActivity(1)->m_tsMeeting = Minutes(60);
    MakeDated();
    EXPECT_FALSE(m_data.CreateUnplacedEntries());
    EXPECT_TRUE(m_data.m_arrEntries.empty());
}

TEST_F(EntryOps, UnplacedEntriesOutsideTheSolverSelection) {
    Entity(2, L"Bob");
    Activity(2, L"Bio", {2});
    struct Case {
        int kind;
        std::vector<int> ids;
        std::vector<int> kept;  // activities of the remaining entries, in order
    };
    const Case cases[] = {
        {1, {2}, {2, 2}},        // the state-4 entries of activity 1 go
        {2, {1}, {1, 2, 1}},     // activity 2 has no listed entity
        {0, {}, {1, 2, 1, 2}},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        Entry(1, Mon(8, 0), 60).m_nState = 4;  // placed, but state 4
        Entry(2, Mon(9, 0), 60).m_nState = 0;
        Entry(1, GetUnplacedDate(), 60).m_nState = 4;
        Entry(2, GetUnplacedDate(), 60).m_nState = 4;
        m_data.m_nSolverSelection = c.kind;
        m_data.m_arrSolverIds = c.ids;
        m_data.RemoveUnplacedEntriesOutsideSelection();
        std::vector<int> kept;
        for (const CTimetableEntry& e : m_data.m_arrEntries) kept.push_back(e.m_nActivity);
        EXPECT_EQ(kept, c.kept) << c.kind;
    }
    m_data.RemoveUnplacedEntries();
    EXPECT_EQ(Times(), (std::vector<std::string>{"08:00-09:00", "09:00-10:00"}));
}

// Entities, replacements, absences ------------------------------------------------------------

TEST_F(EntryOps, RemoveEntriesOfEntity) {
    Entity(2, L"Bob");
    Activity(2, L"Bio", {2});
    Entry(1, Mon(8, 0), 60);
    Entry(2, Mon(9, 0), 60);
    Entry(7, Mon(10, 0), 60);  // activity gone
    m_data.RemoveEntriesOfEntity(0);
    EXPECT_EQ(m_data.m_arrEntries.size(), 2u);
    m_data.RemoveEntriesOfEntity(2);
    EXPECT_EQ(Times(), std::vector<std::string>{"08:00-09:00"});
    EXPECT_TRUE(Called("refresh full"));
}

struct AbsenceCase {
    const char* name;
    int existingStart, existingEnd;  // hours on 2 September 2024
    int newStart, newEnd;
    BOOL split;
    int result;
    std::vector<std::string> after;
};

std::vector<std::string> AbsenceTimes(const CEntity& entity) {
    std::vector<std::string> list;
    for (const CAbsence& a : entity.m_arrAbsences)
        list.push_back((a.m_dtStart.Format(L"%H:%M") + L"-" + (a.m_dtStart + a.m_tsLength).Format(L"%H:%M")).ToUtf8());
    return list;
}

TEST_F(EntryOps, AddAbsenceCases) {
    const AbsenceCase cases[] = {
        {"inside, split", 8, 12, 10, 11, TRUE, 1, {"08:00-10:00", "10:00-11:00", "11:00-12:00"}},
        {"inside, no split", 8, 12, 10, 11, FALSE, 0, {"08:00-12:00"}},
        {"covers", 9, 10, 8, 12, TRUE, 1, {"08:00-12:00"}},
        {"covers the start", 10, 12, 8, 11, TRUE, 1, {"08:00-11:00", "11:00-12:00"}},
        {"covers the end", 8, 10, 9, 12, TRUE, 1, {"08:00-09:00", "09:00-12:00"}},
        {"apart", 8, 9, 10, 11, FALSE, 1, {"08:00-09:00", "10:00-11:00"}},
    };
    for (const AbsenceCase& c : cases) {
        CEntity entity;
        CAbsence existing;
        existing.m_dtStart = At(2024, 9, 2, c.existingStart, 0);
        existing.m_tsLength = Minutes((c.existingEnd - c.existingStart) * 60);
        existing.m_bWholeDay = 1;
        existing.m_strReason = L"why";
        entity.m_arrAbsences.push_back(existing);
        CAbsence added;
        added.m_dtStart = At(2024, 9, 2, c.newStart, 0);
        added.m_tsLength = Minutes((c.newEnd - c.newStart) * 60);
        EXPECT_EQ(entity.AddAbsence(added, c.split), c.result) << c.name;
        EXPECT_EQ(AbsenceTimes(entity), c.after) << c.name;
        const CAbsence& last = entity.m_arrAbsences.back();
        if (c.after.size() == 3) {
            EXPECT_EQ(last.m_strReason, CString(L"why")) << c.name;
            EXPECT_EQ(last.m_bWholeDay, 0) << c.name;
        }
    }
    CEntity unavailable;
    unavailable.m_bUnavailable = 1;
    EXPECT_EQ(unavailable.AddAbsence(CAbsence(), TRUE), 0);
    EXPECT_TRUE(unavailable.m_arrAbsences.empty());
}

TEST_F(EntryOps, CancelEntriesOfAbsentEntities) {
    // 1 Ann (type 0); 2 Tom and 3 Tim (staff); 4 Cid (type 0).
    Entity(2, L"Tom", 1);
    Entity(3, L"Tim", 2);
    Entity(4, L"Cid", 0);
    Entity(5, L"Hall", 4);
    struct Case {
        const char* name;
        std::vector<int> members;
        std::vector<int> absent;
        std::vector<int> listed;
        int linked;
    };
    const Case cases[] = {
        {"only type-0 member absent, staff present", {1, 2}, {1}, {1}, 1},
        {"one of two type-0 members present", {1, 4, 2}, {1}, {1}, 0},
        {"staff only, all absent", {2, 3}, {2, 3}, {2}, 1},
        {"staff only, one present", {2, 3}, {2}, {2}, 0},
        {"absent but not listed", {1}, {1}, {4}, 0},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        CActivity& activity = *m_data.FindActivity(1);
        activity.m_arrMembers = c.members;
        for (CEntity& e : m_data.m_arrEntities) e.m_arrAbsences.clear();
        for (int id : c.absent) {
            CAbsence absence;
            absence.m_dtStart = Mon(7, 0);
            absence.m_tsLength = Minutes(600);
            m_data.FindEntity(id)->m_arrAbsences.push_back(absence);
        }
        Entry(1, Mon(8, 0), 60);
        Entry(1, Mon(18, 0), 60);  // outside the range
        m_data.CancelEntriesOfAbsentEntities(Mon(7, 0), Mon(17, 0), c.listed);
        EXPECT_EQ(m_data.m_arrEntries[0].m_bLinked, c.linked) << c.name;
        EXPECT_EQ(m_data.m_arrEntries[1].m_bLinked, 0) << c.name;
    }
    // Listed through the entry's own room: its people decide.
    m_data.FindActivity(1)->m_arrMembers = {1};
    m_data.m_arrEntries[0].m_arrRooms = {5};
    m_data.CancelEntriesOfAbsentEntities(Mon(7, 0), Mon(17, 0), {5});
    EXPECT_EQ(m_data.m_arrEntries[0].m_bLinked, 1);
    EXPECT_TRUE(m_data.HasAbsences());
    // A room of the activity is not one of its people: listing it involves no entry.
    m_data.FindActivity(1)->m_arrRooms = {5};
    m_data.m_arrEntries[0].m_arrRooms.clear();
    m_data.m_arrEntries[0].m_bLinked = 0;
    m_data.CancelEntriesOfAbsentEntities(Mon(7, 0), Mon(17, 0), {5});
    EXPECT_EQ(m_data.m_arrEntries[0].m_bLinked, 0);
}

// The plan period -------------------------------------------------------------------------------

TEST_F(EntryOps, ShiftEntriesByDaysDropsAbsencesOutsideThePeriod) {
    m_data.m_nDuration = 10;
    Entry(1, Mon(8, 0), 60);
    CAbsence inside, before;
    inside.m_dtStart = At(2000, 1, 12, 8, 0);
    inside.m_tsLength = Minutes(60);
    before.m_dtStart = At(1999, 12, 31, 8, 0);
    before.m_tsLength = Minutes(60);
    m_data.FindEntity(1)->m_arrAbsences = {inside, before};
    m_data.ShiftEntriesByDays(2);
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtStart, At(2000, 1, 5, 8, 0));
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtUnmovedStart, At(2000, 1, 5, 8, 0));
    ASSERT_EQ(m_data.FindEntity(1)->m_arrAbsences.size(), 1u);
    EXPECT_EQ(m_data.FindEntity(1)->m_arrAbsences[0].m_dtStart, At(2000, 1, 12, 8, 0));
    EXPECT_TRUE(Called("refresh full"));
}

// A plan longer than the solver's period keeps the absences of all its days.
TEST_F(EntryOps, ShiftEntriesByDaysKeepsAbsencesWithinThePlansDays) {
    m_data.m_nDuration = 10;
    m_data.m_nDays = 60;
    CAbsence late;
    late.m_dtStart = At(2000, 2, 20, 8, 0);  // day 48 of the plan
    late.m_tsLength = Minutes(60);
    m_data.FindEntity(1)->m_arrAbsences = {late};
    m_data.ShiftEntriesByDays(1);
    EXPECT_EQ(m_data.FindEntity(1)->m_arrAbsences.size(), 1u);
}

TEST_F(EntryOps, RemoveEntriesOutsidePlan) {
    m_data.m_nDays = 5;  // 3 to 7 January
    m_data.m_tDayStart = MakeTimeOfDay(7, 30);
    struct Case {
        const char* name;
        COleDateTime start;
        int minutes;
        bool kept;
    };
    const Case cases[] = {
        {"inside", Mon(8, 0), 60, true},
        {"at the day start, within 3 minutes", At(2000, 1, 4, 7, 28), 60, true},
        {"before the day start", At(2000, 1, 4, 7, 20), 60, false},
        {"before the plan", At(2000, 1, 2, 8, 0), 60, false},
        {"last day until 23:00", At(2000, 1, 7, 22, 0), 60, true},
        {"last day past 23:00", At(2000, 1, 7, 22, 0), 64, false},
        {"after the plan", At(2000, 1, 8, 8, 0), 60, false},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        Entry(1, c.start, c.minutes);
        m_data.RemoveEntriesOutsidePlan();
        EXPECT_EQ(m_data.m_arrEntries.size(), c.kept ? 1u : 0u) << c.name;
    }
}

TEST_F(EntryOps, ResetForNewStartDateMovesThePlanToTheFirstWeekday) {
    MakeDated();  // Monday 2 September 2024
    m_data.m_dtFirstWeekday = At(2000, 1, 3, 0, 0);
    Entry(1, At(2024, 9, 3, 8, 0), 60).m_arrReplacements = {CReplacement{1, 0, 0, 1, {}, {}}};
    m_data.m_arrEntries[0].m_bLinked = 1;
    CAbsence absence;
    absence.m_dtStart = At(2024, 9, 3, 8, 0);
    m_data.FindEntity(1)->m_arrAbsences = {absence};

    m_data.ResetForNewStartDate();

    EXPECT_EQ(m_data.m_dtStartDate, At(2000, 1, 3, 0, 0));
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtStart, At(2000, 1, 4, 8, 0));
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrReplacements.empty());
    EXPECT_FALSE(m_data.HasAbsences());
}

}  // namespace
