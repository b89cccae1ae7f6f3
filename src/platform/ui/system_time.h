#pragma once
// SYSTEMTIME conversions of the date controls: to and from Qt dates and COleDateTime.
#include <QDateTime>

#include "platform/core/ole_date_time.h"
#include "platform/ui/common_control_defs.h"

QDateTime QDateTimeFromSystemTime(const SYSTEMTIME& st);
SYSTEMTIME SystemTimeFromQDateTime(const QDateTime& dt);
bool SystemTimeFromOleDateTime(const COleDateTime& dt, SYSTEMTIME& st);
COleDateTime OleDateTimeFromSystemTime(const SYSTEMTIME& st);
void GetLocalTime(LPSYSTEMTIME st);
