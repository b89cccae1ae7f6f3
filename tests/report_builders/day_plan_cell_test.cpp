// Day-plan cells: what an entity does in one hour, and how many rows a block takes.
#include "report_builders/day_plan_cell.h"

#include <filesystem>
#include <functional>

#include "model/lesson_hours.h"
#include "report_builders/day_plan_index.h"
#include "report_fixture.h"

namespace {

class DayPlanCellTest : public ReportFixture {
public:
    DayPlanCellTest() {
        AddEntity(1, 0, L"7a");
        AddEntity(2, 1, L"Ms Grey");
        AddEntity(3, 4, L"Room 1");
        AddActivity(10, L"Maths", {1, 2}, {3});
        AddActivity(11, L"Art", {1, 2});
        AddActivity(12, L"Choir", {1}, {3});
        AddGroup(5, L"Sports", RGB(0, 128, 0));
        AddActivity(13, L"Football", {1}, {}, 5);
        AddActivity(14, L"Swimming", {1}, {}, 5);
    }
};

struct CellCase {
    const char* name;
    std::function<void(DayPlanCellTest&)> setup;
    int entity, hour, minute;
    int kind;
    int rowSpan;  // rows up to 14:00 for blocks; 0 when not a block
    int groupId;
};

TEST_F(DayPlanCellTest, KindAndRowsOfAnHour) {
    const CellCase cases[] = {
        {"free hour", [](DayPlanCellTest&) {}, 1, 9, 0, CDayPlanCell::Free, 0, 0},
        {"one-hour entry", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 9, 0, 60); }, 1, 9, 0, CDayPlanCell::Busy, 1, 0},
        {"two-hour entry starts", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 9, 0, 120); }, 1, 9, 0,
         CDayPlanCell::Busy, 2, 0},
        {"two-hour entry continues", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 9, 0, 120); }, 1, 10, 0,
         CDayPlanCell::Covered, 0, 0},
        {"90-minute entry starts", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 0, 90); }, 1, 8, 0,
         CDayPlanCell::Busy, 2, 0},
        {"90-minute entry continues", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 0, 90); }, 1, 9, 0,
         CDayPlanCell::Covered, 0, 0},
        {"entry reaching 5 minutes into the hour", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 5, 60); }, 1, 9, 0,
         CDayPlanCell::Free, 0, 0},
        {"entry reaching 6 minutes into the hour", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 6, 60); }, 1, 9, 0,
         CDayPlanCell::Covered, 0, 0},
        {"absent for half the hour",
         [](DayPlanCellTest& f) {
             f.AddEntry(10, 0, 9, 0, 60);
             CAbsence absence;
             absence.m_dtStart = f.At(0, 9, 10);
             absence.m_tsLength = ReportFixture::Minutes(30);
             f.Entity(1).m_arrAbsences.push_back(absence);
         },
         1, 9, 0, CDayPlanCell::Absent, 0, 0},
        {"outside the day window", [](DayPlanCellTest&) {}, 1, 15, 0, CDayPlanCell::Unavailable, 0, 0},
        {"linked entry", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 9, 0, 60, 7); }, 1, 9, 0, CDayPlanCell::Linked, 1, 0},
        {"two activities of a group form one block",
         [](DayPlanCellTest& f) {
             f.AddEntry(13, 0, 9, 0, 60);
             f.AddEntry(14, 0, 10, 0, 60);
         },
         1, 9, 0, CDayPlanCell::Busy, 2, 5},
        {"room outside its staff's window is never unavailable", [](DayPlanCellTest& f) { f.AddEntry(12, 0, 15, 0, 60); },
         3, 15, 0, CDayPlanCell::Busy, 1, 0},
    };
    for (const CellCase& c : cases) {
        m_data.m_arrEntries.clear();
        Entity(1).m_arrAbsences.clear();
        c.setup(*this);
        // Computed on its own, and kept by an index of the store as the report tables ask for it.
        CDayPlanCell plain(m_data, c.entity, 0, Clock(c.hour, c.minute));
        plain.Compute(false, false);
        const CDayPlanIndex index(m_data);
        const CDayPlanCell& kept =
            index.GetComputedCell(CDayPlanCell(m_data, c.entity, 0, Clock(c.hour, c.minute), &index), false, false, false);
        for (const CDayPlanCell* cell : {static_cast<const CDayPlanCell*>(&plain), &kept}) {
            EXPECT_EQ(cell->kind, c.kind) << c.name;
            EXPECT_EQ(cell->groupId, c.groupId) << c.name;
            if (c.rowSpan != 0) {
                EXPECT_EQ(cell->GetRowSpan(false, false, At(0, c.entity == 3 ? 17 : 14, 0)), c.rowSpan) << c.name;
            }
        }
    }
}

