// The settings' list texts, the recent-documents list and the holidays file.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app_fixture.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/core/settings_store.h"
#include "resource_ids.h"

namespace {

struct SplitCase {
    const wchar_t* text;
    std::vector<CString> list;
};

const SplitCase kSplitCases[] = {
    {L"", {}},
    {L"A;B;", {L"A", L"B"}},
    {L"A;;", {L"A", L""}},                   // one entry and two separators
    {L";!09:00 ;", {L"", L"!09:00"}},        // a leading separator, then a break
    {L" A\t;\r\nB ", {L"A", L"B"}},          // blanks trimmed, the last piece without a separator
    {L"  ;x;", {L"", L"x"}},                 // a piece of blanks is an empty entry
};

TEST(SettingsLists, SplitListAndJoinList) {
    for (const SplitCase& c : kSplitCases) {
        std::vector<CString> list{L"stale"};
        SplitList(c.text, list, L';');
        EXPECT_EQ(list, c.list) << CString(c.text).ToUtf8();
    }
    EXPECT_EQ(JoinList({L"A", L"B"}, L';'), L"A;B;");
    EXPECT_EQ(JoinList({}, L';'), L"");
}

class RecentTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc")).ok);
        AfxSetResourcePack(&pack);
    }
    void TearDown() override {
        AppTest::TearDown();
        AfxSetResourcePack(nullptr);
    }
    CLanguagePack pack;
    CSchedulerApp& App() {
        if (!app) app = std::make_unique<CSchedulerApp>();
        return *app;
    }
};

TEST_F(RecentTest, AddingNormalisesTheNameMovesARepeatToTheFrontAndKeepsForty) {
    CSchedulerApp& a = App();
    a.AddRecentDocument(L"plan", L"/x/plan", false);
    a.AddRecentDocument(L"other.XML", L"/x/other.XML", true);
    a.AddRecentDocument(L"plan.xml", L"/x/plan.xml", false);  // the same document as the first
    ASSERT_EQ(a.GetRecentDocuments().size(), 2u);
    EXPECT_EQ(a.GetRecentDocuments()[0].m_strPath, L"/x/plan.xml");
    EXPECT_EQ(a.GetRecentDocuments()[0].m_strName, L"plan.xml");
    EXPECT_EQ(a.GetRecentDocuments()[1].m_strPath, L"/x/other.XML");
    for (int i = 0; i < 50; ++i) {
        CString path;
        path.Format(L"/x/%d.xml", i);
        a.AddRecentDocument(path, path, false);
    }
    EXPECT_EQ(a.GetRecentDocuments().size(), static_cast<std::size_t>(CSchedulerApp::kMaxStoredRecent));
    EXPECT_EQ(a.GetRecentDocuments().front().m_strPath, L"/x/49.xml");
}

