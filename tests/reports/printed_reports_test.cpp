// Reports of the school document shown in the browser control and printed to PDF, turned into
// PNG pictures in build/test-pictures for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>

#include "../model/model_test_support.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui_web/html_view.h"
#include "report_builders/report_options.h"
#include "report_builders/report_page.h"

namespace {

class PrintedReports : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult loaded = m_pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc"));
        ASSERT_TRUE(loaded.ok);
        m_previous = GetStringSource();
        SetStringSource(&m_pack);
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        m_data.SetServices({&m_host, &m_settings, nullptr, nullptr});
        const std::filesystem::path path =
            std::filesystem::path(VORN_SHARED_DIR) / "fixtures/documents/school-template.xml";
        ASSERT_TRUE(m_data.Load(CString(path.c_str()), FALSE));
        ASSERT_TRUE(m_page.CreateEx(0, nullptr, L"page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1000, 700), nullptr, 0));
        ASSERT_TRUE(m_view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 700), &m_page, 59648));
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        m_view.DestroyWindow();
        m_page.DestroyWindow();
        SetStringSource(m_previous);
    }

    // The first entities of a type, in document order.
    std::vector<int> FirstOfType(int type, std::size_t count) const {
        std::vector<int> ids;
        for (const CEntity& entity : m_data.m_arrEntities)
            if (entity.m_nType == type && ids.size() < count) ids.push_back(entity.m_nId);
        return ids;
    }

    // Shows the page, prints it to build/test-pictures/<name>.pdf and turns every printed page
    // into <name>-<n>.png; gives the number of pictures.
    int PrintToPictures(const CReportOptions& options, const char* name) {
        const CString html = BuildReportPage(m_data, options);
        EXPECT_EQ(m_view.WriteHtml(html), S_OK);
        const QString pdf = QString::fromStdString(vorn_test::PicturePath(name).ToUtf8()) + QStringLiteral(".pdf");
        QFile::remove(pdf);
        EXPECT_TRUE(m_view.PrintToPdf(CString(pdf.toStdWString())));
        EXPECT_TRUE(QFileInfo(pdf).size() > 0) << name;
        const QString stem = pdf.chopped(4);
        QProcess converter;
        converter.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"), pdf, stem});
        EXPECT_TRUE(converter.waitForFinished(60000)) << name;
        EXPECT_EQ(converter.exitCode(), 0) << name;
        int pictures = 0;
        const QFileInfo info(pdf);
        for (const QString& file : info.dir().entryList({info.completeBaseName() + QStringLiteral("-*.png")})) {
            (void)file;
            ++pictures;
        }
        return pictures;
    }

    CLanguagePack m_pack;
    IStringSource* m_previous = nullptr;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScheduleData m_data;
    CWnd m_page;
    CHtmlView m_view;
};

TEST_F(PrintedReports, EntityPagesPrintOnePagePerEntity) {
    CReportOptions options;
    options.m_reportKind = 1;
    options.m_entityIds = FirstOfType(0, 2);
    for (int id : FirstOfType(1, 1)) options.m_entityIds.push_back(id);
    options.m_activityTotals = true;
    options.m_fontName = L"DejaVu Sans";
    options.m_fontSize = 11;
    // Three entities, each on its own printed page: no empty page after the last.
    EXPECT_EQ(PrintToPictures(options, "report_entity_pages"), 3);
}

TEST_F(PrintedReports, GridAndProblemReportsPrint) {
    CReportOptions grid;
    grid.m_reportKind = 3;
    grid.m_entityIds = FirstOfType(0, 6);
    for (int id : FirstOfType(1, 4)) grid.m_entityIds.push_back(id);
    grid.m_dayIndexes = {0, 1};
    grid.m_fontName = L"DejaVu Sans";
    grid.m_fontSize = 9;
    EXPECT_GE(PrintToPictures(grid, "report_grid"), 1);

    CReportOptions problems;
    problems.m_reportKind = 10;
    problems.m_fontName = L"DejaVu Sans";
    problems.m_fontSize = 11;
    EXPECT_GE(PrintToPictures(problems, "report_problems"), 1);
}

// A whole school: every class on a page of its own, no more, no fewer.
TEST_F(PrintedReports, EveryClassOfTheSchoolPrintsOnItsOwnPage) {
    CReportOptions options;
    options.m_reportKind = 1;
    options.m_entityIds = FirstOfType(0, 1000);
    ASSERT_GE(options.m_entityIds.size(), 40u);
    for (int d = 0; d < m_data.m_nDays; ++d) m_data.m_bReportSwitches[d] = 1;
    options.m_fontName = L"DejaVu Sans";
    options.m_fontSize = 11;
    EXPECT_EQ(PrintToPictures(options, "report_all_classes"), static_cast<int>(options.m_entityIds.size()));
}

// A table wider than the sheet is printed smaller, not cut at the sheet's right edge: the last
// columns of the statistics (idle time "Between") are on the printed page.
TEST_F(PrintedReports, AWideTableIsShrunkToTheSheet) {
    CReportOptions options;
    options.m_reportKind = 5;
    options.m_entityIds = FirstOfType(0, 3);
    options.m_fontName = L"DejaVu Sans";
    options.m_fontSize = 11;
    ASSERT_GE(PrintToPictures(options, "report_statistics"), 1);
    const QString pdf = QString::fromStdString(vorn_test::PicturePath("report_statistics").ToUtf8()) + QStringLiteral(".pdf");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* header : {"Rewards", "Between"}) EXPECT_TRUE(printed.contains(QLatin1String(header))) << header;
}

// Every report kind prints to a PDF whose text (not pictures of it) names the classes asked for.
TEST_F(PrintedReports, EveryKindPrintsTheClassesAskedForAsText) {
    const std::vector<int> classes = FirstOfType(0, 2);
    for (int d = 0; d < m_data.m_nDays; ++d) m_data.m_bReportSwitches[d] = 1;
    QTemporaryDir dir;
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        CReportOptions options;
        options.m_reportKind = kind;
        options.m_entityIds = classes;
        for (int d = 0; d < m_data.m_nDays; ++d) options.m_dayIndexes.push_back(d);
        options.m_fontName = L"DejaVu Sans";
        options.m_fontSize = 11;
        ASSERT_EQ(m_view.WriteHtml(BuildReportPage(m_data, options)), S_OK);
        const QString pdf = dir.filePath(QStringLiteral("kind%1.pdf").arg(kind));
        ASSERT_TRUE(m_view.PrintToPdf(CString(pdf.toStdWString())));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_FALSE(printed.trimmed().isEmpty());
        // The weight reports list what placement weighed, whichever entities are chosen.
        if (kind == 7 || kind == 8) continue;
        for (int id : classes) {
            const QString name = QString::fromStdWString(m_data.FindEntity(id)->m_strName.GetString());
            EXPECT_TRUE(printed.contains(name)) << name.toStdString();
        }
    }
}

}  // namespace
