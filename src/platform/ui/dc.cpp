#include "platform/ui/dc.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/dc_record.h"
#include "platform/ui/wnd.h"

using namespace vorn_ui;

namespace vorn_ui {

Surface SurfaceOf(const HDC__* dc) {
    if (!dc) return Surface();
    switch (dc->kind) {
    case HDC__::Memory: return SurfaceOfBitmap(ToBitmap(dc->st.bitmap));
    case HDC__::Window: return WindowStoreSurface(dc->hwnd, nullptr);
    case HDC__::Image: {
        Surface s;
        s.image = dc->image;
        return s;
    }
    }
    return Surface();
}

QPoint DeviceShift(const HDC__* dc) {
    if (dc && dc->kind == HDC__::Window && dc->wholeWindow) {
        QPoint offset;
        WindowStoreSurface(dc->hwnd, &offset);
        return -offset;
    }
    return QPoint(0, 0);
}

QRegion DrawableRegion(const HDC__* dc) {
    Surface s = SurfaceOf(dc);
    QRegion r(0, 0, s.width(), s.height());
    const QPoint shift = DeviceShift(dc);
    if (dc->hasSystemClip) r &= dc->systemClip.translated(shift);
    if (dc->st.hasClip) r &= dc->st.clip.translated(shift);
    return r;
}

void NoteDrawn(const HDC__* dc) {
    if (dc->kind == HDC__::Window && !dc->paintDC) WindowStoreChanged(dc->hwnd);
}

QPoint ToDevice(const HDC__* dc, int x, int y) {
    return QPoint(x - dc->st.windowOrg.x + dc->st.viewportOrg.x, y - dc->st.windowOrg.y + dc->st.viewportOrg.y);
}

QRect DeviceRect(const HDC__* dc, int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const QPoint tl = ToDevice(dc, left, top);
    return QRect(tl.x(), tl.y(), right - left, bottom - top);
}

namespace {

// 8 x 8 hatch patterns, one byte per row, bit 7 the left pixel.
const std::uint8_t kHatch[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal, top-left to bottom-right
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

}  // namespace

bool BrushSource::operator()(int x, int y, std::uint32_t& value) const {
    switch (style) {
    case BS_SOLID: value = color; return true;
    case BS_HATCHED: {
        const int px = ((x - origin.x) % 8 + 8) % 8, py = ((y - origin.y) % 8 + 8) % 8;
        if ((kHatch[hatch][py] >> (7 - px)) & 1) {
            value = color;
            return true;
        }
        if (!opaque) return false;
        value = background;
        return true;
    }
    case BS_PATTERN: {
        if (!pattern || pattern->isNull()) return false;
        const int w = pattern->width(), h = pattern->height();
        const int px = ((x - origin.x) % w + w) % w, py = ((y - origin.y) % h + h) % h;
        const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(pattern->constScanLine(py))[px] & 0xFFFFFF;
        value = monoPattern ? (p ? background : text) : p;
        return true;
    }
    default: return false;
    }
}

BrushSource SolidSource(COLORREF color) {
    BrushSource b;
    b.style = BS_SOLID;
    b.color = PixelFromColor(color);
    return b;
}

BrushSource MakeBrushSource(const HDC__* dc, HBRUSH brush) {
    BrushSource b;
    BrushRecord* r = ToBrush(brush);
    if (!r) return b;
    b.style = r->log.lbStyle;
    b.color = PixelFromColor(r->log.lbColor);
    if (r == GetStockObject(DC_BRUSH)) b.color = PixelFromColor(dc->st.dcBrushColor);
    if (r->sysColorIndex >= 0) b.color = PixelFromColor(GetSysColor(r->sysColorIndex));
    b.background = PixelFromColor(dc->st.bkColor);
    b.text = PixelFromColor(dc->st.textColor);
    b.opaque = dc->st.bkMode == OPAQUE;
    b.hatch = static_cast<int>(std::min<ULONG_PTR>(r->log.lbHatch, HS_DIAGCROSS));
    b.pattern = &r->pattern;
    b.monoPattern = r->monoPattern;
    b.origin = dc->st.brushOrg;
    return b;
}

namespace {
bool rowShortcuts = true;
}  // namespace

bool RowShortcutsEnabled() { return rowShortcuts; }
void EnableRowShortcuts(bool on) { rowShortcuts = on; }

bool FillBrushRows(const HDC__* dc, const QRegion& region, int rop, const BrushSource& brush, const QImage* mask,
                   QPoint maskOrigin) {
    if (!rowShortcuts) return false;
    // Rows of the brush repeat after this many rows.
    // The brush repeats after this many pixels across and this many rows down.
    int across = 1, period = 1;
    switch (brush.style) {
    case BS_SOLID: break;
    case BS_HATCHED: across = period = 8; break;
    case BS_PATTERN:
        if (!brush.pattern || brush.pattern->isNull()) return false;
        across = brush.pattern->width();
        period = brush.pattern->height();
        break;
    default: return false;
    }
    Surface s = SurfaceOf(dc);
    if (!s.valid() || s.bitsPerPixel == 8) return true;
    const QPoint shift = DeviceShift(dc);
    const QRegion target = region.translated(shift).intersected(DrawableRegion(dc));
    const bool copy = rop == R2_COPYPEN;
    std::vector<std::uint32_t> values;
    std::vector<std::uint8_t> present;
    std::vector<std::uint8_t> whole;  // per brush row: every pixel present
    for (const QRect& r : target) {
        const int width = r.width();
        const int rows = std::min(period, r.height());
        const std::size_t w = static_cast<std::size_t>(width);
        values.assign(w * static_cast<std::size_t>(rows), 0);
        present.assign(values.size(), 0);
        whole.assign(static_cast<std::size_t>(rows), 1);
        for (int i = 0; i < rows; ++i) {
            const int y = r.top() + i - shift.y();
            std::uint32_t* line = values.data() + static_cast<std::size_t>(i) * w;
            std::uint8_t* on = present.data() + static_cast<std::size_t>(i) * w;
            for (int k = 0; k < width; ++k) {
                if (k >= across) {
                    line[k] = line[k - across];
                    on[k] = on[k - across];
                    continue;
                }
                std::uint32_t v = 0;
                if (!brush(r.left() + k - shift.x(), y, v)) {
                    whole[static_cast<std::size_t>(i)] = 0;
                    continue;
                }
                on[k] = 1;
                line[k] = copy ? StoredPixel(s, v) : (v & 0x00FFFFFFu);
            }
        }
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const std::size_t i = static_cast<std::size_t>((y - r.top()) % rows);
            const std::uint32_t* line = values.data() + i * w;
            const std::uint8_t* on = present.data() + i * w;
            std::uint32_t* row = s.row(y) + r.left();
            const std::uint32_t* covered =
                mask ? reinterpret_cast<const std::uint32_t*>(mask->constScanLine(y - maskOrigin.y() - shift.y())) +
                           (r.left() - maskOrigin.x() - shift.x())
                     : nullptr;
            if (copy && whole[i] && !covered) {
                std::memcpy(row, line, w * sizeof(std::uint32_t));
                continue;
            }
            for (std::size_t k = 0; k < w; ++k) {
                if (!on[k] || (covered && (covered[k] >> 24) < 128)) continue;
                row[k] = copy ? line[k] : StoredPixel(s, Rop2(rop, line[k], row[k] & 0x00FFFFFFu));
            }
        }
    }
    NoteDrawn(dc);
    return true;
}

void ApplyCoverage(const HDC__* dc, const QImage& coverage, QPoint origin, int rop) {
    Surface s = SurfaceOf(dc);
    if (!s.valid() || s.bitsPerPixel == 8) return;
    const QPoint shift = DeviceShift(dc);
    const QRect box(origin + shift, coverage.size());
    const QRegion target = DrawableRegion(dc).intersected(box);
    for (const QRect& r : target) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* row = s.row(y);
            const auto* src = reinterpret_cast<const std::uint32_t*>(coverage.constScanLine(y - box.top()));
            for (int x = r.left(); x <= r.right(); ++x) {
                // Most of a text's coverage is empty: pass over it four pixels at a time.
                while (x + 3 <= r.right() && rowShortcuts &&
                       (src[x - box.left()] | src[x + 1 - box.left()] | src[x + 2 - box.left()] |
                        src[x + 3 - box.left()]) == 0)
                    x += 4;
                if (x > r.right()) break;
                const std::uint32_t c = src[x - box.left()];
                const unsigned a = c >> 24;
                if (a == 0) continue;
                if (a == 255 && rop == R2_COPYPEN && rowShortcuts) {
                    // Fully covered: the colour itself.
                    StorePixel(s, row + x, c);
                    continue;
                }
                const std::uint32_t old = row[x] & 0x00FFFFFFu;
                if (rop == R2_COPYPEN) {
                    // Premultiplied colour over the old pixel.
                    std::uint32_t out = 0;
                    for (int sh = 0; sh <= 16; sh += 8) {
                        const unsigned sc = (c >> sh) & 0xFF, d = (old >> sh) & 0xFF;
                        out |= std::min(255u, sc + (d * (255 - a) + 127) / 255) << sh;
                    }
                    StorePixel(s, row + x, out);
                } else if (a >= 128) {
                    std::uint32_t unpremultiplied = 0;
                    for (int sh = 0; sh <= 16; sh += 8)
                        unpremultiplied |= std::min(255u, ((c >> sh) & 0xFF) * 255 / a) << sh;
                    StorePixel(s, row + x, Rop2(rop, unpremultiplied, old));
                }
            }
        }
    }
    NoteDrawn(dc);
}

}  // namespace vorn_ui

