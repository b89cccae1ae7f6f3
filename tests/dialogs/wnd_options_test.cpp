// The options page in the running program: its rows, apply and revert driven through the tree,
// its commands reached from the explorer bar (the solver, an import with the progress bar, the
// word lists and the settings exchange file).
#include "dialogs/wnd_options.h"

#include <fstream>
#include <functional>

#include "../app/app_fixture.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialogs/activity_resolve_dlg.h"
#include "dialogs/data_import_dlg.h"
#include "dialogs/day_schedule_dlg.h"
#include "dialogs/pallete_dlg.h"
#include "dialogs/strings_dlg.h"
#include "controls/tab_ctrl_interfaces.h"
#include "frame/explorer_bar_parts.h"
#include "frame/wnd_contacts.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/ui/message_box.h"
#include "option_tree_input.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "solver/solver_wzd_dlg.h"

// Texts in failure messages.
inline void PrintTo(const CString& text, std::ostream* os) { *os << '"' << text.ToUtf8() << '"'; }

namespace {

namespace input = option_tree_input;

class OptionsPageTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
        RegisterFramePage(kPageOptions, [] { return std::make_unique<CWndOptions>(); });
    }
    void TearDown() override {
        AppTest::TearDown();
        RegisterFramePage(kPageOptions, {});
        RegisterFramePage(kPageContacts, {});
    }
    // Starts the program on a copy of the fixture and clicks the options tab.
    void Open(const char* fixture) {
        ASSERT_TRUE(Start({CopyInto(files, SharedDocument(fixture), "plan.xml")}));
        Frame().MoveWindow(0, 0, 1200, 820);
        vorn_test::ProcessEvents();
        for (TabCtrlItem* item : Frame().GetTabCtrl().GetItems())
            if (item->pageWnd == Page().m_hWnd) {
                vorn_test::MouseMove(&Frame().GetTabCtrl(), item->rect.CenterPoint());
                vorn_test::Click(&Frame().GetTabCtrl(), item->rect.CenterPoint());
            }
        vorn_test::ProcessEvents();
        ASSERT_TRUE(Page().IsWindowVisible());
    }
    CWndOptions& Page() { return *static_cast<CWndOptions*>(Frame().FindPage(kPageOptions)); }
    CExplorerBarItem* Item(UINT command) {
        for (const auto& group : Frame().GetExplorerBar().Groups())
            for (const auto& item : group->m_arrItems)
                if (item->m_nCommand == static_cast<int>(command)) return item.get();
        return nullptr;
    }
    bool Enabled(UINT command) {
        // The first update after the tab changed may rebuild the bar for the page; the second
        // then sets the new items.
        Frame().GetExplorerBar().UpdateItemStates();
        Frame().GetExplorerBar().UpdateItemStates();
        CExplorerBarItem* item = Item(command);
        return item && !(item->m_nFlags & CExplorerBarItem::kDisabled);
    }
    // A click on the command's item in the explorer bar.
    void Run(UINT command) {
        ASSERT_TRUE(Enabled(command)) << command;
        Item(command)->OnClick(0, 0, 0, 0);
        vorn_test::ProcessEvents();
    }
    std::wstring SavedText() {
        CXmlDocument doc;
        Data().WriteXml(doc);
        return doc.GetDoc().str();
    }
    std::vector<CString> Asked() const {
        std::vector<CString> texts;
        for (const auto& q : answerer.m_messageBoxes) texts.push_back(q.text);
        return texts;
    }
    std::vector<CString> MarkTexts() {
        std::vector<CString> texts;
        for (const auto& mark : Page().Tree().m_markManager.Marks()) {
            CString text;
            mark->GetWindowText(text);
            texts.push_back(text);
        }
        return texts;
    }
    static CString Text(UINT id) { return LoadResString(id); }
};

