// The chooser's, the association dialog's and the quota dialog's write-backs without windows.
#include <gtest/gtest.h>

#include "dialogs/activity_chooser_lists.h"
#include "dialogs/association_pairs.h"
#include "dialogs/task_quotas.h"
#include "plan_builder.h"

TEST(ChooserLists, UntickedIdsLeaveBothListsEveryTime) {
    CScheduleData data;
    CPlanBuilder plan(data);
    for (int id : {1, 2, 3, 4}) plan.AddActivity(id, L"A", {});
    struct Case {
        const char* what;
        std::vector<CChooserCheck> rows;
        std::vector<int> first, fourth;
    };
    const Case cases[] = {
        {"all ticked", {{1, true}, {2, true}, {3, true}}, {1, 2, 1}, {3}},
        {"one unticked row takes both of its occurrences", {{1, false}, {2, true}, {1, true}, {3, true}}, {2}, {3}},
        {"every row unticked", {{1, false}, {2, false}, {3, false}}, {}, {}},
        {"an id without an activity stays", {{9, false}, {3, false}}, {1, 2, 1}, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> first{1, 2, 1}, fourth{3};
        RemoveUncheckedIds(data, c.rows, first, fourth);
        EXPECT_EQ(first, c.first) << c.what;
        EXPECT_EQ(fourth, c.fourth) << c.what;
    }
}

TEST(AssociationPairs, TickedRowsInRowOrder) {
    std::vector<CRoomPair> pairs{{12, 1}, {11, 2}};
    RebuildPairs({{1, 11, true}, {2, 11, false}, {1, 12, true}}, pairs);
    EXPECT_EQ(pairs, (std::vector<CRoomPair>{{11, 1}, {12, 1}}));
    RebuildPairs({{1, 11, false}}, pairs);
    EXPECT_TRUE(pairs.empty());
}

TEST(TaskQuotas, OnlyChangedValuesAreWritten) {
    CScheduleData data;
    CPlanBuilder plan(data);
    plan.AddActivity(1, L"Maths", {}).m_tsDuration = COleDateTimeSpan(90 / 1440.0);
    plan.AddActivity(2, L"Art", {}).m_tsDuration = COleDateTimeSpan(150 / 1440.0);
    ApplyQuotas(data, {{1, 1, 1}, {2, 2, 5}, {7, 1, 3}});
    EXPECT_DOUBLE_EQ(data.FindActivity(1)->m_tsDuration.m_span * 1440, 90);  // left as shown: minutes kept
    EXPECT_DOUBLE_EQ(data.FindActivity(2)->m_tsDuration.m_span * 1440, 300);
    ApplyQuotas(data, {{1, 1, 99999999}});
    EXPECT_EQ(data.FindActivity(1)->m_tsDuration.GetStatus(), COleDateTimeSpan::invalid);
}

TEST(TaskQuotas, CommonSettingsOnlyWhereGiven) {
    CScheduleData data;
    CPlanBuilder plan(data);
    CActivity& maths = plan.AddActivity(1, L"Maths", {});
    maths.m_tsMeeting = COleDateTimeSpan(45 / 1440.0);
    maths.m_nPosition = 2;
    maths.m_nDispersion = 3;
    maths.m_strSupervisor = L"Ada";
    maths.m_strLocation = L"Hall";
    const std::vector<CQuotaRow> rows{{1, 1, 1}};
    ApplyCommonSettings(data, rows, CCommonTaskSettings{});
    const CActivity& kept = *data.FindActivity(1);
    EXPECT_DOUBLE_EQ(kept.m_tsMeeting.m_span * 1440, 45);
    EXPECT_EQ(kept.m_nPosition, 2);
    EXPECT_EQ(kept.m_nDispersion, 3);
    EXPECT_EQ(kept.m_strSupervisor, CString(L"Ada"));
    CCommonTaskSettings common;
    common.meetingHours = 2;
    common.positionOption = 5;
    common.dispersion = 7;
    common.remark = L"Bring books";
    ApplyCommonSettings(data, rows, common);
    const CActivity& set = *data.FindActivity(1);
    EXPECT_DOUBLE_EQ(set.m_tsMeeting.m_span * 1440, 120);
    EXPECT_EQ(set.m_nPosition, 4);
    EXPECT_EQ(set.m_nDispersion, 7);
    EXPECT_EQ(set.m_strRemark, CString(L"Bring books"));
    EXPECT_EQ(set.m_strLocation, CString(L"Hall"));
}
