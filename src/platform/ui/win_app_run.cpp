// The application's event loop: Qt's loop with idle processing, ended by WM_QUIT or by the
// destruction of the main window.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "platform/ui/idle_hooks.h"
#include "platform/ui/system_change_messages.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

// Calls OnIdle each time the loop is about to wait for events, with a count that grows
// while OnIdle asks for more; after OnIdle returns FALSE it waits for input or a posted
// message before it calls again with count 0. Timers and paints do not count as new input,
// so an idle program stays asleep.
class CWinAppIdleDriver : public QObject {
public:
    explicit CWinAppIdleDriver(CWinApp* app) : m_app(app) {
        m_dispatcher = QAbstractEventDispatcher::instance(qApp->thread());
        if (m_dispatcher)
            connect(m_dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { AboutToBlock(); });
        qApp->installEventFilter(this);
    }
    ~CWinAppIdleDriver() override {
        if (qApp) qApp->removeEventFilter(this);
    }

    void WatchMainWindow() {
        QWidget* w = m_app->m_pMainWnd ? m_app->m_pMainWnd->GetWidget() : nullptr;
        if (w == m_watched) return;
        m_watched = w;
        if (w) connect(w, &QObject::destroyed, this, [] { PostQuitMessage(0); });
    }

protected:
    bool eventFilter(QObject* object, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close: Wake(); break;
        default:
            // Posted window messages travel as user events.
            if (e->type() >= QEvent::User && e->type() <= QEvent::MaxUser) Wake();
            break;
        }
        return QObject::eventFilter(object, e);
    }

private:
    void Wake() {
        m_count = 0;
        m_stopped = false;
    }

    void AboutToBlock() {
        if (m_stopped || m_inIdle) return;
        m_inIdle = true;
        const BOOL more = m_app->OnIdle(m_count++);
        m_inIdle = false;
        WatchMainWindow();
        if (more) {
            if (m_dispatcher) m_dispatcher->wakeUp();
        } else {
            m_stopped = true;
        }
    }

    CWinApp* m_app;
    QAbstractEventDispatcher* m_dispatcher = nullptr;
    QPointer<QWidget> m_watched;
    LONG m_count = 0;
    bool m_stopped = false;
    bool m_inIdle = false;
};

int CWinApp::Run() {
    if (!qApp) return ExitInstance();
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    int code = 0;
    {
        InstallSystemChangeMessages();
    CWinAppIdleDriver idle(this);
        idle.WatchMainWindow();
        // A main window that is already gone ends the loop at once.
        if (m_pMainWnd && !::IsWindow(m_pMainWnd->m_hWnd)) PostQuitMessage(0);
        code = QApplication::exec();
    }
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    const int exitCode = ExitInstance();
    return exitCode != 0 ? exitCode : code;
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        // Command-UI updates: the main window's own, then the registered idle work (the bars).
        if (m_pMainWnd && ::IsWindow(m_pMainWnd->m_hWnd)) m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        RunIdleHooks();
    }
    return lCount < 1;
}

int AfxWinMain(int argc, char** argv) {
    static int s_argc = 0;
    s_argc = argc;
    std::unique_ptr<QApplication> own;
    if (!QCoreApplication::instance()) own = std::make_unique<QApplication>(s_argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd)) app->m_pMainWnd->DestroyWindow();
        const int code = app->ExitInstance();
        return code != 0 ? code : -1;
    }
    return app->Run();
}
