#include "controls/tool_bar_image_set.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/core/colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr std::uint32_t kMagentaPixel = 0x00FF00FFu;  // B, G, R, A in memory

bool IsMagenta(std::uint32_t p) { return (p & 0x00FFFFFFu) == kMagentaPixel; }

std::uint32_t Pixel(BYTE r, BYTE g, BYTE b, std::uint32_t alpha) {
    return (alpha << 24) | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
}

// A 32-bit DIB section holding the pixels (top-down), so that their alpha bytes count.
HBITMAP MakeSection(int width, int height, const std::vector<std::uint32_t>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section && bits) std::memcpy(bits, pixels.data(), pixels.size() * 4);
    return section;
}

}  // namespace

BYTE CToolBarImageSet::DisabledGrey(BYTE red, BYTE green, BYTE blue) {
    const double y = 0.299 * red + 0.587 * green + 0.114 * blue;
    return static_cast<BYTE>(255.0 * std::sqrt(y / 255.0));
}

BYTE CToolBarImageSet::HotChannel(BYTE channel) {
    return static_cast<BYTE>(255.0 * std::pow(channel / 255.0, 1.4));
}

BOOL CToolBarImageSet::CreateLists(int width, int height, BOOL bTrueColor, int nInitial) {
    m_nWidth = m_nHeight = -1;
    m_normal.DeleteImageList();
    m_hot.DeleteImageList();
    m_disabled.DeleteImageList();
    UINT depth = ILC_COLOR4;
    if (bTrueColor == 1) depth = CommonControlsMajorVersion() > 5 ? ILC_COLOR32 : ILC_COLOR24;
    m_nDepth = static_cast<int>(depth);
    if (!m_normal.Create(width, height, depth | ILC_MASK, nInitial, 1)) return FALSE;
    if (bTrueColor == 1) {
        if (!m_hot.Create(width, height, depth | ILC_MASK, nInitial, 1)) return FALSE;
        if (!m_disabled.Create(width, height, depth | ILC_MASK, nInitial, 1)) return FALSE;
    }
    m_nWidth = width;
    m_nHeight = height;
    return TRUE;
}

BOOL CToolBarImageSet::LoadBitmap(UINT nBitmapId) {
    if (m_nWidth < 1) return FALSE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nBitmapId)) return FALSE;
    if (m_nDepth == 4) return m_normal.Add(&bitmap, kMagenta) >= 0;

    BITMAP info{};
    bitmap.GetBitmap(&info);
    const int width = info.bmWidth, height = info.bmHeight;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    bitmap.GetBitmapBits(static_cast<DWORD>(pixels.size() * 4), pixels.data());
    // The alpha path is for strips that carry real alpha; strips without it (every alpha byte
    // zero) are keyed on magenta, so that their background never shows as magenta or black.
    bool anyAlpha = false;
    for (std::uint32_t p : pixels)
        if (p >> 24) {
            anyAlpha = true;
            break;
        }
    const bool alphaPath = m_nDepth == 32 && info.bmBitsPixel == 32 && anyAlpha;

    std::vector<std::uint32_t> disabled(pixels), hot(pixels);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t p = pixels[i];
        if (!alphaPath && IsMagenta(p)) continue;
        const BYTE r = static_cast<BYTE>(p >> 16), g = static_cast<BYTE>(p >> 8), b = static_cast<BYTE>(p);
        const std::uint32_t alpha = alphaPath ? p >> 24 : 0;
        const BYTE grey = DisabledGrey(r, g, b);
        disabled[i] = Pixel(grey, grey, grey, alpha);
        hot[i] = Pixel(HotChannel(r), HotChannel(g), HotChannel(b), alpha);
    }
    CBitmap disabledBitmap, hotBitmap;
    disabledBitmap.Attach(MakeSection(width, height, disabled));
    hotBitmap.Attach(MakeSection(width, height, hot));
    const COLORREF mask = alphaPath ? CLR_NONE : kMagenta;
    BOOL ok = m_normal.Add(&bitmap, mask) >= 0;
    ok = ok && m_disabled.Add(&disabledBitmap, mask) >= 0;
    ok = ok && m_hot.Add(&hotBitmap, mask) >= 0;
    return ok;
}

int CToolBarImageSet::DrawImage(CDC* pDC, int x, int y, int state, int index) {
    if (m_nWidth < 1) return 0;
    if (m_nDepth == 24 || m_nDepth == 32) {
        CImageList* list = state == kNormal ? &m_normal : state == kHot ? &m_hot : state == kDisabled ? &m_disabled
                                                                                                        : nullptr;
        return list ? list->Draw(pDC, index, CPoint(x, y), ILD_NORMAL) : 0;
    }
    if (state == kNormal || state == kHot) return m_normal.Draw(pDC, index, CPoint(x, y), ILD_NORMAL);
    if (state != kDisabled) return 0;
    // Embossed: the image's dark pixels painted in the highlight colour one pixel down and
    // right, then in the shadow colour in place; everything else keeps the destination.
    CDC mono;
    mono.CreateCompatibleDC(pDC);
    CBitmap monoBitmap;
    monoBitmap.CreateBitmap(m_nWidth, m_nHeight, 1, 1, nullptr);
    CBitmap* old = mono.SelectObject(&monoBitmap);
    mono.FillSolidRect(0, 0, m_nWidth, m_nHeight, RGB(255, 255, 255));
    m_normal.Draw(&mono, index, CPoint(0, 0), ILD_TRANSPARENT);
    const COLORREF oldText = pDC->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBk = pDC->SetBkColor(RGB(255, 255, 255));
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT)), shadow(::GetSysColor(COLOR_BTNSHADOW));
    CBrush* oldBrush = pDC->SelectObject(&highlight);
    pDC->BitBlt(x + 1, y + 1, m_nWidth, m_nHeight, &mono, 0, 0, 0xB8074A);
    pDC->SelectObject(&shadow);
    pDC->BitBlt(x, y, m_nWidth, m_nHeight, &mono, 0, 0, 0xB8074A);
    pDC->SelectObject(oldBrush);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
    mono.SelectObject(old);
    return 0;
}
