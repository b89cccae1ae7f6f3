// The report wizard driven page by page as a user does, for each report choice, with what it
// appends to the report page or writes to disk; Cancel; the rules of the days, filter and events
// pages; and a picture of the events page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QWidget>

#include <filesystem>

#include "../report_builders/report_event_fixture.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "platform/ui_web/html_view.h"
#include "report_builders/report_event_filter.h"
#include "report_builders/report_options.h"
#include "reports/report_wizard.h"
#include "reports/report_wizard_dlg.h"
#include "resource_ids.h"

namespace {

// The report page as the driver sees it.
class CRecordingReportPage : public IReportWizardHost {
public:
    void AppendReportHtml(const CString& html) override { m_body += html; ++m_appends; }
    CReportFilter& GetReportFilter() override { return m_filter; }
    CReportOptions GetReportOptions() const override {
        CReportOptions options;
        options.m_fontName = L"DejaVu Sans";
        options.m_fontSize = 12;
        options.m_separatePages = m_separatePages;
        return options;
    }
    CString GetFeedPath() const override { return m_feedPath; }
    void SetReportKind(int kind) override { m_kind = kind; }

    CString m_body;
    int m_appends = 0;
    CReportFilter m_filter;
    CString m_feedPath;
    bool m_separatePages = false;
    int m_kind = 11;
};

class ReportWizard : public ReportEventFixture {
protected:
    void SetUp() override {
        AfxSetResourcePack(&m_pack);
        m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr});
        m_temp = std::filesystem::temp_directory_path() / ("report_wizard_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_temp);
    }
    void TearDown() override {
        if (m_wizard && m_wizard->GetSafeHwnd()) m_wizard->DestroyWindow();
        m_wizard.reset();
        AfxSetResourcePack(nullptr);
        std::filesystem::remove_all(m_temp);
    }

    // What RunReportWizard does before its modal loop, with the wizard shown modeless so that the
    // test presses its buttons.
    void Open() {
        m_wizard = std::make_unique<CReplacementWzd>(m_data, m_page.m_filter);
        m_wizard->m_select.m_feedPath = m_page.GetFeedPath();
        ASSERT_TRUE(m_wizard->Create(IDD_REPORT_WIZARD, nullptr));
        m_wizard->ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    void Press(CWnd* parent, UINT id) {
        CWnd* button = parent->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowEnabled()) << id;
        CRect r;
        button->GetClientRect(&r);
        // Near the left edge: check boxes and radio buttons take clicks on their mark and text only.
        vorn_test::Click(button, CPoint(std::min(8, r.Width() / 2), r.Height() / 2));
        vorn_test::ProcessEvents();
    }
    void Finish(bool finished = true) {
        Press(m_wizard.get(), finished ? ID_WIZFINISH : IDCANCEL);
        ConcludeReportWizard(m_data, m_page, *m_wizard, finished);
    }
    // Choice page: clicks the choice's radio button, then Next.
    void Choose(int choice) {
        Press(&m_wizard->m_select, 1048 + choice);
        Press(m_wizard.get(), ID_WIZNEXT);
        ASSERT_EQ(m_wizard->GetActivePage(), &m_wizard->m_days);
    }
    // Days page: a double click on the list ticks every day (none is ticked: today is not a plan
    // day), then Next; filter page as it stands, Next.
    void AllDaysNoFilter() {
        CListCtrl& list = m_wizard->m_days.m_list;
        CRect row;
        ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_LABEL));
        vorn_test::DoubleClick(&list, row.CenterPoint());
        vorn_test::ProcessEvents();
        for (int k = 0; k < list.GetItemCount(); ++k) EXPECT_TRUE(list.GetCheck(k)) << k;
        Press(m_wizard.get(), ID_WIZNEXT);
        ASSERT_EQ(m_wizard->GetActivePage(), &m_wizard->m_filter);
        Press(m_wizard.get(), ID_WIZNEXT);
        ASSERT_EQ(m_wizard->GetActivePage(), &m_wizard->m_eventsPage);
    }
    // Events page: the texts of the rows, and ticks every row.
    std::vector<std::wstring> TickAllRows() {
        CListCtrl& list = m_wizard->m_eventsPage.m_list;
        std::vector<std::wstring> rows;
        for (int k = 0; k < list.GetItemCount(); ++k) {
            rows.push_back(list.GetItemText(k, 0).str());
            list.SetCheck(k, TRUE);
        }
        return rows;
    }
    void SavePicture(const char* name) {
        vorn_test::ProcessEvents();
        m_wizard->UpdateWindow();
        m_wizard->GetWidget()->grab().toImage().save(QString::fromStdWString(vorn_test::PicturePath(name).GetString()),
                                                     "PNG");
    }

    CScriptedMessageAnswerer m_answerer;
    CRecordingReportPage m_page;
    std::unique_ptr<CReplacementWzd> m_wizard;
    std::filesystem::path m_temp;
};

