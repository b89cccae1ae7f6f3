// Showing a tip: asking the owner for the text, placing the balloon inside the screen,
// building its region and background, and painting it with border, shadow and fading.
#include <QGuiApplication>
#include <QScreen>

#include "htmllite/html_tool_tip.h"
#include "htmllite/pixel_block.h"
#include "platform/core/mul_div.h"
#include "platform/ui/window_api.h"

CRect CHtmlToolTip::ScreenBounds() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return CRect(0, 0, 1024, 768);
    const QRect r = screen->virtualGeometry();
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

int CHtmlToolTip::PlaceTip(int code, CPoint pt, CRect body, CRect& window, CPoint& anchor) {
    const CRect screen = ScreenBounds();
    int side = code & HTTP_SIDE_MASK;
    int end = code & HTTP_END_MASK;
    if (end > HTTP_END_MIDDLE) end = HTTP_END_START;
    const bool horizontalEdge = side == HTTP_BELOW || side == HTTP_ABOVE;
    const int W = body.Width() + (horizontalEdge ? 0 : m_tailHeight);
    const int H = body.Height() + (horizontalEdge ? m_tailHeight : 0);
    const int o = m_tailOffset;

    // Along the edge: keep the window between `low` and `high` (x for tips above or below).
    auto alongEdge = [&](int p, int length, int low, int high) {
        if (end == HTTP_END_START && p - o + length > high)
            end = p + o - length < low ? HTTP_END_MIDDLE : HTTP_END_FAR;
        else if (end == HTTP_END_FAR && p + o - length < low)
            end = p - o + length > high ? HTTP_END_MIDDLE : HTTP_END_START;
        else if (end == HTTP_END_MIDDLE) {
            if (o >= p - low)
                end = HTTP_END_START;
            else if (o >= high - p)
                end = HTTP_END_FAR;
        }
    };
    if (horizontalEdge) {
        alongEdge(pt.x, W, screen.left, screen.right);
        if (side == HTTP_BELOW && pt.y + H > screen.bottom)
            side = HTTP_ABOVE;
        else if (side == HTTP_ABOVE && pt.y - H < screen.top)
            side = HTTP_BELOW;
    } else {
        if (side == HTTP_RIGHT && pt.x + W > screen.right)
            side = HTTP_LEFT;
        else if (side == HTTP_LEFT && pt.x - W < screen.left)
            side = HTTP_RIGHT;
        alongEdge(pt.y, H, screen.top, screen.bottom);
    }

    // The anchor (the tail's tip) in window coordinates.
    auto alongAnchor = [&](int p, int length, int low, int high) {
        int a = end == HTTP_END_START ? o : end == HTTP_END_FAR ? length - o : length / 2;
        if (end == HTTP_END_MIDDLE) {
            const bool crossesLow = p - length / 2 < low, crossesHigh = p - length / 2 + length > high;
            if (crossesLow && !crossesHigh)
                a = p - low;
            else if (crossesHigh && !crossesLow)
                a = p + length - high;
        }
        if (end != HTTP_END_FAR && p - a < low) a = p - low;
        if (end == HTTP_END_FAR && p + length - a > high) a = p + length - high;
        return a;
    };
    if (horizontalEdge) {
        anchor.x = alongAnchor(pt.x, W, screen.left, screen.right);
        anchor.y = side == HTTP_BELOW ? 0 : H;
    } else {
        anchor.y = alongAnchor(pt.y, H, screen.top, screen.bottom);
        anchor.x = side == HTTP_RIGHT ? 0 : W;
    }
    window = CRect(0, 0, W, H);
    if (side == HTTP_BELOW) {
        m_textRect.OffsetRect(0, m_tailHeight);
        m_bodyRect.OffsetRect(0, m_tailHeight);
    } else if (side == HTTP_RIGHT) {
        m_textRect.OffsetRect(m_tailHeight, 0);
        m_bodyRect.OffsetRect(m_tailHeight, 0);
    }
    return side | end;
}

void CHtmlToolTip::CreateTipRegion(CRgn& region) const {
    region.DeleteObject();
    if (m_cornerWidth || m_cornerHeight)
        region.CreateRoundRectRgn(m_bodyRect.left, m_bodyRect.top, m_bodyRect.right, m_bodyRect.bottom, m_cornerWidth,
                                  m_cornerHeight);
    else
        region.CreateRectRgnIndirect(&m_bodyRect);
    if (m_tailHeight == 0 || m_tailBase == 0) return;

    const int side = m_placement & HTTP_SIDE_MASK;
    const int end = m_placement & HTTP_END_MASK;
    const bool horizontalEdge = side == HTTP_BELOW || side == HTTP_ABOVE;
    const int start = horizontalEdge ? m_bodyRect.left : m_bodyRect.top;
    const int length = horizontalEdge ? m_bodyRect.Width() : m_bodyRect.Height();
    const int along = horizontalEdge ? m_anchor.x : m_anchor.y;
    int from = start + m_tailOffset;
    if (end == HTTP_END_FAR) from = start + length - m_tailOffset - m_tailBase;
    if (end == HTTP_END_MIDDLE) from = along - m_tailBase / 2;
    POINT points[3];
    points[0] = m_anchor;
    switch (side) {
    case HTTP_BELOW: points[1] = {from, m_bodyRect.top}; points[2] = {from + m_tailBase, m_bodyRect.top}; break;
    case HTTP_ABOVE: points[1] = {from, m_bodyRect.bottom}; points[2] = {from + m_tailBase, m_bodyRect.bottom}; break;
    case HTTP_RIGHT: points[1] = {m_bodyRect.left, from}; points[2] = {m_bodyRect.left, from + m_tailBase}; break;
    default: points[1] = {m_bodyRect.right, from}; points[2] = {m_bodyRect.right, from + m_tailBase}; break;
    }
    CRgn tail;
    if (tail.CreatePolygonRgn(points, 3, WINDING)) region.CombineRgn(&region, &tail, RGN_OR);
}

