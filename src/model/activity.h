#pragma once
// An activity: what is planned, with its member entities, its rooms and its settings.
#include <vector>

#include "model/room_pair.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CEntity;
class CPlanIndex;
class CScheduleData;
class CTimetableEntry;
class CXmlDocument;

class CActivity {
public:
    CActivity() = default;
    // Copies every field but the derived chime set, which is derived again before it is read.
    CActivity(const CActivity& other);
    CActivity& operator=(const CActivity& other);
    CActivity(CActivity&&) noexcept = default;
    CActivity& operator=(CActivity&&) noexcept = default;

    // The name, followed by a blank and the level when there is one.
    CString GetDisplayName() const;
    // The duration as two-digit total hours and minutes: 01:05, 30:00.
    CString FormatDuration() const;
    // Whether the entity belongs to the activity: a room in the room list, any other in the
    // member list.
    bool HasEntity(const CEntity& entity) const;

    // Document file
    // Adds an ACTIVITY element with its ENROLEMENT and ASSOCIATION children after the main
    // position; members that name no entity are left out.
    void WriteXml(CXmlDocument& doc, const CScheduleData& data) const;
    // Reads the ACTIVITY element at the main position; ENROLEMENT children that match no
    // entity and ASSOCIATION children that name no room or member of the activity are dropped.
    void ReadXml(CXmlDocument& doc, const CScheduleData& data);

    // Entry states and participation
    // HasEntity for an id; false for 0 or an id without an entity.
    bool HasEntityId(const CScheduleData& data, int entityId) const;
    void AddEntity(const CScheduleData& data, int entityId);
    // Drops the entity from the member (or room) list and from the pairs of the activity and
    // of its entries.
    void RemoveEntity(CScheduleData& data, int entityId);
    // The first type-0 member, else the last member that exists; 0 for none.
    int GetMainMemberId(const CScheduleData& data) const;
    int CountType0Members(const CScheduleData& data) const;
    int CountStaffMembers(const CScheduleData& data) const;  // types 1 and 2
    // 1 for 15 minutes, 2 for 30, 3 for 10, else 0.
    int GetMeetingLengthCode() const;
    COLORREF GetBackgroundColour(const CScheduleData& data) const;
    COLORREF GetForegroundColour(const CScheduleData& data) const;

    // Lesson hours and chime sets
    // Sets the derived chime set: the one all type-0 members share, else 0.
    void DeriveChimeSet(const CScheduleData& data);

    // Rooms and associations
    // 2 the room is in the room list or strongly claimed elsewhere at an entry's time, 1 only
    // weakly claimed, 0 free.
    int GetRoomConflict(const CScheduleData& data, int roomId, const CPlanIndex* index = nullptr) const;

    CString m_strName;
    CString m_strRemark;
    CString m_strLocation;
    CString m_strSupervisor;
    int m_nId = 0;
    int m_nGroup = 0;
    int m_nChimeSet = 0;
    int m_nDerivedChimeSet = 0;  // not in the file
    COLORREF m_crBackground = GetSysColor(COLOR_WINDOW);
    COLORREF m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    int m_nHatch = 6;
    int m_nDispersion = 0;
    CString m_strLevel;
    int m_nPosition = 0;  // 0 none, 1 first, 2 last, 3 at an edge, 4 inside the day
    std::vector<int> m_arrMembers;  // entities of any type but 4
    std::vector<int> m_arrRooms;    // entities of type 4
    std::vector<CRoomPair> m_arrPairs;
    COleDateTimeSpan m_tsDuration;  // total time needed in the plan
    COleDateTimeSpan m_tsMeeting;   // length of one meeting

    // Time accounting and candidate slots. The rules that walk the timetable take an optional
    // index of the store (see CPlanIndex) from callers that ask many of them at once.
    // Whether the placed entries (any state) come within 5 minutes of DURATION.
    bool IsTimeFilled(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    // DURATION less the lengths of the placed entries.
    COleDateTimeSpan GetRemainingTime(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    // Meetings that still fit the candidate hours no participant is busy in.
    COleDateTimeSpan ComputeFreeSlotTime(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    // The common day window of the members on plan day n, on that day's date; both at 00:00
    // when a member has no window that day (or n is no plan day). Throws
    // std::invalid_argument for a time of day that cannot be made.
    void GetDayWindow(const CScheduleData& data, int day, COleDateTime& start, COleDateTime& end) const;
    // Whether a meeting of the activity still fits some hour that does not overlap the entry.
    bool CanPlaceElsewhere(const CScheduleData& data, const CTimetableEntry& entry,
                           const CPlanIndex* index = nullptr) const;
    // The slot count of the entry with the most candidate slots and the days they fall on.
    void CountCandidateDays(const CScheduleData& data, int& slots, int& days, const CPlanIndex* index = nullptr) const;
    // Whether every type-0 member suits the POSITION rule at the slot.
    bool FitsType0Members(const CScheduleData& data, const COleDateTime& slotStart) const;
};
