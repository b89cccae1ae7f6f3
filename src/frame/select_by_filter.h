#pragma once
// CSelectByFilter: what the select-by dialog asks of the cards (contacts page) or of the
// timetable's selection. The contacts page matches entities against it with MatchesSelectBy.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CEntity;

class CSelectByFilter {
public:
    const CEntity* m_pEntity = nullptr;  // the timetable page's pane entity
    int m_nMode = 0;                     // 0 classes tab, 1 staff tab, 2 ranges, 3 items
    CString m_strCompany;
    CString m_strDepartment;
    CString m_strText;                   // mode 0: part of EDUCATOR; mode 3: entity names
    int m_nStaffType = 0;                // 0 none, 1 type 1, 2 type 2
    int m_nAvailability = 0;             // 0 none, 1 not available, 2 available
    COleDateTime m_dtRegistration{0.0};  // earliest registration; year 2000 means not set
    COleDateTime m_dtCompletion{0.0};    // latest completion; year 2000 means not set
    std::vector<int> m_arrDays, m_arrHours, m_arrActivities, m_arrGroups;
};

// Whether any criterion of the contacts page's modes 0 and 1 holds for the entity; a filter
// with nothing filled in matches nothing.
bool MatchesSelectBy(const CSelectByFilter& filter, const CEntity& entity);
