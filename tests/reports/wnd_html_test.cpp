// The report page on the offscreen platform: report kinds chosen by command with the board's
// selection, the combo boxes, zoom, print preview, copy, save as HTML, the background picture,
// the timer of other pages' report requests, the report wizard command, a page whose browser
// cannot be created, and the main window on the reports tab.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "frame/page_report_request.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/scripted_answerer.h"
#include "report_builders/report_options.h"
#include "report_builders/report_page.h"
#include "report_page_fixture.h"
#include "resource_ids.h"

namespace {

bool Contains(const CString& text, const CString& part) { return text.Find(part) >= 0; }

// The Qt box of a combo control, which a user's pick goes through.
QComboBox* QtBox(CComboBox& combo) { return combo.GetWidget()->findChild<QComboBox*>(); }

// Ticks the board's items whose data is among the ids, as a click on their check boxes does.
void Tick(CWndBoard& board, const std::vector<int>& data) {
    for (int i = 0; i < board.m_list.GetItemCount(); ++i)
        if (std::find(data.begin(), data.end(), static_cast<int>(board.m_list.GetItemData(i))) != data.end())
            board.m_list.SetCheck(i, TRUE);
}

class ReportPageKinds : public ReportPageTest {};

TEST_F(ReportPageKinds, EachKindShowsInTheBrowserWithTheBoardSelection) {
    const int classId = FirstOfType(0, 2)[0], otherClass = FirstOfType(0, 2)[1], staffId = FirstOfType(1, 1)[0];
    Command(ID_REPORT_BOARD);
    CWndBoard& board = Page().GetBoard();
    ASSERT_EQ(board.m_mode, 3);
    ASSERT_GT(board.m_list.GetItemCount(), 0);
    Tick(board, {staffId, classId});
    vorn_test::ProcessEvents();
    // The selection is rebuilt from the ticks, in id order.
    std::vector<int> expected = {classId, staffId};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Page().m_entityIds, expected);

    const CString difficulty = LoadResString(IDS_WEIGHT_DIFFICULTY);
    const struct {
        UINT command;
        int kind;
        std::vector<CString> shown;
    } kCases[] = {
        {ID_REPORT_ENTITY_PAGES, 1, {NameOf(classId), NameOf(staffId)}},
        {ID_REPORT_DAY_PAGES, 2, {Data().FormatDayTitle(0), NameOf(staffId)}},
        {ID_REPORT_GRID_ROWS, 3, {NameOf(classId), NameOf(staffId)}},
        {ID_REPORT_GRID_COLUMNS, 4, {NameOf(classId), NameOf(staffId)}},
        {ID_REPORT_STATISTICS, 5, {NameOf(classId)}},
        {ID_REPORT_ACTIVITY_MATRIX, 6, {NameOf(classId)}},
        {ID_REPORT_ACTIVITY_WEIGHTS, 7, {difficulty}},
        {ID_REPORT_ENTITY_WEIGHTS, 8, {difficulty}},
        {ID_REPORT_FREE_SLOTS, 9, {difficulty}},
        {ID_REPORT_PROBLEMS, 10, {LoadResString(IDS_REPORT_PROBLEMS)}},
        {ID_REPORT_DAY_END, 12, {LoadResString(IDS_REPORT_DAY_ENDS)}},
    };
    for (const auto& c : kCases) {
        Command(c.command);
        EXPECT_EQ(Page().m_reportKind, c.kind);
        const CString text = ShownText();
        for (const CString& part : c.shown) EXPECT_TRUE(Contains(text, part)) << c.kind << ": " << part.ToUtf8();
        // The page keeps exactly what the builders made of its choices.
        EXPECT_EQ(Page().m_html, BuildReportPage(Data(), Page().BuildOptions())) << c.kind;
    }
    // The entity pages show the ticked entities only.
    Command(ID_REPORT_ENTITY_PAGES);
    EXPECT_FALSE(Contains(ShownText(), L"- " + NameOf(otherClass)));
    // The report command closes the unpinned board.
    EXPECT_EQ(board.m_mode, 0);
}

