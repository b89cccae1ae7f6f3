// CDC: lines, shapes, fills, edges and gradients.
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"

using namespace vorn_ui;

namespace {

struct PenInfo {
    bool null = true;
    int width = 1;
    int style = PS_SOLID;
    std::uint32_t color = 0;
};

PenInfo PenOf(const HDC__* dc) {
    PenInfo p;
    PenRecord* r = ToPen(dc->st.pen);
    if (!r) return p;
    p.style = static_cast<int>(r->log.lopnStyle & PS_STYLE_MASK);
    p.null = p.style == PS_NULL;
    p.width = std::max<LONG>(1, r->log.lopnWidth.x);
    p.color = PixelFromColor(r == GetStockObject(DC_PEN) ? dc->st.dcPenColor : r->log.lopnColor);
    if (p.style == PS_INSIDEFRAME) p.style = PS_SOLID;
    return p;
}

// On/off runs of the styled one-pixel pens.
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    static const std::vector<int> alternate{1, 1};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    case PS_DASHDOTDOT: return dashDotDot;
    case PS_ALTERNATE: return alternate;
    default: return solid;
    }
}

// Renders a shape (aliased) into a coverage picture of the device box; white where covered.
template <typename Draw>
QImage RenderMask(const QRect& box, Draw draw) {
    QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-box.left(), -box.top());
    draw(p);
    return mask;
}

// Applies a source over the covered pixels of a mask (device box) with a raster operation.
template <typename Source>
void ApplyMask(const HDC__* dc, const QImage& mask, const QPoint& origin, int rop, Source&& source) {
    if constexpr (std::is_same_v<std::remove_cvref_t<Source>, BrushSource>) {
        if (FillBrushRows(dc, QRegion(QRect(origin, mask.size())), rop, source, &mask, origin)) return;
    }
    Surface s = SurfaceOf(dc);
    if (!s.valid() || s.bitsPerPixel == 8) return;
    const QPoint shift = DeviceShift(dc);
    const QRect box(origin + shift, mask.size());
    const QRegion target = DrawableRegion(dc).intersected(box);
    for (const QRect& r : target) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* row = s.row(y);
            const auto* m = reinterpret_cast<const std::uint32_t*>(mask.constScanLine(y - box.top()));
            for (int x = r.left(); x <= r.right(); ++x) {
                if ((m[x - box.left()] >> 24) < 128) continue;
                std::uint32_t value;
                if (!source(x - shift.x(), y - shift.y(), value)) continue;
                StorePixel(s, row + x, Rop2(rop, value & 0xFFFFFF, row[x] & 0xFFFFFF));
            }
        }
    }
    NoteDrawn(dc);
}

// The pen's colour as a brush, so that pen shapes take the same fills as brush shapes.
BrushSource PenSource(const PenInfo& pen) {
    BrushSource b;
    b.style = BS_SOLID;
    b.color = pen.color;
    return b;
}

QPen QtPenFor(const PenInfo& pen) {
    QPen qp(QColor(Qt::white));
    qp.setWidth(pen.width);
    qp.setCapStyle(Qt::RoundCap);
    qp.setJoinStyle(Qt::RoundJoin);
    if (pen.style != PS_SOLID) {
        QList<qreal> dashes;
        for (int v : DashPattern(pen.style)) dashes << static_cast<qreal>(v) / pen.width;
        if (!dashes.isEmpty()) qp.setDashPattern(dashes);
    }
    return qp;
}

