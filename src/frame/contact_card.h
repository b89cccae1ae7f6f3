#pragma once
// CContactCard: one address card: a title, an icon by kind, the record id and labelled lines.
// A line is stored as one text whose first character is the label number plus one.
#include <vector>

#include "platform/core/cstring.h"

class CContactCard {
public:
    // Appends the line unless its value is empty once trailing blanks are gone.
    void AddLine(int label, const CString& value) {
        CString trimmed = value;
        trimmed.TrimRight();
        if (trimmed.IsEmpty()) return;
        CString line;
        line.Format(L"%c%s", static_cast<wchar_t>(label + 1), trimmed.GetString());
        m_arrLines.push_back(line);
    }
    bool IsLaidOut() const { return m_nRight > m_nLeft || m_nBottom > m_nTop; }

    int m_nLeft = 0, m_nTop = 0, m_nRight = 0, m_nBottom = 0;
    int m_nColumn = 0, m_nRow = 0;
    int m_bEnabled = 1;
    CString m_strTitle;
    int m_nKind = 0;
    int m_nId = 0;
    int m_bGrey = 0;
    std::vector<CString> m_arrLines;
};