TEST_F(ReportPageKinds, BoardListsEntitiesByGroupAndTheTickedDays) {
    Page().m_entityIds = {FirstOfType(4, 1)[0]};
    Page().m_dayIndexes = {1};
    Command(ID_REPORT_BOARD);
    CWndBoard& board = Page().GetBoard();
    std::vector<int> rooms, days, checkedDays;
    board.GetCheckedIds(2, rooms);
    board.GetCheckedIds(4, checkedDays);
    EXPECT_EQ(rooms, std::vector<int>{FirstOfType(4, 1)[0]});
    EXPECT_EQ(checkedDays, std::vector<int>{CWndHTML::kDayItemBase + 1});
    // Ticking a day sets the document's report day flags to the ticked days alone.
    Tick(board, {CWndHTML::kDayItemBase + 3});
    vorn_test::ProcessEvents();
    std::vector<int> ticked = Page().m_dayIndexes;
    std::sort(ticked.begin(), ticked.end());
    EXPECT_EQ(ticked, (std::vector<int>{1, 3}));
    for (int d = 0; d < CScheduleData::kReportSwitches; ++d)
        EXPECT_EQ(Data().m_bReportSwitches[d], d == 1 || d == 3 ? 1 : 0) << d;
}

TEST_F(ReportPageKinds, ChoicesOfTheComboRowRebuildTheReport) {
    Page().m_entityIds = {FirstOfType(0, 1)[0]};
    Command(ID_REPORT_ENTITY_PAGES);
    const auto tableFont = [this] { return Eval(L"document.querySelector('table table').style.font"); };
    EXPECT_TRUE(Contains(tableFont(), L"12px"));

    // The size box shows the size in use and keeps it when its list closes without a choice.
    CFontSizeComboBox& size = Page().GetFontSizeCombo();
    CString shown;
    size.GetWindowText(shown);
    EXPECT_EQ(shown, L"12");
    size.ShowDropDown(TRUE);
    EXPECT_EQ(size.GetCount(), 15);
    EXPECT_EQ(size.GetCurSel(), 4);  // 12 in the list of sizes
    const CString before = Page().m_html;
    size.ShowDropDown(FALSE);
    size.GetWindowText(shown);
    EXPECT_EQ(shown, L"12");
    EXPECT_EQ(Page().m_html, before);

    // Picking a size stores it and rebuilds the report in it.
    for (const auto& [position, pixels] : {std::pair{13, 36}, std::pair{0, 8}}) {
        size.ShowDropDown(TRUE);
        QtBox(size)->setCurrentIndex(position);
        size.ShowDropDown(FALSE);
        vorn_test::ProcessEvents();
        EXPECT_EQ(settings.m_nFontSize, pixels);
        CString px;
        px.Format(L"%dpx", pixels);
        EXPECT_TRUE(Contains(tableFont(), px)) << pixels;
    }

    // The face box selects by the beginning of a name in any case; a choice is stored and shown.
    CFontNameComboBox& face = Page().GetFontNameCombo();
    ASSERT_GT(face.GetCount(), 2);
    face.SelectFace(L"dejavu s");
    CString faceText;
    face.GetLBText(face.GetCurSel(), faceText);
    EXPECT_EQ(faceText.Left(11), L"DejaVu Sans");
    face.SelectFace(L"No such face at all");
    EXPECT_EQ(face.GetCurSel(), 0);
    // "Arial" is not installed here: the box shows the face that the reports get in its place.
    face.SelectFace(L"Arial");
    face.GetLBText(face.GetCurSel(), faceText);
    EXPECT_EQ(faceText.Left(GetSubstituteFaceName(L"Arial").GetLength()), GetSubstituteFaceName(L"Arial"));
    const int serif = face.FindStringExact(-1, L"DejaVu Serif");
    ASSERT_GE(serif, 0);
    QtBox(face)->setCurrentIndex(serif);
    vorn_test::ProcessEvents();
    EXPECT_EQ(settings.m_strFontName, L"DejaVu Serif");
    EXPECT_TRUE(Contains(tableFont(), L"DejaVu Serif"));

    // Detail: without participants the staff names leave the activity cells.
    QtBox(Page().GetDetailCombo())->setCurrentIndex(0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Page().m_detailChoice, 0);
    EXPECT_EQ(Page().m_html, BuildReportPage(Data(), Page().BuildOptions()));
    // The time axis is the application's and is stored there.
    QtBox(Page().GetTimeAxisCombo())->setCurrentIndex(2);
    vorn_test::ProcessEvents();
    EXPECT_EQ(settings.m_nTimeAxisMode, 2);
}

