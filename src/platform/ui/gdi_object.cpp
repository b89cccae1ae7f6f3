#include "platform/ui/gdi_object.h"

#include <array>

#include "platform/ui/bitmap.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/rgn.h"

namespace vorn_ui {

GdiHeader& HeaderOf(HGDIOBJ h) {
    switch (h->objectType) {
    case OBJ_PEN: return static_cast<PenRecord*>(h)->header;
    case OBJ_BRUSH: return static_cast<BrushRecord*>(h)->header;
    case OBJ_FONT: return static_cast<FontRecord*>(h)->header;
    case OBJ_BITMAP: return static_cast<BitmapRecord*>(h)->header;
    case OBJ_PAL: return static_cast<PaletteRecord*>(h)->header;
    default: return static_cast<RgnRecord*>(h)->header;
    }
}

PenRecord* ToPen(HGDIOBJ h) { return h && h->objectType == OBJ_PEN ? static_cast<PenRecord*>(h) : nullptr; }
BrushRecord* ToBrush(HGDIOBJ h) { return h && h->objectType == OBJ_BRUSH ? static_cast<BrushRecord*>(h) : nullptr; }
FontRecord* ToFont(HGDIOBJ h) { return h && h->objectType == OBJ_FONT ? static_cast<FontRecord*>(h) : nullptr; }
BitmapRecord* ToBitmap(HGDIOBJ h) { return h && h->objectType == OBJ_BITMAP ? static_cast<BitmapRecord*>(h) : nullptr; }
RgnRecord* ToRgn(HGDIOBJ h) { return h && h->objectType == OBJ_REGION ? static_cast<RgnRecord*>(h) : nullptr; }

namespace {

void FreeRecord(HGDIOBJ h) {
    GdiHeader& header = HeaderOf(h);
    if (header.attached) header.attached->m_hObject = nullptr;
    delete h;
}

}  // namespace

void RetainSelected(HGDIOBJ h) {
    if (h) ++HeaderOf(h).selectCount;
}

bool ReleaseSelected(HGDIOBJ h) {
    if (!h) return false;
    GdiHeader& header = HeaderOf(h);
    if (--header.selectCount > 0 || !header.deletePending) return false;
    FreeRecord(h);
    return true;
}

}  // namespace vorn_ui

using namespace vorn_ui;

namespace {

HFONT MakeStockFont(const wchar_t* face, int height, int weight, BYTE pitch) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfPitchAndFamily = pitch;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    HFONT h = CreateFontIndirect(&lf);
    HeaderOf(h).stock = true;
    return h;
}

