// The wizard protocol: which page is shown, when pages are created, which page operations are
// asked in which order, the button states (Finish stays on between middle pages), and how
// Finish, Cancel and the end of the wizard are agreed.
#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <string>
#include <vector>

#include "controls/new_project_wzd.h"
#include "controls/wizard_page.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "language_pack_fixture.h"
#include "resource_ids.h"

namespace {

using Log = std::vector<std::string>;

class RecordingPage : public CWizardPage {
public:
    RecordingPage(Log& log, UINT templateId, std::string name) : CWizardPage(nullptr, templateId), m_log(log), m_name(std::move(name)) {}
    BOOL createAnswer = TRUE, killAnswer = TRUE, cancelAnswer = TRUE, finishAnswer = TRUE;
    int nextAnswer = 0, backAnswer = 0;

    BOOL OnCreatePage() override { return Note("create", createAnswer); }
    void OnDestroyPage() override { Note("destroy", 0); }
    BOOL OnKillActive() override { return Note("kill", killAnswer); }
    void OnSetActive() override { Note("set", 0); }
    std::function<void()> whileAsked;  // what the user does while the leave question is open
    BOOL OnQueryCancel() override {
        Note("cancel", 0);
        if (whileAsked) whileAsked();
        return cancelAnswer;
    }
    int OnWizardBack() override { return Note("back", backAnswer); }
    int OnWizardNext() override { return Note("next", nextAnswer); }
    BOOL OnWizardFinish() override { return Note("finish", finishAnswer); }

private:
    int Note(const char* what, int answer) {
        m_log.push_back(std::string(what) + " " + m_name);
        return answer;
    }
    Log& m_log;
    std::string m_name;
};

// A wizard with its pages, shown modeless so that a test can press its buttons.
struct WizardRig {
    Log log;
    std::vector<std::unique_ptr<RecordingPage>> pages;
    CNewProjectWzd wizard;

