// The entity dialog driven as a user drives it: its rows by type and mode, what OK writes,
// what it refuses and with which message, and that Cancel changes nothing.
#include <gtest/gtest.h>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_fixture.h"
#include "dialogs/contacts_dlg.h"
#include "model/entity.h"
#include "model/time_values.h"
#include "../platform/ui/frame_picture.h"

namespace {

CFund Fund(const wchar_t* name, double minutes) {
    CFund fund;
    fund.m_strName = name;
    fund.m_tsLength = COleDateTimeSpan(minutes / 1440.0);
    return fund;
}

// Whether two entities hold the same values in every field the dialog can write.
void ExpectSameEntity(const CEntity& a, const CEntity& b, const char* what) {
    EXPECT_EQ(a.m_strName, b.m_strName) << what;
    EXPECT_EQ(a.m_nType, b.m_nType) << what;
    EXPECT_EQ(a.m_strCompany, b.m_strCompany) << what;
    EXPECT_EQ(a.m_strDepartment, b.m_strDepartment) << what;
    EXPECT_EQ(a.m_strPhone, b.m_strPhone) << what;
    EXPECT_EQ(a.m_nOverlaps, b.m_nOverlaps) << what;
    EXPECT_EQ(a.m_nDefaultPlace, b.m_nDefaultPlace) << what;
    EXPECT_EQ(a.m_nChimeSet, b.m_nChimeSet) << what;
    EXPECT_EQ(a.m_bUnavailable, b.m_bUnavailable) << what;
    ASSERT_EQ(a.m_arrFunds.size(), b.m_arrFunds.size()) << what;
    for (size_t i = 0; i < a.m_arrFunds.size(); ++i) EXPECT_EQ(a.m_arrFunds[i].m_tsLength, b.m_arrFunds[i].m_tsLength);
}

}  // namespace

class ContactsDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        settings.GetWordList(WordList::Rewards) = {L"Mentor", L"Library"};
        plan.AddEntity(40, 4, L"Lab");
        plan.AddEntity(41, 4, L"Hall");
        plan.AddEntity(42, 4, L"Lab 2");
        plan.AddChimeSet(7, L"Short day");
        plan.AddChimeSet(8, L"Long day");
    }
    CEntity Teacher() {
        CEntity e;
        e.m_nId = 1;
        e.m_nType = 1;
        e.m_strName = L"Ada Byron";
        e.m_strCompany = L"City school";
        e.m_strPhone = L"555 0101";
        e.m_nAllowedWindows = 2;
        e.m_arrFunds = {Fund(L"Mentor", 25 * 60), Fund(L"Coach", 45)};
        return e;
    }
    CEntity Class() {
        CEntity e;
        e.m_nId = 2;
        e.m_nType = 0;
        e.m_strName = L"7b";
        e.m_strDepartment = L"Lower school";
        e.m_strEducator = L"Ada Byron";
        e.m_nDefaultPlace = 40;
        e.m_nChimeSet = 7;
        e.m_dtRegistration = COleDateTime(2023, 9, 1, 0, 0, 0);
        return e;
    }
    CEntity Room() {
        CEntity e;
        e.m_nId = 3;
        e.m_nType = 4;
        e.m_strName = L"Gym";
        e.m_strAddress = L"Building B";
        e.m_crBackground = RGB(255, 230, 180);
        e.m_nHatch = 2;
        return e;
    }
};

