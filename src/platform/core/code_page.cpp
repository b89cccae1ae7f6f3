#include "platform/core/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/core/cstring.h"

namespace {

thread_local DWORD g_lastError = ERROR_SUCCESS;

int Fail(DWORD error) {
    g_lastError = error;
    return 0;
}

enum class PageKind { Cp1252, Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be, Iconv, Unsupported };

struct PageInfo {
    PageKind kind;
    const char* iconvName;
};

// The pages that are not converted here directly, by the names glibc's iconv knows them by.
struct IconvPage {
    UINT codePage;
    const char* name;
};
const IconvPage kIconvPages[] = {
    {154, "PT154"},          {437, "CP437"},         {500, "IBM500"},        {708, "ASMO-708"},
    {737, "CP737"},          {775, "CP775"},         {850, "CP850"},         {852, "CP852"},
    {855, "CP855"},          {857, "CP857"},         {858, "CP858"},         {860, "CP860"},
    {861, "CP861"},          {862, "CP862"},         {863, "CP863"},         {864, "CP864"},
    {865, "CP865"},          {866, "CP866"},         {869, "CP869"},         {874, "CP874"},
    {932, "CP932"},          {936, "CP936"},         {949, "CP949"},         {950, "CP950"},
    {1125, "CP1125"},        {1133, "CP1133"},       {1250, "CP1250"},       {1251, "CP1251"},
    {1253, "CP1253"},        {1254, "CP1254"},       {1255, "CP1255"},       {1256, "CP1256"},
    {1257, "CP1257"},        {1258, "CP1258"},       {1361, "JOHAB"},        {10000, "MACINTOSH"},
    {10007, "MACCYRILLIC"},  {10017, "MAC-UK"},      {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},       {20106, "ISO646-DE"},   {20107, "ISO646-SE"},   {20108, "ISO646-NO"},
    {20127, "ANSI_X3.4-1968"}, {20261, "T.61-8BIT"}, {20269, "ISO_6937"},    {20866, "KOI8-R"},
    {20932, "EUC-JP"},       {20936, "EUC-CN"},      {20949, "EUC-KR"},      {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},   {28592, "ISO-8859-2"},  {28593, "ISO-8859-3"},  {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},  {28597, "ISO-8859-7"},  {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},  {50221, "ISO-2022-JP"}, {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"},
    {50227, "ISO-2022-CN"},  {51932, "EUC-JP"},      {51936, "EUC-CN"},      {51949, "EUC-KR"},
    {54936, "GB18030"},      {65000, "UTF-7"},
};

PageInfo LookupPage(UINT codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
    case 1252:
        return {PageKind::Cp1252, nullptr};
    case CP_OEMCP:
        return {PageKind::Iconv, "CP437"};
    case CP_MACCP:
        return {PageKind::Iconv, "MACINTOSH"};
    case CP_UTF8:
        return {PageKind::Utf8, nullptr};
    case CP_UTF16LE:
        return {PageKind::Utf16Le, nullptr};
    case CP_UTF16BE:
        return {PageKind::Utf16Be, nullptr};
    case CP_UTF32LE:
    case CP_UTF32:
        return {PageKind::Utf32Le, nullptr};
    case CP_UTF32BE:
        return {PageKind::Utf32Be, nullptr};
    default:
        break;
    }
    for (const auto& p : kIconvPages)
        if (p.codePage == codePage)
            return {PageKind::Iconv, p.name};
    return {PageKind::Unsupported, nullptr};
}

// Windows-1252 between 0x80 and 0x9F; the five bytes the page leaves undefined map to the C1
// control of the same value, so that every byte decodes and encodes back unchanged.
const char32_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int Encode1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (k1252High[i] == c)
            return 0x80 + i;
    return -1;
}

