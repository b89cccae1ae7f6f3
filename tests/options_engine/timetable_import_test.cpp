#include "options_engine/timetable_import.h"

#include "import_fixture.h"
#include "model/entity.h"
#include "options_engine/import_text_source.h"

namespace {

class TimetableImportTest : public ImportFixture {
public:
    TimetableImportTest() {
        AddEntity(1, 1, L"Ada");
        AddEntity(3, 0, L"7a");
        AddEntity(4, 0, L"7b");
        AddEntity(5, 4, L"Lab");
        AddActivity(10, L"Maths", {1, 3});
        AddActivity(11, L"Maths", {1, 4});
        AddActivity(12, L"Art", {1}, {5});
        AddActivity(13, L"Choir", {1});
        CTimetableEntry existing(COleDateTime(2000, 1, 4, 8, 0, 0), COleDateTimeSpan(0, 1, 0, 0));
        existing.m_nActivity = 12;
        existing.m_dtUnmovedStart = COleDateTime(2000, 1, 5, 9, 0, 0);
        m_data.m_arrEntries.push_back(existing);
    }

    std::vector<std::pair<int, COleDateTime>> Entries() const {
        std::vector<std::pair<int, COleDateTime>> entries;
        for (const CTimetableEntry& entry : m_data.m_arrEntries) entries.emplace_back(entry.m_nActivity, entry.m_dtStart);
        return entries;
    }
};

TEST_F(TimetableImportTest, BlocksPlaceLessonsAndReportTheRest) {
    const std::wstring text =
        L"Timetable\n"
        L"Week A\n"
        L"Ada\n"
        L"Monday Hr. 1: Maths 7a\n"        // one Maths fits: the one with 7a
        L"Monday Hr. 2: Maths 7a 7b\n"     // both fit: the resolver chooses
        L"Monday Hr. 1: Choir x\n"         // Ada teaches Maths then
        L"Tuesday Hr. 3: Art in Lab \n"    // the room tells Art apart
        L"Friday Hr. 19: Choir x\n"        // hour out of range
        L"Someday Hr. 2: Choir x\n"        // no weekday
        L"Wednesday Hr. 9: Choir x\n"      // after Ada's day
        L"Thursday Hr. 1: Drama x\n"       // no such activity
        L"Timetable\n"
        L"\n"
        L"Nobody";
    CImportOptions options;
    options.m_nSkip = 2;
    options.m_strText = L"Timetable";
    options.m_bFromFile = 1;
    options.m_strPath = WriteFile(text, FileEncoding::Utf16Le);
    std::vector<int> asked;
    CString before;
    const auto resolve = [&](const std::vector<int>& candidates, const CEntity& staff, const CString& left,
                             const CString&) {
        asked = candidates;
        before = left;
        EXPECT_EQ(staff.m_nId, 1);
        return 11;
    };
    const auto source = MakeImportTextSource(options, m_clipboard);
    ASSERT_EQ(ImportTimetable(m_data, options, *source, resolve), 3);

    EXPECT_EQ(asked, (std::vector<int>{10, 11}));
    EXPECT_EQ(before, L"Monday Hr. 2");
    const std::vector<std::pair<int, COleDateTime>> expected = {
        {12, COleDateTime(2000, 1, 4, 8, 0, 0)},
        {10, COleDateTime(2000, 1, 3, 8, 0, 0)},
        {11, COleDateTime(2000, 1, 3, 9, 0, 0)},
        {12, COleDateTime(2000, 1, 4, 10, 0, 0)},
    };
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(m_data.m_arrEntries.front().m_dtUnmovedStart, COleDateTime(2000, 1, 5, 9, 0, 0))
        << "an entry that was in the plan keeps its original start";
    EXPECT_EQ(ProblemTexts(12), (std::vector<std::wstring>{
        L"Line 6: \"Monday Hr. 1: Choir x\" cannot be placed; the line was skipped.",
        L"Line 8: the day and hour of \"Friday Hr. 19: Choir x\" cannot be read; the line was skipped.",
        L"Line 9: the day and hour of \"Someday Hr. 2: Choir x\" cannot be read; the line was skipped.",
        L"Line 10: \"Wednesday Hr. 9: Choir x\" cannot be placed; the line was skipped.",
        L"Line 11: no activity fits \"Thursday Hr. 1: Drama x\"; the line was skipped.",
        L"Line 14: no staff member is called \"Nobody\"; the line was skipped.",
    }));
    EXPECT_EQ(m_host.m_calls.back(), "broadcast 1");
}

TEST_F(TimetableImportTest, WithoutMarkerTheLineAtTheSkipCountNamesTheStaffMember) {
    m_clipboard.SetText(L"Monday Hr. 1: Maths 7a\nAda\nMonday Hr. 3: Maths 7a\n");
    CImportOptions options;
    options.m_nSkip = 1;
    options.m_strText = L"Timetable";
    CClipboardTextSource source(m_clipboard);
    EXPECT_EQ(ImportTimetable(m_data, options, source, nullptr), 1);
    EXPECT_EQ(Entries().back(), std::make_pair(10, COleDateTime(2000, 1, 3, 10, 0, 0)));
}

}  // namespace
