#pragma once
// The value formats of the document file: integers, dates, clock times, spans and flags, as
// the writer prints them and the reader takes them back.
#include <stdexcept>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

// A value the reader cannot take as it stands, such as a clock time of 99:00. The file is
// damaged; loading it fails as a whole.
class CDocumentFormatError : public std::runtime_error {
public:
    explicit CDocumentFormatError(const char* what) : std::runtime_error(what) {}
};

// "%d".
CString FormatFileInt(int value);
// The leading integer of the text (blanks and a sign allowed); 0 when there is none. Values
// beyond the 32-bit range are held at its ends.
int ParseFileInt(const CString& text);

// "%d/%m/%Y": two-digit day and month, four-digit year. A date that is not valid gives an
// empty text.
CString FormatFileDate(const COleDateTime& date);
// Day, month and year separated by "/" (or blanks); that day at 00:00, invalid when the
// numbers form no date or are missing.
COleDateTime ParseFileDate(const CString& text);

// "%H:%M" of an hour and a minute.
CString FormatClockTime(int hour, int minute);
// The local clock time of a 64-bit time of day.
CString FormatClockTime64(__time64_t t);
// The hour and minute of a clock time "H:M" (":" or blanks between); a missing part is 0.
// Throws CDocumentFormatError for an hour outside 0..23 or a minute outside 0..59.
void ParseClockTime(const CString& text, int& hour, int& minute);
// The local 64-bit time of the clock time on 1 January 2000; throws CDocumentFormatError
// when the text is no clock time or the moment cannot be made.
__time64_t ParseTimeOfDay(const CString& text);

// Hours and minutes "H:MM" of the span as days; beyond the span range it is invalid.
COleDateTimeSpan ParseFileSpan(const CString& text);

// A flag is set when its attribute is present and not empty, whatever its text.
inline bool ParseFileFlag(const CString& text) { return !text.IsEmpty(); }
