// Round trips of documents in many time zones: what the document stores reads and writes the
// same wherever the program runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model_test_support.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Zones whose offsets put the moment 0 at different clock times, with and without daylight
// saving, south and north, and a half-hour offset.
const char* const kTimeZones[] = {"UTC",           "Europe/Berlin",    "America/New_York", "America/Santiago",
                                  "Asia/Tokyo",    "Asia/Kolkata",     "Australia/Sydney"};

std::string ZoneTestName(std::string zone) {
    for (char& c : zone)
        if (c == '/' || c == '-') c = '_';
    return zone;
}

class DocumentRoundTrip : public ::testing::TestWithParam<std::tuple<const char*, std::string>> {
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

    CPinnedTimeZone m_zone{std::get<0>(GetParam())};
    CTestStrings m_strings{{{60402, L"not a plan"}, {60403, L"file error"}, {60005, L"Error"}}};
    fs::path m_dir;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_data;
};

TEST_P(DocumentRoundTrip, SaveLoadSaveGivesTheSameBytes) {
    const std::string& name = std::get<1>(GetParam());
    const fs::path source = fs::path(VORN_SHARED_DIR) / "fixtures/documents" / name;
    const fs::path first = m_dir / "first.xml";
    const fs::path second = m_dir / "second.xml";
    fs::copy_file(source, first);

    ASSERT_TRUE(m_data.Load(CString(first.c_str()), FALSE));
    EXPECT_FALSE(m_data.m_arrEntities.empty());
    EXPECT_EQ(m_data.IsModified(), 0) << name;
    EXPECT_TRUE(m_data.Save(FALSE));
    const std::string saved = ReadBytes(first);
    EXPECT_TRUE(saved == ReadBytes(source)) << name << ": saved unchanged, the document differs from the file";

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
    EXPECT_TRUE(saved == ReadBytes(second)) << name;
    EXPECT_TRUE(m_answerer.m_asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DocumentRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kTimeZones),
                                            ::testing::Values("small-template.xml", "small-dated.xml",
                                                              "small-clashes.xml", "school-template.xml",
                                                              "school-dated.xml", "school-clashes.xml")),
                         [](const auto& info) {
                             std::string name = std::get<1>(info.param);
                             name = name.substr(0, name.find('.'));
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return ZoneTestName(std::get<0>(info.param)) + "_" + name;
                         });

}  // namespace

