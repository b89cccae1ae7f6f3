#include "platform/core/cstring.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <locale.h>

#include "platform/core/string_source.h"

namespace {

IStringSource* g_stringSource = nullptr;

bool IsTrimSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

bool Contains(const wchar_t* chars, wchar_t c) { return chars && c != L'\0' && std::wcschr(chars, c) != nullptr; }

// One parsed conversion of a format string.
struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    enum Size { Default, Short, Long, LongLong } size = Default;
    wchar_t conv = 0;
};

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::wstring Pad(std::wstring body, const Spec& spec) {
    if (spec.width > 0 && static_cast<int>(body.size()) < spec.width) {
        std::size_t fill = spec.width - body.size();
        if (spec.flags.find('-') != std::string::npos) body.append(fill, L' ');
        else body.insert(0, fill, L' ');
    }
    return body;
}

std::string NumberSpec(const Spec& spec, const char* length, char conv) {
    std::string f(1, '%');
    f.append(spec.flags);
    if (spec.width >= 0) f.append(std::to_string(spec.width));
    if (spec.precision >= 0) f.append(1, '.').append(std::to_string(spec.precision));
    f.append(length).append(1, conv);
    return f;
}

// Numbers are written with "." as the decimal separator whatever numeric locale the process
// runs under (the toolkit takes the user's from the environment): texts of the plan, its files
// and its reports must not change with the machine.
class CNumericCLocale {
public:
    CNumericCLocale() {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        if (cLocale) m_old = uselocale(cLocale);
    }
    ~CNumericCLocale() {
        if (m_old) uselocale(m_old);
    }
    CNumericCLocale(const CNumericCLocale&) = delete;
    CNumericCLocale& operator=(const CNumericCLocale&) = delete;

private:
    locale_t m_old = static_cast<locale_t>(0);
};

std::string PrintNumber(const std::string& f, auto value) {
    const CNumericCLocale numeric;
    char buf[512];
    int n = std::snprintf(buf, sizeof buf, f.c_str(), value);
    if (n < 0) return std::string();
    if (n < static_cast<int>(sizeof buf)) return std::string(buf, n);
    std::string big(n + 1, '\0');
    std::snprintf(big.data(), big.size(), f.c_str(), value);
    big.resize(n);
    return big;
}

std::int64_t AsInteger(const FormatArg& a) {
    if (a.kind == FormatArg::Double) return static_cast<std::int64_t>(a.d);
    if (a.kind == FormatArg::Int || a.kind == FormatArg::UInt) return a.i;
    return 0;
}

std::wstring FormatOne(const Spec& spec, const FormatArg* arg) {
    static const FormatArg none(0);
    const FormatArg& a = arg ? *arg : none;
    switch (spec.conv) {
    case L'd': case L'i': case L'u': case L'x': case L'X': case L'o': {
        std::int64_t v = AsInteger(a);
        bool isSigned = spec.conv == L'd' || spec.conv == L'i';
        char conv = static_cast<char>(spec.conv == L'i' ? 'd' : spec.conv);
        if (spec.size == Spec::LongLong) {
            return Widen(isSigned ? PrintNumber(NumberSpec(spec, "ll", conv), static_cast<long long>(v))
                                  : PrintNumber(NumberSpec(spec, "ll", conv), static_cast<unsigned long long>(v)));
        }
        if (spec.size == Spec::Short) {
            return Widen(isSigned ? PrintNumber(NumberSpec(spec, "", conv), static_cast<int>(static_cast<std::int16_t>(v)))
                                  : PrintNumber(NumberSpec(spec, "", conv), static_cast<unsigned>(static_cast<std::uint16_t>(v))));
        }
        // int and long are both 32 bits wide here, as on Windows
        return Widen(isSigned ? PrintNumber(NumberSpec(spec, "", conv), static_cast<int>(static_cast<std::int32_t>(v)))
                              : PrintNumber(NumberSpec(spec, "", conv), static_cast<unsigned>(static_cast<std::uint32_t>(v))));
    }
    case L'f': case L'F': case L'g': case L'G': case L'e': case L'E': {
        double v = a.kind == FormatArg::Double ? a.d
                   : (a.kind == FormatArg::Int ? static_cast<double>(a.i)
                   : (a.kind == FormatArg::UInt ? static_cast<double>(static_cast<std::uint64_t>(a.i)) : 0.0));
        return Widen(PrintNumber(NumberSpec(spec, "", static_cast<char>(spec.conv)), v));
    }
    case L'c': case L'C': {
        wchar_t ch = (a.kind == FormatArg::Int || a.kind == FormatArg::UInt) ? static_cast<wchar_t>(a.i) : L'\0';
        return Pad(ch ? std::wstring(1, ch) : std::wstring(), spec);
    }
    case L's': case L'S': {
        std::wstring text;
        if (a.kind == FormatArg::WideText) text = a.ws ? a.ws : L"(null)";
        else if (a.kind == FormatArg::NarrowText) text = a.ns ? Utf8ToWide(a.ns) : L"(null)";
        else if (a.kind == FormatArg::Pointer && a.p == nullptr) text = L"(null)";
        if (spec.precision >= 0 && static_cast<int>(text.size()) > spec.precision) text.resize(spec.precision);
        return Pad(std::move(text), spec);
    }
    case L'p': {
        std::uintptr_t v = a.kind == FormatArg::Pointer ? reinterpret_cast<std::uintptr_t>(a.p) : static_cast<std::uintptr_t>(AsInteger(a));
        return Pad(Widen(PrintNumber("%016llX", static_cast<unsigned long long>(v))), spec);
    }
    default:
        return std::wstring();
    }
}

}  // namespace

