#include "platform/ui/image_list.h"

#include <QImage>

#include <vector>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"
#include "platform/ui/icon.h"

using namespace vorn_ui;

struct IMAGELIST__ {
    struct Image {
        QImage color;  // raw B, G, R, A pixels
        QImage mask;   // white where transparent (Format_RGB32)
        bool alpha = false;
    };
    int cx = 0, cy = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<Image> images;
};

namespace {

IMAGELIST__::Image Slice(const Surface& s, int x0, int cx, int cy, bool useMask, bool maskFromColor,
                         std::uint32_t maskPixel, const Surface* maskSurface, bool keepAlpha) {
    IMAGELIST__::Image img;
    img.color = QImage(cx, cy, QImage::Format_RGB32);
    img.mask = QImage(cx, cy, QImage::Format_RGB32);
    img.color.fill(0);
    img.mask.fill(0);
    bool anyAlpha = false;
    for (int y = 0; y < cy && y < s.height(); ++y) {
        auto* c = reinterpret_cast<std::uint32_t*>(img.color.scanLine(y));
        auto* m = reinterpret_cast<std::uint32_t*>(img.mask.scanLine(y));
        for (int x = 0; x < cx && x0 + x < s.width(); ++x) {
            const std::uint32_t raw = s.bitsPerPixel == 8 ? s.pixel(x0 + x, y) : s.row(y)[x0 + x];
            std::uint32_t value = raw;
            if (!keepAlpha || s.drawAlpha != 0) value &= 0x00FFFFFFu;
            if ((value >> 24) != 0) anyAlpha = true;
            bool transparent = false;
            if (useMask && maskFromColor) transparent = (raw & 0xFFFFFF) == maskPixel;
            if (useMask && maskSurface && y < maskSurface->height() && x0 + x < maskSurface->width())
                transparent = (maskSurface->pixel(x0 + x, y) & 0xFFFFFF) != 0;
            // Transparent pixels of the picture become black, so that the masked draw can OR them in.
            c[x] = transparent ? 0u : value;
            m[x] = transparent ? 0x00FFFFFFu : 0u;
        }
    }
    img.alpha = anyAlpha;
    return img;
}

int AddImages(HIMAGELIST list, HBITMAP image, bool maskFromColor, COLORREF maskColor, HBITMAP maskBitmap) {
    BitmapRecord* bm = ToBitmap(image);
    if (!list || !bm || list->cx <= 0) return -1;
    Surface s = SurfaceOfBitmap(bm);
    BitmapRecord* mb = ToBitmap(maskBitmap);
    Surface ms = SurfaceOfBitmap(mb);
    const int count = std::max(1, s.width() / list->cx);
    const int first = static_cast<int>(list->images.size());
    const bool useMask = (list->flags & ILC_MASK) != 0;
    for (int i = 0; i < count; ++i)
        list->images.push_back(Slice(s, i * list->cx, list->cx, list->cy, useMask, maskFromColor,
                                     PixelFromColor(maskColor), mb ? &ms : nullptr,
                                     (list->flags & 0xFE) == ILC_COLOR32));
    return first;
}

IMAGELIST__::Image ImageFromIcon(HIMAGELIST list, HICON icon) {
    IMAGELIST__::Image img;
    img.color = icon->color.scaled(list->cx, list->cy).convertToFormat(QImage::Format_RGB32);
    img.mask = icon->mask.isNull() ? QImage() : icon->mask.scaled(list->cx, list->cy).convertToFormat(QImage::Format_RGB32);
    if (img.mask.isNull()) {
        img.mask = QImage(list->cx, list->cy, QImage::Format_RGB32);
        img.mask.fill(0);
    }
    img.alpha = icon->hasAlpha;
    return img;
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0) return nullptr;
    auto* list = new IMAGELIST__;
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    return list;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    delete list;
    return list != nullptr;
}

int ImageList_GetImageCount(HIMAGELIST list) { return list ? static_cast<int>(list->images.size()) : 0; }

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    if (!list) return FALSE;
    if (cx) *cx = list->cx;
    if (cy) *cy = list->cy;
    return TRUE;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask) { return AddImages(list, image, true, mask, nullptr); }