// The tree of the page over the plan: 17 rows in 6 groups, filled from the document and the
// settings, as the user sees it in the main window.
TEST_F(OptionsPageTest, RowsShowThePlanAndTheSettings) {
    Open("school-dated.xml");
    CWndOptions& page = Page();
    const COptionTreeItem* rows[] = {
        page.m_pPlanKind, page.m_pFirstWeekday, page.m_pStartDate,   page.m_pDays,           page.m_pHourIndex,
        page.m_pTitleFormat, page.m_pMaxTabs,   page.m_pAutoSave,    page.m_pClock,          page.m_pContactsTips,
        page.m_pMinColumnWidth, page.m_pTts,    page.m_pSeparatePages, page.m_pNewsFeed,     page.m_pLanguage,
        page.m_pExplorerStyle, page.m_pTabStyle};
    for (size_t k = 0; k < std::size(rows); ++k) EXPECT_NE(rows[k], nullptr) << k;
    int groups = 0;
    for (COptionTreeItem* g = page.Tree().GetRootItem()->GetFirstChild(); g; g = g->GetNextSibling()) ++groups;
    EXPECT_EQ(groups, 5);
    EXPECT_EQ(page.m_pPlanKind->GetCheckedIndex(), 1) << "a dated plan";
    int days = 0;
    page.m_pDays->GetIntValue(days);
    EXPECT_EQ(days, Data().m_nDays);
    COleDateTime start;
    page.m_pStartDate->GetTime(start);
    EXPECT_TRUE(IsSameDay(start, Data().GetStartDate()));
    CString language;
    page.m_pLanguage->GetWindowText(language);
    EXPECT_EQ(language, app->m_strLanguage);
    EXPECT_TRUE(Enabled(ID_RUN_SOLVER)) << "the page's commands are in the explorer bar";
    page.Tree().SelectItem(page.m_pDays);
    SaveWindowPicture(&Frame(), "options-page.png");
}

// Apply validates every row first: a refused row is marked, one message says so, and the
// document stays as it was; the program's settings in the rows are stored at once all the same.
TEST_F(OptionsPageTest, RefusedApplyMarksTheRowsAndLeavesTheDocument) {
    Open("school-dated.xml");
    struct Case {
        const char* name;
        const wchar_t* days;  // typed into the days row; null leaves it
        int moveDays;         // the start date moved by
        std::vector<UINT> marks;
    };
    const Case cases[] = {
        {"days with entries", L"9", 0, {IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES}},
        {"no days", L"0", 0, {IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES, IDS_OPTIONS_MARK_DAYS_TOO_FEW}},
        {"part of a week", nullptr, 10, {IDS_OPTIONS_MARK_WHOLE_WEEKS}},
    };
    CWndOptions& page = Page();
    const std::wstring before = SavedText();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answerer.m_messageBoxes.clear();
        Run(ID_OPTIONS_REVERT);
        input::ClickOption(page.Tree(), page.m_pClock, 0);
        if (c.days) input::EnterText(page.Tree(), page.m_pDays, c.days);
        if (c.moveDays) page.m_pStartDate->SetTime(Data().GetStartDate() + COleDateTimeSpan(c.moveDays, 0, 0, 0));
        app->m_bClock = 0;
        Run(ID_OPTIONS_APPLY);
        std::vector<CString> expected;
        for (UINT id : c.marks) expected.push_back(Text(id));
        EXPECT_EQ(MarkTexts(), expected);
        ASSERT_EQ(Asked(), std::vector<CString>{Text(IDS_OPTIONS_REFUSED)});
        EXPECT_EQ(answerer.m_messageBoxes[0].type & 0xF0u, static_cast<UINT>(MB_ICONHAND));
        EXPECT_EQ(SavedText(), before);
        EXPECT_EQ(app->m_bClock, 1) << "the clock row is a setting of the program";
    }
    SaveWindowPicture(&Frame(), "options-page-refused.png");
    Run(ID_OPTIONS_REVERT);
    EXPECT_TRUE(MarkTexts().empty());
}

