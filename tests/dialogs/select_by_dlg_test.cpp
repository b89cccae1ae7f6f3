// The select-by dialog in its four modes, driven as a user drives it.
#include <gtest/gtest.h>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/select_by_dlg.h"
#include "model/activity_group.h"
#include "../platform/ui/frame_picture.h"

namespace {

std::vector<CString> ListOf(COptionTreeItemComboBox* combo) {
    std::vector<CString> entries;
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString text;
        combo->GetLBText(i, text);
        entries.push_back(text);
    }
    return entries;
}

}  // namespace

class SelectByDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        plan.AddEntity(1, 0, L"7b").m_strDepartment = L"lower";
        plan.AddEntity(2, 0, L"8a").m_strDepartment = L"Lower";
        plan.AddEntity(3, 0, L"9c").m_strDepartment = L"lower";
        plan.AddEntity(4, 1, L"Ada").m_strCompany = L"City";
        plan.AddEntity(5, 2, L"Grace").m_strCompany = L"";
        plan.AddEntity(6, 5, L"Beamer");
        plan.AddEntity(7, 4, L"Lab");
        CActivityGroup languages;
        languages.m_nId = 30;
        languages.m_strName = L"Languages";
        data.m_arrGroups.push_back(languages);
        CActivityGroup sports;
        sports.m_nId = 31;
        sports.m_strName = L"Sports";
        data.m_arrGroups.push_back(sports);
        plan.AddActivity(10, L"French", {1, 4}).m_nGroup = 30;
        plan.AddActivity(11, L"Maths", {1}, {7});
        plan.AddActivity(12, L"Football", {2}).m_nGroup = 31;
    }
    CSelectByFilter Filter(int mode, int entity = 0) {
        CSelectByFilter f;
        f.m_nMode = mode;
        const auto it = data.FindEntity(entity);
        f.m_pEntity = it != data.m_arrEntities.end() ? &*it : nullptr;
        f.m_strText = L"was";
        f.m_arrDays = {9};
        return f;
    }
};

TEST_F(SelectByDlgTest, ClassesUntouchedWriteEmptyTextsAndOpenDates) {
    CSelectByFilter filter = Filter(0);
    CSelectByDlg dlg(&filter, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        EXPECT_EQ(ListOf(dlg.m_pDepartment), (std::vector<CString>{L"Lower", L"lower"}));  // by code unit
        EXPECT_EQ(ListOf(dlg.m_pName), (std::vector<CString>{L"Ada", L"Grace"}));
        SaveWindowPicture(&dlg, "select_by_classes.png");
        PressButton(dlg, IDOK);
    }),
              IDOK);
    EXPECT_TRUE(filter.m_strDepartment.IsEmpty());
    EXPECT_TRUE(filter.m_strText.IsEmpty());
    EXPECT_EQ(filter.m_dtRegistration, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(filter.m_dtCompletion, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_TRUE(filter.m_arrDays.empty());
}

TEST_F(SelectByDlgTest, StaffChoicesByOption) {
    CSelectByFilter filter = Filter(1);
    CSelectByDlg dlg(&filter, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        EXPECT_EQ(ListOf(dlg.m_pCompany), std::vector<CString>{L"City"});
        ClickOption(dlg, dlg.m_pStaffType, 2);
        EnterText(dlg, dlg.m_pCompany, L"City");
        PressButton(dlg, IDOK);
    }),
              IDOK);
    EXPECT_EQ(filter.m_nStaffType, 2);
    EXPECT_EQ(filter.m_nAvailability, 0);
    EXPECT_EQ(filter.m_strCompany, CString(L"City"));
    EXPECT_EQ(filter.m_strText, CString(L"was"));  // no name row in this mode
}

TEST_F(SelectByDlgTest, DaysAndHoursFromTheHourIndexOn) {
    data.m_nDays = 5;
    data.m_nHourIndex = 3;
    CSelectByFilter filter = Filter(2);
    CSelectByDlg dlg(&filter, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        ASSERT_EQ(dlg.m_dayRows.size(), 5u);
        ASSERT_EQ(dlg.m_hourRows.size(), 14u);
        EXPECT_EQ(dlg.m_dayRows[0]->GetLabel(), data.FormatDayTitle(0));
        EXPECT_EQ(dlg.m_hourRows[0]->GetLabel(), Text(IDS_HOUR_SLOT_3));
        ToggleTick(dlg, dlg.m_dayRows[1]);
        ToggleTick(dlg, dlg.m_hourRows[12]);
        SaveWindowPicture(&dlg, "select_by_hours.png");
        PressButton(dlg, IDOK);
    }),
              IDOK);
    EXPECT_EQ(filter.m_arrDays, (std::vector<int>{0, 1, 0, 0, 0}));
    std::vector<int> hours(14, 0);
    hours[12] = 1;
    EXPECT_EQ(filter.m_arrHours, hours);
}

TEST_F(SelectByDlgTest, ItemsOfTheEntitysGroupsAndActivities) {
    struct Case { const char* what; int entity; size_t groups; size_t activities; };
    const Case cases[] = {{"class 7b", 1, 1, 2}, {"a room", 7, 0, 1}, {"nobody", 0, 0, 0}, {"unknown", 99, 0, 0}};
    for (const Case& c : cases) {
        CSelectByFilter filter = Filter(3, c.entity);
        filter.m_arrActivities = {5};
        CSelectByDlg dlg(&filter, nullptr);
        ASSERT_EQ(RunModal(dlg, [&] {
            EXPECT_EQ(ListOf(dlg.m_pName), (std::vector<CString>{L"7b", L"8a", L"9c", L"Ada", L"Grace", L"Lab"}))
                << c.what;
            EXPECT_EQ(dlg.m_groupRows.size(), c.groups) << c.what;
            EXPECT_EQ(dlg.m_activityRows.size(), c.activities) << c.what;
            if (c.activities == 2) {
                SaveWindowPicture(&dlg, "select_by_entries.png");
                ToggleTick(dlg, dlg.m_activityRows[1]);
                ToggleTick(dlg, dlg.m_groupRows[0]);
            }
            PressButton(dlg, IDOK);
        }),
                  IDOK);
        EXPECT_EQ(filter.m_arrActivities, c.activities == 2 ? std::vector<int>{11} : std::vector<int>{}) << c.what;
        EXPECT_EQ(filter.m_arrGroups, c.groups ? std::vector<int>{30} : std::vector<int>{}) << c.what;
    }
}

TEST_F(SelectByDlgTest, CancelKeepsTheFilter) {
    CSelectByFilter filter = Filter(1);
    CSelectByDlg dlg(&filter, nullptr);
    EXPECT_EQ(RunModal(dlg, [&] {
        ClickOption(dlg, dlg.m_pAvailability, 1);
        PressButton(dlg, IDCANCEL);
    }),
              IDCANCEL);
    EXPECT_EQ(filter.m_nAvailability, 0);
    EXPECT_EQ(filter.m_arrDays, std::vector<int>{9});
}
