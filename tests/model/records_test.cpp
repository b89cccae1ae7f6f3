#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "model/activity.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"
#include "model_test_support.h"

namespace {

COleDateTimeSpan Seconds(double seconds) { return COleDateTimeSpan(seconds / 86400.0); }

TEST(Records, NewEntityWindowsFollowTheDayStartAndDayCount) {
    CPinnedTimeZone zone("Europe/Berlin");
    const CEntity entity(MakeTimeOfDay(7, 0), 6);
    for (int day = 0; day < kMaxPlanDays; ++day) {
        EXPECT_EQ(entity.m_tDayStart[day], MakeTimeOfDay(7, 0)) << day;
        EXPECT_EQ(entity.m_tDayEnd[day], day < 6 ? MakeTimeOfDay(16, 0) : MakeTimeOfDay(7, 0)) << day;
    }
    // Only the hour of the day start counts.
    const CEntity late(MakeTimeOfDay(8, 45), 1);
    EXPECT_EQ(late.m_tDayStart[0], MakeTimeOfDay(8, 0));
    EXPECT_EQ(late.m_tDayEnd[1], MakeTimeOfDay(8, 0));
    // The default constructor makes the windows of a new document.
    const CEntity fresh;
    EXPECT_EQ(fresh.m_tDayEnd[5], MakeTimeOfDay(16, 0));
    EXPECT_EQ(fresh.m_tDayEnd[6], MakeTimeOfDay(7, 0));
    EXPECT_EQ(fresh.m_nOverlaps, 1);
    EXPECT_EQ(fresh.m_nDays, 100);
    EXPECT_TRUE(IsUnplacedDate(fresh.m_dtRegistration));
}

TEST(Records, EntityTypeNamesComeFromTheLanguagePack) {
    CTestStrings strings({{60466, L"Class"}, {60467, L"Staff"}, {60468, L"Other"}, {60469, L"Room"}, {60470, L"Resource"}});
    struct Case {
        int type;
        const wchar_t* name;
    };
    const Case cases[] = {{0, L"Class"}, {1, L"Staff"}, {2, L"Staff"}, {4, L"Room"}, {5, L"Resource"}, {6, L""}, {-1, L""}};
    for (const auto& c : cases) {
        CEntity entity;
        entity.m_nType = c.type;
        EXPECT_EQ(entity.GetTypeName(), CString(c.name)) << c.type;
    }
}

TEST(Records, DefaultAddressNamesThePlaceWhenItHasAnAddress) {
    CScheduleData data;
    CEntity room;
    room.m_nId = 5;
    room.m_nType = 4;
    room.m_strAddress = L"Main street 1";
    data.m_arrEntities.push_back(room);
    CEntity bare;
    bare.m_nId = 6;
    data.m_arrEntities.push_back(bare);

    CEntity person;
    person.m_nDefaultPlace = 5;
    EXPECT_EQ(person.FormatDefaultAddress(data), CString(L" (Main street 1)"));
    person.m_nDefaultPlace = 6;
    EXPECT_EQ(person.FormatDefaultAddress(data), CString());
    person.m_nDefaultPlace = 7;
    EXPECT_EQ(person.FormatDefaultAddress(data), CString());
}

TEST(Records, ActivityDisplayNameAndDuration) {
    CActivity activity;
    activity.m_strName = L"Maths";
    EXPECT_EQ(activity.GetDisplayName(), CString(L"Maths"));
    activity.m_strLevel = L"B";
    EXPECT_EQ(activity.GetDisplayName(), CString(L"Maths B"));

    struct Case {
        double seconds;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"00:00"},
        {59 * 60 + 59.6, L"01:00"},
        {3600 + 5 * 60, L"01:05"},
        {30 * 3600, L"30:00"},
        {123 * 3600 + 59 * 60, L"123:59"},
    };
    for (const auto& c : cases) {
        activity.m_tsDuration = Seconds(c.seconds);
        EXPECT_EQ(activity.FormatDuration(), CString(c.text)) << c.seconds;
    }
}

