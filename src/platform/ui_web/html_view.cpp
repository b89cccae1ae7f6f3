#include "platform/ui_web/html_view.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QOpenGLContext>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <unistd.h>

#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "platform/core/atomic_file.h"
#include "platform/ui/dialog_answerer.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui_web/pdf_pages.h"

// Qt's setter of the context that all OpenGL contexts share (exported by Qt GUI, declared only
// in its private headers).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace vorn_web {

namespace {

// Pages written by WriteHtml are served from memory under this scheme, so that their size is
// not limited the way data: addresses are, and so that they may show local image files.
constexpr char kPageScheme[] = "vornpage";
constexpr char kAppScheme[] = "app";

// The text of the page each view shows, by view.
std::map<QString, QByteArray>& Pages() {
    static std::map<QString, QByteArray> pages;
    return pages;
}

QString ToQt(const CString& s) { return QString::fromStdWString(s.GetString()); }

// Runs the event loop until done() holds or the time is up; returns done().
bool SpinUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start();
    deadline.start(timeoutMs);
    loop.exec();
    return done();
}

}  // namespace

// Serves written pages; requests for "app:" addresses that get past the navigation check
// (frames, scripts) are refused.
class CHtmlPageHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QUrl url = job->requestUrl();
        if (url.scheme() != QLatin1String(kPageScheme)) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        auto it = Pages().find(url.path());
        if (it == Pages().end()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* buffer = new QBuffer(job);
        buffer->setData(it->second);
        buffer->open(QIODevice::ReadOnly);
        job->reply(QByteArrayLiteral("text/html;charset=utf-8"), buffer);
    }
};

// Calls its function when the watched widget is shown.
class CShowWatcher : public QObject {
public:
    CShowWatcher(std::function<void()> shown, QObject* parent) : QObject(parent), m_shown(std::move(shown)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) m_shown();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_shown;
};

class CHtmlPage : public QWebEnginePage {
public:
    CHtmlPage(CHtmlView* owner, QObject* parent) : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent), m_owner(owner) {}

    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        BOOL cancel = FALSE;
        const std::wstring address = url.toString(QUrl::FullyEncoded).toStdWString();
        m_owner->OnBeforeNavigate2(address.c_str(), &cancel);
        if (cancel) return false;
        // Loads the view starts itself (Navigate, WriteHtml) were announced when they began.
        if (isMainFrame && type != NavigationTypeTyped) m_owner->NavigationAccepted(url);
        return true;
    }

private:
    CHtmlView* m_owner;
};

namespace {

// The context that the engine's views share, made when the first view is, not at start-up:
// making it loads the system's OpenGL driver, which costs a fifth of a second, sixty megabytes
// and a dozen threads before the first window shows. Without it set, the engine's own start-up
// routine makes it with the application.
QOpenGLContext* s_deferredShareContext = nullptr;

void DeleteDeferredShareContext() {
    if (qt_gl_global_share_context() == s_deferredShareContext) qt_gl_set_global_share_context(nullptr);
    delete s_deferredShareContext;
    s_deferredShareContext = nullptr;
}

// Runs as the application is made, before the engine's start-up routine (the later one added
// runs first); it only stands in a context that is not made yet.
void DeferShareContext() {
    if (qt_gl_global_share_context()) return;
    s_deferredShareContext = new QOpenGLContext;
    qt_gl_set_global_share_context(s_deferredShareContext);
    qAddPostRoutine(DeleteDeferredShareContext);
}

void MakeDeferredShareContext() {
    if (!s_deferredShareContext || s_deferredShareContext->isValid()) return;
    s_deferredShareContext->setFormat(QSurfaceFormat::defaultFormat());
    s_deferredShareContext->create();
}

void InstallHandlers() {
    static CHtmlPageHandler* handler = nullptr;
    if (handler) return;
    handler = new CHtmlPageHandler(QCoreApplication::instance());
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    profile->installUrlSchemeHandler(kPageScheme, handler);
    profile->installUrlSchemeHandler(kAppScheme, handler);
}

void RegisterBrowserClass() {
    WNDCLASS wc{};
    if (GetClassInfo(nullptr, HTMLVIEW_BROWSER_CLASS, &wc)) return;
    wc.lpszClassName = HTMLVIEW_BROWSER_CLASS;
    wc.hInstance = AfxGetInstanceHandle();
    RegisterClass(&wc);
}

}  // namespace
}  // namespace vorn_web

using namespace vorn_web;

void CHtmlView::PrepareEngine() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    // The engine's sandbox refuses to run as root; only then it is switched off.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QWebEngineUrlScheme app(kAppScheme);
    app.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    QWebEngineUrlScheme::registerScheme(app);
    QWebEngineUrlScheme page(kPageScheme);
    page.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    page.setFlags(QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(page);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qAddPreRoutine(DeferShareContext);
}

