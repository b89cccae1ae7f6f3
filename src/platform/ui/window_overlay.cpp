#include "platform/ui/window_overlay.h"

#include <QPainter>
#include <QTimer>

#include "platform/core/colors.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

namespace vorn_ui {

namespace {

// What covers h's own picture: the client areas of its visible children and, for a native
// control, its Qt face; in h's client coordinates.
QRegion ChildrenArea(HWND h) {
    QRegion area;
    QWidget* w = h->widget.data();
    if (!w) return area;
    const QPoint client = ClientRectInWidget(h).topLeft();
    if (CNativeControl* control = CNativeControl::Of(h); control && control->QtWidget() && control->QtWidget()->isVisible() && !h->ownPaint)
        area |= control->QtWidget()->geometry().translated(-client);
    for (QObject* o : w->children()) {
        auto* cw = qobject_cast<QWidget*>(o);
        if (!cw || !cw->isVisible() || dynamic_cast<CWindowOverlay*>(cw)) continue;
        HWND c = RecordOfWidget(cw);
        if (!c || c == h || c->parent != h) continue;
        area |= cw->geometry().translated(-client);
    }
    return area;
}

bool DrawsOverChildren(HWND h) { return IsLive(h) && h->widget && !(h->style & WS_CLIPCHILDREN); }

QImage FacePicture(QWidget* face) { return face->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Messages that only ask or paint: they change nothing the face shows.
bool LeavesFaceAlone(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_ERASEBKGND:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE: return true;
    default: return false;
    }
}

void CheckHiddenFace(HWND h) {
    h->faceCheckPending = false;
    CNativeControl* control = CNativeControl::Of(h);
    QWidget* face = control ? control->QtWidget() : nullptr;
    if (!h->ownPaint || !face || !face->isHidden()) return;
    QImage now = FacePicture(face);
    if (now == h->facePicture) return;
    h->facePicture = std::move(now);
    InvalidateRect(h, nullptr, TRUE);
}

}  // namespace

CWindowOverlay::CWindowOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CWindowOverlay::SetPicture(const QImage& picture, QPoint at) {
    m_picture = picture;
    m_at = at;
    update();
}

void CWindowOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(m_at, m_picture);
}

void CWindowOverlay::BeginDrawing(HWND h) {
    if (!DrawsOverChildren(h) || !h->overlayBase.isNull() || h->store.isNull()) return;
    if (ChildrenArea(h).isEmpty()) return;
    h->overlayBase = h->store.copy();
}

void CWindowOverlay::DrawingChanged(HWND h) {
    if (!DrawsOverChildren(h) || h->overlayBase.isNull()) return;
    if (h->overlayBase.size() != h->store.size()) {
        Drop(h);
        return;
    }
    const QRegion area = ChildrenArea(h) & h->store.rect();
    const QRect bounds = area.boundingRect();
    QImage picture(bounds.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    bool any = false;
    for (const QRect& r : area) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* now = reinterpret_cast<const QRgb*>(h->store.constScanLine(y));
            const auto* was = reinterpret_cast<const QRgb*>(h->overlayBase.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y - bounds.top()));
            for (int x = r.left(); x <= r.right(); ++x) {
                if ((now[x] & 0xFFFFFFu) == (was[x] & 0xFFFFFFu)) continue;
                out[x - bounds.left()] = now[x] | 0xFF000000u;
                any = true;
            }
        }
    }
    if (!any) {
        Drop(h);
        return;
    }
    auto* overlay = dynamic_cast<CWindowOverlay*>(h->overlay.data());
    if (!overlay) {
        overlay = new CWindowOverlay(h->widget.data());
        h->overlay = overlay;
    }
    overlay->setGeometry(ClientRectInWidget(h));
    overlay->SetPicture(picture, bounds.topLeft());
    overlay->show();
    overlay->raise();
}

void CWindowOverlay::Drop(HWND h) {
    if (!IsLive(h)) return;
    h->overlayBase = QImage();
    if (CNativeControl* control = CNativeControl::Of(h); control && control->QtWidget() && !h->ownPaint)
        control->QtWidget()->show();
    if (QWidget* overlay = h->overlay.data()) {
        h->overlay = nullptr;
        overlay->hide();
        overlay->deleteLater();
    }
}

bool CWindowOverlay::PaintsItself(HWND h) {
    if (!IsLive(h) || !CNativeControl::Of(h)) return false;
    const CWnd* wnd = CWnd::FromHandlePermanent(h);
    if (!wnd) return false;
    return wnd->MapsMessage(WM_PAINT);
}

void CWindowOverlay::ClearForOwnPaint(HWND h) {
    if (h->store.format() != QImage::Format_ARGB32) h->store = QImage(h->store.size(), QImage::Format_ARGB32);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    h->store.fill(qRgba(GetRValue(face), GetGValue(face), GetBValue(face), 0));
    HWND parent = h->parent;
    if (!IsLive(parent) || parent->store.isNull()) return;
    const QPoint at = ClientOriginOnScreen(h) - ClientOriginOnScreen(parent);
    const QRect beneath = QRect(at, h->store.size()) & parent->store.rect();
    for (int y = beneath.top(); y <= beneath.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(parent->store.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(h->store.scanLine(y - at.y()));
        for (int x = beneath.left(); x <= beneath.right(); ++x) to[x - at.x()] = from[x] & 0x00FFFFFFu;
    }
}

void CWindowOverlay::ShowOwnPaint(HWND h) {
    CNativeControl* control = CNativeControl::Of(h);
    QWidget* container = h->widget.data();
    if (!control || !container || h->store.isNull()) return;
    QWidget* face = control->QtWidget();
    if (face) face->setVisible(h->paintReachedControl);
    // The cleared picture keeps alpha 0 where nothing was drawn: the control or the parent
    // shows through there.
    if (h->store.format() != QImage::Format_ARGB32) return;
    QImage picture = h->store.copy();
    if (face && !h->paintReachedControl) {
        h->facePicture = FacePicture(face);
    } else if (h->facePicture.size() == picture.size()) {
        // Pixels the control printed and nobody changed since are the live face's.
        for (int y = 0; y < picture.height(); ++y) {
            auto* p = reinterpret_cast<QRgb*>(picture.scanLine(y));
            const auto* f = reinterpret_cast<const QRgb*>(h->facePicture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if (((p[x] ^ f[x]) & 0x00FFFFFFu) == 0) p[x] &= 0x00FFFFFFu;
        }
    }
    auto* overlay = dynamic_cast<CWindowOverlay*>(h->overlay.data());
    if (!overlay) {
        overlay = new CWindowOverlay(container);
        h->overlay = overlay;
    }
    overlay->setGeometry(ClientRectInWidget(h));
    overlay->SetPicture(picture, QPoint(0, 0));
    overlay->show();
    overlay->raise();
}

void CWindowOverlay::NoteControlMessage(HWND h, UINT message) {
    if (!IsLive(h) || !h->ownPaint || h->faceCheckPending || LeavesFaceAlone(message)) return;
    CNativeControl* control = CNativeControl::Of(h);
    QWidget* face = control ? control->QtWidget() : nullptr;
    if (!face || !face->isHidden()) return;
    h->faceCheckPending = true;
    QTimer::singleShot(0, face, [h] {
        if (IsLive(h)) CheckHiddenFace(h);
    });
}

}  // namespace vorn_ui
