#pragma once
// Short texts that describe records: plain titles and member lines of activities and entries,
// and the HTML-lite tips of an activity (or one of its timetable entries) and of an entity.
//
// Every text taken from a record (names, remarks, locations, addresses, supervisors,
// educators) is escaped before it goes into HTML-lite markup, so that it shows as written and
// cannot add tags, entities or line breaks. The plain forms carry record texts as they are.
#include <vector>

#include "model/room_pair.h"
#include "platform/core/cstring.h"

class CActivity;
class CActivityWeight;
class CPlanIndex;
class CScheduleData;
class CTimetableEntry;

// Record text made safe for HTML-lite: "&", "<" and ">" become entities; carriage returns, line
// feeds and tabs (which the drawer turns into breaks and tab stops) become blanks.
CString EscapeHtmlLiteText(const CString& text);
// The reverse for the three entities EscapeHtmlLiteText writes, in one pass.
CString UnescapeHtmlLiteText(const CString& text);

// Sorts the activity's members by type and name, then gives the name with its type-0 members,
// or the name alone when it has none.
CString FormatActivityWithMembers(const CScheduleData& data, CActivity& activity);
// The name followed by every member's name but the left-out entity and rooms.
CString FormatActivityMembersLine(const CScheduleData& data, const CActivity& activity, int leftOutId);
// The name (with its group) followed by its members and its room or location.
CString FormatActivityTitle(const CScheduleData& data, const CActivity& activity, int leftOutId);
// The names of the weight record's activity's members that match the type.
CString FormatActivityMembersOfType(const CScheduleData& data, const CActivityWeight& record, int type);
// The supervisor, else the one staff member who is present for the entry (entry may be null).
CString GetActivitySupervisorText(const CScheduleData& data, const CActivity& activity, const CTimetableEntry* entry,
                                  const CPlanIndex* index = nullptr);
// The remark, else the names of the type-0 members.
CString GetActivityRemarkText(const CScheduleData& data, const CActivity& activity);

// The display name in bold, then by layout 0 to 4 the supervisor, remark and rooms lines.
CString BuildActivityHtml(const CScheduleData& data, const CActivity& activity, const CTimetableEntry* entry,
                          bool showRooms, int entityId, int layout,
                          const CPlanIndex* index = nullptr);
// BuildActivityHtml with rooms, as one plain line.
CString FormatActivityEntryPlainText(const CScheduleData& data, const CActivity& activity, int entityId,
                                     const CTimetableEntry* entry, int layout, const CPlanIndex* index = nullptr);
CString FormatActivityPlainText(const CScheduleData& data, const CActivity& activity, int layout);

// The tip of an activity, or of one of its entries: header, then columns of classes, staff,
// rooms and their pairs. The store's replacement index may be rebuilt.
CString BuildTimetableEntryTip(CScheduleData& data, const CActivity& activity, bool namedHeader,
                               const CTimetableEntry* entry, bool type0Column);
// One column of the tip: the entities of the list of one kind (0 classes, 2 people, 4 rooms)
// with their state icons.
CString BuildEntityKindColumn(CScheduleData& data, const CActivity& activity, const std::vector<int>& ids, int kind,
                              const CTimetableEntry* entry, bool stateFlag);
// The rooms with the people paired with each.
CString BuildRoomPairsColumn(const CScheduleData& data, const CActivity& activity, const std::vector<int>& rooms,
                             const std::vector<CRoomPair>& pairs, const CTimetableEntry* entry, bool stateFlag);
// The staff and rooms of an entry that have no usable pairing; empty when there are none.
CString BuildStaffColumn(const CScheduleData& data, const CActivity& activity, const std::vector<CRoomPair>& pairs,
                         const CTimetableEntry* entry, bool stateFlag);

// The rooms text of an entry; with markup set, record texts are escaped for HTML-lite.
// The index, when given, must describe the unchanged store; it only speeds up the walks.
CString BuildEntryRoomsText(const CScheduleData& data, const CTimetableEntry& entry, int entityId, bool markup,
                            const CPlanIndex* index = nullptr);