TEST_F(RecentTest, RefreshDropsGoneAndForeignFilesKeepsOnesThatCannotBeReadNowAndSortsNewestFirst) {
    CSchedulerApp& a = App();
    const CString older = CopyInto(files, SharedDocument("small-dated.xml"), "older.xml");
    const CString newer = CopyInto(files, SharedDocument("small-template.xml"), "newer.xml");
    std::filesystem::last_write_time(older.ToUtf8(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    std::ofstream(files / "foreign.xml") << "<OTHER/>";
    const std::string locked = files / "locked.xml";
    std::filesystem::copy_file(SharedDocument("small-dated.xml"), locked);
    // A file that cannot be read just now, whoever runs the test: a socket cannot be opened.
    const std::string unreadable = files / "busy.xml";
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    unreadable.copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

    for (const char* name : {"older.xml", "gone.xml", "foreign.xml", "busy.xml", "newer.xml"})
        a.AddRecentDocument(CString(name), CString(files / name), false);
    a.RefreshRecentDocuments();
    std::vector<CString> names;
    for (const CRecentDocument& d : a.GetRecentDocuments()) names.push_back(d.m_strName);
    // busy.xml was added after older.xml and keeps its own (newer) stamp.
    EXPECT_EQ(names, (std::vector<CString>{L"newer.xml", L"busy.xml", L"older.xml"}));
    EXPECT_EQ(a.GetRecentDocuments()[0].m_bTemplate, 1);
    EXPECT_EQ(a.GetRecentDocuments()[2].m_bTemplate, 0);
    ::close(socketFd);
}

TEST_F(RecentTest, AnEmptyRecentListIsWrittenEmpty) {
    CSettingsStore store{CString(SettingsFile())};
    store.WriteProfileString(L"Settings", L"MRU", L"<DOCUMENT><MRU NAME=\"a.xml\" PATH=\"/a.xml\"/></DOCUMENT>");
    CSchedulerApp& a = App();
    a.SetProfilePath(CString(SettingsFile()));
    a.LoadSettings();
    ASSERT_EQ(a.GetRecentDocuments().size(), 1u);
    a.GetRecentDocuments().clear();
    a.SaveSettings();
    CSettingsStore written{CString(SettingsFile())};
    EXPECT_EQ(written.GetProfileString(L"Settings", L"MRU", L"missing"), L"");
}

class HolidaysTest : public RecentTest {};

TEST_F(HolidaysTest, HolidaysGoToTheSettingsFolderAndComeBack) {
    CSchedulerApp& a = App();
    a.SetHoliday(COleDateTime(2026, 12, 25, 14, 30, 0), L"Christmas");
    a.SetHoliday(COleDateTime(2026, 1, 1, 0, 0, 0), L"New year");
    ASSERT_TRUE(a.SaveHolidays());
    // The file's text, in the program's own format.
    CString text;
    ASSERT_TRUE(CXmlDocument::ReadFileText(nullptr, CSchedulerApp::GetHolidaysPath(), text));
    EXPECT_NE(text.Find(L"<HOLIDAY DATE=\"01/01/2026\" TAG=\"New year\""), -1) << text.ToUtf8();
    EXPECT_LT(text.Find(L"01/01/2026"), text.Find(L"25/12/2026"));

    app.reset();
    CSchedulerApp& b = App();
    ASSERT_TRUE(b.LoadHolidays());
    EXPECT_TRUE(b.IsHoliday(COleDateTime(2026, 12, 25, 9, 0, 0)));
    EXPECT_EQ(b.GetHolidayName(COleDateTime(2026, 1, 1, 23, 0, 0)), L"New year");
    EXPECT_FALSE(b.IsHoliday(COleDateTime(2026, 12, 26, 0, 0, 0)));
    EXPECT_TRUE(answerer.m_messageBoxes.empty());
}

TEST_F(HolidaysTest, InvalidDatesAreSkippedAndALaterEntryOfTheSameDayWins) {
    const std::string folder = config / "VornScheduler";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/Holidays.ini")
        << "<DOCUMENT VERSION=\"1.0\"><HOLIDAYS><HOLIDAY DATE=\"31/02/2026\" TAG=\"never\"/>"
           "<HOLIDAY DATE=\"01/05/2026\" TAG=\"first\"/><HOLIDAY DATE=\"01/05/2026\" TAG=\"May day\"/></HOLIDAYS></DOCUMENT>";
    CSchedulerApp& a = App();
    ASSERT_TRUE(a.LoadHolidays());
    EXPECT_EQ(a.GetHolidays().size(), 1u);
    EXPECT_EQ(a.GetHolidayName(COleDateTime(2026, 5, 1, 0, 0, 0)), L"May day");
}

TEST_F(HolidaysTest, ADamagedFileReadsAsNoHolidaysWithAMessageAndIsNeverOverwrittenEmpty) {
    const std::string folder = config / "VornScheduler";
    std::filesystem::create_directories(folder);
    const std::string damaged = "<DOCUMENT VERSION=\"1.0\"><HOLIDAYS><HOLIDAY DATE=\"25/12/2026\"";
    std::ofstream(folder + "/Holidays.ini") << damaged;
    CSchedulerApp& a = App();
    EXPECT_FALSE(a.LoadHolidays());
    EXPECT_TRUE(a.GetHolidays().empty());
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_NE(answerer.m_messageBoxes[0].text.Find(L"Holidays.ini"), -1);
    a.SaveHolidays();
    std::ifstream in(folder + "/Holidays.ini");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
}

TEST_F(HolidaysTest, AFailedWriteIsReported) {
    // The settings folder cannot be made: a file stands in its place.
    std::ofstream(config / "VornScheduler") << "not a folder";
    CSchedulerApp& a = App();
    a.SetHoliday(COleDateTime(2026, 12, 25, 0, 0, 0), L"Christmas");
    EXPECT_FALSE(a.SaveHolidays());
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text.Find(L"holidays could not be written") != -1, true);
}

}  // namespace
