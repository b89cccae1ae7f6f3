#pragma once
// Support for window tests: a Qt application on the offscreen platform, input sent the way a
// user's input arrives (as Qt events through the application, so the layer's filter turns
// them into messages), and pictures saved as PNG for people to look at.
//
//   int main(int argc, char** argv) { return vorn_test::RunTests(argc, argv); }   // test main
//   vorn_test::Click(&wnd, CPoint(10, 10));                                    // in a test
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <Qt>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"

class CWnd;
class CDC;

namespace vorn_test {

// Creates the QApplication (offscreen unless QT_QPA_PLATFORM says otherwise), initialises
// GoogleTest with the arguments and runs all tests.
inline int RunTests(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform has no window stacking and says so on every raise.
    static QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QLatin1String("This plugin does not support"))) previous(type, context, text);
        });
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Processes pending Qt events (posted messages, timers that are due, paints).
void ProcessEvents(int milliseconds = 0);

// Mouse input at a point in the window's client coordinates. Each call advances the event
// clock by delayMs; a press within the double-click time of the previous press of the same
// button at the same place is a double click.
void MousePress(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier, int delayMs = 600);
void MouseRelease(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier, int delayMs = 10);
void MouseMove(CWnd* wnd, CPoint client, Qt::MouseButtons buttons = Qt::NoButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier, int delayMs = 10);
void Click(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClick(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton);
// One wheel step is 120; positive turns away from the user.
void Wheel(CWnd* wnd, CPoint client, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A key press and release (qtKey a Qt::Key, text what it types).
void KeyPress(CWnd* wnd, int qtKey, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyDown(CWnd* wnd, int qtKey, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyUp(CWnd* wnd, int qtKey, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A path in the build folder's test-pictures directory (created on demand).
CString PicturePath(const char* name);
// Saves a window's picture (after painting what is pending) or a DC's picture as PNG.
bool SavePicture(CWnd* wnd, const char* name);
bool SavePicture(CDC* dc, const char* name);

}  // namespace vorn_test
