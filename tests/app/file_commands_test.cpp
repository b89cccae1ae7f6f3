// File New, Open, Save, Save As, Close and Undo with every answer to their questions: what is
// asked, what is on disk afterwards, and that no work is lost.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "app_fixture.h"
#include "controls/main_tab_ctrl.h"
#include "frame/frame_page.h"
#include "frame/wnd_contacts.h"
#include "timetable/wnd_time_table.h"
#include "controls/new_project_wzd.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileCommandTest : public AppTest {
protected:
    // The program with a plan of its own in the test's folder.
    void StartWithPlan(const char* fixture = "small-dated.xml") {
        planPath = files / "plan.xml";
        CopyInto(files, SharedDocument(fixture), "plan.xml");
        ASSERT_TRUE(Start({CString(planPath)}));
        original = ReadBytes(planPath);
    }
    // An edit that makes the document differ from its file.
    void Edit() {
        Data().SaveUndo();
        Data().m_arrEntities[0].m_strName += L" (renamed)";
        ASSERT_TRUE(Data().IsModified());
    }
    CString FirstName() { return Data().m_arrEntities[0].m_strName; }
    void Command(UINT id) {
        Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        vorn_test::ProcessEvents();
    }
    // The wizard is cancelled as soon as it shows.
    void CancelWizard() {
        WhenModal<CNewProjectWzd>([](CNewProjectWzd& wizard) { wizard.EndDialog(IDCANCEL); });
    }
    std::vector<CString> AskedTexts() const {
        std::vector<CString> texts;
        for (const auto& q : answerer.m_messageBoxes) texts.push_back(q.text);
        return texts;
    }

    std::string planPath;
    std::string original;
};

// The save question of File New, Open and Close, answered Cancel, No and Yes.
struct QuestionCase {
    const char* name;
    UINT command;  // ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT or 0 for closing the frame
    UINT question;
    int answer;
    bool saved;     // the plan file holds the edit afterwards
    bool goesOn;    // the command went past the question
};

const QuestionCase kQuestionCases[] = {
    {"new cancel", ID_FILE_NEW, IDS_NEW_SAVE_CHANGES, IDCANCEL, false, false},
    {"new no", ID_FILE_NEW, IDS_NEW_SAVE_CHANGES, IDNO, false, true},
    {"new yes", ID_FILE_NEW, IDS_NEW_SAVE_CHANGES, IDYES, true, true},
    {"open cancel", ID_FILE_OPEN, IDS_OPEN_SAVE_CHANGES, IDCANCEL, false, false},
    {"open no", ID_FILE_OPEN, IDS_OPEN_SAVE_CHANGES, IDNO, false, true},
    {"open yes", ID_FILE_OPEN, IDS_OPEN_SAVE_CHANGES, IDYES, true, true},
    {"close cancel", 0, IDS_CLOSE_SAVE_CHANGES, IDCANCEL, false, false},
    {"close no", 0, IDS_CLOSE_SAVE_CHANGES, IDNO, false, true},
    {"close yes", 0, IDS_CLOSE_SAVE_CHANGES, IDYES, true, true},
    {"exit cancel", ID_APP_EXIT, IDS_CLOSE_SAVE_CHANGES, IDCANCEL, false, false},
    {"exit no", ID_APP_EXIT, IDS_CLOSE_SAVE_CHANGES, IDNO, false, true},
};