TEST_F(ReportWizard, ChoiceZeroAppendsTheEventsByEntity) {
    Open();
    Choose(0);
    AllDaysNoFilter();
    const std::vector<std::wstring> rows = TickAllRows();
    EXPECT_EQ(rows.size(), 5u) << "stand-ins and absences only: cancelled, moved and new lessons have no entity";
    EXPECT_EQ(rows[0], L"Maths (7a), 03/01/2000");
    Finish();
    EXPECT_EQ(m_page.m_appends, 1);
    auto root = Parse(m_page.m_body);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->FindAll(L"h1").size(), 3u) << "Ames, Baker, Cole";
    EXPECT_EQ(m_page.m_kind, 1);
}

TEST_F(ReportWizard, ChoiceOneAppendsTheTickedEventsByDay) {
    Open();
    Choose(1);
    AllDaysNoFilter();
    CListCtrl& list = m_wizard->m_eventsPage.m_list;
    ASSERT_EQ(list.GetItemCount(), 8);
    // The first stand-in row selected and double-clicked ticks both stand-ins and nothing else.
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wizard->m_eventsPage.ToggleSelectedKind();
    std::vector<int> ticked;
    for (int k = 0; k < list.GetItemCount(); ++k)
        if (list.GetCheck(k)) ticked.push_back(k);
    EXPECT_EQ(ticked, (std::vector<int>{0, 1}));
    Finish();
    auto root = Parse(m_page.m_body);
    ASSERT_TRUE(root);
    const auto headings = root->FindAll(L"h1");
    ASSERT_EQ(headings.size(), 1u) << "both stand-ins are on Monday";
    EXPECT_EQ(headings[0]->Text(), L"Events on " + m_data.FormatDayTitle(0).str());
    EXPECT_EQ(TopTables(*root)[0]->Rows().size(), 5u) << "caption, header, two stand-ins, a remark";
}

TEST_F(ReportWizard, ChoiceTwoWritesTheFeedAndAppendsNothing) {
    m_page.m_feedPath = CString((m_temp / "feed.xml").c_str());
    Open();
    Choose(2);
    AllDaysNoFilter();
    const std::vector<std::wstring> rows = TickAllRows();
    ASSERT_EQ(rows.size(), 8u);
    Finish();
    EXPECT_EQ(m_page.m_appends, 0);
    CXmlDocument feed;
    ASSERT_TRUE(feed.LoadFile(m_page.m_feedPath));
    ASSERT_TRUE(feed.FindElement(L"rss") && feed.EnterElement() && feed.FindElement(L"channel") && feed.EnterElement());
    int items = 0;
    while (feed.FindElement(L"item")) ++items;
    EXPECT_EQ(items, 8);
    EXPECT_EQ(m_page.m_kind, 1);
}

TEST_F(ReportWizard, ChoiceTwoWithoutAFeedPathSaysSoOnTheFirstPageAndStaysThere) {
    Open();
    Press(&m_wizard->m_select, 1048 + 2);
    Press(m_wizard.get(), ID_WIZNEXT);
    EXPECT_EQ(m_wizard->GetActivePage(), &m_wizard->m_select);
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(m_answerer.m_asked[0], LoadResString(IDS_FEED_NO_PATH));
    // Another choice goes on as before.
    Choose(0);
    EXPECT_EQ(m_answerer.m_asked.size(), 1u);
}