TEST_F(ContactsDlgTest, PicturesOfEveryTypeInBothModes) {
    struct Case { const char* picture; CEntity entity; int multiple; const wchar_t* caption; };
    const Case cases[] = {
        {"contacts_teacher.png", Teacher(), 0, L"Teacher Ada Byron"},
        {"contacts_class.png", Class(), 0, L"Class 7b"},
        {"contacts_room.png", Room(), 0, L"Room Gym"},
        {"contacts_teacher_multiple.png", Teacher(), 1, L"Several entries"},
        {"contacts_class_multiple.png", Class(), 1, L"Several entries"},
        {"contacts_room_multiple.png", Room(), 1, L"Several entries"},
    };
    for (const Case& c : cases) {
        CEntity entity = c.entity;
        CContactsDlg dlg(&entity, nullptr);
        dlg.m_multiple = c.multiple;
        RunModal(dlg, [&] {
            if (dlg.m_pRewardGroup && !c.multiple) ClickExpandBox(dlg, dlg.m_pRewardGroup);
            ClickValue(dlg, dlg.m_pName ? static_cast<COptionTreeItem*>(dlg.m_pName) : dlg.m_pScheduleChoice);
            SaveWindowPicture(&dlg, c.picture);
            // The tree covers the dialog; the buttons lie over its info pane, OK rightmost.
            CRect client, tree, ok, cancel;
            dlg.GetClientRect(&client);
            dlg.Tree().GetWindowRect(&tree);
            dlg.ScreenToClient(&tree);
            dlg.GetDlgItem(IDOK)->GetWindowRect(&ok);
            dlg.ScreenToClient(&ok);
            dlg.GetDlgItem(IDCANCEL)->GetWindowRect(&cancel);
            dlg.ScreenToClient(&cancel);
            EXPECT_EQ(tree, client) << c.picture;
            EXPECT_EQ(ok, CRect(client.right - 115, client.bottom - 45, client.right - 5, client.bottom - 5)) << c.picture;
            EXPECT_EQ(cancel.right, ok.left - 10) << c.picture;
            CString caption, okText;
            dlg.GetWindowText(caption);
            EXPECT_EQ(caption, CString(c.caption)) << c.picture;
            dlg.OkButton().GetWindowText(okText);
            EXPECT_EQ(okText, Text(IDS_DLG_BUTTON_OK)) << c.picture;
        });
    }
}

TEST_F(ContactsDlgTest, RowsByTypeAndMode) {
    struct Case {
        const char* what;
        int type;
        int multiple;
        bool staffType, company, job, address, department, phone, overlaps, rooms, week, rewards, dates;
    };
    const Case cases[] = {
        {"class", 0, 0, false, true, false, false, true, false, false, true, false, false, true},
        {"teacher", 1, 0, true, true, false, false, false, true, false, false, true, true, false},
        {"assistant", 3, 0, false, true, true, false, false, true, true, false, false, false, false},
        {"room", 4, 0, false, true, false, true, false, false, false, false, false, false, false},
        {"equipment", 5, 0, false, true, false, true, false, false, true, false, false, false, false},
        {"several classes", 0, 1, false, false, false, false, true, false, false, false, false, false, true},
        {"several teachers", 2, 1, true, true, false, false, false, false, false, false, true, true, false},
        {"several rooms", 4, 1, false, false, false, false, false, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        CEntity entity = Teacher();
        entity.m_nType = c.type;
        CContactsDlg dlg(&entity, nullptr);
        dlg.m_multiple = c.multiple;
        RunModal(dlg, [&] {
            EXPECT_EQ(dlg.m_pName != nullptr, !c.multiple) << c.what;
            EXPECT_EQ(dlg.m_pStaffType != nullptr, c.staffType) << c.what;
            EXPECT_EQ(dlg.m_pCompany != nullptr, c.company) << c.what;
            EXPECT_EQ(dlg.m_pJob != nullptr, c.job) << c.what;
            EXPECT_EQ(dlg.m_pAddress != nullptr, c.address) << c.what;
            EXPECT_EQ(dlg.m_pDepartment != nullptr, c.department) << c.what;
            EXPECT_EQ(dlg.m_pPhone != nullptr, c.phone) << c.what;
            EXPECT_EQ(dlg.m_pOverlaps != nullptr, c.overlaps) << c.what;
            EXPECT_EQ(dlg.m_pRoom != nullptr, c.rooms) << c.what;
            EXPECT_EQ(dlg.m_pDays != nullptr, c.week) << c.what;
            EXPECT_EQ(dlg.m_rewardRows.size(), c.rewards ? 2u : 0u) << c.what;
            EXPECT_EQ(dlg.m_pRegistration != nullptr, c.dates) << c.what;
            EXPECT_EQ(dlg.m_pScheduleChoice != nullptr, c.multiple != 0) << c.what;
        });
    }
}

// A keyboard user leaves the tree with Tab (ending the open edit) and reaches the buttons, where
// Return presses OK and Escape cancels; in the tree Return and Escape only end the edit.
TEST_F(ContactsDlgTest, TabLeavesTheTreeForTheButtons) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        INT_PTR result;
    };
    const Case cases[] = {
        {"return ends the edit, tab, return is OK", {{Qt::Key_Return, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Return, {}}}, IDOK},
        {"tab from the open edit, return is OK", {{Qt::Key_Tab, {}}, {Qt::Key_Return, {}}}, IDOK},
        {"escape ends the edit, tab, escape cancels", {{Qt::Key_Escape, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Escape, {}}}, IDCANCEL},
        {"shift+tab back from OK, tab, return is OK",
         {{Qt::Key_Tab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Tab, {}}, {Qt::Key_Return, {}}}, IDOK},
    };
    for (const Case& c : cases) {
        CEntity teacher = Teacher();
        const CEntity before = teacher;
        CContactsDlg dlg(&teacher, nullptr);
        const INT_PTR result = RunModal(dlg, [&] {
            EnterText(dlg, dlg.m_pName, L"Grace Hopper");
            for (const auto& [key, modifiers] : c.keys) {
                if (!IsOpen(dlg)) break;
                Key(key, modifiers);
                vorn_test::ProcessEvents();
            }
            EXPECT_FALSE(IsOpen(dlg)) << c.what;
        });
        ASSERT_EQ(result, c.result) << c.what;
        if (c.result == IDOK) EXPECT_EQ(teacher.m_strName, CString(L"Grace Hopper")) << c.what;
        else ExpectSameEntity(teacher, before, c.what);
    }
}

