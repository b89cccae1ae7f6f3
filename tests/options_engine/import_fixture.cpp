#include "import_fixture.h"

#include <fstream>
#include <unistd.h>


ImportFixture::ImportFixture() {
    const CPackResult loaded = m_pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc"));
    EXPECT_TRUE(loaded.ok) << WideToUtf8(loaded.Describe().str());
    m_previousStrings = GetStringSource();
    SetStringSource(&m_pack);
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.SetServices({&m_host, &m_settings, nullptr, &m_clipboard});
    m_data.m_dtStartDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_dtFirstWeekday = m_data.m_dtStartDate;
    m_data.m_nDays = 5;
    m_data.m_tDayStart = MakeTimeOfDay(7, 0);
    m_folder = std::filesystem::temp_directory_path() /
               ("options_engine_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_folder);
}

ImportFixture::~ImportFixture() {
    SetStringSource(m_previousStrings);
    std::error_code ignored;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_folder, ignored);
}

CEntity& ImportFixture::AddEntity(int id, int type, const wchar_t* name) {
    CEntity entity(m_data.m_tDayStart, m_data.m_nDays);
    entity.m_nId = id;
    entity.m_nType = type;
    entity.m_strName = name;
    m_data.m_arrEntities.push_back(entity);
    return *m_data.FindEntity(id);
}

CActivity& ImportFixture::AddActivity(int id, const wchar_t* name, std::vector<int> members, std::vector<int> rooms) {
    CActivity activity;
    activity.m_nId = id;
    activity.m_strName = name;
    activity.m_arrMembers = std::move(members);
    activity.m_arrRooms = std::move(rooms);
    activity.m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
    activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
    m_data.m_arrActivities.push_back(activity);
    return *m_data.FindActivity(id);
}

CString ImportFixture::WriteFile(const std::wstring& text, FileEncoding encoding, const char* name) {
    std::string bytes;
    switch (encoding) {
    case FileEncoding::Utf8Bom: bytes = "\xEF\xBB\xBF"; [[fallthrough]];
    case FileEncoding::Utf8: bytes += WideToUtf8(text); break;
    case FileEncoding::Utf16Le:
        bytes = "\xFF\xFE";
        for (wchar_t c : text) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
        }
        break;
    case FileEncoding::Windows1252:
        for (wchar_t c : text) {
            EXPECT_LT(static_cast<unsigned>(c), 256u) << "fixture text outside Latin-1";
            bytes += static_cast<char>(c);
        }
        break;
    }
    const std::filesystem::path path = m_folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return CString(path.string());
}

CImportOptions ImportFixture::Columns(std::vector<int> columns, int separator) {
    CImportOptions options;
    options.m_nSeparator = separator;
    for (std::size_t i = 0; i < columns.size() && i < CImportOptions::kColumns; ++i) options.m_nColumns[i] = columns[i];
    return options;
}

std::vector<std::wstring> ImportFixture::ProblemTexts(int kind) const {
    std::vector<std::wstring> texts;
    for (const CProblem& problem : m_data.m_arrProblems)
        if (problem.m_nKind == kind) texts.push_back(problem.m_strText.GetString());
    return texts;
}

std::vector<std::wstring> ImportFixture::EntityNames(int type) const {
    std::vector<std::wstring> names;
    for (const CEntity& entity : m_data.m_arrEntities)
        if (entity.m_nType == type || (type == 1 && entity.m_nType == 2)) names.push_back(entity.m_strName.GetString());
    return names;
}