// Lifetime

namespace {

HDC NewMemoryDC(int bitsPerPixel = 1) {
    auto* dc = new HDC__;
    dc->kind = HDC__::Memory;
    dc->defaultBitmap = CreateBitmap(1, 1, 1, static_cast<UINT>(bitsPerPixel), nullptr);
    dc->st.bitmap = dc->defaultBitmap;
    dc->st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc->st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->st.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    RetainSelected(dc->st.bitmap);
    ToBitmap(dc->st.bitmap)->selectedInto = dc;
    return dc;
}

void ReleaseState(vorn_ui::DcState& st) {
    ReleaseSelected(st.pen);
    ReleaseSelected(st.brush);
    ReleaseSelected(st.font);
}

void RetainState(vorn_ui::DcState& st) {
    RetainSelected(st.pen);
    RetainSelected(st.brush);
    RetainSelected(st.font);
}

}  // namespace

HDC CreateCompatibleDC(HDC) {
    HDC dc = NewMemoryDC();
    RetainState(dc->st);
    return dc;
}

namespace vorn_ui {
HDC NewScreenDC() {
    HDC dc = NewMemoryDC(32);
    RetainState(dc->st);
    return dc;
}
}  // namespace vorn_ui

BOOL DeleteDC(HDC dc) {
    if (!dc) return FALSE;
    ReleaseState(dc->st);
    for (auto& s : dc->saved) ReleaseState(s);
    if (dc->kind == HDC__::Memory) {
        if (BitmapRecord* bm = ToBitmap(dc->st.bitmap)) bm->selectedInto = nullptr;
        ReleaseSelected(dc->st.bitmap);
        DeleteObject(dc->defaultBitmap);
    }
    if (dc->attached) dc->attached->m_hDC = nullptr;
    if (dc->temporary) dc->temporary->m_hDC = nullptr;
    if (dc->kind == HDC__::Window && !dc->paintDC) WindowStoreChanged(dc->hwnd);
    delete dc;
    return TRUE;
}

