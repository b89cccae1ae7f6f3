#include "platform/core/time64.h"

#include <cerrno>
#include <ctime>

namespace {

const wchar_t* const kDayNames[7] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
const wchar_t* const kMonthNames[12] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                        L"July",    L"August",   L"September", L"October", L"November", L"December"};

const wchar_t* DayName(int wday) { return wday >= 0 && wday < 7 ? kDayNames[wday] : L""; }
const wchar_t* MonthName(int mon) { return mon >= 0 && mon < 12 ? kMonthNames[mon] : L""; }

void AppendNumber(CString& out, int value, int digits, bool noZeros) {
    if (noZeros) out.AppendFormat(L"%d", value);
    else out.AppendFormat(L"%0*d", digits, value);
}

void AppendCode(CString& out, wchar_t code, bool alt, const struct tm& t) {
    switch (code) {
    case L'a': out += CString(DayName(t.tm_wday)).Left(3); break;
    case L'A': out += DayName(t.tm_wday); break;
    case L'b': out += CString(MonthName(t.tm_mon)).Left(3); break;
    case L'B': out += MonthName(t.tm_mon); break;
    case L'd': AppendNumber(out, t.tm_mday, 2, alt); break;
    case L'H': AppendNumber(out, t.tm_hour, 2, alt); break;
    case L'I': AppendNumber(out, t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12, 2, alt); break;
    case L'j': AppendNumber(out, t.tm_yday + 1, 3, alt); break;
    case L'm': AppendNumber(out, t.tm_mon + 1, 2, alt); break;
    case L'M': AppendNumber(out, t.tm_min, 2, alt); break;
    case L'p': out += t.tm_hour < 12 ? L"AM" : L"PM"; break;
    case L'S': AppendNumber(out, t.tm_sec, 2, alt); break;
    case L'w': out.AppendFormat(L"%d", t.tm_wday); break;
    case L'y': AppendNumber(out, (t.tm_year + 1900) % 100, 2, alt); break;
    case L'Y': out.AppendFormat(L"%d", t.tm_year + 1900); break;
    case L'x':
        out += alt ? FormatTm(L"%A, %B %#d, %Y", t) : FormatTm(L"%m/%d/%y", t);
        break;
    case L'X': out += FormatTm(L"%H:%M:%S", t); break;
    case L'c':
        out += alt ? FormatTm(L"%A, %B %#d, %Y %H:%M:%S", t) : FormatTm(L"%m/%d/%y %H:%M:%S", t);
        break;
    case L'%': out += L'%'; break;
    default:
        out += L'%';
        if (alt) out += L'#';
        out += code;
        break;
    }
}

}  // namespace

CString FormatTm(const wchar_t* format, const struct tm& t) {
    CString out;
    if (!format) return out;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        const bool alt = p[1] == L'#';
        const wchar_t code = alt ? p[2] : p[1];
        if (code == L'\0') {  // a lone % at the end stays as it is
            for (; *p; ++p) out += *p;
            break;
        }
        AppendCode(out, code, alt, t);
        p += alt ? 2 : 1;
    }
    return out;
}

__time64_t _time64(__time64_t* t) {
    const __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (t) *t = now;
    return now;
}

errno_t _localtime64_s(struct tm* result, const __time64_t* t) {
    if (!result) return EINVAL;
    if (t) {
        const std::time_t value = static_cast<std::time_t>(*t);
        if (localtime_r(&value, result)) return 0;
    }
    result->tm_year = result->tm_mon = result->tm_mday = -1;
    result->tm_hour = result->tm_min = result->tm_sec = -1;
    result->tm_wday = result->tm_yday = result->tm_isdst = -1;
    return EINVAL;
}

struct tm* _localtime64(const __time64_t* t) {
    thread_local struct tm buffer;
    return _localtime64_s(&buffer, t) == 0 ? &buffer : nullptr;
}

struct tm* _gmtime64(const __time64_t* t) {
    thread_local struct tm buffer;
    if (!t) return nullptr;
    const std::time_t value = static_cast<std::time_t>(*t);
    return gmtime_r(&value, &buffer);
}

__time64_t _mktime64(struct tm* t) {
    if (!t) return -1;
    return static_cast<__time64_t>(std::mktime(t));
}

// ---- CTime ------------------------------------------------------------------------------

CTime::CTime(int year, int month, int day, int hour, int min, int sec, int dst) : m_time(-1) {
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || min < 0 ||
        min > 59 || sec < 0 || sec > 59)
        return;
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = min;
    t.tm_sec = sec;
    t.tm_isdst = dst;
    m_time = _mktime64(&t);
}

CTime CTime::GetCurrentTime() { return CTime(_time64(nullptr)); }

struct tm* CTime::GetLocalTm(struct tm* out) const {
    if (!out) return nullptr;
    return _localtime64_s(out, &m_time) == 0 ? out : nullptr;
}

int CTime::Part(int tm::*field, int offset) const {
    struct tm t;
    return GetLocalTm(&t) ? t.*field + offset : 0;
}

int CTime::GetYear() const { return Part(&tm::tm_year, 1900); }
int CTime::GetMonth() const { return Part(&tm::tm_mon, 1); }
int CTime::GetDay() const { return Part(&tm::tm_mday, 0); }
int CTime::GetHour() const { return Part(&tm::tm_hour, 0); }
int CTime::GetMinute() const { return Part(&tm::tm_min, 0); }
int CTime::GetSecond() const { return Part(&tm::tm_sec, 0); }
int CTime::GetDayOfWeek() const { return Part(&tm::tm_wday, 1); }

CString CTime::Format(const wchar_t* format) const {
    struct tm t;
    if (!GetLocalTm(&t)) return CString();
    return FormatTm(format, t);
}