CHtmlView::CHtmlView() = default;

CHtmlView::~CHtmlView() {
    Pages().erase(QString::number(reinterpret_cast<quintptr>(this)));
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CHtmlView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, void* pContext) {
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext)) return FALSE;
    RegisterBrowserClass();
    CRect rc;
    GetClientRect(&rc);
    if (!m_browserWnd.CreateEx(0, HTMLVIEW_BROWSER_CLASS, L"", WS_CHILD | WS_VISIBLE, rc, this, 0)) return FALSE;
    // The engine costs a second and a hundred megabytes: it starts when the view is first on
    // screen, or when the owner first needs a page.
    if (m_browserWnd.GetWidget()->isVisible()) {
        EnsureBrowser();
    } else {
        m_showWatcher = new CShowWatcher([this] { EnsureBrowser(); }, m_browserWnd.GetWidget());
        m_browserWnd.GetWidget()->installEventFilter(m_showWatcher);
    }
    return TRUE;
}

bool CHtmlView::EnsureBrowser() {
    if (m_view) return true;
    if (!::IsWindow(m_browserWnd.m_hWnd)) return false;
    if (m_showWatcher) m_showWatcher->deleteLater();
    MakeDeferredShareContext();
    InstallHandlers();
    CRect rc;
    GetClientRect(&rc);
    m_view = new QWebEngineView(m_browserWnd.GetWidget());
    m_page = new CHtmlPage(this, m_view);
    m_view->setPage(m_page);
    // The engine's own menu never shows; the owner decides what a right click does.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // Input to the engine's widgets counts as input of the browser window.
    m_view->setProperty("vornHwnd", QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(m_browserWnd.m_hWnd)));
    m_view->setGeometry(0, 0, rc.Width(), rc.Height());
    // Only the end of the load the view waits for counts: a load that a newer one stopped (a
    // blank page still loading when a report is written) ends later and is passed over.
    QObject::connect(m_page.data(), &QWebEnginePage::loadingChanged, m_page.data(), [this](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
        if (!m_expectedUrl.isEmpty() && info.url() != m_expectedUrl) return;
        LoadFinished(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
    });
    m_view->show();
    if (!m_pendingUrl.isEmpty()) {
        const QUrl url = m_pendingUrl;
        m_pendingUrl.clear();
        NavigationAccepted(url);
        m_page->load(url);
    }
    return true;
}

LRESULT CHtmlView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        // The browser fills the client area, whatever size the message names: owners send
        // WM_SIZE with 0 and 0 to have a child lay itself out again.
        CRect client;
        GetClientRect(&client);
        if (::IsWindow(m_browserWnd.m_hWnd)) m_browserWnd.MoveWindow(0, 0, client.Width(), client.Height());
        if (m_view) m_view->setGeometry(0, 0, client.Width(), client.Height());
        break;
    }
    case WM_SETFOCUS:
        if (m_view) m_view->setFocus();
        break;
    case WM_DESTROY:
        m_documentReady = false;
        m_loading = false;
        break;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CHtmlView::NavigationAccepted(const QUrl& url) {
    m_expectedUrl = url;
    m_loading = true;
    m_documentReady = false;
}

void CHtmlView::LoadFinished(bool ok) {
    // A load that ends without an accepted navigation (a cancelled "app:" link) leaves the
    // page as it was.
    if (!m_loading) return;
    m_loading = false;
    m_lastLoadOk = ok;
    m_documentReady = ok;
    if (ok && m_page) {
        const std::wstring url = m_page->url().toString().toStdWString();
        OnDocumentComplete(url.c_str());
    }
}

void CHtmlView::Navigate(LPCTSTR lpszURL) {
    if (!lpszURL) return;
    const QUrl url(QString::fromStdWString(lpszURL));
    if (!m_page) {
        // Loaded when the engine starts.
        m_pendingUrl = url;
        return;
    }
    NavigationAccepted(url);
    m_page->load(url);
}

HRESULT CHtmlView::WriteHtml(const CString& html, int timeoutMs) {
    if (!EnsureBrowser()) return E_FAIL;
    m_pendingUrl.clear();
    // The engine may drop a load issued while another is still under way (a blank page just
    // asked for): that one ends first.
    if (m_loading) WaitForDocument(timeoutMs);
    const QString key = QString::number(reinterpret_cast<quintptr>(this));
    Pages()[key] = ToQt(html).toUtf8();
    // A new address each time, in the whole process (a later view may live at the address of
    // an earlier one), so that the engine never shows a cached page.
    static int serial = 0;
    QUrl url;
    url.setScheme(QLatin1String(kPageScheme));
    url.setPath(key);
    url.setQuery(QStringLiteral("n=%1").arg(++serial));
    NavigationAccepted(url);
    m_page->load(url);
    if (!WaitForDocument(timeoutMs)) return E_FAIL;
    return m_lastLoadOk ? S_OK : E_FAIL;
}

