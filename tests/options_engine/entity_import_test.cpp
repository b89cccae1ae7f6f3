#include "options_engine/entity_import.h"

#include "import_fixture.h"
#include "options_engine/import_lines.h"
#include "options_engine/import_text_source.h"

namespace {

using EntityImportTest = ImportFixture;

TEST(ImportLines, LastLineCountsWithoutLineFeed) {
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {L"", {}},
        {L"a\nb", {L"a", L"b"}},
        {L"a\r\nb\r\n", {L"a", L"b"}},
        {L"a\n\nb\n", {L"a", L"", L"b"}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> lines;
        for (const CString& line : SplitImportLines(c.text)) lines.push_back(line.GetString());
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(CountLines(c.text), static_cast<int>(c.lines.size())) << c.text;
    }
}

TEST(ImportLines, ParseImportDate) {
    struct Case {
        const wchar_t* text;
        bool ok;
        COleDateTime date;
    };
    const Case cases[] = {
        {L"3/1/2000", true, COleDateTime(2000, 1, 3, 0, 0, 0)},
        {L" 29/2/2004 ", true, COleDateTime(2004, 2, 29, 0, 0, 0)},
        {L"31/2/2000", false, {}},
        {L"2000-01-03", false, {}},
        {L"", false, {}},
        {L"3/1/2000/7", false, {}},
    };
    for (const Case& c : cases) {
        COleDateTime date;
        EXPECT_EQ(ParseImportDate(c.text, date), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(date, c.date) << c.text;
        }
    }
}

// One text in every encoding a spreadsheet may save, read from a file and from the clipboard.
TEST_F(EntityImportTest, StaffListFromEveryEncodingAndTheClipboard) {
    const std::wstring text = L"Name,Kind\nZo\u00EB Brandt,T\nJos\u00E9 Ruiz,X";
    const FileEncoding encodings[] = {FileEncoding::Utf8, FileEncoding::Utf8Bom, FileEncoding::Utf16Le,
                                      FileEncoding::Windows1252};
    for (int source = 0; source <= 4; ++source) {
        m_data.m_arrEntities.clear();
        CImportOptions options = Columns({1, 2});
        options.m_nSkip = 1;
        if (source < 4) {
            options.m_bFromFile = 1;
            options.m_strPath = WriteFile(text, encodings[source]);
        } else {
            m_clipboard.SetText(text.c_str());
        }
        const auto reader = MakeImportTextSource(options, m_clipboard);
        EXPECT_EQ(ImportEntities(m_data, EntityImportKind::EntityList, options, *reader), 2) << source;
        ASSERT_EQ(EntityNames(1), (std::vector<std::wstring>{L"Jos\u00E9 Ruiz", L"Zo\u00EB Brandt"})) << source;
        EXPECT_EQ(m_data.FindKind1Or2EntityByName(L"Zo\u00EB Brandt")->m_nType, 1);
        EXPECT_EQ(m_data.FindKind1Or2EntityByName(L"Jos\u00E9 Ruiz")->m_nType, 2);
    }
}

// A file that cannot be read changes nothing, the undo level included.
TEST_F(EntityImportTest, UnreadableFileChangesNothing) {
    CImportOptions options = Columns({1});
    options.m_bFromFile = 1;
    options.m_strPath = CString((m_folder / "missing.csv").string());
    CFileTextSource source(options.m_strPath);
    EXPECT_EQ(ImportEntities(m_data, EntityImportKind::Entities, options, source), -1);
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_TRUE(m_host.m_calls.empty());
}

// Problem records, duplicates by type, short lines and the refresh, per import kind.
TEST_F(EntityImportTest, ProblemRecordsByKind) {
    AddEntity(1, 0, L"7a");
    AddEntity(2, 1, L"Ada");
    AddEntity(3, 4, L"Hall");
    struct Case {
        EntityImportKind kind;
        std::vector<int> columns;
        const wchar_t* text;
        int appended;
        std::vector<std::wstring> skipped;  // code 12
        std::vector<std::wstring> noName;   // code 13
        std::wstring summary;
    };
    const Case cases[] = {
        // A staff member may share a class's name; a re-imported staff member is a duplicate.
        {EntityImportKind::EntityList, {1}, L"7a\nAda\nBo\nBo\n,x",
         2, {L"The staff member \"Ada\" exists already; the line was skipped.",
             L"The staff member \"Bo\" exists already; the line was skipped."},
         {L"Line 4 has no staff name and was skipped."}, L"2 staff members imported."},
        // Column numbers beyond a short line read as empty fields; an empty date keeps the
        // default, a bad one skips the line; a room is found in any letter case.
        {EntityImportKind::Entities, {1, 2, 3, 4, 0, 6}, L"8b,Maths\n9c,,,31/2/2000\n10d,,,1/9/2000,,hall\n11e,,,,,Attic",
         3, {L"No room is called \"\".", L"Line 1: the date \"31/2/2000\" cannot be read; the line was skipped.",
             L"No room is called \"Attic\"."},
         {}, L"3 people imported."},
        {EntityImportKind::Rooms, {1, 2}, L"Hall,Main St\nLab,Annex\n\n", 1,
         {L"The room \"Hall\" exists already; the line was skipped."}, {}, L"1 rooms imported."},
    };
    for (const Case& c : cases) {
        m_host.m_calls.clear();
        m_clipboard.SetText(c.text);
        const CImportOptions options = Columns(c.columns);
        CClipboardTextSource source(m_clipboard);
        const int appended = ImportEntities(m_data, c.kind, options, source);
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind));
        EXPECT_EQ(ProblemTexts(12), c.skipped);
        EXPECT_EQ(ProblemTexts(13), c.noName);
        EXPECT_EQ(appended, c.appended);
        EXPECT_EQ(ProblemTexts(14), std::vector<std::wstring>{c.summary});
        EXPECT_EQ(m_host.m_calls.back(), "broadcast 1");
    }
}

}  // namespace