void CHtmlToolTip::FreeTipPictures() {
    m_region.DeleteObject();
    m_background.DeleteObject();
    m_savedScreen.DeleteObject();
    m_haveSavedScreen = false;
}

void CHtmlToolTip::DisplayTooltip(CPoint pt) {
    // Defaults for every field the tool does not set itself.
    CHtmlToolInfo& t = m_next;
    if (!(t.m_overrideMask & HTTO_LOOK)) t.m_look = m_defaultLook;
    if (!(t.m_overrideMask & HTTO_EFFECT)) {
        t.m_backEffect = m_defaultEffect;
        t.m_noise = static_cast<BYTE>(m_defaultNoise);
    }
    if (!(t.m_overrideMask & HTTO_COLORS)) {
        t.m_startColor = m_startColor;
        t.m_middleColor = m_middleColor;
        t.m_endColor = m_endColor;
    }
    if (!(t.m_overrideMask & HTTO_PLACEMENT)) t.m_placement = m_defaultPlacement;
    if (!(t.m_overrideMask & HTTO_STYLE)) t.m_styleBits = m_defaultStyleBits;
    if (!(t.m_overrideMask & HTTO_TRANSPARENCY)) t.m_transparency = static_cast<BYTE>(m_defaultTransparency);

    POINT point = pt;
    SendNotify(&point, &m_next, HTTN_NEEDTEXT);
    if (m_next.m_text.IsEmpty()) return;

    CDC* dc = GetDC();
    if (!dc) return;
    const CSize size = m_drawer.Measure(dc, m_next.m_text);
    ReleaseDC(dc);
    if (size.cx == 0 && size.cy == 0) return;
    m_textRect = CRect(0, 0, size.cx, size.cy);
    m_textRect.OffsetRect(m_marginX, m_marginY);
    m_bodyRect = CRect(0, 0, size.cx + 2 * m_marginX, size.cy + 2 * m_marginY);

    m_placement = PlaceTip(m_next.m_placement, pt, m_bodyRect, m_windowRect, m_anchor);
    FreeTipPictures();
    CreateTipRegion(m_region);

    // The background: the body's fill, with the tail strip continuing the body's edge colours.
    const int W = m_windowRect.Width(), H = m_windowRect.Height();
    CDC screenDC;
    CDC memDC;
    if (memDC.CreateCompatibleDC(nullptr) && m_background.CreateBitmap(W, H, 1, 32, nullptr)) {
        CBitmap* old = memDC.SelectObject(&m_background);
        memDC.FillSolidRect(0, 0, W, H, m_next.m_startColor);
        m_drawer.Effects().FillBackground(&memDC, m_bodyRect, m_next.m_backEffect, m_next.m_startColor,
                                          m_next.m_middleColor, m_next.m_endColor, m_next.m_noise, 5);
        const int side = m_placement & HTTP_SIDE_MASK;
        if (side == HTTP_BELOW)
            for (int y = 0; y < m_bodyRect.top; ++y) memDC.BitBlt(0, y, W, 1, &memDC, 0, m_bodyRect.top + 1, SRCCOPY);
        else if (side == HTTP_ABOVE)
            for (int y = m_bodyRect.bottom; y < H; ++y) memDC.BitBlt(0, y, W, 1, &memDC, 0, m_bodyRect.bottom - 2, SRCCOPY);
        else if (side == HTTP_RIGHT)
            for (int x = 0; x < m_bodyRect.left; ++x) memDC.BitBlt(x, 0, 1, H, &memDC, m_bodyRect.left + 1, 0, SRCCOPY);
        else
            for (int x = m_bodyRect.right; x < W; ++x) memDC.BitBlt(x, 0, 1, H, &memDC, m_bodyRect.right - 2, 0, SRCCOPY);
        memDC.SelectObject(old);
    }

    m_transparency = (m_fadeIn && m_fadeInDelay) ? 100 : m_next.m_transparency;

    // The window shows the tip and, where windows can be translucent, its shadow.
    const bool shadow = (m_shadowX || m_shadowY) && ::IsWindowCompositionAvailable();
    CRgn windowRegion;
    windowRegion.CreateRectRgn(0, 0, 0, 0);
    windowRegion.CopyRgn(&m_region);
    if (shadow) {
        CRgn moved;
        moved.CreateRectRgn(0, 0, 0, 0);
        moved.CopyRgn(&m_region);
        moved.OffsetRgn(m_shadowX, m_shadowY);
        windowRegion.CombineRgn(&windowRegion, &moved, RGN_OR);
    }
    const int windowWidth = W + (shadow ? m_shadowX : 0), windowHeight = H + (shadow ? m_shadowY : 0);
    SetWindowRgn(static_cast<HRGN>(windowRegion.Detach()), FALSE);

    m_displayed = m_next;
    m_displayedWindow = m_nextWindow;
    m_displayedKind = m_nextKind;
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (m_nextKind == 2) flags |= SWP_NOZORDER;
    SetWindowPos(nullptr, pt.x - m_anchor.x, pt.y - m_anchor.y, windowWidth, windowHeight, flags);
    PaintTip(m_transparency);
}

