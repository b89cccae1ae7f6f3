// Start-up in the process: the main window with its bars, the document of the command line,
// the language pack's search and its failures, settings kept across two starts.
#include <fstream>

#include "app/about_dlg.h"
#include "app_fixture.h"
#include "controls/new_project_wzd.h"
#include "frame/frame_page.h"
#include "model/page_content.h"
#include "platform/core/language_pack.h"
#include "platform/core/settings_store.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "resource_ids.h"

namespace {

// A page that stands for a page of a later subsystem: it records what reaches it.
class CStandInPage : public CFramePage {
public:
    std::vector<int> updates;
    int refreshes = 0;
    void Update(int kind) override { updates.push_back(kind); }
    void RefreshContent(const CPageContent&) override { ++refreshes; }
};

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(AppTest, StartsWithTheDocumentOfTheCommandLineAndShowsItsMainWindow) {
    // Stand-in pages give the tab control its six tabs for the picture.
    std::vector<CStandInPage*> pages;
    for (const CFrameTab& tab : kFrameTabs)
        RegisterFramePage(tab.pageId, [&pages] {
            auto page = std::make_unique<CStandInPage>();
            pages.push_back(page.get());
            return page;
        });
    const CString path = CopyInto(files, SharedDocument("small-dated.xml"), "plan.xml");
    const bool started = Start({path});
    for (const CFrameTab& tab : kFrameTabs) RegisterFramePage(tab.pageId, {});
    ASSERT_TRUE(started);

    CMainFrame& frame = Frame();
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_FALSE(Data().m_arrEntities.empty());
    EXPECT_FALSE(Data().IsUntitled());
    // The title names the document; the status line is ready.
    CString title;
    frame.GetWindowText(title);
    EXPECT_EQ(title, Data().GetFilePath() + L" - Vorn Scheduler");
    EXPECT_EQ(frame.GetStatusText(), L"Ready");
    // Every page came to life and was refreshed by the plan check; the tabs follow the table.
    ASSERT_EQ(pages.size(), 6u);
    for (CStandInPage* page : pages) EXPECT_GE(page->refreshes, 1);
    ASSERT_EQ(frame.GetTabCtrl().GetItems().size(), 6u);
    EXPECT_EQ(frame.GetTabCtrl().GetItems()[1]->caption, L"Tasks");
    // The combo box shows the current entity and sits after the last toolbar button.
    EXPECT_GT(frame.GetEntityCombo().GetCount(), 0);
    CRect lastButton, label, combo;
    frame.GetToolBar().GetItemRect(frame.GetToolBar().GetCount() - 1, &lastButton);
    frame.GetComboLabel().GetWindowRect(&label);
    frame.GetEntityCombo().GetWindowRect(&combo);
    frame.GetToolBar().ScreenToClient(&label);
    frame.GetToolBar().ScreenToClient(&combo);
    EXPECT_GT(label.left, lastButton.right);
    EXPECT_GT(combo.left, label.left);
    // The document joined the recent list.
    ASSERT_FALSE(app->GetRecentDocuments().empty());
    EXPECT_EQ(app->GetRecentDocuments().front().m_strPath, Data().GetFilePath());

    SaveWindowPicture(&frame, "main_window.png");
}

TEST_F(AppTest, WithoutPagesTheFrameHasNoTabsAndTheRealProgramShowsItsBars) {
    ASSERT_TRUE(Start({CopyInto(files, SampleDocument(), "sample.xml")}));
    EXPECT_TRUE(Frame().GetTabCtrl().GetItems().empty());
    EXPECT_EQ(Frame().GetCurrentTabIndex(), -1);
    SaveWindowPicture(&Frame(), "main_window_sample.png");
}

TEST_F(AppTest, WithoutADocumentFileNewOffersTheWizard) {
    bool shown = false;
    WhenModal<CNewProjectWzd>([&](CNewProjectWzd& wizard) {
        shown = true;
        wizard.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(Start({}));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Data().m_arrEntities.empty());
    EXPECT_TRUE(Data().IsUntitled());
}

// A dialog scripted for a run in which it never opened is not answered in the next run: there
// the next script answers it (a stale one would take the wrong action, or reach a finished test).
TEST_F(AppTest, ADialogScriptEndsWithTheRunItWasMadeFor) {
    int stale = 0, answered = 0;
    ASSERT_TRUE(Start({CopyInto(files, SampleDocument(), "sample.xml")}));
    WhenModal<CAboutDlg>([&](CAboutDlg& about) {
        ++stale;
        about.EndDialog(IDCANCEL);
    });
    Stop();
    ASSERT_TRUE(Start({CopyInto(files, SampleDocument(), "sample.xml")}));
    WhenModal<CAboutDlg>([&](CAboutDlg& about) {
        ++answered;
        about.EndDialog(IDOK);
    });
    app->OnAppAbout();
    EXPECT_EQ(stale, 0);
    EXPECT_EQ(answered, 1);
}

TEST_F(AppTest, ADocumentThatCannotBeReadLeavesAnEmptyUntitledPlanAndStaysOffTheRecentList) {
    const std::string broken = files / "broken.xml";
    std::ofstream(broken) << "<DOCUMENT><GENERAL";
    ASSERT_TRUE(Start({CString(broken)}));
    EXPECT_TRUE(Data().m_arrEntities.empty());
    EXPECT_TRUE(app->GetRecentDocuments().empty());
    EXPECT_EQ(answerer.m_messageBoxes.size(), 1u);
}

TEST_F(AppTest, SettingsAndTheRecentListAreWrittenAtExitAndReadAtTheNextStart) {
    ASSERT_TRUE(Start({CopyInto(files, SharedDocument("small-dated.xml"), "first.xml")}));
    app->m_nTabStyle = 3;
    app->m_nAutoSave = 2;
    app->m_arrLessons = {L"08:00", L"!09:00", L"09:15"};
    app->m_dtFirstWeekDay = COleDateTime(2000, 1, 2, 0, 0, 0);
    app->AddRecentDocument(L"second", CString(files / "second"), false);
    Stop();
    EXPECT_NE(ReadText(SettingsFile()).find("TabStyle=3"), std::string::npos);

    ASSERT_TRUE(Start({CopyInto(files, SharedDocument("small-template.xml"), "third.xml")}));
    EXPECT_EQ(app->m_nTabStyle, 3);
    EXPECT_EQ(app->m_nAutoSave, 2);
    EXPECT_EQ(app->m_arrLessons, (std::vector<CString>{L"08:00", L"!09:00", L"09:15"}));
    EXPECT_TRUE(app->m_bLessonsHaveBreaks);
    EXPECT_EQ(app->m_dtFirstWeekDay, COleDateTime(2000, 1, 2, 0, 0, 0));
    // Newest first: the document of this start, then the one added by hand, then the first.
    std::vector<CString> paths;
    for (const CRecentDocument& d : app->GetRecentDocuments()) paths.push_back(GetPathFileName(d.m_strPath));
    EXPECT_EQ(paths, (std::vector<CString>{L"third.xml", L"second.xml", L"first.xml"}));
}

TEST_F(AppTest, OutOfRangeSettingsReadAsTheirDefaults) {
    {
        CSettingsStore store{CString(SettingsFile())};
        store.WriteProfileString(L"Settings", L"AutoSave", L"7");
        store.WriteProfileString(L"Settings", L"FirstWeekDay", L"9");
        store.WriteProfileString(L"Settings", L"MaxTabs", L"100");
        store.WriteProfileString(L"Settings", L"MinColumnWidth", L"501");
        store.WriteProfileString(L"Settings", L"Filter", L"0");
    }
    ASSERT_TRUE(Start({CopyInto(files, SampleDocument(), "sample.xml")}));
    EXPECT_EQ(app->m_nAutoSave, 0);
    // The pack's default first weekday: Monday.
    EXPECT_EQ(app->m_dtFirstWeekDay, COleDateTime(2000, 1, 3, 0, 0, 0));
    EXPECT_EQ(app->m_nMaxTabs, 30);
    EXPECT_EQ(app->m_nMinColumnWidth, 100);
    EXPECT_EQ(app->m_nFilter, 15);
    EXPECT_EQ(Frame().GetAutoSaveTimerId(), 0u);
}

// Language packs: a program folder of the test's own with the packs each case needs.
class PackTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        std::filesystem::create_directories(programFolder / "Locale");
        english = std::string(VORN_BIN_DIR) + "/Locale/English.rc";
    }
    bool StartIn(const std::vector<CString>& args) {
        app = std::make_unique<CSchedulerApp>();
        app->SetAppFolder(CString(programFolder.path()));
        app->SetCommandLineArgs(args);
        const BOOL started = app->InitInstance();
        vorn_test::ProcessEvents();
        return started != FALSE;
    }
    // A copy of the English pack with its pictures found through an absolute include path.
    void WritePack(const std::string& path, const std::string& replace = {}, const std::string& with = {}) {
        std::string text = ReadText(english);
        const std::string folder = std::string(VORN_BIN_DIR) + "/Locale/";
        for (std::size_t at = 0; (at = text.find("\"English/", at)) != std::string::npos;) text.insert(at + 1, folder), at += folder.size() + 9;
        text.replace(text.find("#include \"resource_ids.h\""), 25, "#include \"" + folder + "resource_ids.h\"");
        if (!replace.empty()) text.replace(text.find(replace), replace.size(), with);
        std::ofstream(path) << text;
    }
    TempFolder programFolder;
    std::string english;
};

