// The balance of staff time over several plan files: persons matched by name and CODE, stand-ins
// and absences in the window, the report filter, the totals of each person; a damaged file is
// reported and skipped, and the open document stays as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/load_res_string.h"
#include "report_builders/multi_document_report.h"
#include "report_builders/report_event_filter.h"
#include "report_event_fixture.h"

namespace {

class MultiDocumentReport : public ReportEventFixture {
protected:
    MultiDocumentReport() {
        AddEntity(30, 1, L"Dana").m_strCode = L"X7";
        AddAbsence(30, 0, 9, 0, 60, false);
        MoveToDatedWeek();
        m_file = (std::filesystem::temp_directory_path() / ("multi_document_" + std::to_string(::getpid()) + ".xml")).string();
        WriteDocument(m_file);

        // The open document: the same people, partly with other ids, one with another CODE.
        m_open.SetServices({&m_host, &m_settings, &m_answerer, nullptr});
        AddPerson(1, L"Ames", L"a1", L"North");  // CODE compared ignoring case
        AddPerson(2, L"Baker", L"B2", L"South");
        AddPerson(3, L"Cole", L"C3", L"North");  // the other file has no CODE for Cole
        AddPerson(4, L"Dana", L"D9", L"North");  // another Dana there
        m_filter.entityIds = {1, 2, 3, 4};
    }
    ~MultiDocumentReport() override { std::filesystem::remove(m_file); }

    void AddPerson(int id, const wchar_t* name, const wchar_t* code, const wchar_t* company) {
        CEntity person;
        person.m_nId = id;
        person.m_nType = 1;
        person.m_strName = name;
        person.m_strCode = code;
        person.m_strCompany = company;
        m_open.m_arrEntities.push_back(person);
    }
    CString Report(std::vector<CString> paths, int firstDay = 0, int lastDay = 4) {
        CString out;
        BuildMultiDocumentReport(m_open, Options(11, {}), m_filter, COleDateTime(2024, 1, 8 + firstDay, 0, 0, 0),
                                 COleDateTime(2024, 1, 8 + lastDay, 23, 59, 0), paths, out);
        return out;
    }
    // Per table: the heading, the number of event rows and the last row's three texts.
    struct PersonTable {
        std::wstring heading;
        std::size_t events;
        std::wstring balance, minus, plus;
        bool operator==(const PersonTable&) const = default;
    };
    std::vector<PersonTable> Tables(const CString& report) {
        std::vector<PersonTable> result;
        auto root = Parse(report);
        if (!root) return result;
        const auto headings = root->FindAll(L"h1");
        const auto tables = TopTables(*root);
        EXPECT_EQ(headings.size(), tables.size());
        for (std::size_t k = 0; k < tables.size() && k < headings.size(); ++k) {
            const auto rows = tables[k]->Rows();
            const auto cells = CellTexts(*rows.back());
            result.push_back({headings[k]->Text(), rows.size() - 2, cells[5], cells[6], cells[7]});
        }
        return result;
    }
    CString File() const { return CString(m_file.c_str()); }
    static CString Damaged() { return CString(VORN_TEST_DIR "/multi_document_report/damaged_plan.xml"); }

    std::string m_file;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_open;
    CReportFilter m_filter;
};

TEST_F(MultiDocumentReport, BalancesEachPersonFoundByNameAndCode) {
    const std::vector<PersonTable> expected = {
        {L"Time balance of: Ames a1", 1, L"Balance: -6:00", L"6:00", L"0:00"},    // a whole working day 8-14
        {L"Time balance of: Baker B2", 2, L"Balance: -0:30", L"1:30", L"1:00"},   // paid hour, unapproved 90 minutes
        {L"Time balance of: Cole C3", 2, L"Balance: 0:00", L"0:00", L"0:00"},     // unpaid stand-ins
    };
    EXPECT_EQ(Tables(Report({File()})), expected) << "Dana's CODE differs: nothing of the other Dana";
    EXPECT_TRUE(m_answerer.m_asked.empty());
}

TEST_F(MultiDocumentReport, ADamagedFileIsReportedAndSkipped) {
    const std::size_t entities = m_open.m_arrEntities.size();
    const std::vector<PersonTable> tables = Tables(Report({Damaged(), File(), File()}));
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[1], (PersonTable{L"Time balance of: Baker B2", 4, L"Balance: -1:00", L"3:00", L"2:00"}))
        << "a person found in two files has one table with the events of both";
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(m_answerer.m_asked[0], LoadResString(60402));
    EXPECT_EQ(m_open.m_arrEntities.size(), entities) << "the open document is not changed";
    EXPECT_TRUE(m_open.m_arrEntries.empty());
    EXPECT_EQ(m_open.m_arrEntities[1].m_strName, L"Baker");
}

