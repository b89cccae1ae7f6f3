// The absence wizard driven page by page: what each page lists, what Next and Finish hand to
// the command (Finish reads every page as it shows), the refused category, Cancel, range mode,
// what the result makes of the plan's entities, and a picture of each page.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../controls/language_pack_fixture.h"
#include "../platform/core/pinned_time_zone.h"
#include "controls/app_document.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_picture.h"
#include "dialogs/absence_wzd_days.h"
#include "dialogs/absence_wzd_details.h"
#include "dialogs/absence_wzd_dlg.h"
#include "dialogs/absence_wzd_entities.h"
#include "dialogs/absence_wzd_summary.h"
#include "model/absence.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

class AbsenceWzdTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        data.m_nDays = 5;
        data.SetStartDate(COleDateTime(2024, 9, 2, 0, 0, 0));
        const struct {
            int id, type;
            const wchar_t* name;
        } entities[] = {{1, 0, L"5a"}, {2, 0, L"5b"}, {3, 1, L"Ms Green"}, {4, 2, L"Mr Lee"},
                        {5, 3, L"Helper"}, {6, 4, L"Room 12"}, {7, 5, L"Projector"}};
        for (const auto& e : entities) {
            CEntity entity;
            entity.m_nId = e.id;
            entity.m_nType = e.type;
            entity.m_strName = e.name;
            data.m_arrEntities.push_back(entity);
        }
        data.m_arrEntities.InvalidateIndex();
        data.m_nCurrentEntity = 1;
        data.Settings().GetWordList(WordList::Categories) = {L"Illness", L"Training"};
        data.Settings().GetWordList(WordList::Funders) = {L"School"};
        SetAppDocument(&data);
    }
    void TearDown() override {
        if (wizard && wizard->GetSafeHwnd()) wizard->DestroyWindow();
        wizard.reset();
        SetAppDocument(nullptr);
        EnglishPackTest::TearDown();
    }
    void Start(bool dayMode) {
        wizard = std::make_unique<CAbsenceWzdDlg>();
        days = std::make_unique<CWzdPageAbsenceDays>();
        entities = std::make_unique<CWzdPageAbsenceEntities>(&ids);
        details = std::make_unique<CWzdPageAbsenceDetails>(&absence);
        summary = std::make_unique<CWzdPageAbsenceSummery>();
        if (dayMode) wizard->m_pages.push_back(days.get());
        for (CWizardPage* page : {static_cast<CWizardPage*>(entities.get()), static_cast<CWizardPage*>(details.get()),
                                  static_cast<CWizardPage*>(summary.get())})
            wizard->m_pages.push_back(page);
        ASSERT_TRUE(wizard->Create(IDD_ABSENCE_WIZARD, nullptr));
        wizard->ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    // Presses a wizard button as the user does; a disabled one does nothing.
    void Press(UINT id) {
        CWnd* button = wizard->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        CRect r;
        button->GetClientRect(&r);
        vorn_test::Click(button, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    CWizardPage* Active() const { return wizard->GetActivePage(); }
    bool Ended() const { return !wizard->IsWindowVisible(); }
    void TickDays(std::initializer_list<int> rows) {
        for (int row : rows) days->m_list.SetCheck(row, TRUE);
    }
    void TickEntity(int id, BOOL tick = TRUE) {
        for (HTREEITEM group : entities->m_hGroups)
            for (HTREEITEM item = entities->m_tree.GetChildItem(group); item; item = entities->m_tree.GetNextSiblingItem(item))
                if (static_cast<int>(entities->m_tree.GetItemData(item)) == id) entities->m_tree.SetCheck(item, tick);
    }
    std::vector<CString> Listed() {
        std::vector<CString> names;
        for (HTREEITEM group : entities->m_hGroups)
            for (HTREEITEM item = entities->m_tree.GetChildItem(group); item; item = entities->m_tree.GetNextSiblingItem(item))
                names.push_back(entities->m_tree.GetItemText(item));
        return names;
    }
    void FillDetails(const wchar_t* category, const wchar_t* reason) {
        details->m_pCategory->SetWindowText(category);
        details->m_pReason->SetWindowText(reason);
    }
    std::vector<int> Flags() const { return std::vector<int>(days->dayFlags.begin(), days->dayFlags.end()); }

    CPinnedTimeZone zone{"Europe/Berlin"};
    CScheduleData data;
    CScriptedAnswerer answerer;
    std::vector<int> ids;
    CAbsence absence;
    std::unique_ptr<CAbsenceWzdDlg> wizard;
    std::unique_ptr<CWzdPageAbsenceDays> days;
    std::unique_ptr<CWzdPageAbsenceEntities> entities;
    std::unique_ptr<CWzdPageAbsenceDetails> details;
    std::unique_ptr<CWzdPageAbsenceSummery> summary;
};

TEST_F(AbsenceWzdTest, PagesListThePlanDaysAndTheOtherClassesAndStaff) {
    Start(true);
    EXPECT_EQ(days->m_list.GetItemCount(), 5);
    EXPECT_EQ(days->m_list.GetItemText(0, 0), data.FormatDayTitle(0));
    TickDays({1, 3});
    Press(ID_WIZNEXT);
    EXPECT_EQ(Flags(), (std::vector<int>{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Active(), entities.get());
    EXPECT_EQ(Listed(), (std::vector<CString>{L"5b", L"Ms Green", L"Mr Lee"}))
        << "the current entity and types 3 to 5 are not offered";
    Press(ID_WIZNEXT);
    EXPECT_EQ(ids, std::vector<int>{1}) << "with nothing ticked, the current entity alone";
    // Back on the first page every day starts unticked again.
    Press(ID_WIZBACK);
    Press(ID_WIZBACK);
    EXPECT_EQ(Active(), days.get());
    EXPECT_FALSE(days->m_list.GetCheck(1));
}

TEST_F(AbsenceWzdTest, NextAndFinishHandTheResultsOver) {
    Start(true);
    TickDays({0, 4});
    Press(ID_WIZNEXT);
    TickEntity(3);
    TickEntity(2);
    Press(ID_WIZNEXT);
    struct Refused {
        const wchar_t* category;
    };
    for (const Refused& c : {Refused{L""}, Refused{L"   "}}) {
        answerer.m_messageBoxes.clear();
        FillDetails(c.category, L"Course");
        Press(ID_WIZNEXT);
        EXPECT_EQ(Active(), details.get()) << "an empty category keeps the page";
        ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
        EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_DLG_ABSENCE_NO_CATEGORY));
    }
    FillDetails(L" Training ", L"Course");
    details->m_pPaid->SetCheckedIndex(1);
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), summary.get());
    EXPECT_TRUE(summary->IsDlgButtonChecked(1068));
    EXPECT_TRUE(summary->IsDlgButtonChecked(1069));
    summary->CheckDlgButton(1069, BST_UNCHECKED);
    Press(ID_WIZFINISH);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Flags()[0], 1);
    EXPECT_EQ(Flags()[4], 1);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3})) << "the current entity, then the classes, then the staff";
    EXPECT_EQ(absence.m_strCategory, L"Training");
    EXPECT_EQ(absence.m_strReason, L"Course");
    EXPECT_EQ(absence.m_bPaid, 1);
    EXPECT_EQ(absence.m_bApproved, 0);
    EXPECT_EQ(summary->cancelEntries, 1);
    EXPECT_EQ(summary->forceAbsence, 0);

    // What the command makes of it: a whole-day absence per entity and ticked day.
    for (int id : ids)
        for (int day = 0; day < CWzdPageAbsenceDays::kMaxDays; ++day)
            if (days->dayFlags[static_cast<std::size_t>(day)])
                data.FindEntity(id)->SetWholeDayAbsence(data, day, true, absence, summary->forceAbsence != 0);
    for (int id : {1, 2, 3}) {
        const CEntity& entity = *data.FindEntity(id);
        ASSERT_EQ(entity.m_arrAbsences.size(), 2u) << id;
        EXPECT_EQ(entity.m_arrAbsences[0].m_strCategory, L"Training");
        EXPECT_EQ(entity.m_arrAbsences[1].m_dtStart.GetDay(), 6) << "Friday, the fifth plan day";
    }
    EXPECT_TRUE(data.FindEntity(4)->m_arrAbsences.empty());
}