void CHtmlToolTip::PaintTip(int transparency, CDC* target) {
    if (!m_hWnd || !m_background.m_hObject) return;
    const int t = std::min(transparency, 100);
    CRect client;
    GetClientRect(&client);
    const int W = std::max<int>(client.Width(), m_windowRect.Width());
    const int H = std::max<int>(client.Height(), m_windowRect.Height());
    CDC* dc = target;
    if (!dc) dc = GetDC();
    if (!dc) return;

    CDC tipDC, compositeDC;
    CBitmap tipBitmap, compositeBitmap;
    if (tipDC.CreateCompatibleDC(dc) && compositeDC.CreateCompatibleDC(dc) && tipBitmap.CreateBitmap(W, H, 1, 32, nullptr) &&
        compositeBitmap.CreateBitmap(W, H, 1, 32, nullptr)) {
        CBitmap* oldTip = tipDC.SelectObject(&tipBitmap);
        CBitmap* oldComposite = compositeDC.SelectObject(&compositeBitmap);

        CDC backgroundDC;
        backgroundDC.CreateCompatibleDC(dc);
        CBitmap* oldBackground = backgroundDC.SelectObject(&m_background);
        tipDC.BitBlt(0, 0, m_windowRect.Width(), m_windowRect.Height(), &backgroundDC, 0, 0, SRCCOPY);
        backgroundDC.SelectObject(oldBackground);
        m_drawer.Render(m_textRect, &tipDC);
        if (m_borderBrush.m_hObject && m_borderWidth && m_borderHeight) OnDrawBorder(&tipDC, &m_region);

        // What lay under the window before the first paint of this tip.
        if (!m_haveSavedScreen && m_savedScreen.CreateBitmap(W, H, 1, 32, nullptr)) {
            CDC savedDC;
            savedDC.CreateCompatibleDC(dc);
            CBitmap* oldSaved = savedDC.SelectObject(&m_savedScreen);
            savedDC.BitBlt(0, 0, W, H, dc, 0, 0, SRCCOPY);
            savedDC.SelectObject(oldSaved);
            m_haveSavedScreen = true;
        }
        if (m_haveSavedScreen) {
            CDC savedDC;
            savedDC.CreateCompatibleDC(dc);
            CBitmap* oldSaved = savedDC.SelectObject(&m_savedScreen);
            compositeDC.BitBlt(0, 0, W, H, &savedDC, 0, 0, SRCCOPY);
            savedDC.SelectObject(oldSaved);
        }

        if ((m_shadowX || m_shadowY) && ::IsWindowCompositionAvailable()) {
            // White outside the tip, grey inside; the grey lightens as the tip fades.
            const int g = MulDiv(255, 100 - m_shadowDarkness, 100);
            const int level = g + (255 - g) * t / 100;
            CPixelBlock mask(W, H, 0x00FFFFFFu);
            const std::uint32_t grey = (static_cast<std::uint32_t>(level) << 16) | (level << 8) | level;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (m_region.PtInRegion(x, y)) mask.At(x, y) = grey;
            HBITMAP maskBitmap = mask.MakeBitmap();
            m_drawer.Effects().DrawShadow(&compositeDC, m_shadowX, m_shadowY, W, H, maskBitmap, m_shadowBlur, m_blurX,
                                          m_blurY);
            if (maskBitmap) ::DeleteObject(maskBitmap);
        }
        compositeDC.SelectClipRgn(&m_region);
        m_drawer.Effects().BlendImage(&tipDC, &compositeDC, 0, 0, W, H, 0, 0, 100 - t);
        compositeDC.SelectClipRgn(nullptr);
        dc->BitBlt(0, 0, W, H, &compositeDC, 0, 0, SRCCOPY);

        tipDC.SelectObject(oldTip);
        compositeDC.SelectObject(oldComposite);
    }
    if (!target) ReleaseDC(dc);
}