TEST_F(ReportPageKinds, ZoomStaysWithinItsLimits) {
    // Before a report the page has no zoom script; the call fails quietly.
    Command(ID_REPORT_ZOOM_IN);
    Page().m_entityIds = {FirstOfType(0, 1)[0]};
    Command(ID_REPORT_ENTITY_PAGES);
    EXPECT_EQ(Page().m_zoom, 1.0);
    for (int i = 0; i < 7; ++i) Command(ID_REPORT_ZOOM_IN);
    EXPECT_NEAR(Page().m_zoom, std::pow(1.1, 7), 1e-9);
    EXPECT_NEAR(std::stod(Eval(L"document.body.style.zoom").GetString()), 1.948717, 1e-5);
    Command(ID_REPORT_ZOOM_IN);
    EXPECT_EQ(Page().m_zoom, 2.0);
    Command(ID_REPORT_ZOOM_IN);
    EXPECT_EQ(Page().m_zoom, 2.0);
    Page().m_zoom = 0.33;
    Command(ID_REPORT_ZOOM_OUT);
    EXPECT_EQ(Page().m_zoom, 0.3);
    EXPECT_NEAR(std::stod(Eval(L"document.body.style.zoom").GetString()), 0.3, 1e-9);
    // A rebuilt report starts at 1.0 again.
    Command(ID_REPORT_ENTITY_PAGES);
    EXPECT_EQ(Page().m_zoom, 1.0);
    EXPECT_EQ(Eval(L"document.body.style.zoom"), L"");
}

