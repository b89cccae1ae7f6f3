#include "platform/ui/test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWheelEvent>
#include <QWidget>

#include "platform/ui/dc.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace vorn_test {

namespace {

ulong g_clock = 100000;
Qt::MouseButtons g_buttons;

QWidget* WidgetOf(CWnd* wnd) { return wnd ? wnd->GetWidget() : nullptr; }

QPoint ScreenPoint(CWnd* wnd, CPoint client) {
    POINT p = client;
    ClientToScreen(wnd->m_hWnd, &p);
    return QPoint(p.x, p.y);
}

void SendMouse(CWnd* wnd, QEvent::Type type, CPoint client, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers, int delayMs) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    g_clock += static_cast<ulong>(std::max(1, delayMs));
    const QPoint screen = ScreenPoint(wnd, client);
    const QPointF local = w->mapFromGlobal(screen);
    QMouseEvent e(type, local, local, screen, button, buttons, modifiers, QPointingDevice::primaryPointingDevice());
    e.setTimestamp(g_clock);
    QCoreApplication::sendEvent(w, &e);
}

QWidget* KeyTarget(CWnd* wnd) {
    HWND focus = GetFocus();
    if (focus) {
        CWnd* f = CWnd::FromHandle(focus);
        if (f && f->GetWidget()) return f->GetWidget();
    }
    return WidgetOf(wnd);
}

void SendKey(CWnd* wnd, QEvent::Type type, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWidget* w = KeyTarget(wnd);
    if (!w) return;
    g_clock += 10;
    QKeyEvent e(type, qtKey, modifiers, text);
    e.setTimestamp(g_clock);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

void ProcessEvents(int milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (milliseconds > 0) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MousePress(CWnd* wnd, CPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int delayMs) {
    g_buttons |= button;
    SendMouse(wnd, QEvent::MouseButtonPress, client, button, g_buttons, modifiers, delayMs);
}

void MouseRelease(CWnd* wnd, CPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int delayMs) {
    g_buttons &= ~Qt::MouseButtons(button);
    SendMouse(wnd, QEvent::MouseButtonRelease, client, button, g_buttons, modifiers, delayMs);
}

void MouseMove(CWnd* wnd, CPoint client, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int delayMs) {
    g_buttons = buttons;
    SendMouse(wnd, QEvent::MouseMove, client, Qt::NoButton, buttons, modifiers, delayMs);
}

void Click(CWnd* wnd, CPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    MousePress(wnd, client, button, modifiers);
    MouseRelease(wnd, client, button, modifiers);
}

void DoubleClick(CWnd* wnd, CPoint client, Qt::MouseButton button) {
    MousePress(wnd, client, button, Qt::NoModifier, 600);
    MouseRelease(wnd, client, button, Qt::NoModifier, 40);
    MousePress(wnd, client, button, Qt::NoModifier, 60);
    MouseRelease(wnd, client, button, Qt::NoModifier, 40);
}

void Wheel(CWnd* wnd, CPoint client, int delta, Qt::KeyboardModifiers modifiers) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    g_clock += 10;
    const QPoint screen = ScreenPoint(wnd, client);
    QWheelEvent e(w->mapFromGlobal(screen), screen, QPoint(), QPoint(0, delta), g_buttons, modifiers,
                  Qt::NoScrollPhase, false);
    e.setTimestamp(g_clock);
    QCoreApplication::sendEvent(w, &e);
}

void KeyDown(CWnd* wnd, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    SendKey(wnd, QEvent::KeyPress, qtKey, text, modifiers);
}

void KeyUp(CWnd* wnd, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    SendKey(wnd, QEvent::KeyRelease, qtKey, text, modifiers);
}

void KeyPress(CWnd* wnd, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    KeyDown(wnd, qtKey, text, modifiers);
    KeyUp(wnd, qtKey, text, modifiers);
}

CString PicturePath(const char* name) {
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../test-pictures"));
    dir.mkpath(QStringLiteral("."));
    return CString(dir.absoluteFilePath(QString::fromUtf8(name)).toStdWString());
}

bool SavePicture(CWnd* wnd, const char* name) { return wnd && wnd->SavePicture(PicturePath(name)); }

bool SavePicture(CDC* dc, const char* name) { return dc && dc->SavePng(PicturePath(name)); }

}  // namespace vorn_test
