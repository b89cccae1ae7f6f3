#pragma once
// An activity: what is planned, with its member entities, its rooms and its settings.
#include <vector>

#include "model/room_pair.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CEntity;

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
};