TEST_F(PackTest, APackChosenInTheFileDialogIsUsedAndRememberedForTheNextStart) {
    const std::string chosen = files / "Mine.rc";
    WritePack(chosen);
    answerer.AnswerFile(CString(chosen));
    ASSERT_TRUE(StartIn({CopyInto(files, SampleDocument(), "sample.xml")}));
    ASSERT_EQ(answerer.m_fileDialogs.size(), 1u);
    EXPECT_TRUE(app->m_bLanguageFromLocale);
    Stop();

    ASSERT_TRUE(StartIn({CopyInto(files, SampleDocument(), "sample.xml")}));
    EXPECT_EQ(answerer.m_fileDialogs.size(), 1u) << "the remembered pack is found without asking";
    EXPECT_EQ(app->GetLanguagePack()->GetPath(), CString(chosen));
}

TEST_F(PackTest, APackNamedLikeTheProgramIsTheFallbackOfAMissingLanguage) {
    WritePack(programFolder / (GetPathFileName(GetModuleFilePath()).ToUtf8() + ".rc"));
    ASSERT_TRUE(StartIn({CopyInto(files, SampleDocument(), "sample.xml")}));
    EXPECT_FALSE(app->m_bLanguageFromLocale);
    EXPECT_TRUE(answerer.m_fileDialogs.empty());
}

