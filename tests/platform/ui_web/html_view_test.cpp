// The browser control on the offscreen platform: written HTML, script calls, "app:" links,
// the context menu, printing and copying.
#include "platform/ui_web/html_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <memory>
#include <vector>

#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The page that owns the browser: records the commands and context menus it receives.
class CPageWnd : public CWnd {
public:
    std::vector<Received> log;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == WM_CONTEXTMENU) log.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A browser that takes the right button over and hands WM_CONTEXTMENU to its parent, as the
// report page's browser does.
class CForwardingView : public CHtmlView {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override {
        const UINT m = pMsg->message;
        if (m == WM_CONTEXTMENU || m == WM_RBUTTONDOWN || m == WM_RBUTTONUP || m == WM_RBUTTONDBLCLK) {
            wchar_t name[64] = {};
            GetClassName(pMsg->hwnd, name, 64);
            if (CString(name) == HTMLVIEW_BROWSER_CLASS) {
                if (m == WM_RBUTTONUP) GetParent()->SendMessage(WM_CONTEXTMENU, pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
        return CHtmlView::PreTranslateMessage(pMsg);
    }
};

const CHtmlView::AppCommand kCommands[] = {
    {L"zoomin", 33093},
    {L"ZoomOut", 33094},
    {L"zoomin", 33095},  // a second entry of the same name posts a second command
    {nullptr, 0},
};

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.CreateEx(0, nullptr, L"page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr, 0));
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 640, 480), &page, 59648));
        view.m_commandMap = kCommands;
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        view.DestroyWindow();
        page.DestroyWindow();
    }

    CString Eval(const wchar_t* function) {
        CString value;
        EXPECT_TRUE(view.CallScript(function, {}, &value)) << CString(function).ToUtf8();
        return value;
    }

    // Mouse input on the engine's widget, as a user's click arrives.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QWidget* target = view.GetBrowser()->focusProxy();
        ASSERT_NE(target, nullptr);
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
        QCoreApplication::sendEvent(target, &e);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonPress, at, button);
        Mouse(QEvent::MouseButtonRelease, at, button);
    }
    CPageWnd page;
    CForwardingView view;
};

const wchar_t* const kPage =
    L"<!DOCTYPE html><html><head><title>Week plan</title><script>"
    L"function text(){return document.getElementById('t').textContent;}"
    L"function join(a,b){return a+'|'+b;}"
    L"function place(id){var r=document.getElementById(id).getBoundingClientRect();"
    L"return Math.round(r.left+r.width/2)+','+Math.round(r.top+r.height/2);}"
    L"</script></head><body style='margin:0'>"
    L"<p id='t'>Grüße aus Zürich – עדכן</p>"
    L"<a id='l1' href='app:zoomin' style='display:block;height:40px'>in</a>"
    L"<a id='l2' href='APP:ZOOMIN' style='display:block;height:40px'>IN</a>"
    L"<a id='l3' href='App:zoomOut' style='display:block;height:40px'>out</a>"
    L"<a id='l4' href='app:unknown' style='display:block;height:40px'>none</a>"
    L"</body></html>";

QPoint Place(CHtmlView& view, const wchar_t* id) {
    CString at;
    EXPECT_TRUE(view.CallScript(L"place", {id}, &at));
    const int comma = at.Find(L',');
    return QPoint(std::stoi(at.Left(comma).GetString()), std::stoi(at.Mid(comma + 1).GetString()));
}

std::vector<WPARAM> Commands(const CPageWnd& page) {
    std::vector<WPARAM> ids;
    for (const auto& r : page.log)
        if (r.message == WM_COMMAND) ids.push_back(r.wParam);
    return ids;
}