bool IsValidCodePoint(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

constexpr wchar_t kReplacement = 0xFFFD;

// Decodes UTF-8; strict fails at the first invalid sequence, otherwise each bad byte gives U+FFFD.
bool DecodeUtf8(const unsigned char* s, size_t n, bool strict, std::wstring& out) {
    size_t i = 0;
    while (i < n) {
        unsigned char b = s[i];
        if (b < 0x80) {
            out += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1; c = b & 0x1F; minimum = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2; c = b & 0x0F; minimum = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3; c = b & 0x07; minimum = 0x10000;
        } else {
            extra = -1;
        }
        bool ok = extra > 0 && i + static_cast<size_t>(extra) < n;
        if (ok) {
            for (int k = 1; k <= extra; ++k) {
                unsigned char t = s[i + k];
                if ((t & 0xC0) != 0x80) {
                    ok = false;
                    break;
                }
                c = (c << 6) | (t & 0x3F);
            }
        }
        if (ok && (c < minimum || !IsValidCodePoint(c)))
            ok = false;
        if (!ok) {
            if (strict)
                return false;
            out += kReplacement;
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

bool DecodeUtf16(const unsigned char* s, size_t n, bool bigEndian, bool strict, std::wstring& out) {
    auto unit = [&](size_t i) -> char32_t {
        return bigEndian ? static_cast<char32_t>((s[i] << 8) | s[i + 1])
                         : static_cast<char32_t>(s[i] | (s[i + 1] << 8));
    };
    size_t i = 0;
    for (; i + 1 < n; i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            if (strict)
                return false;
            out += kReplacement;
            continue;
        }
        out += static_cast<wchar_t>(u);
    }
    if (i < n) {  // an odd byte at the end
        if (strict)
            return false;
        out += kReplacement;
    }
    return true;
}

bool DecodeUtf32(const unsigned char* s, size_t n, bool bigEndian, bool strict, std::wstring& out) {
    size_t i = 0;
    for (; i + 3 < n; i += 4) {
        char32_t c = bigEndian ? (char32_t(s[i]) << 24) | (char32_t(s[i + 1]) << 16) | (char32_t(s[i + 2]) << 8) | s[i + 3]
                               : (char32_t(s[i + 3]) << 24) | (char32_t(s[i + 2]) << 16) | (char32_t(s[i + 1]) << 8) | s[i];
        if (!IsValidCodePoint(c)) {
            if (strict)
                return false;
            c = kReplacement;
        }
        out += static_cast<wchar_t>(c);
    }
    if (i < n) {
        if (strict)
            return false;
        out += kReplacement;
    }
    return true;
}

struct IconvHandle {
    iconv_t cd;
    IconvHandle(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (Ok())
            iconv_close(cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool Ok() const { return cd != reinterpret_cast<iconv_t>(-1); }
};

bool DecodeIconv(const char* name, const unsigned char* s, size_t n, bool strict, std::wstring& out, DWORD& error) {
    IconvHandle h("WCHAR_T", name);
    if (!h.Ok()) {
        error = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::vector<wchar_t> buf(n + 16);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(s));
    size_t inLeft = n;
    auto flushInto = [&](char* o) { out.append(buf.data(), reinterpret_cast<wchar_t*>(o) - buf.data()); };
    while (inLeft > 0) {
        char* o = reinterpret_cast<char*>(buf.data());
        size_t oLeft = buf.size() * sizeof(wchar_t);
        size_t r = iconv(h.cd, &in, &inLeft, &o, &oLeft);
        flushInto(o);
        if (r != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (strict) {
            error = ERROR_NO_UNICODE_TRANSLATION;
            return false;
        }
        out += kReplacement;
        if (errno == EILSEQ) {
            ++in;
            --inLeft;
        } else {
            inLeft = 0;
        }
    }
    char* o = reinterpret_cast<char*>(buf.data());
    size_t oLeft = buf.size() * sizeof(wchar_t);
    iconv(h.cd, nullptr, nullptr, &o, &oLeft);
    flushInto(o);
    return true;
}

bool EncodeIconv(const char* name, const wchar_t* s, size_t n, std::string_view defaultChar, std::string& out,
                 bool& usedDefault, DWORD& error) {
    IconvHandle h(name, "WCHAR_T");
    if (!h.Ok()) {
        error = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::vector<char> buf(n * 4 + 16);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(s));
    size_t inLeft = n * sizeof(wchar_t);
    while (true) {
        char* o = buf.data();
        size_t oLeft = buf.size();
        size_t r = inLeft > 0 ? iconv(h.cd, &in, &inLeft, &o, &oLeft) : iconv(h.cd, nullptr, nullptr, &o, &oLeft);
        out.append(buf.data(), o - buf.data());
        if (r != static_cast<size_t>(-1)) {
            if (inLeft == 0 && in != nullptr) {
                in = nullptr;  // one more round to return a stateful page to its initial state
                continue;
            }
            if (in == nullptr)
                break;
            continue;
        }
        if (errno == E2BIG)
            continue;
        // A character the page cannot hold (or an incomplete one): back to the initial shift state,
        // then the default character in its place.
        o = buf.data();
        oLeft = buf.size();
        iconv(h.cd, nullptr, nullptr, &o, &oLeft);
        out.append(buf.data(), o - buf.data());
        out += defaultChar;
        usedDefault = true;
        if (inLeft >= sizeof(wchar_t)) {
            in += sizeof(wchar_t);
            inLeft -= sizeof(wchar_t);
        } else {
            inLeft = 0;
        }
    }
    return true;
}

void AppendUnit16(std::string& out, char32_t u, bool bigEndian) {
    if (bigEndian) {
        out += static_cast<char>(u >> 8);
        out += static_cast<char>(u & 0xFF);
    } else {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
}

void AppendUnit32(std::string& out, char32_t c, bool bigEndian) {
    for (int k = 0; k < 4; ++k) {
        int shift = bigEndian ? 24 - 8 * k : 8 * k;
        out += static_cast<char>((c >> shift) & 0xFF);
    }
}

// Decodes any page. strict: an invalid sequence fails with ERROR_NO_UNICODE_TRANSLATION.
bool DecodeAny(UINT codePage, const unsigned char* s, size_t n, bool strict, std::wstring& out, DWORD& error) {
    PageInfo page = LookupPage(codePage);
    bool ok = true;
    switch (page.kind) {
    case PageKind::Cp1252:
        out.reserve(out.size() + n);
        for (size_t i = 0; i < n; ++i) {
            unsigned char b = s[i];
            out += static_cast<wchar_t>(b >= 0x80 && b < 0xA0 ? k1252High[b - 0x80] : b);
        }
        return true;
    case PageKind::Utf8:
        out.reserve(out.size() + n);
        ok = DecodeUtf8(s, n, strict, out);
        break;
    case PageKind::Utf16Le:
    case PageKind::Utf16Be:
        out.reserve(out.size() + n / 2);
        ok = DecodeUtf16(s, n, page.kind == PageKind::Utf16Be, strict, out);
        break;
    case PageKind::Utf32Le:
    case PageKind::Utf32Be:
        ok = DecodeUtf32(s, n, page.kind == PageKind::Utf32Be, strict, out);
        break;
    case PageKind::Iconv:
        return DecodeIconv(page.iconvName, s, n, strict, out, error);
    case PageKind::Unsupported:
        error = ERROR_INVALID_PARAMETER;
        return false;
    }
    if (!ok)
        error = ERROR_NO_UNICODE_TRANSLATION;
    return ok;
}

// Encodes any page. strictInvalid: a character that is not a valid code point fails the call
// (the Unicode pages); otherwise it becomes the default character (U+FFFD for the Unicode pages).
bool EncodeAny(UINT codePage, const wchar_t* s, size_t n, bool strictInvalid, std::string_view defaultChar,
               std::string& out, bool& usedDefault, DWORD& error) {
    PageInfo page = LookupPage(codePage);
    if (page.kind == PageKind::Unsupported) {
        error = ERROR_INVALID_PARAMETER;
        return false;
    }
    if (page.kind == PageKind::Iconv)
        return EncodeIconv(page.iconvName, s, n, defaultChar, out, usedDefault, error);
    out.reserve(out.size() + n * (page.kind == PageKind::Cp1252 ? 1 : 2));
    for (size_t i = 0; i < n; ++i) {
        char32_t c = static_cast<char32_t>(s[i]);
        if (page.kind == PageKind::Cp1252) {
            int b = Encode1252(c);
            if (b < 0) {
                out += defaultChar;
                usedDefault = true;
            } else {
                out += static_cast<char>(b);
            }
            continue;
        }
        if (!IsValidCodePoint(c)) {
            if (strictInvalid) {
                error = ERROR_NO_UNICODE_TRANSLATION;
                return false;
            }
            c = kReplacement;
            usedDefault = true;
        }
        switch (page.kind) {
        case PageKind::Utf8:
            AppendUtf8(out, c);
            break;
        case PageKind::Utf16Le:
        case PageKind::Utf16Be: {
            bool be = page.kind == PageKind::Utf16Be;
            if (c >= 0x10000) {
                AppendUnit16(out, 0xD800 + ((c - 0x10000) >> 10), be);
                AppendUnit16(out, 0xDC00 + ((c - 0x10000) & 0x3FF), be);
            } else {
                AppendUnit16(out, c, be);
            }
            break;
        }
        case PageKind::Utf32Le:
        case PageKind::Utf32Be:
            AppendUnit32(out, c, page.kind == PageKind::Utf32Be);
            break;
        default:
            break;
        }
    }
    return true;
}

// The length in bytes of a NUL-terminated text of the page, terminator included.
size_t TerminatedByteLength(UINT codePage, const char* src) {
    PageInfo page = LookupPage(codePage);
    size_t unit = 1;
    if (page.kind == PageKind::Utf16Le || page.kind == PageKind::Utf16Be)
        unit = 2;
    else if (page.kind == PageKind::Utf32Le || page.kind == PageKind::Utf32Be)
        unit = 4;
    for (size_t i = 0;; i += unit) {
        bool zero = true;
        for (size_t k = 0; k < unit; ++k)
            zero = zero && src[i + k] == 0;
        if (zero)
            return i + unit;
    }
}

}  // namespace

DWORD GetLastConversionError() { return g_lastError; }

bool IsCodePageSupported(UINT codePage) {
    PageInfo page = LookupPage(codePage);
    if (page.kind == PageKind::Unsupported)
        return false;
    if (page.kind != PageKind::Iconv)
        return true;
    IconvHandle h("WCHAR_T", page.iconvName);
    return h.Ok();
}

int MultiByteToWideChar(UINT codePage, DWORD flags, const char* src, int srcLen, wchar_t* dst, int dstLen) {
    if (src == nullptr || srcLen == 0 || srcLen < -1 || dstLen < 0 || (dst == nullptr && dstLen > 0))
        return Fail(ERROR_INVALID_PARAMETER);
    if (flags & ~(MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS))
        return Fail(ERROR_INVALID_FLAGS);
    if ((codePage == CP_UTF8 || codePage == CP_UTF7) && (flags & ~MB_ERR_INVALID_CHARS))
        return Fail(ERROR_INVALID_FLAGS);
    size_t n = srcLen == -1 ? TerminatedByteLength(codePage, src) : static_cast<size_t>(srcLen);
    std::wstring out;
    DWORD error = ERROR_SUCCESS;
    if (!DecodeAny(codePage, reinterpret_cast<const unsigned char*>(src), n, (flags & MB_ERR_INVALID_CHARS) != 0, out,
                   error))
        return Fail(error);
    if (out.size() > 0x7FFFFFFF)
        return Fail(ERROR_INVALID_PARAMETER);
    int needed = static_cast<int>(out.size());
    if (dstLen == 0) {
        g_lastError = ERROR_SUCCESS;
        return needed;
    }
    if (needed > dstLen)
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(dst, out.data(), out.size() * sizeof(wchar_t));
    g_lastError = ERROR_SUCCESS;
    return needed;
}

int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* src, int srcLen, char* dst, int dstLen,
                        const char* defaultChar, BOOL* usedDefaultChar) {
    if (src == nullptr || srcLen == 0 || srcLen < -1 || dstLen < 0 || (dst == nullptr && dstLen > 0))
        return Fail(ERROR_INVALID_PARAMETER);
    if (flags & ~(WC_COMPOSITECHECK | WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_ERR_INVALID_CHARS |
                  WC_NO_BEST_FIT_CHARS))
        return Fail(ERROR_INVALID_FLAGS);
    bool utf = codePage == CP_UTF8 || codePage == CP_UTF7;
    if (utf && (defaultChar != nullptr || usedDefaultChar != nullptr))
        return Fail(ERROR_INVALID_PARAMETER);
    if (utf && (flags & ~WC_ERR_INVALID_CHARS))
        return Fail(ERROR_INVALID_FLAGS);
    size_t n = srcLen == -1 ? std::wcslen(src) + 1 : static_cast<size_t>(srcLen);
    std::string out;
    bool used = false;
    DWORD error = ERROR_SUCCESS;
    std::string_view def = (defaultChar != nullptr && *defaultChar != 0) ? std::string_view(defaultChar) : "?";
    if (!EncodeAny(codePage, src, n, (flags & WC_ERR_INVALID_CHARS) != 0, def, out, used, error))
        return Fail(error);
    if (out.size() > 0x7FFFFFFF)
        return Fail(ERROR_INVALID_PARAMETER);
    int needed = static_cast<int>(out.size());
    if (dstLen > 0) {
        if (needed > dstLen)
            return Fail(ERROR_INSUFFICIENT_BUFFER);
        std::memcpy(dst, out.data(), out.size());
    }
    if (usedDefaultChar)
        *usedDefaultChar = used ? TRUE : FALSE;
    g_lastError = ERROR_SUCCESS;
    return needed;
}

bool DecodeBytes(UINT codePage, std::string_view bytes, std::wstring& out) {
    out.clear();
    DWORD error = ERROR_SUCCESS;
    if (!DecodeAny(codePage, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), true, out, error)) {
        out.clear();
        g_lastError = error;
        return false;
    }
    g_lastError = ERROR_SUCCESS;
    return true;
}

bool EncodeText(UINT codePage, std::wstring_view text, std::string& out, bool* lost) {
    out.clear();
    bool used = false;
    DWORD error = ERROR_SUCCESS;
    if (!EncodeAny(codePage, text.data(), text.size(), false, "?", out, used, error)) {
        out.clear();
        g_lastError = error;
        if (lost)
            *lost = false;
        return false;
    }
    if (lost)
        *lost = used;
    g_lastError = ERROR_SUCCESS;
    return true;
}