TEST_F(AbsenceWzdTest, FinishFromAnEarlierPageTakesWhatThatPageShowsNow) {
    enum class Change { Entities, Reason, Category };
    struct Case {
        const char* what;
        Change change;
        bool ends;
    };
    const Case cases[] = {
        {"another staff member ticked on the entity page", Change::Entities, true},
        {"the reason cleared on the details page", Change::Reason, true},
        {"the category cleared on the details page: refused", Change::Category, false},
    };
    for (const auto& c : cases) {
        Start(true);
        Press(ID_WIZNEXT);
        TickEntity(3);
        Press(ID_WIZNEXT);
        FillDetails(L"Illness", L"Flu");
        Press(ID_WIZNEXT);
        ASSERT_EQ(Active(), summary.get()) << c.what;
        Press(ID_WIZBACK);
        answerer.m_messageBoxes.clear();
        switch (c.change) {
        case Change::Entities:
            Press(ID_WIZBACK);
            TickEntity(4);
            break;
        case Change::Reason: details->m_pReason->SetWindowText(L""); break;
        case Change::Category: details->m_pCategory->SetWindowText(L""); break;
        }
        Press(ID_WIZFINISH);
        EXPECT_EQ(Ended(), c.ends) << c.what;
        switch (c.change) {
        case Change::Entities: EXPECT_EQ(ids, (std::vector<int>{1, 3, 4})) << c.what; break;
        case Change::Reason: EXPECT_EQ(absence.m_strReason, L"") << c.what; break;
        case Change::Category: EXPECT_EQ(answerer.m_messageBoxes.size(), 1u) << c.what; break;
        }
        wizard->DestroyWindow();
        absence = CAbsence();
    }
}

