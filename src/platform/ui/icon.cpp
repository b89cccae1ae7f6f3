#include "platform/ui/icon.h"

#include <QCursor>
#include <QImageReader>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <unordered_set>

#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

using namespace vorn_ui;

namespace {

HCURSOR g_cursor = nullptr;

// Every icon and cursor record not yet destroyed, so that a handle given as a number can be
// checked before it is used. Kept for the whole run: icons may be destroyed during exit.
struct LiveIcons {
    std::mutex lock;
    std::unordered_set<const HICON__*> records;
};

LiveIcons& Live() {
    static auto* live = new LiveIcons;
    return *live;
}

void ForgetIcon(const HICON__* icon) {
    std::lock_guard<std::mutex> lock(Live().lock);
    Live().records.erase(icon);
}

}  // namespace

HICON vorn_ui::NewIcon(const HICON__& from) {
    auto* icon = new HICON__(from);
    std::lock_guard<std::mutex> lock(Live().lock);
    Live().records.insert(icon);
    return icon;
}

namespace {

HICON StandardCursor(int shape) {
    HICON c = NewIcon();
    c->isCursor = true;
    c->standardShape = shape;
    c->shared = true;
    c->color = QImage(32, 32, QImage::Format_RGB32);
    c->color.fill(0);
    c->mask = QImage(32, 32, QImage::Format_RGB32);
    c->mask.fill(0xFFFFFFFFu);
    return c;
}

// Splits a picture into the colour and mask parts of an icon: transparent pixels and the
// mask colour magenta are transparent.
HICON IconFromImage(const QImage& source) {
    if (source.isNull()) return nullptr;
    QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    HICON icon = NewIcon();
    icon->color = QImage(argb.size(), QImage::Format_RGB32);
    icon->mask = QImage(argb.size(), QImage::Format_RGB32);
    bool partial = false;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        auto* c = reinterpret_cast<std::uint32_t*>(icon->color.scanLine(y));
        auto* m = reinterpret_cast<std::uint32_t*>(icon->mask.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const std::uint32_t a = src[x] >> 24;
            const bool transparent = a == 0 || (src[x] & 0xFFFFFF) == 0xFF00FF;
            if (a != 0 && a != 255) partial = true;
            c[x] = transparent ? 0u : src[x];
            m[x] = transparent ? 0x00FFFFFFu : 0u;
        }
    }
    if (partial) {
        // Soft edges: keep the alpha channel and draw by blending.
        icon->hasAlpha = true;
        for (int y = 0; y < argb.height(); ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
            auto* c = reinterpret_cast<std::uint32_t*>(icon->color.scanLine(y));
            for (int x = 0; x < argb.width(); ++x) c[x] = (src[x] & 0xFFFFFF) == 0xFF00FF ? 0u : src[x];
        }
    }
    return icon;
}