TEST_F(FileCommandTest, TheSaveQuestionOfNewOpenAndCloseDecidesWhatHappensToTheEdit) {
    for (const QuestionCase& c : kQuestionCases) {
        SCOPED_TRACE(c.name);
        StartWithPlan();
        Edit();
        const CString edited = FirstName();
        const std::string other = CopyInto(files, SampleDocument(), "other.xml").ToUtf8();
        answerer.m_messageBoxes.clear();
        answerer.m_fileDialogs.clear();
        answerer.AnswerMessageBox(c.answer);
        if (c.command == ID_FILE_OPEN) answerer.AnswerFile(CString(other));
        if (c.command == ID_FILE_NEW) CancelWizard();
        if (c.command)
            Command(c.command);
        else
            Frame().SendMessage(WM_CLOSE);
        vorn_test::ProcessEvents();

        ASSERT_GE(answerer.m_messageBoxes.size(), 1u);
        EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(c.question));
        EXPECT_EQ(ReadBytes(planPath) != original, c.saved);
        EXPECT_EQ(std::filesystem::exists(files / "plan.bak"), c.saved) << "a save in place keeps a backup";
        if (c.saved) {
            EXPECT_EQ(ReadBytes(files / "plan.bak"), original);
        }
        if (!c.goesOn) {
            // Cancel: the edit is still there, nothing else was asked.
            EXPECT_EQ(FirstName(), edited);
            EXPECT_TRUE(answerer.m_fileDialogs.empty());
            EXPECT_TRUE(Frame().GetSafeHwnd() != nullptr);
        } else if (c.command == ID_FILE_NEW) {
            EXPECT_TRUE(Data().m_arrEntities.empty());
            EXPECT_FALSE(Data().HasUndoSnapshot());
        } else if (c.command == ID_FILE_OPEN) {
            EXPECT_EQ(Data().GetFilePath(), CString(other));
            EXPECT_EQ(app->GetRecentDocuments().front().m_strPath, CString(other));
            EXPECT_FALSE(Data().HasUndoSnapshot()) << "the snapshot belonged to the other plan";
        } else {
            EXPECT_EQ(app->GetMainFrame(), nullptr);
        }
        Stop();
        std::filesystem::remove(files / "plan.bak");
    }
}

TEST_F(FileCommandTest, YesFollowedByAFailedSaveEndsTheCommandAndKeepsTheWork) {
    struct Case {
        const char* name;
        UINT command;
    };
    for (const Case& c : {Case{"new", ID_FILE_NEW}, Case{"open", ID_FILE_OPEN}, Case{"close", 0}}) {
        SCOPED_TRACE(c.name);
        // The plan's folder goes away, so the save cannot be written.
        TempFolder folder;
        CopyInto(folder, SharedDocument("small-dated.xml"), "plan.xml");
        ASSERT_TRUE(Start({CString(folder / "plan.xml")}));
        Edit();
        const CString edited = FirstName();
        std::filesystem::remove_all(folder.path());
        answerer.m_messageBoxes.clear();
        answerer.AnswerMessageBox(IDYES);
        if (c.command)
            Command(c.command);
        else
            Frame().SendMessage(WM_CLOSE);
        vorn_test::ProcessEvents();
        ASSERT_NE(app->GetMainFrame(), nullptr) << "the program stays open";
        EXPECT_EQ(FirstName(), edited);
        EXPECT_TRUE(answerer.m_fileDialogs.empty()) << "nothing is opened over the unsaved work";
        // The question, then the store's report of the failed write.
        ASSERT_EQ(answerer.m_messageBoxes.size(), 2u);
        EXPECT_EQ(answerer.m_messageBoxes[1].text, LoadResString(IDS_SAVE_FILE_ERROR));
        Stop();
    }
}

TEST_F(FileCommandTest, YesForAnUntitledPlanFollowedByACancelledSaveDialogEndsTheCommand) {
    StartWithPlan();
    Edit();
    const CString name = FirstName();
    Data().SetUntitled(true);
    for (UINT command : {static_cast<UINT>(ID_FILE_NEW), static_cast<UINT>(ID_FILE_OPEN), 0u}) {
        answerer.AnswerMessageBox(IDYES);
        answerer.CancelFile();
        if (command)
            Command(command);
        else
            Frame().SendMessage(WM_CLOSE);
        ASSERT_NE(app->GetMainFrame(), nullptr);
        EXPECT_EQ(Data().m_arrEntities[0].m_strName, name);
    }
    EXPECT_EQ(answerer.m_fileDialogs.size(), 3u) << "only the save dialogs were shown";
}

TEST_F(FileCommandTest, SaveWritesTheDocumentAfterAnAtomicBackupAndANamedLikeItsBackupIsKept) {
    StartWithPlan();
    std::ofstream(files / "plan.bak") << "an older backup";
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(files / "plan.bak"), original);
    EXPECT_FALSE(Data().IsModified());
    EXPECT_TRUE(answerer.m_messageBoxes.empty());

    // A document whose own name is that of its backup is not replaced by the backup step.
    std::filesystem::rename(files / "plan.xml", files / "copy.bak");
    Stop();
    ASSERT_TRUE(Start({CString(files / "copy.bak")}));
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(std::filesystem::exists(files / "copy.bak"));
    EXPECT_FALSE(Data().IsModified());
}

