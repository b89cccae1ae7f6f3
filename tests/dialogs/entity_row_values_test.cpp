// The entity dialog's write-back without its window: reward texts, the overlaps rule and what
// OK writes into an entity.
#include <gtest/gtest.h>

#include "dialogs/entity_row_values.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"

namespace {

COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }

CFund Fund(const wchar_t* name, double minutes) {
    CFund fund;
    fund.m_strName = name;
    fund.m_tsLength = Minutes(minutes);
    return fund;
}

}  // namespace

TEST(RewardText, ShowsWholeHoursAndMinutes) {
    struct Case { double minutes; const wchar_t* text; };
    const Case cases[] = {
        {0, L"00:00"},          {90, L"01:30"},      {24 * 60, L"24:00"},  // a whole day stays 24 hours
        {25 * 60, L"25:00"},    {100 * 60, L"100:00"}, {59.996, L"01:00"},  // the half-second bias
        {-90, L"-01:30"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRewardText(Minutes(c.minutes)), CString(c.text)) << c.minutes;
}

TEST(RewardText, ReadsHoursAndMinutes) {
    struct Case { const wchar_t* text; double minutes; bool valid; };
    const Case cases[] = {
        {L"0:00", 0, true},       {L"1:30", 90, true},     {L"24:00", 24 * 60, true},
        {L"100:00", 6000, true},  {L"25", 25 * 60, true},  {L" 2 : 15 ", 135, true},
        {L"", 0, true},           {L"abc", 0, true},       {L"1:xx", 60, true},
        {L"99999999:00", 0, false},  // beyond the range of spans
        // The minus signs the whole duration, minutes included.
        {L"-01:30", -90, true},   {L" -0:30", -30, true},  {L"-2", -120, true},
    };
    for (const Case& c : cases) {
        const COleDateTimeSpan span = ParseRewardText(c.text);
        EXPECT_EQ(span.GetStatus() == COleDateTimeSpan::valid, c.valid) << CString(c.text).ToUtf8();
        if (c.valid) {
            EXPECT_EQ(WholeMinutes(span.m_span), c.minutes) << CString(c.text).ToUtf8();
        }
    }
    // What is shown reads back as the same duration.
    for (double minutes : {0.0, 95.0, 24 * 60.0, 25 * 60.0, 100 * 60.0 + 5, -90.0, -30.0, -25 * 60.0 - 5})
        EXPECT_EQ(WholeMinutes(ParseRewardText(FormatRewardText(Minutes(minutes))).m_span), minutes) << minutes;
}

TEST(EntityOverlaps, RuleByTypeAndPlan) {
    struct Case { int type; int n; int most; UINT refusal; int stored; };
    const Case cases[] = {
        {5, 0, 3, 0, 0},                               // equipment: 0 is no limit
        {3, 0, 0, IDS_DLG_CONTACTS_NO_OVERLAPS, -1},  // an assistant needs at least one
        {3, 2, 3, IDS_DLG_CONTACTS_TOO_FEW_OVERLAPS, -1},
        {3, 3, 3, 0, 3},
        {5, 4, 0, 0, 4},
        {5, -1, 0, IDS_DLG_CONTACTS_TOO_FEW_OVERLAPS, -1},
    };
    for (const Case& c : cases) {
        int stored = -1;
        EXPECT_EQ(CheckOverlapsFigure(c.type, c.n, c.most, stored), c.refusal) << c.type << " " << c.n;
        EXPECT_EQ(stored, c.stored) << c.type << " " << c.n;
    }
    // The two messages have ids of their own, apart from the rows' descriptions.
    EXPECT_NE(IDS_DLG_CONTACTS_NO_OVERLAPS, IDS_DLG_CONTACTS_MULTIPLE_DEPARTMENT_INFO);
}

TEST(EntityNumbers, LeadingInteger) {
    struct Case { const wchar_t* text; int value; };
    const Case cases[] = {{L"12", 12}, {L"  7 days", 7}, {L"-3", -3}, {L"x5", 0}, {L"", 0}, {L"99999999999", 2147483647}};
    for (const Case& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << CString(c.text).ToUtf8();
}

class EntityWriteBack : public ::testing::Test {
protected:
    CEntityRowValues TeacherRows(std::vector<CString> rewards) {
        CEntityRowValues rows;
        rows.name = L"Ada";
        rows.hasStaffTypeRow = true;
        rows.checkedStaffType = 0;
        rows.shownRewardTexts = rewards;
        rows.rewardTexts = std::move(rewards);
        return rows;
    }
    CScheduleData data;
    const std::vector<CString> names{L"Mentor", L"Library"};
};

TEST_F(EntityWriteBack, RewardRowsReplaceTheirFundsAndKeepTheOthers) {
    CEntity teacher;
    teacher.m_nType = 1;
    teacher.m_arrFunds = {Fund(L"Mentor", 25 * 60 + 0.4), Fund(L"Coach", 30), Fund(L"Library", 60)};
    struct Case {
        const char* what;
        std::vector<CString> typed;
        std::vector<std::pair<CString, double>> funds;  // name and whole minutes
    };
    const Case cases[] = {
        {"nothing changed: every fund as it was",
         {L"25:00", L"01:00"}, {{L"Mentor", 1500}, {L"Library", 60}, {L"Coach", 30}}},
        {"a changed row", {L"1:30", L"01:00"}, {{L"Mentor", 90}, {L"Library", 60}, {L"Coach", 30}}},
        {"0:00 and an empty text drop the fund", {L"0:00", L""}, {{L"Coach", 30}}},
        {"text that is not a number", {L"soon", L"01:00"}, {{L"Library", 60}, {L"Coach", 30}}},
    };
    for (const Case& c : cases) {
        CEntity edited = teacher;
        CEntityRowValues rows = TeacherRows({L"25:00", L"01:00"});
        rows.rewardTexts = c.typed;
        CEntityDialogChoices choices;
        ASSERT_EQ(WriteEntityRows(data, rows, names, FALSE, edited, choices), 0u) << c.what;
        ASSERT_EQ(edited.m_arrFunds.size(), c.funds.size()) << c.what;
        for (size_t i = 0; i < c.funds.size(); ++i) {
            EXPECT_EQ(edited.m_arrFunds[i].m_strName, c.funds[i].first) << c.what;
            EXPECT_EQ(WholeMinutes(edited.m_arrFunds[i].m_tsLength.m_span), c.funds[i].second) << c.what;
        }
    }
    // Unchanged rows keep the funds exactly, seconds included.
    CEntity edited = teacher;
    CEntityDialogChoices choices;
    WriteEntityRows(data, TeacherRows({L"25:00", L"01:00"}), names, FALSE, edited, choices);
    EXPECT_EQ(edited.m_arrFunds[0].m_tsLength, teacher.m_arrFunds[0].m_tsLength);
}

TEST_F(EntityWriteBack, MultipleModeListsOnlyTypedRewardsAndMapsTheStaffType) {
    CEntity templateEntity;
    templateEntity.m_nType = 2;
    templateEntity.m_strName = L"Template";
    templateEntity.m_arrFunds = {Fund(L"Coach", 30)};
    struct Case { int checked; int newType; };
    for (const Case& c : {Case{0, 1}, Case{1, 2}, Case{2, 0}, Case{-1, 0}}) {
        CEntity edited = templateEntity;
        CEntityRowValues rows = TeacherRows({L"", L""});
        rows.name.reset();
        rows.rewardTexts = {L"0:00", L""};
        rows.checkedStaffType = c.checked;
        rows.checkedScheduleChoice = 1;
        CEntityDialogChoices choices;
        EXPECT_EQ(WriteEntityRows(data, rows, names, TRUE, edited, choices), 0u);
        EXPECT_EQ(choices.newStaffType, c.newType) << c.checked;
        EXPECT_EQ(edited.m_nType, 2) << "the template keeps its type";
        EXPECT_EQ(choices.scheduleChoice, 1);
        ASSERT_EQ(edited.m_arrFunds.size(), 1u);  // a zero reward is handed on: it erases
        EXPECT_EQ(edited.m_arrFunds[0].m_strName, CString(L"Mentor"));
        EXPECT_EQ(WholeMinutes(edited.m_arrFunds[0].m_tsLength.m_span), 0);
    }
}

TEST_F(EntityWriteBack, RoomsAlwaysAllowOneEntryAndKeepTheirDayTimes) {
    CEntity room(MakeTimeOfDay(8, 0), 5);
    room.m_nType = 4;
    room.m_nOverlaps = 7;
    room.m_tDayEnd[2] = MakeTimeOfDay(12, 30);
    CEntity edited = room;
    CEntityRowValues rows;
    rows.name = L"Lab";
    rows.address = L"East wing";
    CEntityDialogChoices choices;
    ASSERT_EQ(WriteEntityRows(data, rows, names, FALSE, edited, choices), 0u);
    EXPECT_EQ(edited.m_nOverlaps, 1);
    EXPECT_EQ(edited.m_strAddress, CString(L"East wing"));
    for (int day = 0; day < kMaxPlanDays; ++day) {
        EXPECT_EQ(edited.m_tDayStart[day], room.m_tDayStart[day]) << day;
        EXPECT_EQ(edited.m_tDayEnd[day], room.m_tDayEnd[day]) << day;
    }
}