TEST_F(PackTest, AMissingOrDamagedPackThatTheUserDoesNotReplaceEndsStartUpWithAMessage) {
    struct Case {
        const char* name;
        bool damaged;
    };
    for (const Case& c : {Case{"missing", false}, Case{"damaged", true}}) {
        if (c.damaged) WritePack(programFolder / "Locale/English.rc", "STRINGTABLE", "STRINGTABL");
        CScriptedAnswerer asked;
        EXPECT_FALSE(StartIn({})) << c.name;
        ASSERT_EQ(asked.m_fileDialogs.size(), 1u) << c.name;
        ASSERT_EQ(asked.m_messageBoxes.size(), 1u) << c.name;
        EXPECT_EQ(asked.m_messageBoxes[0].caption, L"System error!") << c.name;
        if (c.damaged) {
            EXPECT_NE(asked.m_messageBoxes[0].text.Find(L"English.rc"), -1) << "the message names the damaged pack";
        }
        EXPECT_EQ(app->GetMainFrame(), nullptr) << c.name;
        app->ExitInstance();
        app.reset();
        // Nothing was read, so nothing is written over the user's settings.
        EXPECT_EQ(ReadText(SettingsFile()).find("Language="), std::string::npos) << c.name;
    }
}

TEST_F(PackTest, APackThatLacksTheMainMenuEndsStartUpWithAMessageInsteadOfADeadWindow) {
    WritePack(programFolder / "Locale/English.rc", "IDR_MAINFRAME MENU", "9999 MENU");
    EXPECT_FALSE(StartIn({CopyInto(files, SampleDocument(), "sample.xml")}));
    EXPECT_EQ(app->GetMainFrame(), nullptr);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_NE(answerer.m_messageBoxes[0].text.Find(L"main window could not be built"), -1);
}

}  // namespace
