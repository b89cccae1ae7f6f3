#include "dialogs/data_import_dlg.h"

#include "../platform/ui/frame_picture.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialog_fixture.h"

namespace {

class DataImportDlgTest : public DialogTest {
protected:
    // The marks of the tree with their texts, row by row as the dialog put them.
    std::vector<CString> MarkTexts(CDataImportDlg& dlg) {
        std::vector<CString> texts;
        for (const auto& mark : dlg.Tree().m_markManager.Marks()) {
            CString text;
            mark->GetWindowText(text);
            texts.push_back(text);
        }
        return texts;
    }
    static int Columns(const CDataImportDlg& dlg) {
        int n = 0;
        for (const auto* row : dlg.m_pColumns) n += row != nullptr;
        return n;
    }
};

// Each kind builds its rows: the column rows of its import, the separator for the imports that
// split lines, the colour choice for activities and the marker text for the timetable; OK with
// the rows as built passes and hands over the answers.
TEST_F(DataImportDlgTest, EachKindBuildsItsRowsAndPassesAsBuilt) {
    struct Case {
        int kind;
        int columns;
        bool separator, check, text;
        int skip;
        std::vector<int> fields;
    };
    const Case cases[] = {
        {0, 6, true, false, false, 0, {1, 0, 0, 0, 0, 2, 0, 0}},
        {1, 8, true, false, false, 0, {1, 2, 0, 0, 0, 0, 0, 0}},
        {2, 2, true, false, false, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        {3, 6, true, true, false, 0, {5, 1, 2, 4, 6, 7, 0, 0}},
        {4, 0, false, false, true, 2, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        CDataImportDlg dlg(nullptr);
        dlg.m_nKind = c.kind;
        const INT_PTR result = RunModal(dlg, [&] {
            EXPECT_EQ(Columns(dlg), c.columns);
            EXPECT_EQ(dlg.m_pSeparator != nullptr, c.separator);
            EXPECT_EQ(dlg.m_pCheck != nullptr, c.check);
            EXPECT_EQ(dlg.m_pText != nullptr, c.text);
            if (c.kind == 3) SaveWindowPicture(&dlg, "data-import.png");
            PressButton(dlg, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        const CImportOptions options = dlg.GetOptions();
        EXPECT_EQ(options.m_nSkip, c.skip);
        EXPECT_EQ(options.m_bFromFile, 0);
        EXPECT_EQ(std::vector<int>(options.m_nColumns, options.m_nColumns + 8), c.fields);
        EXPECT_EQ(options.m_bCheck, c.check ? 1 : 0);
        if (c.text) {
            EXPECT_EQ(options.m_strText, Text(IDS_IMPORT_TIMETABLE_MARKER));
        }
        EXPECT_TRUE(Refusals().empty());
    }
}

// Refused answers: the offending row is marked, one message sums it up and the dialog stays open
// until the answer is mended.
TEST_F(DataImportDlgTest, RepeatedOrMissingColumnsAndAnEmptyMarkerAreRefused) {
    struct Case {
        const char* name;
        int kind;
        int row;  // the column row typed into; 0: the marker text
        const wchar_t* typed;
        UINT mark;
    };
    const Case cases[] = {
        {"a field read twice", 0, 2, L"1", IDS_IMPORT_MARK_REPEATED_COLUMN},
        {"no name", 2, 1, L"0", IDS_IMPORT_MARK_NAME_COLUMN},
        {"no hours", 3, 3, L"0", IDS_IMPORT_MARK_HOURS_COLUMN},
        {"no marker", 4, 0, L"", IDS_IMPORT_MARK_EMPTY_MARKER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answerer.m_messageBoxes.clear();
        CDataImportDlg dlg(nullptr);
        dlg.m_nKind = c.kind;
        const INT_PTR result = RunModal(dlg, [&] {
            COptionTreeItem* row = c.row ? static_cast<COptionTreeItem*>(dlg.m_pColumns[c.row - 1])
                                         : static_cast<COptionTreeItem*>(dlg.m_pText);
            EnterText(dlg, row, c.typed);
            PressButton(dlg, IDOK);
            EXPECT_TRUE(IsOpen(dlg));
            EXPECT_EQ(MarkTexts(dlg), std::vector<CString>{Text(c.mark)});
            if (c.kind == 0) SaveWindowPicture(&dlg, "data-import-refused.png");
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_IMPORT_REFUSED)});
    }
}

// A file chosen in the file row is read even while the source row still says clipboard.
TEST_F(DataImportDlgTest, AChosenFileIsReadWhateverTheSourceRowSays) {
    answerer.AnswerFile(L"/tmp/people.csv");
    CDataImportDlg dlg(nullptr);
    dlg.m_nKind = 2;
    const INT_PTR result = RunModal(dlg, [&] {
        ClickValue(dlg, dlg.m_pFile);
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_pSource->GetCheckedIndex(), 0);
    EXPECT_EQ(dlg.m_bFromFile, 1);
    EXPECT_EQ(dlg.m_strPath, L"/tmp/people.csv");
}

}  // namespace
