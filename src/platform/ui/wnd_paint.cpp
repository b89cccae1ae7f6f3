// Painting: each window keeps a picture of its client area (its backing store). Invalidation
// collects a region; the paint cycle sends WM_ERASEBKGND and WM_PAINT for it and the widget
// then shows the store. DCs from GetDC draw straight into the store.
#include <QPaintEvent>
#include <QPainter>

#include "platform/ui/client_dc.h"
#include "platform/ui/dc_record.h"
#include "platform/ui/rgn.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_overlay.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

using namespace vorn_ui;

namespace vorn_ui {

HDC NewWindowDC(HWND hwnd, bool wholeWindow);
HDC NewImageDC(QImage* image);

namespace {

// Whether the window is, or is inside, the window whose drawing LockWindowUpdate stopped.
bool IsUpdateLocked(HWND h) {
    const HWND locked = LockedUpdateWindow();
    for (HWND w = h; w && locked; w = w->parent)
        if (w == locked) return true;
    return false;
}

WPARAM SizeKind(HWND h) {
    if (IsIconic(h)) return SIZE_MINIMIZED;
    if (IsZoomed(h)) return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}

}  // namespace

CWindowWidget::CWindowWidget(HWND hwnd, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_hwnd(hwnd) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

bool CWindowWidget::event(QEvent* e) {
    HWND h = m_hwnd;
    if (h && IsLive(h)) {
        switch (e->type()) {
        case QEvent::Resize:
        case QEvent::Move:
            LayoutScrollBars(h);
            NoteGeometry(h);
            break;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (isWindow()) {
                const bool active = e->type() == QEvent::WindowActivate;
                // A window losing the activation ends what its mouse capture was doing.
                HWND capture = GetCapture();
                if (!active && capture && (capture == h || IsChild(h, capture))) SendMessage(capture, WM_CANCELMODE, 0, 0);
                if (IsLive(h)) SendMessage(h, WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
                if (!IsLive(h)) return true;
            }
            break;
        case QEvent::WindowStateChange:
            if (isWindow()) {
                // Minimising leaves no client area; maximising and restoring tell the new state.
                const QSize client = isMinimized() ? QSize(0, 0) : ClientRectInWidget(h).size();
                SendMessage(h, WM_SIZE, SizeKind(h), MAKELPARAM(client.width(), client.height()));
            }
            break;
        case QEvent::Close:
            // The window decides: WM_CLOSE destroys it by default.
            e->ignore();
            SendMessage(h, WM_CLOSE, 0, 0);
            return true;
        default: break;
        }
    }
    return QWidget::event(e);
}

void CWindowWidget::paintEvent(QPaintEvent*) {
    HWND h = m_hwnd;
    if (!h || !IsLive(h)) return;
    RunPaintCycle(h);
    if (!IsLive(h) || !h->widget) return;
    DrawNonClient(h, this);  // paints with its own painter, before this one begins
    QPainter p(this);
    const QRect client = ClientRectInWidget(h);
    if (!h->store.isNull() && !h->ownPaint) {
        // Bitmaps of this layer leave the alpha byte of stores opaque, so the picture is shown as it is.
        p.drawImage(client.topLeft(), h->store);
    }
}

void EnsureStore(HWND h) {
    const QSize size = ClientRectInWidget(h).size();
    if (h->store.size() == size && !h->store.isNull()) return;
    if (size.isEmpty()) {
        h->store = QImage();
        return;
    }
    QImage next(size, QImage::Format_RGB32);
    next.fill(0xFFFFFFFFu);
    if (!h->store.isNull()) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, h->store);
    }
    h->store = next;
}

void InvalidateAll(HWND h, bool erase) {
    if (!IsLive(h)) return;
    const QRect client(QPoint(0, 0), ClientRectInWidget(h).size());
    h->invalid = QRegion(client);
    h->eraseInvalid = h->eraseInvalid || erase;
    if (h->widget && h->redraw) h->widget->update();
}

void RunPaintCycle(HWND h) {
    if (!IsLive(h) || h->invalid.isEmpty() || !IsWindowVisible(h) || IsUpdateLocked(h)) return;
    EnsureStore(h);
    h->beganPaint = false;
    const bool ownPaint = CWindowOverlay::PaintsItself(h);
    if (ownPaint != h->ownPaint && h->widget) {
        // The parent shows through where such a control's painting leaves pixels untouched.
        h->ownPaint = ownPaint;
        h->widget->setAttribute(Qt::WA_OpaquePaintEvent, !ownPaint);
        if (!ownPaint) CWindowOverlay::Drop(h);
    }
    if (ownPaint) {
        CWindowOverlay::ClearForOwnPaint(h);
        h->invalid = QRegion(h->store.rect());
    }
    h->paintReachedControl = false;
    h->facePicture = QImage();
    SendMessage(h, WM_PAINT, 0, 0);
    if (ownPaint && IsLive(h)) CWindowOverlay::ShowOwnPaint(h);
    // A WM_PAINT handler that painted nothing must not bring the same region back forever.
    if (IsLive(h) && !h->beganPaint) {
        h->invalid = QRegion();
        h->eraseInvalid = false;
    }
}

void NoteGeometry(HWND h) {
    if (!IsLive(h) || !h->widget) return;
    QWidget* w = h->widget.data();
    const QSize client = ClientRectInWidget(h).size();
    QPoint pos = w->pos();
    if (h->parent) pos -= ClientRectInWidget(h->parent).topLeft();
    if (client != h->lastClientSize) {
        h->lastClientSize = client;
        EnsureStore(h);
        InvalidateAll(h, true);
        SendMessage(h, WM_SIZE, SizeKind(h), MAKELPARAM(client.width(), client.height()));
        if (!IsLive(h)) return;
    }
    if (pos != h->lastPosition) {
        h->lastPosition = pos;
        const QPoint clientPos = h->parent ? pos + ClientRectInWidget(h).topLeft() : ClientOriginOnScreen(h);
        SendMessage(h, WM_MOVE, 0, MAKELPARAM(clientPos.x(), clientPos.y()));
    }
}

void DrawNonClient(HWND h, QWidget* w) {
    const QMargins m = NonClientMargins(h);
    if (m.isNull()) return;
    QPainter p(w);
    auto color = [](int index) {
        const COLORREF c = GetSysColor(index);
        return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    };
    QRect r = w->rect();
    auto frame = [&](const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    };
    if (h->style & WS_BORDER) frame(color(COLOR_WINDOWFRAME), color(COLOR_WINDOWFRAME));
    if (h->exStyle & WS_EX_STATICEDGE) frame(color(COLOR_BTNSHADOW), color(COLOR_BTNHIGHLIGHT));
    if (h->exStyle & WS_EX_CLIENTEDGE) {
        frame(color(COLOR_BTNSHADOW), color(COLOR_BTNHIGHLIGHT));
        frame(color(COLOR_3DDKSHADOW), color(COLOR_3DLIGHT));
    }
    // The corner between two scroll bars.
    if ((h->style & WS_VSCROLL) && (h->style & WS_HSCROLL) && h->scroll[SB_VERT].bar && h->scroll[SB_HORZ].bar) {
        const QRect client = ClientRectInWidget(h);
        const int x = (h->exStyle & WS_EX_LEFTSCROLLBAR) ? r.left() : client.right() + 1;
        p.fillRect(QRect(x, client.bottom() + 1, 17, 17), color(COLOR_BTNFACE));
    }
}

Surface WindowStoreSurface(HWND hwnd, QPoint* clientOffset) {
    Surface s;
    if (!IsLive(hwnd)) return s;
    EnsureStore(hwnd);
    s.image = &hwnd->store;
    if (clientOffset) *clientOffset = ClientRectInWidget(hwnd).topLeft();
    return s;
}

void WindowStoreChanged(HWND hwnd) {
    if (!IsLive(hwnd) || !hwnd->widget) return;
    hwnd->widget->update();
    CWindowOverlay::DrawingChanged(hwnd);
}

}  // namespace vorn_ui

