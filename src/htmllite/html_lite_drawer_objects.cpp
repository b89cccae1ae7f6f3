// Objects in the flow of HTML-lite text: rules, tabs, resource strings and images.
#include <algorithm>
#include <cwchar>
#include <filesystem>
#include <memory>

#include "htmllite/html_lite_drawer.h"
#include "platform/core/mul_div.h"
#include "platform/ui/icon.h"
#include "platform/ui/resources.h"
#include "platform/ui/system_metrics.h"

namespace {

bool IsPercent(const CString& v) { return !v.IsEmpty() && v[v.GetLength() - 1] == L'%'; }

// A drawn size: a percentage of `whole` or pixels; the natural size by default.
int DrawnSize(const CString* value, int natural, int whole, const CHtmlLiteValues& values) {
    if (!value || value->IsEmpty()) return natural;
    if (IsPercent(*value)) return MulDiv(whole, static_cast<int>(HtmlLiteNumber(*value)), 100);
    return values.ParseSize(*value, natural);
}

// The icon an "icon" tag names, from the first source it gives: a resource of the program's
// language pack, an icon file, a library resource (never drawn: the drawer has no resource
// module) or the handle of an icon that exists. `owned` tells whether the caller destroys it.
HICON LoadTextIcon(const HtmlLiteAttributes& attributes, bool& owned) {
    owned = true;
    if (const CString* idres = attributes.Find(L"idres")) {
        LPCTSTR id = MAKEINTRESOURCE(static_cast<UINT>(HtmlLiteNumber(*idres)));
        return static_cast<HICON>(LoadImage(AfxFindResourceHandle(id, RT_ICON), id, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    }
    if (const CString* file = attributes.Find(L"file")) {
        // Only a plain file: reading a device or a pipe named by the text could block the painting.
        std::error_code error;
        if (file->IsEmpty() || !std::filesystem::is_regular_file(file->str(), error)) return nullptr;
        return static_cast<HICON>(LoadImage(nullptr, file->GetString(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    }
    if (attributes.Find(L"iddll")) return nullptr;
    owned = false;
    if (const CString* handle = attributes.Find(L"handle"))
        return IconFromHandleValue(static_cast<ULONG_PTR>(std::wcstoull(handle->GetString(), nullptr, 0)));
    return nullptr;
}

struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

}  // namespace

void CHtmlLiteDrawer::Rule(const HtmlLiteAttributes& attributes, const CRect& rc) {
    int percent = 100;
    int pixels = 0;
    if (const CString* width = attributes.Find(L"width"); width && !width->IsEmpty()) {
        if (IsPercent(*width)) {
            percent = static_cast<int>(HtmlLiteNumber(*width));
        } else {
            percent = 0;
            pixels = m_values.ParseSize(*width, 0);
        }
    }
    int size = 1;
    if (const CString* v = attributes.Find(L"size")) size = m_values.ParseSize(*v, 1);
    COLORREF color = m_style.m_textColor;
    if (const CString* v = attributes.Find(L"color")) color = m_values.ParseColor(*v, color);

    if (m_measure) {
        if (percent) {
            m_line.percentage += percent;
            m_x += 1;
        } else {
            m_x += pixels;
        }
        m_line.height = std::max(m_line.height, size + 8);
        m_line.align = m_style.m_hAlign;
        return;
    }
    int width = pixels;
    if (percent) {
        // A share of the rectangle, but never past its right edge: after text on the same line
        // the rule only fills what the line leaves, as the measure reserved it.
        width = MulDiv(rc.Width(), percent, 100);
        const int drawnSoFar = m_x - m_lineStart - m_ruleExtra;
        const int restOfLine = std::max(0, m_line.width - drawnSoFar - 1);
        width = std::clamp(rc.right - m_x - restOfLine, 0, std::max(width, 0));
        m_ruleExtra += width - 1;
    }
    const int y = m_y + m_line.height / 2;
    if (size > 0 && width > 0) m_dc->FillSolidRect(m_x, y - size / 2, width, size, color);
    m_x += width;
    m_contentLeft -= width;
}

void CHtmlLiteDrawer::Tab(int count, const CRect& rc) {
    if (m_tabWidth <= 0) return;
    int n = count <= 0 ? 1 : count;
    const int offset = m_x - rc.left;
    if (offset % m_tabWidth != 0) {
        m_x = rc.left + (offset / m_tabWidth + 1) * m_tabWidth;
        --n;
    }
    m_x += n * m_tabWidth;
}

void CHtmlLiteDrawer::StringObject(const HtmlLiteAttributes& attributes) {
    const CString* id = attributes.Find(L"idres");
    const UINT stringId = id ? static_cast<UINT>(HtmlLiteNumber(*id)) : 0;
    if (stringId == 0) return;
    CString text;
    text.LoadString(stringId);
    if (text.IsEmpty()) return;
    const CSize extent = m_dc->GetTextExtent(text);
    const int y = TextPosition(extent.cy);
    if (!m_measure) {
        AddLinkArea(m_x, y, extent.cx, extent.cy);
        m_dc->TextOut(m_x, y, text);
        m_contentLeft -= extent.cx;
    }
    m_x += extent.cx;
}

int CHtmlLiteDrawer::ImageFlags(const CString& letters) const {
    int flags = 0;
    for (wchar_t c : letters.str()) {
        switch (c) {
        case L'g': flags |= DE_GRAYSCALE; break;
        case L'd': flags |= DE_DARKER; break;
        case L'l': flags |= DE_LIGHTER; break;
        case L's':
            if (m_shadowX != 0 || m_shadowY != 0) flags |= m_shadowBlur ? DE_SHADOW_BLUR : DE_SHADOW;
            break;
        default: break;
        }
    }
    return flags;
}

void CHtmlLiteDrawer::Image(int kind, const HtmlLiteAttributes& attributes, const CRect& rc) {
    const CString* indexText = attributes.Find(L"index");
    const int index = indexText ? static_cast<int>(HtmlLiteNumber(*indexText)) : 0;
    const CString* idres = attributes.Find(L"idres");
    // Bitmaps come from the program's own resources or the owner's image strip only: library
    // resources, files and raw handles named by the text are never loaded.
    const bool namesOtherSource = attributes.Find(L"file") || attributes.Find(L"iddll") || attributes.Find(L"handle");

    CBitmap loaded;
    HICON icon = nullptr;
    std::unique_ptr<HICON__, IconRelease> loadedIcon;  // released afterwards; one given by handle is not
    bool fromStrip = false;
    if (kind == HL_TAG_ICON) {
        bool owned = false;
        icon = LoadTextIcon(attributes, owned);
        if (!icon) return;
        if (owned) loadedIcon.reset(icon);
    } else if (idres) {
        if (!loaded.LoadBitmap(static_cast<UINT>(HtmlLiteNumber(*idres)))) return;
    } else if (namesOtherSource) {
        return;
    } else if (kind == HL_TAG_ILST) {
        fromStrip = true;
    } else {
        return;
    }

    // Natural size and, for strips, the frame size and count.
    int naturalWidth = 0, naturalHeight = 0, frameWidth = 0, frameHeight = 0, frames = 0;
    HBITMAP bitmap = nullptr;
    if (fromStrip) {
        if (!m_imageStrip || index < 0 || index >= m_imageCount) return;
        bitmap = m_imageStrip;
        naturalWidth = frameWidth = m_imageWidth;
        naturalHeight = frameHeight = m_imageHeight;
    } else if (icon) {
        const CSize size = CDrawEffects::GetIconSize(icon);
        naturalWidth = size.cx;
        naturalHeight = size.cy;
    } else {
        bitmap = static_cast<HBITMAP>(loaded.m_hObject);
        const CSize size = CDrawEffects::GetBitmapSize(bitmap);
        naturalWidth = size.cx;
        naturalHeight = size.cy;
        if (kind == HL_TAG_ILST) {
            const CString* cx = attributes.Find(L"cx");
            const CString* cy = attributes.Find(L"cy");
            frameWidth = cx ? static_cast<int>(HtmlLiteNumber(*cx)) : 0;
            frameHeight = cy ? static_cast<int>(HtmlLiteNumber(*cy)) : 0;
            if (cx && !cy) frameHeight = frameWidth;
            if (cy && !cx) frameWidth = frameHeight;
            if (!cx && !cy) frameWidth = frameHeight = std::min(size.cx, size.cy);
            if (frameWidth <= 0 || frameHeight <= 0) return;
            frames = (size.cy / frameHeight) * (size.cx / frameWidth);
            naturalWidth = frameWidth;
            naturalHeight = frameHeight;
        }
    }
    // Icon percentages are of the system's icon size; without a size an icon keeps its own.
    const int width = DrawnSize(attributes.Find(L"width"), naturalWidth,
                                icon ? GetSystemMetrics(SM_CXICON) : naturalWidth, m_values);
    const int height = DrawnSize(attributes.Find(L"height"), naturalHeight,
                                 icon ? GetSystemMetrics(SM_CYICON) : naturalHeight, m_values);

    const CString* style = attributes.Find(L"style");
    const CString* hotStyle = attributes.Find(L"hotstyle");
    const int normalFlags = style ? ImageFlags(*style) : 0;
    const int hoverFlags = hotStyle ? ImageFlags(*hotStyle) : normalFlags;
    const bool shadowRoom = ((normalFlags | hoverFlags) & (DE_SHADOW | DE_SHADOW_BLUR)) != 0;
    const int roomWidth = width + (shadowRoom ? m_shadowX : 0);
    const int roomHeight = height + (shadowRoom ? m_shadowY : 0);

    const bool wrap = m_measure && m_maxWidth > 0 && m_x != m_lineStart && m_x + roomWidth > rc.right;
    if (Decide(wrap ? 1 : 0)) EndLine(1, true, rc);

    const int y = ObjectPosition(roomHeight);
    int frame = index;
    const CString* speed = attributes.Find(L"speed");
    const int speedTicks = speed ? static_cast<int>(HtmlLiteNumber(*speed)) : 0;
    if (kind == HL_TAG_ILST && !fromStrip && speedTicks > 0) {
        if (m_measure) {
            m_animations.push_back(CHtmlLiteAnimation{index, frames, 0, speedTicks});
        } else if (++m_animationCounter < static_cast<int>(m_animations.size())) {
            frame = m_animations[m_animationCounter].frame;
        }
    }
    if (m_measure) {
        m_line.align = m_style.m_hAlign;
    } else if (width > 0 && height > 0) {
        AddLinkArea(m_x, y, roomWidth, roomHeight);
        const bool hovered = m_style.m_linkKind != 0 && m_linkCounter == m_hoverLink;
        int flags = hovered ? hoverFlags : normalFlags;
        COLORREF plain = m_shadowColor;
        if (!m_values.m_colorsEnabled) {
            flags = (flags & (DE_SHADOW | DE_SHADOW_BLUR)) | DE_MONOCHROME;
            plain = m_values.m_disabledColor;
        }
        const CString* maskText = attributes.Find(L"mask");
        const BOOL useMask = fromStrip || maskText ? TRUE : FALSE;
        const COLORREF mask = fromStrip ? m_imageMask
                                        : (maskText ? m_values.ParseColor(*maskText, RGB(255, 0, 255)) : RGB(255, 0, 255));
        if (icon)
            m_effects.DrawIcon(flags, width, height, m_dc, m_x, y, icon, shadowRoom, m_shadowX, m_shadowY,
                               m_blurX, m_blurY, plain);
        else if (fromStrip || kind == HL_TAG_ILST)
            m_effects.DrawImageStrip(m_dc, m_x, y, width, height, bitmap, frame, frameWidth, frameHeight, useMask, mask,
                                     flags, shadowRoom, m_shadowX, m_shadowY, m_blurX, m_blurY, plain);
        else
            m_effects.DrawBitmap(width, height, m_dc, m_x, y, bitmap, useMask, mask, flags, shadowRoom, m_shadowX,
                                 m_shadowY, m_blurX, m_blurY, plain);
        m_contentLeft -= roomWidth;
    }
    m_x += roomWidth;
}