HIMAGELIST ImageList_Duplicate(HIMAGELIST list) { return list ? new IMAGELIST__(*list) : nullptr; }

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    if (!list || !dc || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
    CImageList temp;
    temp.Attach(list);
    const BOOL r = temp.Draw(CDC::FromHandle(dc), index, POINT{x, y}, style);
    temp.Detach();
    return r;
}

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    CBitmap bm;
    if (!bm.LoadBitmap(bitmapId)) return FALSE;
    BITMAP info{};
    bm.GetBitmap(&info);
    if (!Create(cx, info.bmHeight, ILC_COLOR32 | (mask != CLR_NONE ? ILC_MASK : 0), 0, grow)) return FALSE;
    return Add(&bm, mask) >= 0;
}

BOOL CImageList::Create(CImageList* other) {
    DeleteImageList();
    if (!other || !other->m_hImageList) return FALSE;
    m_hImageList = ImageList_Duplicate(other->m_hImageList);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CImageList::Attach(HIMAGELIST h) {
    if (!h) return FALSE;
    m_hImageList = h;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST h = m_hImageList;
    m_hImageList = nullptr;
    return h;
}

int CImageList::Add(CBitmap* image, CBitmap* mask) {
    if (!image) return -1;
    return AddImages(m_hImageList, *image, false, 0, mask ? static_cast<HBITMAP>(*mask) : nullptr);
}

int CImageList::Add(CBitmap* image, COLORREF maskColor) {
    if (!image) return -1;
    return AddImages(m_hImageList, *image, maskColor != CLR_NONE, maskColor, nullptr);
}

int CImageList::Add(HICON icon) {
    if (!m_hImageList || !icon) return -1;
    m_hImageList->images.push_back(ImageFromIcon(m_hImageList, icon));
    return static_cast<int>(m_hImageList->images.size()) - 1;
}

BOOL CImageList::Replace(int index, CBitmap* image, CBitmap* mask) {
    if (!m_hImageList || index < 0 || index >= GetImageCount() || !image) return FALSE;
    CImageList temp;
    temp.Create(m_hImageList->cx, m_hImageList->cy, m_hImageList->flags, 1, 1);
    if (temp.Add(image, mask) < 0) return FALSE;
    m_hImageList->images[static_cast<std::size_t>(index)] = temp.m_hImageList->images.front();
    return TRUE;
}

int CImageList::Replace(int index, HICON icon) {
    if (!m_hImageList || !icon) return -1;
    if (index == -1) return Add(icon);
    if (index < 0 || index >= GetImageCount()) return -1;
    m_hImageList->images[static_cast<std::size_t>(index)] = ImageFromIcon(m_hImageList, icon);
    return index;
}

BOOL CImageList::Remove(int index) {
    if (!m_hImageList) return FALSE;
    if (index == -1) {
        m_hImageList->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= GetImageCount()) return FALSE;
    m_hImageList->images.erase(m_hImageList->images.begin() + index);
    return TRUE;
}

BOOL CImageList::SetImageCount(UINT count) {
    if (!m_hImageList) return FALSE;
    IMAGELIST__::Image blank;
    blank.color = QImage(m_hImageList->cx, m_hImageList->cy, QImage::Format_RGB32);
    blank.color.fill(0);
    blank.mask = QImage(m_hImageList->cx, m_hImageList->cy, QImage::Format_RGB32);
    blank.mask.fill(0xFFFFFFFFu);
    m_hImageList->images.resize(count, blank);
    return TRUE;
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

BOOL CImageList::GetImageInfo(int index, IMAGEINFO* info) const {
    if (!m_hImageList || !info || index < 0 || index >= GetImageCount()) return FALSE;
    *info = IMAGEINFO{};
    info->rcImage = RECT{index * m_hImageList->cx, 0, (index + 1) * m_hImageList->cx, m_hImageList->cy};
    return TRUE;
}

BOOL CImageList::GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }

COLORREF CImageList::SetBkColor(COLORREF color) {
    if (!m_hImageList) return CLR_NONE;
    std::swap(m_hImageList->background, color);
    return color;
}

COLORREF CImageList::GetBkColor() const { return m_hImageList ? m_hImageList->background : CLR_NONE; }

BOOL CImageList::Draw(CDC* dc, int index, POINT pt, UINT style) {
    return DrawEx(dc, index, pt, SIZE{0, 0}, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL CImageList::DrawEx(CDC* dc, int index, POINT pt, SIZE size, COLORREF background, COLORREF foreground,
                        UINT style) {
    HIMAGELIST list = m_hImageList;
    if (!list || !dc || !dc->m_hDC || index < 0 || index >= GetImageCount()) return FALSE;
    const IMAGELIST__::Image& img = list->images[static_cast<std::size_t>(index)];
    const int w = size.cx > 0 ? std::min(size.cx, list->cx) : list->cx;
    const int h = size.cy > 0 ? std::min(size.cy, list->cy) : list->cy;
    if (background == CLR_DEFAULT) background = list->background;
    const bool masked = (list->flags & ILC_MASK) && ((style & ILD_TRANSPARENT) || background == CLR_NONE);
    const unsigned blend = (style & ILD_BLEND50) ? 128 : (style & ILD_BLEND25) ? 64 : 0;
    const std::uint32_t blendColor =
        PixelFromColor(foreground == CLR_DEFAULT || foreground == CLR_NONE ? GetSysColor(COLOR_HIGHLIGHT) : foreground);
    const std::uint32_t back = PixelFromColor(background == CLR_NONE ? 0 : background);
    HDC hdc = dc->m_hDC;
    const QPoint origin = ToDevice(hdc, pt.x, pt.y);
    Surface s = SurfaceOf(hdc);
    const QPoint shift = DeviceShift(hdc);
    ApplyRegion(hdc, QRegion(origin.x(), origin.y(), w, h), R2_COPYPEN, [&](int x, int y, std::uint32_t& value) {
        const int ix = x - origin.x(), iy = y - origin.y();
        const std::uint32_t c = reinterpret_cast<const std::uint32_t*>(img.color.constScanLine(iy))[ix];
        const bool transparent = (reinterpret_cast<const std::uint32_t*>(img.mask.constScanLine(iy))[ix] & 0xFFFFFF) != 0;
        const std::uint32_t old = s.row(y + shift.y())[x + shift.x()] & 0xFFFFFF;
        if (style & ILD_MASK) {
            value = transparent ? 0xFFFFFFu : 0u;
            return true;
        }
        if (img.alpha && (list->flags & 0xFE) == ILC_COLOR32) {
            std::uint32_t v = BlendPixel(c & 0xFFFFFF, masked ? old : back, c >> 24);
            if (blend) v = BlendPixel(blendColor, v, blend);
            value = v;
            return true;
        }
        if (transparent && (list->flags & ILC_MASK)) {
            if (masked) return false;
            value = back;
            return true;
        }
        value = blend ? BlendPixel(blendColor, c & 0xFFFFFF, blend) : (c & 0xFFFFFF);
        return true;
    });
    return TRUE;
}

HICON CImageList::ExtractIcon(int index) {
    if (!m_hImageList || index < 0 || index >= GetImageCount()) return nullptr;
    const IMAGELIST__::Image& img = m_hImageList->images[static_cast<std::size_t>(index)];
    HICON icon = vorn_ui::NewIcon();
    icon->color = img.color.copy();
    icon->mask = img.mask.copy();
    icon->hasAlpha = img.alpha && (m_hImageList->flags & 0xFE) == ILC_COLOR32;
    if (!(m_hImageList->flags & ILC_MASK)) icon->mask.fill(0);
    return icon;
}

namespace vorn_ui {

QImage ImageListPicture(HIMAGELIST list, int index) {
    if (!list || index < 0 || index >= static_cast<int>(list->images.size())) return QImage();
    const IMAGELIST__::Image& img = list->images[static_cast<std::size_t>(index)];
    QImage out(img.color.size(), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* c = reinterpret_cast<const std::uint32_t*>(img.color.constScanLine(y));
        const auto* m = img.mask.isNull() ? nullptr : reinterpret_cast<const std::uint32_t*>(img.mask.constScanLine(y));
        auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (m && (m[x] & 0x00FFFFFFu)) o[x] = 0;
            else o[x] = img.alpha ? c[x] : (c[x] | 0xFF000000u);
        }
    }
    return out;
}

}  // namespace vorn_ui
