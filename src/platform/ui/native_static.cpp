// The "STATIC" control: text (QLabel with the SS_ alignment), an icon or a bitmap, and the
// rectangles, frames and etched lines.
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "platform/ui/control_defs.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

// "&&" shows one ampersand, a single "&" marks the mnemonic and is not shown.
QString WithoutMnemonics(const std::wstring& text) {
    QString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += QChar(static_cast<char16_t>(text[i]));
    }
    return out;
}

QImage ImageOfBitmap(HBITMAP bitmap) {
    BitmapRecord* b = ToBitmap(bitmap);
    if (!b) return QImage();
    return DisplayImage(SurfaceOfBitmap(b));
}

class StaticControl : public CNativeControl {
public:
    explicit StaticControl(HWND h) : CNativeControl(h) {
        const UINT kind = Style() & SS_TYPEMASK;
        if (kind >= SS_BLACKRECT && kind <= SS_WHITEFRAME) {
            auto* frame = new QFrame;
            const bool filled = kind <= SS_WHITERECT;
            const COLORREF colors[] = {GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNSHADOW),
                                       GetSysColor(COLOR_BTNHIGHLIGHT)};
            const COLORREF c = colors[filled ? kind - SS_BLACKRECT : kind - SS_BLACKFRAME];
            QPalette p = frame->palette();
            p.setColor(QPalette::Window, QColorOf(c));
            p.setColor(QPalette::WindowText, QColorOf(c));
            frame->setPalette(p);
            frame->setAutoFillBackground(filled);
            if (!filled) frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            m_frameOnly = true;
            SetQtWidget(frame);
        } else if (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT || kind == SS_ETCHEDFRAME) {
            auto* frame = new QFrame;
            frame->setFrameStyle((kind == SS_ETCHEDHORZ ? QFrame::HLine : kind == SS_ETCHEDVERT ? QFrame::VLine : QFrame::Box) |
                                 QFrame::Sunken);
            m_frameOnly = true;
            SetQtWidget(frame);
        } else {
            m_label = new QLabel;
            m_label->setFocusPolicy(Qt::NoFocus);
            SetQtWidget(m_label);
            ApplyLayout();
            SetText(h->text);
        }
        // Without SS_NOTIFY a static is transparent to the mouse: the window beneath it gets the input.
        if (!(Style() & SS_NOTIFY)) {
            if (QWidget* w = QtWidget()) w->setAttribute(Qt::WA_TransparentForMouseEvents);
            if (h->widget) h->widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case STM_SETICON: {
            HICON old = m_icon;
            m_icon = reinterpret_cast<HICON>(wParam);
            ShowImage();
            return reinterpret_cast<LRESULT>(old);
        }
        case STM_GETICON: return reinterpret_cast<LRESULT>(m_icon);
        case STM_SETIMAGE: {
            LRESULT old = 0;
            if (wParam == IMAGE_BITMAP) {
                old = reinterpret_cast<LRESULT>(m_bitmap);
                m_bitmap = reinterpret_cast<HBITMAP>(lParam);
            } else {
                old = reinterpret_cast<LRESULT>(m_icon);
                m_icon = reinterpret_cast<HICON>(lParam);
            }
            ShowImage();
            return old;
        }
        case STM_GETIMAGE:
            return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(m_bitmap) : reinterpret_cast<LRESULT>(m_icon);
        case WM_LBUTTONDOWN:
            if (Style() & SS_NOTIFY) Command(STN_CLICKED);
            return 0;
        case WM_LBUTTONDBLCLK:
            if (Style() & SS_NOTIFY) Command(STN_DBLCLK);
            return 0;
        case WM_NCHITTEST: return (Style() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
        case WM_STYLECHANGED:
            ApplyLayout();
            SetText(Window()->text);
            return 0;
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED: {
            const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
            // Shortened text is shortened again for the new width.
            if (IsLive(Window()) && (Style() & SS_ELLIPSISMASK)) SetText(Window()->text);
            return r;
        }
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    void SetText(const std::wstring& text) override {
        if (!m_label || IsImageKind()) return;
        QString shown = (Style() & SS_NOPREFIX) ? QString::fromStdWString(text) : WithoutMnemonics(text);
        // The ellipsis styles keep one line and end what does not fit with "...": a path
        // loses its middle, other text its end.
        if (const DWORD ellipsis = Style() & SS_ELLIPSISMASK) {
            const int width = std::max(0, m_label->contentsRect().width());
            shown = ellipsis == SS_PATHELLIPSIS ? ShortenedPath(shown, width)
                                                : m_label->fontMetrics().elidedText(shown, Qt::ElideRight, width);
        }
        m_label->setText(shown);
    }

    UINT CtlColorMessage() const override { return m_frameOnly ? 0 : WM_CTLCOLORSTATIC; }
    UINT DlgCode(const MSG*) const override { return DLGC_STATIC; }

private:
    bool IsImageKind() const {
        const UINT kind = Style() & SS_TYPEMASK;
        return kind == SS_ICON || kind == SS_BITMAP;
    }

    // A path that does not fit keeps its last part whole and loses what comes before it.
    QString ShortenedPath(const QString& path, int width) const {
        const QFontMetrics metrics = m_label->fontMetrics();
        if (metrics.horizontalAdvance(path) <= width) return path;
        const int separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
        if (separator < 0) return metrics.elidedText(path, Qt::ElideRight, width);
        const QString last = path.mid(separator);
        const int room = width - metrics.horizontalAdvance(last);
        if (room <= metrics.horizontalAdvance(QChar(0x2026))) return metrics.elidedText(last, Qt::ElideRight, width);
        return metrics.elidedText(path.left(separator), Qt::ElideRight, room) + last;
    }

    void ApplyLayout() {
        if (!m_label) return;
        const DWORD style = Style();
        const UINT kind = style & SS_TYPEMASK;
        Qt::Alignment align = Qt::AlignTop;
        if (style & SS_CENTERIMAGE) align = Qt::AlignVCenter;
        if (kind == SS_CENTER) align |= Qt::AlignHCenter;
        else if (kind == SS_RIGHT) align |= Qt::AlignRight;
        else align |= Qt::AlignLeft;
        if (IsImageKind()) align = (style & SS_CENTERIMAGE) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
        m_label->setAlignment(align);
        // Left, centred and right text wraps at words; the simple kinds keep one line.
        m_label->setWordWrap((kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT) && !(style & SS_ELLIPSISMASK));
        if (style & SS_SUNKEN) m_label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

    void ShowImage() {
        if (!m_label) return;
        QImage image = m_bitmap ? ImageOfBitmap(m_bitmap) : ImageOfIcon(m_icon);
        m_label->setPixmap(QPixmap::fromImage(image));
        ApplyLayout();
    }

    QLabel* m_label = nullptr;
    bool m_frameOnly = false;
    HICON m_icon = nullptr;
    HBITMAP m_bitmap = nullptr;
};

}  // namespace

CNativeControl* CreateStaticControl(HWND h) { return new StaticControl(h); }

}  // namespace vorn_ui
