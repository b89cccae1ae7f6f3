#pragma once
// CBitmap: device bitmaps (compatible with a DC), 1-bit bitmaps, DIB sections whose pixels the
// program reads and writes directly, and bitmaps loaded from image files.
#include "platform/core/cstring.h"
#include "platform/ui/gdi_object.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    // planes must be 1; bitsPerPixel 1 or 32 (others are stored as 32). bits: rows of 16-bit
    // aligned 1-bit pixels, or 32-bit B, G, R, A pixels; nullptr leaves the bitmap black.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateBitmapIndirect(const BITMAP* bm);
    // A colour bitmap (or 1-bit, when dc is a memory DC holding a 1-bit bitmap).
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateDiscardableBitmap(CDC* dc, int width, int height) { return CreateCompatibleBitmap(dc, width, height); }
    // The bitmap resource id through the loader the application installs (SetBitmapResourceLoader).
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCTSTR name);
    // An image file (PNG, BMP...). Fully opaque images get alpha 0 like device pixels;
    // images with transparency keep their alpha channel.
    BOOL LoadFromFile(const CString& path);
    int GetBitmap(BITMAP* bm) const;
    DWORD GetBitmapBits(DWORD count, void* bits) const;
    DWORD SetBitmapBits(DWORD count, const void* bits);
    CSize GetBitmapDimension() const;
    CSize SetBitmapDimension(int width, int height);
    static CBitmap* FromHandle(HBITMAP h) { return static_cast<CBitmap*>(CGdiObject::FromHandle(h)); }
};

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// bits receives the pixel pointer: 32-bit B, G, R, A or 8-bit palette indexes, rows of
// (width x bits + 31) / 32 x 4 bytes, bottom-up when biHeight is positive.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);
// Reads an image file into a bitmap; nullptr when it cannot be read.
HBITMAP LoadBitmapFromFile(const CString& path);
// Copies pixels of a bitmap out as a DIB (32-bit only); with bits nullptr only fills the header.
int GetDIBits(HDC dc, HBITMAP bm, UINT startScan, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC dc, HBITMAP bm, UINT startScan, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);
HBITMAP CopyBitmap(HBITMAP bm);

// Resolves a bitmap resource id to an image file path (installed by the application, which
// knows the language pack); LoadBitmap fails while none is installed.
using BitmapResourceLoader = HBITMAP (*)(UINT id);
void SetBitmapResourceLoader(BitmapResourceLoader loader);