// Draws a one-pixel polyline in device coordinates, last point excluded, the dash pattern
// running on across the segments; gaps take the background colour in opaque mode.
void CosmeticPolyline(const HDC__* dc, const std::vector<QPoint>& points, const PenInfo& pen) {
    if (points.size() < 2) return;
    const std::vector<int>& pattern = DashPattern(pen.style);
    const std::uint32_t background = PixelFromColor(dc->st.bkColor);
    const bool opaque = dc->st.bkMode == OPAQUE;
    Surface s = SurfaceOf(dc);
    if (!s.valid() || s.bitsPerPixel == 8) return;
    const QPoint shift = DeviceShift(dc);
    const QRegion drawable = DrawableRegion(dc);
    QRect bounds = drawable.boundingRect();
    bool simpleClip = drawable.rectCount() <= 1;
    // Pixels of a segment lie in the box of its ends: only the part of a complex clip within
    // it needs looking at.
    QRegion segmentClip;
    const QRegion* clip = &drawable;
    std::size_t runIndex = 0;
    int runLeft = pattern.empty() ? 0 : pattern[0];
    auto plot = [&](int x, int y) {
        bool on = true;
        if (!pattern.empty()) {
            on = runIndex % 2 == 0;
            if (--runLeft <= 0) {
                runIndex = (runIndex + 1) % pattern.size();
                runLeft = pattern[runIndex];
            }
        }
        if (!on && !opaque) return;
        const int sx = x + shift.x(), sy = y + shift.y();
        if (!bounds.contains(sx, sy)) return;
        if (!simpleClip && !clip->contains(QPoint(sx, sy))) return;
        std::uint32_t* at = s.row(sy) + sx;
        StorePixel(s, at, Rop2(dc->st.rop2, on ? pen.color : background, *at & 0xFFFFFF));
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        int x0 = points[i].x(), y0 = points[i].y();
        const int x1 = points[i + 1].x(), y1 = points[i + 1].y();
        if (RowShortcutsEnabled() && pattern.empty() && (x0 == x1) != (y0 == y1)) {
            // A straight solid segment: the span from its first pixel to the one before its end.
            const QPoint last(x1 - (x1 > x0) + (x1 < x0), y1 - (y1 > y0) + (y1 < y0));
            const QRect span = QRect(QPoint(std::min(x0, last.x()), std::min(y0, last.y())),
                                     QPoint(std::max(x0, last.x()), std::max(y0, last.y())))
                                   .translated(shift);
            for (const QRect& r : drawable.intersected(span)) {
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    std::uint32_t* row = s.row(y);
                    for (int x = r.left(); x <= r.right(); ++x)
                        row[x] = StoredPixel(s, Rop2(dc->st.rop2, pen.color, row[x] & 0xFFFFFF));
                }
            }
            continue;
        }
        if (RowShortcutsEnabled() && drawable.rectCount() > 1) {
            segmentClip = drawable.intersected(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)) + shift,
                                                     QPoint(std::max(x0, x1), std::max(y0, y1)) + shift));
            clip = &segmentClip;
            bounds = segmentClip.boundingRect();
            simpleClip = segmentClip.rectCount() <= 1;
        }
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        while (x0 != x1 || y0 != y1) {
            plot(x0, y0);
            const int e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }
    NoteDrawn(dc);
}

void StrokePolyline(const HDC__* dc, const std::vector<QPoint>& points, bool closed) {
    const PenInfo pen = PenOf(dc);
    if (pen.null || points.size() < 2) return;
    if (pen.width <= 1) {
        std::vector<QPoint> path = points;
        if (closed) path.push_back(points.front());
        CosmeticPolyline(dc, path, pen);
        return;
    }
    QPolygon poly;
    for (const QPoint& p : points) poly << p;
    const QRect box = poly.boundingRect().adjusted(-pen.width, -pen.width, pen.width + 1, pen.width + 1);
    QImage mask = RenderMask(box, [&](QPainter& p) {
        p.setPen(QtPenFor(pen));
        p.setBrush(Qt::NoBrush);
        if (closed) p.drawPolygon(poly);
        else p.drawPolyline(poly);
    });
    ApplyMask(dc, mask, box.topLeft(), dc->st.rop2, PenSource(pen));
}

