// CDC: text output, measuring and DrawText.
#include <QPainter>

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"
#include "platform/ui/font_measures.h"

using namespace vorn_ui;

namespace {

const FontRecord* FontRecordOf(const HDC__* dc) {
    FontRecord* f = ToFont(dc->st.font);
    return f ? f : ToFont(GetStockObject(SYSTEM_FONT));
}

const QFont& FontOf(const HDC__* dc) { return FontRecordOf(dc)->font; }
const FontMeasures& MeasuresOf(const HDC__* dc) { return *FontRecordOf(dc)->measures; }

// The text as the DC's font shows it. The symbol face "Marlett" draws menu marks for letters;
// here its check mark ('a') and bullet ('h') become the same marks in the face that stands in
// for it.
QString ToQ(const HDC__* dc, LPCTSTR text, int count) {
    if (!text) return QString();
    if (count < 0) count = static_cast<int>(wcslen(text));
    QString s = QString::fromWCharArray(text, count);
    const FontRecord* f = ToFont(dc->st.font);
    if (f && QString::fromWCharArray(f->log.lfFaceName).compare(QLatin1String("Marlett"), Qt::CaseInsensitive) == 0) {
        s.replace(QLatin1Char('a'), QChar(0x2713));
        s.replace(QLatin1Char('h'), QChar(0x2022));
    }
    return s;
}

int Advance(const FontMeasures& m, const QString& s) { return m.horizontalAdvance(s); }

// Extra pixels the justification gives to break character number k (counted since
// SetTextJustification).
int BreakExtra(const DcState& st, int k) {
    if (st.justifyCount <= 0) return 0;
    const int base = st.justifyExtra / st.justifyCount;
    const int rest = st.justifyExtra % st.justifyCount;
    return base + (k < rest ? 1 : 0);
}

int JustifiedWidth(const HDC__* dc, const FontMeasures& m, const QString& s) {
    int w = Advance(m, s) + dc->st.charExtra * static_cast<int>(s.size());
    if (dc->st.justifyCount > 0) {
        int k = dc->st.justifyUsed;
        for (QChar c : s)
            if (c == QLatin1Char(' ')) w += BreakExtra(dc->st, k++);
    }
    return w;
}

// The selected font's escapement in degrees, counter-clockwise; 0 for upright text.
double EscapementDegrees(const HDC__* dc) {
    const FontRecord* f = ToFont(dc->st.font);
    const int tenths = f ? static_cast<int>(f->log.lfEscapement % 3600) : 0;
    return tenths / 10.0;
}

// The point reached from `origin` by going `along` pixels in the writing direction and `down`
// pixels towards the glyphs' bottom, for text turned by `degrees` counter-clockwise.
QPoint AlongText(QPoint origin, double along, double down, double degrees) {
    if (degrees == 0) return origin + QPoint(static_cast<int>(along), static_cast<int>(down));
    const double a = qDegreesToRadians(degrees);
    return origin + QPoint(static_cast<int>(std::lround(along * std::cos(a) + down * std::sin(a))),
                           static_cast<int>(std::lround(-along * std::sin(a) + down * std::cos(a))));
}

// Draws a run of text with its top-left at (x, y) in device coordinates, in the text colour,
// with the background box filled in opaque mode. Returns the width drawn. A font with an
// escapement turns the run about (x, y), as GDI turns it about the reference point.
int DrawRun(HDC dc, int x, int y, const QString& s, const QRegion* extraClip, bool opaqueBackground) {
    const QFont& font = FontOf(dc);
    const FontMeasures& m = MeasuresOf(dc);
    const int height = m.ascent() + m.descent();
    const bool justify = dc->st.justifyCount > 0 || dc->st.charExtra != 0;
    const int width = justify ? JustifiedWidth(dc, m, s) : Advance(m, s);
    if (s.isEmpty()) return 0;
    DcState saved;
    const bool clipped = extraClip != nullptr;
    if (clipped) {
        saved = dc->st;
        dc->st.clip = dc->st.hasClip ? (dc->st.clip & *extraClip) : *extraClip;
        dc->st.hasClip = true;
    }
    const double degrees = EscapementDegrees(dc);
    const QTransform turn = QTransform().rotate(-degrees);  // Qt turns clockwise on a y-down surface
    if (opaqueBackground) {
        const QRegion box = degrees == 0 ? QRegion(x, y, width, height)
                                         : QRegion(turn.map(QPolygon(QRect(0, 0, width, height))).translated(x, y));
        ApplyRegion(dc, box, R2_COPYPEN, SolidSource(dc->st.bkColor));
    }
    // Glyphs may reach outside the advance box (italics, overhangs): render with a margin.
    const int margin = height / 2 + 2;
    QImage coverage(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setFont(font);
        p.setPen(QColor(GetRValue(dc->st.textColor), GetGValue(dc->st.textColor), GetBValue(dc->st.textColor)));
        if (!justify) {
            p.drawText(QPointF(margin, margin + m.ascent()), s);
        } else {
            int cx = margin;
            int k = dc->st.justifyUsed;
            for (QChar c : s) {
                p.drawText(QPointF(cx, margin + m.ascent()), QString(c));
                cx += m.horizontalAdvance(c) + dc->st.charExtra;
                if (c == QLatin1Char(' ')) cx += BreakExtra(dc->st, k++);
            }
        }
    }
    if (degrees == 0) {
        ApplyCoverage(dc, coverage, QPoint(x - margin, y - margin), R2_COPYPEN);
    } else {
        // The run's top-left corner inside the coverage lands on (x, y) after turning.
        const QImage turned = coverage.transformed(turn, Qt::SmoothTransformation);
        const QPointF corner = QImage::trueMatrix(turn, coverage.width(), coverage.height()).map(QPointF(margin, margin));
        ApplyCoverage(dc, turned, QPoint(x, y) - corner.toPoint(), R2_COPYPEN);
    }
    if (dc->st.justifyCount > 0)
        for (QChar c : s)
            if (c == QLatin1Char(' ')) ++dc->st.justifyUsed;
    if (clipped) {
        const int used = dc->st.justifyUsed;
        dc->st = saved;
        dc->st.justifyUsed = used;
    }
    return width;
}

}  // namespace

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
    if (!m_hDC) return CSize();
    const FontMeasures& m = MeasuresOf(m_hDC);
    return CSize(JustifiedWidth(m_hDC, m, ToQ(m_hDC, text, count)), m.ascent() + m.descent());
}

