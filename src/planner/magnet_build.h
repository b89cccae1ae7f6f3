#pragma once
// The magnets of the magnet board from the document: every row gets a magnet per entry in which
// its entity takes part (a group magnet per entry of a group), the open places it could fill,
// and its entity's absences as blocks. The page rebuilds the board with these after every edit.
#include <vector>

#include "planner/magnet_row.h"

class CScheduleData;

// Empties every row's magnets and open places and builds them again; leaves the rows as they
// are when the document holds no entry. With markCurrent every magnet records whether the
// document's current entity takes part in its activity (or group). Ends with each row's
// magnets sorted and merged (CMagnetRow::Normalise).
void BuildMagnets(const CScheduleData& data, std::vector<CMagnetRow>& rows, bool markCurrent);
// Every row's absence blocks become its entity's absences, in order.
void BuildAbsenceBlocks(const CScheduleData& data, std::vector<CMagnetRow>& rows);