BOOL CHtmlView::WaitForDocument(int timeoutMs) {
    return SpinUntil([this] { return !m_loading || !m_page; }, timeoutMs) ? TRUE : FALSE;
}

BOOL CHtmlView::CallScript(const CString& function, const std::vector<CString>& args, CString* result, int timeoutMs) {
    if (!m_page || !m_documentReady || function.IsEmpty()) return FALSE;
    QJsonArray list;
    for (const CString& a : args) list.append(ToQt(a));
    const QString name = QString::fromUtf8(QJsonDocument(QJsonArray{ToQt(function)}).toJson(QJsonDocument::Compact));
    const QString argText = QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
    // name is the one-element array [name]; the call reports failure instead of throwing.
    const QString script = QStringLiteral(
                               "(function(){try{var f=window[%1[0]];if(typeof f!=='function')return [false,''];"
                               "var r=f.apply(window,%2);return [true,(r===undefined||r===null)?'':String(r)];}"
                               "catch(e){return [false,String(e)];}})()")
                               .arg(name, argText);
    struct State {
        bool done = false;
        QVariant value;
    };
    auto state = std::make_shared<State>();
    m_page->runJavaScript(script, [state](const QVariant& v) {
        state->value = v;
        state->done = true;
    });
    if (!SpinUntil([state] { return state->done; }, timeoutMs)) return FALSE;
    const QVariantList answer = state->value.toList();
    if (answer.size() != 2 || !answer[0].toBool()) return FALSE;
    if (result) *result = CString(answer[1].toString().toStdWString());
    return TRUE;
}

void CHtmlView::ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt) {
    if (!EnsureBrowser()) return;
    switch (cmdID) {
    case OLECMDID_SELECTALL: m_page->triggerAction(QWebEnginePage::SelectAll); break;
    case OLECMDID_COPY: m_page->triggerAction(QWebEnginePage::Copy); break;
    case OLECMDID_CLEARSELECTION: m_page->triggerAction(QWebEnginePage::Unselect); break;
    case OLECMDID_PRINT: RunPrint(false, cmdexecopt != OLECMDEXECOPT_DONTPROMPTUSER); break;
    case OLECMDID_PRINTPREVIEW: RunPrint(true, true); break;
    }
}

