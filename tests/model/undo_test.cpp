#include <algorithm>
#include <gtest/gtest.h>

#include "model/schedule_data.h"
#include "model_test_support.h"

namespace {

// A document with one record in each of the six collections; Edit changes every one of them,
// the current entity and the calendar settings that date the entries.
class Undo : public ::testing::Test {
protected:
    void SetUp() override {
        m_data.SetServices({&m_host, nullptr, nullptr, nullptr});
        CEntity entity;
        entity.m_nId = 1;
        entity.m_strName = L"Before";
        m_data.m_arrEntities.push_back(entity);
        CActivity activity;
        activity.m_nId = 1;
        activity.m_strName = L"Before";
        activity.m_arrMembers = {1};
        m_data.m_arrActivities.push_back(activity);
        CChimeSet chimes;
        chimes.m_nId = 1;
        chimes.m_strName = L"Before";
        m_data.m_arrChimeSets.push_back(chimes);
        m_data.m_arrKeys.push_back(CActivityKey{1, 1, L"Before"});
        CTimetableEntry entry;
        entry.m_nActivity = 1;
        entry.m_strRemark = L"Before";
        m_data.m_arrEntries.push_back(entry);
        CActivityGroup group;
        group.m_nId = 1;
        group.m_strName = L"Before";
        m_data.m_arrGroups.push_back(group);
        m_data.m_nCurrentEntity = 1;
        m_data.m_dtStartDate = COleDateTime(2026, 9, 7, 0, 0, 0);
        m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
    }

    void Edit() {
        m_data.m_arrEntities[0].m_strName = L"After";
        CEntity second;
        second.m_nId = 2;
        second.m_strName = L"After";
        m_data.m_arrEntities.push_back(second);
        m_data.m_arrActivities[0].m_strName = L"After";
        m_data.m_arrChimeSets[0].m_strName = L"After";
        m_data.m_arrKeys[0].m_strCode = L"After";
        m_data.m_arrEntries[0].m_strRemark = L"After";
        m_data.m_arrGroups[0].m_strName = L"After";
        m_data.m_nCurrentEntity = 2;
        m_data.m_dtStartDate = COleDateTime(2026, 9, 21, 0, 0, 0);
        m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 2, 0, 0, 0);
        m_data.m_nDays = 12;
        m_data.m_nHourIndex = 3;
        m_data.m_nTitleFormat = 2;
    }

    // "Before" or "After" when all six collections and the settings agree; "mixed" otherwise.
    std::string State() const {
        const CString& name = m_data.m_arrEntities[0].m_strName;
        const bool after = name == L"After";
        const bool agree = m_data.m_arrActivities[0].m_strName == name && m_data.m_arrChimeSets[0].m_strName == name &&
                           m_data.m_arrKeys[0].m_strCode == name && m_data.m_arrEntries[0].m_strRemark == name &&
                           m_data.m_arrGroups[0].m_strName == name &&
                           m_data.m_arrEntities.size() == (after ? 2u : 1u) &&
                           m_data.m_nCurrentEntity == (after ? 2 : 1) &&
                           m_data.m_dtStartDate.GetDay() == (after ? 21 : 7) &&
                           m_data.m_dtFirstWeekday.GetDay() == (after ? 2 : 3) && m_data.m_nDays == (after ? 12 : 6) &&
                           m_data.m_nHourIndex == (after ? 3 : 0) && m_data.m_nTitleFormat == (after ? 2 : 0);
        return agree ? name.ToUtf8() : "mixed";
    }

    CRecordingHost m_host;
    CScheduleData m_data;
};

TEST_F(Undo, WithoutASnapshotNothingHappens) {
    m_data.Undo(TRUE);
    m_data.Undo(FALSE);
    EXPECT_EQ(State(), "Before");
    EXPECT_TRUE(m_host.m_calls.empty());
    EXPECT_FALSE(m_data.CanUndo());

    // A dropped snapshot is gone as well.
    m_data.SaveUndo();
    Edit();
    m_data.DiscardUndo();
    m_data.Undo(TRUE);
    EXPECT_EQ(State(), "After");
}

TEST_F(Undo, SwapsAllSixCollectionsTheCurrentEntityAndTheCalendarSettings) {
    m_data.SaveUndo();
    Edit();
    ASSERT_EQ(State(), "After");
    EXPECT_TRUE(m_data.CanUndo());

    m_data.Undo(FALSE);
    EXPECT_EQ(State(), "Before");
    m_data.Undo(FALSE);
    EXPECT_EQ(State(), "After");  // a second undo redoes
    m_data.Undo(FALSE);
    EXPECT_EQ(State(), "Before");
}

TEST_F(Undo, LookupsFindTheSwappedRecords) {
    m_data.SaveUndo();
    Edit();
    ASSERT_NE(m_data.FindEntity(2), m_data.m_arrEntities.end());
    m_data.Undo(FALSE);
    EXPECT_EQ(m_data.FindEntity(2), m_data.m_arrEntities.end());
    EXPECT_EQ(m_data.FindEntity(1)->m_strName, CString(L"Before"));
    EXPECT_EQ(m_data.FindEntryBySerial(m_data.m_arrEntries[0].GetSerial()), m_data.m_arrEntries.begin());
}

TEST_F(Undo, RefreshesThePagesOrTellsThemOfANewCurrentEntity) {
    m_data.SaveUndo();
    Edit();
    m_data.Undo(TRUE);
    // The plan check publishes its problems and refreshes, then the pages get the undo refresh.
    ASSERT_FALSE(m_host.m_calls.empty());
    EXPECT_NE(std::find(m_host.m_calls.begin(), m_host.m_calls.end(), "message panel"), m_host.m_calls.end());
    EXPECT_EQ(m_host.m_calls.back(), "refresh undo");

    m_host.m_calls.clear();
    m_data.Undo(FALSE);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string>{"broadcast 2"}));

    // The same current entity on both sides: nothing to tell.
    m_data.SaveUndo();
    m_data.m_arrEntities[0].m_strName = L"Other";
    m_host.m_calls.clear();
    m_data.Undo(FALSE);
    EXPECT_TRUE(m_host.m_calls.empty());
}

TEST_F(Undo, SaveUndoAfterUndoReplacesTheRedoSnapshot) {
    m_data.SaveUndo();
    Edit();
    m_data.Undo(FALSE);
    m_data.SaveUndo();
    m_data.Undo(FALSE);
    EXPECT_EQ(State(), "Before");
}

TEST_F(Undo, IsOfferedOnlyWhenTheSnapshotHoldsEntriesActivitiesOrEntities) {
    CScheduleData data;
    CChimeSet chimes;
    data.m_arrChimeSets.push_back(chimes);
    data.SaveUndo();
    EXPECT_TRUE(data.HasUndoSnapshot());
    EXPECT_FALSE(data.CanUndo());

    m_data.SaveUndo();
    EXPECT_TRUE(m_data.CanUndo());
    m_data.ResetToNew(FALSE);
    EXPECT_FALSE(m_data.CanUndo());
}

}  // namespace