TEST(Records, ActivityCopiesOwnTheirListsButNotTheDerivedChimeSet) {
    CActivity source;
    source.m_nId = 3;
    source.m_arrMembers = {1, 2};
    source.m_arrRooms = {9};
    source.m_arrPairs = {{9, 1}};
    source.m_nDerivedChimeSet = 4;

    CActivity copy(source);
    EXPECT_EQ(copy.m_arrMembers, source.m_arrMembers);
    EXPECT_EQ(copy.m_arrRooms, source.m_arrRooms);
    EXPECT_EQ(copy.m_arrPairs, source.m_arrPairs);
    EXPECT_EQ(copy.m_nDerivedChimeSet, 0);
    copy.m_arrMembers.push_back(7);
    copy.m_arrPairs.clear();
    EXPECT_EQ(source.m_arrMembers, (std::vector<int>{1, 2}));
    EXPECT_EQ(source.m_arrPairs.size(), 1u);

    CActivity target;
    target.m_nDerivedChimeSet = 8;
    target = source;
    EXPECT_EQ(target.m_nId, 3);
    EXPECT_EQ(target.m_nDerivedChimeSet, 8);
}

TEST(Records, ActivityHasRoomsInTheRoomListAndOthersAsMembers) {
    CActivity activity;
    activity.m_arrMembers = {1};
    activity.m_arrRooms = {2};
    CEntity member, room, roomAsMember;
    member.m_nId = 1;
    room.m_nId = 2;
    room.m_nType = 4;
    roomAsMember.m_nId = 1;
    roomAsMember.m_nType = 4;
    EXPECT_TRUE(activity.HasEntity(member));
    EXPECT_TRUE(activity.HasEntity(room));
    EXPECT_FALSE(activity.HasEntity(roomAsMember));
}

TEST(Records, SetStateKeepsTheStoredStateForTheFlagStates) {
    CTimetableEntry entry;
    EXPECT_EQ(entry.m_nState, 2);
    entry.SetState(1);
    entry.SetState(7);
    EXPECT_EQ(entry.m_nState, 1);
    EXPECT_TRUE(entry.m_bLinked);
    entry.SetState(3);
    entry.SetState(6);
    EXPECT_EQ(entry.m_nState, 1);
    EXPECT_TRUE(entry.m_bState3 && entry.m_bState6 && entry.m_bLinked);
    entry.SetState(2);
    EXPECT_EQ(entry.m_nState, 2);
    EXPECT_FALSE(entry.m_bState3 || entry.m_bState6 || entry.m_bLinked);
}

TEST(Records, EntryConstructors) {
    CPinnedTimeZone zone("Europe/Berlin");
    const COleDateTime start(2024, 9, 2, 8, 0, 0);
    const CTimetableEntry placed(start, Seconds(45 * 60));
    EXPECT_EQ(placed.m_dtUnmovedStart, start);
    EXPECT_EQ(placed.GetEndTime(), COleDateTime(2024, 9, 2, 8, 45, 0));
    EXPECT_EQ(placed.m_nState, 2);

    CScheduleData data;
    data.m_dtStartDate = COleDateTime(2024, 9, 2, 0, 0, 0);
    const CTimetableEntry onDay(data, 2, MakeTimeOfDay(9, 30), MakeTimeOfDay(10, 15) + 59);
    EXPECT_EQ(onDay.m_dtStart, COleDateTime(2024, 9, 4, 9, 30, 0));
    EXPECT_EQ(onDay.m_dtUnmovedStart, onDay.m_dtStart);
    EXPECT_EQ(WholeMinutes(onDay.m_tsLength.m_span), 45);
}

TEST(Records, EntrySerialsFollowTheEntryThroughSortsAndEdits) {
    std::vector<CTimetableEntry> entries(3);
    for (int i = 0; i < 3; ++i) entries[i].m_nActivity = 3 - i;
    const std::uint64_t serialOfActivity1 = entries[2].GetSerial();
    EXPECT_NE(entries[0].GetSerial(), entries[1].GetSerial());

    std::sort(entries.begin(), entries.end(),
              [](const CTimetableEntry& a, const CTimetableEntry& b) { return a.m_nActivity < b.m_nActivity; });
    EXPECT_EQ(entries[0].GetSerial(), serialOfActivity1);
    entries.reserve(100);  // growing moves the entries
    EXPECT_EQ(entries[0].GetSerial(), serialOfActivity1);

    // A copy is another entry; an edit assigned to a stored entry keeps it the same entry.
    CTimetableEntry edited = entries[0];
    EXPECT_NE(edited.GetSerial(), serialOfActivity1);
    edited.m_strRemark = L"moved";
    entries[0] = edited;
    EXPECT_EQ(entries[0].GetSerial(), serialOfActivity1);
    EXPECT_EQ(entries[0].m_strRemark, CString(L"moved"));
}