QCursor QtCursorOf(HCURSOR c) {
    if (!c) return QCursor(Qt::ArrowCursor);
    if (c->standardShape >= 0) return QCursor(static_cast<Qt::CursorShape>(c->standardShape));
    QImage img(c->color.size(), QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        const auto* col = reinterpret_cast<const std::uint32_t*>(c->color.constScanLine(y));
        const auto* m = reinterpret_cast<const std::uint32_t*>(c->mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            d[x] = c->hasAlpha ? col[x] : ((m[x] & 0xFFFFFF) ? 0u : (0xFF000000u | col[x]));
    }
    return QCursor(QPixmap::fromImage(img), c->hotSpot.x, c->hotSpot.y);
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR id) {
    if (instance) return static_cast<HCURSOR>(LoadImage(instance, id, IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
    if (!IS_INTRESOURCE(id)) return nullptr;
    static std::map<int, HCURSOR> cursors;
    const int n = static_cast<int>(reinterpret_cast<ULONG_PTR>(id));
    auto it = cursors.find(n);
    if (it != cursors.end()) return it->second;
    int shape;
    switch (n) {
    case 32512: shape = Qt::ArrowCursor; break;
    case 32513: shape = Qt::IBeamCursor; break;
    case 32514: shape = Qt::WaitCursor; break;
    case 32515: shape = Qt::CrossCursor; break;
    case 32516: shape = Qt::UpArrowCursor; break;
    case 32642: shape = Qt::SizeFDiagCursor; break;
    case 32643: shape = Qt::SizeBDiagCursor; break;
    case 32644: shape = Qt::SizeHorCursor; break;
    case 32645: shape = Qt::SizeVerCursor; break;
    case 32646: shape = Qt::SizeAllCursor; break;
    case 32648: shape = Qt::ForbiddenCursor; break;
    case 32649: shape = Qt::PointingHandCursor; break;
    case 32650: shape = Qt::BusyCursor; break;
    case 32651: shape = Qt::WhatsThisCursor; break;
    default: return nullptr;
    }
    return cursors[n] = StandardCursor(shape);
}

HICON LoadIcon(HINSTANCE instance, LPCTSTR id) {
    if (instance) return static_cast<HICON>(LoadImage(instance, id, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    if (!IS_INTRESOURCE(id)) return nullptr;
    static std::map<int, HICON> icons;
    const int n = static_cast<int>(reinterpret_cast<ULONG_PTR>(id));
    if (n < 32512 || n > 32516) return nullptr;
    HICON& icon = icons[n];
    if (!icon) {
        // A plain 32 x 32 symbol: a coloured disc.
        QImage img(32, 32, QImage::Format_ARGB32);
        img.fill(0);
        const QRgb colors[] = {qRgb(58, 110, 165), qRgb(200, 0, 0), qRgb(0, 0, 200), qRgb(230, 180, 0), qRgb(0, 0, 200)};
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if ((x - 15.5) * (x - 15.5) + (y - 15.5) * (y - 15.5) <= 14 * 14) img.setPixel(x, y, colors[n - 32512]);
        icon = IconFromImage(img);
        icon->shared = true;
    }
    return icon;
}

HICON LoadIconFromFile(const CString& path) {
    QImageReader reader(QString::fromStdWString(path.str()));
    return IconFromImage(reader.read());
}

HCURSOR LoadCursorFromFile(const CString& path, POINT hotSpot) {
    HICON c = LoadIconFromFile(path);
    if (c) {
        c->isCursor = true;
        c->hotSpot = hotSpot;
    }
    return c;
}

POINT CursorFileHotSpot(const CString& path) {
    QImageReader reader(QString::fromStdWString(path.str()));
    const QStringList parts = reader.text(QStringLiteral("HotSpot")).split(QLatin1Char(','));
    bool okX = false, okY = false;
    if (parts.size() == 2) {
        const int x = parts[0].trimmed().toInt(&okX), y = parts[1].trimmed().toInt(&okY);
        if (okX && okY) return POINT{x, y};
    }
    const QSize size = reader.size();
    return size.isValid() ? POINT{size.width() / 2, size.height() / 2} : POINT{0, 0};
}

HICON ScaleIcon(HICON icon, int cx, int cy) {
    if (!icon || cx <= 0 || cy <= 0 || icon->color.isNull()) return nullptr;
    HICON out = NewIcon();
    const QSize from = icon->color.size();
    out->color = icon->color.scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!icon->mask.isNull()) out->mask = icon->mask.scaled(cx, cy);  // the mask stays hard-edged
    out->hasAlpha = icon->hasAlpha;
    out->isCursor = icon->isCursor;
    out->hotSpot = POINT{icon->hotSpot.x * cx / std::max(1, from.width()), icon->hotSpot.y * cy / std::max(1, from.height())};
    return out;
}

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info) return nullptr;
    BitmapRecord* color = ToBitmap(info->hbmColor);
    BitmapRecord* mask = ToBitmap(info->hbmMask);
    if (!color && !mask) return nullptr;
    HICON icon = NewIcon();
    icon->isCursor = !info->fIcon;
    icon->hotSpot = POINT{static_cast<LONG>(info->xHotspot), static_cast<LONG>(info->yHotspot)};
    if (color) {
        icon->color = DisplayImage(SurfaceOfBitmap(color)).convertToFormat(QImage::Format_RGB32);
        // A 32-bit colour bitmap with alpha bytes draws by blending.
        if (color->bitsPerPixel == 32 && color->dibSection) {
            Surface s = SurfaceOfBitmap(color);
            bool anyAlpha = false;
            for (int y = 0; y < s.height() && !anyAlpha; ++y)
                for (int x = 0; x < s.width(); ++x)
                    if (s.row(y)[x] >> 24) {
                        anyAlpha = true;
                        break;
                    }
            if (anyAlpha) {
                icon->hasAlpha = true;
                for (int y = 0; y < s.height(); ++y)
                    std::memcpy(icon->color.scanLine(y), s.row(y), static_cast<std::size_t>(s.width()) * 4);
            }
        }
    }
    if (mask) icon->mask = DisplayImage(SurfaceOfBitmap(mask)).convertToFormat(QImage::Format_RGB32);
    if (icon->color.isNull()) {
        icon->color = QImage(icon->mask.size(), QImage::Format_RGB32);
        icon->color.fill(0);
    }
    if (icon->mask.isNull()) {
        icon->mask = QImage(icon->color.size(), QImage::Format_RGB32);
        icon->mask.fill(0);
    }
    for (int y = 0; y < icon->color.height(); ++y) {
        auto* c = reinterpret_cast<std::uint32_t*>(icon->color.scanLine(y));
        for (int x = 0; x < icon->color.width() && !icon->hasAlpha; ++x) c[x] &= 0x00FFFFFFu;
    }
    return icon;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    if (!icon || !info) return FALSE;
    info->fIcon = icon->isCursor ? FALSE : TRUE;
    info->xHotspot = static_cast<DWORD>(icon->isCursor ? icon->hotSpot.x : icon->color.width() / 2);
    info->yHotspot = static_cast<DWORD>(icon->isCursor ? icon->hotSpot.y : icon->color.height() / 2);
    const int w = icon->color.width(), h = icon->color.height();
    info->hbmColor = CreateBitmap(w, h, 1, 32, nullptr);
    info->hbmMask = CreateBitmap(w, h, 1, 1, nullptr);
    BitmapRecord* c = ToBitmap(info->hbmColor);
    BitmapRecord* m = ToBitmap(info->hbmMask);
    for (int y = 0; y < h; ++y) {
        std::memcpy(c->image.scanLine(y), icon->color.constScanLine(y), static_cast<std::size_t>(w) * 4);
        const auto* src = reinterpret_cast<const std::uint32_t*>(icon->mask.constScanLine(y));
        auto* dst = reinterpret_cast<std::uint32_t*>(m->image.scanLine(y));
        for (int x = 0; x < w; ++x) dst[x] = (src[x] & 0xFFFFFF) ? 0x00FFFFFFu : 0u;
    }
    if (icon->hasAlpha) c->dibSection = true;
    return TRUE;
}

HICON IconFromHandleValue(ULONG_PTR value) {
    const auto* icon = reinterpret_cast<const HICON__*>(value);
    std::lock_guard<std::mutex> lock(Live().lock);
    return icon && Live().records.count(icon) ? const_cast<HICON>(icon) : nullptr;
}

HICON CopyIcon(HICON icon) {
    if (!icon) return nullptr;
    HICON copy = NewIcon(*icon);
    copy->shared = false;
    return copy;
}

BOOL DestroyIcon(HICON icon) {
    if (!icon) return FALSE;
    if (!icon->shared) {
        if (g_cursor == icon) g_cursor = nullptr;
        ForgetIcon(icon);
        delete icon;
    }
    return TRUE;
}

BOOL DestroyCursor(HCURSOR cursor) { return DestroyIcon(cursor); }

HCURSOR SetCursor(HCURSOR cursor) {
    if (!vorn_ui::RequireUiThread("SetCursor")) return g_cursor;
    HCURSOR old = g_cursor;
    g_cursor = cursor;
    // The shape shows over the window under the mouse (or the capturing one).
    HWND target = GetCapture();
    if (!target) {
        POINT p;
        GetCursorPos(&p);
        target = WindowFromPoint(p);
    }
    if (target && IsLive(target) && target->widget) {
        if (cursor) target->widget->setCursor(QtCursorOf(cursor));
        else target->widget->setCursor(QCursor(Qt::BlankCursor));
    }
    return old;
}

HCURSOR GetCursor() { return g_cursor; }
