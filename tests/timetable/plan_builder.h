#pragma once
// Small plans written for one test: records added straight into a store.
#include <cstdint>
#include <vector>

#include "model/schedule_data.h"

// An entity whose day windows run from 08:00 to 16:00 on the first five plan days.
CEntity& AddTestEntity(CScheduleData& data, int id, int type, const wchar_t* name);
// An activity with the members, 4 hours long, in the group (0 for none).
CActivity& AddTestActivity(CScheduleData& data, int id, const wchar_t* name, std::vector<int> members, int group = 0);
// An entry of the activity; gives its serial.
std::uint64_t AddTestEntry(CScheduleData& data, int activity, const COleDateTime& start, int minutes);
// A group with the id and name.
void AddTestGroup(CScheduleData& data, int id, const wchar_t* name);
