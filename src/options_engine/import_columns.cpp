#include "options_engine/import_columns.h"

#include "options_engine/import_options.h"
#include "resource_ids.h"

CImportColumnMark ValidateImportColumns(int kind, const CImportOptions& options) {
    for (int i = 1; i <= CImportOptions::kColumns; ++i) {
        if (options.Column(i) == 0) continue;
        for (int j = i + 1; j <= CImportOptions::kColumns; ++j)
            if (options.Column(i) == options.Column(j)) return {i, IDS_IMPORT_MARK_REPEATED_COLUMN};
    }
    struct Required {
        int column;
        UINT textId;
    };
    static constexpr Required kEntity[] = {{1, IDS_IMPORT_MARK_NAME_COLUMN}};
    static constexpr Required kActivity[] = {
        {1, IDS_IMPORT_MARK_ACTIVITY_COLUMN}, {3, IDS_IMPORT_MARK_HOURS_COLUMN}, {4, IDS_IMPORT_MARK_STAFF_COLUMN}};
    if (kind >= 0 && kind <= 2) {
        for (const Required& r : kEntity)
            if (options.Column(r.column) == 0) return {r.column, r.textId};
    } else if (kind == 3) {
        for (const Required& r : kActivity)
            if (options.Column(r.column) == 0) return {r.column, r.textId};
    } else if (kind == 4 && options.m_strText.IsEmpty()) {
        return {CImportColumnMark::kMarkerRow, IDS_IMPORT_MARK_EMPTY_MARKER};
    }
    return {};
}
