#pragma once
// What the full page refresh after a plan check hands to the pages: the rows and day columns of
// the magnet board, the entity the timetable and the entity combo box show, and the frame's
// texts. Which pages are visible, and which only mark themselves stale, is the frame's business.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

// One row of the magnet board: an entity of type 0.
struct CPageMagnetRow {
    int m_nEntity = 0;
    CString m_strCaption;  // the name, or "name (educator)"
    int m_nType = 0;
};

// One day column of the magnet board.
struct CPageMagnetDay {
    CString m_strCaption;
    COleDateTime m_dtDate;
};

class CPageContent {
public:
    std::vector<CPageMagnetRow> m_arrMagnetRows;
    std::vector<CPageMagnetDay> m_arrMagnetDays;
    // The current entity: the key of the timetable's title columns; the entity combo box is
    // reset to it when it exists.
    int m_nCurrentEntity = 0;
    bool m_bCurrentEntityExists = false;
    // The update kind the report page gets.
    int m_nReportUpdate = 1;
    CString m_strFrameTitle;
    CString m_strStatusText;
};