namespace {

// A dated plan of four days whose second day is a day of clock change in the zone (zones
// without daylight saving take the European dates): windows, entries, a moved entry, absences,
// chimes and dates on both sides of the change, in the writer's layout.
struct ClockChange {
    const char* zone;
    int year, month, day;  // the day of the change
};
const ClockChange kClockChanges[] = {
    {"UTC", 2024, 3, 31},           {"UTC", 2024, 10, 27},
    {"Europe/Berlin", 2024, 3, 31}, {"Europe/Berlin", 2024, 10, 27},
    {"America/New_York", 2024, 3, 10}, {"America/New_York", 2024, 11, 3},
    {"America/Santiago", 2024, 9, 8}, {"America/Santiago", 2024, 4, 7},
    {"Asia/Tokyo", 2024, 3, 31},    {"Asia/Tokyo", 2024, 10, 27},
    {"Asia/Kolkata", 2024, 3, 31},  {"Asia/Kolkata", 2024, 10, 27},
    {"Australia/Sydney", 2024, 10, 6}, {"Australia/Sydney", 2024, 4, 7},
};

void PrintTo(const ClockChange& c, std::ostream* out) {
    *out << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
}

const char* const kDatedPlan =
    "<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n"
    "<DOCUMENT VERSION=\"1.0\">\r\n"
    "<GENERAL FIRST_WEEKDAY=\"03/01/2000\" DATE=\"{D0}\" DAYS=\"4\" POPULATION=\"250\" DURATION=\"100\" DISPERSION=\"2\" HOUR_INDX=\"1\"/>\r\n"
    "<CHIMES DEFAULT=\"1\">\r\n"
    "<CHIME ID=\"1\" TAG=\"Standard\">\r\n"
    "<INTERVAL START=\"00:00\"/>\r\n"
    "<INTERVAL START=\"02:30\"/>\r\n"
    "<INTERVAL START=\"09:15\" BREAK=\"Break\"/>\r\n"
    "</CHIME>\r\n"
    "</CHIMES>\r\n"
    "<ENTITIES>\r\n"
    "<ENTITY ID=\"1\" TAG=\"5a\" TYPE=\"0\"/>\r\n"
    "<ENTITY ID=\"2\" TAG=\"Anna\" TYPE=\"1\" REGISTRATION=\"{D1}\" COMPLETION=\"{D3}\" DAYS=\"100\">\r\n"
    "<SCHEDULE DAY=\"{D1}\" END=\"16:00\"/>\r\n"
    "<SCHEDULE DAY=\"{D2}\" START=\"09:00\" END=\"23:00\"/>\r\n"
    "</ENTITY>\r\n"
    "<ENTITY ID=\"3\" TAG=\"A101\" TYPE=\"4\"/>\r\n"
    "</ENTITIES>\r\n"
    "<AVAILABILITY>\r\n"
    "<ABSENCE ENTITY=\"2\" DAY=\"{D1}\" START=\"02:30\" DURATION=\"1:00\" CATEGORY=\"\" REASON=\"\" FUND=\"\" REMARK=\"\"/>\r\n"
    "<ABSENCE ENTITY=\"2\" DAY=\"{D3}\" CATEGORY=\"\" REASON=\"\" FUND=\"\" REMARK=\"\"/>\r\n"
    "</AVAILABILITY>\r\n"
    "<REWARDS/>\r\n"
    "<GROUPS/>\r\n"
    "<ACTIVITIES>\r\n"
    "<ACTIVITY ID=\"1\" GROUP=\"0\" TAG=\"Maths\" LEVEL=\"\" SUPERVISOR=\"\" REMARK=\"\" LOCATION=\"\" DURATION=\"02:00\" MEETING=\"1:00\">\r\n"
    "<ENROLEMENT ID=\"5a\" TYPE=\"0\">1</ENROLEMENT>\r\n"
    "<ENROLEMENT ID=\"Anna\" TYPE=\"1\">2</ENROLEMENT>\r\n"
    "<ENROLEMENT ID=\"A101\" TYPE=\"4\">3</ENROLEMENT>\r\n"
    "</ACTIVITY>\r\n"
    "</ACTIVITIES>\r\n"
    "<TIMETABLE>\r\n"
    "<ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"{D1}\" START=\"02:00\" ORIGINAL=\"3480\" DURATION=\"1:00\"/>\r\n"
    "<ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"{D0}\" START=\"23:00\" DURATION=\"1:00\"/>\r\n"
    "</TIMETABLE>\r\n"
    "</DOCUMENT>\r\n";

class DatedPlanOverAClockChange : public ::testing::TestWithParam<ClockChange> {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vorn-clock-change-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        ModelServices services;
        services.settings = &m_settings;
        services.answerer = &m_answerer;
        m_data.SetServices(services);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    COleDateTime Day(int n, int hour = 0, int minute = 0) const {
        const ClockChange& c = GetParam();
        const COleDateTime date = COleDateTime(c.year, c.month, c.day, 0, 0, 0) + COleDateTimeSpan(n - 1.0);
        return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), hour, minute, 0);
    }
    // The plan's text with its four dates filled in.
    std::wstring PlanText() const {
        std::wstring text = CString(kDatedPlan).str();
        for (int n = 0; n < 4; ++n) {
            const std::wstring key = L"{D" + std::to_wstring(n) + L"}";
            const std::wstring date = Day(n).Format(L"%d/%m/%Y").str();
            for (std::size_t at = text.find(key); at != std::wstring::npos; at = text.find(key, at))
                text.replace(at, key.size(), date);
        }
        return text;
    }
    // The text as the writer stores it: UTF-16LE with its mark.
    static std::string FileBytes(const std::wstring& text) {
        std::string bytes = "\xFF\xFE";
        for (char16_t unit : WideToUtf16(text)) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        return bytes;
    }

    CPinnedTimeZone m_zone{GetParam().zone};
    CTestStrings m_strings{{{60402, L"not a plan"}, {60403, L"file error"}, {60005, L"Error"}}};
    fs::path m_dir;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_data;
};