BOOL CDC::GetTextExtentPoint32(LPCTSTR text, int count, LPSIZE size) const {
    if (!m_hDC || !size) return FALSE;
    *size = GetTextExtent(text, count);
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCTSTR text, int count, LPSIZE size) {
    return dc && CDC::FromHandle(dc)->GetTextExtentPoint32(text, count, size);
}

BOOL CDC::GetTextExtentExPoint(LPCTSTR text, int count, int maxExtent, LPINT fit, LPINT dx, LPSIZE size) const {
    if (!m_hDC) return FALSE;
    const FontMeasures& m = MeasuresOf(m_hDC);
    const QString s = ToQ(m_hDC, text, count);
    int x = 0, fitted = 0;
    for (int i = 0; i < s.size(); ++i) {
        x += m.horizontalAdvance(s.left(i + 1)) - (i ? m.horizontalAdvance(s.left(i)) : 0);
        if (dx) dx[i] = x;
        if (x <= maxExtent) fitted = i + 1;
    }
    if (fit) *fit = fitted;
    if (size) *size = SIZE{x, m.ascent() + m.descent()};
    return TRUE;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR text, int count, int tabPositions, const INT* tabStops) const {
    if (!m_hDC) return CSize();
    const FontMeasures& m = MeasuresOf(m_hDC);
    const QString s = ToQ(m_hDC, text, count);
    const int defaultTab = 8 * m.averageCharWidth();
    int x = 0;
    int stopIndex = 0;
    const QStringList parts = s.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
        x += Advance(m, parts[i]);
        if (i + 1 < parts.size()) {
            int next;
            if (tabPositions > 1 && tabStops && stopIndex < tabPositions) {
                while (stopIndex < tabPositions && tabStops[stopIndex] <= x) ++stopIndex;
                next = stopIndex < tabPositions ? tabStops[stopIndex] : x + 1;
            } else {
                const int step = (tabPositions == 1 && tabStops) ? std::max(1, tabStops[0]) : defaultTab;
                next = (x / step + 1) * step;
            }
            x = next;
        }
    }
    return CSize(x, m.ascent() + m.descent());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC tm) const {
    if (!m_hDC || !tm) return FALSE;
    const QFont& font = FontOf(m_hDC);
    const FontMeasures& m = MeasuresOf(m_hDC);
    TEXTMETRIC t{};
    t.tmAscent = m.ascent();
    t.tmDescent = m.descent();
    t.tmHeight = t.tmAscent + t.tmDescent;
    t.tmInternalLeading = std::max(0, t.tmHeight - font.pixelSize());
    t.tmExternalLeading = std::max(0, m.leading());
    t.tmAveCharWidth = m.averageCharWidth();
    t.tmMaxCharWidth = m.maxWidth();
    t.tmWeight = font.weight();
    t.tmItalic = font.italic() ? 1 : 0;
    t.tmUnderlined = font.underline() ? 1 : 0;
    t.tmStruckOut = font.strikeOut() ? 1 : 0;
    t.tmFirstChar = 0x20;
    t.tmLastChar = 0xFFFC;
    t.tmDefaultChar = 0x1F;
    t.tmBreakChar = 0x20;
    t.tmDigitizedAspectX = t.tmDigitizedAspectY = 96;
    // As GDI has it: the bit is set for variable-pitch fonts.
    t.tmPitchAndFamily = static_cast<BYTE>((font.fixedPitch() ? 0 : TMPF_FIXED_PITCH) | TMPF_TRUETYPE | TMPF_VECTOR);
    if (FontRecord* f = ToFont(m_hDC->st.font)) t.tmCharSet = f->log.lfCharSet;
    *tm = t;
    return TRUE;
}

