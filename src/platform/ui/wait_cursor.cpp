#include "platform/ui/wait_cursor.h"

#include <QApplication>
#include <QCursor>

#include "platform/ui/cmd_target.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"

namespace {
int g_waitCount = 0;
}

void AfxDoWaitCursor(int nCode) {
    // A worker ends or begins the wait on the user-interface thread, in the order it asked.
    if (!vorn_ui::OnUiThread()) {
        QMetaObject::invokeMethod(qApp, [nCode] { AfxDoWaitCursor(nCode); }, Qt::QueuedConnection);
        return;
    }
    if (nCode > 0) {
        if (g_waitCount++ == 0 && qApp) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else if (nCode < 0) {
        if (g_waitCount == 0) return;
        if (--g_waitCount == 0 && qApp) QApplication::restoreOverrideCursor();
    } else if (g_waitCount > 0 && qApp) {
        QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

int AfxGetWaitCursorCount() { return g_waitCount; }

// The command targets reach the application's wait cursor, so that an application that
// shows its own cursor sees every begin and end.
namespace {
void WaitCursorThroughApp(int nCode) {
    if (!vorn_ui::OnUiThread()) {
        QMetaObject::invokeMethod(qApp, [nCode] { WaitCursorThroughApp(nCode); }, Qt::QueuedConnection);
        return;
    }
    if (CWinApp* app = AfxGetApp()) app->DoWaitCursor(nCode);
    else AfxDoWaitCursor(nCode);
}
}  // namespace

CWaitCursor::CWaitCursor() { WaitCursorThroughApp(1); }
CWaitCursor::~CWaitCursor() { WaitCursorThroughApp(-1); }
void CWaitCursor::Restore() { WaitCursorThroughApp(0); }


void CCmdTarget::BeginWaitCursor() { WaitCursorThroughApp(1); }
void CCmdTarget::EndWaitCursor() { WaitCursorThroughApp(-1); }
void CCmdTarget::RestoreWaitCursor() { WaitCursorThroughApp(0); }