// On the lesson axis a break ends a block: a two-hour lesson, or a group's two lessons, over
// the break after the lesson of 08:00 show as two blocks; on the hour axis as one.
TEST_F(DayPlanCellTest, OnTheLessonAxisABreakEndsABlock) {
    m_settings.GetWordList(WordList::Lessons) = {L"07:00", L"08:00", L"!09:00Break", L"09:15", L"10:15"};
    m_settings.m_nTimeAxisMode = 1;
    ASSERT_TRUE(IsLessonBeforeBreak(m_data, Clock(9)));
    struct Case {
        const char* name;
        std::function<void(DayPlanCellTest&)> setup;
        bool lessonAxis;
        int firstMinutes;  // the length of the block from 08:00
        int secondKind;    // the cell of 09:00
    };
    const Case cases[] = {
        {"lesson, lesson axis", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 0, 120); }, true, 60, CDayPlanCell::Busy},
        {"lesson, hour axis", [](DayPlanCellTest& f) { f.AddEntry(10, 0, 8, 0, 120); }, false, 120, CDayPlanCell::Covered},
        {"group, lesson axis",
         [](DayPlanCellTest& f) {
             f.AddEntry(13, 0, 8, 0, 60);
             f.AddEntry(14, 0, 9, 0, 60);
         },
         true, 60, CDayPlanCell::Busy},
        {"group, hour axis",
         [](DayPlanCellTest& f) {
             f.AddEntry(13, 0, 8, 0, 60);
             f.AddEntry(14, 0, 9, 0, 60);
         },
         false, 120, CDayPlanCell::Covered},
    };
    for (const Case& c : cases) {
        m_data.m_arrEntries.clear();
        c.setup(*this);
        CDayPlanCell first(m_data, 1, 0, Clock(8));
        first.Compute(false, c.lessonAxis);
        EXPECT_EQ(first.kind, CDayPlanCell::Busy) << c.name;
        EXPECT_EQ(WholeMinutes(static_cast<double>(first.length)), c.firstMinutes) << c.name;
        CDayPlanCell second(m_data, 1, 0, Clock(9));
        second.Compute(false, c.lessonAxis);
        EXPECT_EQ(second.kind, c.secondKind) << c.name;
    }
}

TEST_F(DayPlanCellTest, NinetyMinuteBlockIsOneWholeHourLongButTakesTwoRows) {
    AddEntry(10, 0, 8, 0, 90);
    CDayPlanCell cell(m_data, 1, 0, Clock(8));
    cell.Compute(false, false);
    EXPECT_EQ(cell.GetLengthHours(), 1);
    EXPECT_EQ(WholeMinutes(static_cast<double>(cell.length)), 90);
    EXPECT_EQ(cell.GetRowSpan(false, false, At(0, 14, 0)), 2);
    // The table's end bounds the rows.
    EXPECT_EQ(cell.GetRowSpan(false, false, At(0, 9, 0)), 1);
}

TEST_F(DayPlanCellTest, ActivityBlocksSplitAGroupByActivity) {
    AddEntry(13, 0, 9, 0, 60);
    AddEntry(14, 0, 10, 0, 60);
    CDayPlanCell second(m_data, 1, 0, Clock(10));
    second.Compute(true, false);
    EXPECT_EQ(second.kind, CDayPlanCell::Busy);
    second.Compute(false, false);
    EXPECT_EQ(second.kind, CDayPlanCell::Covered);
}