std::wstring FormatWide(const wchar_t* format, const FormatArg* args, std::size_t count) {
    std::wstring out;
    if (!format) return out;
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg* { return next < count ? &args[next++] : nullptr; };
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') { out += *p++; continue; }
        const wchar_t* start = p++;
        if (*p == L'%') { out += L'%'; ++p; continue; }
        Spec spec;
        while (*p && std::wcschr(L"-+ #0", *p)) spec.flags += static_cast<char>(*p++);
        if (*p == L'*') {
            const FormatArg* w = take();
            int v = w ? static_cast<int>(AsInteger(*w)) : 0;
            if (v < 0) { spec.flags += '-'; v = -v; }
            spec.width = std::min(v, 4096);
            ++p;
        } else if (*p >= L'0' && *p <= L'9') {
            spec.width = 0;
            while (*p >= L'0' && *p <= L'9') spec.width = std::min(spec.width * 10 + (*p++ - L'0'), 4096);
        }
        if (*p == L'.') {
            ++p;
            spec.precision = 0;
            if (*p == L'*') {
                const FormatArg* w = take();
                int v = w ? static_cast<int>(AsInteger(*w)) : 0;
                spec.precision = v < 0 ? -1 : std::min(v, 4096);
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') spec.precision = std::min(spec.precision * 10 + (*p++ - L'0'), 4096);
            }
        }
        if (*p == L'h') { spec.size = Spec::Short; ++p; }
        else if (*p == L'l' && p[1] == L'l') { spec.size = Spec::LongLong; p += 2; }
        else if (*p == L'l' || *p == L'w') { spec.size = Spec::Long; ++p; }
        else if (*p == L'L') { ++p; }
        else if (*p == L'I' && p[1] == L'6' && p[2] == L'4') { spec.size = Spec::LongLong; p += 3; }
        else if (*p == L'I' && p[1] == L'3' && p[2] == L'2') { p += 3; }
        else if (*p == L'I') { spec.size = Spec::LongLong; ++p; }
        if (!*p) { out.append(start); break; }
        spec.conv = *p++;
        if (!std::wcschr(L"diuxXofFgGeEcCsSp", spec.conv)) {
            // An unknown conversion (%n included) is printed as written and consumes nothing.
            out.append(start, p);
            continue;
        }
        out += FormatOne(spec, take());
    }
    return out;
}

CString::CString(const char* s) : m_str(s ? Utf8ToWide(s) : std::wstring()) {}
CString::CString(const std::string& s) : m_str(Utf8ToWide(s)) {}

std::string CString::ToUtf8() const { return WideToUtf8(m_str); }

wchar_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_str.resize(minLength);
    return m_str.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
    m_str.resize(length > 0 ? length : 0);
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        std::size_t nul = m_str.find(L'\0');
        if (nul != std::wstring::npos) m_str.resize(nul);
    } else if (newLength <= GetLength()) {
        m_str.resize(newLength);
    }
}

