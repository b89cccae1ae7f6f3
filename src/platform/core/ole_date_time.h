#pragma once
// OLE automation dates and spans: a double of days since 30 December 1899 00:00 with a status.
//
// A date's integer part is the day and its fraction the time of day. Before 30 December 1899
// the value is negative and the fraction still counts forward from midnight, only with the
// sign of the value: -1.25 is 29 December 1899 06:00 (and -0.25 the same as 0.25). Ordering,
// subtraction and arithmetic therefore work on the linear value (day + |fraction|).
//
// Whole seconds, minutes and hours are always cut with the half-second bias: half a second is
// added to a value of zero or more (subtracted from a negative one) before truncating, so
// 10:59:59.6 splits into 11:00:00.
#include <cstdint>

#include "platform/core/cstring.h"
#include "platform/core/time64.h"
#include "platform/core/win_types.h"

using DATE = double;

// Half a second in days.
inline constexpr double kHalfSecondDays = 0.5 / 86400.0;

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    // Spans beyond this many days either way are invalid.
    static constexpr double kMaxDays = 3615897.0;

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days);
    COleDateTimeSpan(long days, int hours, int mins, int secs);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    void SetDateTimeSpan(long days, int hours, int mins, int secs);

    // Whole units of the span with the half-second bias, truncated toward zero (negative for a
    // negative span). The totals are not limited to a day.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    // The parts: whole days, then the hours (-23..23), minutes and seconds (-59..59) left over.
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    operator double() const { return m_span; }

    // Arithmetic: an invalid operand gives an invalid result, otherwise a null operand a null
    // result; a result beyond the span range (or a division by zero) is invalid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& o) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& o) const;
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan operator*(double factor) const;
    COleDateTimeSpan operator/(double divisor) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& o) { return *this = *this + o; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& o) { return *this = *this - o; }
    COleDateTimeSpan& operator*=(double factor) { return *this = *this * factor; }
    COleDateTimeSpan& operator/=(double divisor) { return *this = *this / divisor; }

    // Equal means the same status and the same value; the order compares the values alone.
    bool operator==(const COleDateTimeSpan& o) const { return m_status == o.m_status && m_span == o.m_span; }
    bool operator!=(const COleDateTimeSpan& o) const { return !(*this == o); }
    bool operator<(const COleDateTimeSpan& o) const { return m_span < o.m_span; }
    bool operator>(const COleDateTimeSpan& o) const { return m_span > o.m_span; }
    bool operator<=(const COleDateTimeSpan& o) const { return m_span <= o.m_span; }
    bool operator>=(const COleDateTimeSpan& o) const { return m_span >= o.m_span; }

    // %D whole days (any number of digits, with a minus sign when negative), %H %M %S the
    // two-digit parts (their magnitude), %% a percent sign; other characters are copied.
    // A span that is not valid gives an empty text.
    CString Format(const wchar_t* format) const;

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    void CheckRange();
};

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    // The valid range of values: 1 January 100 00:00:00 to 31 December 9999 23:59:59.
    static constexpr DATE kMinDate = -657434.0;
    static constexpr DATE kMaxDate = 2958465.0 + 86399.0 / 86400.0;

    COleDateTime() = default;
    COleDateTime(DATE value) : m_dt(value) {}
    // Invalid (value 0) when a part is out of range: year 100..9999, month 1..12, a day of that
    // month (Gregorian leap years), hour 0..23, minute and second 0..59.
    COleDateTime(int year, int month, int day, int hour, int min, int sec);
    // The local calendar form of a 64-bit time; invalid when it has none.
    COleDateTime(__time64_t time);

    // Now, local time, to the second.
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Each returns 0 on success; otherwise 1 and the status becomes invalid.
    int SetDateTime(int year, int month, int day, int hour, int min, int sec);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    // The time of day on 30 December 1899.
    int SetTime(int hour, int min, int sec);

    // Calendar parts after rounding to the nearest second; -1 when the value is not valid or
    // lies outside the range of dates.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;  // 1 = 1 January
    // Year, month and day from one split; all -1 (and false) when the value cannot be split.
    bool GetDateParts(int& year, int& month, int& day) const;

    // The local 64-bit time of this clock time (daylight saving decided by the time-zone
    // rules); false when the value is not valid or the moment cannot be made.
    bool GetAsTime64(__time64_t& time) const;

    operator DATE() const { return m_dt; }

    // Arithmetic on the linear value. An invalid operand gives an invalid result, otherwise a
    // null operand a null result; a date beyond the range of dates is invalid.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Equal means the same status and the same moment; the order compares the moments alone.
    bool operator==(const COleDateTime& o) const;
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const;
    bool operator>(const COleDateTime& o) const { return o < *this; }
    bool operator<=(const COleDateTime& o) const { return !(o < *this); }
    bool operator>=(const COleDateTime& o) const { return !(*this < o); }

    // strftime codes in a fixed English form, independent of the machine's locale:
    // %a %A weekday, %b %B month, %d %m %y %Y %j %w, %H %I %M %S %p, %x (%m/%d/%y),
    // %X (%H:%M:%S), %c (%x %X), %#x and %#c long forms, %% a percent sign. The # flag also drops
    // leading zeros of the numbers (%#d, %#H, ...). An unknown code is copied as it stands.
    // A date that is not valid (or lies out of range) gives an empty text.
    CString Format(const wchar_t* format) const;

    // Days since 30 December 1899 as a straight number line (for negative values the
    // fraction is turned round), and back.
    static double ToLinear(DATE value);
    static DATE FromLinear(double linear);

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