TEST_F(ReportWizard, ChoiceThreeBalancesTheListedFilesForOneDay) {
    MoveToDatedWeek();
    const std::string file = (m_temp / "week.xml").string();
    WriteDocument(file);
    Open();
    Choose(3);
    CWzdPageReportDays& days = m_wizard->m_days;
    EXPECT_FALSE(days.m_list.IsWindowVisible());
    EXPECT_TRUE(days.m_from.IsWindowVisible());
    // Tuesday alone: Ames is away all day, Cole stands in while busy.
    days.m_from.SetTime(COleDateTime(2024, 1, 9, 10, 0, 0));
    days.m_to.SetTime(COleDateTime(2024, 1, 9, 10, 0, 0));
    Press(m_wizard.get(), ID_WIZNEXT);
    Press(m_wizard.get(), ID_WIZNEXT);
    CWzdPageEvents& events = m_wizard->m_eventsPage;
    ASSERT_EQ(m_wizard->GetActivePage(), &events);
    EXPECT_TRUE(events.m_files.IsWindowVisible());
    EXPECT_FALSE(events.m_list.IsWindowVisible());
    events.m_files.AddString(CString(file.c_str()));
    Finish();
    auto root = Parse(m_page.m_body);
    ASSERT_TRUE(root);
    std::vector<std::wstring> headings;
    for (const CHtmlNode* heading : root->FindAll(L"h1")) headings.push_back(heading->Text());
    EXPECT_EQ(headings, (std::vector<std::wstring>{L"Time balance of: Ames A1", L"Time balance of: Cole "}));
    EXPECT_EQ(m_page.m_filter.filterOn, 0);
    EXPECT_EQ(m_page.m_filter.entityIds, (std::vector<int>{kAmes, kBaker, kCole})) << "the staff of the open document";
}

TEST_F(ReportWizard, CancelAppendsNothing) {
    Open();
    Choose(0);
    AllDaysNoFilter();
    TickAllRows();
    Finish(false);
    EXPECT_EQ(m_page.m_appends, 0);
    EXPECT_EQ(m_page.m_kind, 1);
}

TEST_F(ReportWizard, PagesRebuildWhenShownAgain) {
    Open();
    Choose(1);
    AllDaysNoFilter();
    // Back to the filter page: everything is ticked again; switch the filter on and untick the
    // first class and the first fund.
    Press(m_wizard.get(), ID_WIZBACK);
    CWzdPageReportFilter& filter = m_wizard->m_filter;
    EXPECT_FALSE(filter.m_tree.IsWindowEnabled());
    Press(&filter, 1028);
    EXPECT_TRUE(filter.m_tree.IsWindowEnabled());
    HTREEITEM classes = filter.m_tree.GetRootItem();
    HTREEITEM categories = filter.m_tree.GetNextSiblingItem(classes);
    HTREEITEM funds = filter.m_tree.GetNextSiblingItem(categories);
    ASSERT_NE(funds, nullptr);
    EXPECT_EQ(filter.m_tree.GetItemText(funds), LoadResString(IDS_FILTER_GROUP_FUNDS));
    EXPECT_EQ(filter.m_tree.GetNextSiblingItem(funds), nullptr) << "companies only for the balance";
    filter.m_tree.SetCheck(filter.m_tree.GetChildItem(classes), FALSE);  // 7a
    Press(m_wizard.get(), ID_WIZNEXT);
    EXPECT_EQ(m_page.m_filter.entityIds, std::vector<int>{kClassB});
    EXPECT_EQ(filter.m_bAllEntities, 0);
    EXPECT_EQ(filter.m_bAllFunds, 1);
    EXPECT_EQ(m_wizard->m_eventsPage.m_list.GetItemCount(), 2) << "the two Art lessons of 7b";

    // Back to the days page: only today's day (none) is ticked again.
    Press(m_wizard.get(), ID_WIZBACK);
    Press(m_wizard.get(), ID_WIZBACK);
    CListCtrl& days = m_wizard->m_days.m_list;
    for (int k = 0; k < days.GetItemCount(); ++k) EXPECT_FALSE(days.GetCheck(k)) << k;
}