namespace vorn_ui {

// Window DCs are made by the window layer with the stock objects selected.
HDC NewWindowDC(HWND hwnd, bool wholeWindow) {
    auto* dc = new HDC__;
    dc->kind = HDC__::Window;
    dc->hwnd = hwnd;
    dc->wholeWindow = wholeWindow;
    dc->st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc->st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->st.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    RetainState(dc->st);
    return dc;
}

HDC NewImageDC(QImage* image) {
    auto* dc = new HDC__;
    dc->kind = HDC__::Image;
    dc->image = image;
    dc->st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc->st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->st.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    RetainState(dc->st);
    return dc;
}

}  // namespace vorn_ui

CDC::~CDC() {
    if (m_hDC && m_ownsDC) DeleteDC();
    else if (m_hDC) Detach();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC) DeleteDC();
    HDC h = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    Attach(h);
    m_ownsDC = true;
    return h != nullptr;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    HDC h = Detach();
    return ::DeleteDC(h);
}

BOOL CDC::Attach(HDC dc) {
    if (!dc) return FALSE;
    m_hDC = m_hAttribDC = dc;
    if (!dc->attached) dc->attached = this;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (h && h->attached == this) h->attached = nullptr;
    m_hDC = m_hAttribDC = nullptr;
    m_ownsDC = false;
    return h;
}