// Invalidation

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
    if (!IsLive(hwnd) || !RequireUiThread("InvalidateRgn")) return FALSE;
    // A hidden window has nothing to repaint; showing it repaints it whole.
    if (!IsWindowVisible(hwnd)) return TRUE;
    const QRect client(QPoint(0, 0), ClientRectInWidget(hwnd).size());
    RgnRecord* r = ToRgn(rgn);
    const QRegion add = r ? (r->region & client) : QRegion(client);
    if (add.isEmpty()) return TRUE;
    hwnd->invalid |= add;
    if (erase) hwnd->eraseInvalid = true;
    if (hwnd->widget && hwnd->redraw) hwnd->widget->update(add.boundingRect().translated(ClientRectInWidget(hwnd).topLeft()));
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, LPCRECT rc, BOOL erase) {
    if (!IsLive(hwnd)) return FALSE;
    if (!rc) return InvalidateRgn(hwnd, nullptr, erase);
    HRGN rgn = CreateRectRgnIndirect(rc);
    InvalidateRgn(hwnd, rgn, erase);
    DeleteObject(rgn);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, LPCRECT rc) {
    if (!IsLive(hwnd)) return FALSE;
    if (!rc) hwnd->invalid = QRegion();
    else hwnd->invalid -= QRegion(QRect(rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top));
    if (hwnd->invalid.isEmpty()) hwnd->eraseInvalid = false;
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!IsLive(hwnd) || !RequireUiThread("UpdateWindow")) return FALSE;
    RunPaintCycle(hwnd);
    if (IsLive(hwnd) && hwnd->widget) hwnd->widget->update();
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, LPCRECT rc, HRGN rgn, UINT flags) {
    if (!IsLive(hwnd)) return FALSE;
    if (flags & RDW_INVALIDATE) {
        if (rgn) InvalidateRgn(hwnd, rgn, (flags & RDW_ERASE) != 0);
        else InvalidateRect(hwnd, rc, (flags & RDW_ERASE) != 0);
    }
    if (flags & RDW_VALIDATE) {
        if (rgn) {
            if (RgnRecord* r = ToRgn(rgn)) hwnd->invalid -= r->region;
        } else {
            ValidateRect(hwnd, rc);
        }
    }
    if (flags & RDW_ALLCHILDREN) {
        if (hwnd->widget)
            for (QObject* o : hwnd->widget->children())
                if (auto* w = qobject_cast<QWidget*>(o)) {
                    HWND c = RecordOfWidget(w);
                    if (c && c != hwnd && c->parent == hwnd) RedrawWindow(c, nullptr, nullptr, flags);
                }
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(hwnd);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    if (!IsLive(hwnd) || !ps) return nullptr;
    EnsureStore(hwnd);
    if (!hwnd->ownPaint) CWindowOverlay::Drop(hwnd);
    HDC dc = NewWindowDC(hwnd, false);
    dc->paintDC = true;
    hwnd->beganPaint = true;
    dc->systemClip = hwnd->invalid;
    dc->hasSystemClip = true;
    const QRect b = hwnd->invalid.boundingRect();
    *ps = PAINTSTRUCT{};
    ps->hdc = dc;
    ps->rcPaint = b.isEmpty() ? RECT{0, 0, 0, 0} : RECT{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    const bool erase = hwnd->eraseInvalid;
    hwnd->invalid = QRegion();
    hwnd->eraseInvalid = false;
    ps->fErase = erase ? (SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0) : FALSE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps || !ps->hdc) return FALSE;
    DeleteDC(ps->hdc);
    if (IsLive(hwnd) && hwnd->widget) hwnd->widget->update();
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!RequireUiThread("GetDC")) return nullptr;
    // The screen: for measuring text and asking device capabilities; what is drawn shows nowhere.
    if (!hwnd) return NewScreenDC();
    if (!IsLive(hwnd)) return nullptr;
    EnsureStore(hwnd);
    CWindowOverlay::BeginDrawing(hwnd);
    return NewWindowDC(hwnd, false);
}