// Fills the interior of a shape with the selected brush, then strokes its outline with the pen.
template <typename Shape>
void FillAndStroke(const HDC__* dc, const QRect& box, Shape shape) {
    const BrushSource brush = MakeBrushSource(dc, dc->st.brush);
    const PenInfo pen = PenOf(dc);
    const QRect grown = box.adjusted(-pen.width, -pen.width, pen.width + 1, pen.width + 1);
    if (brush.style != BS_NULL) {
        QImage fill = RenderMask(grown, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            shape(p);
        });
        ApplyMask(dc, fill, grown.topLeft(), dc->st.rop2, brush);
    }
    if (!pen.null) {
        QImage outline = RenderMask(grown, [&](QPainter& p) {
            QPen qp = QtPenFor(pen);
            if (pen.width <= 1) qp.setWidth(0);
            p.setPen(qp);
            p.setBrush(Qt::NoBrush);
            shape(p);
        });
        ApplyMask(dc, outline, grown.topLeft(), dc->st.rop2, PenSource(pen));
    }
}

std::vector<QPoint> DevicePoints(const HDC__* dc, const POINT* points, int count) {
    std::vector<QPoint> out;
    for (int i = 0; i < count; ++i) out.push_back(ToDevice(dc, points[i].x, points[i].y));
    return out;
}

double AngleOf(const QRectF& box, int x, int y) {
    const QPointF c = box.center();
    return std::atan2(-(y - c.y()), x - c.x()) * 180.0 / M_PI;
}

}  // namespace

CPoint CDC::MoveTo(int x, int y) {
    if (!m_hDC) return CPoint();
    const CPoint old(m_hDC->st.current);
    m_hDC->st.current = POINT{x, y};
    return old;
}

CPoint CDC::GetCurrentPosition() const { return m_hDC ? CPoint(m_hDC->st.current) : CPoint(); }

BOOL CDC::LineTo(int x, int y) {
    if (!m_hDC) return FALSE;
    const POINT pts[2] = {m_hDC->st.current, POINT{x, y}};
    StrokePolyline(m_hDC, DevicePoints(m_hDC, pts, 2), false);
    m_hDC->st.current = POINT{x, y};
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count) {
    if (!m_hDC || !points || count < 2) return FALSE;
    StrokePolyline(m_hDC, DevicePoints(m_hDC, points, count), false);
    return TRUE;
}

BOOL CDC::PolylineTo(const POINT* points, int count) {
    if (!m_hDC || !points || count < 1) return FALSE;
    std::vector<POINT> all{m_hDC->st.current};
    all.insert(all.end(), points, points + count);
    StrokePolyline(m_hDC, DevicePoints(m_hDC, all.data(), static_cast<int>(all.size())), false);
    m_hDC->st.current = points[count - 1];
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count) {
    if (!m_hDC || !points || count < 2) return FALSE;
    const std::vector<QPoint> pts = DevicePoints(m_hDC, points, count);
    QPolygon poly;
    for (const QPoint& p : pts) poly << p;
    const Qt::FillRule rule = m_hDC->st.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    const BrushSource brush = MakeBrushSource(m_hDC, m_hDC->st.brush);
    const QRect box = poly.boundingRect().adjusted(-1, -1, 2, 2);
    if (brush.style != BS_NULL) {
        QImage fill = RenderMask(box, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPolygon(poly, rule);
        });
        ApplyMask(m_hDC, fill, box.topLeft(), m_hDC->st.rop2, brush);
    }
    StrokePolyline(m_hDC, pts, true);
    return TRUE;
}

BOOL CDC::PolyPolygon(const POINT* points, const INT* counts, int polygons) {
    if (!points || !counts) return FALSE;
    for (int i = 0; i < polygons; points += counts[i], ++i) Polygon(points, counts[i]);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    if (!m_hDC) return FALSE;
    const QRect r = DeviceRect(m_hDC, left, top, right, bottom);
    if (r.isEmpty()) return TRUE;
    const PenInfo pen = PenOf(m_hDC);
    const BrushSource brush = MakeBrushSource(m_hDC, m_hDC->st.brush);
    // Without a pen the filled area is one pixel smaller on the right and at the bottom.
    const QRect inner = pen.null ? r.adjusted(0, 0, -1, -1) : r.adjusted(1, 1, -1, -1);
    if (brush.style != BS_NULL && !inner.isEmpty()) ApplyRegion(m_hDC, QRegion(inner), m_hDC->st.rop2, brush);
    if (!pen.null) {
        const int l = r.left(), t = r.top(), rr = r.left() + r.width() - 1, b = r.top() + r.height() - 1;
        StrokePolyline(m_hDC, {QPoint(l, t), QPoint(rr, t), QPoint(rr, b), QPoint(l, b)}, true);
    }
    return TRUE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height) {
    if (!m_hDC) return FALSE;
    const QRect r = DeviceRect(m_hDC, left, top, right, bottom);
    FillAndStroke(m_hDC, r, [&](QPainter& p) {
        p.drawRoundedRect(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1), width / 2.0, height / 2.0);
    });
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    if (!m_hDC) return FALSE;
    const QRect r = DeviceRect(m_hDC, left, top, right, bottom);
    FillAndStroke(m_hDC, r, [&](QPainter& p) { p.drawEllipse(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1)); });
    return TRUE;
}

