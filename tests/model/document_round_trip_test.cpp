// Round trips of the generated documents: load, save, load, save gives the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/schedule_data.h"
#include "model_test_support.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class DocumentRoundTrip : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vorn-round-trip-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        ModelServices services;
        services.host = &m_host;
        services.settings = &m_settings;
        services.answerer = &m_answerer;
        m_data.SetServices(services);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CTestStrings m_strings{{{60402, L"not a plan"}, {60403, L"file error"}, {60005, L"Error"}}};
    fs::path m_dir;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedAnswerer m_answerer;
    CScheduleData m_data;
};

TEST_P(DocumentRoundTrip, SaveLoadSaveGivesTheSameBytes) {
    const fs::path source = fs::path(VORN_SHARED_DIR) / "fixtures/documents" / GetParam();
    const fs::path first = m_dir / "first.xml";
    const fs::path second = m_dir / "second.xml";
    fs::copy_file(source, first);

    ASSERT_TRUE(m_data.Load(CString(first.c_str()), FALSE));
    EXPECT_FALSE(m_data.m_arrEntities.empty());
    EXPECT_TRUE(m_data.Save(FALSE));
    const std::string saved = ReadBytes(first);

    fs::copy_file(first, second);
    CScheduleData again;
    ModelServices services;
    services.settings = &m_settings;
    services.answerer = &m_answerer;
    again.SetServices(services);
    ASSERT_TRUE(again.Load(CString(second.c_str()), FALSE));
    EXPECT_EQ(again.IsModified(), 0);
    EXPECT_EQ(again.m_arrEntities.size(), m_data.m_arrEntities.size());
    EXPECT_EQ(again.m_arrActivities.size(), m_data.m_arrActivities.size());
    EXPECT_EQ(again.m_arrEntries.size(), m_data.m_arrEntries.size());
    EXPECT_TRUE(again.Save(FALSE));
    EXPECT_TRUE(saved == ReadBytes(second)) << GetParam();
    EXPECT_TRUE(m_answerer.m_asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DocumentRoundTrip,
                         ::testing::Values("small-template.xml", "small-dated.xml", "small-clashes.xml",
                                           "school-template.xml", "school-dated.xml", "school-clashes.xml"),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
