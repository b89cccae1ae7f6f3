#include "platform/ui/font_enum.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>
#include <cwchar>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"

using namespace vorn_ui;

namespace {

BYTE FamilyBits(const QString& family) {
    if (QFontDatabase::isFixedPitch(family)) return FIXED_PITCH | FF_MODERN;
    return VARIABLE_PITCH | FF_DONTCARE;
}

// The description and measures of one style of a family.
void Describe(const QString& family, const QString& style, LOGFONT& lf, TEXTMETRIC& tm) {
    const QFont font = QFontDatabase::font(family, style, 12);
    lf = LOGFONT{};
    QFont pixelFont = font;
    pixelFont.setPixelSize(16);
    const QFontMetrics m(pixelFont);
    lf.lfHeight = m.ascent() + m.descent();
    lf.lfWeight = QFontDatabase::bold(family, style) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = QFontDatabase::italic(family, style) ? 1 : 0;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfPitchAndFamily = FamilyBits(family);
    const std::wstring name = family.left(LF_FACESIZE - 1).toStdWString();
    std::wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    tm = TEXTMETRIC{};
    tm.tmAscent = m.ascent();
    tm.tmDescent = m.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmAveCharWidth = m.averageCharWidth();
    tm.tmMaxCharWidth = m.maxWidth();
    tm.tmWeight = lf.lfWeight;
    tm.tmItalic = lf.lfItalic;
    tm.tmPitchAndFamily = static_cast<BYTE>((QFontDatabase::isFixedPitch(family) ? 0 : TMPF_FIXED_PITCH) | TMPF_TRUETYPE);
}

// The style that stands for a family when only families are listed.
QString RegularStyle(const QString& family) {
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& s : styles)
        if (!QFontDatabase::bold(family, s) && !QFontDatabase::italic(family, s)) return s;
    return styles.isEmpty() ? QString() : styles.front();
}

}  // namespace

int EnumFontFamilies(HDC, LPCTSTR lpszFamily, FONTENUMPROC proc, LPARAM lParam) {
    if (!proc) return 0;
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::sort(families.begin(), families.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    int result = 1;
    LOGFONT lf;
    TEXTMETRIC tm;
    if (!lpszFamily || !*lpszFamily) {
        for (const QString& family : families) {
            // Families the system keeps for itself (names starting with '.' or '@') are not offered.
            if (family.startsWith(QLatin1Char('.')) || family.startsWith(QLatin1Char('@'))) continue;
            Describe(family, RegularStyle(family), lf, tm);
            result = proc(&lf, &tm, TRUETYPE_FONTTYPE, lParam);
            if (!result) break;
        }
        return result;
    }
    const QString wanted = QString::fromWCharArray(lpszFamily);
    for (const QString& family : families) {
        if (family.compare(wanted, Qt::CaseInsensitive) != 0) continue;
        for (const QString& style : QFontDatabase::styles(family)) {
            Describe(family, style, lf, tm);
            result = proc(&lf, &tm, TRUETYPE_FONTTYPE, lParam);
            if (!result) return result;
        }
        break;
    }
    return result;
}

int EnumFonts(HDC hdc, LPCTSTR lpszFaceName, FONTENUMPROC proc, LPARAM lParam) {
    return EnumFontFamilies(hdc, lpszFaceName, proc, lParam);
}

int GetTextCharsetInfo(HDC hdc, LPFONTSIGNATURE lpSig, DWORD) {
    if (lpSig) *lpSig = FONTSIGNATURE{};
    return GetTextCharset(hdc);
}

int GetTextCharset(HDC hdc) {
    if (!hdc) return DEFAULT_CHARSET;
    FontRecord* f = ToFont(hdc->st.font);
    return f ? f->log.lfCharSet : ANSI_CHARSET;
}