CDC* CDC::FromHandle(HDC dc) {
    if (!dc) return nullptr;
    if (dc->attached) return dc->attached;
    if (!dc->temporary) {
        dc->temporary = std::make_unique<CDC>();
        dc->temporary->m_hDC = dc->temporary->m_hAttribDC = dc;
    }
    return dc->temporary.get();
}

CWnd* CDC::GetWindow() const {
    return m_hDC && m_hDC->kind == HDC__::Window ? CWnd::FromHandle(m_hDC->hwnd) : nullptr;
}

// State

int CDC::SaveDC() {
    if (!m_hDC) return 0;
    m_hDC->saved.push_back(m_hDC->st);
    RetainState(m_hDC->saved.back());
    return static_cast<int>(m_hDC->saved.size());
}

BOOL CDC::RestoreDC(int savedDC) {
    if (!m_hDC) return FALSE;
    auto& saved = m_hDC->saved;
    const int count = static_cast<int>(saved.size());
    const int index = savedDC < 0 ? count + savedDC : savedDC - 1;
    if (index < 0 || index >= count) return FALSE;
    DcState restored = saved[static_cast<std::size_t>(index)];
    // The bitmap stays selected: a memory DC only changes bitmaps through SelectObject.
    if (m_hDC->kind == HDC__::Memory && restored.bitmap != m_hDC->st.bitmap) SelectObject(restored.bitmap);
    restored.bitmap = m_hDC->st.bitmap;
    ReleaseState(m_hDC->st);
    m_hDC->st = restored;  // takes over the reference of the saved copy
    for (int i = index + 1; i < count; ++i) ReleaseState(saved[static_cast<std::size_t>(i)]);
    saved.resize(static_cast<std::size_t>(index));
    return TRUE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ h) { return ::SelectObject(m_hDC, h); }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ h) {
    if (!dc || !h) return nullptr;
    DcState& st = dc->st;
    auto swap = [&](auto& slot) -> HGDIOBJ {
        using T = std::remove_reference_t<decltype(slot)>;
        HGDIOBJ old = slot;
        RetainSelected(h);
        slot = static_cast<T>(h);
        // An object deleted while selected ends here; its handle is not one to give back.
        return ReleaseSelected(old) ? nullptr : old;
    };
    switch (h->objectType) {
    case OBJ_PEN: return swap(st.pen);
    case OBJ_BRUSH: return swap(st.brush);
    case OBJ_FONT: return swap(st.font);
    case OBJ_BITMAP: {
        if (dc->kind != HDC__::Memory) return nullptr;
        BitmapRecord* bm = ToBitmap(h);
        if (bm->selectedInto && bm->selectedInto != dc) return nullptr;  // one DC at a time
        if (BitmapRecord* old = ToBitmap(st.bitmap)) old->selectedInto = nullptr;
        bm->selectedInto = dc;
        HGDIOBJ old = swap(st.bitmap);
        st.hasClip = false;  // a new surface starts unclipped
        return old;
    }
    case OBJ_REGION: {
        ExtSelectClipRgn(dc, static_cast<HRGN>(h), RGN_COPY);
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(SIMPLEREGION));
    }
    default: return nullptr;
    }
}