TEST_F(ReportPageKinds, PrintPreviewPrintsAndCopyPutsHtmlAndText) {
    Page().m_entityIds = {FirstOfType(0, 1)[0]};
    Command(ID_REPORT_ENTITY_PAGES);
    QGuiApplication::clipboard()->clear();
    // Both commands reach the page through the frame while the reports tab is on show.
    frame->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);
    const auto copied = [] { return QGuiApplication::clipboard()->mimeData(); };
    for (int i = 0; i < 100 && !(copied() && copied()->hasHtml()); ++i) vorn_test::ProcessEvents(20);
    ASSERT_NE(copied(), nullptr);
    const QString name = QString::fromStdWString(NameOf(FirstOfType(0, 1)[0]).GetString());
    EXPECT_TRUE(copied()->hasHtml());
    EXPECT_TRUE(copied()->html().contains(QStringLiteral("<table")));
    EXPECT_TRUE(copied()->text().contains(name));
    // The selection is cleared again.
    EXPECT_EQ(Eval(L"String(window.getSelection())"), L"");

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    CScriptedAnswerer dialogs;
    dialogs.AnswerPreviewToPdf(CString(pdf.toStdWString()));
    host.shown.clear();
    host.hidden = 0;
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    // The pages are laid out in the background, with the status bar saying so.
    EXPECT_TRUE(Page().GetBrowser().IsPrinting());
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0], LoadResString(IDS_PRINT_PREPARING));
    ASSERT_TRUE(Page().GetBrowser().WaitForPrint());
    EXPECT_EQ(host.hidden, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    ASSERT_EQ(dialogs.m_previews.size(), 1u);
    // The preview and the PDF name it offers carry the report's name, not the page's address.
    EXPECT_EQ(dialogs.m_previews[0].documentName, L"Pages per person - " + NameOf(FirstOfType(0, 1)[0]));

    // Escape cancels a print while its pages are laid out: no preview, the bar goes.
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ASSERT_TRUE(Page().GetBrowser().IsPrinting());
    MSG escape{Page().GetBrowser().GetBrowserWindow()->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(Page().PreTranslateMessage(&escape));
    EXPECT_FALSE(Page().GetBrowser().IsPrinting());
    EXPECT_EQ(host.hidden, 2);
    vorn_test::ProcessEvents(300);
    EXPECT_EQ(dialogs.m_previews.size(), 1u);

    // A PDF that cannot be written is reported.
    dialogs.AnswerPreviewToPdf(L"/nonexistent-folder/report.pdf");
    dialogs.AnswerMessageBox(IDOK);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ASSERT_TRUE(Page().GetBrowser().WaitForPrint());
    ASSERT_EQ(dialogs.m_messageBoxes.size(), 1u);
    EXPECT_EQ(dialogs.m_messageBoxes[0].text, LoadResString(IDS_PRINT_FAILED));
}

TEST_F(ReportPageKinds, SavedHtmlLoadsBackWithTheSameTextInAnyScript) {
    const int id = FirstOfType(0, 1)[0];
    Data().FindEntity(id)->m_strName = L"כיתה <ז> & Ünterstufe";
    Page().m_entityIds = {id};
    Command(ID_REPORT_ENTITY_PAGES);
    const CString shown = ShownText();
    ASSERT_TRUE(Contains(shown, L"כיתה <ז> & Ünterstufe")) << shown.ToUtf8();

    QTemporaryDir dir;
    const CString path(dir.filePath(QStringLiteral("report.html")).toStdWString());
    ASSERT_TRUE(QFile(QString::fromStdWString(path.GetString())).open(QIODevice::WriteOnly));  // an older file
    CScriptedAnswerer dialogs;
    dialogs.AnswerFile(path);
    Command(ID_REPORT_SAVE_HTML);
    ASSERT_EQ(dialogs.m_fileDialogs.size(), 1u);
    EXPECT_FALSE(dialogs.m_fileDialogs[0].open);
    EXPECT_TRUE(dialogs.m_fileDialogs[0].flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(dialogs.m_messageBoxes.empty());
    QFile saved(QString::fromStdWString(path.GetString()));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.contains("<meta charset=\"utf-8\">"));
    EXPECT_EQ(QString::fromUtf8(bytes).toStdWString(), Page().m_html.GetString());
    // A bare name gets ".html".
    const CString bare(dir.filePath(QStringLiteral("plain")).toStdWString());
    dialogs.AnswerFile(bare);
    Command(ID_REPORT_SAVE_HTML);
    EXPECT_TRUE(QFile::exists(QString::fromStdWString((bare + L".html").GetString())));
    EXPECT_FALSE(QFile::exists(QString::fromStdWString(bare.GetString())));

    Page().GetBrowser().Navigate(CString(L"file://" + path).GetString());
    ASSERT_TRUE(Page().GetBrowser().WaitForDocument());
    EXPECT_EQ(ShownText(), shown);

    // A file that cannot be written is reported; the page keeps its text.
    const CString html = Page().m_html;
    dialogs.AnswerFile(path + L".missing/report.html");
    dialogs.AnswerMessageBox(IDOK);
    Command(ID_REPORT_SAVE_HTML);
    ASSERT_EQ(dialogs.m_messageBoxes.size(), 1u);
    EXPECT_EQ(dialogs.m_messageBoxes[0].text, LoadResString(IDS_HTML_WRITE_FAILED));
    EXPECT_EQ(dialogs.m_messageBoxes[0].caption, LoadResString(IDS_ERROR_CAPTION));
    EXPECT_EQ(Page().m_html, html);
}

TEST_F(ReportPageKinds, BackgroundPathIsStoredWithForwardSlashes) {
    CScriptedAnswerer dialogs;
    dialogs.AnswerFile(L"/tmp\\pictures\\back.png");
    Command(ID_REPORT_BACKGROUND);
    EXPECT_EQ(Page().m_background, L"/tmp/pictures/back.png");
    EXPECT_TRUE(Contains(Eval(L"document.body.style.backgroundImage"), L"/tmp/pictures/back.png"));
}

TEST_F(ReportPageKinds, BuildersShowTheirProgressInTheStatusBarUntilTheEnd) {
    Page().m_entityIds = FirstOfType(0, 3);
    host.shown.clear();
    host.hidden = 0;
    Command(ID_REPORT_ENTITY_PAGES);
    ASSERT_FALSE(host.shown.empty());
    EXPECT_EQ(host.shown.front(), LoadResString(IDS_PROGRESS_ENTITY_PAGES));
    EXPECT_GE(host.hidden, 1);
    EXPECT_FALSE(frame->GetStatusBar().IsProgressShown());
}

class ReportPageRequests : public ReportPageTest {};

TEST_F(ReportPageRequests, ViewTypesChooseKindAndEntities) {
    const std::vector<int> listed = {FirstOfType(0, 3)[2], FirstOfType(0, 3)[0]};
    Data().m_arrReportIds = listed;
    Data().SetCurrentEntity(FirstOfType(1, 1)[0]);
    const struct {
        int viewType;
        int kind;
        std::vector<int> entities;
    } kCases[] = {
        {0, 10, {}}, {1, 6, FirstOfType(0, 1000)}, {2, 1, {FirstOfType(1, 1)[0]}}, {3, 7, {}}, {4, 3, listed},
        {5, 13, listed},
    };
    for (const auto& c : kCases) {
        Page().m_entityIds = {99999};
        Data().m_nViewType = c.viewType;
        Page().Update(6);
        EXPECT_EQ(Page().m_reportKind, c.kind) << c.viewType;
        EXPECT_EQ(Page().m_entityIds, c.entities) << c.viewType;
    }
    // Without a current entity the entity pages get the id 0.
    Data().m_nCurrentEntity = 0;
    Data().m_nViewType = 2;
    Page().Update(6);
    EXPECT_EQ(Page().m_entityIds, std::vector<int>{0});
    // Another view type keeps the kind.
    Data().m_nViewType = 9;
    Page().Update(6);
    EXPECT_EQ(Page().m_reportKind, 1);
    EXPECT_TRUE(Page().m_entityIds.empty());
}

TEST_F(ReportPageRequests, TwoRequestsWithinTheDelayBuildOnceForTheSecond) {
    Data().SetCurrentEntity(FirstOfType(0, 1)[0]);
    RequestPageReport(Data(), 2);
    // The request selects the reports tab and builds nothing yet.
    EXPECT_EQ(frame->GetCurrentTabIndex(), 4);
    vorn_test::ProcessEvents(200);
    EXPECT_TRUE(Page().m_html.IsEmpty());
    RequestPageReport(Data(), 0);
    vorn_test::ProcessEvents(350);
    EXPECT_TRUE(Page().m_html.IsEmpty());
    vorn_test::ProcessEvents(400);
    EXPECT_EQ(Page().m_reportKind, 10);
    EXPECT_TRUE(Contains(ShownText(), LoadResString(IDS_REPORT_PROBLEMS)));
}

TEST_F(ReportPageRequests, RenamedEntityShowsAfterTheTimer) {
    const int id = FirstOfType(0, 1)[0];
    Data().SetCurrentEntity(id);
    RequestPageReport(Data(), 2);
    vorn_test::ProcessEvents(700);
    const CString heading = LoadResString(IDS_REPORT_PLAN) + L" - ";
    const CString name = heading + NameOf(id);
    ASSERT_TRUE(Contains(ShownText(), name));
    // The timetable page's print command: the current entity's pages, after the timer.
    Data().FindEntity(id)->m_strName = L"Renamed class";
    RequestPageReport(Data(), 2);
    vorn_test::ProcessEvents(100);
    EXPECT_TRUE(Contains(ShownText(), name));
    vorn_test::ProcessEvents(600);
    EXPECT_TRUE(Contains(ShownText(), heading + L"Renamed class"));
    EXPECT_FALSE(Contains(ShownText(), name));
    // A plain update leaves a report on show as it is.
    Page().Update(1);
    EXPECT_TRUE(Contains(ShownText(), heading + L"Renamed class"));
}

TEST_F(ReportPageRequests, WizardCommandAsksToSaveAChangedPlan) {
    QTemporaryDir dir;
    const CString path(dir.filePath(QStringLiteral("plan.xml")).toStdWString());
    Data().m_fileStatus.m_szFullName = path;
    ASSERT_TRUE(Data().Save(FALSE));
    ASSERT_EQ(Data().IsModified(), 0);
    int runs = 0;
    CWndHTML::s_reportWizard = [&runs](CWndHTML& page, CString& body) {
        ++runs;
        body += L"<p id='wizard'>Wizard report</p>";
        page.m_reportKind = 1;
    };
    // No changes: no question; the wizard's report is shown.
    Command(ID_REPORT_WIZARD);
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Contains(ShownText(), L"Wizard report"));

    Data().m_arrEntities.front().m_strName = L"Changed";
    ASSERT_NE(Data().IsModified(), 0);
    const struct {
        MessageAnswer answer;
        int runs;
        int saves;
    } kCases[] = {{MessageAnswer::Cancel, 1, 0}, {MessageAnswer::No, 2, 0}, {MessageAnswer::Yes, 3, 1}};
    for (const auto& c : kCases) {
        answers.asked.clear();
        answers.script = {c.answer};
        Command(ID_REPORT_WIZARD);
        ASSERT_EQ(answers.asked.size(), 1u);
        EXPECT_EQ(answers.asked[0], LoadResString(IDS_REPORT_SAVE_FIRST));
        EXPECT_EQ(runs, c.runs);
        EXPECT_EQ(application.saves, c.saves);
    }
}

