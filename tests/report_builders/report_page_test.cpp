// The page around every report, and building every kind on the school documents.
#include "report_builders/report_page.h"

#include <filesystem>

#include "model/xml_document.h"
#include "report_fixture.h"
#include "resource_ids.h"

namespace {

// The English pack with the reading direction set to right-to-left.
class CRightToLeftStrings : public IStringSource {
public:
    explicit CRightToLeftStrings(const IStringSource& base) : m_base(base) {}
    bool FindString(UINT id, std::wstring& text) const override {
        if (id == IDS_RTL_LAYOUT) {
            text = L"Y";
            return true;
        }
        return m_base.FindString(id, text);
    }

private:
    const IStringSource& m_base;
};

class ReportPageTest : public ReportFixture {
public:
    ReportPageTest() {
        AddEntity(1, 0, L"7a");
        AddActivity(10, L"Maths", {1});
        AddEntry(10, 0, 9, 0, 60);
    }
};

TEST_F(ReportPageTest, PageHasCharsetZoomScriptAndBody) {
    for (int kind = 0; kind <= 14; ++kind) {
        const CString html = BuildReportPage(m_data, Options(kind, {1}));
        const auto page = Parse(html);
        ASSERT_TRUE(page) << kind;
        EXPECT_EQ(page->FindAll(L"meta").at(0)->Attr(L"charset"), L"utf-8");
        EXPECT_NE(html.Find(L"function zoom(a){document.body.style.zoom = a;}"), -1);
        const auto body = page->FindAll(L"body");
        ASSERT_EQ(body.size(), 1u);
        EXPECT_EQ(body[0]->Attr(L"dir"), L"");
        EXPECT_EQ(body[0]->Style(L"background-image"), L"");
        // Kinds without a builder here leave the body empty.
        if (kind == 0 || kind == 11 || kind == 14) {
            EXPECT_TRUE(body[0]->children.empty()) << kind;
        }
    }
}

TEST_F(ReportPageTest, BodyCarriesBackgroundAndDirection) {
    CRightToLeftStrings strings(m_pack);
    SetStringSource(&strings);
    CReportOptions options = Options(3, {1});
    options.m_background = L"C:\\pictures\\it's <here>.png";
    const auto page = Parse(BuildReportPage(m_data, options));
    const CHtmlNode& body = *page->FindAll(L"body").at(0);
    EXPECT_EQ(body.Attr(L"dir"), L"rtl");
    EXPECT_EQ(body.Style(L"background-image"), L"url('C:/pictures/it\\'s <here>.png')");
    options.m_background = L"/home/pat/back.png";
    const auto local = Parse(BuildReportPage(m_data, options));
    EXPECT_EQ(local->FindAll(L"body").at(0)->Style(L"background-image"), L"url('file:///home/pat/back.png')");
    SetStringSource(&m_pack);
}

// Every report of a school document leaves the document as it was: its text, its problem
// list and the order of its entries.
class SchoolDocumentReports : public ReportFixture, public ::testing::WithParamInterface<const char*> {
public:
    // The document's text as saving writes it.
    CString SavedText() {
        CXmlDocument doc;
        m_data.WriteXml(doc);
        return doc.GetDoc();
    }
};

TEST_P(SchoolDocumentReports, EveryKindLeavesTheDocumentUnchanged) {
    const std::filesystem::path path = std::filesystem::path(VORN_SHARED_DIR) / "fixtures/documents" / GetParam();
    ASSERT_TRUE(m_data.Load(CString(path.c_str()), FALSE));
    CProblem problem;
    problem.m_nKind = 12;
    problem.m_strText = L"before the reports";
    m_data.m_arrProblems.push_back(problem);
    ASSERT_EQ(m_data.IsModified(), 0);
    const CString text = SavedText();
    std::vector<std::uint64_t> order;
    for (const CTimetableEntry& entry : m_data.m_arrEntries) order.push_back(entry.GetSerial());
    std::vector<int> ids;
    for (const CEntity& entity : m_data.m_arrEntities)
        if (ids.size() < 40 || entity.m_nType != 0) ids.push_back(entity.m_nId);
    for (int kind = 1; kind <= 13; ++kind) {
        CReportOptions options = Options(kind, ids);
        options.m_activityTotals = kind == 1;
        const auto page = Page(options);
        ASSERT_TRUE(page) << kind;
        EXPECT_EQ(m_data.IsModified(), 0) << kind;
        ASSERT_EQ(m_data.m_arrProblems.size(), 1u) << kind;
        EXPECT_EQ(m_data.m_arrProblems[0].m_strText, L"before the reports") << kind;
        std::vector<std::uint64_t> after;
        for (const CTimetableEntry& entry : m_data.m_arrEntries) after.push_back(entry.GetSerial());
        EXPECT_EQ(after, order) << kind;
        EXPECT_TRUE(SavedText() == text) << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, SchoolDocumentReports,
                         ::testing::Values("school-template.xml", "school-dated.xml"));

}  // namespace
