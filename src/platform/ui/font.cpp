#include "platform/ui/font.h"

#include <QFontMetrics>

#include <cmath>
#include <cwctype>
#include <map>

#include "platform/ui/dc.h"
#include "platform/ui/font_measures.h"
#include "platform/ui/gdi_records.h"

using namespace vorn_ui;

namespace {

std::wstring LowerAscii(const wchar_t* s) {
    std::wstring out;
    for (; s && *s; ++s) out += (*s >= L'A' && *s <= L'Z') ? static_cast<wchar_t>(*s + 32) : *s;
    return out;
}

// Windows faces the program names and the installed faces with the closest metrics.
const std::map<std::wstring, const wchar_t*>& Substitutes() {
    static const std::map<std::wstring, const wchar_t*> table = {
        {L"tahoma", L"DejaVu Sans Condensed"},
        {L"arial", L"Liberation Sans"},
        {L"helvetica", L"Liberation Sans"},
        {L"ms sans serif", L"Liberation Sans"},
        {L"microsoft sans serif", L"Liberation Sans"},
        {L"ms shell dlg", L"Liberation Sans"},
        {L"ms shell dlg 2", L"DejaVu Sans Condensed"},
        {L"system", L"Liberation Sans"},
        {L"segoe ui", L"Liberation Sans"},
        {L"verdana", L"DejaVu Sans"},
        {L"courier", L"Liberation Mono"},
        {L"courier new", L"Liberation Mono"},
        {L"fixedsys", L"Liberation Mono"},
        {L"lucida console", L"DejaVu Sans Mono"},
        {L"times new roman", L"Liberation Serif"},
        {L"times", L"Liberation Serif"},
        {L"marlett", L"DejaVu Sans"},  // its menu marks are drawn as the same symbols of this face
    };
    return table;
}

QString FaceFor(const LOGFONT& lf) {
    std::wstring face(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE));
    if (face.empty()) {
        const BYTE family = lf.lfPitchAndFamily & 0xF0;
        if ((lf.lfPitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) return QStringLiteral("Liberation Mono");
        if (family == FF_ROMAN) return QStringLiteral("Liberation Serif");
        return QStringLiteral("Liberation Sans");
    }
    auto it = Substitutes().find(LowerAscii(face.c_str()));
    if (it != Substitutes().end()) return QString::fromWCharArray(it->second);
    return QString::fromStdWString(face);
}

}  // namespace

namespace vorn_ui {

QFont QFontFromLogFont(const LOGFONT& lf) {
    QFont font(FaceFor(lf));
    font.setStyleStrategy(QFont::PreferMatch);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setWeight(static_cast<QFont::Weight>(lf.lfWeight <= 0 ? 400 : std::min<LONG>(lf.lfWeight, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    if (lf.lfQuality == NONANTIALIASED_QUALITY) font.setStyleStrategy(QFont::NoAntialias);
    int pixels = 0;
    if (lf.lfHeight < 0) {
        pixels = -lf.lfHeight;
    } else if (lf.lfHeight > 0) {
        // A cell height: find the character height whose ascent plus descent comes closest.
        QFont probe(font);
        probe.setPixelSize(100);
        QFontMetrics m(probe);
        const int cell = std::max(1, m.ascent() + m.descent());
        pixels = std::max(1, static_cast<int>(std::lround(lf.lfHeight * 100.0 / cell)));
        for (int tries = 0; tries < 3; ++tries) {
            probe.setPixelSize(pixels);
            QFontMetrics mm(probe);
            const int h = mm.ascent() + mm.descent();
            if (h > lf.lfHeight && pixels > 1) --pixels;
            else break;
        }
    } else {
        pixels = 12;
    }
    font.setPixelSize(std::max(1, pixels));
    if (lf.lfWidth > 0) {
        // A requested average width stretches the face relative to its natural width.
        QFontMetrics m(font);
        const int natural = std::max(1, m.averageCharWidth());
        font.setStretch(std::clamp(static_cast<int>(lf.lfWidth * 100 / natural), 1, 4000));
    }
    return font;
}

}  // namespace vorn_ui

HFONT CreateFontIndirect(const LOGFONT* log) {
    if (!log) return nullptr;
    auto* f = new FontRecord;
    f->log = *log;
    f->measures = FontMeasures::For(*log);
    f->font = f->measures->font();
    return f;
}

CString GetSubstituteFaceName(LPCTSTR faceName) {
    LOGFONT lf{};
    if (faceName) wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CString(FaceFor(lf).toStdWString());
}

BOOL CFont::CreateFontIndirect(const LOGFONT* log) {
    DeleteObject();
    return Attach(::CreateFontIndirect(log));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName) wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
    LOGFONT lf{};
    lf.lfHeight = pointSize;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName) wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* log, CDC* dc) {
    if (!log) return FALSE;
    LOGFONT lf = *log;
    const int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
    // Tenths of a point to a character height in pixels, rounded.
    lf.lfHeight = -static_cast<LONG>(std::lround(std::abs(lf.lfHeight) * dpi / 720.0));
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* log) const { return ::GetObject(m_hObject, sizeof(LOGFONT), log); }
