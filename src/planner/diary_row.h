#pragma once
// The records of the diary: one row per activity of the current entity with its member lines,
// the activity groups shown, and the commitments and absences of the entities that are members
// of some row. The layout pass of the control writes the rectangles; painting and hit tests read
// them.
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"

// One interval, start to end.
struct CDiaryInterval {
    COleDateTime m_dtStart;
    COleDateTime m_dtEnd;
};

// One commitment of an entity: a timetable entry, or an off-duty gap (state 6).
struct CDiaryTimeRecord {
    int m_nGroup = 0;
    int m_nActivity = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    COLORREF m_crBackground = 0;
    COLORREF m_crHatch = 0;
    int m_nHatch = 6;
    int m_nState = 0;
    // A commitment of a group while the current entity has more than one entry at that time
    // (drawn in the group's look); set for the current entity's own commitments.
    int m_bGroupClash = 0;
};

// What the diary knows of one member entity: its commitments and absences, clipped to the
// current entity's working day.
struct CDiaryEntityTimes {
    int m_nEntity = 0;
    std::vector<CDiaryTimeRecord> m_arrTimes;
    std::vector<CDiaryInterval> m_arrAbsences;
};

struct CDiaryMember {
    int m_bSelected = 0;
    int m_bUnavailable = 0;
    int m_nEntity = 0;
    CString m_strName;
    int m_nType = 0;
    int m_nTimes = -1;  // index into the control's entity times; -1 for none
};

struct CDiaryRow {
    int m_nActivity = 0;
    int m_nGroup = 0;
    CString m_strCaption;
    CString m_strSecondText;
    CRect m_rect;  // content y of the row, from the layout pass
    COLORREF m_crBackground = 0;
    COLORREF m_crHatch = 0;
    int m_nHatch = 6;
    int m_bFlagged = 0;
    int m_nAvailability = 0;  // 0 free, 1 limited, 2 not possible
    int m_nMeetingCode = 0;
    std::vector<CDiaryMember> m_arrMembers;
};

struct CDiaryGroup {
    int m_nGroup = 0;
    CString m_strName;
    CString m_strQuota;
    CRect m_rect;  // content y of the caption line, from the layout pass; empty when not shown
    COLORREF m_crColour = 0;
    int m_bSelected = 0;
};
