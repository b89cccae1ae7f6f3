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

// Quoted fields as spreadsheets write them: the marks go, separators, doubled marks and line
// feeds inside them stay, and each record knows the file line where it starts.
TEST(ImportLines, QuotedFieldsAndRecordsOverSeveralLines) {
    struct Case {
        std::vector<const wchar_t*> lines;
        wchar_t separator;
        std::vector<std::vector<std::wstring>> records;  // fields of each record
        std::vector<int> starts;                          // file line of each record
    };
    const Case cases[] = {
        {{L"\"10d\",Maths", L" \"Lab, west\" , x"}, L',', {{L"10d", L"Maths"}, {L"Lab, west", L"x"}}, {1, 2}},
        {{L"\"Say \"\"hi\"\"\",\"\"", L"a,,", L"\"Big\" Jim ,b"}, L',',
         {{L"Say \"hi\"", L""}, {L"a", L""}, {L"Big Jim", L"b"}}, {1, 2, 3}},
        {{L"Hall,\"Main St", L"Leeds\",x", L"Lab,Annex"}, L',',
         {{L"Hall", L"Main St\nLeeds", L"x"}, {L"Lab", L"Annex"}}, {1, 3}},
        // A mark inside an unquoted field is a character of it; tabs separate, blanks do not.
        {{L"5\" pipe\t\" a b \"\t c "}, L'\t', {{L"5\" pipe", L" a b ", L"c"}}, {1}},
        // A quote left open runs to the end of the text.
        {{L"a,\"b", L"c"}, L',', {{L"a", L"b\nc"}}, {1}},
    };
    for (const Case& c : cases) {
        std::vector<CString> lines(c.lines.begin(), c.lines.end());
        std::vector<std::vector<std::wstring>> records;
        std::vector<int> starts;
        for (const CImportRecord& record : JoinImportRecords(lines, c.separator)) {
            std::vector<CString> fields;
            SplitImportFields(record.m_strText, c.separator, fields);
            records.emplace_back();
            for (const CString& field : fields) records.back().push_back(field.GetString());
            starts.push_back(record.m_nLine);
        }
        EXPECT_EQ(records, c.records) << c.lines.front();
        EXPECT_EQ(starts, c.starts) << c.lines.front();
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
         {L"Line 5 has no staff name and was skipped."}, L"2 staff members imported."},
        // Column numbers beyond a short line read as empty fields; an empty date keeps the
        // default, a bad one skips the line; a room is found in any letter case.
        {EntityImportKind::Entities, {1, 2, 3, 4, 0, 6}, L"8b,Maths\n9c,,,31/2/2000\n10d,,,1/9/2000,,hall\n11e,,,,,Attic",
         3, {L"No room is called \"\".", L"Line 2: the date \"31/2/2000\" cannot be read; the line was skipped.",
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

// What the columns say reaches the imported records: the registration and completion dates in
// their places, the plan days left empty in the availability columns closed (all empty: not
// available), and the first entity in order becomes the current one.
TEST_F(EntityImportTest, ImportedValuesReachTheRecords) {
    ASSERT_EQ(m_data.m_nDays, 5);
    m_data.m_nCurrentEntity = 0;
    m_clipboard.SetText(L"9c,Upper,C9,1/9/2000,30/6/2001\n8b,Lower,C8,2/9/2000,\n");
    CClipboardTextSource classes(m_clipboard);
    ASSERT_EQ(ImportEntities(m_data, EntityImportKind::Entities, Columns({1, 2, 3, 4, 5}), classes), 2);
    const auto nine = m_data.FindEntityByName(L"9c", 0);
    EXPECT_EQ(nine->m_dtRegistration, COleDateTime(2000, 9, 1, 0, 0, 0));
    EXPECT_EQ(nine->m_dtCompletion, COleDateTime(2001, 6, 30, 0, 0, 0));
    EXPECT_EQ(m_data.FindEntityByName(L"8b", 0)->m_dtRegistration, COleDateTime(2000, 9, 2, 0, 0, 0));
    EXPECT_EQ(m_data.m_nCurrentEntity, m_data.m_arrEntities.front().m_nId) << "the first in order is current";
    EXPECT_EQ(m_data.FindCurrentEntity()->m_strName, CString(L"8b"));

    // Name, kind and the five plan days from column 3 on.
    // A last field after the days, since a line that ends with a separator ends one field early.
    m_clipboard.SetText(L"Ada,T,x,,x,x,,end\nBo,T,,,,,,end\n");
    CClipboardTextSource staff(m_clipboard);
    ASSERT_EQ(ImportEntities(m_data, EntityImportKind::EntityList, Columns({1, 2, 0, 0, 0, 0, 0, 3}), staff), 2);
    const CEntity& ada = *m_data.FindKind1Or2EntityByName(L"Ada");
    const CEntity& bo = *m_data.FindKind1Or2EntityByName(L"Bo");
    const bool adaOpen[] = {true, false, true, true, false};
    for (int d = 0; d < 5; ++d) {
        EXPECT_EQ(ada.m_tDayStart[d] != ada.m_tDayEnd[d], adaOpen[d]) << "day " << d;
        EXPECT_EQ(bo.m_tDayStart[d], bo.m_tDayEnd[d]) << "day " << d;
    }
    EXPECT_EQ(ada.m_bUnavailable, 0);
    EXPECT_EQ(bo.m_bUnavailable, 1);
}

}  // namespace
