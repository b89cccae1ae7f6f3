#pragma once
// Layer-private: what a window draws through GetDC over its child windows. Windows draw on the
// screen over their children unless they clip them (WS_CLIPCHILDREN), so inverted splitter and
// drag lines show across the panes; drawing on a native control shows over its Qt face. Here the drawing goes into the window's picture, which its
// children cover; the overlay, a see-through widget above the children, shows the pixels of that
// drawing that fall on children. A pixel the drawing has brought back to what it was (an inverted
// line drawn again) shows the child again.
#include <QImage>
#include <QWidget>

#include "platform/ui/window_defs.h"

namespace vorn_ui {

class CWindowOverlay : public QWidget {
public:
    explicit CWindowOverlay(QWidget* parent);
    void SetPicture(const QImage& picture, QPoint at);

    // A DC from GetDC is about to draw on h: the picture as it is now is what the drawing is
    // measured against.
    static void BeginDrawing(HWND h);
    // h's picture changed through such a DC: the overlay shows what changed over the children.
    static void DrawingChanged(HWND h);
    // The window repaints or hides: what was drawn over the children goes.
    static void Drop(HWND h);
    // Whether the class of native control h paints it (a WM_PAINT handler in its message map).
    static bool PaintsItself(HWND h);
    // Before such a paint: a clear picture with alpha that holds the colours beneath the
    // control, so that what the painting blends (the edges of letters) blends with them; what
    // it leaves untouched stays see-through.
    static void ClearForOwnPaint(HWND h);
    // After a paint of such a control into its cleared picture: the drawn pixels show above
    // the Qt face, which stays only when the handler let the control paint too, into the
    // window or a DC; what the control painted itself shows live through.
    static void ShowOwnPaint(HWND h);
    // The control handled `message`: when its face is hidden, the face is looked at once the
    // events are done and the control is repainted when it changed.
    static void NoteControlMessage(HWND h, UINT message);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_picture;
    QPoint m_at;
};

}  // namespace vorn_ui
