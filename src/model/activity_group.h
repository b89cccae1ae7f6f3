#pragma once
// A group of activities that share colours and, for the solver, a work list and a length.
#include <vector>

#include "model/entity_item.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CActivityGroup {
public:
    std::vector<CEntityItem> m_arrWork;  // derived before a solver run
    int m_nId = 0;
    CString m_strName;
    COLORREF m_crBackground = GetSysColor(COLOR_BTNSHADOW);
    COLORREF m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    int m_nHatch = 6;
    COleDateTimeSpan m_tsLength;  // derived with the work list
};
