// The event reports by entity and by day: well-formed tables whose rows are all equally wide,
// whatever mix of stand-ins without an entity, starts before the day start, remarks and
// whole-day absences they hold; one heading and table per entity or day; page breaks as set.
#include <gtest/gtest.h>

#include "report_builders/event_reports.h"
#include "report_builders/report_event_collection.h"
#include "report_builders/report_event_orders.h"
#include "report_event_fixture.h"

namespace {

class EventReports : public ReportEventFixture {
protected:
    CString EntityReport(bool separatePages = false) {
        std::vector<CReportEvent> events = Collect();
        SortEventsByEntity(events);
        CReportOptions options = Options(11, {});
        options.m_separatePages = separatePages;
        CString out;
        BuildEntityEventReport(m_data, options, events, out);
        return out;
    }
    CString DayReport(bool separatePages = false) {
        std::vector<CReportEvent> events = Collect();
        SortEventsByDay(m_data, events);
        CReportOptions options = Options(11, {});
        options.m_separatePages = separatePages;
        CString out;
        BuildDayEventReport(m_data, options, events, out);
        return out;
    }
    static std::vector<std::wstring> Texts(const CHtmlNode& root, const wchar_t* tag) {
        std::vector<std::wstring> texts;
        for (const CHtmlNode* node : root.FindAll(tag)) texts.push_back(node->Text());
        return texts;
    }
    static std::vector<bool> PageBreaks(const CHtmlNode& root) {
        std::vector<bool> breaks;
        for (const CHtmlNode* table : TopTables(root)) breaks.push_back(!table->Style(L"page-break-after").empty());
        return breaks;
    }
    // The slot cells of a table: rowspan and text.
    static std::vector<std::pair<int, std::wstring>> SlotCells(const CHtmlNode& table) {
        std::vector<std::pair<int, std::wstring>> cells;
        for (const CHtmlNode* row : table.Rows())
            for (const CHtmlNode* cell : row->Cells())
                if (cell->Attr(L"align") == L"center") cells.emplace_back(cell->Span(L"rowspan"), cell->Text());
        return cells;
    }
};

TEST_F(EventReports, AnEmptyListGivesNothing) {
    CString out;
    BuildEntityEventReport(m_data, Options(11, {}), {}, out);
    BuildDayEventReport(m_data, Options(11, {}), {}, out);
    EXPECT_TRUE(out.IsEmpty()) << "no body of its own: the report page has the one body";
}

TEST_F(EventReports, EntityReportHasATablePerEntityWithItsDetails) {
    // Cole also stands in with nobody named as entity, and is absent on Monday.
    AddReplacement(0, 0, kAmes);
    AddAbsence(kCole, 0, 11, 0, 30, false, L"Errand");
    const CString report = EntityReport();
    auto root = Parse(report);
    ASSERT_TRUE(root);
    EXPECT_EQ(Texts(*root, L"h1"), (std::vector<std::wstring>{L"Events of: Ames", L"Events of: Baker",
                                                               L"Events of: Cole"}))
        << "the stand-in without an entity has a table but no heading";
    const auto tables = TopTables(*root);
    ASSERT_EQ(tables.size(), 4u);
    struct TableCase {
        std::size_t rows;
        std::vector<std::wstring> dateLabels;
    } const expected[] = {
        {7, {L"Substitution:"}},                          // entity 0: date, 5 details, spacer
        {7, {L"Absence:"}},                               // Ames whole day: date, 5 details, spacer
        {17, {L"Substitution:", L"Absence:"}},            // Baker: stand-in with remark, timed absence
        {20, {L"Substitution:", L"Substitution while busy:"}},  // Cole: Monday twice, Tuesday
    };
    for (std::size_t t = 0; t < tables.size(); ++t) {
        EXPECT_EQ(tables[t]->Rows().size(), expected[t].rows) << "table " << t;
        std::vector<std::wstring> labels;
        for (const CHtmlNode* cell : tables[t]->FindAll(L"td"))
            if (cell->Attr(L"width") == L"20%") labels.push_back(cell->Text());
        EXPECT_EQ(labels, expected[t].dateLabels) << "one date row per day, named after its first event; table " << t;
    }
    EXPECT_EQ(report.Find(L"Instead of:</td><td style=\"background-color:#f0f0e0;\" align=\"right\">Ames"), report.Find(L"Instead of:"));
    EXPECT_EQ(report.Find(L"Newly"), -1) << "entries without an entity are not in the entity report";
}

TEST_F(EventReports, EntityReportBreaksPagesOnlyWhenSetAndNotAfterTheLastTable) {
    auto plain = Parse(EntityReport(false));
    auto separate = Parse(EntityReport(true));
    ASSERT_TRUE(plain && separate);
    EXPECT_EQ(PageBreaks(*plain), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(PageBreaks(*separate), (std::vector<bool>{true, true, false}));
}

TEST_F(EventReports, DayReportHasADayTableWithASectionPerKind) {
    const CString report = DayReport();
    auto root = Parse(report);
    ASSERT_TRUE(root);
    EXPECT_EQ(Texts(*root, L"h1"), (std::vector<std::wstring>{L"Events on " + m_data.FormatDayTitle(0).str(),
                                                               L"Events on " + m_data.FormatDayTitle(1).str(),
                                                               L"Events on " + m_data.FormatDayTitle(2).str()}));
    std::vector<std::wstring> captions;
    for (const CHtmlNode* cell : root->FindAll(L"td"))
        if (cell->Attr(L"colspan") == L"8") captions.push_back(cell->Text());
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Substitutions", L"Moved lessons", L"Substitutions while busy:", L"",
                                                   L"", L"", L"Newly placed lessons"}))
        << "Monday: stand-ins, moved; Tuesday: busy stand-in, absence, cancelled; Wednesday: absence, new";
    EXPECT_EQ(report.Find(L"sick cover") >= 0, true) << "the remark row";
}