BOOL GetTextMetrics(HDC dc, LPTEXTMETRIC tm) { return dc && CDC::FromHandle(dc)->GetTextMetrics(tm); }

BOOL CDC::GetCharWidth(UINT first, UINT last, LPINT widths) const {
    if (!m_hDC || !widths || last < first) return FALSE;
    const FontMeasures& m = MeasuresOf(m_hDC);
    for (UINT c = first; c <= last; ++c) widths[c - first] = m.horizontalAdvance(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
    return TRUE;
}

int CDC::GetTextFace(int count, LPTSTR face) const {
    CString name;
    GetTextFace(name);
    if (!face || count <= 0) return name.GetLength() + 1;
    const int n = std::min(count - 1, name.GetLength());
    wcsncpy(face, name, static_cast<std::size_t>(n));
    face[n] = 0;
    return n;
}

int CDC::GetTextFace(CString& face) const {
    FontRecord* f = m_hDC ? ToFont(m_hDC->st.font) : nullptr;
    face = f ? CString(f->log.lfFaceName) : CString();
    return face.GetLength();
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) { return ExtTextOut(x, y, 0, nullptr, text, static_cast<UINT>(std::max(0, count)), nullptr); }

BOOL TextOut(HDC dc, int x, int y, LPCTSTR text, int count) { return dc && CDC::FromHandle(dc)->TextOut(x, y, text, count); }

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rc, LPCTSTR text, UINT count, const INT* dx) {
    if (!m_hDC) return FALSE;
    HDC dc = m_hDC;
    QRect box;
    if (rc) box = DeviceRect(dc, rc->left, rc->top, rc->right, rc->bottom);
    if (rc && (options & ETO_OPAQUE)) ApplyRegion(dc, QRegion(box), R2_COPYPEN, SolidSource(dc->st.bkColor));
    if (!text || count == 0) return TRUE;
    const QString s = ToQ(dc, text, static_cast<int>(count));
    const FontMeasures& m = MeasuresOf(dc);
    const int width = dx ? 0 : JustifiedWidth(dc, m, s);
    int total = width;
    if (dx)
        for (UINT i = 0; i < count; ++i) total += dx[i];
    const UINT align = dc->st.textAlign;
    const QPoint reference = (align & TA_UPDATECP) ? ToDevice(dc, dc->st.current.x, dc->st.current.y) : ToDevice(dc, x, y);
    const UINT h = align & TA_CENTER;
    int along = 0, down = 0;
    if (h == TA_CENTER) along = -total / 2;
    else if (h == TA_RIGHT) along = -total;
    if ((align & TA_BASELINE) == TA_BASELINE) down = -m.ascent();
    else if (align & TA_BOTTOM) down = -(m.ascent() + m.descent());
    const double degrees = EscapementDegrees(dc);
    const QPoint p = AlongText(reference, along, down, degrees);
    const QRegion clipRegion(box);
    const QRegion* clip = (rc && (options & ETO_CLIPPED)) ? &clipRegion : nullptr;
    const bool opaque = dc->st.bkMode == OPAQUE && !(rc && (options & ETO_OPAQUE));
    if (dx) {
        int cx = 0;
        for (UINT i = 0; i < count; ++i) {
            const QPoint at = AlongText(p, cx, 0, degrees);
            DrawRun(dc, at.x(), at.y(), s.mid(static_cast<int>(i), 1), clip, opaque);
            cx += dx[i];
        }
    } else {
        DrawRun(dc, p.x(), p.y(), s, clip, opaque);
    }
    if (align & TA_UPDATECP) {
        if (h == TA_LEFT) dc->st.current.x += total;
        else if (h == TA_RIGHT) dc->st.current.x -= total;
    }
    return TRUE;
}

