#include "platform/ui/system_time.h"

QDateTime QDateTimeFromSystemTime(const SYSTEMTIME& st) {
    return QDateTime(QDate(st.wYear, st.wMonth, st.wDay), QTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds));
}

SYSTEMTIME SystemTimeFromQDateTime(const QDateTime& dt) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(d.year());
    st.wMonth = static_cast<WORD>(d.month());
    st.wDayOfWeek = static_cast<WORD>(d.dayOfWeek() % 7);
    st.wDay = static_cast<WORD>(d.day());
    st.wHour = static_cast<WORD>(t.hour());
    st.wMinute = static_cast<WORD>(t.minute());
    st.wSecond = static_cast<WORD>(t.second());
    st.wMilliseconds = static_cast<WORD>(t.msec());
    return st;
}

bool SystemTimeFromOleDateTime(const COleDateTime& dt, SYSTEMTIME& st) {
    if (dt.GetStatus() != COleDateTime::valid) return false;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(dt.GetYear());
    st.wMonth = static_cast<WORD>(dt.GetMonth());
    st.wDayOfWeek = static_cast<WORD>(dt.GetDayOfWeek() - 1);
    st.wDay = static_cast<WORD>(dt.GetDay());
    st.wHour = static_cast<WORD>(dt.GetHour());
    st.wMinute = static_cast<WORD>(dt.GetMinute());
    st.wSecond = static_cast<WORD>(dt.GetSecond());
    return true;
}

COleDateTime OleDateTimeFromSystemTime(const SYSTEMTIME& st) {
    return COleDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

void GetLocalTime(LPSYSTEMTIME st) {
    if (st) *st = SystemTimeFromQDateTime(QDateTime::currentDateTime());
}