CGdiObject* CDC::SelectStockObject(int index) { return CGdiObject::FromHandle(SelectObject(GetStockObject(index))); }
CPen* CDC::SelectObject(CPen* pen) {
    return pen ? static_cast<CPen*>(CGdiObject::FromHandle(SelectObject(pen->m_hObject))) : nullptr;
}
CBrush* CDC::SelectObject(CBrush* brush) {
    return brush ? static_cast<CBrush*>(CGdiObject::FromHandle(SelectObject(brush->m_hObject))) : nullptr;
}
CFont* CDC::SelectObject(CFont* font) {
    return font ? static_cast<CFont*>(CGdiObject::FromHandle(SelectObject(font->m_hObject))) : nullptr;
}
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return bitmap ? static_cast<CBitmap*>(CGdiObject::FromHandle(SelectObject(bitmap->m_hObject))) : nullptr;
}
int CDC::SelectObject(CRgn* rgn) { return SelectClipRgn(rgn); }

CPen* CDC::GetCurrentPen() const { return m_hDC ? CPen::FromHandle(m_hDC->st.pen) : nullptr; }
CBrush* CDC::GetCurrentBrush() const { return m_hDC ? CBrush::FromHandle(m_hDC->st.brush) : nullptr; }
CFont* CDC::GetCurrentFont() const { return m_hDC ? CFont::FromHandle(m_hDC->st.font) : nullptr; }
CBitmap* CDC::GetCurrentBitmap() const { return m_hDC ? CBitmap::FromHandle(m_hDC->st.bitmap) : nullptr; }

#define VORN_DC_SETTER(Name, field, Type)             \
    Type CDC::Set##Name(Type value) {                 \
        if (!m_hDC) return Type();                    \
        Type old = m_hDC->st.field;                   \
        m_hDC->st.field = value;                      \
        return old;                                   \
    }                                                 \
    Type CDC::Get##Name() const { return m_hDC ? m_hDC->st.field : Type(); }
VORN_DC_SETTER(TextColor, textColor, COLORREF)
VORN_DC_SETTER(BkColor, bkColor, COLORREF)
VORN_DC_SETTER(ROP2, rop2, int)
VORN_DC_SETTER(PolyFillMode, polyFillMode, int)
VORN_DC_SETTER(StretchBltMode, stretchMode, int)
VORN_DC_SETTER(MapMode, mapMode, int)
VORN_DC_SETTER(TextAlign, textAlign, UINT)
VORN_DC_SETTER(TextCharacterExtra, charExtra, int)
#undef VORN_DC_SETTER