class EntryOrder : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [id, name] : {std::pair{1, L"Art"}, std::pair{2, L"Biology"}, std::pair{3, L"art"}}) {
            CActivity activity;
            activity.m_nId = id;
            activity.m_strName = name;
            m_data.m_arrActivities.push_back(activity);
        }
    }
    CTimetableEntry Entry(int activity, const COleDateTime& start) const {
        CTimetableEntry entry(start, COleDateTimeSpan(1.0 / 24));
        entry.m_nActivity = activity;
        return entry;
    }
    CScheduleData m_data;
};

TEST_F(EntryOrder, LaterStartsFirstThenActivityNames) {
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    std::vector<CTimetableEntry> entries = {
        Entry(2, COleDateTime(2024, 9, 2, 8, 0, 0)),  Entry(9, COleDateTime(2024, 9, 2, 10, 0, 0)),
        Entry(1, invalid),                            Entry(2, COleDateTime(2024, 9, 2, 10, 0, 0)),
        Entry(3, COleDateTime(2024, 9, 2, 10, 0, 0)), Entry(1, COleDateTime(2024, 9, 2, 10, 0, 0)),
    };
    std::sort(entries.begin(), entries.end(), LessEntryByStartAndName(m_data));
    std::vector<std::pair<int, int>> order;  // activity, hour
    for (const auto& e : entries) order.emplace_back(e.m_nActivity, e.m_dtUnmovedStart.GetHour());
    const std::vector<std::pair<int, int>> expected = {{1, 10}, {2, 10}, {3, 10}, {9, 10}, {2, 8}, {1, -1}};
    EXPECT_EQ(order, expected);
}

TEST_F(EntryOrder, OrderByKeysIsTheStableSortsOrder) {
    // Ties (same minute and name, two missing activities, two invalid starts) keep their order.
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    const std::vector<CTimetableEntry> entries = {
        Entry(2, COleDateTime(2024, 9, 2, 8, 0, 0)),  Entry(9, COleDateTime(2024, 9, 2, 10, 0, 0)),
        Entry(1, invalid),                            Entry(2, COleDateTime(2024, 9, 2, 10, 0, 20)),
        Entry(3, COleDateTime(2024, 9, 2, 10, 0, 0)), Entry(1, COleDateTime(2024, 9, 2, 10, 0, 0)),
        Entry(2, COleDateTime(2024, 9, 2, 10, 0, 0)), Entry(8, COleDateTime(2024, 9, 2, 10, 0, 0)),
        Entry(2, invalid),                            Entry(1, COleDateTime(2024, 9, 2, 10, 1, 0)),
    };
    std::vector<std::size_t> expected(entries.size());
    std::iota(expected.begin(), expected.end(), std::size_t{0});
    const LessEntryByStartAndName less(m_data);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](std::size_t a, std::size_t b) { return less(entries[a], entries[b]); });
    EXPECT_EQ(OrderEntriesByStartAndName(m_data, entries), expected);
}

TEST_F(EntryOrder, IsAStrictWeakOrderEvenForNearbyStarts) {
    // 10:00, 10:02 and 10:04 are pairwise within 3 minutes only for neighbours: a tolerant
    // comparison would not be transitive. Missing activities and invalid starts join in.
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    const std::vector<CTimetableEntry> entries = {
        Entry(2, COleDateTime(2024, 9, 2, 10, 0, 0)), Entry(1, COleDateTime(2024, 9, 2, 10, 2, 0)),
        Entry(3, COleDateTime(2024, 9, 2, 10, 4, 0)), Entry(9, COleDateTime(2024, 9, 2, 10, 2, 0)),
        Entry(8, COleDateTime(2024, 9, 2, 10, 2, 0)), Entry(1, invalid), Entry(2, invalid),
    };
    const LessEntryByStartAndName less(m_data);
    for (const auto& a : entries) {
        EXPECT_FALSE(less(a, a));
        for (const auto& b : entries) {
            if (less(a, b)) {
                EXPECT_FALSE(less(b, a));
            }
            for (const auto& c : entries) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c));
                }
                const bool abEqual = !less(a, b) && !less(b, a);
                const bool bcEqual = !less(b, c) && !less(c, b);
                if (abEqual && bcEqual) {
                    EXPECT_TRUE(!less(a, c) && !less(c, a));
                }
            }
        }
    }
}

}  // namespace
