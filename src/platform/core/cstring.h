#pragma once
// CString: the program's wide string, a thin value class over std::wstring.
// Compare is ordinal by code unit; CompareNoCase, MakeLower and MakeUpper fold A-Z only,
// so results never depend on the machine's locale.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/core/win_types.h"

class CString;

// One argument of CString::Format. Formatting is type-checked at run time: a format whose
// specifiers do not match the arguments prints what it can and never reads past them.
struct FormatArg {
    enum Kind { Int, UInt, Double, WideText, NarrowText, Pointer };
    Kind kind;
    std::int64_t i = 0;
    double d = 0;
    const wchar_t* ws = nullptr;
    const char* ns = nullptr;
    const void* p = nullptr;

    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    FormatArg(T v) : kind(Int), i(static_cast<std::int64_t>(v)) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_signed_v<T>, int> = 0>
    FormatArg(T v) : kind(UInt), i(static_cast<std::int64_t>(static_cast<std::uint64_t>(v))) {}
    template <typename T, std::enable_if_t<std::is_enum_v<T>, int> = 0>
    FormatArg(T v) : kind(Int), i(static_cast<std::int64_t>(v)) {}
    FormatArg(double v) : kind(Double), d(v) {}
    FormatArg(float v) : kind(Double), d(v) {}
    FormatArg(const wchar_t* v) : kind(WideText), ws(v) {}
    FormatArg(wchar_t* v) : kind(WideText), ws(v) {}
    FormatArg(const char* v) : kind(NarrowText), ns(v) {}
    FormatArg(char* v) : kind(NarrowText), ns(v) {}
    FormatArg(const std::wstring& v) : kind(WideText), ws(v.c_str()) {}
    FormatArg(const CString& v);
    FormatArg(std::nullptr_t) : kind(Pointer), p(nullptr) {}
    template <typename T, std::enable_if_t<!std::is_same_v<std::remove_cv_t<T>, wchar_t> &&
                                               !std::is_same_v<std::remove_cv_t<T>, char>, int> = 0>
    FormatArg(T* v) : kind(Pointer), p(v) {}
};

// Formats with the Windows wide-printf conventions: %s is a wide string, %S a narrow one,
// %c a wide character, %d %i %u %x %X %o with flags, width and precision (and *),
// %ld/%lu 32-bit, %I64d/%lld 64-bit, %hd 16-bit, %f %g %e %G %E, %p and %%.
std::wstring FormatWide(const wchar_t* format, const FormatArg* args, std::size_t count);

class CString {
public:
    CString() = default;
    CString(const wchar_t* s) : m_str(s ? s : L"") {}
    CString(const wchar_t* s, int length) : m_str(s ? std::wstring(s, length > 0 ? length : 0) : std::wstring()) {}
    CString(wchar_t ch, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, ch) {}
    CString(const std::wstring& s) : m_str(s) {}
    CString(std::wstring&& s) : m_str(std::move(s)) {}
    CString(std::wstring_view s) : m_str(s) {}
    // Narrow text is taken as UTF-8.
    explicit CString(const char* s);
    explicit CString(const std::string& s);

    // Access
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int i) const { return (i >= 0 && i < GetLength()) ? m_str[i] : L'\0'; }
    void SetAt(int i, wchar_t ch) { if (i >= 0 && i < GetLength()) m_str[i] = ch; }
    wchar_t operator[](int i) const { return GetAt(i); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }
    std::wstring& str() { return m_str; }
    std::string ToUtf8() const;

    // A writable buffer of at least minLength characters; ReleaseBuffer cuts at the first
    // NUL (or at newLength when it is not -1).
    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Assignment and concatenation
    CString& operator=(const wchar_t* s) { m_str = s ? s : L""; return *this; }
    CString& operator=(wchar_t ch) { m_str.assign(1, ch); return *this; }
    CString& operator=(const std::wstring& s) { m_str = s; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) m_str += s; return *this; }
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }
    void Append(const wchar_t* s) { if (s) m_str += s; }
    void Append(const wchar_t* s, int n) { if (s && n > 0) m_str.append(s, n); }
    void AppendChar(wchar_t ch) { m_str += ch; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
    friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
    friend CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

    // Comparison: ordinal by code unit
    int Compare(const wchar_t* s) const;
    int CompareNoCase(const wchar_t* s) const;
    int Collate(const wchar_t* s) const { return Compare(s); }
    int CollateNoCase(const wchar_t* s) const { return CompareNoCase(s); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator!=(const CString& a, const wchar_t* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const wchar_t* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_str > b.m_str; }
    friend bool operator<=(const CString& a, const CString& b) { return a.m_str <= b.m_str; }
    friend bool operator>=(const CString& a, const CString& b) { return a.m_str >= b.m_str; }

    // Extraction
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const wchar_t* chars) const;
    CString SpanExcluding(const wchar_t* chars) const;
    CString Tokenize(const wchar_t* delimiters, int& start) const;

    // Search: -1 when not found
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    // Changes
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* s);
    int Delete(int index, int count = 1);
    CString& Trim();
    CString& Trim(wchar_t ch);
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& TrimRight(const wchar_t* chars);
    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();
    void Truncate(int length) { if (length >= 0 && length < GetLength()) m_str.resize(length); }

    // Formatting
    template <typename... Args>
    void Format(const wchar_t* format, const Args&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
        m_str = FormatWide(format, list, sizeof...(Args));
    }
    template <typename... Args>
    void AppendFormat(const wchar_t* format, const Args&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
        m_str += FormatWide(format, list, sizeof...(Args));
    }
    // Format from a string of the language pack.
    template <typename... Args>
    void Format(UINT formatId, const Args&... args) {
        CString f;
        f.LoadString(formatId);
        Format(f.GetString(), args...);
    }

    // Loads a text of the current language pack; false (and empty) when the id is missing.
    BOOL LoadString(UINT id);

private:
    std::wstring m_str;
};

inline FormatArg::FormatArg(const CString& v) : kind(WideText), ws(v.GetString()) {}

// Folds A-Z to a-z and nothing else.
inline wchar_t FoldAsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; }
inline wchar_t FoldAsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

// UTF-8 and UTF-16 at the borders of the process.
std::string WideToUtf8(std::wstring_view s);
std::wstring Utf8ToWide(std::string_view s);
std::u16string WideToUtf16(std::wstring_view s);
std::wstring Utf16ToWide(std::u16string_view s);
// Appends one code point as UTF-8; the caller has replaced what is no code point.
void AppendUtf8(std::string& out, char32_t c);

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring>()(s.str()); }
};
