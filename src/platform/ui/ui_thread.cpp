#include "platform/ui/ui_thread.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <cassert>
#include <cstdio>

namespace vorn_ui {

namespace {

void ReportToStderr(const char* call) {
    std::fprintf(stderr, "%s called from a thread other than the user-interface thread\n", call);
#ifndef NDEBUG
    assert(!"a window was touched from a worker thread");
#endif
}

std::atomic<WrongThreadHandler> g_handler{&ReportToStderr};

}  // namespace

bool OnUiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

WrongThreadHandler SetWrongThreadHandler(WrongThreadHandler handler) {
    return g_handler.exchange(handler ? handler : &ReportToStderr);
}

bool RequireUiThread(const char* call) {
    if (OnUiThread()) return true;
    g_handler.load()(call);
    return false;
}

}  // namespace vorn_ui