TEST_P(DatedPlanOverAClockChange, ReadsAndWritesTheSameValues) {
    const fs::path path = m_dir / "plan.xml";
    const std::string original = FileBytes(PlanText());
    std::ofstream(path, std::ios::binary) << original;
    ASSERT_TRUE(m_data.Load(CString(path.c_str()), FALSE));
    EXPECT_EQ(m_data.IsModified(), 0);

    const CEntity& pupils = *m_data.FindEntity(1);
    const CEntity& anna = *m_data.FindEntity(2);
    for (int d = 0; d < 4; ++d)
        EXPECT_EQ(CompareTime64Approx(pupils.m_tDayStart[d], pupils.m_tDayEnd[d]), 0) << "an empty window, day " << d;
    EXPECT_EQ(GetLocalHour(anna.m_tDayStart[1]), 7);
    EXPECT_EQ(GetLocalHour(anna.m_tDayEnd[1]), 16);
    EXPECT_EQ(GetLocalHour(anna.m_tDayStart[2]), 9);
    EXPECT_EQ(GetLocalHour(anna.m_tDayEnd[2]), 23);
    EXPECT_FALSE(anna.IsAvailable(m_data, Day(0, 8), Day(0, 9)));
    EXPECT_TRUE(anna.IsAvailable(m_data, Day(1, 8), Day(1, 9)));
    EXPECT_EQ(anna.m_dtRegistration, Day(1));
    EXPECT_EQ(anna.m_dtCompletion, Day(3));
    ASSERT_EQ(anna.m_arrAbsences.size(), 2u);
    EXPECT_EQ(anna.m_arrAbsences[0].m_dtStart, Day(1, 2, 30));
    EXPECT_EQ(WholeMinutes(anna.m_arrAbsences[0].m_tsLength.m_span), 60);
    EXPECT_EQ(anna.m_arrAbsences[1].m_dtStart, Day(3, 1, 0));
    EXPECT_EQ(anna.m_arrAbsences[1].m_bWholeDay, 1);
    const CChimeSet& chimes = m_data.m_arrChimeSets.front();
    ASSERT_EQ(chimes.m_arrIntervals.size(), 3u);
    EXPECT_EQ(GetLocalHour(chimes.m_arrIntervals[0].m_tStart) * 60 + GetLocalMinute(chimes.m_arrIntervals[0].m_tStart), 0);
    EXPECT_EQ(GetLocalHour(chimes.m_arrIntervals[1].m_tStart) * 60 + GetLocalMinute(chimes.m_arrIntervals[1].m_tStart), 150);
    ASSERT_EQ(m_data.m_arrEntries.size(), 2u);
    const CTimetableEntry& moved = m_data.m_arrEntries[0];
    EXPECT_EQ(moved.m_dtStart, Day(1, 2, 0));
    EXPECT_EQ(moved.m_dtUnmovedStart, Day(2, 10, 0));
    EXPECT_EQ(moved.GetState(m_data), 4);
    EXPECT_EQ(m_data.m_arrEntries[1].m_dtStart, Day(0, 23, 0));

    ASSERT_TRUE(m_data.Save(FALSE));
    std::ifstream file(path, std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(saved == original) << "saved unchanged, the plan differs from its file";
}

INSTANTIATE_TEST_SUITE_P(Zones, DatedPlanOverAClockChange, ::testing::ValuesIn(kClockChanges),
                         [](const auto& info) {
                             return ZoneTestName(info.param.zone) + "_" + std::to_string(info.param.month) + "_" +
                                    std::to_string(info.param.day);
                         });

}  // namespace
