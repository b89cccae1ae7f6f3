#pragma once
// CCardsCtrlIndex: the letter index at the left of the address cards. The alphabet is spread
// over as many rows as fit; a click picks the first letter of a row.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

// One row of the index: its first letter's position in the alphabet and its caption.
struct CIndexRow {
    int first = 0;
    int count = 0;
    CString caption;
};
std::vector<CIndexRow> GroupIndexRows(const CString& alphabet, int rowsThatFit);

class CCardsCtrlIndex : public CWnd {
public:
    static constexpr UINT kLetterClicked = WM_USER + 1;
    CCardsCtrlIndex();
    CSize GetCellSize(CDC* dc) const;
    std::vector<CIndexRow> Rows() const;

    wchar_t m_cLetter = L'A';
    CString m_strAlphabet;

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