TEST_F(FileCommandTest, SaveAsAddsXmlOnlyToANameWithoutExtensionAndRefusesToOverwriteATemplate) {
    StartWithPlan();
    struct Case {
        const char* typed;
        const char* written;
    };
    for (const Case& c : {Case{"noext", "noext.xml"}, Case{"plan.v2", "plan.v2"}, Case{"keep.xml", "keep.xml"}}) {
        answerer.AnswerFile(CString(files / c.typed));
        Command(ID_FILE_SAVE_AS);
        EXPECT_TRUE(std::filesystem::exists(files / c.written)) << c.typed;
        EXPECT_EQ(Data().GetFilePath(), CString(files / c.written)) << c.typed;
        EXPECT_EQ(app->GetRecentDocuments().front().m_strPath, CString(files / c.written)) << c.typed;
    }
    // A dated plan over a week template: refused, and the dialog comes again.
    CopyInto(files, SharedDocument("small-template.xml"), "template.xml");
    const std::string templateBytes = ReadBytes(files / "template.xml");
    answerer.AnswerFile(CString(files / "template.xml"));
    answerer.CancelFile();
    answerer.m_messageBoxes.clear();
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(files / "template.xml"), templateBytes);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_TEMPLATE_OVERWRITE));
}

// File > Open of a file that cannot be read: the message, and the open plan with its path, its
// edits and its undo level exactly as they were.
TEST_F(FileCommandTest, AFailedOpenKeepsTheOpenPlanAndItsEdits) {
    StartWithPlan();
    Edit();
    const CString edited = FirstName();
    const std::size_t entities = Data().m_arrEntities.size();
    const auto recent = app->GetRecentDocuments();
    for (const char* damaged : {"truncated.xml", "binary_garbage.xml"}) {
        SCOPED_TRACE(damaged);
        answerer.m_messageBoxes.clear();
        answerer.AnswerMessageBox(IDNO);  // the edits are not saved first
        answerer.AnswerFile(CString(std::string(VORN_SHARED_DIR) + "/fixtures/hostile/" + damaged));
        Command(ID_FILE_OPEN);
        ASSERT_EQ(answerer.m_messageBoxes.size(), 2u);
        EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_OPEN_SAVE_CHANGES));
        EXPECT_EQ(answerer.m_messageBoxes[1].text, LoadResString(IDS_LOAD_NOT_A_PLAN));
        EXPECT_EQ(Data().GetFilePath(), CString(planPath));
        EXPECT_FALSE(Data().IsUntitled());
        EXPECT_EQ(FirstName(), edited);
        EXPECT_EQ(Data().m_arrEntities.size(), entities);
        EXPECT_TRUE(Data().IsModified());
        EXPECT_TRUE(Data().HasUndoSnapshot());
        EXPECT_EQ(app->GetRecentDocuments().size(), recent.size());
    }
    EXPECT_EQ(ReadBytes(planPath), original);
}

// A save that meets the process's file-size limit fails as on a full disk: reported, the file
// and the edits kept, and the program still running.
TEST_F(FileCommandTest, ASaveBeyondTheFileSizeLimitIsReportedAndKeepsTheWork) {
    StartWithPlan();
    Edit();
    const CString edited = FirstName();
    ASSERT_GT(original.size(), 4096u);
    {
        FileSizeLimit limit(4096, SIG_DFL);
        Command(ID_FILE_SAVE);
    }
    std::vector<CString> asked = AskedTexts();
    EXPECT_NE(std::find(asked.begin(), asked.end(), LoadResString(IDS_SAVE_FILE_ERROR)), asked.end());
    EXPECT_EQ(ReadBytes(planPath), original);
    EXPECT_EQ(FirstName(), edited);
    EXPECT_TRUE(Data().IsModified());
    EXPECT_EQ(files.Names(), (std::set<std::string>{"plan.xml"})) << "no temporary file, no partial backup";
}

