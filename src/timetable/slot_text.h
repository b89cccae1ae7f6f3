#pragma once
// The text of a time slot of the grid: the plan day's title and the caption of the hour slot in
// which a block starts, shown in the status bar while items are dragged.
#include "platform/core/cstring.h"

class CItemTime;
class CScheduleData;

// "day - slot" for a block that starts in the first 12 hours from the document's day-start hour
// of its day; empty otherwise.
CString FormatSlotText(const CScheduleData& data, const CItemTime& block);
