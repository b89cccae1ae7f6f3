#pragma once
// Who may share time with whom: the clash and sharing predicates over activities and entries,
// the state of a group at an entry's time, the chime set of a list of entities and two sort
// orders. All read the store and change nothing; the solver's worker calls them too.
#include <vector>

#include "platform/core/cstring.h"

class CActivity;
class CActivityGroup;
class CScheduleData;
class CTimetableEntry;

// The lowest state among the group's entries overlapping the entry (a state 3 wins at once);
// 8 when there is none.
int GetGroupStateAt(const CScheduleData& data, const CTimetableEntry& entry, const CActivityGroup& group);
// Whether the two activities may not run at the entry's time.
bool ActivitiesClash(const CScheduleData& data, const CActivity& a, const CActivity& b, const CTimetableEntry& entry);
// Whether b has a member of a (type-0 members not counted within one group).
bool ActivitiesShareMember(const CScheduleData& data, const CActivity& a, const CActivity& b);
// Whether b has a member of a whose OVERLAPS is not 0.
bool ActivitiesShareLimitedMember(const CScheduleData& data, const CActivity& a, const CActivity& b);
bool EntriesShareParticipant(const CScheduleData& data, const CTimetableEntry& x, const CTimetableEntry& y);
bool EntriesClash(const CScheduleData& data, const CTimetableEntry& x, const CTimetableEntry& y);
// Whether some replacement entity of y is a replacement entity of x.
bool EntriesShareReplacement(const CTimetableEntry& x, const CTimetableEntry& y);
// The chime set the type-0 entities of the list share (their own, else the default); 0 when
// two differ or none is of type 0.
int GetCommonChimeSetId(const CScheduleData& data, const std::vector<int>& entityIds);

// Entries by activity id.
bool LessEntryByActivity(const CTimetableEntry& x, const CTimetableEntry& y);
// Records with a name, by name ignoring case.
template <class Record>
bool LessRecordByNameNoCase(const Record& a, const Record& b) {
    return a.m_strName.CompareNoCase(b.m_strName) < 0;
}