// A dated plan with entries moved by whole weeks: Yes moves the entries with the start date; the
// move took the undo snapshot first, so one Undo puts the entries back with the settings that date
// them, and the page shows the old start date again; a second Undo redoes.
TEST_F(OptionsPageTest, ApplyMovesTheEntriesWithTheStartDate) {
    Open("school-dated.xml");
    CWndOptions& page = Page();
    const COleDateTime start = Data().GetStartDate();
    const COleDateTime firstEntry = Data().m_arrEntries.front().m_dtStart;
    const COleDateTime firstWeekday = Data().m_dtFirstWeekday;
    page.m_pStartDate->SetTime(start + COleDateTimeSpan(14, 0, 0, 0));
    input::EnterText(page.Tree(), page.m_pHourIndex, L"2");
    page.m_pFirstWeekday->SetCurSel(1);  // Sunday, 2 January 2000
    answerer.AnswerMessageBox(IDYES);
    Run(ID_OPTIONS_APPLY);
    EXPECT_EQ(Asked(), std::vector<CString>{Text(IDS_CONFIRM_MOVE_ENTRIES)});
    EXPECT_TRUE(MarkTexts().empty());
    EXPECT_TRUE(IsSameDay(Data().GetStartDate(), start + COleDateTimeSpan(14, 0, 0, 0)));
    EXPECT_EQ(Data().m_arrEntries.front().m_dtStart, firstEntry + COleDateTimeSpan(14, 0, 0, 0));
    EXPECT_EQ(Data().m_nHourIndex, 2);
    EXPECT_EQ(Data().m_dtFirstWeekday, COleDateTime(2000, 1, 2, 0, 0, 0));
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_UNDO, 0), 0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_arrEntries.front().m_dtStart, firstEntry);
    EXPECT_TRUE(IsSameDay(Data().GetStartDate(), start));
    EXPECT_NE(Data().m_nHourIndex, 2);
    EXPECT_EQ(Data().m_dtFirstWeekday, firstWeekday);
    COleDateTime shown;
    page.m_pStartDate->GetTime(shown);
    EXPECT_TRUE(IsSameDay(shown, start));
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_UNDO, 0), 0);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(IsSameDay(Data().GetStartDate(), start + COleDateTimeSpan(14, 0, 0, 0)));
    EXPECT_EQ(Data().m_arrEntries.front().m_dtStart, firstEntry + COleDateTimeSpan(14, 0, 0, 0));
    EXPECT_EQ(Data().m_nHourIndex, 2);
}

// The solver is reached from the page: on a dated plan it says why it does nothing; on a week
// template the wizard opens (and is cancelled here), leaving the document as it was.
TEST_F(OptionsPageTest, SolverCommandOpensTheWizardOnAWeekTemplate) {
    Open("small-dated.xml");
    Run(ID_RUN_SOLVER);
    EXPECT_EQ(Asked(), std::vector<CString>{Text(IDS_SOLVER_NEEDS_WEEK_TEMPLATE)});
    Stop();

    Open("small-template.xml");
    const std::wstring before = SavedText();
    bool opened = false;
    WhenModal<CSolverWzdDlg>([&](CSolverWzdDlg& wizard) {
        opened = true;
        CWnd* cancel = wizard.GetDlgItem(IDCANCEL);
        ASSERT_NE(cancel, nullptr);
        CRect r;
        cancel->GetClientRect(&r);
        vorn_test::Click(cancel, r.CenterPoint());
    });
    Run(ID_RUN_SOLVER);
    EXPECT_TRUE(opened);
    EXPECT_EQ(SavedText(), before);
}

