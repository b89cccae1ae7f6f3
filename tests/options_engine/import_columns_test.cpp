#include "options_engine/import_columns.h"

#include <gtest/gtest.h>

#include <vector>

#include "options_engine/import_options.h"
#include "resource_ids.h"

namespace {

TEST(ImportColumns, FirstProblemByKind) {
    struct Case {
        int kind;
        std::vector<int> columns;
        const wchar_t* marker;
        CImportColumnMark mark;
    };
    const Case cases[] = {
        {0, {1, 0, 0, 0, 0, 2}, L"", {}},
        {0, {2, 0, 3, 0, 3, 2}, L"", {1, IDS_IMPORT_MARK_REPEATED_COLUMN}},  // the earlier of the first pair
        {2, {0, 1}, L"", {1, IDS_IMPORT_MARK_NAME_COLUMN}},
        {3, {0, 1, 0, 0}, L"", {1, IDS_IMPORT_MARK_ACTIVITY_COLUMN}},
        {3, {5, 1, 0, 4}, L"", {3, IDS_IMPORT_MARK_HOURS_COLUMN}},
        {3, {5, 1, 2, 0}, L"", {4, IDS_IMPORT_MARK_STAFF_COLUMN}},
        {4, {}, L"", {CImportColumnMark::kMarkerRow, IDS_IMPORT_MARK_EMPTY_MARKER}},
        {4, {}, L"Timetable", {}},
    };
    for (const Case& c : cases) {
        CImportOptions options;
        for (std::size_t i = 0; i < c.columns.size(); ++i) options.m_nColumns[i] = c.columns[i];
        options.m_strText = c.marker;
        EXPECT_EQ(ValidateImportColumns(c.kind, options), c.mark) << c.kind;
    }
}

}  // namespace
