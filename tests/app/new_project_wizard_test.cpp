// The new-project wizard's pages: what each shows, the buttons on the ways through them, and
// that Finish acts on what the pages show. Also the About box.
#include "app/about_dlg.h"
#include "app/wzd_page_new_select.h"
#include "app/wzd_page_recent.h"
#include "app/wzd_page_template_start.h"
#include "app_fixture.h"
#include "controls/new_project_wzd.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "model/time_values.h"
#include "resource_ids.h"

namespace {

class WizardTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc")).ok);
        AfxSetResourcePack(&pack);
        app = std::make_unique<CSchedulerApp>();
        app->LoadSettings();
        wizard = std::make_unique<CNewProjectWzd>();
        select = std::make_unique<CWzdPageNewSelect>(wizard.get());
        recent = std::make_unique<CWzdPageRecent>(wizard.get());
        start = std::make_unique<CWzdPageTemplateStart>(wizard.get());
        wizard->m_pages = {select.get(), recent.get(), start.get()};
    }
    void TearDown() override {
        if (wizard->GetSafeHwnd()) wizard->DestroyWindow();
        wizard.reset();
        AppTest::TearDown();
        AfxSetResourcePack(nullptr);
    }
    // The wizard shown modeless, so that the test presses its buttons as a user does.
    void Show() {
        ASSERT_TRUE(wizard->Create(IDD_NEW_PROJECT_WIZARD, nullptr));
        wizard->ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    void Press(CWnd* parent, UINT id) {
        CWnd* button = parent->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowEnabled()) << id;
        CRect r;
        button->GetClientRect(&r);
        vorn_test::Click(button, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    std::string Buttons() const {
        std::string s;
        for (auto [id, c] : {std::pair{ID_WIZBACK, 'B'}, {ID_WIZNEXT, 'N'}, {ID_WIZFINISH, 'F'}})
            s += wizard->GetDlgItem(id)->IsWindowEnabled() ? c : '-';
        return s;
    }
    void TypePath(const CString& path) { recent->GetDlgItem(1062)->SetWindowText(path); }

    CLanguagePack pack;
    std::unique_ptr<CNewProjectWzd> wizard;
    std::unique_ptr<CWzdPageNewSelect> select;
    std::unique_ptr<CWzdPageRecent> recent;
    std::unique_ptr<CWzdPageTemplateStart> start;
};

TEST_F(WizardTest, ThePagesShowTheirChoicesAndTheRecentPlansInAgeGroups) {
    app->AddRecentDocument(L"plan.xml", CopyInto(files, SharedDocument("small-dated.xml"), "plan.xml"), false);
    app->AddRecentDocument(L"week.xml", CopyInto(files, SharedDocument("small-template.xml"), "week.xml"), true);
    Show();
    EXPECT_EQ(Buttons(), "---");
    SaveWindowPicture(wizard.get(), "new_project_select.png");

    Press(select.get(), 1062);  // from a template
    EXPECT_EQ(wizard->choice, 2);
    EXPECT_EQ(Buttons(), "BN-");
    CListCtrl& list = recent->GetList();
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0), L"week") << "listed without .xml, newest first";
    EXPECT_EQ(list.GetGroupCount(), 4);
    SaveWindowPicture(wizard.get(), "new_project_recent.png");

    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    vorn_test::ProcessEvents();
    CString typed;
    recent->GetDlgItem(1062)->GetWindowText(typed);
    EXPECT_EQ(typed, CString(files / "plan.xml"));
    Press(wizard.get(), ID_WIZNEXT);
    EXPECT_EQ(Buttons(), "B-F");
    EXPECT_EQ(wizard->filePath, CString(files / "plan.xml"));
    SaveWindowPicture(wizard.get(), "new_project_template_start.png");
}

TEST_F(WizardTest, BackToTheFirstPageThenNextThenFinishOpensWhatTheRecentPageShows) {
    Show();
    Press(select.get(), 1061);  // open a plan
    Press(wizard.get(), ID_WIZBACK);
    EXPECT_EQ(wizard->choice, 0);
    Press(wizard.get(), ID_WIZNEXT);
    EXPECT_EQ(Buttons(), "B-F") << "the page of an existing plan";
    // Finish with an empty path box is refused rather than making an empty plan.
    Press(wizard.get(), ID_WIZFINISH);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_WZD_NO_PATH_FINISH));
    EXPECT_TRUE(wizard->IsWindowVisible());
    TypePath(L"/plans/kept.xml");
    Press(wizard.get(), ID_WIZFINISH);
    EXPECT_FALSE(wizard->IsWindowVisible());
    EXPECT_EQ(wizard->choice, 1);
    EXPECT_EQ(wizard->filePath, L"/plans/kept.xml");
}

TEST_F(WizardTest, TheTemplateStartMustBeAWholeNumberOfWeeksFromTheFirstWeekday) {
    const COleDateTime reference = app->GetDocument().GetFirstWeekdayDate();
    struct Case {
        double days;
        bool accepted;
    };
    for (const Case& c : {Case{7, true}, Case{8, false}, Case{-14, true}}) {
        start->date = reference + COleDateTimeSpan(c.days);
        wizard->choice = 2;
        Show();
        Press(select.get(), 1062);
        TypePath(L"/plans/week.xml");
        Press(wizard.get(), ID_WIZNEXT);
        answerer.m_messageBoxes.clear();
        Press(wizard.get(), ID_WIZFINISH);
        EXPECT_EQ(!wizard->IsWindowVisible(), c.accepted) << c.days;
        EXPECT_EQ(answerer.m_messageBoxes.size(), c.accepted ? 0u : 1u) << c.days;
        if (c.accepted) {
            EXPECT_TRUE(IsSameDay(wizard->startDate, start->date)) << c.days;
        }
        wizard->DestroyWindow();
    }
}

TEST_F(WizardTest, CancelAsksAndNoKeepsTheWizard) {
    Show();
    answerer.AnswerMessageBox(IDNO);
    Press(wizard.get(), IDCANCEL);
    EXPECT_TRUE(wizard->IsWindowVisible());
    EXPECT_EQ(answerer.m_messageBoxes.at(0).text, LoadResString(IDS_WZD_CONFIRM_CANCEL));
    answerer.AnswerMessageBox(IDYES);
    Press(wizard.get(), IDCANCEL);
    EXPECT_FALSE(wizard->IsWindowVisible());
}

TEST_F(WizardTest, TheAboutBoxShowsItsPictureAndClosesOnAClick) {
    CAboutDlg about;
    WhenModal<CAboutDlg>([](CAboutDlg& dialog) {
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), CAboutDlg::kWidth);
        EXPECT_EQ(client.Height(), CAboutDlg::kHeight);
        SaveWindowPicture(&dialog, "about.png");
        vorn_test::Click(&dialog, CPoint(200, 250));
    });
    EXPECT_EQ(about.DoModal(), IDOK);
}

}  // namespace
