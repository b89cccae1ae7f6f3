#pragma once
// The answers of the data import dialog that an import works with.
#include "platform/core/cstring.h"

class CImportOptions {
public:
    static constexpr int kColumns = 8;

    int m_bFromFile = 0;   // 1: read the file at the path; 0: take the clipboard's text
    CString m_strPath;
    CString m_strText;     // the timetable import's marker text
    int m_nSkip = 0;       // leading lines not looked at (timetable: the name line's place in a block)
    int m_nSeparator = 0;  // 0 tab, 1 ",", 2 ";", 3 "#"
    int m_nColumns[kColumns] = {};  // 1-based field numbers; 0: not imported
    int m_bCheck = 0;      // activities: random light colours

    // The field number of column 1 to 8.
    int Column(int column) const { return m_nColumns[column - 1]; }
};
