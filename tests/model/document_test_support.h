#pragma once
// A store with recording services, a pinned time zone and a scratch folder, for the tests of the
// document file: small documents are written as text, loaded, saved and read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/schedule_data.h"
#include "model_test_support.h"

class DocumentFileTest : public ::testing::Test {
public:
    // A document of the given sections, with GENERAL unless the sections bring their own.
    static std::string Document(const std::string& sections, const std::string& general =
        "<GENERAL FIRST_WEEKDAY=\"03/01/2000\" DATE=\"03/01/2000\" DAYS=\"5\"/>") {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<DOCUMENT VERSION=\"1.0\">\r\n" + general + "\r\n" +
               sections + "</DOCUMENT>\r\n";
    }

protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("vorn-doc-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        Install(m_data);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void Install(CScheduleData& data) {
        ModelServices services;
        services.host = &m_host;
        services.settings = &m_settings;
        services.answerer = &m_answerer;
        data.SetServices(services);
    }
    std::filesystem::path PathOf(const std::string& name) const { return m_dir / name; }
    static CString Str(const std::filesystem::path& path) { return CString(path.c_str()); }

    // Writes the UTF-8 text to the file.
    void WriteText(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Loads the text as a document file into the store.
    bool LoadText(const std::string& text, const std::string& name = "in.xml") {
        WriteText(PathOf(name), text);
        return m_data.Load(Str(PathOf(name)), FALSE) != FALSE;
    }
    // Saves the store to the file and gives its text (UTF-16 without the mark).
    std::wstring SaveText(const std::string& name = "out.xml") {
        m_data.RefreshFileStatus(Str(PathOf(name)));
        EXPECT_TRUE(m_data.Save(FALSE));
        return ReadDocumentText(PathOf(name));
    }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }
    static std::wstring ReadDocumentText(const std::filesystem::path& path) {
        const std::string bytes = ReadBytes(path);
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return Utf16ToWide(units);
    }

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CTestStrings m_strings{{{60402, L"not a plan"}, {60403, L"file error"}, {60005, L"Error"},
                            {60405, L"Save"}, {60406, L"changed on disk"}, {60407, L"cannot save"}}};
    std::filesystem::path m_dir;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_data;
};
