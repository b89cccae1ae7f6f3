#pragma once
// CSelectByFilter: the criteria of the select-by command, filled by the select-by dialog for the
// contacts page (modes 0 and 1) and the timetable page (modes 2 and 3), which then apply them.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CSelectByFilter {
public:
    int m_nEntity = 0;  // mode 3: the entity whose groups and activities are offered
    int m_nMode = 0;    // 0 classes, 1 staff, 2 days and hours, 3 items of the entity's timetable
    CString m_strCompany;
    CString m_strDepartment;
    CString m_strName;
    int m_nStaffType = 0;     // index of the chosen option: 0 any, 1 type 1, 2 type 2; -1 none
    int m_nAvailability = 0;  // 0 any, 1 not available, 2 available; -1 none
    COleDateTime m_dtFrom{0.0};
    COleDateTime m_dtTo{0.0};
    std::vector<int> m_arrDays;   // one flag per plan day
    std::vector<int> m_arrHours;  // one flag per hour row
    std::vector<int> m_arrActivities;
    std::vector<int> m_arrGroups;
};