TEST_F(MultiDocumentReport, TheWindowAndTheFilterChooseTheEvents) {
    struct Case {
        const char* name;
        int firstDay, lastDay;
        int filterOn, allCompanies, allCategories;
        std::vector<const wchar_t*> companies, categories;
        std::vector<std::wstring> headings;
    } const cases[] = {
        {"one day: Tuesday", 1, 1, 0, 1, 1, {}, {}, {L"Time balance of: Ames a1", L"Time balance of: Cole C3"}},
        {"Wednesday on", 2, 4, 0, 1, 1, {}, {}, {L"Time balance of: Baker B2"}},
        {"company South", 0, 4, 1, 0, 1, {L"South"}, {}, {L"Time balance of: Baker B2"}},
        {"filter off ignores the lists", 0, 4, 0, 0, 0, {}, {},
         {L"Time balance of: Ames a1", L"Time balance of: Baker B2", L"Time balance of: Cole C3"}},
        {"category Illness: Baker keeps his stand-in", 0, 4, 1, 1, 0, {}, {L"Illness"},
         {L"Time balance of: Ames a1", L"Time balance of: Baker B2", L"Time balance of: Cole C3"}},
    };
    for (const Case& c : cases) {
        m_filter.filterOn = c.filterOn;
        m_filter.allCompanies = c.allCompanies;
        m_filter.allCategories = c.allCategories;
        m_filter.companies.assign(c.companies.begin(), c.companies.end());
        m_filter.categories.assign(c.categories.begin(), c.categories.end());
        std::vector<std::wstring> headings;
        for (const PersonTable& table : Tables(Report({File()}, c.firstDay, c.lastDay))) headings.push_back(table.heading);
        EXPECT_EQ(headings, c.headings) << c.name;
    }
}

TEST_F(MultiDocumentReport, PersonsAreMatchedByNameAndCode) {
    struct Case {
        const wchar_t* name;
        const wchar_t* code;
        int id;
    } const cases[] = {
        {L"ames", L"A1", kAmes}, {L"Ames", L"Z", 0}, {L"Cole", L"C3", kCole}, {L"Cole", L"", kCole},
        {L"Dana", L"D9", 0},     {L"", L"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FindPersonByNameAndCode(m_data, c.name, c.code), c.id) << c.name << " " << c.code;
}

TEST_F(MultiDocumentReport, AWholeDayBeyondTheDaysAnEntityKeepsCountsItsStoredLength) {
    // Day 30 of the plan: the entity keeps no working day for it.
    CAbsence late;
    late.m_dtStart = COleDateTime(2024, 2, 7, 1, 0, 0);
    late.m_tsLength = Minutes(60);
    late.m_bWholeDay = 1;
    Entity(kCole).m_arrAbsences.push_back(late);
    WriteDocument(m_file);
    CString out;
    BuildMultiDocumentReport(m_open, Options(11, {}), m_filter, COleDateTime(2024, 2, 7, 0, 0, 0),
                             COleDateTime(2024, 2, 7, 23, 59, 0), {File()}, out);
    const std::vector<PersonTable> tables = Tables(out);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0], (PersonTable{L"Time balance of: Cole C3", 1, L"Balance: -1:00", L"1:00", L"0:00"}));
}

TEST_F(MultiDocumentReport, NoPathsGiveNothing) {
    EXPECT_TRUE(Report({}).IsEmpty());
    m_filter.entityIds.clear();
    EXPECT_TRUE(Report({File()}).IsEmpty());
}

}  // namespace