// A timetable import from a file chosen in the import dialog: the status bar's progress shows
// while the lines are read (seen when the resolver asks in the middle of the text), the
// chosen activity is placed and the progress is gone at the end.
TEST_F(OptionsPageTest, TimetableImportShowsTheProgressAndAsksTheResolver) {
    Open("small-template.xml");
    CScheduleData& data = Data();
    const auto addEntity = [&](int type, const wchar_t* name) {
        CEntity entity(data.m_tDayStart, data.m_nDays);
        entity.m_nType = type;
        entity.m_strName = name;
        return data.AppendEntity(std::move(entity));
    };
    const int ada = addEntity(1, L"Ada Quill");
    const int a = addEntity(0, L"7qa");
    const int b = addEntity(0, L"7qb");
    int nextActivity = 0;
    for (const CActivity& activity : data.m_arrActivities) nextActivity = std::max(nextActivity, activity.m_nId);
    for (int member : {a, b}) {
        CActivity activity;
        activity.m_nId = ++nextActivity;
        activity.m_strName = L"Poetry";
        activity.m_arrMembers = {ada, member};
        activity.m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
        activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        data.m_arrActivities.push_back(activity);
    }
    const int second = nextActivity;
    // Many lines that name no activity of Ada's, the ambiguous lesson in the middle.
    std::string text = "Timetable\nWeek\nAda Quill\n";
    for (int k = 0; k < 300; ++k) text += "Monday Hr. 3: Drama x\n";
    text += "Monday Hr. 2: Poetry 7qa 7qb\n";
    for (int k = 0; k < 300; ++k) text += "Tuesday Hr. 3: Drama x\n";
    const std::string path = files / "timetable.txt";
    std::ofstream(path) << text;

    answerer.AnswerFile(CString(path));
    bool shown = false;
    int position = -1;
    WhenModal<CDataImportDlg>([&](CDataImportDlg& dlg) {
        input::ClickValue(dlg.Tree(), dlg.m_pFile);
        WhenModal<CActivityResolveDlg>([&](CActivityResolveDlg& resolver) {
            shown = Frame().GetStatusBar().IsProgressShown() != FALSE;
            position = Frame().GetStatusBar().Progress().GetPos();
            input::ClickOption(resolver.Tree(), resolver.m_choiceItem, 1);
            CWnd* ok = resolver.GetDlgItem(IDOK);
            CRect r;
            ok->GetClientRect(&r);
            vorn_test::Click(ok, r.CenterPoint());
        });
        CWnd* ok = dlg.GetDlgItem(IDOK);
        CRect r;
        ok->GetClientRect(&r);
        vorn_test::Click(ok, r.CenterPoint());
    });
    const size_t entries = data.m_arrEntries.size();
    Run(ID_IMPORT_TIMETABLE);
    EXPECT_TRUE(shown) << "the progress shows while the import runs";
    EXPECT_GT(position, 300);
    EXPECT_FALSE(Frame().GetStatusBar().IsProgressShown());
    ASSERT_EQ(data.m_arrEntries.size(), entries + 1);
    EXPECT_EQ(data.m_arrEntries.back().m_nActivity, second);
    EXPECT_FALSE(data.m_arrProblems.empty()) << "the lines without an activity are reported";
}