    RecordingPage& AddPage(UINT templateId, const char* name) {
        pages.push_back(std::make_unique<RecordingPage>(log, templateId, name));
        wizard.m_pages.push_back(pages.back().get());
        return *pages.back();
    }
    void Start() {
        ASSERT_TRUE(wizard.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
        wizard.ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    // Presses a button as the user does; a disabled button does nothing.
    void Press(UINT id) {
        CWnd* button = wizard.GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        CRect r;
        button->GetClientRect(&r);
        vorn_test::Click(button, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    std::string Buttons() const {
        std::string s;
        for (auto [id, c] : {std::pair{ID_WIZBACK, 'B'}, {ID_WIZNEXT, 'N'}, {ID_WIZFINISH, 'F'}})
            s += wizard.GetDlgItem(id)->IsWindowEnabled() ? c : '-';
        return s;
    }
    int Active() const {
        for (size_t i = 0; i < pages.size(); ++i)
            if (pages[i]->m_bActive) return static_cast<int>(i);
        return -1;
    }
    // The wizard hides itself when it ends.
    bool Ended() const { return !wizard.IsWindowVisible(); }
};

struct WizardFixture : EnglishPackTest, WizardRig {};

struct Step {
    UINT button;  // 0: the start
    Log log;      // what the pages were asked during the step
    int active;
    const char* buttons;
};

void RunSteps(WizardRig& f, const std::vector<Step>& steps, const char* name) {
    for (size_t i = 0; i < steps.size(); ++i) {
        f.log.clear();
        if (steps[i].button) f.Press(steps[i].button);
        else f.Start();
        EXPECT_EQ(f.log, steps[i].log) << name << ", step " << i;
        EXPECT_EQ(f.Active(), steps[i].active) << name << ", step " << i;
        EXPECT_EQ(f.Buttons(), steps[i].buttons) << name << ", step " << i;
    }
}

}  // namespace

TEST_F(WizardFixture, ThreePagesForwardAndBackCreateLazilyAndKeepFinishOnInTheMiddle) {
    AddPage(IDD_WZD_RECENT, "a");
    AddPage(IDD_WZD_TEMPLATE_START, "b");
    AddPage(IDD_WZD_RECENT, "c");
    RunSteps(*this,
             {{0, {"create a", "set a"}, 0, "-N-"},
              {ID_WIZNEXT, {"next a", "create b", "kill a", "set b"}, 1, "BN-"},
              {ID_WIZNEXT, {"next b", "create c", "kill b", "set c"}, 2, "B-F"},
              {ID_WIZBACK, {"back c", "kill c", "set b"}, 1, "BNF"},  // Finish stays on
              {ID_WIZNEXT, {"next b", "kill b", "set c"}, 2, "B-F"},   // c keeps its window
              {ID_WIZBACK, {"back c", "kill c", "set b"}, 1, "BNF"},
              {ID_WIZBACK, {"back b", "kill b", "set a"}, 0, "-N-"}},
             "forward and back");
}

TEST_F(WizardFixture, RefusalsLeaveThePageAndTheButtons) {
    struct Case {
        const char* name;
        int next;        // answer of the first page's OnWizardNext
        BOOL kill;       // answer of its OnKillActive
        BOOL create;     // answer of the second page's OnCreatePage
        Log log;
    };
    const Case cases[] = {
        {"Next answers -1", -1, TRUE, TRUE, {"next a"}},
        {"Next names a page that does not exist", 999, TRUE, TRUE, {"next a"}},
        {"the page refuses to be left", 0, FALSE, TRUE, {"next a", "create b", "kill a"}},
        {"the next page refuses to be created", 0, TRUE, FALSE, {"next a", "create b"}},
    };
    for (const auto& c : cases) {
        WizardRig f;
        RecordingPage& a = f.AddPage(IDD_WZD_RECENT, "a");
        RecordingPage& b = f.AddPage(IDD_WZD_TEMPLATE_START, "b");
        a.nextAnswer = c.next;
        a.killAnswer = c.kill;
        b.createAnswer = c.create;
        f.Start();
        f.log.clear();
        f.Press(ID_WIZNEXT);
        EXPECT_EQ(f.log, c.log) << c.name;
        EXPECT_EQ(f.Active(), 0) << c.name;
        EXPECT_EQ(f.Buttons(), "-N-") << c.name;
    }
}

TEST_F(WizardFixture, NextJumpsToThePageWithTheTemplateIdAndPlacesItAtThePlaceholder) {
    RecordingPage& a = AddPage(IDD_WZD_RECENT, "a");
    AddPage(IDD_WZD_RECENT, "b");
    RecordingPage& c = AddPage(IDD_WZD_TEMPLATE_START, "c");
    a.nextAnswer = IDD_WZD_TEMPLATE_START;
    Start();
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), 2);
    EXPECT_FALSE(pages[1]->m_bCreated);  // never reached, never created
    CRect placeholder, page;
    wizard.GetDlgItem(1280)->GetWindowRect(&placeholder);
    c.GetWindowRect(&page);
    EXPECT_EQ(page.TopLeft(), placeholder.TopLeft());
}

TEST_F(WizardFixture, OnePageWizardCanFinishAtOnce) {
    AddPage(IDD_WZD_RECENT, "a");
    RunSteps(*this, {{0, {"create a", "set a"}, 0, "--F"}, {ID_WIZFINISH, {"kill a", "finish a"}, 0, "--F"}}, "one page");
    EXPECT_TRUE(Ended());
}

TEST_F(WizardFixture, FinishAndCancelAskOnlyCreatedPagesAndStopAtTheFirstRefusal) {
    struct Case {
        const char* name;
        UINT button;
        int refusing;  // index of the page that refuses, -1 none
        Log log;
        bool ended;
    };
    const Case cases[] = {
        {"finish agreed by the created pages", ID_WIZFINISH, -1, {"kill b", "finish a", "finish b"}, true},
        {"finish refused by the first page", ID_WIZFINISH, 0, {"kill b", "finish a"}, false},
        {"cancel agreed", IDCANCEL, -1, {"cancel a", "cancel b"}, true},
        {"cancel refused by the first page", IDCANCEL, 0, {"cancel a"}, false},
    };
    for (const auto& c : cases) {
        WizardRig f;
        RecordingPage& a = f.AddPage(IDD_WZD_RECENT, "a");
        f.AddPage(IDD_WZD_TEMPLATE_START, "b");
        f.AddPage(IDD_WZD_RECENT, "never shown");
        if (c.refusing == 0) a.finishAnswer = a.cancelAnswer = FALSE;
        f.Start();
        f.Press(ID_WIZNEXT);  // a and b are created, the third page never
        f.log.clear();
        if (c.button == ID_WIZFINISH) f.wizard.OnWizardFinish();  // pages call it themselves
        else f.Press(IDCANCEL);
        EXPECT_EQ(f.log, c.log) << c.name;
        EXPECT_EQ(f.Ended(), c.ended) << c.name;
    }
}

// Escape pressed again while the leave question is open answers that question; it asks no
// second one on top of it.
TEST_F(WizardFixture, EscapeWhileTheLeaveQuestionIsOpenAsksNoSecondQuestion) {
    for (BOOL leave : {FALSE, TRUE}) {
        WizardRig f;
        RecordingPage& a = f.AddPage(IDD_WZD_RECENT, "a");
        a.cancelAnswer = leave;
        a.whileAsked = [&] { vorn_test::KeyPress(&f.wizard, Qt::Key_Escape); vorn_test::ProcessEvents(); };
        f.Start();
        f.log.clear();
        vorn_test::KeyPress(&f.wizard, Qt::Key_Escape);
        vorn_test::ProcessEvents();
        EXPECT_EQ(f.log, Log{"cancel a"}) << leave;
        EXPECT_EQ(f.Ended(), leave != FALSE);
    }
}

// Enter and Escape typed in a page's field neither press Next nor end the wizard.
TEST_F(WizardFixture, EnterAndEscapeInAFieldOfAPageAreSwallowed) {
    RecordingPage& a = AddPage(IDD_WZD_RECENT, "a");
    AddPage(IDD_WZD_RECENT, "b");
    Start();
    HWND field = GetNextDlgTabItem(a.m_hWnd, nullptr, FALSE);
    ASSERT_NE(field, nullptr);
    ::SetFocus(field);
    log.clear();
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        vorn_test::KeyPress(&wizard, key);
        vorn_test::ProcessEvents();
        EXPECT_TRUE(log.empty()) << key;
        EXPECT_EQ(Active(), 0) << key;
        EXPECT_FALSE(Ended()) << key;
    }
}

TEST_F(WizardFixture, EndingAsksOnlyTheActivePageAndClearsEveryCreatedFlag) {
    struct Case {
        const char* name;
        bool finish;
        BOOL activeAgrees;
        Log log;
    };
    const Case cases[] = {
        {"closed on the second page", false, TRUE, {"kill b", "destroy a", "destroy b"}},
        {"the active page refuses: it goes anyway", false, FALSE, {"kill b", "destroy a"}},
        {"after Finish nobody is asked again", true, TRUE, {"destroy a", "destroy b"}},
    };
    for (const auto& c : cases) {
        WizardRig f;
        f.AddPage(IDD_WZD_RECENT, "a");
        RecordingPage& b = f.AddPage(IDD_WZD_TEMPLATE_START, "b");
        f.AddPage(IDD_WZD_RECENT, "c");
        f.Start();
        f.Press(ID_WIZNEXT);
        if (c.finish) f.wizard.OnWizardFinish();
        b.killAnswer = c.activeAgrees;
        f.log.clear();
        f.wizard.DestroyWindow();
        EXPECT_EQ(f.log, c.log) << c.name;
        for (const auto& page : f.pages) {
            EXPECT_FALSE(page->m_bCreated) << c.name;
            EXPECT_FALSE(page->GetSafeHwnd()) << c.name;
        }
    }
}

TEST_F(WizardFixture, PagesAreWhiteWithFontsForTheScreen) {
    AddPage(IDD_WZD_RECENT, "a");
    Start();
    LOGFONT title{}, text{};
    pages[0]->m_titleFont.GetLogFont(&title);
    pages[0]->m_textFont.GetLogFont(&text);
    EXPECT_EQ(title.lfHeight, -16);
    EXPECT_EQ(title.lfWeight, 700);
    EXPECT_EQ(text.lfHeight, -14);
    LOGBRUSH brush{};
    pages[0]->m_brush.GetLogBrush(&brush);
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
}