int CDC::SetBkMode(int mode) {
    if (!m_hDC || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    const int old = m_hDC->st.bkMode;
    m_hDC->st.bkMode = mode;
    return old;
}
int CDC::GetBkMode() const { return m_hDC ? m_hDC->st.bkMode : 0; }

COLORREF CDC::SetDCBrushColor(COLORREF color) {
    if (!m_hDC) return CLR_INVALID;
    std::swap(m_hDC->st.dcBrushColor, color);
    return color;
}

COLORREF CDC::SetDCPenColor(COLORREF color) {
    if (!m_hDC) return CLR_INVALID;
    std::swap(m_hDC->st.dcPenColor, color);
    return color;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    if (!m_hDC) return CPoint();
    const CPoint old(m_hDC->st.brushOrg);
    m_hDC->st.brushOrg = POINT{x, y};
    return old;
}
CPoint CDC::GetBrushOrg() const { return m_hDC ? CPoint(m_hDC->st.brushOrg) : CPoint(); }

int CDC::SetTextJustification(int breakExtra, int breakCount) {
    if (!m_hDC) return 0;
    m_hDC->st.justifyExtra = breakCount > 0 ? breakExtra : 0;
    m_hDC->st.justifyCount = breakCount > 0 ? breakCount : 0;
    m_hDC->st.justifyUsed = 0;
    return 1;
}

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

BOOL CDC::IsPrinting() const { return m_hDC && m_hDC->printer; }

int GetDeviceCaps(HDC dc, int index) {
    Surface s = SurfaceOf(dc);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case BITSPIXEL: return s.valid() && s.bitsPerPixel == 1 ? 1 : 32;
    case PLANES: return 1;
    case HORZRES: return s.width();
    case VERTRES: return s.height();
    case HORZSIZE: return s.width() * 254 / 960;
    case VERTSIZE: return s.height() * 254 / 960;
    case TECHNOLOGY: return dc && dc->printer ? DT_RASPRINTER : DT_RASDISPLAY;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    case NUMCOLORS: return -1;
    case SIZEPALETTE: return 0;
    default: return 0;
    }
}

// Coordinates

CPoint CDC::SetViewportOrg(int x, int y) {
    if (!m_hDC) return CPoint();
    const CPoint old(m_hDC->st.viewportOrg);
    m_hDC->st.viewportOrg = POINT{x, y};
    return old;
}
CPoint CDC::GetViewportOrg() const { return m_hDC ? CPoint(m_hDC->st.viewportOrg) : CPoint(); }
CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    const CPoint old = GetViewportOrg();
    return SetViewportOrg(old.x + dx, old.y + dy);
}
CPoint CDC::SetWindowOrg(int x, int y) {
    if (!m_hDC) return CPoint();
    const CPoint old(m_hDC->st.windowOrg);
    m_hDC->st.windowOrg = POINT{x, y};
    return old;
}
CPoint CDC::GetWindowOrg() const { return m_hDC ? CPoint(m_hDC->st.windowOrg) : CPoint(); }
CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    const CPoint old = GetWindowOrg();
    return SetWindowOrg(old.x + dx, old.y + dy);
}

void CDC::LPtoDP(LPPOINT points, int count) const {
    for (int i = 0; m_hDC && i < count; ++i) {
        const QPoint d = ToDevice(m_hDC, points[i].x, points[i].y);
        points[i] = POINT{d.x(), d.y()};
    }
}
void CDC::LPtoDP(LPRECT rc) const { LPtoDP(reinterpret_cast<LPPOINT>(rc), 2); }
void CDC::DPtoLP(LPPOINT points, int count) const {
    for (int i = 0; m_hDC && i < count; ++i) {
        points[i].x += m_hDC->st.windowOrg.x - m_hDC->st.viewportOrg.x;
        points[i].y += m_hDC->st.windowOrg.y - m_hDC->st.viewportOrg.y;
    }
}
void CDC::DPtoLP(LPRECT rc) const { DPtoLP(reinterpret_cast<LPPOINT>(rc), 2); }

// Clipping

namespace {

int RegionKind(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion CurrentClipOrAll(const HDC__* dc) {
    if (dc->st.hasClip) return dc->st.clip;
    // No clip region yet: everything the surface covers, in device coordinates.
    Surface s = SurfaceOf(dc);
    return QRegion(QRect(-DeviceShift(dc), QSize(s.width(), s.height())));
}

}  // namespace

int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode) {
    if (!dc) return ERROR;
    RgnRecord* r = ToRgn(rgn);
    if (!r) {
        if (mode != RGN_COPY) return ERROR;
        dc->st.hasClip = false;
        dc->st.clip = QRegion();
        return SIMPLEREGION;
    }
    // Clip regions are given in device coordinates.
    const QRegion given = r->region;
    QRegion result;
    switch (mode) {
    case RGN_COPY: result = given; break;
    case RGN_AND: result = CurrentClipOrAll(dc) & given; break;
    case RGN_OR: result = CurrentClipOrAll(dc) | given; break;
    case RGN_XOR: result = CurrentClipOrAll(dc) ^ given; break;
    case RGN_DIFF: result = CurrentClipOrAll(dc) - given; break;
    default: return ERROR;
    }
    dc->st.clip = result;
    dc->st.hasClip = true;
    return RegionKind(result);
}