TEST_F(DayPlanCellTest, FirstRowStartsABlockThatBeganEarlier) {
    AddEntry(10, 0, 8, 0, 120);
    CDayPlanCell cell(m_data, 1, 0, Clock(9));
    cell.Compute(false, false, true);
    EXPECT_EQ(cell.kind, CDayPlanCell::Busy);
    // An index keeps the first row apart from the same hour further down a table.
    const CDayPlanIndex index(m_data);
    EXPECT_EQ(index.GetComputedCell(CDayPlanCell(m_data, 1, 0, Clock(9), &index), false, false, false).kind,
              CDayPlanCell::Covered);
    EXPECT_EQ(index.GetComputedCell(CDayPlanCell(m_data, 1, 0, Clock(9), &index), false, false, true).kind,
              CDayPlanCell::Busy);
}

TEST_F(DayPlanCellTest, RoomKeepsOnlyTheEntryOfItsStrongestRole) {
    // Room 3 is the activity's room of Choir (role 3) and the own room of a Maths entry (role 1).
    AddEntry(12, 0, 9, 0, 60);
    const std::size_t maths = AddEntry(11, 0, 9, 0, 60);
    m_data.m_arrEntries[maths].m_arrRooms.push_back(3);
    CDayPlanCell cell(m_data, 3, 0, Clock(9));
    cell.Compute(false, false);
    ASSERT_EQ(CountEntriesInList(cell), 1);
    EXPECT_EQ(cell.entries[0].m_nActivity, 11);
    EXPECT_TRUE(cell.entries[0].m_arrRooms.empty());  // only start, length, activity and state
}

TEST_F(DayPlanCellTest, CellOfNoEntityStaysFree) {
    AddEntry(10, 0, 9, 0, 60);
    CDayPlanCell cell(m_data, 0, 0, Clock(9));
    cell.Compute(false, false);
    EXPECT_EQ(cell.kind, CDayPlanCell::Free);
    EXPECT_TRUE(cell.entries.empty());
}

}  // namespace

namespace {

// The index only speeds the cells up: with and without it every cell of the school document
// holds the same entries, described the same.
TEST_F(ReportFixture, CellsAreTheSameWithAndWithoutTheIndex) {
    const std::filesystem::path path =
        std::filesystem::path(VORN_SHARED_DIR) / "fixtures/documents/school-template.xml";
    ASSERT_TRUE(m_data.Load(CString(path.c_str()), FALSE));
    const CDayPlanIndex index(m_data);
    int compared = 0;
    for (std::size_t e = 0; e < m_data.m_arrEntities.size(); e += 7) {
        const int id = m_data.m_arrEntities[e].m_nId;
        for (int day : {0, 3})
            for (int hour = 7; hour < 17; ++hour) {
                CDayPlanCell plain(m_data, id, day, Clock(hour));
                CDayPlanCell indexed(m_data, id, day, Clock(hour), &index);
                plain.Compute(false, false);
                indexed.Compute(false, false);
                ASSERT_EQ(indexed.kind, plain.kind) << id << " " << day << " " << hour;
                ASSERT_EQ(indexed.groupId, plain.groupId);
                ASSERT_TRUE(HaveSameActivities(indexed.entries, plain.entries)) << id << " " << day << " " << hour;
                ASSERT_EQ(indexed.GetLengthHours(), plain.GetLengthHours());
                // A block's row span asks the index for the cells it kept.
                ASSERT_EQ(indexed.GetRowSpan(false, false, AtTimeOfDay(indexed.time, Clock(17))),
                          plain.GetRowSpan(false, false, AtTimeOfDay(plain.time, Clock(17))))
                    << id << " " << day << " " << hour;
                const CDayPlanCell& kept =
                    index.GetComputedCell(CDayPlanCell(m_data, id, day, Clock(hour), &index), false, false, false);
                ASSERT_EQ(kept.kind, plain.kind);
                ASSERT_TRUE(HaveSameActivities(kept.entries, plain.entries));
                for (std::size_t i = 0; i < plain.entries.size(); ++i)
                    ASSERT_EQ(indexed.DescribeEntry(i, true), plain.DescribeEntry(i, true)) << id << " " << day << " " << hour;
                compared += plain.kind == CDayPlanCell::Busy;
            }
    }
    EXPECT_GT(compared, 50);
}

}  // namespace
