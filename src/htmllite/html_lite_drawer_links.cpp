// Links, the hand cursor, animated strips and the image strip of the HTML-lite drawer.
#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "htmllite/html_lite_drawer.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"

namespace {

CHtmlLiteDrawer::LinkOpener& Opener() {
    static CHtmlLiteDrawer::LinkOpener opener;
    return opener;
}

// Right and bottom edges belong to a link area.
const CHtmlLiteLink* LinkAt(const std::vector<CHtmlLiteLink>& links, CPoint pt) {
    for (const CHtmlLiteLink& link : links)
        if (pt.x >= link.rect.left && pt.x <= link.rect.right && pt.y >= link.rect.top && pt.y <= link.rect.bottom)
            return &link;
    return nullptr;
}

void Send(const CHtmlLiteDrawer::Callback& callback, WPARAM wParam) {
    if (callback.window && callback.message) ::SendMessage(callback.window, callback.message, wParam, callback.argument);
}

}  // namespace

void CHtmlLiteDrawer::SetLinkOpener(LinkOpener opener) { Opener() = std::move(opener); }

BOOL CHtmlLiteDrawer::LaunchLink(const CString& target, int) {
    if (target.IsEmpty()) return FALSE;
    // Links open only through the desktop's URL opener, never as a command line.
    if (Opener()) return Opener()(target) ? TRUE : FALSE;
    const QUrl url = QUrl::fromUserInput(QString::fromStdWString(target.str()));
    if (!url.isValid()) return FALSE;
    return QDesktopServices::openUrl(url) ? TRUE : FALSE;
}

BOOL CHtmlLiteDrawer::SetLinkCursor(CPoint pt) {
    const CHtmlLiteLink* link = LinkAt(m_links, pt);
    if (!link) {
        if (m_hoverLink != -2) {
            m_hoverLink = -2;
            Send(m_repaintCallback, static_cast<WPARAM>(m_hoverLink));
        }
        return FALSE;
    }
    const CString target = link->target;
    if (link->number != m_hoverLink) {
        m_hoverLink = link->number;
        Send(m_repaintCallback, static_cast<WPARAM>(m_hoverLink));
    }
    if (target.IsEmpty()) return FALSE;
    HCURSOR hand = ::LoadCursor(nullptr, IDC_HAND);
    if (!hand) return FALSE;
    ::SetCursor(hand);
    return TRUE;
}

void CHtmlLiteDrawer::ClickLink(CPoint pt) {
    const CHtmlLiteLink* link = LinkAt(m_links, pt);
    if (!link || link->target.IsEmpty()) return;
    const CHtmlLiteLink copy = *link;
    if (copy.kind == 1)
        LaunchLink(copy.target, SW_SHOW);
    else if (copy.kind == 2)
        Send(m_linkCallback, reinterpret_cast<WPARAM>(copy.target.GetString()));
}

BOOL CHtmlLiteDrawer::StepAnimations() {
    BOOL changed = FALSE;
    for (CHtmlLiteAnimation& a : m_animations) {
        if (a.frameCount <= 0) continue;
        if (++a.tick >= a.speed) {
            a.tick = 0;
            a.frame = (a.frame + 1) % a.frameCount;
            changed = TRUE;
        }
    }
    return changed;
}

void CHtmlLiteDrawer::SetImageStrip(int cx, int cy, HBITMAP bitmap, int count, COLORREF maskColor) {
    if (m_imageStrip) ::DeleteObject(m_imageStrip);
    m_imageStrip = nullptr;
    m_imageCount = 0;
    if (!bitmap || cx <= 0 || cy <= 0) return;
    m_imageStrip = ::CopyBitmap(bitmap);
    if (!m_imageStrip) return;
    const CSize size = CDrawEffects::GetBitmapSize(m_imageStrip);
    // The strip holds its images side by side; `count` only sizes the list up front.
    (void)count;
    m_imageCount = size.cy >= cy ? size.cx / cx : 0;
    m_imageWidth = cx;
    m_imageHeight = cy;
    m_imageMask = maskColor;
}
