#include "platform/core/ole_date_time.h"

#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

// Days from 1 January of year 0 (proleptic Gregorian) in a form that works for any year:
// count from 1 March so that the leap day closes the year.
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;                             // 0..399
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // 0..365
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;     // 0..146096
    return era * 146097 + doe;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// A constant of the compiler, so that dates built by other files' static objects see it set.
constexpr std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// Raw values whose day lies within 1 January 100 .. 31 December 9999.
bool IsInRange(DATE dt) { return dt > -657435.0 && dt < 2958466.0; }

bool MakeDate(int y, int mo, int d, int h, int mi, int s, DATE& out) {
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h < 0 || h > 23 ||
        mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    const double days = static_cast<double>(DaysFromCivil(y, mo, d) - kEpochDays);
    const double time = (h * 3600 + mi * 60 + s) / 86400.0;
    out = days >= 0 ? days + time : days - time;
    return true;
}

struct Parts {
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

// Splits a value into calendar parts after rounding it to the nearest second.
bool Split(DATE dt, Parts& p) {
    if (!IsInRange(dt)) return false;
    const double linear = COleDateTime::ToLinear(dt);
    const std::int64_t total = static_cast<std::int64_t>(std::floor(linear * 86400.0 + 0.5));
    std::int64_t day = total / 86400;
    std::int64_t sec = total % 86400;
    if (sec < 0) {
        sec += 86400;
        --day;
    }
    CivilFromDays(day + kEpochDays, p.year, p.month, p.day);
    if (p.year < 100 || p.year > 9999) return false;
    p.hour = static_cast<int>(sec / 3600);
    p.minute = static_cast<int>(sec / 60 % 60);
    p.second = static_cast<int>(sec % 60);
    // 30 December 1899 was a Saturday.
    p.dayOfWeek = static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
    p.dayOfYear = static_cast<int>(day + kEpochDays - DaysFromCivil(p.year, 1, 1)) + 1;
    return true;
}

// The calendar parts as the C library's broken-down time, daylight saving left to it.
struct tm ToTm(const Parts& p) {
    struct tm t = {};
    t.tm_year = p.year - 1900;
    t.tm_mon = p.month - 1;
    t.tm_mday = p.day;
    t.tm_hour = p.hour;
    t.tm_min = p.minute;
    t.tm_sec = p.second;
    t.tm_wday = p.dayOfWeek - 1;
    t.tm_yday = p.dayOfYear - 1;
    t.tm_isdst = -1;
    return t;
}

int SplitPart(const COleDateTime& d, int Parts::*field) {
    Parts p;
    if (d.m_status != COleDateTime::valid || !Split(d.m_dt, p)) return -1;
    return p.*field;
}

// The status of a result from its two operands: invalid wins, then null.
template <typename Status>
Status Combine(Status a, Status b, Status valid, Status invalid, Status null) {
    if (a == invalid || b == invalid) return invalid;
    if (a == null || b == null) return null;
    if (a != valid || b != valid) return invalid;
    return valid;
}

COleDateTime::DateTimeStatus AsDateStatus(COleDateTimeSpan::DateTimeSpanStatus s) {
    switch (s) {
    case COleDateTimeSpan::valid: return COleDateTime::valid;
    case COleDateTimeSpan::null: return COleDateTime::null;
    default: return COleDateTime::invalid;
    }
}

}  // namespace

// ---- COleDateTimeSpan -------------------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan(double days) : m_span(days) { CheckRange(); }

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int mins, int secs) { SetDateTimeSpan(days, hours, mins, secs); }

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int mins, int secs) {
    m_span = static_cast<double>(days) + hours / 24.0 + mins / 1440.0 + secs / 86400.0;
    m_status = valid;
    CheckRange();
}

void COleDateTimeSpan::CheckRange() {
    if (!(m_span >= -kMaxDays && m_span <= kMaxDays)) m_status = invalid;
}

namespace {

// (value ± half a second) × factor, truncated toward zero; the value is clamped to a little
// beyond the span range first, so that a stray value never overflows a conversion.
double WholeUnits(double span, double factor) {
    if (std::isnan(span)) return 0.0;
    const double limit = COleDateTimeSpan::kMaxDays + 1.0;
    if (span > limit) span = limit;
    if (span < -limit) span = -limit;
    const double biased = span >= 0 ? span + kHalfSecondDays : span - kHalfSecondDays;
    return std::trunc(biased * factor);
}

}  // namespace

double COleDateTimeSpan::GetTotalDays() const { return WholeUnits(m_span, 1.0); }
double COleDateTimeSpan::GetTotalHours() const { return WholeUnits(m_span, 24.0); }
double COleDateTimeSpan::GetTotalMinutes() const { return WholeUnits(m_span, 1440.0); }
double COleDateTimeSpan::GetTotalSeconds() const { return WholeUnits(m_span, 86400.0); }

long COleDateTimeSpan::GetDays() const { return static_cast<long>(static_cast<std::int64_t>(GetTotalSeconds()) / 86400); }
long COleDateTimeSpan::GetHours() const { return static_cast<long>(static_cast<std::int64_t>(GetTotalSeconds()) % 86400 / 3600); }
long COleDateTimeSpan::GetMinutes() const { return static_cast<long>(static_cast<std::int64_t>(GetTotalSeconds()) % 3600 / 60); }
long COleDateTimeSpan::GetSeconds() const { return static_cast<long>(static_cast<std::int64_t>(GetTotalSeconds()) % 60); }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& o) const {
    COleDateTimeSpan r;
    r.m_status = Combine(m_status, o.m_status, valid, invalid, null);
    if (r.m_status == valid) {
        r.m_span = m_span + o.m_span;
        r.CheckRange();
    }
    return r;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& o) const { return *this + (-o); }