// The engine starts when the view is first on screen (or a page is written), not when it is
// made: a view behind a hidden page costs nothing, and an address asked for meanwhile is
// loaded once it starts.
TEST(HtmlViewStart, EngineStartsWhenTheViewIsFirstShownOrWritten) {
    auto engineOf = [](CHtmlView& view) { return view.GetBrowserWindow()->GetWidget()->findChild<QWebEngineView*>(); };
    CWnd hidden;
    ASSERT_TRUE(hidden.CreateEx(0, nullptr, L"page", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
    CHtmlView shown, written;
    ASSERT_TRUE(shown.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 240), &hidden, 1));
    ASSERT_TRUE(written.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 240), &hidden, 2));
    shown.Navigate(L"about:blank");
    vorn_test::ProcessEvents();
    EXPECT_EQ(engineOf(shown), nullptr);
    EXPECT_EQ(engineOf(written), nullptr);
    EXPECT_FALSE(shown.HasDocument());

    ASSERT_EQ(written.WriteHtml(L"<p id=x>hidden</p>"), S_OK);
    EXPECT_NE(engineOf(written), nullptr);
    EXPECT_EQ(engineOf(shown), nullptr);

    hidden.ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
    ASSERT_NE(engineOf(shown), nullptr);
    EXPECT_TRUE(shown.WaitForDocument());
    EXPECT_TRUE(shown.HasDocument());
    shown.DestroyWindow();
    written.DestroyWindow();
    hidden.DestroyWindow();
}

TEST_F(HtmlViewTest, WrittenHtmlIsShownAndScriptFunctionsAnswer) {
    CString value;
    EXPECT_FALSE(view.CallScript(L"text", {}, &value));  // no document yet
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    EXPECT_TRUE(view.HasDocument());
    EXPECT_EQ(Eval(L"text"), L"Grüße aus Zürich – עדכן");
    ASSERT_TRUE(view.CallScript(L"join", {L"1.100000", L"a'b\"c"}, &value));
    EXPECT_EQ(value, L"1.100000|a'b\"c");
    EXPECT_FALSE(view.CallScript(L"zoom", {L"1.1"}, &value));  // the page has no such function
    ASSERT_EQ(view.WriteHtml(L""), S_OK);                    // an empty text gives an empty page
    EXPECT_FALSE(view.CallScript(L"text", {}, &value));
}

TEST_F(HtmlViewTest, WriteRightAfterANavigationWaitsForTheWrittenPage) {
    // The blank page is still loading when the text is written; its end must not count as the
    // written page's.
    for (int i = 0; i < 5; ++i) {
        view.Navigate(L"about:blank");
        ASSERT_EQ(view.WriteHtml(kPage), S_OK) << i;
        EXPECT_EQ(Eval(L"text"), L"Grüße aus Zürich – עדכן") << i;
    }
}

TEST_F(HtmlViewTest, PagesLargerThanTwoMegabytesAreShown) {
    CString html = L"<html><body><script>function last(){return document.getElementById('end').textContent;}</script>";
    const CString row = L"<div>0123456789012345678901234567890123456789012345678901234567890123456789</div>";
    for (int i = 0; i < 40000; ++i) html += row;
    html += L"<p id='end'>the end</p></body></html>";
    ASSERT_GT(html.GetLength(), 2 * 1024 * 1024);
    // A generous wait: a busy machine may take long over a page this size.
    ASSERT_EQ(view.WriteHtml(html, 120000), S_OK);
    EXPECT_EQ(Eval(L"last"), L"the end");
}

TEST_F(HtmlViewTest, AppLinksInAnyCasePostCommandsToTheParent) {
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    const struct {
        const wchar_t* link;
        std::vector<WPARAM> commands;
    } kCases[] = {
        {L"l1", {33093, 33095}},
        {L"l2", {33093, 33095}},
        {L"l3", {33094}},
        {L"l4", {}},
    };
    for (const auto& c : kCases) {
        page.log.clear();
        Click(Place(view, c.link));
        // The commands are posted; let them arrive.
        vorn_test::ProcessEvents(300);
        EXPECT_EQ(Commands(page), c.commands) << CString(c.link).ToUtf8();
        // No navigation took place: the page is still there.
        EXPECT_TRUE(view.HasDocument());
        EXPECT_EQ(Eval(L"text"), L"Grüße aus Zürich – עדכן");
    }
}

TEST_F(HtmlViewTest, RightClickShowsNoBrowserMenuAndReachesTheParent) {
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    const QPoint at = Place(view, L"t");
    Click(at, Qt::RightButton);
    vorn_test::ProcessEvents(300);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(w) && w->isVisible()) << "the engine showed its menu";
    std::vector<Received> menus;
    for (const auto& r : page.log)
        if (r.message == WM_CONTEXTMENU) menus.push_back(r);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(menus[0].lParam), at.x());
    EXPECT_EQ(GET_Y_LPARAM(menus[0].lParam), at.y());
}