int SelectClipRgn(HDC dc, HRGN rgn) { return ExtSelectClipRgn(dc, rgn, RGN_COPY); }

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return ERROR;
    dc->st.clip = CurrentClipOrAll(dc) & QRegion(DeviceRect(dc, left, top, right, bottom));
    dc->st.hasClip = true;
    return RegionKind(dc->st.clip);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    if (!m_hDC) return ERROR;
    m_hDC->st.clip = CurrentClipOrAll(m_hDC) - QRegion(DeviceRect(m_hDC, left, top, right, bottom));
    m_hDC->st.hasClip = true;
    return RegionKind(m_hDC->st.clip);
}

int CDC::SelectClipRgn(CRgn* rgn) { return ::ExtSelectClipRgn(m_hDC, rgn ? static_cast<HRGN>(*rgn) : nullptr, RGN_COPY); }

int CDC::SelectClipRgn(CRgn* rgn, int mode) {
    return ::ExtSelectClipRgn(m_hDC, rgn ? static_cast<HRGN>(*rgn) : nullptr, mode);
}

int CDC::OffsetClipRgn(int dx, int dy) {
    if (!m_hDC || !m_hDC->st.hasClip) return SIMPLEREGION;
    m_hDC->st.clip.translate(dx, dy);
    return RegionKind(m_hDC->st.clip);
}

int CDC::GetClipBox(LPRECT rc) const {
    if (!m_hDC || !rc) return ERROR;
    const QRegion visible = DrawableRegion(m_hDC).translated(-DeviceShift(m_hDC));
    const QRect b = visible.boundingRect();
    CRect r = b.isEmpty() ? CRect() : CRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    DPtoLP(&r);
    *rc = r;
    return RegionKind(visible);
}

int CDC::GetClipRgn(CRgn* rgn) const {
    if (!m_hDC || !rgn || !m_hDC->st.hasClip) return 0;
    if (!rgn->m_hObject) rgn->CreateRectRgn(0, 0, 0, 0);
    ToRgn(rgn->m_hObject)->region = m_hDC->st.clip;
    return 1;
}

BOOL CDC::PtVisible(int x, int y) const {
    return m_hDC && DrawableRegion(m_hDC).contains(ToDevice(m_hDC, x, y) + DeviceShift(m_hDC));
}

BOOL CDC::RectVisible(LPCRECT rc) const {
    return m_hDC && rc &&
           DrawableRegion(m_hDC).intersects(
               DeviceRect(m_hDC, rc->left, rc->top, rc->right, rc->bottom).translated(DeviceShift(m_hDC)));
}

QImage CDC::GrabImage() const { return DisplayImage(SurfaceOf(m_hDC)); }

bool CDC::SavePng(const CString& path) const { return GrabImage().save(QString::fromStdWString(path.str()), "PNG"); }

// Free-function forms

COLORREF SetTextColor(HDC dc, COLORREF color) { return CDC::FromHandle(dc)->SetTextColor(color); }
COLORREF SetBkColor(HDC dc, COLORREF color) { return CDC::FromHandle(dc)->SetBkColor(color); }
int SetBkMode(HDC dc, int mode) { return CDC::FromHandle(dc)->SetBkMode(mode); }
int SetTextJustification(HDC dc, int breakExtra, int breakCount) {
    return CDC::FromHandle(dc)->SetTextJustification(breakExtra, breakCount);
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    const bool mono = dc && dc->kind == HDC__::Memory && SurfaceOf(dc).bitsPerPixel == 1;
    return CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    DeleteObject();
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}
