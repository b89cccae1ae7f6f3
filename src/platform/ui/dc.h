#pragma once
// CDC: a device context. It draws on 32-bit pixels (a window's backing store, a memory
// bitmap, or a printer page) and keeps the GDI drawing state itself: the selected pen,
// brush, font and bitmap, colours, background and raster modes, origins, clip region, text
// alignment and justification. Drawing honours the clip region and ROP2 exactly.
#include <QImage>

#include "platform/core/cstring.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/rgn.h"

class CPalette;
class CWnd;

class CDC : public CObject {
public:
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    CDC() = default;
    ~CDC() override;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A memory DC holding a 1 x 1 one-bit bitmap until one is selected; dc may be null.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    BOOL Attach(HDC dc);
    HDC Detach();
    static CDC* FromHandle(HDC dc);
    CWnd* GetWindow() const;

    // State
    int SaveDC();
    BOOL RestoreDC(int savedDC);
    CGdiObject* SelectStockObject(int index);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* rgn);  // selects a copy as the clip region
    HGDIOBJ SelectObject(HGDIOBJ h);
    // Palettes change nothing on true-colour surfaces (palette.h).
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();
    // Tracking frames: inverts the frame of lpRectLast (sizeLast thick) and then that of lpRect,
    // each with its brush (the half-tone brush when null), so that drawing a frame again as
    // the last one takes it away. A null lpRectLast only draws.
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush = nullptr,
                      CBrush* pBrushLast = nullptr);
    // A brush of every other pixel, for frames and bars that invert what they cross.
    static CBrush* GetHalftoneBrush();
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int GetROP2() const;
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const;
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT p) { return SetBrushOrg(p.x, p.y); }
    CPoint GetBrushOrg() const;
    COLORREF SetDCBrushColor(COLORREF color);
    COLORREF SetDCPenColor(COLORREF color);
    int GetDeviceCaps(int index) const;
    // TRUE when the DC draws a printer's page.
    BOOL IsPrinting() const;

    // Coordinates: device = logical - window origin + viewport origin.
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const;
    CPoint OffsetWindowOrg(int dx, int dy);
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rc) const;
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rc) const;

    // Clipping (logical coordinates in, regions in device coordinates as GDI keeps them).
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rc) { return IntersectClipRect(rc->left, rc->top, rc->right, rc->bottom); }
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rc) { return ExcludeClipRect(rc->left, rc->top, rc->right, rc->bottom); }
    int SelectClipRgn(CRgn* rgn);
    int SelectClipRgn(CRgn* rgn, int mode);
    int ExtSelectClipRgn(CRgn* rgn, int mode) { return SelectClipRgn(rgn, mode); }
    int OffsetClipRgn(int dx, int dy);
    int GetClipBox(LPRECT rc) const;
    int GetClipRgn(CRgn* rgn) const;
    BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT p) const { return PtVisible(p.x, p.y); }
    BOOL RectVisible(LPCRECT rc) const;

    // Lines and shapes
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    BOOL Polyline(const POINT* points, int count);
    BOOL PolylineTo(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL PolyPolygon(const POINT* points, const INT* counts, int polygons);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rc) { return Rectangle(rc->left, rc->top, rc->right, rc->bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
    BOOL RoundRect(LPCRECT rc, POINT p) { return RoundRect(rc->left, rc->top, rc->right, rc->bottom, p.x, p.y); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rc) { return Ellipse(rc->left, rc->top, rc->right, rc->bottom); }
    BOOL Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
    BOOL Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
    BOOL Chord(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT p, COLORREF color) { return SetPixel(p.x, p.y, color); }
    BOOL SetPixelV(int x, int y, COLORREF color) { SetPixel(x, y, color); return TRUE; }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }

    // Fills
    void FillRect(LPCRECT rc, CBrush* brush);
    void FillSolidRect(LPCRECT rc, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(LPCRECT rc, CBrush* brush);
    void InvertRect(LPCRECT rc);
    BOOL FillRgn(CRgn* rgn, CBrush* brush);
    BOOL FrameRgn(CRgn* rgn, CBrush* brush, int width, int height);
    BOOL PaintRgn(CRgn* rgn);
    BOOL InvertRgn(CRgn* rgn);
    void Draw3dRect(LPCRECT rc, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(LPCRECT rc);
    BOOL DrawEdge(LPRECT rc, UINT edge, UINT flags);
    BOOL DrawFrameControl(LPRECT rc, UINT type, UINT state);
    BOOL GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);

    // Text
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rc, LPCTSTR text, UINT count, const INT* dx = nullptr);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rc, const CString& text, const INT* dx = nullptr) {
        return ExtTextOut(x, y, options, rc, text, static_cast<UINT>(text.GetLength()), dx);
    }
    // Returns the height of the text; with DT_CALCRECT it sizes rc instead of drawing.
    int DrawText(LPCTSTR text, int count, LPRECT rc, UINT format);
    int DrawText(const CString& text, LPRECT rc, UINT format) { return DrawText(text, text.GetLength(), rc, format); }
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(LPCTSTR text, int count) const { return GetTextExtent(text, count); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    CSize GetTabbedTextExtent(LPCTSTR text, int count, int tabPositions, const INT* tabStops) const;
    BOOL GetTextExtentPoint32(LPCTSTR text, int count, LPSIZE size) const;
    BOOL GetTextExtentExPoint(LPCTSTR text, int count, int maxExtent, LPINT fit, LPINT dx, LPSIZE size) const;
    BOOL GetTextMetrics(LPTEXTMETRIC tm) const;
    BOOL GetCharWidth(UINT first, UINT last, LPINT widths) const;
    int GetTextFace(int count, LPTSTR face) const;
    int GetTextFace(CString& face) const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;
    int SetTextJustification(int breakExtra, int breakCount);
    int SetTextCharacterExtra(int extra);
    int GetTextCharacterExtra() const;

    // Pixel transfers
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL MaskBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, CBitmap& mask, int xMask,
                 int yMask, DWORD rop);
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                        int srcHeight, UINT transparentColor);
    BOOL AlphaBlend(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, BLENDFUNCTION blend);
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                      const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
    int SetDIBitsToDevice(int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                          UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);

    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT p, HICON icon) { return DrawIcon(p.x, p.y, icon); }
    BOOL DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush* brush = nullptr);

    // The picture this DC draws on, as Qt shows it (rows top-down, opaque).
    QImage GrabImage() const;
    // Saves GrabImage() as a PNG file.
    bool SavePng(const CString& path) const;