bool IsPdf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.size() > 500 && f.read(5) == "%PDF-";
}

TEST_F(HtmlViewTest, PagePrintsToPdfDirectlyThroughThePrintDialogAndInPreview) {
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    QTemporaryDir dir;
    const QString direct = dir.filePath(QStringLiteral("direct.pdf"));
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    const QString preview = dir.filePath(QStringLiteral("preview.pdf"));
    EXPECT_TRUE(view.PrintToPdf(CString(direct.toStdWString())));
    EXPECT_TRUE(IsPdf(direct));

    CScriptedAnswerer answerer;
    answerer.AnswerPrintToPdf(CString(printed.toStdWString()));
    answerer.AnswerPreviewToPdf(CString(preview.toStdWString()));
    std::vector<CHtmlView::PrintStep> steps;
    view.m_onPrint = [&steps](CHtmlView::PrintStep step) { steps.push_back(step); };
    view.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
    // The pages are laid out in the background: a second print waits for the first to end.
    EXPECT_TRUE(view.IsPrinting());
    view.ExecWB(OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TRUE(answerer.m_previews.empty());
    ASSERT_TRUE(view.WaitForPrint());
    view.ExecWB(OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_PROMPTUSER);
    ASSERT_TRUE(view.WaitForPrint());
    EXPECT_TRUE(IsPdf(printed));
    EXPECT_TRUE(IsPdf(preview));
    ASSERT_EQ(answerer.m_previews.size(), 1u);
    EXPECT_EQ(answerer.m_previews[0].documentName, L"Week plan");
    // The preview drew the page before it was printed.
    ASSERT_EQ(answerer.m_previewPages.size(), 1u);
    EXPECT_FALSE(answerer.m_previewPages[0].isNull());
    EXPECT_EQ(answerer.m_unanswered, 0);
    using Step = CHtmlView::PrintStep;
    EXPECT_EQ(steps, (std::vector<Step>{Step::Started, Step::LaidOut, Step::Printed, Step::Started, Step::LaidOut,
                                        Step::Printed}));
}

TEST_F(HtmlViewTest, CancelledPrintWritesNothingAndTheNextOneRuns) {
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    QTemporaryDir dir;
    const QString dropped = dir.filePath(QStringLiteral("dropped.pdf"));
    const QString next = dir.filePath(QStringLiteral("next.pdf"));
    CScriptedAnswerer answerer;
    answerer.AnswerPrintToPdf(CString(dropped.toStdWString()));
    view.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
    view.CancelPrint();
    EXPECT_FALSE(view.IsPrinting());
    // Asked for while the engine may still lay out the cancelled one.
    EXPECT_TRUE(view.PrintToPdf(CString(next.toStdWString())));
    EXPECT_TRUE(IsPdf(next));
    EXPECT_FALSE(QFile::exists(dropped));
}

TEST_F(HtmlViewTest, APageWithoutATitleHasNoneForThePrint) {
    ASSERT_EQ(view.WriteHtml(L"<html><body>no title</body></html>"), S_OK);
    EXPECT_EQ(view.GetDocumentTitle(), L"");
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    EXPECT_EQ(view.GetDocumentTitle(), L"Week plan");
}

TEST_F(HtmlViewTest, SelectAllAndCopyPutThePageTextOnTheClipboard) {
    ASSERT_EQ(view.WriteHtml(kPage), S_OK);
    QGuiApplication::clipboard()->clear();
    view.ExecWB(OLECMDID_SELECTALL, OLECMDEXECOPT_DONTPROMPTUSER);
    view.ExecWB(OLECMDID_COPY, OLECMDEXECOPT_DONTPROMPTUSER);
    view.ExecWB(OLECMDID_CLEARSELECTION, OLECMDEXECOPT_DONTPROMPTUSER);
    for (int i = 0; i < 100 && QGuiApplication::clipboard()->text().isEmpty(); ++i) vorn_test::ProcessEvents(20);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("Grüße aus Zürich")));
}

}  // namespace
