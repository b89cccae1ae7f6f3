#pragma once
// One row of a side list: what it shows, the kinds it belongs to and the record it names.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"

class CPanelItem {
public:
    CString m_strCaption;  // column 0
    CString m_strText;     // column 1, shown only when not empty
    int m_nKind = 0;       // bits tested against the list's kind mask
    int m_nImage = 0;      // index in the list's small images
    int m_nGroup = -1;     // list group, -1 for none
    COLORREF m_crBack = 0;
    int m_nId = 0;         // entity, activity, group or room id; the row's item data
};
