#pragma once
// The check of the data import dialog's answers before it closes: two columns reading the same
// field, a column the import kind needs, or the timetable's empty marker text.
#include "platform/core/win_types.h"

class CImportOptions;

class CImportColumnMark {
public:
    static constexpr int kMarkerRow = 0;  // the timetable's marker text row; columns are 1 to 8
    int m_nRow = 0;
    UINT m_nTextId = 0;  // 0: nothing to mark
    bool operator==(const CImportColumnMark&) const = default;
};

// The first problem of the answers for the import kind 0 to 4; a mark with text 0 when none.
CImportColumnMark ValidateImportColumns(int kind, const CImportOptions& options);