// DrawText

namespace {

struct TextLine {
    QString text;       // what is drawn, prefixes resolved
    int underline = -1; // index of the character to underline, or -1
};

// Resolves '&' prefixes: "&&" is one '&', "&x" underlines x.
TextLine ResolvePrefix(const QString& raw, UINT format) {
    TextLine line;
    if (format & DT_NOPREFIX) {
        line.text = raw;
        return line;
    }
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('&') && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != QLatin1Char('&') && line.underline < 0) line.underline = static_cast<int>(line.text.size());
        } else if (raw[i] == QLatin1Char('&')) {
            continue;  // a trailing '&' is dropped
        }
        line.text += raw[i];
    }
    if (format & DT_HIDEPREFIX) line.underline = -1;
    return line;
}

class TextMeasure {
public:
    TextMeasure(const FontMeasures& m, UINT format, int tabWidth) : m_(m), format_(format), tab_(tabWidth) {}
    int Width(const QString& s) const {
        if (!(format_ & DT_EXPANDTABS) || !s.contains(QLatin1Char('\t'))) return m_.horizontalAdvance(s);
        int x = 0;
        const QStringList parts = s.split(QLatin1Char('\t'));
        for (int i = 0; i < parts.size(); ++i) {
            x += m_.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) x = (x / tab_ + 1) * tab_;
        }
        return x;
    }

private:
    const FontMeasures& m_;
    UINT format_;
    int tab_;
};

QString ElideEnd(const TextMeasure& tm, const QString& s, int width) {
    const QString dots = QStringLiteral("...");
    if (tm.Width(s) <= width) return s;
    for (int n = static_cast<int>(s.size()) - 1; n > 0; --n) {
        const QString candidate = s.left(n) + dots;
        if (tm.Width(candidate) <= width) return candidate;
    }
    return tm.Width(dots) <= width ? dots : QString(s.isEmpty() ? QString() : dots.left(1));
}

