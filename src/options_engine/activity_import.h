#pragma once
// The import of activities: one line per activity and staff member (name, group marker, hours,
// staff member, room, then the type-0 members). Lines of one activity and group with different
// staff members merge into one activity; consecutive grouped lines form an activity group. Lines
// that cannot be used are reported in the problem list. One undo snapshot covers the import.
#include <functional>

#include "platform/core/colors.h"

class CImportOptions;
class CScheduleData;
class IImportTextSource;

// The number of activities appended; -1 when the text could not be read. randomColour gives
// the background of new activities and groups when the options' check flag is set.
int ImportActivities(CScheduleData& data, const CImportOptions& options, IImportTextSource& source,
                     const std::function<COLORREF()>& randomColour);
