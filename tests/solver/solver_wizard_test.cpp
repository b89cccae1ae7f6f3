// The solver wizard driven page by page as a user does, in each mode, on a plan with open
// entries: a run to its end, a run the user stops, Finish and Cancel, and a wizard that cannot
// be ended while its worker runs.
#include <functional>
#include <string>

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "../solver_engine/solver_fixture.h"
#include "model/plan_check.h"
#include "model/xml_document.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_record.h"
#include "resource_ids.h"
#include "solver/solver_wizard_launch.h"
#include "solver/solver_wzd_dlg.h"

namespace {

class SolverWizardTest : public SolverFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc")).ok);
        AfxSetResourcePack(&m_pack);
        m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr});
    }
    void TearDown() override {
        if (m_wizard && m_wizard->GetSafeHwnd()) {
            m_wizard->m_solver.StopAndJoin();
            m_wizard->DestroyWindow();
        }
        m_wizard.reset();
        AfxSetResourcePack(nullptr);
    }

    // What RunSolverWizard does before its modal loop, with the wizard shown modeless so that
    // the test presses its buttons.
    void Open() {
        m_before = CSolverSettings::Of(m_data);
        m_data.SaveUndo();
        m_wizard = std::make_unique<CSolverWzdDlg>(m_data);
        ASSERT_TRUE(m_wizard->Create(IDD_SOLVER_WIZARD, nullptr));
        m_wizard->ShowWindow(SW_SHOW);
        m_dlg = m_wizard.get();
        vorn_test::ProcessEvents();
    }
    // RunSolverWizard itself: the user's steps run on the modal wizard inside its loop, and a
    // wizard they leave open is stopped and cancelled.
    void RunModal(const std::function<void()>& steps) {
        QTimer user, watchdog;
        int tries = 0;
        user.setInterval(10);
        watchdog.setSingleShot(true);
        QObject::connect(&user, &QTimer::timeout, [&] {
            m_dlg = ShownWizard();
            if (!m_dlg && ++tries < 500) return;
            user.stop();
            ASSERT_NE(m_dlg, nullptr);
            steps();
            EndIfOpen();
        });
        QObject::connect(&watchdog, &QTimer::timeout, [&] { EndIfOpen(); });
        user.start();
        watchdog.start(60000);
        RunSolverWizard(m_data, nullptr);
        m_dlg = nullptr;
    }
    static CSolverWzdDlg* ShownWizard() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                if (auto* wizard = dynamic_cast<CSolverWzdDlg*>(CWnd::FromHandlePermanent(vorn_ui::RecordOfWidget(top))))
                    return wizard;
        return nullptr;
    }
    void EndIfOpen() {
        CSolverWzdDlg* wizard = ShownWizard();
        if (!wizard || wizard->IsEnding()) return;
        wizard->m_solver.StopAndJoin();
        wizard->EndDialog(IDCANCEL);
    }
    void Conclude(bool finished) {
        if (!finished) m_before.RestoreTo(m_data);
        ConcludeSolverWizard(m_data, finished, finished && m_dlg->GetApplyFlag());
    }
    bool Enabled(CWnd* parent, UINT id) const { return parent->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    void Press(CWnd* parent, UINT id) {
        CWnd* button = parent->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowEnabled()) << id;
        CRect r;
        button->GetClientRect(&r);
        vorn_test::Click(button, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    // Welcome -> parameters (mode, limit) -> filter -> run page.
    void GoToRunPage(int mode, int limit) {
        Press(m_dlg, ID_WIZNEXT);
        ASSERT_EQ(m_dlg->GetActivePage(), &m_dlg->m_params);
        m_dlg->m_params.m_pMode->SetCheckedIndex(mode);
        m_dlg->m_params.m_pPopulation->SetCheckedIndex(0);
        m_dlg->m_params.m_pLimit->SetIntText(limit);
        Press(m_dlg, ID_WIZNEXT);
        ASSERT_EQ(m_dlg->GetActivePage(), &m_dlg->m_filter);
        Press(m_dlg, ID_WIZNEXT);
        ASSERT_EQ(m_dlg->GetActivePage(), &m_dlg->m_solver);
    }
    void Start() { Press(&m_dlg->m_solver, 12325); }
    // Handles events until the summary page shows (the run has ended).
    bool WaitForSummary() {
        for (int k = 0; k < 3000 && m_dlg->GetActivePage() != &m_dlg->m_summary; ++k) vorn_test::ProcessEvents(10);
        return m_dlg->GetActivePage() == &m_dlg->m_summary;
    }
    // The wizard as the user sees it, children included.
    void SavePicture(const char* name) {
        vorn_test::ProcessEvents();
        m_dlg->UpdateWindow();
        m_dlg->GetWidget()->grab().toImage().save(QString::fromStdWString(vorn_test::PicturePath(name).GetString()),
                                                     "PNG");
    }
    std::vector<CString> LogLines() {
        std::vector<CString> lines;
        CListBox& log = m_dlg->m_solver.m_log;
        for (int k = 0; k < log.GetCount(); ++k) {
            CString line;
            log.GetText(k, line);
            lines.push_back(line);
        }
        return lines;
    }
    bool Logged(UINT id) {
        const CString text = LoadResString(id);
        const int p = text.Find(L'%');
        const CString head = p < 0 ? text : text.Left(p);
        for (const CString& line : LogLines())
            if (line.Find(head) >= 0) return true;
        return false;
    }
    // The saved text the document would have after a plan check (which drops the entries that
    // are not placed), leaving the document itself as it is.
    std::wstring TextAfterPlanCheck() {
        m_data.SaveUndo();
        RecheckAndRefresh(m_data, TRUE);
        const std::wstring text = SavedText();
        m_data.Undo(FALSE);
        m_data.DiscardUndo();
        return text;
    }
    std::wstring SavedText() {
        CXmlDocument doc;
        m_data.WriteXml(doc);
        return doc.GetDoc().str();
    }

    CLanguagePack m_pack;
    CScriptedMessageAnswerer m_answerer;
    CSolverSettings m_before;
    std::unique_ptr<CSolverWzdDlg> m_wizard;
    CSolverWzdDlg* m_dlg = nullptr;  // the wizard the steps drive: opened modeless, or found modal
};

struct ModeCase {
    int mode;
    int limit;
    const char* name;
};

class SolverWizardModes : public SolverWizardTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SolverWizardModes, ARunToItsEndIsKeptByFinish) {
    PlantTimetable(4, 2, 3);
    ASSERT_EQ(CountUnplaced(), 3);
    Open();
    GoToRunPage(GetParam().mode, GetParam().limit);
    EXPECT_FALSE(Enabled(m_dlg, ID_WIZNEXT));
    Start();
    ASSERT_TRUE(WaitForSummary());
    EXPECT_FALSE(m_dlg->m_solver.HasWorker());
    EXPECT_TRUE(Logged(IDS_SOLVER_PREPARATION_STARTED)) << "the preparation's lines are in the log";
    EXPECT_TRUE(Logged(GetParam().mode == 0 ? IDS_SOLVER_SEARCH_STARTED : IDS_SOLVER_GENETIC_STARTED))
        << "and the worker's";
    EXPECT_EQ(m_data.m_nMode, GetParam().mode);
    EXPECT_TRUE(Enabled(m_dlg, ID_WIZFINISH));
    EXPECT_TRUE(Enabled(m_dlg, IDCANCEL));