QString ElideWord(const TextMeasure& tm, const QString& s, int width) {
    if (tm.Width(s) <= width) return s;
    // Cut after the last whole word that fits, then as the end ellipsis does.
    for (int n = static_cast<int>(s.size()) - 1; n > 0; --n) {
        if (s[n] != QLatin1Char(' ')) continue;
        const QString candidate = s.left(n) + QStringLiteral("...");
        if (tm.Width(candidate) <= width) return candidate;
    }
    return ElideEnd(tm, s, width);
}

QString ElidePath(const TextMeasure& tm, const QString& s, int width) {
    if (tm.Width(s) <= width) return s;
    const int slash = static_cast<int>(std::max(s.lastIndexOf(QLatin1Char('\\')), s.lastIndexOf(QLatin1Char('/'))));
    if (slash < 0) return ElideEnd(tm, s, width);
    const QString tail = s.mid(slash);
    for (int n = slash; n >= 0; --n) {
        const QString candidate = s.left(n) + QStringLiteral("...") + tail;
        if (tm.Width(candidate) <= width) return candidate;
    }
    return ElideEnd(tm, QStringLiteral("...") + tail, width);
}

// Splits a paragraph into lines no wider than width at spaces; a word wider than the line
// stays whole (or is broken by characters with DT_EDITCONTROL).
QStringList WrapParagraph(const TextMeasure& tm, const QString& para, int width, UINT format) {
    QStringList lines;
    QString rest = para;
    while (!rest.isEmpty()) {
        if (tm.Width(rest) <= width) {
            lines << rest;
            break;
        }
        int breakAt = -1;
        for (int i = 1; i <= rest.size(); ++i) {
            if (i < rest.size() && rest[i] != QLatin1Char(' ')) continue;
            if (tm.Width(rest.left(i)) <= width) breakAt = i;
            else break;
        }
        if (breakAt <= 0) {
            // No space fits: the first word goes whole, or cut by characters.
            const int space = static_cast<int>(rest.indexOf(QLatin1Char(' ')));
            if (format & DT_EDITCONTROL) {
                int n = 1;
                while (n < rest.size() && tm.Width(rest.left(n + 1)) <= width) ++n;
                breakAt = n;
            } else {
                breakAt = space < 0 ? static_cast<int>(rest.size()) : space;
            }
        }
        QString line = rest.left(breakAt);
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        lines << line;
        rest = rest.mid(breakAt);
        while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
    }
    if (lines.isEmpty()) lines << QString();
    return lines;
}

}  // namespace

