// How the timetable page builds the items of an entity: entries, group blocks, absences and the
// intervals of cancelled entries, in a week template and in a dated plan.
#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_messages.h"
#include "timetable/wnd_time_table.h"
#include "timetable_test_support.h"

namespace {

CGroupBlock Block(int group, int hour, int minute, int minutes) {
    return CGroupBlock{group, At(2000, 1, 4, hour, minute), COleDateTimeSpan(0, 0, minutes, 0)};
}

TEST(GroupBlocks, OnlyBlocksOfOneGroupMerge) {
    struct Case {
        const char* name;
        std::vector<CGroupBlock> blocks;
        std::vector<CGroupBlock> merged;  // group, start and length
    };
    const Case cases[] = {
        {"one group overlapping by 6 minutes", {Block(5, 9, 0, 60), Block(5, 9, 54, 60)}, {Block(5, 9, 0, 114)}},
        {"one group overlapping by exactly 5 minutes", {Block(5, 9, 0, 60), Block(5, 9, 55, 60)},
         {Block(5, 9, 0, 60), Block(5, 9, 55, 60)}},
        {"two groups overlapping by 30 minutes stay apart", {Block(6, 9, 30, 60), Block(5, 9, 0, 60)},
         {Block(5, 9, 0, 60), Block(6, 9, 30, 60)}},
        {"a group merges across another group's block",
         {Block(5, 9, 0, 60), Block(6, 9, 30, 60), Block(5, 9, 50, 70)},
         {Block(5, 9, 0, 120), Block(6, 9, 30, 60)}},
        {"under an hour the block keeps its length, the later one still goes",
         {Block(5, 9, 0, 30), Block(5, 9, 20, 30)}, {Block(5, 9, 0, 30)}},
        {"the longer block of one start comes first", {Block(5, 9, 0, 60), Block(5, 9, 1, 120)}, {Block(5, 9, 1, 120)}},
    };
    for (const Case& c : cases) {
        std::vector<CGroupBlock> blocks = c.blocks;
        MergeGroupBlocks(blocks);
        ASSERT_EQ(blocks.size(), c.merged.size()) << c.name;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            EXPECT_EQ(blocks[i].m_nGroup, c.merged[i].m_nGroup) << c.name;
            EXPECT_EQ(WholeMinutes(blocks[i].m_dtStart), WholeMinutes(c.merged[i].m_dtStart)) << c.name;
            EXPECT_EQ(WholeMinutes(blocks[i].m_tsLength), WholeMinutes(c.merged[i].m_tsLength)) << c.name;
        }
    }
}

// Class 1 and teacher 2 share activity 10; the class alone has activities 11 (group 5) and 12
// (group 6), whose entries overlap on Tuesday. Entry of 10 on Wednesday is cancelled while the
// teacher is absent.
class PageItemsTest : public TimetableTest {
protected:
    void Build(const COleDateTime& monday, int overlaps = 2) {
        m_data.SetStartDate(monday);
        m_data.m_nDays = 5;
        m_data.m_tDayStart = MakeTimeOfDay(7, 0);
        for (const auto& [id, type] : {std::pair{1, 0}, std::pair{2, 1}}) {
            CEntity entity(MakeTimeOfDay(7, 0), 5);
            entity.m_nId = id;
            entity.m_nType = type;
            entity.m_strName = type == 0 ? L"Class" : L"Teacher";
            entity.m_nOverlaps = overlaps;  // the class's two groups meet on Tuesday
            for (int d = 0; d < 5; ++d) entity.m_tDayEnd[d] = MakeTimeOfDay(16, 0);
            m_data.m_arrEntities.push_back(entity);
        }
        CAbsence absence;
        absence.m_dtStart = monday + COleDateTimeSpan(2, 7, 0, 0);
        absence.m_tsLength = COleDateTimeSpan(0, 5, 0, 0);
        m_data.m_arrEntities[1].m_arrAbsences.push_back(absence);
        for (const auto& [id, group, members] :
             {std::tuple{10, 0, std::vector<int>{1, 2}}, std::tuple{11, 5, std::vector<int>{1}},
              std::tuple{12, 6, std::vector<int>{1}}}) {
            CActivity activity;
            activity.m_nId = id;
            activity.m_nGroup = group;
            activity.m_strName.Format(L"A%d", id);
            activity.m_arrMembers = members;
            m_data.m_arrActivities.push_back(activity);
        }
        for (const int id : {5, 6}) {
            CActivityGroup group;
            group.m_nId = id;
            group.m_strName.Format(L"G%d", id);
            m_data.m_arrGroups.push_back(group);
        }
        const auto add = [&](int activity, int day, int hour, int minute, int minutes, int linked) {
            CTimetableEntry entry(monday + COleDateTimeSpan(day, hour, minute, 0), COleDateTimeSpan(0, 0, minutes, 0));
            entry.m_nActivity = activity;
            entry.m_bLinked = linked;
            m_data.m_arrEntries.push_back(entry);
        };
        add(10, 0, 8, 0, 60, 0);
        add(11, 1, 9, 0, 60, 0);
        add(12, 1, 9, 30, 60, 0);
        add(10, 2, 8, 0, 60, 1);
        m_data.m_nCurrentEntity = 1;
    }
    // The page in a window of its own, its first pane filled for the entity.
    void ShowEntity(CWnd& host, CWndTimeTable& page, int entity) {
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 900, 600, nullptr, nullptr);
        ASSERT_TRUE(page.CreatePage(&host, 1));
        page.GetControl().SetDayRange(5, m_data.GetStartDate(), m_data.m_tDayStart);
        page.FillView(0, entity);
    }
};

