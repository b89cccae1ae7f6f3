#include "platform/core/settings_store.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string FilePath() const { return m_dir / "VornScheduler/settings.ini"; }
    CSettingsStore Store() const { return CSettingsStore(CString(FilePath())); }
    void WriteFile(const std::string& bytes) const {
        std::filesystem::create_directories(m_dir / "VornScheduler");
        WriteBytes(FilePath(), bytes);
    }

    TempFolder m_dir;
};

}  // namespace

TEST_F(SettingsStoreTest, MissingFileReadsAsDefaultsAndIsNotCreated) {
    CSettingsStore store = Store();
    EXPECT_EQ(store.GetProfileString(L"Settings", L"Language", L"English"), L"English");
    EXPECT_EQ(store.GetProfileString(L"Settings", L"Language"), L"");
    EXPECT_EQ(store.GetProfileInt(L"Settings", L"MaxTabs", 30), 30);
    EXPECT_FALSE(std::filesystem::exists(FilePath()));
}

TEST_F(SettingsStoreTest, DamagedFilesReadWhatMakesSense) {
    struct Case { const char* name; std::string bytes; const wchar_t* language; int maxTabs; };
    const Case cases[] = {
        {"empty", "", L"default", -1},
        {"binary garbage", std::string("\x00\xFF\xFE[\x01=\x02\n\x80\x81=\xC3", 13), L"default", -1},
        {"line without =", "[Settings]\nLanguage\nMaxTabs=40\n", L"default", 40},
        {"section never closed", "[Settings\nLanguage=German\n", L"German", -1},
        {"value before any section", "Language=German\n[Settings]\nMaxTabs=12\n", L"default", 12},
        {"blanks, comments, CRLF, BOM", "\xEF\xBB\xBF; comment\r\n [ Settings ] \r\n# other\r\n Language = German \r\n",
         L"German", -1},
        {"the last of two values counts", "[Settings]\nLanguage=German\nlanguage=French\n", L"French", -1},
        {"names without regard to case", "[SETTINGS]\nLANGUAGE=German\nmaxtabs=7\n", L"German", 7},
        {"another section", "[Other]\nLanguage=German\n[Settings]\nMaxTabs=9", L"default", 9},
        {"unknown escape stays", "[Settings]\nLanguage=C:\\Locale\\x{zz}\\q\n", L"C:\\Locale\\x{zz}\\q", -1},
    };
    for (const auto& c : cases) {
        WriteFile(c.bytes);
        CSettingsStore store = Store();
        EXPECT_EQ(store.GetProfileString(L"Settings", L"Language", L"default"), c.language) << c.name;
        EXPECT_EQ(store.GetProfileInt(L"Settings", L"MaxTabs", -1), c.maxTabs) << c.name;
    }
}

TEST_F(SettingsStoreTest, DamagedFileIsReplacedByAGoodOneOnWrite) {
    WriteFile(std::string("\x00garbage\xFF", 9) + "\n[Settings]\nLanguage=German\n");
    CSettingsStore store = Store();
    EXPECT_TRUE(store.WriteProfileString(L"Settings", L"MaxTabs", L"40"));
    EXPECT_EQ(ReadBytes(FilePath()), "[Settings]\nLanguage=German\nMaxTabs=40\n");
}

TEST_F(SettingsStoreTest, ValuesRoundTripWhateverTheyHold) {
    const wchar_t* values[] = {
        L"A;B;",
        L"a=b=c",
        L"line one\nline two\r\nthree",
        L"  blanks at both ends  ",
        L"\"quoted\"",
        L"\"",
        L"ends with quote\"",
        L"C:\\Users\\new\\x{41}",  // backslashes and text that looks like an escape
        L"tab\there",
        L"[NotASection]",
        L"; not a comment",
        L"\u00dcberstunden \u65e5\u672c \U0001F600",
        L"\x01\x1f\x7f",
        L"lone \xD800 surrogate",
        L"",
        L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT>\r\n<MRU NAME=\"a.xml\" PATH=\"/x/a.xml\"/>\r\n</DOCUMENT>\r\n",
    };
    {
        CSettingsStore store = Store();
        int i = 0;
        for (const wchar_t* v : values) EXPECT_TRUE(store.WriteProfileString(L"Settings", std::to_wstring(i++).c_str(), v));
        EXPECT_TRUE(store.WriteProfileString(L"Odd [section] = name", L"=odd name;", L"x"));
        EXPECT_TRUE(store.WriteProfileString(L"Settings", L"[key", L"y"));
    }
    CSettingsStore reread = Store();
    int i = 0;
    for (const wchar_t* v : values) {
        EXPECT_EQ(reread.GetProfileString(L"Settings", std::to_wstring(i).c_str(), L"missing"), v) << "value " << i;
        ++i;
    }
    EXPECT_EQ(reread.GetProfileString(L"Odd [section] = name", L"=odd name;"), L"x");
    EXPECT_EQ(reread.GetProfileString(L"Settings", L"[key"), L"y");
}