HGDIOBJ MakeStock(int index) {
    HGDIOBJ h = nullptr;
    switch (index) {
    case WHITE_BRUSH: h = CreateSolidBrush(RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: h = CreateSolidBrush(RGB(192, 192, 192)); break;
    case GRAY_BRUSH: h = CreateSolidBrush(RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: h = CreateSolidBrush(RGB(64, 64, 64)); break;
    case BLACK_BRUSH: h = CreateSolidBrush(RGB(0, 0, 0)); break;
    case DC_BRUSH: h = CreateSolidBrush(RGB(255, 255, 255)); break;
    case NULL_BRUSH: {
        LOGBRUSH lb{BS_NULL, 0, 0};
        h = CreateBrushIndirect(&lb);
        break;
    }
    case WHITE_PEN: h = CreatePen(PS_SOLID, 0, RGB(255, 255, 255)); break;
    case BLACK_PEN: h = CreatePen(PS_SOLID, 0, RGB(0, 0, 0)); break;
    case DC_PEN: h = CreatePen(PS_SOLID, 0, RGB(0, 0, 0)); break;
    case NULL_PEN: h = CreatePen(PS_NULL, 0, 0); break;
    // The classic dialog and variable-pitch fonts are 8-point sans faces; the system font is
    // bold; the fixed fonts are a monospaced face.
    case ANSI_VAR_FONT: h = MakeStockFont(L"MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS); break;
    case DEFAULT_GUI_FONT: h = MakeStockFont(L"MS Shell Dlg", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS); break;
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: h = MakeStockFont(L"System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS); break;
    case ANSI_FIXED_FONT:
    case OEM_FIXED_FONT:
    case SYSTEM_FIXED_FONT: h = MakeStockFont(L"Courier", 13, FW_NORMAL, FIXED_PITCH | FF_MODERN); break;
    default: return nullptr;
    }
    HeaderOf(h).stock = true;
    return h;
}

}  // namespace

HGDIOBJ GetStockObject(int index) {
    static std::array<HGDIOBJ, 20> stock{};
    if (index < 0 || index >= static_cast<int>(stock.size())) return nullptr;
    if (!stock[static_cast<std::size_t>(index)]) stock[static_cast<std::size_t>(index)] = MakeStock(index);
    return stock[static_cast<std::size_t>(index)];
}

HBRUSH GetSysColorBrush(int index) {
    static std::array<HBRUSH, 31> brushes{};
    if (index < 0 || index >= static_cast<int>(brushes.size())) return nullptr;
    HBRUSH& b = brushes[static_cast<std::size_t>(index)];
    if (!b) {
        b = CreateSolidBrush(GetSysColor(index));
        static_cast<BrushRecord*>(b)->sysColorIndex = index;
        HeaderOf(b).stock = true;
    }
    return b;
}

BOOL DeleteObject(HGDIOBJ h) {
    if (!h) return FALSE;
    GdiHeader& header = HeaderOf(h);
    if (header.stock) return TRUE;
    if (header.selectCount > 0) {
        header.deletePending = true;
        if (header.attached) {
            header.attached->m_hObject = nullptr;
            header.attached = nullptr;
        }
        return TRUE;
    }
    if (header.attached) header.attached->m_hObject = nullptr;
    header.attached = nullptr;
    delete h;
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ h) { return h ? static_cast<DWORD>(h->objectType) : 0; }

int GetObject(HGDIOBJ h, int count, void* buffer) {
    if (!h) return 0;
    switch (h->objectType) {
    case OBJ_PEN:
        if (!buffer) return sizeof(LOGPEN);
        if (count < static_cast<int>(sizeof(LOGPEN))) return 0;
        *static_cast<LOGPEN*>(buffer) = static_cast<PenRecord*>(h)->log;
        return sizeof(LOGPEN);
    case OBJ_BRUSH:
        if (!buffer) return sizeof(LOGBRUSH);
        if (count < static_cast<int>(sizeof(LOGBRUSH))) return 0;
        *static_cast<LOGBRUSH*>(buffer) = static_cast<BrushRecord*>(h)->log;
        return sizeof(LOGBRUSH);
    case OBJ_FONT:
        if (!buffer) return sizeof(LOGFONT);
        if (count < static_cast<int>(sizeof(LOGFONT))) return 0;
        *static_cast<LOGFONT*>(buffer) = static_cast<FontRecord*>(h)->log;
        return sizeof(LOGFONT);
    case OBJ_BITMAP: {
        auto* bm = static_cast<BitmapRecord*>(h);
        BITMAP info{};
        info.bmWidth = bm->width();
        info.bmHeight = bm->height();
        info.bmPlanes = 1;
        info.bmBitsPixel = static_cast<WORD>(bm->bitsPerPixel);
        if (bm->bitsPerPixel == 1) info.bmWidthBytes = ((info.bmWidth + 15) / 16) * 2;
        else if (bm->bitsPerPixel == 8) info.bmWidthBytes = bm->indexStride;
        else info.bmWidthBytes = info.bmWidth * 4;
        if (bm->dibSection)
            info.bmBits = bm->bitsPerPixel == 8 ? static_cast<void*>(bm->indexes.data()) : bm->image.bits();
        if (count >= static_cast<int>(sizeof(DIBSECTION)) && bm->dibSection && buffer) {
            DIBSECTION ds{};
            ds.dsBm = info;
            ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
            ds.dsBmih.biWidth = info.bmWidth;
            ds.dsBmih.biHeight = bm->bottomUp ? info.bmHeight : -info.bmHeight;
            ds.dsBmih.biPlanes = 1;
            ds.dsBmih.biBitCount = info.bmBitsPixel;
            ds.dsBmih.biSizeImage = static_cast<DWORD>(info.bmWidthBytes * info.bmHeight);
            *static_cast<DIBSECTION*>(buffer) = ds;
            return sizeof(DIBSECTION);
        }
        if (!buffer) return sizeof(BITMAP);
        if (count < static_cast<int>(sizeof(BITMAP))) return 0;
        *static_cast<BITMAP*>(buffer) = info;
        return sizeof(BITMAP);
    }
    default: return 0;
    }
}

HPEN CreatePen(int style, int width, COLORREF color) {
    LOGPEN lp{static_cast<UINT>(style), POINT{width, 0}, color};
    return CreatePenIndirect(&lp);
}

HPEN CreatePenIndirect(const LOGPEN* log) {
    if (!log) return nullptr;
    auto* p = new PenRecord;
    p->log = *log;
    return p;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH lb{BS_SOLID, color, 0};
    return CreateBrushIndirect(&lb);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    LOGBRUSH lb{BS_HATCHED, color, static_cast<ULONG_PTR>(hatch)};
    return CreateBrushIndirect(&lb);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    LOGBRUSH lb{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap)};
    return CreateBrushIndirect(&lb);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* log) {
    if (!log) return nullptr;
    auto* b = new BrushRecord;
    b->log = *log;
    if (log->lbStyle == BS_PATTERN) {
        BitmapRecord* bm = ToBitmap(reinterpret_cast<HGDIOBJ>(log->lbHatch));
        if (!bm) {
            delete b;
            return nullptr;
        }
        // The brush keeps its own copy: the bitmap may be deleted while the brush lives.
        Surface s = SurfaceOfBitmap(bm);
        b->pattern = DisplayImage(s);
        b->monoPattern = bm->bitsPerPixel == 1;
    }
    return b;
}

// CGdiObject

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ h) {
    if (!h) return FALSE;
    m_hObject = h;
    GdiHeader& header = HeaderOf(h);
    if (!header.attached) header.attached = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h) {
        GdiHeader& header = HeaderOf(h);
        if (header.attached == this) header.attached = nullptr;
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    HGDIOBJ h = Detach();
    GdiHeader& header = HeaderOf(h);
    // A wrapper made by FromHandle never owns the handle.
    if (header.temporary.get() == this) return FALSE;
    return ::DeleteObject(h);
}

BOOL CGdiObject::CreateStockObject(int index) { return Attach(GetStockObject(index)); }

int CGdiObject::GetObject(int count, void* buffer) const { return ::GetObject(m_hObject, count, buffer); }

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
    if (!h) return nullptr;
    GdiHeader& header = HeaderOf(h);
    if (header.attached) return header.attached;
    if (!header.temporary) {
        switch (h->objectType) {
        case OBJ_PEN: header.temporary = std::make_unique<CPen>(); break;
        case OBJ_BRUSH: header.temporary = std::make_unique<CBrush>(); break;
        case OBJ_FONT: header.temporary = std::make_unique<CFont>(); break;
        case OBJ_BITMAP: header.temporary = std::make_unique<CBitmap>(); break;
        case OBJ_REGION: header.temporary = std::make_unique<CRgn>(); break;
        default: header.temporary = std::make_unique<CGdiObject>(); break;
        }
        header.temporary->m_hObject = h;
    }
    return header.temporary.get();
}

// CPen

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    DeleteObject();
    return Attach(::CreatePen(style, width, color));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* log) {
    DeleteObject();
    return Attach(::CreatePenIndirect(log));
}

int CPen::GetLogPen(LOGPEN* log) const { return ::GetObject(m_hObject, sizeof(LOGPEN), log); }

// CBrush

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    DeleteObject();
    return Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color) {
    DeleteObject();
    return Attach(::CreateHatchBrush(hatch, color));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    DeleteObject();
    return bitmap ? Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject))) : FALSE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* log) {
    DeleteObject();
    return Attach(::CreateBrushIndirect(log));
}

BOOL CBrush::CreateSysColorBrush(int index) {
    DeleteObject();
    HBRUSH b = ::CreateSolidBrush(GetSysColor(index));
    if (b) static_cast<BrushRecord*>(b)->sysColorIndex = index;
    return Attach(b);
}

int CBrush::GetLogBrush(LOGBRUSH* log) const { return ::GetObject(m_hObject, sizeof(LOGBRUSH), log); }
