#pragma once
// A week template of five plan days from Monday 3 January 2000 with the day start at 07:00, the
// English language pack as the string source, a recording host, and helpers that add records and
// write import files in the encodings spreadsheets save.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../model/model_test_support.h"
#include "../platform/core/pinned_time_zone.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "options_engine/import_options.h"
#include "platform/core/language_pack.h"

// The byte forms an import file may come in.
enum class FileEncoding { Utf8, Utf8Bom, Utf16Le, Windows1252 };

class ImportFixture : public ::testing::Test {
public:
    ImportFixture();
    ~ImportFixture() override;

    CEntity& AddEntity(int id, int type, const wchar_t* name);
    CActivity& AddActivity(int id, const wchar_t* name, std::vector<int> members, std::vector<int> rooms = {});
    // Writes the text in the encoding into the fixture's temporary folder; gives the path.
    CString WriteFile(const std::wstring& text, FileEncoding encoding, const char* name = "import.csv");
    // Options for a comma-separated text with the given column numbers.
    static CImportOptions Columns(std::vector<int> columns, int separator = 1);
    std::vector<std::wstring> ProblemTexts(int kind) const;
    std::vector<std::wstring> EntityNames(int type) const;

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CLanguagePack m_pack;
    IStringSource* m_previousStrings = nullptr;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CMemoryClipboard m_clipboard;
    CScheduleData m_data;
    std::filesystem::path m_folder;
};