namespace {

enum class ArcKind { Arc, Pie, Chord };

BOOL DrawArcShape(HDC dc, ArcKind kind, int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    if (!dc) return FALSE;
    const QRect box = DeviceRect(dc, l, t, r, b);
    const QRectF f(box.left(), box.top(), box.width() - 1, box.height() - 1);
    const QPoint p1 = ToDevice(dc, x1, y1), p2 = ToDevice(dc, x2, y2);
    const double start = AngleOf(f, p1.x(), p1.y());
    double span = AngleOf(f, p2.x(), p2.y()) - start;
    if (span <= 0) span += 360.0;
    const int a16 = static_cast<int>(std::lround(start * 16)), s16 = static_cast<int>(std::lround(span * 16));
    if (kind == ArcKind::Arc) {
        const PenInfo pen = PenOf(dc);
        if (pen.null) return TRUE;
        const QRect grown = box.adjusted(-pen.width, -pen.width, pen.width + 1, pen.width + 1);
        QImage outline = RenderMask(grown, [&](QPainter& p) {
            QPen qp = QtPenFor(pen);
            if (pen.width <= 1) qp.setWidth(0);
            p.setPen(qp);
            p.drawArc(f, a16, s16);
        });
        ApplyMask(dc, outline, grown.topLeft(), dc->st.rop2, PenSource(pen));
        return TRUE;
    }
    FillAndStroke(dc, box, [&](QPainter& p) {
        if (kind == ArcKind::Pie) p.drawPie(f, a16, s16);
        else p.drawChord(f, a16, s16);
    });
    return TRUE;
}

}  // namespace

BOOL CDC::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    return DrawArcShape(m_hDC, ArcKind::Arc, l, t, r, b, x1, y1, x2, y2);
}
BOOL CDC::Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    return DrawArcShape(m_hDC, ArcKind::Pie, l, t, r, b, x1, y1, x2, y2);
}
BOOL CDC::Chord(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    return DrawArcShape(m_hDC, ArcKind::Chord, l, t, r, b, x1, y1, x2, y2);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    if (!m_hDC) return CLR_INVALID;
    const QPoint d = ToDevice(m_hDC, x, y);
    const std::uint32_t value = PixelFromColor(color);
    ApplyRegion(m_hDC, QRegion(d.x(), d.y(), 1, 1), R2_COPYPEN, [value](int, int, std::uint32_t& v) {
        v = value;
        return true;
    });
    return GetPixel(x, y);
}

COLORREF CDC::GetPixel(int x, int y) const {
    if (!m_hDC) return CLR_INVALID;
    Surface s = SurfaceOf(m_hDC);
    const QPoint d = ToDevice(m_hDC, x, y) + DeviceShift(m_hDC);
    if (!s.valid() || d.x() < 0 || d.y() < 0 || d.x() >= s.width() || d.y() >= s.height()) return CLR_INVALID;
    return ColorFromPixel(s.pixel(d.x(), d.y()));
}

// Fills

void CDC::FillRect(LPCRECT rc, CBrush* brush) {
    if (!m_hDC || !rc || !brush) return;
    ::FillRect(m_hDC, rc, *brush);
}