TEST_F(ReportPageRequests, ShowReportBodyWrapsTheBodyInThePage) {
    Page().ShowReportBody(L"<p>Appended</p>");
    EXPECT_TRUE(Contains(ShownText(), L"Appended"));
    EXPECT_TRUE(Contains(Page().m_html, L"function zoom"));
    Command(ID_REPORT_ZOOM_IN);
    EXPECT_NEAR(std::stod(Eval(L"document.body.style.zoom").GetString()), 1.1, 1e-9);
}

TEST_F(ReportPageRequests, MainWindowOnTheReportsTabWithEntityPages) {
    const int id = FirstOfType(0, 1)[0];
    Data().SetCurrentEntity(id);
    RequestPageReport(Data(), 2);
    vorn_test::ProcessEvents(700);
    Command(ID_REPORT_BOARD);
    Tick(Page().GetBoard(), {id});
    vorn_test::ProcessEvents(300);
    ASSERT_TRUE(Contains(ShownText(), NameOf(id)));
    // The browser fills its place beside the combo row and the board.
    CRect place;
    Page().GetBrowser().GetClientRect(&place);
    EXPECT_EQ(Page().GetBrowser().GetBrowser()->size(), QSize(place.Width(), place.Height()));
    EXPECT_GT(place.Width(), 400);
    SaveWindowWithReport(frame, Page().GetBrowser(), "report_page_main_window.png");
}