COleDateTimeSpan COleDateTimeSpan::operator-() const {
    COleDateTimeSpan r;
    r.m_status = m_status;
    r.m_span = m_status == valid ? -m_span : 0.0;
    return r;
}

COleDateTimeSpan COleDateTimeSpan::operator*(double factor) const {
    COleDateTimeSpan r;
    r.m_status = m_status;
    if (m_status == valid) {
        r.m_span = m_span * factor;
        r.CheckRange();
    }
    return r;
}

COleDateTimeSpan COleDateTimeSpan::operator/(double divisor) const {
    COleDateTimeSpan r;
    r.m_status = m_status;
    if (m_status == valid) {
        if (divisor == 0.0) {
            r.m_status = invalid;
        } else {
            r.m_span = m_span / divisor;
            r.CheckRange();
        }
    }
    return r;
}

CString COleDateTimeSpan::Format(const wchar_t* format) const {
    CString out;
    if (m_status != valid || !format) return out;
    const std::int64_t total = static_cast<std::int64_t>(GetTotalSeconds());
    const std::int64_t magnitude = total < 0 ? -total : total;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%' || p[1] == L'\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case L'D': out.AppendFormat(L"%lld", static_cast<long long>(total / 86400)); break;
        case L'H': out.AppendFormat(L"%02d", static_cast<int>(magnitude % 86400 / 3600)); break;
        case L'M': out.AppendFormat(L"%02d", static_cast<int>(magnitude % 3600 / 60)); break;
        case L'S': out.AppendFormat(L"%02d", static_cast<int>(magnitude % 60)); break;
        case L'%': out += L'%'; break;
        default:
            out += L'%';
            out += *p;
            break;
        }
    }
    return out;
}

// ---- COleDateTime -----------------------------------------------------------------------

double COleDateTime::ToLinear(DATE value) {
    if (value >= 0) return value;
    const double day = std::ceil(value);  // the day, toward zero
    return day + (day - value);
}

DATE COleDateTime::FromLinear(double linear) {
    if (linear >= 0) return linear;
    const double day = std::floor(linear);
    const double fraction = linear - day;
    return fraction == 0.0 ? day : day - fraction;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int min, int sec) {
    SetDateTime(year, month, day, hour, min, sec);
}

COleDateTime::COleDateTime(__time64_t time) {
    struct tm t;
    if (_localtime64_s(&t, &time) != 0) {
        m_status = invalid;
        return;
    }
    SetDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

COleDateTime COleDateTime::GetCurrentTime() { return COleDateTime(_time64(nullptr)); }

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int min, int sec) {
    DATE value;
    if (!MakeDate(year, month, day, hour, min, sec, value)) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    m_dt = value;
    m_status = valid;
    return 0;
}

int COleDateTime::SetTime(int hour, int min, int sec) { return SetDateTime(1899, 12, 30, hour, min, sec); }

int COleDateTime::GetYear() const { return SplitPart(*this, &Parts::year); }
int COleDateTime::GetMonth() const { return SplitPart(*this, &Parts::month); }
int COleDateTime::GetDay() const { return SplitPart(*this, &Parts::day); }
int COleDateTime::GetHour() const { return SplitPart(*this, &Parts::hour); }
int COleDateTime::GetMinute() const { return SplitPart(*this, &Parts::minute); }
int COleDateTime::GetSecond() const { return SplitPart(*this, &Parts::second); }
int COleDateTime::GetDayOfWeek() const { return SplitPart(*this, &Parts::dayOfWeek); }
int COleDateTime::GetDayOfYear() const { return SplitPart(*this, &Parts::dayOfYear); }

bool COleDateTime::GetDateParts(int& year, int& month, int& day) const {
    Parts p;
    if (m_status != valid || !Split(m_dt, p)) {
        year = month = day = -1;
        return false;
    }
    year = p.year;
    month = p.month;
    day = p.day;
    return true;
}

bool COleDateTime::GetAsTime64(__time64_t& time) const {
    Parts p;
    if (m_status != valid || !Split(m_dt, p)) return false;
    struct tm t = ToTm(p);
    const __time64_t made = _mktime64(&t);
    if (made == -1) return false;
    time = made;
    return true;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime r;
    r.m_status = Combine(m_status, AsDateStatus(span.m_status), valid, invalid, null);
    if (r.m_status == valid) {
        r.m_dt = FromLinear(ToLinear(m_dt) + span.m_span);
        if (!IsInRange(r.m_dt)) {
            r.m_dt = 0.0;
            r.m_status = invalid;
        }
    }
    return r;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const { return *this + (-span); }

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
    const DateTimeStatus s = Combine(m_status, other.m_status, valid, invalid, null);
    if (s != valid) {
        COleDateTimeSpan r;
        r.m_status = s == null ? COleDateTimeSpan::null : COleDateTimeSpan::invalid;
        return r;
    }
    return COleDateTimeSpan(ToLinear(m_dt) - ToLinear(other.m_dt));
}

bool COleDateTime::operator==(const COleDateTime& o) const {
    return m_status == o.m_status && ToLinear(m_dt) == ToLinear(o.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& o) const { return ToLinear(m_dt) < ToLinear(o.m_dt); }

CString COleDateTime::Format(const wchar_t* format) const {
    Parts p;
    if (m_status != valid || !format || !Split(m_dt, p)) return CString();
    return FormatTm(format, ToTm(p));
}
