#pragma once
// Drawing objects: the CGdiObject base with its pens and brushes, and the free functions
// that make, inspect and delete drawing-object handles.
#include "platform/ui/gdi_defs.h"
#include "platform/ui/object.h"

class CBitmap;

// Owns one handle (unless detached); deleting the wrapper deletes the object.
class CGdiObject : public CObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    int GetObject(int count, void* buffer) const;
    UINT GetObjectType() const;

    // The wrapper attached to a handle, or one made for it that lives as long as the handle.
    static CGdiObject* FromHandle(HGDIOBJ h);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL CreatePenIndirect(const LOGPEN* log);
    int GetLogPen(LOGPEN* log) const;
    static CPen* FromHandle(HPEN h) { return static_cast<CPen*>(CGdiObject::FromHandle(h)); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    CBrush(int hatch, COLORREF color) { CreateHatchBrush(hatch, color); }
    explicit CBrush(CBitmap* pattern) { CreatePatternBrush(pattern); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHatchBrush(int hatch, COLORREF color);
    BOOL CreatePatternBrush(CBitmap* bitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* log);
    BOOL CreateSysColorBrush(int index);
    int GetLogBrush(LOGBRUSH* log) const;
    static CBrush* FromHandle(HBRUSH h) { return static_cast<CBrush*>(CGdiObject::FromHandle(h)); }
};

HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ h);
int GetObject(HGDIOBJ h, int count, void* buffer);
DWORD GetObjectType(HGDIOBJ h);
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* log);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* log);
// A brush of a system colour; it belongs to the system and is never deleted.
HBRUSH GetSysColorBrush(int index);