TEST_F(PageItemsTest, EntriesGroupsAndAbsencesBecomeItemsAndBlocks) {
    struct Case {
        const char* name;
        COleDateTime monday;
        int entity;
        int entryItems, groupItems, absences, freed;
    };
    const Case cases[] = {
        // The class is free during the cancelled lesson: a freed interval, no item.
        {"week template, class", COleDateTime(2000, 1, 3, 0, 0, 0), 1, 1, 2, 0, 1},
        // The teacher is not available then: the cancelled lesson stays an item of its own.
        {"week template, absent teacher", COleDateTime(2000, 1, 3, 0, 0, 0), 2, 2, 0, 1, 0},
        {"dated plan, class", COleDateTime(2026, 10, 5, 0, 0, 0), 1, 1, 2, 0, 1},
        {"dated plan, absent teacher", COleDateTime(2026, 10, 5, 0, 0, 0), 2, 2, 0, 1, 0},
    };
    for (const Case& c : cases) {
        m_data.ResetToNew(FALSE);
        Build(c.monday);
        CWnd host;
        CWndTimeTable page;
        ShowEntity(host, page, c.entity);
        const CTimeTableCtrlView& pane = page.GetControl().GetPane(0);
        int entries = 0, groups = 0;
        for (const CTimeTableItem& item : pane.m_arrItems) (item.m_bGroupItem ? groups : entries)++;
        EXPECT_EQ(entries, c.entryItems) << c.name;
        EXPECT_EQ(groups, c.groupItems) << c.name;
        EXPECT_EQ(static_cast<int>(pane.m_arrAbsences.size()), c.absences) << c.name;
        EXPECT_EQ(static_cast<int>(pane.m_arrFreedIntervals.size()), c.freed) << c.name;
        for (const CTimeTableItem& item : pane.m_arrItems) {
            if (!item.m_bGroupItem) continue;
            // A group item stands for its own group's entries only, and keeps that block.
            EXPECT_EQ(item.m_strTitle, item.m_nGroup == 5 ? CString(L"G5") : CString(L"G6")) << c.name;
            EXPECT_EQ(WholeMinutes(item.m_tsLength), 60) << c.name;
            EXPECT_EQ(item.m_block.m_dtStart, item.m_dtStart) << c.name;
        }
        host.DestroyWindow();
    }
}

// With OVERLAPS 1 the class is over its limit on Tuesday before anything is edited: an edit
// elsewhere that puts nobody new over a limit is still taken.
TEST_F(PageItemsTest, AnEarlierOverlapDoesNotBlockOtherEdits) {
    Build(COleDateTime(2000, 1, 3, 0, 0, 0), 1);
    ASSERT_EQ(m_data.FindEntitiesOverLimit(), std::vector<int>{1});
    CWnd host;
    CWndTimeTable page;
    ShowEntity(host, page, 1);
    CTimeTableCtrlView& pane = page.GetControl().GetPane(0);
    for (CTimeTableItem& item : pane.m_arrItems)
        if (!item.m_bGroupItem) item.m_dtStart += COleDateTimeSpan(0, 2, 0, 0);
    page.SendMessage(WM_TT_ITEMS_CHANGED, 0, 0);
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtStart.GetHour(), 10);
    host.DestroyWindow();
}

// The write-back takes only what the user changed: nothing changed, no undo step; a changed
// entry item is written and the group entries beside it keep their times.
TEST_F(PageItemsTest, OnlyChangedItemsAreWrittenBack) {
    Build(COleDateTime(2000, 1, 3, 0, 0, 0));
    CWnd host;
    CWndTimeTable page;
    ShowEntity(host, page, 1);
    CTimeTableCtrlView& pane = page.GetControl().GetPane(0);
    std::vector<std::pair<COleDateTime, COleDateTimeSpan>> before;
    for (const CTimetableEntry& entry : m_data.m_arrEntries) before.emplace_back(entry.m_dtStart, entry.m_tsLength);

    page.SendMessage(WM_TT_ITEMS_CHANGED, 0, 0);
    EXPECT_FALSE(m_data.HasUndoSnapshot());

    for (CTimeTableItem& item : pane.m_arrItems)
        if (!item.m_bGroupItem) item.m_nState = 0;
    page.SendMessage(WM_TT_ITEMS_CHANGED, 0, 0);
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_data.m_arrEntries[0].m_nState, 0);
    for (std::size_t i = 0; i < m_data.m_arrEntries.size(); ++i) {
        EXPECT_EQ(m_data.m_arrEntries[i].m_dtStart, before[i].first) << i;
        EXPECT_EQ(WholeMinutes(m_data.m_arrEntries[i].m_tsLength), WholeMinutes(before[i].second)) << i;
    }
    host.DestroyWindow();
}

}  // namespace
