#include "platform/ui/monitor.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

RECT ToRect(const QRect& r) { return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

std::vector<RECT> ScreenRects(const QList<QScreen*>& screens) {
    std::vector<RECT> out;
    for (QScreen* s : screens) out.push_back(ToRect(s->geometry()));
    return out;
}

HMONITOR Handle(QScreen* s) { return reinterpret_cast<HMONITOR>(s); }

HMONITOR Pick(const RECT& rc, DWORD dwFlags) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const int i = vorn_ui::ScreenForRect(ScreenRects(screens), rc, dwFlags != MONITOR_DEFAULTTONEAREST);
    if (i >= 0) return Handle(screens[i]);
    if (dwFlags == MONITOR_DEFAULTTOPRIMARY) return Handle(QGuiApplication::primaryScreen());
    return nullptr;
}

long long Overlap(const RECT& a, const RECT& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return (w > 0 && h > 0) ? w * h : 0;
}

// Squared gap between two rectangles (0 when they touch or overlap).
long long Gap(const RECT& a, const RECT& b) {
    const long long dx = std::max<long long>({0, b.left - a.right, a.left - b.right});
    const long long dy = std::max<long long>({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

}  // namespace

namespace vorn_ui {

int ScreenForRect(const std::vector<RECT>& screens, const RECT& rc, bool mustTouch) {
    // A point or an empty rectangle still belongs to the screen that contains it.
    const RECT probe{rc.left, rc.top, std::max(rc.right, rc.left + 1), std::max(rc.bottom, rc.top + 1)};
    int best = -1;
    long long bestOverlap = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const long long o = Overlap(screens[i], probe);
        if (o > bestOverlap) {
            bestOverlap = o;
            best = static_cast<int>(i);
        }
    }
    if (best >= 0 || mustTouch) return best;
    long long bestGap = LLONG_MAX;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const long long g = Gap(screens[i], probe);
        if (g < bestGap) {
            bestGap = g;
            best = static_cast<int>(i);
        }
    }
    return best;
}

}  // namespace vorn_ui

HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags) {
    return lprc ? Pick(*lprc, dwFlags) : nullptr;
}

HMONITOR MonitorFromPoint(POINT pt, DWORD dwFlags) { return Pick(RECT{pt.x, pt.y, pt.x + 1, pt.y + 1}, dwFlags); }

HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags) {
    RECT rc;
    if (!::GetWindowRect(hwnd, &rc)) return dwFlags == MONITOR_DEFAULTTONULL ? nullptr : Handle(QGuiApplication::primaryScreen());
    return Pick(rc, dwFlags);
}

BOOL GetMonitorInfo(HMONITOR hMonitor, LPMONITORINFO lpmi) {
    if (!hMonitor || !lpmi) return FALSE;
    for (QScreen* s : QGuiApplication::screens()) {
        if (Handle(s) != hMonitor) continue;
        lpmi->rcMonitor = ToRect(s->geometry());
        lpmi->rcWork = ToRect(s->availableGeometry());
        lpmi->dwFlags = s == QGuiApplication::primaryScreen() ? MONITORINFOF_PRIMARY : 0;
        return TRUE;
    }
    return FALSE;
}

HWND GetDesktopWindow() {
    static CWnd* desktop = nullptr;
    QRect all;
    for (QScreen* s : QGuiApplication::screens()) all |= s->geometry();
    if (all.isEmpty()) all = QRect(0, 0, 1024, 768);
    if (!desktop || !::IsWindow(desktop->m_hWnd)) {
        delete desktop;
        desktop = new CWnd;
        if (!desktop->CreateEx(0, nullptr, L"", WS_POPUP, all.left(), all.top(), all.width(), all.height(), nullptr,
                               nullptr))
            return nullptr;
    }
    // Screens come and go; the desktop follows them.
    CRect now;
    desktop->GetWindowRect(&now);
    if (now != CRect(ToRect(all))) desktop->MoveWindow(all.left(), all.top(), all.width(), all.height(), FALSE);
    return desktop->m_hWnd;
}
