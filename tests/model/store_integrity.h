#pragma once
// A walk over the whole document store that finds what its edit operations must never leave
// behind: references that name no record, references of the wrong kind (a room in a member
// list, a non-room in a room list) and ids that are missing or shared within a collection.
#include <string>
#include <vector>

class CScheduleData;

// One line per fault found, such as "activity 3: member 9 names no entity"; empty when the
// store is sound. The undo copies are not walked.
std::vector<std::string> FindStoreFaults(const CScheduleData& data);