// The entity imports read the clipboard when the import dialog says so: each command creates
// its kind of entity and reports what it found.
TEST_F(OptionsPageTest, EntityImportsReadTheClipboard) {
    Open("small-template.xml");
    struct Case {
        UINT command;
        const wchar_t* text;
        const wchar_t* name;
        int type;
    };
    const Case cases[] = {
        {ID_IMPORT_ENTITIES, L"Q9x\tQ Dept\n", L"Q9x", 0},
        {ID_IMPORT_ENTITY_LIST, L"Quentin Blake\tT\n", L"Quentin Blake", 1},
        {ID_IMPORT_ROOMS, L"Q-Lab\tAnnex\n", L"Q-Lab", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(Data().Clipboard().SetText(c.text));
        WhenModal<CDataImportDlg>([](CDataImportDlg& dlg) {
            CWnd* ok = dlg.GetDlgItem(IDOK);
            CRect r;
            ok->GetClientRect(&r);
            vorn_test::Click(ok, r.CenterPoint());
        });
        Run(c.command);
        const auto found = Data().FindEntityByName(c.name, c.type);
        EXPECT_NE(found, Data().m_arrEntities.end());
        ASSERT_FALSE(Data().m_arrProblems.empty());
        EXPECT_EQ(Data().m_arrProblems.back().m_nKind, 14) << "the summary";
    }
}

// Imports through their dialog: a heading line inside a block of grouped activities ends the
// group, a quoted CSV field loses its marks, and problems name the lines of the text.
TEST_F(OptionsPageTest, ImportsReadQuotedFieldsAndEndGroupsAtUnreadableLines) {
    Open("small-template.xml");
    CScheduleData& data = Data();
    CEntity staff(data.m_tDayStart, data.m_nDays);
    staff.m_nType = 1;
    staff.m_strName = L"Ada Quill";
    data.AppendEntity(std::move(staff));
    const auto okWithSeparator = [](int separator) {
        WhenModal<CDataImportDlg>([separator](CDataImportDlg& dlg) {
            input::ClickOption(dlg.Tree(), dlg.m_pSeparator, separator);
            CWnd* ok = dlg.GetDlgItem(IDOK);
            CRect r;
            ok->GetClientRect(&r);
            vorn_test::Click(ok, r.CenterPoint());
        });
    };
    const auto named = [&](const wchar_t* name) -> const CActivity* {
        for (const CActivity& activity : data.m_arrActivities)
            if (activity.m_strName == name) return &activity;
        return nullptr;
    };

    // The dialog's columns for activities: group mark 1, hours 2, staff 4, name 5.
    ASSERT_TRUE(data.Clipboard().SetText(L"x\t2\t\tAda Quill\tQuilling\n"
                                         L"x\tHours\t\tAda Quill\tHeading\n"
                                         L"x\t2\t\tAda Quill\tQuiz\n"));
    okWithSeparator(0);
    Run(ID_IMPORT_ACTIVITIES);
    const CActivity* first = named(L"Quilling");
    const CActivity* second = named(L"Quiz");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->m_nGroup, 0) << "each stood alone in its group, which is then removed";
    EXPECT_EQ(second->m_nGroup, 0);
    for (const CActivityGroup& group : data.m_arrGroups) EXPECT_NE(group.m_strName, CString(L"Quilling/Quiz"));

    // Classes from a comma-separated text: name 1, room 2.
    ASSERT_TRUE(data.Clipboard().SetText(L"\"10qd\"\n\"Year 11, west\",\n,Hall\n"));
    okWithSeparator(1);
    Run(ID_IMPORT_ENTITIES);
    EXPECT_NE(data.FindEntityByName(L"10qd", 0), data.m_arrEntities.end());
    EXPECT_NE(data.FindEntityByName(L"Year 11, west", 0), data.m_arrEntities.end());
    EXPECT_EQ(data.FindEntityByName(L"\"10qd", 0), data.m_arrEntities.end());
    bool lineThree = false;
    for (const CProblem& problem : data.m_arrProblems)
        lineThree = lineThree || problem.m_strText == CString(L"Line 3 has no name and was skipped.");
    EXPECT_TRUE(lineThree) << "the third line of the text";
}

// The word lists: the dialog's list is stored and the settings written; the day schedule keeps
// the lessons; the exchange file takes the lists to a file and back, and a write that fails is
// reported.
TEST_F(OptionsPageTest, WordListsAndTheSettingsExchangeFile) {
    Open("small-template.xml");
    app->m_arrCategories = {L"Ill"};
    WhenModal<CStringsDlg>([&](CStringsDlg& dlg) {
        dlg.m_list.AddString(L"Course");
        CWnd* ok = dlg.GetDlgItem(IDOK);
        CRect r;
        ok->GetClientRect(&r);
        vorn_test::Click(ok, r.CenterPoint());
    });
    Run(ID_EDIT_CATEGORIES);
    EXPECT_EQ(app->m_arrCategories, (std::vector<CString>{L"Ill", L"Course"}));
    std::ifstream settings(SettingsFile());
    const std::string written((std::istreambuf_iterator<char>(settings)), std::istreambuf_iterator<char>());
    EXPECT_NE(written.find("Ill;Course;"), std::string::npos);

    // The day schedule: the lessons load into the dialog and come back as they were.
    app->m_arrLessons = {L"08:00", L"!08:45 Break", L"09:00"};
    int intervals = 0;
    WhenModal<CDayScheduleDlg>([&](CDayScheduleDlg& dlg) {
        intervals = static_cast<int>(dlg.m_schedule.m_model.GetCount());
        dlg.EndDialog(IDCANCEL);
    });
    Run(ID_EDIT_DAY_SCHEDULE);
    EXPECT_EQ(intervals, 2);
    EXPECT_EQ(app->m_arrLessons, (std::vector<CString>{L"08:00", L"!08:45 Break", L"09:00"}));

    // A list without a readable time, or with times out of order, is refused and kept.
    for (const std::vector<CString>& unreadable :
         {std::vector<CString>{L"lunch", L"later"}, std::vector<CString>{L"10:00", L"08:00"}}) {
        app->m_arrLessons = unreadable;
        answerer.m_messageBoxes.clear();
        bool opened = false;
        WhenModal<CDayScheduleDlg>([&](CDayScheduleDlg& dlg) {
            opened = true;
            dlg.EndDialog(IDCANCEL);
        });
        Run(ID_EDIT_DAY_SCHEDULE);
        EXPECT_FALSE(opened);
        EXPECT_EQ(Asked(), std::vector<CString>{Text(IDS_LESSONS_UNREADABLE)});
        EXPECT_EQ(app->m_arrLessons, unreadable);
    }
    ModalScriptRun() = std::make_shared<int>(0);  // the unopened dialogs' scripts end here

    const std::string exported = files / "lists";
    answerer.AnswerFile(CString(exported));
    Run(ID_EXPORT_SETTINGS);
    EXPECT_TRUE(std::filesystem::exists(exported + ".ini"));
    app->m_arrCategories.clear();
    answerer.AnswerFile(CString(exported + ".ini"));
    Run(ID_IMPORT_SETTINGS);
    EXPECT_EQ(app->m_arrCategories, (std::vector<CString>{L"Ill", L"Course"}));

    // A folder that is not there cannot take the file, whoever runs the test.
    const CString unwritable(files / "missing/lists.ini");
    answerer.m_messageBoxes.clear();
    answerer.AnswerFile(unwritable);
    Run(ID_EXPORT_SETTINGS);
    CString failed;
    failed.Format(Text(IDS_SETTINGS_EXPORT_FAILED), unwritable.GetString());
    EXPECT_EQ(Asked(), std::vector<CString>{failed});
}

}  // namespace