HDC GetWindowDC(HWND hwnd) {
    if (!IsLive(hwnd)) return nullptr;
    EnsureStore(hwnd);
    return NewWindowDC(hwnd, true);
}

int ReleaseDC(HWND, HDC dc) { return DeleteDC(dc) ? 1 : 0; }

// CWnd painting members

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) { ::InvalidateRgn(m_hWnd, pRgn ? static_cast<HRGN>(*pRgn) : nullptr, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
void CWnd::ValidateRgn(CRgn* pRgn) {
    if (!m_hWnd) return;
    if (!pRgn) m_hWnd->invalid = QRegion();
    else if (RgnRecord* r = ToRgn(*pRgn)) m_hWnd->invalid -= r->region;
}
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? static_cast<HRGN>(*prgnUpdate) : nullptr, flags);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL) {
    if (!m_hWnd) return FALSE;
    const QRect b = m_hWnd->invalid.boundingRect();
    if (lpRect) *lpRect = b.isEmpty() ? RECT{0, 0, 0, 0} : RECT{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return !b.isEmpty();
}

int CWnd::GetUpdateRgn(CRgn* pRgn, BOOL) {
    if (!m_hWnd || !pRgn) return ERROR;
    if (!pRgn->m_hObject) pRgn->CreateRectRgn(0, 0, 0, 0);
    ToRgn(*pRgn)->region = m_hWnd->invalid;
    return m_hWnd->invalid.isEmpty() ? NULLREGION : (m_hWnd->invalid.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION);
}

CDC* CWnd::GetDC() {
    HDC dc = ::GetDC(m_hWnd);
    return dc ? CDC::FromHandle(dc) : nullptr;
}

CDC* CWnd::GetWindowDC() {
    HDC dc = ::GetWindowDC(m_hWnd);
    return dc ? CDC::FromHandle(dc) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC || !pDC->m_hDC) return 0;
    HDC dc = pDC->m_hDC;
    // A wrapper made by FromHandle goes with its handle.
    if (dc->temporary.get() == pDC) return ::ReleaseDC(m_hWnd, dc);
    pDC->Detach();
    return ::ReleaseDC(m_hWnd, dc);
}