int FillRect(HDC dc, LPCRECT rc, HBRUSH brush) {
    if (!dc || !rc || !brush) return 0;
    // A brush handle below 32 is a system colour index plus one, as window classes give it.
    if (reinterpret_cast<std::uintptr_t>(brush) <= 32)
        brush = GetSysColorBrush(static_cast<int>(reinterpret_cast<std::uintptr_t>(brush)) - 1);
    const QRect r = DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom);
    ApplyRegion(dc, QRegion(r), R2_COPYPEN, MakeBrushSource(dc, brush));
    return 1;
}

void CDC::FillSolidRect(LPCRECT rc, COLORREF color) {
    if (!m_hDC || !rc) return;
    SetBkColor(color);
    const QRect r = DeviceRect(m_hDC, rc->left, rc->top, rc->right, rc->bottom);
    ApplyRegion(m_hDC, QRegion(r), R2_COPYPEN, SolidSource(color));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    const CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, color);
}

int FrameRect(HDC dc, LPCRECT rc, HBRUSH brush) {
    if (!dc || !rc || !brush) return 0;
    const QRect r = DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom);
    if (r.isEmpty()) return 1;
    const QRegion frame = QRegion(r) - QRegion(r.adjusted(1, 1, -1, -1));
    ApplyRegion(dc, frame, R2_COPYPEN, MakeBrushSource(dc, brush));
    return 1;
}

void CDC::FrameRect(LPCRECT rc, CBrush* brush) {
    if (brush) ::FrameRect(m_hDC, rc, *brush);
}

BOOL InvertRect(HDC dc, LPCRECT rc) {
    if (!dc || !rc) return FALSE;
    ApplyRegion(dc, QRegion(DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom)), R2_NOT,
                [](int, int, std::uint32_t& v) {
                    v = 0;
                    return true;
                });
    return TRUE;
}

void CDC::InvertRect(LPCRECT rc) { ::InvertRect(m_hDC, rc); }

namespace {

QRegion DeviceRegion(const HDC__* dc, HRGN rgn) {
    RgnRecord* r = ToRgn(rgn);
    if (!r) return QRegion();
    const QPoint o = ToDevice(dc, 0, 0);
    return r->region.translated(o);
}

}  // namespace

BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush) {
    if (!dc || !rgn || !brush) return FALSE;
    ApplyRegion(dc, DeviceRegion(dc, rgn), R2_COPYPEN, MakeBrushSource(dc, brush));
    return TRUE;
}

BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height) {
    if (!dc || !rgn || !brush) return FALSE;
    const QRegion region = DeviceRegion(dc, rgn);
    // The frame is what an erosion by width x height takes away from the region.
    const QRegion inner = region & region.translated(width, 0) & region.translated(-width, 0) &
                          region.translated(0, height) & region.translated(0, -height);
    ApplyRegion(dc, region - inner, R2_COPYPEN, MakeBrushSource(dc, brush));
    return TRUE;
}

BOOL CDC::FillRgn(CRgn* rgn, CBrush* brush) { return rgn && brush && ::FillRgn(m_hDC, *rgn, *brush); }
BOOL CDC::FrameRgn(CRgn* rgn, CBrush* brush, int width, int height) {
    return rgn && brush && ::FrameRgn(m_hDC, *rgn, *brush, width, height);
}
BOOL CDC::PaintRgn(CRgn* rgn) {
    if (!m_hDC || !rgn) return FALSE;
    ApplyRegion(m_hDC, DeviceRegion(m_hDC, *rgn), m_hDC->st.rop2, MakeBrushSource(m_hDC, m_hDC->st.brush));
    return TRUE;
}
BOOL CDC::InvertRgn(CRgn* rgn) {
    if (!m_hDC || !rgn) return FALSE;
    ApplyRegion(m_hDC, DeviceRegion(m_hDC, *rgn), R2_NOT, [](int, int, std::uint32_t& v) {
        v = 0;
        return true;
    });
    return TRUE;
}

