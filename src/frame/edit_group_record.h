#pragma once
// Edits an activity group in its dialog on a copy: on OK the undo snapshot is taken, the group's
// name, colours and hatch are written back and the plan check runs; a cancelled dialog changes
// nothing. Shared by the pages that open a group from their grid.
#include <functional>

#include "platform/core/win_types.h"

class CActivityGroup;
class CScheduleData;

void EditGroupRecord(CScheduleData& data, int groupId, const std::function<BOOL(CActivityGroup&)>& edit);