    m_host.m_calls.clear();
    Press(m_dlg, ID_WIZFINISH);
    Conclude(true);
    EXPECT_EQ(CountUnplaced(), 0) << "the planted timetable has room for every open entry";
    EXPECT_EQ(m_data.m_arrEntries.size(), 72u);
    EXPECT_NE(std::find(m_host.m_calls.begin(), m_host.m_calls.end(), "message panel"), m_host.m_calls.end())
        << "the problems are refreshed";
}

INSTANTIATE_TEST_SUITE_P(Modes, SolverWizardModes,
                         ::testing::Values(ModeCase{0, 50, "Exhaustive"}, ModeCase{1, 5, "GeneticFromRandom"},
                                           ModeCase{2, 5, "GeneticFromCurrent"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolverWizardTest, ARunningWizardCannotBeEndedAndAStoppedRunCanBeRolledBack) {
    PlantTimetable(8, 5, 40);
    // Lessons beyond the week's hours: no placement is free of clashes, so the run goes on until
    // it is stopped.
    AddActivity(9000, {1, 101}, 10);
    for (int k = 0; k < 10; ++k) AddOpenEntry(9000);
    const std::wstring before = TextAfterPlanCheck();
    Open();
    GoToRunPage(1, 1000);
    Start();
    ASSERT_TRUE(m_dlg->m_solver.IsRunning());
    for (UINT id : {ID_WIZFINISH, IDCANCEL, ID_WIZNEXT, ID_WIZBACK}) EXPECT_FALSE(Enabled(m_dlg, id)) << id;

    // Escape, the close box and Cancel's command are refused; no question is even asked.
    vorn_test::KeyPress(m_dlg, Qt::Key_Escape);
    m_dlg->SendMessage(WM_CLOSE);
    m_dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    m_dlg->SendMessage(WM_COMMAND, MAKEWPARAM(ID_WIZFINISH, BN_CLICKED));
    vorn_test::ProcessEvents(50);
    EXPECT_TRUE(m_dlg->IsWindowVisible());
    EXPECT_EQ(m_dlg->GetActivePage(), &m_dlg->m_solver);
    EXPECT_TRUE(m_answerer.m_asked.empty());
    EXPECT_TRUE(m_dlg->m_solver.HasWorker());
    SavePicture("solver_run_page_running.png");

    ASSERT_TRUE(m_dlg->m_solver.IsRunning());
    Start();  // the same button stops
    ASSERT_TRUE(WaitForSummary());
    EXPECT_TRUE(Logged(IDS_SOLVER_STOPPING));
    EXPECT_TRUE(Enabled(m_dlg, IDCANCEL)) << "a stopped run can be rolled back";

    m_answerer.m_script = {MessageAnswer::Yes};
    Press(m_dlg, IDCANCEL);
    EXPECT_EQ(m_answerer.m_asked.size(), 1u);
    Conclude(false);
    EXPECT_EQ(SavedText(), before) << "Cancel leaves the document as it was";
}

TEST_F(SolverWizardTest, TheParametersStartFromTheStoredValuesAndCancelKeepsThem) {
    PlantTimetable(3, 1, 2);
    m_data.m_nMode = 2;
    m_data.m_nPopulation = 500;
    m_data.m_nDuration = 77;
    m_data.m_nSolverOption = 0;
    const std::wstring before = TextAfterPlanCheck();
    Open();
    Press(m_dlg, ID_WIZNEXT);
    CWzdPageParams& params = m_dlg->m_params;
    EXPECT_EQ(params.m_pMode->GetCheckedIndex(), 2);
    EXPECT_EQ(params.m_pPopulation->GetCheckedIndex(), 2);
    int limit = 0;
    ASSERT_TRUE(params.m_pLimit->GetIntValue(limit));
    EXPECT_EQ(limit, 77);
    EXPECT_EQ(params.m_pRules->GetCheckedIndex(), 0);
    SavePicture("solver_parameters_page.png");

    params.m_pMode->SetCheckedIndex(0);
    Press(m_dlg, ID_WIZNEXT);
    EXPECT_EQ(m_data.m_nMode, 0);
    EXPECT_EQ(m_data.m_nDuration, 77);

    m_answerer.m_script = {MessageAnswer::No, MessageAnswer::Yes};
    Press(m_dlg, IDCANCEL);
    EXPECT_TRUE(m_dlg->IsWindowVisible()) << "No keeps the wizard open";
    Press(m_dlg, IDCANCEL);
    Conclude(false);
    EXPECT_EQ(m_data.m_nMode, 2);
    EXPECT_EQ(SavedText(), before);
}

TEST_F(SolverWizardTest, TheFilterPreviewLeavesTheTimetableAloneAndNextStoresTheSelection) {
    PlantTimetable(4, 2, 6);
    const size_t entries = m_data.m_arrEntries.size();
    Open();
    Press(m_dlg, ID_WIZNEXT);
    Press(m_dlg, ID_WIZNEXT);
    CWzdPageFilter& filter = m_dlg->m_filter;
    ASSERT_EQ(m_dlg->GetActivePage(), &filter);
    EXPECT_FALSE(filter.m_list.IsWindowEnabled());
    filter.m_kind.SetCurSel(1);
    filter.SendMessage(WM_COMMAND, MAKEWPARAM(1028, CBN_SELCHANGE), reinterpret_cast<LPARAM>(filter.m_kind.GetSafeHwnd()));
    EXPECT_TRUE(filter.m_list.IsWindowEnabled());
    ASSERT_GT(filter.m_list.GetItemCount(), 0) << "the activities of the open entries are weighed";
    EXPECT_TRUE(filter.m_list.GetCheck(0));
    EXPECT_EQ(m_data.m_arrEntries.size(), entries) << "the preview removes no entry";
    EXPECT_EQ(CountUnplaced(), 6);
    Press(m_dlg, ID_WIZNEXT);
    EXPECT_EQ(m_data.m_nSolverSelection, 1);
    EXPECT_EQ(static_cast<int>(m_data.m_arrSolverIds.size()), std::min(filter.m_list.GetItemCount(), 11));
}

// The modal wizard as the solver command runs it: a finished run is kept as one undo step.
TEST_F(SolverWizardTest, RunSolverWizardKeepsAFinishedRunAsOneUndoStep) {
    PlantTimetable(4, 2, 3);
    RunModal([&] {
        GoToRunPage(0, 50);
        Start();
        ASSERT_TRUE(WaitForSummary());
        Press(m_dlg, ID_WIZFINISH);
    });
    EXPECT_EQ(CountUnplaced(), 0);
    ASSERT_TRUE(m_data.HasUndoSnapshot());
    m_data.Undo(FALSE);
    EXPECT_EQ(CountUnplaced(), 3) << "the snapshot holds the plan before the run";
}

TEST_F(SolverWizardTest, RunSolverWizardCancelledLeavesTheDocumentAsItWas) {
    PlantTimetable(3, 1, 2);
    const std::wstring before = TextAfterPlanCheck();
    RunModal([&] {
        Press(m_dlg, ID_WIZNEXT);
        m_dlg->m_params.m_pMode->SetCheckedIndex(1);
        m_dlg->m_params.m_pLimit->SetIntText(9);
        Press(m_dlg, ID_WIZNEXT);
        ASSERT_EQ(m_data.m_nMode, 1) << "the page wrote its values";
        m_answerer.m_script = {MessageAnswer::Yes};
        Press(m_dlg, IDCANCEL);
    });
    EXPECT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(SavedText(), before);
    EXPECT_FALSE(m_data.HasUndoSnapshot());
}

// A run the user cancels takes itself back and leaves the one undo level to the edit before it.
TEST_F(SolverWizardTest, RunSolverWizardCancelledAfterARunKeepsTheEarlierEditUndoable) {
    PlantTimetable(4, 2, 3);
    m_data.m_arrEntities.front().m_strName = L"Renamed by the user";
    const std::wstring edited = TextAfterPlanCheck();
    m_data.m_arrEntities.front().m_strName = L"E1";
    m_data.SaveUndo();  // the user's edit, undoable
    m_data.m_arrEntities.front().m_strName = L"Renamed by the user";
    RunModal([&] {
        GoToRunPage(0, 50);
        Start();
        ASSERT_TRUE(WaitForSummary());
        m_answerer.m_script = {MessageAnswer::Yes};
        Press(m_dlg, IDCANCEL);
    });
    EXPECT_EQ(SavedText(), edited) << "the run is taken back";
    ASSERT_TRUE(m_data.CanUndo()) << "the earlier edit's level stays";
    m_data.Undo(TRUE);
    EXPECT_EQ(m_data.m_arrEntities.front().m_strName, CString(L"E1")) << "Undo takes back the earlier edit";
}

}  // namespace