void CDC::Draw3dRect(LPCRECT rc, COLORREF topLeft, COLORREF bottomRight) {
    if (rc) Draw3dRect(rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL DrawFocusRect(HDC dc, LPCRECT rc) {
    if (!dc || !rc) return FALSE;
    const QRect r = DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom);
    if (r.isEmpty()) return TRUE;
    const QRegion frame = QRegion(r) - QRegion(r.adjusted(1, 1, -1, -1));
    // Every other pixel of the frame is inverted, so drawing it twice removes it.
    ApplyRegion(dc, frame, R2_XORPEN, [](int x, int y, std::uint32_t& v) {
        if ((x + y) % 2 != 0) return false;
        v = 0xFFFFFF;
        return true;
    });
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rc) { ::DrawFocusRect(m_hDC, rc); }

namespace {

void HLine(HDC dc, int x0, int x1, int y, COLORREF c) {
    if (x1 > x0) ApplyRegion(dc, QRegion(x0, y, x1 - x0, 1), R2_COPYPEN, SolidSource(c));
}
void VLine(HDC dc, int x, int y0, int y1, COLORREF c) {
    if (y1 > y0) ApplyRegion(dc, QRegion(x, y0, 1, y1 - y0), R2_COPYPEN, SolidSource(c));
}

// One ring of an edge: top and left in one colour, bottom and right in the other.
void EdgeRing(HDC dc, const QRect& r, UINT flags, COLORREF light, COLORREF dark) {
    const int l = r.left(), t = r.top(), rr = r.left() + r.width(), b = r.top() + r.height();
    if (flags & BF_TOP) HLine(dc, l, rr - ((flags & BF_RIGHT) ? 1 : 0), t, light);
    if (flags & BF_LEFT) VLine(dc, l, t, b - ((flags & BF_BOTTOM) ? 1 : 0), light);
    if (flags & BF_BOTTOM) HLine(dc, l, rr, b - 1, dark);
    if (flags & BF_RIGHT) VLine(dc, rr - 1, t, b, dark);
}

}  // namespace

BOOL DrawEdge(HDC dc, LPRECT rc, UINT edge, UINT flags) {
    if (!dc || !rc) return FALSE;
    QRect r = DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom);
    const bool mono = flags & BF_MONO, flat = flags & BF_FLAT;
    COLORREF outerLight = 0, outerDark = 0, innerLight = 0, innerDark = 0;
    if (edge & BDR_RAISEDOUTER) {
        outerLight = GetSysColor((flags & BF_SOFT) ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT);
        outerDark = GetSysColor(COLOR_3DDKSHADOW);
    } else if (edge & BDR_SUNKENOUTER) {
        outerLight = GetSysColor(COLOR_BTNSHADOW);
        outerDark = GetSysColor(COLOR_BTNHIGHLIGHT);
    }
    if (edge & BDR_RAISEDINNER) {
        innerLight = GetSysColor((flags & BF_SOFT) ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT);
        innerDark = GetSysColor(COLOR_BTNSHADOW);
    } else if (edge & BDR_SUNKENINNER) {
        innerLight = GetSysColor(COLOR_3DDKSHADOW);
        innerDark = GetSysColor(COLOR_3DLIGHT);
    }
    if (mono) {
        outerLight = outerDark = GetSysColor(COLOR_WINDOWFRAME);
        innerLight = innerDark = GetSysColor(COLOR_WINDOW);
    } else if (flat) {
        outerLight = outerDark = GetSysColor(COLOR_BTNSHADOW);
        innerLight = innerDark = GetSysColor(COLOR_BTNFACE);
    }
    int inset = 0;
    if (edge & BDR_OUTER) {
        EdgeRing(dc, r, flags, outerLight, outerDark);
        ++inset;
    }
    QRect inner = r.adjusted((flags & BF_LEFT) ? inset : 0, (flags & BF_TOP) ? inset : 0,
                             (flags & BF_RIGHT) ? -inset : 0, (flags & BF_BOTTOM) ? -inset : 0);
    if (edge & BDR_INNER) {
        EdgeRing(dc, inner, flags, innerLight, innerDark);
        inner.adjust((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0, (flags & BF_RIGHT) ? -1 : 0,
                     (flags & BF_BOTTOM) ? -1 : 0);
    }
    if (flags & BF_MIDDLE)
        ApplyRegion(dc, QRegion(inner), R2_COPYPEN, SolidSource(GetSysColor(mono ? COLOR_WINDOW : COLOR_BTNFACE)));
    if (flags & BF_ADJUST) {
        const QPoint shift = ToDevice(dc, 0, 0);
        *rc = RECT{inner.left() - shift.x(), inner.top() - shift.y(), inner.left() + inner.width() - shift.x(),
                   inner.top() + inner.height() - shift.y()};
    }
    return TRUE;
}

BOOL CDC::DrawEdge(LPRECT rc, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rc, edge, flags); }

