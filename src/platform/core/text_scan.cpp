#include "platform/core/text_scan.h"

#include <climits>
#include <cwchar>
#include <locale.h>
#include <wchar.h>

namespace {

bool IsBlank(wchar_t c, const wchar_t* separators) {
    if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f') return true;
    return separators && c != L'\0' && std::wcschr(separators, c) != nullptr;
}

// Reads white space, an optional sign and decimal digits at p, saturating at the limits.
// False (p unchanged) when no digit follows.
bool ReadInteger(const wchar_t*& p, const wchar_t* separators, std::int64_t lo, std::int64_t hi, std::int64_t& value) {
    const wchar_t* q = p;
    while (IsBlank(*q, separators)) ++q;
    bool negative = false;
    if (*q == L'+' || *q == L'-') negative = *q++ == L'-';
    if (*q < L'0' || *q > L'9') return false;
    // Accumulate toward the limit of the sign so that the most negative value fits too.
    const std::int64_t limit = negative ? lo : hi;
    std::int64_t v = 0;
    bool saturated = false;
    for (; *q >= L'0' && *q <= L'9'; ++q) {
        if (saturated) continue;
        const int digit = static_cast<int>(*q - L'0');
        if (negative ? v < (limit + digit) / 10 : v > (limit - digit) / 10) {
            v = limit;
            saturated = true;
        } else {
            v = v * 10 + (negative ? -digit : digit);
        }
    }
    value = v;
    p = q;
    return true;
}

std::int64_t ToInteger(const wchar_t* text, std::int64_t lo, std::int64_t hi) {
    if (!text) return 0;
    std::int64_t v = 0;
    return ReadInteger(text, nullptr, lo, hi, v) ? v : 0;
}

}  // namespace

int _wtoi(const wchar_t* text) { return static_cast<int>(ToInteger(text, INT_MIN, INT_MAX)); }

long _wtol(const wchar_t* text) { return static_cast<long>(ToInteger(text, INT32_MIN, INT32_MAX)); }

std::int64_t _wtoi64(const wchar_t* text) { return ToInteger(text, INT64_MIN, INT64_MAX); }

double _wtof(const wchar_t* text) {
    if (!text) return 0.0;
    // The "C" locale keeps "." as the decimal separator whatever the user interface has set.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    wchar_t* end = nullptr;
    const double v = cLocale ? wcstod_l(text, &end, cLocale) : std::wcstod(text, &end);
    return end == text ? 0.0 : v;
}

int ScanInts(const wchar_t* text, const wchar_t* separators, int* outs, int count) {
    if (!outs || count <= 0) return 0;
    for (int i = 0; i < count; ++i) outs[i] = 0;
    if (!text) return 0;
    const wchar_t* p = text;
    int read = 0;
    for (; read < count; ++read) {
        std::int64_t v = 0;
        if (!ReadInteger(p, separators, INT_MIN, INT_MAX, v)) break;
        outs[read] = static_cast<int>(v);
    }
    return read;
}

int ScanDateText(const wchar_t* text, int& day, int& month, int& year) {
    int v[3];
    const int n = ScanInts(text, L"/", v, 3);
    day = v[0];
    month = v[1];
    year = v[2];
    return n;
}

int ScanClockText(const wchar_t* text, int& hour, int& minute) {
    int v[2];
    const int n = ScanInts(text, L":", v, 2);
    hour = v[0];
    minute = v[1];
    return n;
}

int ScanDateTimeText(const wchar_t* text, int& day, int& month, int& year, int& hour, int& minute) {
    int v[5];
    const int n = ScanInts(text, L"/:", v, 5);
    day = v[0];
    month = v[1];
    year = v[2];
    hour = v[3];
    minute = v[4];
    return n;
}
