#pragma once
// Small plans written for one test: records added straight into a store.
#include <cstdint>
#include <vector>

#include "model/schedule_data.h"

// Gives the store the services of a test; the clipboard only when given.
void SetTestServices(CScheduleData& data, IModelHost& host, IAppSettings& settings, IMessageAnswerer& answerer,
                     IClipboard* clipboard = nullptr);
// An entity whose day windows run from 08:00 to 16:00 on the first five plan days.
CEntity& AddTestEntity(CScheduleData& data, int id, int type, const wchar_t* name);
// An activity with the members, 4 hours long, in the group (0 for none).
CActivity& AddTestActivity(CScheduleData& data, int id, const wchar_t* name, std::vector<int> members, int group = 0);
// An entry of the activity; gives its serial.
std::uint64_t AddTestEntry(CScheduleData& data, int activity, const COleDateTime& start, int minutes);
// A group with the id and name.
void AddTestGroup(CScheduleData& data, int id, const wchar_t* name);

// A dated plan of five days from Monday 2 September 2024, the day starting at 07:00. Teacher Ada
// (1) is away on Tuesday from 13:00 to 16:00 and has no working time on Thursday. Group 7
// ("Options") holds Choir, Drama and Chess.
//   e1 Maths (1, 1a)  Mon 08:00    e3 Art (Ben, 1a)    Mon 10:00   e5 Choir (1, 1a)   Tue 09:00
//   e2 Maths          Wed 08:00    e4 Music (Cy, 1b)   Mon 10:00   e6 Drama (Ben, 1b) Tue 09:00
//                                                                  e7 Chess (Cy, 1a)  Fri 09:00
// Entities: 1 Ada Brook (type 1), 2 1a and 3 1b (type 0), 4 Ben Cole and 5 Cy Dunn (type 1).
// Activities: 10 Maths, 11 Art, 12 Music, 20 Choir, 21 Drama, 22 Chess. All entries last an hour.
struct DatedTestPlan {
    std::uint64_t e1 = 0, e2 = 0, e3 = 0, e4 = 0, e5 = 0, e6 = 0, e7 = 0;
};
DatedTestPlan AddDatedTestPlan(CScheduleData& data);

