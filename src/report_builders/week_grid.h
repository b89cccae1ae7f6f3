#pragma once
// The week grid: a compact HTML-lite table of one entity's week (a column per plan day, a row
// per hour) for the rich tooltips, and a table that arranges the grids of up to 16 entities.
#include <vector>

#include "platform/core/cstring.h"

class CScheduleData;
class CDayPlanIndex;
struct CDayHourLayout;

// The grid of one entity; empty when the entity is missing or its OVERLAPS is not 1. fullText:
// full day titles, holiday names, group names and activity descriptions; else short ones. The
// index, when given, must describe the unchanged store.
CString BuildWeekGrid(const CScheduleData& data, int entityId, bool fullText, const CDayPlanIndex* index = nullptr);
// The grids of the listed entities side by side. A list of more than 16 is first cut to the
// entities whose type differs from the current entity's; empty when more than 16 remain.
CString BuildWeekGridTable(const CScheduleData& data, int currentEntityId, std::vector<int>& ids);
CString BuildWeekGridHeader(const CScheduleData& data, const CDayHourLayout& layout, bool fullText);
// The index, when given, must describe the unchanged store.
CString BuildWeekGridRows(const CScheduleData& data, int entityId, const CDayHourLayout& layout, bool fullText,
                          const CDayPlanIndex* index = nullptr);
// Whether the language pack lays pages out from right to left.
bool IsRightToLeft();
