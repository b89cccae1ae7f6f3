// The substitute dialog's choice without its window: whom the stand-in replaces and which room
// it takes.
#include <gtest/gtest.h>

#include "dialogs/substitute_choice.h"
#include "plan_builder.h"

namespace {

// Two teachers share an activity with two rooms; teacher 1 is paired with room 11.
class SubstituteChoice : public ::testing::Test {
protected:
    SubstituteChoice() {
        plan.AddEntity(1, 1, L"Ada");
        plan.AddEntity(2, 1, L"Grace");
        plan.AddEntity(3, 1, L"Stand-in");
        plan.AddEntity(11, 4, L"Lab");
        plan.AddEntity(12, 4, L"Hall");
        plan.AddEntity(13, 4, L"Library");
        plan.AddActivity(100, L"Science", {1, 2}, {11, 12}).m_arrPairs = {CRoomPair{11, 1}};
        plan.AddActivity(200, L"Reading", {1}, {13});
    }
    CScheduleData data;
    CPlanBuilder plan{data};
};

}  // namespace

TEST_F(SubstituteChoice, RoomFromTheRowTheReplacedMemberOrNone) {
    struct Case {
        const char* what;
        int activity;
        int option;  // 0 nobody, 1 Ada, 2 Grace
        const wchar_t* room;
        int accepted;
        int tied;
    };
    const Case cases[] = {
        {"a room typed ties it", 100, 0, L"Hall", 1, 12},
        {"a name that is no room, one room in the entry", 200, 0, L"Nowhere", 1, 0},
        {"several rooms, nobody replaced, no room", 100, 0, L"", 0, 0},
        {"replacing the paired member takes its room", 100, 1, L"", 1, 11},
        {"replacing a member without a room of the entry", 100, 2, L"", 1, 0},
    };
    for (const Case& c : cases) {
        CTimetableEntry& entry = plan.AddEntry(c.activity, 0, 9, 60);
        CReplacement replacement;
        replacement.m_nEntity = 3;
        CSubstituteRowValues rows;
        rows.checkedOption = c.option;
        rows.room = c.room;
        rows.fund = L"  Trust ";
        rows.remark = L" late ";
        int tied = -1;
        EXPECT_EQ(StoreSubstituteChoice(data, rows, {0, 1, 2}, entry, replacement, tied), c.accepted) << c.what;
        EXPECT_EQ(tied, c.tied) << c.what;
        EXPECT_EQ(replacement.m_nReplacing, c.option) << c.what;
        EXPECT_EQ(replacement.m_strFund, CString(L"Trust")) << c.what;
        EXPECT_EQ(replacement.m_strRemark, CString(L" late ")) << c.what;
    }
}

TEST_F(SubstituteChoice, EachOptionKeepsItsMember) {
    CTimetableEntry& entry = plan.AddEntry(200, 0, 9, 60);
    CReplacement replacement;
    // The candidate 99 had no entity and got no option: the second option is Grace, not 99.
    CSubstituteRowValues rows;
    rows.checkedOption = 1;
    int tied = 0;
    StoreSubstituteChoice(data, rows, {0, 2}, entry, replacement, tied);
    EXPECT_EQ(replacement.m_nReplacing, 2);
    rows.checkedOption = -1;
    StoreSubstituteChoice(data, rows, {0, 2}, entry, replacement, tied);
    EXPECT_EQ(replacement.m_nReplacing, 0);
    // Extending is written only when its row is shown.
    replacement.m_bExtending = 1;
    StoreSubstituteChoice(data, rows, {0}, entry, replacement, tied);
    EXPECT_EQ(replacement.m_bExtending, 1);
    rows.extending = FALSE;
    StoreSubstituteChoice(data, rows, {0}, entry, replacement, tied);
    EXPECT_EQ(replacement.m_bExtending, 0);
}