TEST_F(ContactsDlgTest, TeacherEditedAndStored) {
    CEntity teacher = Teacher();
    teacher.m_tDayStart[3] = MakeTimeOfDay(10, 0);  // entered by hand: stays
    const CEntity before = teacher;
    CContactsDlg dlg(&teacher, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        // The rewards show as whole hours, closed until opened.
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_rewardRows[0]), CString(L"25:00"));
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_rewardRows[1]), CString(L"00:00"));
        EXPECT_FALSE(dlg.m_pRewardGroup->IsExpanded());
        EnterText(dlg, dlg.m_pName, L"Grace Hopper");
        ClickOption(dlg, dlg.m_pStaffType, 1);
        EnterText(dlg, dlg.m_pPhone, L"555 0199");
        EnterText(dlg, dlg.m_pDays, L"80 percent");
        ClickExpandBox(dlg, dlg.m_pRewardGroup);
        EnterText(dlg, dlg.m_rewardRows[1], L"-1:30");  // a deduction of an hour and a half
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(Refusals().empty());
    EXPECT_EQ(teacher.m_strName, CString(L"Grace Hopper"));
    EXPECT_EQ(teacher.m_nType, 2);
    EXPECT_EQ(teacher.m_strPhone, CString(L"555 0199"));
    EXPECT_EQ(teacher.m_nDays, 80);
    EXPECT_EQ(teacher.m_nAllowedWindows, 2);
    ASSERT_EQ(teacher.m_arrFunds.size(), 3u);
    EXPECT_EQ(teacher.m_arrFunds[0].m_tsLength, before.m_arrFunds[0].m_tsLength);  // 25 hours, left as shown
    EXPECT_EQ(teacher.m_arrFunds[1].m_strName, CString(L"Library"));
    EXPECT_EQ(WholeMinutes(teacher.m_arrFunds[1].m_tsLength.m_span), -90);
    EXPECT_EQ(teacher.m_arrFunds[2].m_strName, CString(L"Coach"));  // no row for it: kept
    for (int day = 0; day < kMaxPlanDays; ++day) {
        EXPECT_EQ(teacher.m_tDayStart[day], before.m_tDayStart[day]) << day;
        EXPECT_EQ(teacher.m_tDayEnd[day], before.m_tDayEnd[day]) << day;
    }
}

