#pragma once
// The maintenance commands of the options page that delete or recolour records: each takes the
// undo snapshot before it changes anything, so one Undo brings the records back; one that changes
// nothing leaves the undo level as it was.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CScheduleData;

enum class CleanUp {
    ActivitiesWithoutEntries,
    EntitiesWithoutEntries,
    EntitiesWithoutActivities,
    ActivitiesWithoutMembers,
};

void RunCleanUp(CScheduleData& data, CleanUp kind);
// The palette's colours and hatch for every activity whose name contains the text.
void ApplyPalette(CScheduleData& data, const CString& text, BOOL setBackground, COLORREF background,
                  BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch);