namespace {

// A filled triangle pointing in a direction (0 up, 1 down, 2 left, 3 right) centred in r.
void Arrow(HDC dc, const QRect& r, int direction, COLORREF color) {
    const int size = std::max(2, std::min(r.width(), r.height()) / 3);
    const QPoint c = r.center();
    for (int i = 0; i < size; ++i) {
        const int half = size - 1 - i;
        switch (direction) {
        // Row i is the widest one at the arrow's base.
        case 0: HLine(dc, c.x() - half, c.x() + half + 1, c.y() + size / 2 - i, color); break;
        case 1: HLine(dc, c.x() - half, c.x() + half + 1, c.y() - size / 2 + i, color); break;
        case 2: VLine(dc, c.x() + size / 2 - i, c.y() - half, c.y() + half + 1, color); break;
        default: VLine(dc, c.x() - size / 2 + i, c.y() - half, c.y() + half + 1, color); break;
        }
    }
}

void CheckMark(HDC dc, const QRect& r, COLORREF color) {
    const QPoint c = r.center();
    for (int i = 0; i < 3; ++i) {
        VLine(dc, c.x() - 3 + i, c.y() - 1 + i, c.y() + 2 + i, color);
        VLine(dc, c.x() + i, c.y() + 2 - i, c.y() + 5 - i, color);
        VLine(dc, c.x() + 3 + i, c.y() - 1 - i, c.y() + 2 - i, color);
    }
}

}  // namespace

BOOL DrawFrameControl(HDC dc, LPRECT rc, UINT type, UINT state) {
    if (!dc || !rc) return FALSE;
    CRect r(*rc);
    const QRect device = DeviceRect(dc, r.left, r.top, r.right, r.bottom);
    const bool pushed = state & (DFCS_PUSHED | DFCS_CHECKED);
    const bool inactive = state & DFCS_INACTIVE;
    const COLORREF glyph = GetSysColor(inactive ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    switch (type) {
    case DFC_BUTTON: {
        const UINT kind = state & 0x1F;
        if (kind & DFCS_BUTTONPUSH) {
            DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0));
        } else if (kind & DFCS_BUTTONRADIO) {
            CDC* cdc = CDC::FromHandle(dc);
            CBrush face(GetSysColor(inactive ? COLOR_BTNFACE : COLOR_WINDOW));
            CPen edgePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
            CBrush* oldBrush = cdc->SelectObject(&face);
            CPen* oldPen = cdc->SelectObject(&edgePen);
            cdc->Ellipse(&r);
            if (state & DFCS_CHECKED) {
                CBrush dot(glyph);
                CPen none(PS_NULL, 0, 0);
                cdc->SelectObject(&dot);
                cdc->SelectObject(&none);
                const CPoint c = r.CenterPoint();
                cdc->Ellipse(c.x - 2, c.y - 2, c.x + 3, c.y + 3);
                cdc->SelectObject(&face);
            }
            cdc->SelectObject(oldBrush);
            cdc->SelectObject(oldPen);
        } else {
            DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
            CRect inner(r);
            inner.DeflateRect(2, 2);
            CDC::FromHandle(dc)->FillSolidRect(&inner, GetSysColor((pushed && !(state & DFCS_CHECKED)) || inactive ? COLOR_BTNFACE : COLOR_WINDOW));
            if (state & DFCS_CHECKED) CheckMark(dc, DeviceRect(dc, inner.left, inner.top, inner.right, inner.bottom), glyph);
        }
        return TRUE;
    }
    case DFC_SCROLL: {
        const UINT kind = state & 0x1F;
        if (kind == DFCS_SCROLLSIZEGRIP) {
            ApplyRegion(dc, QRegion(device), R2_COPYPEN, SolidSource(GetSysColor(COLOR_BTNFACE)));
            return TRUE;
        }
        DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0));
        QRect arrowBox = device;
        if (pushed) arrowBox.translate(1, 1);
        const int direction = kind == DFCS_SCROLLUP ? 0 : kind == DFCS_SCROLLLEFT ? 2 : kind == DFCS_SCROLLRIGHT ? 3 : 1;
        Arrow(dc, arrowBox, direction, glyph);
        return TRUE;
    }
    case DFC_MENU: {
        const UINT kind = state & 0x1F;
        if (kind == DFCS_MENUARROW) Arrow(dc, device, 3, glyph);
        else if (kind == DFCS_MENUCHECK) CheckMark(dc, device, glyph);
        else {
            const QPoint c = device.center();
            ApplyRegion(dc, QRegion(c.x() - 2, c.y() - 2, 4, 4), R2_COPYPEN, SolidSource(glyph));
        }
        return TRUE;
    }
    case DFC_CAPTION: {
        DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        const QPoint c = device.center();
        for (int i = -3; i <= 3; ++i) {
            ApplyRegion(dc, QRegion(c.x() + i, c.y() + i, 2, 1), R2_COPYPEN, SolidSource(glyph));
            ApplyRegion(dc, QRegion(c.x() + i, c.y() - i, 2, 1), R2_COPYPEN, SolidSource(glyph));
        }
        return TRUE;
    }
    default: return FALSE;
    }
}

