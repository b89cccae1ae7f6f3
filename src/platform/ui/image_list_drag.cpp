#include "platform/ui/image_list_drag.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "platform/ui/monitor.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

// Shows the picture; Qt keeps it above other windows, out of the focus chain and out of the
// way of the mouse.
class DragImageWindow : public QWidget {
public:
    explicit DragImageWindow(const QImage& picture)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput),
          m_picture(picture) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(picture.size());
        // Without a compositor the transparent parts are cut away instead.
        setMask(QBitmap::fromImage(picture.createAlphaMask()));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_picture);
    }

private:
    QImage m_picture;
};

struct DragState {
    QImage picture;
    QPoint hotSpot;
    HWND lock = nullptr;       // the window the points are relative to; null for the screen
    QPoint position;           // the last point, relative to lock
    bool entered = false;      // between DragEnter and DragLeave
    bool shown = false;        // DragShowNolock
    QPointer<DragImageWindow> window;
};

DragState& Drag() {
    static DragState state;
    return state;
}

QPoint ScreenOrigin(HWND lock) {
    if (!lock || lock == GetDesktopWindow() || !IsWindow(lock)) return QPoint(0, 0);
    RECT rc;
    GetWindowRect(lock, &rc);
    return QPoint(rc.left, rc.top);
}

// Puts the window where the state says, or hides it.
void Update() {
    DragState& d = Drag();
    const bool visible = d.entered && d.shown && !d.picture.isNull();
    if (!visible) {
        if (d.window) d.window->hide();
        return;
    }
    if (!d.window) d.window = new DragImageWindow(d.picture);
    d.window->move(ScreenOrigin(d.lock) + d.position - d.hotSpot);
    if (!d.window->isVisible()) d.window->show();
}

}  // namespace

BOOL ImageList_BeginDrag(HIMAGELIST himlTrack, int iTrack, int dxHotspot, int dyHotspot) {
    if (!vorn_ui::RequireUiThread("ImageList_BeginDrag")) return FALSE;
    ImageList_EndDrag();
    QImage picture = vorn_ui::ImageListPicture(himlTrack, iTrack);
    if (picture.isNull()) return FALSE;
    DragState& d = Drag();
    d.picture = picture;
    d.hotSpot = QPoint(dxHotspot, dyHotspot);
    return TRUE;
}

BOOL ImageList_DragEnter(HWND hwndLock, int x, int y) {
    DragState& d = Drag();
    if (d.picture.isNull() || !vorn_ui::RequireUiThread("ImageList_DragEnter")) return FALSE;
    d.lock = hwndLock;
    d.position = QPoint(x, y);
    d.entered = true;
    d.shown = true;
    Update();
    return TRUE;
}

BOOL ImageList_DragMove(int x, int y) {
    DragState& d = Drag();
    if (d.picture.isNull() || !vorn_ui::RequireUiThread("ImageList_DragMove")) return FALSE;
    d.position = QPoint(x, y);
    Update();
    return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL fShow) {
    DragState& d = Drag();
    if (d.picture.isNull() || !vorn_ui::RequireUiThread("ImageList_DragShowNolock")) return FALSE;
    d.shown = fShow != FALSE;
    Update();
    return TRUE;
}

BOOL ImageList_DragLeave(HWND) {
    DragState& d = Drag();
    if (!vorn_ui::RequireUiThread("ImageList_DragLeave")) return FALSE;
    d.entered = false;
    Update();
    return TRUE;
}

void ImageList_EndDrag() {
    if (!vorn_ui::RequireUiThread("ImageList_EndDrag")) return;
    DragState& d = Drag();
    delete d.window.data();
    d = DragState{};
}

namespace vorn_ui {

BOOL GetDragImageRect(LPRECT rc) {
    const DragState& d = Drag();
    if (!d.window || !d.window->isVisible() || !rc) return FALSE;
    const QRect g = d.window->geometry();
    *rc = RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return TRUE;
}

}  // namespace vorn_ui

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot) {
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}
BOOL CImageList::DragEnter(CWnd* pWndLock, CPoint point) {
    return ImageList_DragEnter(pWndLock ? pWndLock->m_hWnd : nullptr, point.x, point.y);
}
BOOL CImageList::DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }
BOOL CImageList::DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }
BOOL CImageList::DragLeave(CWnd* pWndLock) { return ImageList_DragLeave(pWndLock ? pWndLock->m_hWnd : nullptr); }
void CImageList::EndDrag() { ImageList_EndDrag(); }