protected:
    bool m_ownsDC = false;
};

// Free-function forms used where the Parts pass device context handles.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ h);
int GetDeviceCaps(HDC dc, int index);
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
int FillRect(HDC dc, LPCRECT rc, HBRUSH brush);
int FrameRect(HDC dc, LPCRECT rc, HBRUSH brush);
BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);
int DrawText(HDC dc, LPCTSTR text, int count, LPRECT rc, UINT format);
BOOL TextOut(HDC dc, int x, int y, LPCTSTR text, int count);
BOOL GetTextExtentPoint32(HDC dc, LPCTSTR text, int count, LPSIZE size);
BOOL GetTextMetrics(HDC dc, LPTEXTMETRIC tm);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
int SetTextJustification(HDC dc, int breakExtra, int breakCount);
BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparentColor);
int StretchDIBits(HDC dc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
BOOL DrawEdge(HDC dc, LPRECT rc, UINT edge, UINT flags);
BOOL DrawFrameControl(HDC dc, LPRECT rc, UINT type, UINT state);
BOOL DrawFocusRect(HDC dc, LPCRECT rc);
BOOL InvertRect(HDC dc, LPCRECT rc);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// DI_* flags
inline constexpr UINT DI_MASK = 0x0001, DI_IMAGE = 0x0002, DI_NORMAL = 0x0003, DI_COMPAT = 0x0004;
inline constexpr UINT DI_DEFAULTSIZE = 0x0008;
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flicker, UINT flags);
// DrawState flags used with icons
inline constexpr UINT DST_ICON = 0x0003, DSS_NORMAL = 0x0000, DSS_DISABLED = 0x0020, DSS_MONO = 0x0080;