// What a save that was killed left beside the plan goes with the next save of the plan.
TEST_F(FileCommandTest, TheNextSaveRemovesWhatAKilledSaveLeftBehind) {
    StartWithPlan();
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string leftover = ".plan.xml." + std::to_string(gone) + ".0.5f3e2a1b.tmp";
    std::ofstream(files / leftover) << original.substr(0, original.size() / 2);
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(Data().IsModified());
    EXPECT_EQ(files.Names(), (std::set<std::string>{"plan.bak", "plan.xml"}));
}

// A file another program replaced and gave back its old time is told apart by its size: Save
// asks first, and only a save that goes ahead makes the backup.
TEST_F(FileCommandTest, SaveAsksAboutAFileReplacedWithItsOldTimeAndBacksUpOnlyWhenItWrites) {
    StartWithPlan();
    const std::string other = ReadBytes(SampleDocument());
    ASSERT_NE(other.size(), original.size());
    const auto time = std::filesystem::last_write_time(planPath);
    std::ofstream(planPath, std::ios::binary | std::ios::trunc) << other;
    std::filesystem::last_write_time(planPath, time);
    Edit();
    const CString edited = FirstName();

    answerer.AnswerMessageBox(IDCANCEL);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(AskedTexts(), std::vector<CString>{LoadResString(IDS_SAVE_FILE_CHANGED)});
    EXPECT_EQ(ReadBytes(planPath), other);
    EXPECT_FALSE(std::filesystem::exists(files / "plan.bak")) << "no backup for a save that did not happen";
    EXPECT_EQ(FirstName(), edited);

    answerer.AnswerMessageBox(IDYES);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(answerer.m_messageBoxes.size(), 2u);
    EXPECT_EQ(ReadBytes(files / "plan.bak"), other) << "the file that was replaced";
    EXPECT_FALSE(Data().IsModified());
}

TEST_F(FileCommandTest, ACancelledFileDialogLeavesDocumentAndRecentListAlone) {
    StartWithPlan();
    const auto recent = app->GetRecentDocuments().size();
    answerer.CancelFile();
    Command(ID_FILE_OPEN);
    answerer.CancelFile();
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(Data().GetFilePath(), CString(planPath));
    EXPECT_EQ(app->GetRecentDocuments().size(), recent);
    EXPECT_EQ(ReadBytes(planPath), original);
    // Both dialogs opened in the plan's folder, not in the working folder.
    ASSERT_EQ(answerer.m_fileDialogs.size(), 2u);
    for (const auto& q : answerer.m_fileDialogs) EXPECT_EQ(q.initialDir, GetPathFolder(CString(planPath)));
}

TEST_F(FileCommandTest, UndoIsOfferedWhileASnapshotExistsAndSwapsTheEditBackAndForth) {
    StartWithPlan();
    auto undoEnabled = [this] {
        bool enabled = false;
        struct Probe : CCmdUI {
            bool* out;
            void Enable(BOOL on) override { *out = on != FALSE; }
        } probe;
        probe.m_nID = ID_EDIT_UNDO;
        probe.out = &enabled;
        app->OnCmdMsg(ID_EDIT_UNDO, CN_UPDATE_COMMAND_UI, &probe, nullptr);
        return enabled;
    };
    EXPECT_FALSE(undoEnabled()) << "a document just read has nothing to undo";
    const CString before = FirstName();
    Edit();
    const CString after = FirstName();
    EXPECT_TRUE(undoEnabled());
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(FirstName(), before);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(FirstName(), after);
}

TEST_F(FileCommandTest, TheWizardsExistingPlanIsOpenedAndJoinsTheRecentList) {
    const CString other = CopyInto(files, SharedDocument("small-dated.xml"), "chosen.xml");
    WhenModal<CNewProjectWzd>([other](CNewProjectWzd& wizard) {
        wizard.choice = 1;
        wizard.SetFilePath(L"  " + other + L" ");
        wizard.EndDialog(ID_WIZFINISH);
    });
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(Data().GetFilePath(), other);
    EXPECT_FALSE(Data().m_arrEntities.empty());
    ASSERT_FALSE(app->GetRecentDocuments().empty());
    EXPECT_EQ(app->GetRecentDocuments().front().m_strPath, other);
}

