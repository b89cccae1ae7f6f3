#pragma once
// Layer-private: the window record behind an HWND, the widget that shows it, and the
// layer-wide input state.
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

class CWnd;

namespace vorn_ui {

struct ScrollBarState {
    SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    QScrollBar* bar = nullptr;  // the child scroll bar, when the window has WS_VSCROLL/WS_HSCROLL
    bool tracking = false;
    bool updating = false;
};

class CWindowWidget;

}  // namespace vorn_ui

struct HWND__ {
    CWnd* wnd = nullptr;            // the CWnd the messages go to
    bool ownsWnd = false;           // wnd was made by FromHandle for this handle
    QPointer<QWidget> widget;
    std::wstring className;
    WNDCLASS cls{};
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;          // child windows
    HWND owner = nullptr;           // popups and other top-level windows
    UINT id = 0;
    std::wstring text;
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    bool redraw = true;
    bool destroying = false;
    // Backing store of the client area, its invalid part (client coordinates) and whether
    // that part still needs WM_ERASEBKGND.
    QImage store;
    QRegion invalid;
    bool eraseInvalid = false;
    bool everShown = false;
    bool beganPaint = false;      // BeginPaint ran during the current WM_PAINT
    QSize lastClientSize{-1, -1};
    QPoint lastPosition{INT_MIN, INT_MIN};
    std::map<UINT_PTR, QTimer*> timers;
    std::map<UINT_PTR, TIMERPROC> timerProcs;
    vorn_ui::ScrollBarState scroll[2];  // SB_HORZ, SB_VERT
    HRGN windowRgn = nullptr;
    bool trackLeave = false;
    long long zOrder = 0;           // top-level stacking: larger is higher
    // Drawing through GetDC over the children: the picture it is measured against and the
    // widget that shows it above them.
    QImage overlayBase;
    QPointer<QWidget> overlay;
    // A native control whose class paints it itself (its own WM_PAINT): what that painting
    // draws shows above the Qt face, or in its place when the control's own painting is not
    // asked for.
    bool ownPaint = false;
    bool paintReachedControl = false;
    // The Qt face's picture during the last such painting: what the control printed into a DC,
    // or, when the face is hidden, how it looked then. A hidden face's own changes are found
    // by comparing against it after the messages the control handles.
    QImage facePicture;
    bool faceCheckPending = false;
};

namespace vorn_ui {

// The plain widget of our own window classes: shows the border, the backing store and
// places the scroll bars; input reaches it through the layer's event filter.
class CWindowWidget : public QWidget {
public:
    CWindowWidget(HWND hwnd, QWidget* parent, Qt::WindowFlags flags);
    HWND hwnd() const { return m_hwnd; }
    void Detach() { m_hwnd = nullptr; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    HWND m_hwnd;
};

HWND RecordOfWidget(const QWidget* w);
bool IsLive(HWND h);

// Geometry helpers (widget pixels).
QMargins NonClientMargins(HWND h);
QRect ClientRectInWidget(HWND h);
QPoint ClientOriginOnScreen(HWND h);

// Painting
void EnsureStore(HWND h);
void RunPaintCycle(HWND h);
void InvalidateAll(HWND h, bool erase);
void NoteGeometry(HWND h);
void LayoutScrollBars(HWND h);
void DrawNonClient(HWND h, QWidget* w);
// The window whose drawing LockWindowUpdate stopped, if any; a destroyed one holds nothing.
HWND LockedUpdateWindow();
void NoteUpdateLockDestroyed(HWND h);

// Input
void EnsureInputFilter();
void NoteDestroyed(HWND h);
LRESULT CallWindow(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
bool IsOffscreen();

}  // namespace vorn_ui