namespace {

// A clean-up that finds nothing to delete, a palette whose text names no activity and an import
// whose file cannot be read change nothing: the edit before them stays the one Undo takes back.
TEST_F(OptionsPageTest, CommandsThatChangeNothingKeepTheEarlierUndoLevel) {
    Open("small-template.xml");
    const UINT cleanUps[] = {ID_DELETE_ACTIVITIES_WITHOUT_ENTRIES, ID_DELETE_ENTITIES_WITHOUT_ENTRIES,
                             ID_DELETE_ENTITIES_WITHOUT_ACTIVITIES, ID_DELETE_ACTIVITIES_WITHOUT_MEMBERS};
    for (UINT command : cleanUps) Run(command);  // whatever there was to clean is gone now

    CScheduleData& data = Data();
    data.SaveUndo();
    const CString name = data.m_arrEntities.front().m_strName;
    data.m_arrEntities.front().m_strName = L"Renamed";
    const CString missing(std::string(files / "missing.txt").c_str());
    const std::function<void()> commands[] = {
        [&] { Run(cleanUps[0]); },
        [&] { Run(cleanUps[1]); },
        [&] { Run(cleanUps[2]); },
        [&] { Run(cleanUps[3]); },
        [&] {
            WhenModal<CPalleteDlg>([](CPalleteDlg& dlg) {
                input::EnterText(dlg.Tree(), dlg.m_pText, L"Nothing is called this");
                CWnd* ok = dlg.GetDlgItem(IDOK);
                CRect r;
                ok->GetClientRect(&r);
                vorn_test::Click(ok, r.CenterPoint());
            });
            Run(ID_ACTIVITY_PALETTE);
        },
        [&] {
            answerer.AnswerFile(missing);
            WhenModal<CDataImportDlg>([](CDataImportDlg& dlg) {
                input::ClickValue(dlg.Tree(), dlg.m_pFile);
                CWnd* ok = dlg.GetDlgItem(IDOK);
                CRect r;
                ok->GetClientRect(&r);
                vorn_test::Click(ok, r.CenterPoint());
            });
            Run(ID_IMPORT_ENTITIES);
        },
    };
    int k = 0;
    for (const auto& command : commands) {
        SCOPED_TRACE(k++);
        command();
        EXPECT_EQ(data.m_arrEntities.front().m_strName, CString(L"Renamed"));
        EXPECT_TRUE(data.CanUndo());
    }
    data.Undo(TRUE);
    EXPECT_EQ(data.m_arrEntities.front().m_strName, name);
}

}  // namespace
