#include "platform/core/geometry.h"

#include <algorithm>

BOOL SetRect(LPRECT rc, int left, int top, int right, int bottom) {
    if (!rc) return FALSE;
    *rc = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rc) { return SetRect(rc, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT dst, LPCRECT src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(LPCRECT rc) { return !rc || rc->right <= rc->left || rc->bottom <= rc->top; }

BOOL PtInRect(LPCRECT rc, POINT pt) {
    return rc && pt.x >= rc->left && pt.x < rc->right && pt.y >= rc->top && pt.y < rc->bottom;
}

BOOL EqualRect(LPCRECT a, LPCRECT b) {
    if (!a || !b) return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL OffsetRect(LPRECT rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left += dx;
    rc->right += dx;
    rc->top += dy;
    rc->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left -= dx;
    rc->right += dx;
    rc->top -= dy;
    rc->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(LPRECT dst, LPCRECT a, LPCRECT b) {
    if (!dst || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(LPRECT dst, LPCRECT a, LPCRECT b) {
    if (!dst || !a || !b) return FALSE;
    const bool emptyA = IsRectEmpty(a), emptyB = IsRectEmpty(b);
    if (emptyA && emptyB) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (emptyA) { *dst = *b; return TRUE; }
    if (emptyB) { *dst = *a; return TRUE; }
    *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    return TRUE;
}

// The difference is a rectangle only when b covers a whole side of a; otherwise a is kept.
BOOL SubtractRect(LPRECT dst, LPCRECT a, LPCRECT b) {
    if (!dst || !a || !b) return FALSE;
    RECT r = *a;
    RECT cut;
    if (IntersectRect(&cut, a, b)) {
        if (cut.left == a->left && cut.right == a->right) {
            if (cut.top == a->top) r.top = cut.bottom;
            else if (cut.bottom == a->bottom) r.bottom = cut.top;
        } else if (cut.top == a->top && cut.bottom == a->bottom) {
            if (cut.left == a->left) r.left = cut.right;
            else if (cut.right == a->right) r.right = cut.left;
        }
    }
    if (IsRectEmpty(&r)) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

CPoint::CPoint(LPARAM packed)
    : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}

CSize CPoint::operator-(POINT p) const { return CSize(x - p.x, y - p.y); }

CRect CPoint::operator+(const RECT& rc) const {
    CRect r(rc);
    r.OffsetRect(x, y);
    return r;
}

CRect CPoint::operator-(const RECT& rc) const {
    CRect r(rc);
    r.OffsetRect(-x, -y);
    return r;
}

BOOL CRect::EqualRect(LPCRECT rc) const { return ::EqualRect(this, rc); }

void CRect::NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
}
