#include "report_fixture.h"

#include "report_builders/report_page.h"

ReportFixture::ReportFixture() {
    const CPackResult loaded = m_pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc"));
    EXPECT_TRUE(loaded.ok) << WideToUtf8(loaded.Describe().str());
    m_previousStrings = GetStringSource();
    SetStringSource(&m_pack);
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.SetServices({&m_host, &m_settings, nullptr, nullptr});
    m_data.m_dtStartDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_dtFirstWeekday = m_data.m_dtStartDate;
    m_data.m_nDays = 5;
    m_data.m_tDayStart = Clock(7);
}

ReportFixture::~ReportFixture() { SetStringSource(m_previousStrings); }

CEntity& ReportFixture::AddEntity(int id, int type, const wchar_t* name, int from, int to) {
    CEntity entity(Clock(7), 5);
    entity.m_nId = id;
    entity.m_nType = type;
    entity.m_strName = name;
    for (int d = 0; d < kMaxPlanDays; ++d) {
        entity.m_tDayStart[d] = d < 5 ? Clock(from) : Clock(7);
        entity.m_tDayEnd[d] = d < 5 ? Clock(to) : Clock(7);
    }
    m_data.m_arrEntities.push_back(entity);
    return Entity(id);
}

CActivity& ReportFixture::AddActivity(int id, const wchar_t* name, std::vector<int> members, std::vector<int> rooms,
                                      int group) {
    CActivity activity;
    activity.m_nId = id;
    activity.m_strName = name;
    activity.m_arrMembers = std::move(members);
    activity.m_arrRooms = std::move(rooms);
    activity.m_nGroup = group;
    activity.m_tsDuration = Minutes(60);
    activity.m_tsMeeting = Minutes(60);
    m_data.m_arrActivities.push_back(activity);
    return Activity(id);
}

CActivityGroup& ReportFixture::AddGroup(int id, const wchar_t* name, COLORREF background) {
    CActivityGroup group;
    group.m_nId = id;
    group.m_strName = name;
    group.m_crBackground = background;
    m_data.m_arrGroups.push_back(group);
    return *m_data.FindGroup(id);
}

std::size_t ReportFixture::AddEntry(int activity, int day, int hour, int minute, int minutes, int state) {
    CTimetableEntry entry(At(day, hour, minute), Minutes(minutes));
    entry.m_nActivity = activity;
    entry.SetState(state);
    m_data.m_arrEntries.push_back(entry);
    return m_data.m_arrEntries.size() - 1;
}

CReportOptions ReportFixture::Options(int kind, std::vector<int> ids, std::vector<int> days) const {
    CReportOptions options;
    options.m_reportKind = kind;
    options.m_entityIds = std::move(ids);
    options.m_dayIndexes = std::move(days);
    options.m_fontName = L"DejaVu Sans";
    options.m_fontSize = 12;
    return options;
}

std::unique_ptr<CHtmlNode> ReportFixture::Parse(const CString& markup, bool rectangular) {
    std::string error;
    auto root = ParseHtml(markup.str(), error);
    EXPECT_TRUE(root) << error << "\n" << WideToUtf8(markup.str());
    if (root && rectangular) ExpectRectangularTables(*root);
    return root;
}

std::unique_ptr<CHtmlNode> ReportFixture::Page(const CReportOptions& options) {
    return Parse(BuildReportPage(m_data, options));
}

void ReportFixture::ExpectRectangularTables(const CHtmlNode& node) {
    for (const CHtmlNode* table : node.FindAll(L"table")) {
        const std::vector<int> widths = RowWidths(*table);
        for (std::size_t i = 1; i < widths.size(); ++i)
            EXPECT_EQ(widths[i], widths[0]) << "row " << i << " of a table is " << widths[i] << " columns wide, not "
                                            << widths[0];
    }
}

std::vector<std::wstring> ReportFixture::CellTexts(const CHtmlNode& row) {
    std::vector<std::wstring> texts;
    for (const CHtmlNode* cell : row.Cells()) texts.push_back(cell->Text());
    return texts;
}

std::vector<std::vector<std::wstring>> ReportFixture::FirstTableTexts(const CReportOptions& options) {
    const auto page = Page(options);
    std::vector<std::vector<std::wstring>> rows;
    const auto tables = page ? TopTables(*page) : std::vector<const CHtmlNode*>();
    if (tables.empty()) return rows;
    for (const CHtmlNode* row : tables[0]->Rows()) rows.push_back(CellTexts(*row));
    return rows;
}