BOOL CDC::DrawFrameControl(LPRECT rc, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, rc, type, state); }

BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode) {
    if (!dc || !vertices || !mesh) return FALSE;
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V) return FALSE;
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i) {
        if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return FALSE;
        const TRIVERTEX& a = vertices[rects[i].UpperLeft];
        const TRIVERTEX& b = vertices[rects[i].LowerRight];
        const QRect r = DeviceRect(dc, a.x, a.y, b.x, b.y);
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        // The colours run from the vertex on the left (top) to the one on the right (bottom).
        const TRIVERTEX& first = horizontal ? (a.x <= b.x ? a : b) : (a.y <= b.y ? a : b);
        const TRIVERTEX& last = &first == &a ? b : a;
        const int span = horizontal ? r.width() : r.height();
        const int start = horizontal ? r.left() : r.top();
        if (span <= 0) continue;
        auto channel = [span](int from, int to, int k) { return (from + (to - from) * k / span) >> 8; };
        auto colourAt = [&](int k) {
            return (static_cast<std::uint32_t>(channel(first.Red, last.Red, k)) << 16) |
                   (static_cast<std::uint32_t>(channel(first.Green, last.Green, k)) << 8) |
                   static_cast<std::uint32_t>(channel(first.Blue, last.Blue, k));
        };
        if (RowShortcutsEnabled()) {
            // The colours as a pattern brush one pixel thick, starting where the gradient does.
            QImage line(horizontal ? span : 1, horizontal ? 1 : span, QImage::Format_RGB32);
            auto* bits = reinterpret_cast<std::uint32_t*>(line.bits());
            for (int k = 0; k < span; ++k) bits[horizontal ? k : k * (line.bytesPerLine() / 4)] = colourAt(k);
            BrushSource colours;
            colours.style = BS_PATTERN;
            colours.pattern = &line;
            colours.origin = horizontal ? POINT{start, 0} : POINT{0, start};
            ApplyRegion(dc, QRegion(r), R2_COPYPEN, colours);
            continue;
        }
        ApplyRegion(dc, QRegion(r), R2_COPYPEN, [&, horizontal, start](int x, int y, std::uint32_t& v) {
            v = colourAt((horizontal ? x : y) - start);
            return true;
        });
    }
    return TRUE;
}

BOOL CDC::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode) {
    return ::GradientFill(m_hDC, vertices, vertexCount, mesh, meshCount, mode);
}