TEST_F(EventReports, DaySlotCellsSpanTheirEventsAndRemarks) {
    // Wednesday: Baker 09:00 (with a remark), Ames and Cole also in slot 2, Cole once before the
    // day start, Ames all day with a remark.
    AddAbsence(kAmes, 2, 8, 50, 30, false);
    AddAbsence(kCole, 2, 8, 40, 30, false);
    AddAbsence(kCole, 2, 6, 0, 30, false);
    AddAbsence(kAmes, 2, 1, 0, 60, true).m_strRemark = L"all day away";
    auto root = Parse(DayReport());
    ASSERT_TRUE(root);
    const auto tables = TopTables(*root);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(SlotCells(*tables[2]), (std::vector<std::pair<int, std::wstring>>{
                                         {2, L"-"}, {1, L"-1"}, {4, L"2"}, {1, L"1"}}))
        << "the whole day with its remark; the early absence; three absences and a remark; the new lesson";
}

TEST_F(EventReports, DayReportBreaksPagesOnlyWhenSet) {
    auto plain = Parse(DayReport(false));
    auto separate = Parse(DayReport(true));
    ASSERT_TRUE(plain && separate);
    EXPECT_EQ(PageBreaks(*plain), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(PageBreaks(*separate), (std::vector<bool>{true, true, false}));
}

TEST_F(EventReports, RecordTextsAreEscaped) {
    Entity(kBaker).m_strName = L"<b>Baker & Co</b>";
    m_data.m_arrEntries[0].m_arrReplacements[0].m_strRemark = L"<script>x</script>";
    for (const CString& report : {EntityReport(), DayReport()}) {
        auto root = Parse(report);
        ASSERT_TRUE(root);
        EXPECT_EQ(root->FindAll(L"script").size(), 0u);
        EXPECT_EQ(root->FindAll(L"b").size(), 0u);
        EXPECT_NE(root->Text().find(L"<b>Baker & Co</b>"), std::wstring::npos);
    }
}

}  // namespace
