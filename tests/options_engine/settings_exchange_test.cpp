#include "options_engine/settings_exchange.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "import_fixture.h"

namespace {

using SettingsExchangeTest = ImportFixture;

using Lists = std::vector<std::vector<CString>>;

Lists AllLists(IAppSettings& settings) {
    Lists lists;
    for (WordList list : {WordList::Categories, WordList::Activities, WordList::Funders, WordList::Rewards,
                          WordList::Lessons})
        lists.push_back(settings.GetWordList(list));
    return lists;
}

TEST(SettingsExchangeFile, IniExtension) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"/tmp/lists", L"/tmp/lists.ini"}, {L"/tmp/lists.INI", L"/tmp/lists.INI"}, {L"/tmp/a.txt", L"/tmp/a.txt.ini"}};
    for (const auto& [path, expected] : cases) EXPECT_EQ(AddIniExtension(path), expected);
}

// Export and import give back the same lists, empty entries and blanks trimmed included, and the
// file is UTF-16LE with a byte-order mark.
TEST_F(SettingsExchangeTest, RoundTrip) {
    m_settings.m_wordLists[static_cast<int>(WordList::Categories)] = {L"Ill", L"", L"Course <B&C>"};
    m_settings.m_wordLists[static_cast<int>(WordList::Lessons)] = {L"08:00", L"!Break"};
    m_settings.m_wordLists[static_cast<int>(WordList::Rewards)] = {L"Z\u00FCrich"};
    const Lists before = AllLists(m_settings);
    const CString path = CString((m_folder / "lists.ini").string());
    ASSERT_TRUE(ExportSettingsFile(path, m_settings));
    std::ifstream file(path.ToUtf8(), std::ios::binary);
    char mark[2] = {};
    file.read(mark, 2);
    EXPECT_EQ(std::string(mark, 2), "\xFF\xFE");

    CMemoryAppSettings other;
    other.m_wordLists[static_cast<int>(WordList::Funders)] = {L"old"};
    ASSERT_TRUE(ImportSettingsFile(path, other));
    EXPECT_EQ(AllLists(other), before);
}

TEST_F(SettingsExchangeTest, ImportReplacesOnlyTheListsInTheFile) {
    m_settings.m_wordLists[static_cast<int>(WordList::Categories)] = {L"keep"};
    m_settings.m_wordLists[static_cast<int>(WordList::Lessons)] = {L"gone"};
    m_settings.m_wordLists[static_cast<int>(WordList::Funders)] = {L"f"};
    const CString path = WriteFile(L"<DOCUMENT VERSION=\"1.0\"><categories>x;</categories><LESSONS></LESSONS>"
                                   L"<FUNDERS> a ;;b;</FUNDERS><FUNDERS>c;</FUNDERS></DOCUMENT>",
                                   FileEncoding::Utf8, "lists.ini");
    ASSERT_TRUE(ImportSettingsFile(path, m_settings));
    EXPECT_EQ(m_settings.m_wordLists[static_cast<int>(WordList::Categories)], std::vector<CString>{L"keep"});
    EXPECT_TRUE(m_settings.m_wordLists[static_cast<int>(WordList::Lessons)].empty());
    EXPECT_EQ(m_settings.m_wordLists[static_cast<int>(WordList::Funders)], std::vector<CString>{L"c"});

    const CString noDocument = WriteFile(L"<OTHER><LESSONS>x;</LESSONS></OTHER>", FileEncoding::Utf8, "other.ini");
    EXPECT_FALSE(ImportSettingsFile(noDocument, m_settings));
    EXPECT_FALSE(ImportSettingsFile(CString((m_folder / "missing.ini").string()), m_settings));
    EXPECT_TRUE(m_settings.m_wordLists[static_cast<int>(WordList::Lessons)].empty());
}

TEST_F(SettingsExchangeTest, FailedWriteIsReported) {
    EXPECT_FALSE(ExportSettingsFile(CString((m_folder / "missing" / "lists.ini").string()), m_settings));
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(ExportSettingsFile(CString((m_folder / "lists.ini").string()), m_settings));
}

}  // namespace
