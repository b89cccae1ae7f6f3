#include "model/time_values.h"

#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "model/schedule_data.h"
#include "model/time_clash.h"

namespace {

std::int32_t CutWithBias(double days, double unitsPerDay) {
    const double biased = days >= 0 ? days + kHalfSecondBias : days - kHalfSecondBias;
    const double units = std::trunc(biased * unitsPerDay);
    if (std::isnan(units)) return 0;
    if (units >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (units <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(units);
}

// Local year, month and day; all 0 when the time has no local form.
void LocalDay(__time64_t t, int& year, int& month, int& day) {
    struct tm parts {};
    if (_localtime64_s(&parts, &t) != 0) {
        year = month = day = 0;
        return;
    }
    year = parts.tm_year + 1900;
    month = parts.tm_mon + 1;
    day = parts.tm_mday;
}

// Well inside the calendar's range the same day is the same count of whole days after rounding
// to the second, as the calendar parts are taken; that needs no calendar at all. The placement
// rules compare days for every stored entry. False outside that range.
bool DayNumber(const COleDateTime& t, std::int64_t& day) {
    if (t.GetStatus() != COleDateTime::valid) return false;
    const double linear = COleDateTime::ToLinear(t.m_dt);
    if (!(linear > -500000.0 && linear < 2500000.0)) return false;  // years 531 to 8744
    const std::int64_t seconds = static_cast<std::int64_t>(std::floor(linear * 86400.0 + 0.5));
    day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return true;
}

COleDateTime MidnightOf(const COleDateTime& t) {
    return COleDateTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0);
}

}  // namespace

std::int32_t WholeMinutes(double days) { return CutWithBias(days, 1440.0); }
std::int32_t WholeHours(double days) { return CutWithBias(days, 24.0); }
std::int32_t WholeSeconds(double days) { return CutWithBias(days, 86400.0); }

int CompareTimesApprox(const COleDateTime& a, const COleDateTime& b) {
    if (a.GetStatus() != COleDateTime::valid || b.GetStatus() != COleDateTime::valid) return -1;
    // The difference of two valid times, as their operators give it, without the temporaries:
    // the plan's rules compare times this way very often.
    const double linearA = COleDateTime::ToLinear(a.m_dt);
    const double linearB = COleDateTime::ToLinear(b.m_dt);
    const bool aLater = linearB < linearA;
    if (WholeMinutes(aLater ? linearA - linearB : linearB - linearA) < 3) return 0;
    return aLater ? 1 : -1;
}

int CompareTime64Approx(__time64_t a, __time64_t b) {
    const __time64_t difference = a > b ? a - b : b - a;
    if (difference / 60 < 3) return 0;
    return a > b ? 1 : -1;
}

int CompareDates(const COleDateTime& a, const COleDateTime& b) {
    if (a.GetStatus() != COleDateTime::valid || b.GetStatus() != COleDateTime::valid) return -1;
    // Midnights a whole number of days apart compare as their day counts do.
    std::int64_t dayA = 0, dayB = 0;
    if (DayNumber(a, dayA) && DayNumber(b, dayB)) return dayA == dayB ? 0 : (dayA > dayB ? 1 : -1);
    return CompareTimesApprox(MidnightOf(a), MidnightOf(b));
}

bool IsSameDay(const COleDateTime& a, const COleDateTime& b) {
    std::int64_t dayA = 0, dayB = 0;
    if (DayNumber(a, dayA) && DayNumber(b, dayB)) return dayA == dayB;

    int ya, ma, da, yb, mb, db;
    a.GetDateParts(ya, ma, da);
    b.GetDateParts(yb, mb, db);
    return ya == yb && ma == mb && da == db;
}

bool IsSameDay64(__time64_t a, __time64_t b) {
    int ya, ma, da, yb, mb, db;
    LocalDay(a, ya, ma, da);
    LocalDay(b, yb, mb, db);
    return ya == yb && ma == mb && da == db;
}

COleDateTimeSpan IntersectIntervals(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2,
                                    const COleDateTime& e2) {
    const COleDateTimeSpan len1 = e1 - s1;
    const COleDateTimeSpan len2 = e2 - s2;
    const bool bothValid =
        len1.GetStatus() == COleDateTimeSpan::valid && len2.GetStatus() == COleDateTimeSpan::valid;
    const COleDateTimeSpan shorter = (bothValid && len1 > len2) ? len2 : len1;

    if (CompareTimesApprox(s1, s2) == 0 || CompareTimesApprox(e1, e2) == 0) return shorter;
    if (CompareTimesApprox(s2, s1) == 1 && CompareTimesApprox(e2, e1) == -1) return len2;  // second inside first
    if (CompareTimesApprox(s2, s1) == -1 && CompareTimesApprox(e2, e1) == 1) return len1;  // first inside second
    if (CompareTimesApprox(e2, s1) == 1 && CompareTimesApprox(s2, s1) == -1) return e2 - s1;
    if (CompareTimesApprox(s2, e1) == -1 && CompareTimesApprox(e2, e1) == 1) return e1 - s2;
    return COleDateTimeSpan(0.0);
}

bool IntervalsOverlap(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2,
                      const COleDateTime& e2) {
    if (IntervalsLieApart(s1, e1, s2, e2)) return false;  // most pairs: no tolerant comparison needed
    return WholeMinutes(IntersectIntervals(s1, e1, s2, e2).m_span) > 5;
}

bool IsSpanLonger(const COleDateTimeSpan& a, const COleDateTimeSpan& b) {
    // Compared in 64 bits so that negative spans answer as their values say.
    const std::int64_t ma = WholeMinutes(a.m_span);
    const std::int64_t mb = WholeMinutes(b.m_span);
    return ma > mb + 5;
}

CString FormatHoursMinutes(const COleDateTimeSpan& span) {
    const int hours = WholeHours(span.m_span);
    CString minutes;
    if (span.GetStatus() != COleDateTimeSpan::null) minutes.Format(L"%02ld", static_cast<long>(WholeMinutes(span.m_span) % 60));
    CString text;
    text.Format(L"%3d:%s", hours, minutes);
    text.TrimLeft();
    return text;
}

int ClassifyRecentTime(__time64_t t) { return ClassifyRecentTime(t, _time64(nullptr)); }

int ClassifyRecentTime(__time64_t t, __time64_t now) {
    if (IsSameDay64(t, now)) return 1;
    struct tm today {};
    if (_localtime64_s(&today, &now) != 0) return 4;
    const __time64_t weekStart = now - static_cast<__time64_t>(today.tm_wday + 1) * 86400;
    if (CompareTime64Approx(t, weekStart) != -1) return 2;
    struct tm monthStart = today;
    monthStart.tm_mday = 1;
    monthStart.tm_hour = monthStart.tm_min = monthStart.tm_sec = 0;
    monthStart.tm_isdst = -1;
    const __time64_t firstOfMonth = _mktime64(&monthStart);
    if (firstOfMonth != -1 && CompareTime64Approx(t, firstOfMonth) != -1) return 3;
    return 4;
}

void AppendHourStepsThrough(std::vector<__time64_t>& list, __time64_t start, __time64_t end) {
    for (__time64_t t = start; CompareTime64Approx(end + 3600, t) == 1; t += 3600) AddTimeIfApart(list, t);
}

void AppendHourStepsBefore(std::vector<__time64_t>& list, __time64_t start, __time64_t end) {
    for (__time64_t t = start; CompareTime64Approx(end, t) == 1; t += 3600) AddTimeIfApart(list, t);
}

void AddTimeIfApart(std::vector<__time64_t>& list, __time64_t t) {
    for (__time64_t element : list) {
        const __time64_t difference = element > t ? element - t : t - element;
        if (difference < 300) return;
    }
    list.push_back(t);
}

__time64_t FindNextTimeAfter(const std::vector<__time64_t>& list, __time64_t t) {
    for (__time64_t element : list)
        if (element > t) return element;
    return t;
}

bool IsPlanDayHoliday(const CScheduleData& data, int n) { return data.Settings().IsHoliday(data.GetDayDate(n)); }

int GetFirstWeekDayIndex(const COleDateTime& date) {
    if (date.GetYear() == 2000 && date.GetMonth() == 1) {
        if (date.GetDay() == 2) return 1;
        if (date.GetDay() == 3) return 2;
    }
    return 0;
}

__time64_t MakeTimeOfDay(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return -1;
    // The C library's conversion checks the zone's file on every call when no TZ is set, which
    // is slow, and the boards ask for these times of day thousands of times per rebuild: each
    // thread keeps the answers for the zone that TZ names (none included) until it changes.
    struct Known {
        bool zoneSet = false;
        std::string zone;
        std::array<__time64_t, 24 * 60> times{};
        std::bitset<24 * 60> made;
    };
    thread_local Known known;
    const char* zone = std::getenv("TZ");
    if ((zone != nullptr) != known.zoneSet || (zone && known.zone != zone)) {
        known.zoneSet = zone != nullptr;
        known.zone = zone ? zone : "";
        known.made.reset();
    }
    const std::size_t slot = static_cast<std::size_t>(hour * 60 + minute);
    if (known.made[slot]) return known.times[slot];
    struct tm parts {};
    parts.tm_year = 100;
    parts.tm_mon = 0;
    parts.tm_mday = 1;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = 0;
    parts.tm_isdst = -1;
    known.times[slot] = _mktime64(&parts);
    known.made[slot] = true;
    return known.times[slot];
}

int GetLocalHour(__time64_t t) {
    if (t == 0) return 0;
    struct tm parts {};
    return _localtime64_s(&parts, &t) == 0 ? parts.tm_hour : -1;
}

int GetLocalMinute(__time64_t t) {
    if (t == 0) return 0;
    struct tm parts {};
    return _localtime64_s(&parts, &t) == 0 ? parts.tm_min : -1;
}

long long GetLocalSecondsOfDay(__time64_t t) {
    if (t == 0) return 0;
    struct tm parts {};
    if (_localtime64_s(&parts, &t) != 0) return -1;
    return parts.tm_hour * 3600LL + parts.tm_min * 60LL + parts.tm_sec;
}

COleDateTime GetUnplacedDate() { return COleDateTime(1970, 1, 1, 0, 0, 0); }

bool IsUnplacedDate(const COleDateTime& date) { return date.GetYear() == 1970; }

bool LessTime64(__time64_t a, __time64_t b) { return a < b; }
bool LessInt(int a, int b) { return a < b; }
bool GreaterInt(int a, int b) { return a > b; }

bool LessEntityByTypeName::operator()(int a, int b) const {
    const auto ea = m_data.FindEntity(a);
    const auto eb = m_data.FindEntity(b);
    const bool hasA = ea != m_data.m_arrEntities.end();
    const bool hasB = eb != m_data.m_arrEntities.end();
    if (!hasA || !hasB) return hasA != hasB ? hasA : a < b;
    if (ea->m_nType != eb->m_nType) return ea->m_nType < eb->m_nType;
    const int byName = ea->m_strName.Compare(eb->m_strName);
    if (byName != 0) return byName < 0;
    return a < b;
}

bool LessEntityByName::operator()(int a, int b) const {
    const auto ea = m_data.FindEntity(a);
    const auto eb = m_data.FindEntity(b);
    const bool hasA = ea != m_data.m_arrEntities.end();
    const bool hasB = eb != m_data.m_arrEntities.end();
    if (!hasA || !hasB) return hasA != hasB ? hasA : a < b;
    const int byName = ea->m_strName.CompareNoCase(eb->m_strName);
    if (byName != 0) return byName < 0;
    return a < b;
}