int CDC::DrawText(LPCTSTR text, int count, LPRECT rc, UINT format) {
    if (!m_hDC || !rc || !text) return 0;
    HDC dc = m_hDC;
    const FontMeasures& m = MeasuresOf(dc);
    const int lineHeight = m.ascent() + m.descent() + ((format & DT_EXTERNALLEADING) ? std::max(0, m.leading()) : 0);
    const int tabWidth = ((format & DT_TABSTOP) ? std::max(1u, (format >> 8) & 0xFF) : 8u) * std::max(1, m.averageCharWidth());
    const UINT effectiveFormat = (format & DT_TABSTOP) ? (format & ~0xFF00u) : format;
    const TextMeasure tm(m, effectiveFormat, tabWidth);
    const CRect box(*rc);
    const int width = box.Width();

    // Paragraphs, then lines.
    QString all = ToQ(dc, text, count);
    QStringList paragraphs;
    if (format & DT_SINGLELINE) {
        all.remove(QLatin1Char('\r'));
        all.replace(QLatin1Char('\n'), QLatin1Char(' '));
        paragraphs << all;
    } else {
        all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        paragraphs = all.split(QLatin1Char('\n'));
    }
    std::vector<TextLine> lines;
    for (const QString& para : paragraphs) {
        if (format & DT_PREFIXONLY) {
            lines.push_back(ResolvePrefix(para, format));
            continue;
        }
        // Prefixes are resolved before wrapping so that widths are those of the drawn text.
        TextLine resolved = ResolvePrefix(para, format);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            int consumed = 0;
            for (const QString& piece : WrapParagraph(tm, resolved.text, width, format)) {
                TextLine line;
                line.text = piece;
                const int start = static_cast<int>(resolved.text.indexOf(piece, consumed));
                if (resolved.underline >= 0 && start >= 0 && resolved.underline >= start &&
                    resolved.underline < start + piece.size())
                    line.underline = resolved.underline - start;
                if (start >= 0) consumed = start + static_cast<int>(piece.size());
                lines.push_back(line);
            }
        } else {
            lines.push_back(resolved);
        }
    }

    // Ellipses shorten lines that do not fit (not when only measuring).
    if (!(format & DT_CALCRECT)) {
        for (TextLine& line : lines) {
            if (tm.Width(line.text) <= width) continue;
            const QString before = line.text;
            if (format & DT_PATH_ELLIPSIS) line.text = ElidePath(tm, line.text, width);
            else if (format & DT_END_ELLIPSIS) line.text = ElideEnd(tm, line.text, width);
            else if (format & DT_WORD_ELLIPSIS) line.text = ElideWord(tm, line.text, width);
            if (line.text != before && line.underline >= line.text.size() - 3) line.underline = -1;
        }
    }

    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, tm.Width(line.text));
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rc->right = rc->left + widest;
        rc->bottom = rc->top + textHeight;
        return textHeight;
    }

    int y = box.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = box.top + (box.Height() - textHeight) / 2;
        else if (format & DT_BOTTOM) y = box.bottom - textHeight;
    }
    const int result = (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_SINGLELINE) ? y - box.top + textHeight : textHeight;

    const QRect clipBox = DeviceRect(dc, box.left, box.top, box.right, box.bottom);
    const QRegion clipRegion(clipBox);
    const QRegion* clip = (format & DT_NOCLIP) ? nullptr : &clipRegion;
    const bool opaque = dc->st.bkMode == OPAQUE;
    const int savedJustify = dc->st.justifyCount;
    dc->st.justifyCount = 0;  // DrawText does not justify
    for (const TextLine& line : lines) {
        const int w = tm.Width(line.text);
        int x = box.left;
        if (format & DT_CENTER) x = box.left + (width - w) / 2;
        else if (format & DT_RIGHT) x = box.right - w;
        const QPoint p = ToDevice(dc, x, y);
        if (!(format & DT_PREFIXONLY)) {
            if ((format & DT_EXPANDTABS) && line.text.contains(QLatin1Char('\t'))) {
                const QStringList parts = line.text.split(QLatin1Char('\t'));
                int cx = 0;
                for (int i = 0; i < parts.size(); ++i) {
                    DrawRun(dc, p.x() + cx, p.y(), parts[i], clip, opaque);
                    cx += m.horizontalAdvance(parts[i]);
                    if (i + 1 < parts.size()) cx = (cx / tabWidth + 1) * tabWidth;
                }
            } else {
                DrawRun(dc, p.x(), p.y(), line.text, clip, opaque);
            }
        }
        if (line.underline >= 0 && line.underline < line.text.size()) {
            const int ux = p.x() + tm.Width(line.text.left(line.underline));
            const int uw = m.horizontalAdvance(line.text[line.underline]);
            const int uy = p.y() + m.ascent() + 1;
            QRegion under(ux, uy, uw, 1);
            if (clip) under &= *clip;
            ApplyRegion(dc, under, R2_COPYPEN, SolidSource(dc->st.textColor));
        }
        y += lineHeight;
    }
    dc->st.justifyCount = savedJustify;
    return result;
}

int DrawText(HDC dc, LPCTSTR text, int count, LPRECT rc, UINT format) {
    return dc ? CDC::FromHandle(dc)->DrawText(text, count, rc, format) : 0;
}
