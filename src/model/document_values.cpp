#include "model/document_values.h"

#include <climits>
#include <cwctype>

#include "model/time_values.h"

namespace {

// Reads an optionally signed decimal number at pos, skipping blanks and separators before it.
// Gives false when no digit follows.
bool ScanNumber(const std::wstring& text, std::size_t& pos, long long& value, const wchar_t* separators) {
    while (pos < text.size() && (std::iswspace(text[pos]) || std::wcschr(separators, text[pos]) != nullptr)) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) negative = text[pos++] == L'-';
    if (pos >= text.size() || text[pos] < L'0' || text[pos] > L'9') return false;
    long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos)
        if (magnitude < 100000000000LL) magnitude = magnitude * 10 + (text[pos] - L'0');
    value = negative ? -magnitude : magnitude;
    return true;
}

int ClampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

CString FormatFileInt(int value) {
    CString text;
    text.Format(L"%d", value);
    return text;
}

int ParseFileInt(const CString& text) {
    std::size_t pos = 0;
    long long value = 0;
    return ScanNumber(text.str(), pos, value, L"") ? ClampToInt(value) : 0;
}

CString FormatFileDate(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) return CString();
    return date.Format(L"%d/%m/%Y");
}

COleDateTime ParseFileDate(const CString& text) {
    std::size_t pos = 0;
    long long day = 0, month = 0, year = 0;
    const std::wstring& s = text.str();
    if (!ScanNumber(s, pos, day, L"/") || !ScanNumber(s, pos, month, L"/") || !ScanNumber(s, pos, year, L"/")) {
        COleDateTime invalid;
        invalid.SetStatus(COleDateTime::invalid);
        return invalid;
    }
    return COleDateTime(ClampToInt(year), ClampToInt(month), ClampToInt(day), 0, 0, 0);
}

CString FormatClockTime(int hour, int minute) {
    CString text;
    text.Format(L"%02d:%02d", hour, minute);
    return text;
}

CString FormatClockTime64(__time64_t t) { return FormatClockTime(GetLocalHour(t), GetLocalMinute(t)); }

void ParseClockTime(const CString& text, int& hour, int& minute) {
    std::size_t pos = 0;
    long long h = 0, m = 0;
    const std::wstring& s = text.str();
    if (ScanNumber(s, pos, h, L":")) ScanNumber(s, pos, m, L":");
    if (h < 0 || h > 23 || m < 0 || m > 59) throw CDocumentFormatError("clock time out of range");
    hour = static_cast<int>(h);
    minute = static_cast<int>(m);
}

__time64_t ParseTimeOfDay(const CString& text) {
    int hour = 0, minute = 0;
    ParseClockTime(text, hour, minute);
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1) throw CDocumentFormatError("time of day cannot be made");
    return t;
}

COleDateTimeSpan ParseFileSpan(const CString& text) {
    std::size_t pos = 0;
    long long hours = 0, minutes = 0;
    const std::wstring& s = text.str();
    if (ScanNumber(s, pos, hours, L":")) ScanNumber(s, pos, minutes, L":");
    return COleDateTimeSpan(static_cast<double>(hours) / 24.0 + static_cast<double>(minutes) / 1440.0);
}
