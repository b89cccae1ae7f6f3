#pragma once
// The captions of the hour slots of a plan day (texts 0 to 16 of the language pack), which the
// grid's status texts show for the time under the pointer.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;

inline constexpr int kHourSlotCaptions = 17;

// The caption of slot i (0 to 16), empty outside.
CString GetHourSlotText(int i);
// The slot in which the time falls, counted in whole hours from the document's day-start hour on
// the time's day, plus the document's hour index; empty when the time lies less than 3 minutes
// after that hour or before it, or the slot has no caption.
CString GetHourSlotCaption(const CScheduleData& data, __time64_t t);
// The same for a date-time, without the hour index.
CString GetHourSlotCaptionOfDate(const CScheduleData& data, const COleDateTime& d);
