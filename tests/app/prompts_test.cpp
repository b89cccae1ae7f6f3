// The frame's questions about the document: the reload prompt after the file changed on disk
// and the reminder to save; neither asks over an open modal dialog.
#include <chrono>
#include <filesystem>

#include "app/about_dlg.h"
#include "app_fixture.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

class PromptTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        planPath = files / "plan.xml";
        CopyInto(files, SharedDocument("small-dated.xml"), "plan.xml");
        ASSERT_TRUE(Start({CString(planPath)}));
    }
    // Another plan takes the file's place, its time moved by some minutes.
    void ChangeFileOnDisk(int minutes) {
        const auto time = std::filesystem::last_write_time(planPath);
        std::filesystem::copy_file(SharedDocument("small-clashes.xml"), planPath, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::last_write_time(planPath, time + std::chrono::minutes(minutes));
    }
    void Activate() {
        Frame().SendMessage(WM_ACTIVATEAPP, TRUE, 0);
        vorn_test::ProcessEvents();
    }
    int Asked(UINT textId) const {
        int n = 0;
        for (const auto& q : answerer.m_messageBoxes) n += q.text == LoadResString(textId);
        return n;
    }
    std::string planPath;
};

TEST_F(PromptTest, ReloadIsOfferedOnceForAnyChangeOfTheFile) {
    const std::size_t entities = Data().m_arrEntities.size();
    Activate();
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 0) << "the file as it was read";

    // Changed a minute after it was read: offered as any change is.
    ChangeFileOnDisk(1);
    answerer.AnswerMessageBox(IDNO);
    Activate();
    Activate();
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 1) << "a declined change is not offered again";
    EXPECT_EQ(Data().m_arrEntities.size(), entities);

    Frame().SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 1) << "deactivation asks nothing";

    // A later change is offered; Yes reads the file as Open does.
    ChangeFileOnDisk(10);
    Data().SaveUndo();
    answerer.AnswerMessageBox(IDYES);
    Activate();
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 2);
    CScheduleData other;
    ASSERT_TRUE(other.Load(CString(planPath), FALSE));
    EXPECT_EQ(Data().m_arrEntities.size(), other.m_arrEntities.size());
    EXPECT_FALSE(Data().HasUndoSnapshot());
    EXPECT_EQ(Frame().GetAutoSaveTimerId(), 0u) << "the reminder follows the setting (off)";
    Activate();
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 2) << "the file read is the one remembered now";
}

TEST_F(PromptTest, ThePromptsWaitWhileAModalDialogIsOpenAndComeBackAfterIt) {
    app->m_nAutoSave = 1;
    Frame().SetAutoSaveTimer();
    Data().m_arrEntities[0].m_strName += L"!";
    ChangeFileOnDisk(10);
    answerer.AnswerMessageBox(IDNO);
    answerer.AnswerMessageBox(IDNO);
    int askedInside = -1;
    WhenModal<CAboutDlg>([&](CAboutDlg& about) {
        Frame().SendMessage(WM_ACTIVATEAPP, TRUE, 0);
        Frame().SendMessage(WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
        askedInside = static_cast<int>(answerer.m_messageBoxes.size());
        about.EndDialog(IDOK);
    });
    app->OnAppAbout();
    EXPECT_EQ(askedInside, 0);
    EXPECT_NE(Frame().GetAutoSaveTimerId(), 0u) << "the reminder comes back";
    // The reload check comes back on its own once the dialog is gone.
    vorn_test::ProcessEvents(CMainFrame::kPromptRetryMs + 500);
    EXPECT_EQ(Asked(IDS_RELOAD_PROMPT), 1);
}

TEST_F(PromptTest, TheReminderAsksOnlyWhenThereIsSomethingToSaveAndKeepsTicking) {
    app->m_nAutoSave = 3;
    Frame().SetAutoSaveTimer();
    ASSERT_NE(Frame().GetAutoSaveTimerId(), 0u);

    // Nothing changed: no question, and the reminder is armed again.
    Frame().SendMessage(WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
    EXPECT_EQ(Asked(IDS_AUTOSAVE_PROMPT), 0);
    EXPECT_NE(Frame().GetAutoSaveTimerId(), 0u);

    struct Case {
        int answer;
        bool saved;
    };
    for (const Case& c : {Case{IDNO, false}, Case{IDYES, true}}) {
        Data().m_arrEntities[0].m_strName += L"!";
        answerer.AnswerMessageBox(c.answer);
        Frame().SendMessage(WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
        EXPECT_EQ(Data().IsModified() == 0, c.saved);
        EXPECT_EQ(std::filesystem::exists(files / "plan.bak"), c.saved);
        EXPECT_NE(Frame().GetAutoSaveTimerId(), 0u);
    }
    EXPECT_EQ(Asked(IDS_AUTOSAVE_PROMPT), 2);
}

}  // namespace
