#pragma once
// One placement of an activity: a day and start time, a length and a state.
//
// Every entry carries a serial number that identifies it within the running program, so that
// work lists can name an entry while the timetable grows or is sorted. A new or copied entry gets
// a fresh serial; assigning to an entry keeps the target's serial (an edit applied to a stored
// entry leaves it the same entry); moving carries the serial along (sorting keeps identities).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/candidate_slot.h"
#include "platform/core/colors.h"
#include "model/replacement.h"
#include "model/room_pair.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;
class CEntity;
class CPlanIndex;

class CTimetableEntry {
public:
    // Zero start and length, stored state 2.
    CTimetableEntry();
    // Placed at start (also the unmoved start) for the length.
    CTimetableEntry(const COleDateTime& start, const COleDateTimeSpan& length);
    // On plan day n of the document at the local hour and minute of start, as long as the whole
    // minutes from start to end.
    CTimetableEntry(const CScheduleData& data, int day, __time64_t start, __time64_t end);

    CTimetableEntry(const CTimetableEntry& other);
    CTimetableEntry& operator=(const CTimetableEntry& other);
    CTimetableEntry(CTimetableEntry&& other) noexcept;
    CTimetableEntry& operator=(CTimetableEntry&& other) noexcept;

    std::uint64_t GetSerial() const { return m_nSerial; }

    // Start plus length.
    COleDateTime GetEndTime() const;
    // 3, 6 and 7 set their flag only; any other value becomes the stored state and clears the
    // three flags.
    void SetState(int state);

    // Description texts
    // The hour captions of start and end slot, or of the start slot for an entry no longer than
    // the threshold in minutes.
    CString FormatLessonSpan(const CScheduleData& data, int thresholdMinutes) const;
    // The plan day and the lesson or hour captions of the entry.
    CString FormatWhenText(const CScheduleData& data, int mode, int chimeSetId) const;
    // The entry's location, or its rooms (for an entity: those paired with it); may hold "<br>".
    CString FormatRoomsText(const CScheduleData& data, int entityId) const;
    // The activity with its members and the when text. Sorts the activity's members.
    CString FormatTitle(CScheduleData& data, int mode, int chimeSetId) const;

    // Entry states and participation
    // The state code 0 to 9 (see the table in timetable_entry_state.cpp). A stored state
    // outside 0..9 reads as 2; on the thread that owns the store it is also settled to 2, on any
    // other thread (the solver's worker) nothing is written.
    int GetState(const CScheduleData& data);
    int GetState(const CScheduleData& data) const;
    // GetState is 7, told mostly without lookups.
    bool IsLinkedState(const CScheduleData& data) const { return m_bLinked || (m_nState == 7 && GetState(data) == 7); }
    // Whether the entity is a member (or room) of the entry's activity.
    bool HasMemberEntity(const CScheduleData& data, int entityId) const;
    // Whether a replacement record or the own room list names the entity.
    bool HasParticipant(int entityId) const;
    // Whether the own room list names the entity.
    bool HasRoom(int entityId) const;
    // The number of replacement records whose entity is of type 1, 2 or 3.
    int HasReplacementOfTypes1To3(const CScheduleData& data) const;
    // The index, when given, must describe the unchanged store; it only speeds up the walk.
    bool IsEntityPresent(const CScheduleData& data, int entityId, const CPlanIndex* index = nullptr) const;
    // Members of type 1 to 3, then replacement entities of those types; empty when linked.
    void GetStaff(const CScheduleData& data, std::vector<int>& staff) const;
    void GetAvailableStaff(const CScheduleData& data, std::vector<int>& staff) const;
    // Kind 0..5 one type, 6 every type, 7 types 1 and 2; kinds 4 and 6 first list the rooms
    // by association, which the count leaves out.
    int GetParticipantsByType(const CScheduleData& data, std::vector<int>& ids, int kind) const;
    // The colours and hatch to draw the entry with; the arguments come in holding the defaults.
    void GetDrawColours(const CScheduleData& data, COLORREF& background, COLORREF& foreground, int& hatch) const;

    // Lesson hours and chime sets
    // The chime set that applies: the only one when there is one, else the activity's own,
    // else its derived one; 0 when the activity is missing.
    int GetChimeSetId(const CScheduleData& data) const;
    // The start and end snapped to the lessons of the entry's chime set, on the entry's date;
    // without a chime set the entry's own start and end.
    COleDateTime GetLessonStart(const CScheduleData& data) const;
    COleDateTime GetLessonEnd(const CScheduleData& data) const;

    // Availability, absences and replacements
    // CEntity::IsAvailable over the entry's interval.
    bool IsEntityAvailable(const CScheduleData& data, const CEntity& entity) const;
    // Members that are absent during the entry or stand in elsewhere at its time.
    void GetMissingMembers(const CScheduleData& data, std::vector<int>& ids) const;

