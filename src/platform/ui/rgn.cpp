#include "platform/ui/rgn.h"

#include <QPainter>
#include <QPolygon>

#include "platform/ui/gdi_records.h"

using namespace vorn_ui;

namespace {

int Complexity(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HRGN MakeRgn(const QRegion& region) {
    auto* r = new RgnRecord;
    r->region = region;
    return r;
}

QRect ToQRect(int l, int t, int r, int b) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    return QRect(l, t, r - l, b - t);
}

// Rasterises a shape (drawn by draw in the same coordinates as box) into a region, one run
// of covered pixels per row.
template <typename Draw>
QRegion RegionFromShape(const QRect& box, Draw draw) {
    if (box.isEmpty()) return QRegion();
    QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.translate(-box.left(), -box.top());
        draw(p);
    }
    QList<QRect> runs;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width();) {
            if ((row[x] >> 24) < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && (row[x] >> 24) >= 128) ++x;
            runs.append(QRect(box.left() + start, box.top() + y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(runs.constData(), static_cast<int>(runs.size()));
    return region;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) { return MakeRgn(QRegion(ToQRect(left, top, right, bottom))); }

HRGN CreateRectRgnIndirect(LPCRECT rc) {
    return rc ? CreateRectRgn(rc->left, rc->top, rc->right, rc->bottom) : nullptr;
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const QRect box = ToQRect(left, top, right, bottom);
    return MakeRgn(RegionFromShape(box, [&](QPainter& p) { p.drawEllipse(box); }));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    const QRect box = ToQRect(left, top, right, bottom);
    return MakeRgn(RegionFromShape(box, [&](QPainter& p) {
        p.drawRoundedRect(QRectF(box), ellipseWidth / 2.0, ellipseHeight / 2.0);
    }));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 3) return MakeRgn(QRegion());
    QPolygon poly;
    for (int i = 0; i < count; ++i) poly << QPoint(points[i].x, points[i].y);
    const QRect box = poly.boundingRect().adjusted(0, 0, 1, 1);
    return MakeRgn(RegionFromShape(box, [&](QPainter& p) {
        p.drawPolygon(poly, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    }));
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
    RgnRecord* d = ToRgn(dst);
    RgnRecord* ra = ToRgn(a);
    RgnRecord* rb = ToRgn(b);
    if (!d || !ra || (mode != RGN_COPY && !rb)) return ERROR;
    switch (mode) {
    case RGN_AND: d->region = ra->region.intersected(rb->region); break;
    case RGN_OR: d->region = ra->region.united(rb->region); break;
    case RGN_XOR: d->region = ra->region.xored(rb->region); break;
    case RGN_DIFF: d->region = ra->region.subtracted(rb->region); break;
    case RGN_COPY: d->region = ra->region; break;
    default: return ERROR;
    }
    return Complexity(d->region);
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    RgnRecord* r = ToRgn(rgn);
    if (!r) return ERROR;
    r->region.translate(dx, dy);
    return Complexity(r->region);
}

int GetRgnBox(HRGN rgn, LPRECT rc) {
    RgnRecord* r = ToRgn(rgn);
    if (!r || !rc) return ERROR;
    const QRect b = r->region.boundingRect();
    *rc = b.isEmpty() ? RECT{0, 0, 0, 0} : RECT{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return Complexity(r->region);
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
    RgnRecord* r = ToRgn(rgn);
    return r && r->region.contains(QPoint(x, y));
}

BOOL RectInRegion(HRGN rgn, LPCRECT rc) {
    RgnRecord* r = ToRgn(rgn);
    return r && rc && r->region.intersects(ToQRect(rc->left, rc->top, rc->right, rc->bottom));
}

BOOL EqualRgn(HRGN a, HRGN b) {
    RgnRecord* ra = ToRgn(a);
    RgnRecord* rb = ToRgn(b);
    return ra && rb && ra->region == rb->region;
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    RgnRecord* r = ToRgn(rgn);
    if (!r) return FALSE;
    r->region = QRegion(ToQRect(left, top, right, bottom));
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    DeleteObject();
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rc) {
    DeleteObject();
    return Attach(::CreateRectRgnIndirect(rc));
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
    DeleteObject();
    return Attach(::CreateEllipticRgn(left, top, right, bottom));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rc) {
    return rc ? CreateEllipticRgn(rc->left, rc->top, rc->right, rc->bottom) : FALSE;
}

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    DeleteObject();
    return Attach(::CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    DeleteObject();
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom) { ::SetRectRgn(*this, left, top, right, bottom); }

void CRgn::SetRectRgn(LPCRECT rc) {
    if (rc) SetRectRgn(rc->left, rc->top, rc->right, rc->bottom);
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr, b ? static_cast<HRGN>(*b) : nullptr, mode);
}

int CRgn::CopyRgn(const CRgn* src) { return CombineRgn(src, nullptr, RGN_COPY); }

BOOL CRgn::EqualRgn(const CRgn* other) const { return other && ::EqualRgn(*this, *other); }

int CRgn::OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }

int CRgn::GetRgnBox(LPRECT rc) const { return ::GetRgnBox(*this, rc); }

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }

BOOL CRgn::RectInRegion(LPCRECT rc) const { return ::RectInRegion(*this, rc); }
