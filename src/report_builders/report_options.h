#pragma once
// What a report is built from besides the document: the report page's choices and the
// application's report settings. The page fills one of these for every build.
#include <vector>

#include "platform/core/cstring.h"

struct CReportOptions {
    int m_reportKind = 1;           // 1 to 13
    std::vector<int> m_entityIds;   // the selected entities, in selection order
    std::vector<int> m_dayIndexes;  // the selected plan days
    int m_useColours = 1;           // 0: a grey report
    int m_detailChoice = 1;         // 0 no participants, 1 participants, 2 also blocks per activity
    CString m_fontName = L"Tahoma";  // FontName setting
    int m_fontSize = 16;            // FontSize setting, pixels
    bool m_activityTotals = false;  // TTS setting: entity pages carry the time per activity
    int m_minColumnWidth = 30;      // MinColumnWidth setting, pixels
    CString m_background;           // path of the page background image; empty for none
    bool m_separatePages = false;   // SeperatePages setting: each entity's or day's events on a page of their own
    CString m_title;                // the page's title: the print's name and the PDF name offered
};