    // Rooms and associations
    // The index, when given, must describe the unchanged store; it only speeds up the walks.
    void GetRooms(const CScheduleData& data, std::vector<int>& rooms, const CPlanIndex* index = nullptr) const;
    void GetRoomsByAssociation(const CScheduleData& data, std::vector<int>& rooms,
                               const CPlanIndex* index = nullptr) const;
    void GetAvailableRooms(const CScheduleData& data, std::vector<int>& rooms) const;
    int CountRoomsByAssociation(const CScheduleData& data) const;
    // 0 none, 1 own room, 2 paired (or the one room of a one-staff activity), 3 activity room,
    // 4 the default room of the type-0 participant.
    int GetRoomRole(const CScheduleData& data, int roomId) const;
    // The strongest role the room has in an overlapping live entry of another activity; 5 free.
    // The three walk the timetable; an index of the store makes that quicker (see CPlanIndex).
    int GetBestRoomRoleElsewhere(const CScheduleData& data, int roomId, const CPlanIndex* index = nullptr) const;
    bool HasRoomPriority(const CScheduleData& data, int roomId, const CPlanIndex* index = nullptr) const;
    bool IsRoomTakenElsewhere(const CScheduleData& data, int roomId, const CPlanIndex* index = nullptr) const;
    // 0 fine, 1 fewer free rooms than staff, 2 no free room, 3 fine with own rooms.
    int CheckRooms(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    // The own pairs when there are any, else the activity's when it has any, else null.
    const std::vector<CRoomPair>* GetAssociationPairs(const CScheduleData& data) const;
    void AssociateRoom(const CScheduleData& data, int roomId, int entityId);
    bool HasAssociation(const CScheduleData& data, int entityId, int roomId) const;
    void GetRoomOccupants(const CScheduleData& data, int roomId, std::vector<int>& ids) const;
    bool IsRoomAssociatedWith(const CScheduleData& data, int entityId) const;
    int CountRooms(const CScheduleData& data) const;
    int CountDefaultRooms(const CScheduleData& data) const;
    int CountAvailableStaff(const CScheduleData& data) const;
    int CountRoomsWithoutPair() const;
    bool DropRoomsWithoutPair();

    int m_nActivity = 0;
    COleDateTime m_dtStart;         // 1970-01-01 00:00 when not placed
    COleDateTime m_dtUnmovedStart;  // the start before the entry was moved
    COleDateTimeSpan m_tsLength;
    std::uint32_t m_dwWork = 0;     // scratch word of the item computations; not in the file
    CString m_strRemark;
    int m_nState = 2;               // stored state 0 to 9
    std::vector<CCandidateSlot> m_arrSlots;  // not in the file
    std::vector<CReplacement> m_arrReplacements;
    std::vector<int> m_arrRooms;    // rooms booked in addition to the activity's
    std::vector<CRoomPair> m_arrPairs;
    // Work values of the item computations; not in the file.
    int m_nWorkOrder = 0;
    double m_dWorkWeight = 0.0;
    int m_bState3 = 0;
    int m_bState6 = 0;
    int m_bLinked = 0;  // participants absent: stays in the timetable but does not take place

    // Candidate slots
    // One slot a full hour apart through the activity's common day window on every plan day,
    // less those that run into a member's absence, sorted. Sets the unmoved start to the start.
    void BuildCandidateSlots(const CScheduleData& data);
    // Drops the slots at which the entry would overlap start to end by more than 5 minutes.
    void RemoveOverlappingCandidates(const COleDateTime& start, const COleDateTime& end);
    // Adds 1 / (number of other slots) to a slot's score for every slot of the other entry
    // that it overlaps by more than 5 minutes.
    void ScoreCandidateOverlaps(const std::vector<CCandidateSlot>& others, const COleDateTimeSpan& otherLength);
    // Index of the first slot within 3 minutes of the start; -1 for none.
    int FindCandidateIndex() const;

    // Distances in the day plan
    // The largest end (start) distance to the live entries of other activities of the entity
    // on the entry's day that start no earlier (no later) than it, leaving out those of the
    // group when the group id is not 0; zero when there is none. The index, when given, must
    // describe the unchanged store; it only speeds up the walk.
    COleDateTimeSpan GetMaxEndDistance(const CScheduleData& data, int entityId, int groupId,
                                       const CPlanIndex* index = nullptr) const;
    COleDateTimeSpan GetMaxStartDistance(const CScheduleData& data, int entityId, int groupId,
                                         const CPlanIndex* index = nullptr) const;

private:
    static std::uint64_t NextSerial();
    void CopyFieldsFrom(const CTimetableEntry& other);

    std::uint64_t m_nSerial;
};

// Key of the timetable collection: the entries' serial numbers.
struct EntrySerialKey {
    long long operator()(const CTimetableEntry& entry) const { return static_cast<long long>(entry.GetSerial()); }
};

// Sort order of entries for reports: the later unmoved start first (to the minute); entries
// starting in the same minute by the display names of their activities, ascending; in that
// minute, entries whose activity is missing come last, and so do unmoved starts that are not
// valid after all others. A strict order for the standard sort.
struct LessEntryByStartAndName {
    explicit LessEntryByStartAndName(const CScheduleData& data) : m_data(data) {}
    bool operator()(const CTimetableEntry& a, const CTimetableEntry& b) const;
    const CScheduleData& m_data;
};
// The positions of the entries in the order a stable sort by LessEntryByStartAndName gives
// them, with each entry's start and name looked up once instead of at every comparison.
std::vector<std::size_t> OrderEntriesByStartAndName(const CScheduleData& data,
                                                    const std::vector<CTimetableEntry>& entries);
