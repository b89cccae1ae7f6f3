#pragma once
// A page asks for the report of what it shows: it stores the view type (and, for view types 4
// and 5, the entities) in the document and has the frame broadcast update kind 6, which selects
// the reports tab; the report page builds the matching report half a second later.
//   0 the plan's problems, 1 the tasks report of every class, 2 the current entity's pages,
//   3 the placement analysis of the timetable and magnet pages, 4 the grid of the given
//   entities, 5 the contacts report of the given entities.
#include <vector>

class CScheduleData;

void RequestPageReport(CScheduleData& data, int viewType);
void RequestPageReport(CScheduleData& data, int viewType, const std::vector<int>& entityIds);