TEST_F(AbsenceWzdTest, AnEmptyTemplateShowsNoCategory) {
    Start(false);
    Press(ID_WIZNEXT);
    CString category;
    details->m_pCategory->GetWindowText(category);
    EXPECT_EQ(category, L"");
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), details.get()) << "nothing is chosen for the planner";
}

TEST_F(AbsenceWzdTest, CancelEndsWithoutResults) {
    Start(true);
    TickDays({2});
    Press(ID_WIZNEXT);
    Press(IDCANCEL);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(absence.m_strCategory, L"");
    for (const CEntity& entity : data.m_arrEntities) EXPECT_TRUE(entity.m_arrAbsences.empty());
}

TEST_F(AbsenceWzdTest, RangeModeStartsOnTheEntityPage) {
    Start(false);
    EXPECT_EQ(wizard->m_pages.size(), 3u);
    EXPECT_EQ(Active(), entities.get());
    EXPECT_FALSE(wizard->GetDlgItem(ID_WIZFINISH)->IsWindowEnabled());
    EXPECT_FALSE(days->GetSafeHwnd()) << "the day page is never made";
}

TEST_F(AbsenceWzdTest, PicturesOfEachPage) {
    absence.m_strCategory = L"Training";
    absence.m_strReason = L"First aid course";
    Start(true);
    TickDays({0, 2});
    SavePng(GrabWindow(wizard.get()), "absence_wizard_1_days.png");
    Press(ID_WIZNEXT);
    TickEntity(3);
    SavePng(GrabWindow(wizard.get()), "absence_wizard_2_entities.png");
    Press(ID_WIZNEXT);
    SavePng(GrabWindow(wizard.get()), "absence_wizard_3_details.png");
    Press(ID_WIZNEXT);
    SavePng(GrabWindow(wizard.get()), "absence_wizard_4_summary.png");
}

}  // namespace