namespace {

// The sheets the engine lays reports out on: A4 upright; the pages keep their own margins.
QPageLayout PrintLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

// Before printing, content wider than the sheet (a wide table has a least width of its own) is
// shrunk for print only: the page is laid out once at the sheet's width, the right edge of its
// tables and pictures measured, and a print-only zoom added that brings that edge onto the sheet.
// The screen layout is put back in the same script, so nothing of it is drawn.
QString FitToSheetScript() {
    const QPageLayout layout = PrintLayout();
    const double sheet = layout.paintRect(QPageLayout::Point).width() * 96.0 / 72.0;
    return QStringLiteral(
               "(function(){var id='vorn-print-fit',old=document.getElementById(id);if(old)old.remove();"
               "var root=document.documentElement,body=document.body;if(!root||!body)return 1;"
               "var sheet=%1,saved=root.style.width;root.style.width=sheet+'px';"
               "var right=0,all=body.querySelectorAll('table,img,pre');"
               "for(var i=0;i<all.length;++i){var r=all[i].getBoundingClientRect().right+window.scrollX;"
               "if(r>right)right=r;}"
               "var margin=parseFloat(getComputedStyle(body).marginRight)||0;root.style.width=saved;"
               "var need=right+margin;if(need<=sheet)return 1;"
               "var style=document.createElement('style');style.id=id;"
               "style.textContent='@media print{html{zoom:'+(sheet/need)+';}}';"
               "(document.head||root).appendChild(style);return sheet/need;})()")
        .arg(sheet, 0, 'f', 2);
}

bool WritePdf(const CString& path, const QByteArray& pdf) {
    return !pdf.isEmpty() &&
           WriteFileAtomically(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace

CString CHtmlView::GetDocumentTitle() const {
    if (!m_page) return CString();
    const QString title = m_page->title();
    // Without a title of its own the engine names the page by its address.
    if (title.isEmpty() || title == m_page->url().toString() || title.startsWith(QLatin1String(kPageScheme) + u':'))
        return CString();
    return CString(title.toStdWString());
}

void CHtmlView::Notify(PrintStep step) {
    if (m_onPrint) m_onPrint(step);
}

BOOL CHtmlView::BeginPrintToPdf(std::function<bool(const QByteArray&)> use) {
    if (!m_page || !use || IsPrinting()) return FALSE;
    m_printUse = std::move(use);
    Notify(PrintStep::Started);
    if (!m_engineBusy) StartEnginePrint();
    return TRUE;
}

void CHtmlView::StartEnginePrint() {
    m_engineBusy = true;
    const int serial = ++m_printSerial;
    QPointer<CHtmlPage> page = m_page;
    m_page->runJavaScript(FitToSheetScript(), QWebEngineScript::ApplicationWorld, [this, page, serial](const QVariant&) {
        if (!page) return;
        page->printToPdf(
            [this, page, serial](const QByteArray& pdf) {
                if (page) EnginePrinted(serial, pdf);
            },
            PrintLayout());
    });
}

void CHtmlView::EnginePrinted(int serial, const QByteArray& pdf) {
    m_engineBusy = false;
    if (serial != m_printSerial || !m_printUse) {
        // A cancelled print; one asked for since starts now.
        if (m_printUse && m_page) StartEnginePrint();
        return;
    }
    Notify(PrintStep::LaidOut);
    // The use may show a modal preview: it runs after the engine's call has returned.
    QTimer::singleShot(0, m_view.data(), [this, pdf] {
        auto use = std::move(m_printUse);
        m_printUse = nullptr;
        if (!use) return;
        m_printUsing = true;
        const bool ok = use(pdf);
        m_printUsing = false;
        Notify(ok ? PrintStep::Printed : PrintStep::Failed);
    });
}

void CHtmlView::CancelPrint() {
    if (!m_printUse) return;
    m_printUse = nullptr;
    ++m_printSerial;
    Notify(PrintStep::Cancelled);
}

BOOL CHtmlView::WaitForPrint(int timeoutMs) {
    return SpinUntil([this] { return !IsPrinting(); }, timeoutMs) ? TRUE : FALSE;
}

BOOL CHtmlView::RunPrint(bool preview, bool prompt) {
    if (!m_page || IsPrinting()) return FALSE;
    CPrintQuestion q;
    q.owner = m_hWnd;
    q.documentName = GetDocumentTitle();
    if (preview) {
        return BeginPrintToPdf([q](const QByteArray& pdf) {
            const CPdfPages pages(pdf);
            if (pages.Count() == 0) return false;
            CPreviewPages shown;
            shown.count = pages.Count();
            shown.pointSize = [&pages](int i) { return pages.PointSize(i); };
            shown.render = [&pages](int i, QSize pixels) { return pages.Render(i, pixels); };
            // A print that failed from the preview is reported when the preview closes.
            bool failed = false;
            shown.print = [&pages, &failed](QPrinter& printer) {
                const bool ok = pages.Print(printer);
                failed = failed || !ok;
                return ok;
            };
            GetDialogAnswerer().ShowPrintPreview(q, shown);
            return !failed;
        });
    }
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    if (!q.documentName.IsEmpty()) printer->setDocName(ToQt(q.documentName));
    if (prompt && GetDialogAnswerer().AskPrint(q, *printer) != IDOK) return FALSE;
    return BeginPrintToPdf([printer](const QByteArray& pdf) { return CPdfPages(pdf).Print(*printer); });
}

BOOL CHtmlView::PrintToPdf(const CString& path, int timeoutMs) {
    bool ok = false;
    if (!BeginPrintToPdf([&ok, path](const QByteArray& pdf) { return ok = WritePdf(path, pdf); })) return FALSE;
    if (!WaitForPrint(timeoutMs)) {
        CancelPrint();
        return FALSE;
    }
    return ok ? TRUE : FALSE;
}

void CHtmlView::OnBeforeNavigate2(LPCTSTR lpszURL, BOOL* pbCancel) {
    const CString url(lpszURL ? lpszURL : L"");
    if (url.Left(4).CompareNoCase(L"app:") == 0) {
        *pbCancel = TRUE;
        const QString name = QUrl::fromPercentEncoding(ToQt(url.Mid(4)).toUtf8());
        const std::wstring text = name.toStdWString();
        OnAppCmd(text.c_str());
    }
}

void CHtmlView::OnDocumentComplete(LPCTSTR) {}

void CHtmlView::OnAppCmd(LPCTSTR lpszName) {
    if (!m_commandMap || !lpszName) return;
    CWnd* parent = GetParent();
    if (!parent) return;
    for (const AppCommand* e = m_commandMap; e->name; ++e)
        if (CString(e->name).CompareNoCase(lpszName) == 0) parent->PostMessage(WM_COMMAND, static_cast<WPARAM>(e->command), 0);
}

QWebEngineView* CHtmlView::GetBrowser() {
    EnsureBrowser();
    return m_view.data();
}