TEST_F(SettingsStoreTest, FileIsPlainUtf8Ini) {
    CSettingsStore store = Store();
    ASSERT_TRUE(store.WriteProfileString(L"Settings", L"Language", L"Fran\u00e7ais"));
    ASSERT_TRUE(store.WriteProfileInt(L"Settings", L"MaxTabs", -3));
    ASSERT_TRUE(store.WriteProfileString(L"Settings", L"Categories", L"a;b;\nc"));
    EXPECT_EQ(ReadBytes(FilePath()), "[Settings]\nLanguage=Fran\xC3\xA7" "ais\nMaxTabs=-3\nCategories=a;b;\\nc\n");
    EXPECT_EQ(m_dir.Names(), std::set<std::string>{"VornScheduler"});  // the folder was made
}

TEST_F(SettingsStoreTest, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    CSettingsStore store = Store();
    ASSERT_TRUE(store.WriteProfileString(L"Settings", L"FontName", L"Arial"));
    ASSERT_TRUE(store.WriteProfileString(L"settings", L"Fontname", L"Tahoma"));
    EXPECT_EQ(store.GetProfileString(L"Settings", L"FONTNAME"), L"Tahoma");
    EXPECT_EQ(ReadBytes(FilePath()), "[Settings]\nFontName=Tahoma\n");
}

TEST_F(SettingsStoreTest, NullValueRemovesEntryNullEntryRemovesSection) {
    CSettingsStore store = Store();
    store.WriteProfileString(L"Settings", L"A", L"1");
    store.WriteProfileString(L"Settings", L"B", L"2");
    store.WriteProfileString(L"Other", L"C", L"3");
    ASSERT_TRUE(store.WriteProfileString(L"Settings", L"A", nullptr));
    EXPECT_EQ(store.GetProfileString(L"Settings", L"A", L"gone"), L"gone");
    ASSERT_TRUE(store.WriteProfileString(L"Other", nullptr, nullptr));
    EXPECT_EQ(ReadBytes(FilePath()), "[Settings]\nB=2\n");
    EXPECT_FALSE(store.WriteProfileString(nullptr, L"A", L"1"));
}

TEST_F(SettingsStoreTest, IntegersReadLikeDecimalText) {
    struct Case { const wchar_t* text; int value; };
    const Case cases[] = {
        {L"42", 42}, {L"  -7", -7}, {L"+5", 5}, {L"12abc", 12}, {L"abc", 99}, {L"", 99}, {L"-", 99},
        {L"99999999999", INT_MAX}, {L"-99999999999", INT_MIN}, {L"0", 0},
    };
    CSettingsStore store = Store();
    for (const auto& c : cases) {
        store.WriteProfileString(L"Settings", L"Filter", c.text);
        EXPECT_EQ(store.GetProfileInt(L"Settings", L"Filter", 99), c.value) << c.text;
    }
    EXPECT_EQ(store.GetProfileInt(L"Settings", L"Missing", 15), 15);
}

TEST_F(SettingsStoreTest, FailedWriteIsReportedAndLeavesThePathAlone) {
    // The settings path is a folder: it cannot be read, and it is never replaced.
    std::filesystem::create_directories(FilePath());
    WriteBytes(FilePath() + "/inside", "keep");
    CSettingsStore store = Store();
    EXPECT_EQ(store.GetProfileString(L"Settings", L"Language", L"English"), L"English");
    EXPECT_FALSE(store.WriteProfileString(L"Settings", L"Language", L"German"));
    EXPECT_EQ(store.GetProfileString(L"Settings", L"Language"), L"German");  // kept for this run
    EXPECT_EQ(ReadBytes(FilePath() + "/inside"), "keep");
}

TEST_F(SettingsStoreTest, ReloadSeesAnotherWriter) {
    CSettingsStore first = Store();
    CSettingsStore second = Store();
    EXPECT_EQ(second.GetProfileString(L"Settings", L"Language"), L"");
    first.WriteProfileString(L"Settings", L"Language", L"German");
    second.Reload();
    EXPECT_EQ(second.GetProfileString(L"Settings", L"Language"), L"German");
}

TEST(SettingsStore, DefaultPathFollowsTheSettingsFolder) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/vorn-config", 1);
    EXPECT_EQ(CSettingsStore::GetDefaultPath(), L"/tmp/vorn-config/VornScheduler/settings.ini");
    EXPECT_EQ(CSettingsStore().GetPath(), L"/tmp/vorn-config/VornScheduler/settings.ini");
    if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}
