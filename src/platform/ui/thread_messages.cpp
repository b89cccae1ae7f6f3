#include "platform/ui/thread_messages.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <map>
#include <mutex>
#include <utility>

#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

BOOL SendNotifyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!vorn_ui::RequireUiThread("SendNotifyMessage")) return FALSE;
    if (!IsWindow(hwnd)) return FALSE;
    SendMessage(hwnd, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendNotifyMessage(m_hWnd, message, wParam, lParam);
}

namespace {

using Key = std::pair<HWND, UINT>;
using Params = std::pair<WPARAM, LPARAM>;

std::mutex g_pendingMutex;
std::map<Key, Params> g_pending;

// Runs on the user-interface thread: takes the latest parameters and hands the message on as
// the pump hands on a posted one.
void DeliverLatest(Key key) {
    Params params;
    {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        auto it = g_pending.find(key);
        if (it == g_pending.end()) return;
        params = it->second;
        g_pending.erase(it);
    }
    if (!IsWindow(key.first)) return;
    MSG msg{key.first, key.second, params.first, params.second, GetTickCount(), POINT{0, 0}};
    DispatchThroughFilter(msg);
}

}  // namespace

BOOL PostCoalescedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !IsWindow(hwnd)) return FALSE;
    const Key key{hwnd, message};
    {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        auto [it, inserted] = g_pending.insert_or_assign(key, Params{wParam, lParam});
        (void)it;
        if (!inserted) return TRUE;  // one is already on its way and now carries these values
    }
    QMetaObject::invokeMethod(app, [key] { DeliverLatest(key); }, Qt::QueuedConnection);
    return TRUE;
}