bool CWnd::SavePicture(const CString& path) const {
    if (!m_hWnd || !IsLive(m_hWnd)) return false;
    RunPaintCycle(m_hWnd);
    if (m_hWnd->store.isNull()) return false;
    const RgnRecord* shape = ToRgn(m_hWnd->windowRgn);
    if (!shape) return m_hWnd->store.convertToFormat(QImage::Format_RGB32).save(QString::fromStdWString(path.str()), "PNG");
    // The screen shows nothing of the window outside its region (window coordinates), so
    // neither does the picture: those pixels are transparent (white where alpha is ignored).
    QImage picture(m_hWnd->store.size(), QImage::Format_ARGB32);
    picture.fill(qRgba(255, 255, 255, 0));
    {
        QPainter p(&picture);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setClipRegion(shape->region.translated(-ClientRectInWidget(m_hWnd).topLeft()));
        p.drawImage(0, 0, m_hWnd->store.convertToFormat(QImage::Format_ARGB32));
    }
    return picture.save(QString::fromStdWString(path.str()), "PNG");
}

// Window DCs

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC dc = ::BeginPaint(m_hWnd, &m_ps);
    if (dc) Attach(dc);
}

CPaintDC::~CPaintDC() {
    if (m_hDC) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC dc = ::GetDC(m_hWnd);
    if (dc) Attach(dc);
}

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC dc = ::GetWindowDC(m_hWnd);
    if (dc) Attach(dc);
}

CWindowDC::~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CImageDC::CImageDC(QImage* image) {
    if (image && image->format() != QImage::Format_RGB32) *image = image->convertToFormat(QImage::Format_RGB32);
    Attach(NewImageDC(image));
    m_ownsDC = true;
}

CImageDC::~CImageDC() { DeleteDC(); }
