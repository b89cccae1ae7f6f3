#pragma once
// One record kind for every entity (people, classes, rooms...), told apart by its type 0 to 5:
// types 1 and 2 are staff, type 4 a room.
#include <vector>

#include "model/absence.h"
#include "model/entity_item.h"
#include "model/fund.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;

// Day windows an entity keeps: one per possible plan day.
inline constexpr int kMaxPlanDays = 21;

class CEntity {
public:
    // Windows as in a new document: from 07:00 to 16:00 on the first 6 days, empty after.
    CEntity();
    // Windows from the local hour of dayStart to 16:00 on the first dayCount days; the other
    // windows are empty (they end where they start). Throws std::invalid_argument when a time
    // of day cannot be made.
    CEntity(__time64_t dayStart, int dayCount);

    // The name of the entity's type from the language pack; empty for an unknown type.
    CString GetTypeName() const;
    // " (address)" of the entity this entity names as its default place, when it exists and has
    // an address; otherwise empty.
    CString FormatDefaultAddress(const CScheduleData& data) const;

    COLORREF m_crBackground = GetSysColor(COLOR_WINDOW);
    COLORREF m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    int m_nHatch = 6;
    int m_nId = 0;
    int m_nDefaultPlace = 0;  // another entity; 0 none
    int m_nChimeSet = 0;
    int m_nOverlaps = 1;      // entries that may run at once; 0 unlimited
    CString m_strName;
    CString m_strAddress;
    CString m_strCompany;
    CString m_strDepartment;
    CString m_strEmail;
    CString m_strFax;
    CString m_strEducator;
    CString m_strJob;
    CString m_strOffice;
    CString m_strPhone;
    CString m_strPhone2;
    CString m_strCode;
    COleDateTime m_dtRegistration;
    COleDateTime m_dtCompletion;
    int m_bUnavailable = 0;
    __time64_t m_tDayEnd[kMaxPlanDays] = {};    // times of day
    __time64_t m_tDayStart[kMaxPlanDays] = {};  // times of day
    int m_nDays = 100;
    int m_nAllowedWindows = 0;
    int m_nAllowedDoors = 0;
    std::vector<CEntityItem> m_arrItems;  // derived from the timetable
    std::vector<CAbsence> m_arrAbsences;
    std::vector<CFund> m_arrFunds;
    int m_nType = 0;
};