// An assistant shows the company in two rows; a change made in either one is stored.
TEST_F(ContactsDlgTest, AnAssistantsCompanyChangedInEitherRowIsStored) {
    struct Case {
        const wchar_t* first;
        const wchar_t* second;  // null: left as shown
        const wchar_t* stored;
    };
    const Case cases[] = {
        {L"Acme", nullptr, L"Acme"},
        {nullptr, L"Bolt", L"Bolt"},
        {L"Acme", L"Bolt", L"Bolt"},
        {nullptr, nullptr, L"City school"},
    };
    for (const Case& c : cases) {
        CEntity assistant = Teacher();
        assistant.m_nType = 3;
        CContactsDlg dlg(&assistant, nullptr);
        const INT_PTR result = RunModal(dlg, [&] {
            ASSERT_NE(dlg.m_pFirstCompany, nullptr);
            if (c.first) EnterText(dlg, dlg.m_pFirstCompany, c.first);
            if (c.second) EnterText(dlg, dlg.m_pCompany, c.second);
            PressButton(dlg, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(assistant.m_strCompany.ToUtf8(), CString(c.stored).ToUtf8());
    }
}

TEST_F(ContactsDlgTest, ClassRoomChimeSetAndDatesByName) {
    CEntity cls = Class();
    CContactsDlg dlg(&cls, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        // The stored room shows although another room's name starts like it.
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_pRoom), CString(L"Lab"));
        EXPECT_EQ(CRecordDialog::TextOf(dlg.m_pChimeSet), CString(L"Short day"));
        EnterText(dlg, dlg.m_pRoom, L"Lab 2");
        EnterText(dlg, dlg.m_pChimeSet, L"No such set");
        dlg.m_pCompletion->SetTime(COleDateTime(2024, 6, 30, 0, 0, 0));
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(cls.m_nDefaultPlace, 42);
    EXPECT_EQ(cls.m_nChimeSet, 0);
    EXPECT_EQ(cls.m_dtCompletion, COleDateTime(2024, 6, 30, 0, 0, 0));
    EXPECT_EQ(cls.m_dtRegistration, COleDateTime(2023, 9, 1, 0, 0, 0));
    EXPECT_EQ(cls.m_strEducator, CString(L"Ada Byron"));
}

TEST_F(ContactsDlgTest, RefusedOkThenCancelLeavesTheEntityAsItWas) {
    // An assistant in three activities at the same hour: fewer than 3 overlaps are refused.
    plan.AddEntity(5, 3, L"Sam");
    for (int id : {100, 101, 102}) {
        plan.AddActivity(id, L"Lesson", {5});
        plan.AddEntry(id, 0, 9, 60);
    }
    struct Case {
        const char* what;
        int type;
        const wchar_t* name;
        const wchar_t* overlaps;
        CString message;
    };
    const Case cases[] = {
        {"empty name", 0, L"", nullptr, Text(IDS_DLG_CONTACTS_NO_NAME)},
        {"blank name is a name", 0, L" ", nullptr, CString()},
        {"assistant with no overlaps", 3, L"Sam", L"0", Text(IDS_DLG_CONTACTS_NO_OVERLAPS)},
        {"assistant, overlaps without digits", 3, L"Sam", L"many", Text(IDS_DLG_CONTACTS_NO_OVERLAPS)},
        {"assistant below the plan", 3, L"Sam", L"2", Text(IDS_DLG_CONTACTS_TOO_FEW_OVERLAPS)},
        {"assistant at the plan", 3, L"Sam", L"3", CString()},
        {"equipment without a limit", 5, L"Beamer", L"0", CString()},
    };
    for (const Case& c : cases) {
        answerer.m_messageBoxes.clear();
        CEntity entity = *data.FindEntity(5);
        entity.m_nType = c.type;
        entity.m_nOverlaps = 4;
        entity.m_strDepartment = L"Before";
        const CEntity before = entity;
        CContactsDlg dlg(&entity, nullptr);
        bool stayed = false;
        const INT_PTR result = RunModal(dlg, [&] {
            EnterText(dlg, dlg.m_pName, c.name);
            if (dlg.m_pDepartment) EnterText(dlg, dlg.m_pDepartment, L"After");
            if (c.overlaps) EnterText(dlg, dlg.m_pOverlaps, c.overlaps);
            PressButton(dlg, IDOK);
            stayed = IsOpen(dlg);
        });
        EXPECT_EQ(stayed, !c.message.IsEmpty()) << c.what;
        if (c.message.IsEmpty()) {
            EXPECT_EQ(result, IDOK) << c.what;
            EXPECT_TRUE(Refusals().empty()) << c.what;
            continue;
        }
        EXPECT_EQ(result, IDCANCEL) << c.what;
        EXPECT_EQ(Refusals(), std::vector<CString>{c.message}) << c.what;
        ExpectSameEntity(entity, before, c.what);
    }
    EXPECT_NE(Text(IDS_DLG_CONTACTS_NO_OVERLAPS), Text(IDS_DLG_CONTACTS_MULTIPLE_DEPARTMENT_INFO));
}

// A home room that is no room and a count that is no whole number of 0 or more are refused
// with a message that names the row; the entity stays as it was.
TEST_F(ContactsDlgTest, AWrongRoomOrCountIsRefusedNamingTheRow) {
    struct Case {
        const char* what;
        bool teacher;
        COptionTreeItem* (*row)(CContactsDlg&);
        const wchar_t* text;
        UINT message;  // 0: taken
    };
    const Case cases[] = {
        {"unknown room", false, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pRoom; }, L"Nowhere", IDS_DLG_CONTACTS_UNKNOWN_ROOM},
        {"no room", false, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pRoom; }, L"", 0},
        {"days with a letter", true, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pDays; }, L"x5", IDS_DLG_CONTACTS_BAD_DAYS},
        {"negative days", true, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pDays; }, L"-5", IDS_DLG_CONTACTS_BAD_DAYS},
        {"days with blanks", true, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pDays; }, L" 4 ", 0},
        {"late starts without a number", true, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pDoors; }, L"some", IDS_DLG_CONTACTS_BAD_DOORS},
        {"negative free periods", true, [](CContactsDlg& d) -> COptionTreeItem* { return d.m_pWindows; }, L"-1", IDS_DLG_CONTACTS_BAD_WINDOWS},
    };
    for (const Case& c : cases) {
        answerer.m_messageBoxes.clear();
        CEntity entity = c.teacher ? Teacher() : Class();
        const CEntity before = entity;
        CContactsDlg dlg(&entity, nullptr);
        const INT_PTR result = RunModal(dlg, [&] {
            ASSERT_NE(c.row(dlg), nullptr) << c.what;
            EnterText(dlg, c.row(dlg), c.text);
            PressButton(dlg, IDOK);
        });
        if (!c.message) {
            EXPECT_EQ(result, IDOK) << c.what;
            EXPECT_TRUE(Refusals().empty()) << c.what;
            continue;
        }
        EXPECT_EQ(result, IDCANCEL) << c.what;
        EXPECT_EQ(Refusals(), std::vector<CString>{Text(c.message)}) << c.what;
        ExpectSameEntity(entity, before, c.what);
    }
}

