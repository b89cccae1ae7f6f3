#pragma once
// A main frame with the report page over the dated school document: the document talks to the
// frame through the real host, so builders show their progress in the status bar; settings and
// answers are held in memory. Helpers read what the browser shows through a script call.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <string>

#include "../frame/shell_fixture.h"
#include "controls/app_document.h"
#include "frame/main_frame_host.h"
#include "model/plan_check.h"
#include "reports/wnd_html.h"

// A window with its children saved as PNG in the test pictures. The browser engine draws no
// pixels on the offscreen platform, so the browser's place shows the first printed page of
// what it holds (printed to PDF, turned into a picture at screen resolution).
inline void SaveWindowWithReport(CWnd* wnd, CHtmlCtrl& browser, const char* name) {
    vorn_test::ProcessEvents();
    QImage picture = wnd->GetWidget()->grab().toImage();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(browser.PrintToPdf(CString(pdf.toStdWString())));
    QProcess converter;
    converter.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                 QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                                                 dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(converter.waitForFinished(60000));
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    CRect place;
    browser.GetWindowRect(&place);
    wnd->ScreenToClient(&place);
    const QPoint origin = wnd->GetWidget()->mapFromGlobal(browser.GetWidget()->mapToGlobal(QPoint(0, 0)));
    QPainter painter(&picture);
    painter.setClipRect(QRect(origin, QSize(place.Width(), place.Height())));
    painter.fillRect(QRect(origin, QSize(place.Width(), place.Height())), Qt::white);
    painter.drawImage(origin, page);
    painter.end();
    picture.save(QString::fromStdWString(vorn_test::PicturePath(name).GetString()));
}

// The frame's host that also notes when the status bar's progress part shows and hides.
class CProgressNotingHost : public CMainFrameHost {
public:
    IProgress& ShowProgress(const CString& label) override {
        shown.push_back(label);
        return CMainFrameHost::ShowProgress(label);
    }
    void HideProgress() override {
        ++hidden;
        CMainFrameHost::HideProgress();
    }
    std::vector<CString> shown;
    int hidden = 0;
};

class ReportPageTest : public FrameTest {
protected:
    void SetUp() override {
        RegisterFramePage(kPageReports, [] { return std::make_unique<CWndHTML>(); });
        settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        settings.m_strFontName = L"DejaVu Sans";
        settings.m_nFontSize = 12;
        application.data.SetServices(ModelServices{&host, &settings, &answers, nullptr});
        SetAppDocument(&application.data);
        FrameTest::SetUp();
        RegisterFramePage(kPageReports, {});
        frame->MoveWindow(0, 0, 1200, 800);
        ASSERT_TRUE(application.data.Load(SharedDocument("school-dated.xml"), TRUE));
        RecheckAndRefresh(application.data, TRUE);
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        FrameTest::TearDown();
        SetAppDocument(nullptr);
        CWndHTML::s_reportWizard = nullptr;
    }

    CWndHTML& Page() { return *static_cast<CWndHTML*>(frame->FindPage(kPageReports)); }
    CScheduleData& Data() { return application.data; }
    void Command(UINT id) {
        Page().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    // The value of a script expression in the shown page.
    CString Eval(const wchar_t* expression) {
        CString value;
        EXPECT_TRUE(Page().GetBrowser().CallScript(L"eval", {expression}, &value)) << CString(expression).ToUtf8();
        return value;
    }
    // The text the browser shows.
    CString ShownText() { return Eval(L"document.body ? document.body.innerText : ''"); }
    // The first entities of a type, in document order.
    std::vector<int> FirstOfType(int type, std::size_t count) const {
        std::vector<int> ids;
        for (const CEntity& entity : application.data.m_arrEntities)
            if (entity.m_nType == type && ids.size() < count) ids.push_back(entity.m_nId);
        return ids;
    }
    CString NameOf(int id) { return Data().FindEntity(id)->m_strName; }

    CProgressNotingHost host;
    CMemoryAppSettings settings;
    CQueuedAnswers answers;
};