// A page whose browser cannot be created.
class CBrowserlessPage : public CWndHTML {
protected:
    BOOL CreateBrowser() override { return FALSE; }
};

TEST_F(ReportPageRequests, PageWithoutItsBrowserSaysSoAndStaysEmpty) {
    CScriptedAnswerer dialogs;
    dialogs.AnswerMessageBox(IDOK);
    CBrowserlessPage page;
    ASSERT_TRUE(page.CreatePage(frame, 0));
    ASSERT_EQ(dialogs.m_messageBoxes.size(), 1u);
    EXPECT_EQ(dialogs.m_messageBoxes[0].text, LoadResString(IDS_REPORT_PAGE_BROKEN));
    EXPECT_FALSE(page.IsReady());
    EXPECT_EQ(page.GetMainWnd(), nullptr);
    EXPECT_EQ(page.GetFontNameCombo().GetSafeHwnd(), nullptr);
    EXPECT_EQ(page.GetDetailCombo().GetSafeHwnd(), nullptr);
    for (UINT id : {ID_REPORT_ENTITY_PAGES, ID_REPORT_ZOOM_IN, ID_FILE_PRINT, ID_EDIT_COPY, ID_REPORT_SAVE_HTML,
                    ID_REPORT_BOARD, ID_REPORT_WIZARD})
        page.SendMessage(WM_COMMAND, id, 0);
    page.Update(6);
    page.Update(1);
    vorn_test::ProcessEvents(600);
    EXPECT_TRUE(page.m_html.IsEmpty());
    EXPECT_EQ(dialogs.m_fileDialogs.size(), 0u);
    page.DestroyWindow();
}

}  // namespace
