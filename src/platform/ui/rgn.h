#pragma once
// CRgn: an area made of pixels (rectangles, rounded rectangles, ellipses, polygons and their
// combinations). Right and bottom edges are outside, as with rectangles.
#include "platform/ui/gdi_object.h"

class CRgn : public CGdiObject {
public:
    CRgn() = default;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rc);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreateEllipticRgnIndirect(LPCRECT rc);
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    void SetRectRgn(int left, int top, int right, int bottom);
    void SetRectRgn(LPCRECT rc);
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int CopyRgn(const CRgn* src);
    BOOL EqualRgn(const CRgn* other) const;
    int OffsetRgn(int dx, int dy);
    int OffsetRgn(POINT p) { return OffsetRgn(p.x, p.y); }
    int GetRgnBox(LPRECT rc) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT p) const { return PtInRegion(p.x, p.y); }
    BOOL RectInRegion(LPCRECT rc) const;
    static CRgn* FromHandle(HRGN h) { return static_cast<CRgn*>(CGdiObject::FromHandle(h)); }
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(LPCRECT rc);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
int GetRgnBox(HRGN rgn, LPRECT rc);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, LPCRECT rc);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