TEST_F(FileCommandTest, ATemplateStartedAWeekLaterMovesEveryEntryAWeekAndIsUntitled) {
    const CString path = CopyInto(files, SharedDocument("small-template.xml"), "week.xml");
    CScheduleData probe;
    ASSERT_TRUE(probe.Load(path, FALSE));
    const COleDateTime start = probe.GetStartDate();
    const COleDateTime firstEntry = probe.m_arrEntries.begin()->m_dtStart;
    WhenModal<CNewProjectWzd>([path, start](CNewProjectWzd& wizard) {
        wizard.choice = 2;
        wizard.SetFilePath(path);
        wizard.startDate = start + COleDateTimeSpan(7.0);
        wizard.EndDialog(ID_WIZFINISH);
    });
    ASSERT_TRUE(Start({}));
    EXPECT_TRUE(Data().IsUntitled());
    EXPECT_EQ(Data().m_nTitleFormat, 2);
    EXPECT_TRUE(IsSameDay(Data().GetStartDate(), start + COleDateTimeSpan(7.0)));
    const CTimetableEntry& moved = *Data().m_arrEntries.begin();
    EXPECT_TRUE(IsSameDay(moved.m_dtStart, firstEntry + COleDateTimeSpan(7.0)));
    EXPECT_TRUE(IsSameDay(moved.m_dtUnmovedStart, firstEntry + COleDateTimeSpan(7.0)));
}

}  // namespace

namespace {

// The entity whose lessons the timetable's first pane shows: 0 when it shows none, -1 when its
// lessons are of no single entity of the document.
int TimeTableShows(CMainFrame& frame, CScheduleData& data) {
    auto* page = dynamic_cast<CWndTimeTable*>(frame.FindPage(kPageTimeTable));
    if (!page) return -1;
    std::vector<int> common;
    bool first = true;
    for (const CTimeTableItem& item : page->GetControl().GetPane(0).m_arrItems) {
        if (item.m_bGroupItem) continue;
        const auto entry = data.FindEntryBySerial(item.m_nSource);
        if (entry == data.m_arrEntries.end()) return -1;
        std::vector<int> ids;
        entry->GetParticipantsByType(data, ids, 6);
        std::sort(ids.begin(), ids.end());
        if (first) common = ids;
        std::vector<int> both;
        std::set_intersection(common.begin(), common.end(), ids.begin(), ids.end(), std::back_inserter(both));
        common = both;
        first = false;
    }
    if (first) return 0;
    return std::find(common.begin(), common.end(), data.m_nCurrentEntity) != common.end() ? data.m_nCurrentEntity : -1;
}

}  // namespace

// Open after Open: the timetable and the entity chooser show the current entity of the plan
// just opened, whichever tab is on show.
TEST_F(FileCommandTest, EveryOpenedPlanIsWhatThePagesShow) {
    RegisterFramePage(kPageTimeTable, [] { return std::make_unique<CWndTimeTable>(); });
    RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
    StartWithPlan("small-dated.xml");
    RegisterFramePage(kPageTimeTable, {});
    RegisterFramePage(kPageContacts, {});
    const char* const plans[] = {"school-dated.xml", "small-clashes.xml", "school-template.xml", "small-dated.xml"};
    int round = 0;
    for (const char* plan : plans) {
        // Every second plan is opened while the timetable tab is on show.
        for (TabCtrlItem* item : Frame().GetTabCtrl().GetItems())
            if (item->pageWnd == Frame().FindPage(round % 2 ? kPageContacts : kPageTimeTable)->GetSafeHwnd())
                Frame().GetTabCtrl().SelectTab(item);
        vorn_test::ProcessEvents();
        answerer.AnswerFile(CopyInto(files, SharedDocument(plan), "open" + std::to_string(round++) + ".xml"));
        Command(ID_FILE_OPEN);
        ASSERT_NE(Data().m_nCurrentEntity, 0) << plan;
        for (TabCtrlItem* item : Frame().GetTabCtrl().GetItems())
            if (item->pageWnd == Frame().FindPage(kPageTimeTable)->GetSafeHwnd()) Frame().GetTabCtrl().SelectTab(item);
        vorn_test::ProcessEvents();
        const int shown = TimeTableShows(Frame(), Data());
        EXPECT_TRUE(shown == Data().m_nCurrentEntity || shown == 0) << plan << ": shows " << shown;
        const auto current = Data().FindCurrentEntity();
        CString chosen;
        Frame().GetEntityCombo().GetWindowText(chosen);
        EXPECT_EQ(chosen, current->m_strName) << plan;
    }
}