int CString::Compare(const wchar_t* s) const {
    int r = std::wcscmp(m_str.c_str(), s ? s : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* s) const {
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = s ? s : L"";
    for (;; ++a, ++b) {
        // Compare as unsigned code units, the way the ordinal comparison does.
        auto ca = static_cast<std::uint32_t>(FoldAsciiLower(*a));
        auto cb = static_cast<std::uint32_t>(FoldAsciiLower(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(0, count));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(first, count));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(m_str.size() - count));
}

CString CString::SpanIncluding(const wchar_t* chars) const {
    int n = 0;
    while (n < GetLength() && Contains(chars, m_str[n])) ++n;
    return Left(n);
}

CString CString::SpanExcluding(const wchar_t* chars) const {
    int n = 0;
    while (n < GetLength() && !Contains(chars, m_str[n])) ++n;
    return Left(n);
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const {
    if (start < 0 || start >= GetLength()) { start = -1; return CString(); }
    int i = start;
    while (i < GetLength() && Contains(delimiters, m_str[i])) ++i;
    if (i >= GetLength()) { start = -1; return CString(); }
    int j = i;
    while (j < GetLength() && !Contains(delimiters, m_str[j])) ++j;
    start = j + 1;
    return Mid(i, j - i);
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    std::size_t r = m_str.find(ch, start);
    return r == std::wstring::npos ? -1 : static_cast<int>(r);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (!sub || start < 0 || start > GetLength()) return -1;
    std::size_t r = m_str.find(sub, start);
    return r == std::wstring::npos ? -1 : static_cast<int>(r);
}

int CString::ReverseFind(wchar_t ch) const {
    std::size_t r = m_str.rfind(ch);
    return r == std::wstring::npos ? -1 : static_cast<int>(r);
}

int CString::FindOneOf(const wchar_t* chars) const {
    if (!chars) return -1;
    std::size_t r = m_str.find_first_of(chars);
    return r == std::wstring::npos ? -1 : static_cast<int>(r);
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
    int n = 0;
    for (auto& c : m_str)
        if (c == oldCh) { c = newCh; ++n; }
    return n;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    if (!oldText || !*oldText) return 0;
    std::wstring from(oldText), to(newText ? newText : L"");
    std::wstring result;
    int n = 0;
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = m_str.find(from, pos);
        if (hit == std::wstring::npos) break;
        result.append(m_str, pos, hit - pos);
        result += to;
        pos = hit + from.size();
        ++n;
    }
    if (n) {
        result.append(m_str, pos, std::wstring::npos);
        m_str.swap(result);
    }
    return n;
}

int CString::Remove(wchar_t ch) {
    auto before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, wchar_t ch) {
    index = std::clamp(index, 0, GetLength());
    m_str.insert(m_str.begin() + index, ch);
    return GetLength();
}

int CString::Insert(int index, const wchar_t* s) {
    index = std::clamp(index, 0, GetLength());
    if (s) m_str.insert(index, s);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (index < GetLength() && count > 0) m_str.erase(index, std::min(count, GetLength() - index));
    return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft() {
    std::size_t i = 0;
    while (i < m_str.size() && IsTrimSpace(m_str[i])) ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(wchar_t ch) {
    std::size_t i = 0;
    while (i < m_str.size() && m_str[i] == ch) ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* chars) {
    std::size_t i = 0;
    while (i < m_str.size() && Contains(chars, m_str[i])) ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    std::size_t n = m_str.size();
    while (n > 0 && IsTrimSpace(m_str[n - 1])) --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(wchar_t ch) {
    std::size_t n = m_str.size();
    while (n > 0 && m_str[n - 1] == ch) --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
    std::size_t n = m_str.size();
    while (n > 0 && Contains(chars, m_str[n - 1])) --n;
    m_str.resize(n);
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : m_str) c = FoldAsciiLower(c);
    return *this;
}

CString& CString::MakeUpper() {
    for (auto& c : m_str) c = FoldAsciiUpper(c);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

BOOL CString::LoadString(UINT id) {
    m_str.clear();
    IStringSource* source = g_stringSource;
    return source && source->FindString(id, m_str) ? TRUE : FALSE;
}

IStringSource* GetStringSource() { return g_stringSource; }
void SetStringSource(IStringSource* source) { g_stringSource = source; }

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string WideToUtf8(std::wstring_view s) {
    std::string out;
    out.reserve(s.size());
    for (wchar_t wc : s) {
        auto c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

std::wstring Utf8ToWide(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) {
            if (extra != 0) { out += L'\xFFFD'; ++i; continue; }
        }
        std::uint32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size()) { ok = false; break; }
            auto cb = static_cast<unsigned char>(s[i + k]);
            if ((cb & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (cb & 0x3F);
        }
        if (!ok) { out += L'\xFFFD'; ++i; continue; }
        out += static_cast<wchar_t>(c);
        i += extra + 1;
    }
    return out;
}

std::u16string WideToUtf16(std::wstring_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (wchar_t wc : s) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c);
        }
    }
    return out;
}

std::wstring Utf16ToWide(std::u16string_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::uint32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        // A lone surrogate is kept as its code unit, so text survives a round trip.
        out += static_cast<wchar_t>(c);
    }
    return out;
}
