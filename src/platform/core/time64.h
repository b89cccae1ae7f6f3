#pragma once
// 64-bit times (seconds since 1 January 1970 00:00 UTC) and their local calendar form,
// over the C library's localtime_r and mktime. Local means the process's time zone (TZ).
#include <cstdint>
#include <ctime>

#include "platform/core/cstring.h"

using __time64_t = std::int64_t;
#ifndef _ERRNO_T_DEFINED
#define _ERRNO_T_DEFINED
using errno_t = int;
#endif

// The current time; also stored through t when it is not null.
__time64_t _time64(__time64_t* t);

// The local calendar form of *t in a per-thread buffer (overwritten by the next call on the same
// thread); null when t is null or the time has no local form (a year beyond the range of tm).
// Times before 1970 have a local form.
struct tm* _localtime64(const __time64_t* t);
// The same into *result; 0 on success, EINVAL on failure (then *result is all -1 fields).
errno_t _localtime64_s(struct tm* result, const __time64_t* t);
// The UTC calendar form, in a per-thread buffer; null on failure.
struct tm* _gmtime64(const __time64_t* t);

// The time of a local calendar form. Fields out of their range are carried into the next one;
// tm_isdst -1 lets the time-zone rules decide. *t is normalised on success. -1 on failure
// (null, or a moment the C library cannot represent).
__time64_t _mktime64(struct tm* t);

// Formats a calendar form with strftime-like codes in a fixed English form, independent of the
// machine's locale: %a %A weekday, %b %B month, %d %m %y %Y %j %w, %H %I %M %S %p,
// %x (%m/%d/%y), %X (%H:%M:%S), %c (%x %X), %#x and %#c long forms, %% a percent sign.
// The # flag also drops the leading zeros of numbers (%#d, %#H, ...). An unknown code is
// copied as it stands. Reads tm_year, tm_mon, tm_mday, tm_hour, tm_min, tm_sec, tm_wday, tm_yday.
CString FormatTm(const wchar_t* format, const struct tm& t);

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(__time64_t seconds) : m_span(seconds) {}
    CTimeSpan(long days, int hours, int mins, int secs)
        : m_span(((static_cast<__time64_t>(days) * 24 + hours) * 60 + mins) * 60 + secs) {}

    __time64_t GetTimeSpan() const { return m_span; }
    __time64_t GetDays() const { return m_span / 86400; }
    __time64_t GetTotalHours() const { return m_span / 3600; }
    __time64_t GetTotalMinutes() const { return m_span / 60; }
    __time64_t GetTotalSeconds() const { return m_span; }
    int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
    int GetSeconds() const { return static_cast<int>(GetTotalSeconds() - GetTotalMinutes() * 60); }

    CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(m_span + o.m_span); }
    CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(m_span - o.m_span); }
    CTimeSpan& operator+=(CTimeSpan o) { m_span += o.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan o) { m_span -= o.m_span; return *this; }
    friend bool operator==(CTimeSpan a, CTimeSpan b) { return a.m_span == b.m_span; }
    friend auto operator<=>(CTimeSpan a, CTimeSpan b) { return a.m_span <=> b.m_span; }

private:
    __time64_t m_span = 0;
};

// A 64-bit time read in local time.
class CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // The local moment of the given clock time; dst -1 lets the time-zone rules decide.
    // Parts out of range (year before 1900, month 1-12, day 1-31, hour 0-23, minute and
    // second 0-59) or a moment that cannot be made give the time -1; see IsValid.
    CTime(int year, int month, int day, int hour, int min, int sec, int dst = -1);

    static CTime GetCurrentTime();
    // True when the time was made (not -1 from a failed build).
    bool IsValid() const { return m_time != -1; }

    __time64_t GetTime() const { return m_time; }
    // Local calendar parts; 0 when the time has no local form.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    // The local calendar form into *out; null when there is none.
    struct tm* GetLocalTm(struct tm* out) const;

    // strftime-like codes of COleDateTime::Format, in the fixed English form; empty when the
    // time has no local form.
    CString Format(const wchar_t* format) const;

    CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTimeSpan()); }
    CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTimeSpan()); }
    CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime& operator+=(CTimeSpan s) { m_time += s.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan s) { m_time -= s.GetTimeSpan(); return *this; }
    friend bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend auto operator<=>(CTime a, CTime b) { return a.m_time <=> b.m_time; }

private:
    int Part(int tm::*field, int offset) const;

    __time64_t m_time = 0;
};