TEST_F(ContactsDlgTest, CancelChangesNothing) {
    CEntity teacher = Teacher();
    const CEntity before = teacher;
    CContactsDlg dlg(&teacher, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pName, L"Someone else");
        ClickOption(dlg, dlg.m_pStaffType, 1);
        PressButton(dlg, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectSameEntity(teacher, before, "cancel");
}

TEST_F(ContactsDlgTest, UnavailableRowOnlyForIdleOrUnavailableEntities) {
    plan.AddEntity(9, 1, L"Busy");
    plan.AddActivity(300, L"Maths", {9});
    struct Case { const char* what; int id; int type; int unavailable; bool row; };
    const Case cases[] = {
        {"idle teacher", 1, 1, 0, true},
        {"teacher with an activity", 9, 1, 0, false},
        {"unavailable teacher with an activity", 9, 1, 1, true},
        {"available class", 2, 0, 0, false},
        {"unavailable class", 2, 0, 1, true},
    };
    for (const Case& c : cases) {
        CEntity entity = Teacher();
        entity.m_nId = c.id;
        entity.m_nType = c.type;
        entity.m_bUnavailable = c.unavailable;
        CContactsDlg dlg(&entity, nullptr);
        RunModal(dlg, [&] {
            EXPECT_EQ(dlg.m_pUnavailable != nullptr, c.row) << c.what;
            if (dlg.m_pUnavailable) ToggleTick(dlg, dlg.m_pUnavailable);
            PressButton(dlg, IDOK);
        });
        if (c.row) {
            EXPECT_EQ(entity.m_bUnavailable, !c.unavailable) << c.what;
        }
    }
}

TEST_F(ContactsDlgTest, MultipleModeChoicesForThePage) {
    CEntity templateEntity = Teacher();
    CContactsDlg dlg(&templateEntity, nullptr);
    dlg.m_multiple = 1;
    const INT_PTR result = RunModal(dlg, [&] {
        EXPECT_EQ(CRecordDialog::CheckedIndexOf(dlg.m_pStaffType), 2);  // leave each one's type
        EXPECT_TRUE(CRecordDialog::TextOf(dlg.m_rewardRows[0]).IsEmpty());
        ClickOption(dlg, dlg.m_pStaffType, 1);
        ToggleTick(dlg, dlg.m_pResetColours);
        ClickOption(dlg, dlg.m_pScheduleChoice, 1);
        EnterText(dlg, dlg.m_rewardRows[1], L"0:00");
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_newStaffType, 2);
    EXPECT_EQ(dlg.m_resetColours, 1);
    EXPECT_EQ(dlg.m_scheduleChoice, 1);
    EXPECT_EQ(templateEntity.m_nType, 1);
    ASSERT_EQ(templateEntity.m_arrFunds.size(), 1u);  // the typed row alone: a zero reward erases
    EXPECT_EQ(templateEntity.m_arrFunds[0].m_strName, CString(L"Library"));
}

TEST_F(ContactsDlgTest, TreeKeysReachTheEditorsAndButtonKeysTheDialog) {
    CEntity equipment = Room();
    equipment.m_nType = 5;
    CContactsDlg dlg(&equipment, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        // Enter in the long address text starts a new line; Escape in a tree editor stays too.
        ClickValue(dlg, dlg.m_pAddress);
        Key(Qt::Key_End, Qt::ControlModifier);
        Key(Qt::Key_Return);
        Type(L"Shelf 3");
        Key(Qt::Key_Escape);
        EXPECT_TRUE(IsOpen(dlg));
        // Enter on a button presses it.
        dlg.GetDlgItem(IDOK)->SetFocus();
        vorn_test::ProcessEvents();
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    CString address = equipment.m_strAddress;
    address.Remove(L'\r');
    EXPECT_EQ(address, CString(L"Building B\nShelf 3"));
}

TEST_F(ContactsDlgTest, RecordIdsStayWhileTheDialogRuns) {
    // One chime set: the dialogs find it as it is, without renumbering it to 1.
    data.m_arrChimeSets.erase(data.m_arrChimeSets.begin() + 1);
    data.m_nDefaultChimeSet = 7;
    CEntity cls = Class();
    CContactsDlg dlg(&cls, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] { PressButton(dlg, IDOK); }), IDOK);
    EXPECT_EQ(data.m_arrChimeSets[0].m_nId, 7);
    EXPECT_EQ(data.m_nDefaultChimeSet, 7);
    EXPECT_EQ(cls.m_nChimeSet, 7);
}