TEST_F(ReportWizard, WithoutFundsTheTreeHasNoFundGroupAndADoubleClickTogglesAGroup) {
    m_data.m_arrEntries[0].m_arrReplacements[0].m_strFund.Empty();
    Entity(kBaker).m_arrAbsences[0].m_strFund.Empty();
    Open();
    Choose(0);
    m_wizard->m_days.ToggleAllDays();
    Press(m_wizard.get(), ID_WIZNEXT);
    CWzdPageReportFilter& filter = m_wizard->m_filter;
    Press(&filter, 1028);
    HTREEITEM classes = filter.m_tree.GetRootItem();
    HTREEITEM categories = filter.m_tree.GetNextSiblingItem(classes);
    EXPECT_EQ(filter.m_tree.GetNextSiblingItem(categories), nullptr) << "no fund group";
    // A class row selected: the double click unticks every class; the group's own row does nothing.
    filter.m_tree.SelectItem(filter.m_tree.GetChildItem(classes));
    filter.ToggleSelectedGroup();
    filter.m_tree.SelectItem(categories);
    filter.ToggleSelectedGroup();
    Press(m_wizard.get(), ID_WIZNEXT);
    EXPECT_TRUE(m_page.m_filter.entityIds.empty());
    EXPECT_EQ(filter.m_bAllEntities, 0);
    EXPECT_EQ(filter.m_bAllCategories, 1);
    EXPECT_EQ(filter.m_bAllFunds, 1);
    EXPECT_EQ(m_wizard->m_eventsPage.m_list.GetItemCount(), 0)
        << "no class ticked: no lesson, and the absences of the people not ticked go too";
}

TEST_F(ReportWizard, ChoiceThreeWithToBeforeFromAppendsNothing) {
    Open();
    Choose(3);
    m_wizard->m_days.m_from.SetTime(COleDateTime(2024, 1, 10, 10, 0, 0));
    m_wizard->m_days.m_to.SetTime(COleDateTime(2024, 1, 9, 10, 0, 0));
    Press(m_wizard.get(), ID_WIZNEXT);
    Press(m_wizard.get(), ID_WIZNEXT);
    Finish();
    EXPECT_EQ(m_page.m_appends, 0);
    EXPECT_EQ(m_page.m_kind, 1);
}

// The pages a report body prints on, saved as pictures build/test-pictures/<name>-<n>.png.
int PrintToPictures(const CString& body, const char* name) {
    CWnd frame;
    CHtmlView view;
    EXPECT_TRUE(frame.CreateEx(0, nullptr, L"page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1000, 700), nullptr, 0));
    EXPECT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 700), &frame, 59648));
    vorn_test::ProcessEvents();
    EXPECT_EQ(view.WriteHtml(L"<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>" + body + L"</body></html>"),
              S_OK);
    const QString pdf = QString::fromStdString(vorn_test::PicturePath(name).ToUtf8()) + QStringLiteral(".pdf");
    QFile::remove(pdf);
    EXPECT_TRUE(view.PrintToPdf(CString(pdf.toStdWString())));
    const QFileInfo info(pdf);
    for (const QString& old : info.dir().entryList({info.completeBaseName() + QStringLiteral("-*.png")}))
        QFile::remove(info.dir().filePath(old));
    QProcess converter;
    converter.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                                                 pdf.chopped(4)});
    EXPECT_TRUE(converter.waitForFinished(60000));
    view.DestroyWindow();
    frame.DestroyWindow();
    return static_cast<int>(info.dir().entryList({info.completeBaseName() + QStringLiteral("-*.png")}).size());
}

TEST_F(ReportWizard, TheDayReportPrintsADayOnEachPageWhenPagesAreSeparate) {
    m_page.m_separatePages = true;
    Open();
    Choose(1);
    AllDaysNoFilter();
    TickAllRows();
    Finish();
    m_wizard->DestroyWindow();
    EXPECT_EQ(PrintToPictures(m_page.m_body, "report_wizard_days"), 3);
}

TEST_F(ReportWizard, EventsPagePicture) {
    Open();
    Choose(1);
    AllDaysNoFilter();
    CListCtrl& list = m_wizard->m_eventsPage.m_list;
    for (int k : {0, 2, 6}) list.SetCheck(k, TRUE);
    SavePicture("report_wizard_events_page.png");
    EXPECT_EQ(list.GetGroupCount(), 6);
}

}  // namespace
