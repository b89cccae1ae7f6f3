#pragma once
// Applying the side panel's choice to the timetable: activities or activity groups placed into
// the selected ranges of the grid's first pane, people or rooms added to its selected lessons,
// and an entity dropped on the selected lessons.
#include <optional>
#include <vector>

#include "model/model_host.h"

class CScheduleData;
class CTimeTableCtrlView;

// Empties the problem list, then checks the choice: 1 to go on (warnings may have been listed),
// 0 refused with the reason listed. Mode 1 activities, 2 people, 3 rooms, 4 activity groups.
int CanApplyPanelSelection(CScheduleData& data, const CTimeTableCtrlView& first, int mode,
                           const std::vector<int>& ids);
// For modes 1 and 4: asks whether each range takes one entry or entries of the activity's
// meeting length (Yes, No or Cancel); other modes ask nothing and answer Yes.
MessageAnswer AskPanelSelectionPlacing(CScheduleData& data, int mode);
// Applies the choice. For modes 1 and 4 the placing is the answer given, or asked when none is
// given; 0 when the user cancelled and nothing changed, else 1. The entries are added without a
// refresh each: the caller's plan check refreshes the pages once.
int ApplyPanelSelection(CScheduleData& data, const CTimeTableCtrlView& first, int mode, const std::vector<int>& ids,
                        std::optional<MessageAnswer> placing = std::nullopt);
// Adds the entity to the activities of the pane's selected items under one undo level (none when
// it joins nothing), listing the activities it may not join, and ends with the plan check.
void ApplyDroppedEntity(CScheduleData& data, const CTimeTableCtrlView& pane, int entityId);
