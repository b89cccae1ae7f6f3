// Loading, saving and the modified test of the document file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "document_test_support.h"
#include "model/time_values.h"

namespace fs = std::filesystem;

namespace {

// Damaged files of our own, beside this test, for faults the shared ones do not show.
const char* const kLocalHostile[] = {"absence_day_unreadable.xml"};

fs::path Hostile(const std::string& name) {
    const fs::path local = fs::path(VORN_TEST_DIR) / "hostile" / name;
    if (fs::exists(local)) return fs::weakly_canonical(local);
    return fs::weakly_canonical(fs::path(VORN_SHARED_DIR) / "fixtures/hostile" / name);
}

using LoadSave = DocumentFileTest;

// What loading each damaged file gives: the documented defaults, or the load error.
enum class Outcome { Loads, Fails };
const std::map<std::string, Outcome> kHostileOutcomes = {
    {"ansi_1252_with_declaration.xml", Outcome::Loads},
    {"ansi_1252_without_declaration.xml", Outcome::Loads},
    {"binary_garbage.xml", Outcome::Fails},
    {"charref_110000.xml", Outcome::Fails},
    {"charref_d800.xml", Outcome::Fails},
    {"dangling_default.xml", Outcome::Loads},
    {"dangling_entry_activity.xml", Outcome::Loads},
    {"dangling_group.xml", Outcome::Loads},
    {"dangling_replacing.xml", Outcome::Loads},
    {"days_0.xml", Outcome::Loads},
    {"days_99.xml", Outcome::Loads},
    {"deep_nesting_100000.xml", Outcome::Loads},
    {"duplicate_ids.xml", Outcome::Loads},
    {"empty.xml", Outcome::Fails},
    {"hatch_99.xml", Outcome::Loads},
    {"hatch_minus3.xml", Outcome::Loads},
    {"long_element_name_5000.xml", Outcome::Loads},
    {"long_entity_name_5000.xml", Outcome::Loads},
    {"meeting_zero.xml", Outcome::Loads},
    {"missing_date.xml", Outcome::Loads},
    {"missing_days.xml", Outcome::Loads},
    {"start_99_entry.xml", Outcome::Fails},
    {"start_99_interval.xml", Outcome::Fails},
    {"start_99_schedule.xml", Outcome::Fails},
    {"status_99.xml", Outcome::Loads},
    {"status_minus1.xml", Outcome::Loads},
    {"truncated.xml", Outcome::Fails},
    {"truncated_odd_byte.xml", Outcome::Fails},
    {"utf16be_with_bom.xml", Outcome::Loads},
    {"utf16le_without_bom.xml", Outcome::Loads},
    {"utf8_with_declaration.xml", Outcome::Loads},
    {"utf8_without_declaration.xml", Outcome::Loads},
    {"valid_tiny.xml", Outcome::Loads},
    {"zero_ids.xml", Outcome::Loads},
    {"absence_day_unreadable.xml", Outcome::Loads},
};

std::vector<std::string> ManifestFiles() {
    std::ifstream file(Hostile("manifest.json"));
    std::stringstream text;
    text << file.rdbuf();
    const std::string json = text.str();
    std::vector<std::string> files;
    const std::regex entry("\"file\"\\s*:\\s*\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), entry); it != std::sregex_iterator(); ++it)
        files.push_back((*it)[1]);
    files.insert(files.end(), std::begin(kLocalHostile), std::end(kLocalHostile));
    return files;
}

// Every reference of a loaded store names a record, and ids are unique and not 0.
void ExpectSound(const CScheduleData& data, const std::string& name) {
    std::set<int> entities, activities, groups;
    for (const CEntity& e : data.m_arrEntities) {
        EXPECT_TRUE(e.m_nId > 0 && entities.insert(e.m_nId).second) << name;
        EXPECT_TRUE(e.m_nDefaultPlace == 0 || data.FindEntity(e.m_nDefaultPlace) != data.m_arrEntities.end()) << name;
        EXPECT_TRUE(e.m_nHatch >= 0 && e.m_nHatch <= 11) << name;
        // An absence that could not be put on a day would not read back as it was.
        for (const CAbsence& a : e.m_arrAbsences)
            EXPECT_EQ(a.m_dtStart.GetStatus(), COleDateTime::valid) << name;
    }
    for (const CActivityGroup& g : data.m_arrGroups) EXPECT_TRUE(g.m_nId > 0 && groups.insert(g.m_nId).second) << name;
    for (const CActivity& a : data.m_arrActivities) {
        EXPECT_TRUE(a.m_nId > 0 && activities.insert(a.m_nId).second) << name;
        EXPECT_TRUE(a.m_nGroup == 0 || groups.count(a.m_nGroup)) << name;
        for (int id : a.m_arrMembers) EXPECT_TRUE(entities.count(id)) << name;
    }
    for (const CTimetableEntry& t : data.m_arrEntries) {
        EXPECT_TRUE(activities.count(t.m_nActivity)) << name;
        EXPECT_TRUE(t.m_nState >= 0 && t.m_nState <= 9) << name;
        for (const CReplacement& r : t.m_arrReplacements)
            EXPECT_TRUE(r.m_nReplacing == 0 || entities.count(r.m_nReplacing)) << name;
    }
    EXPECT_TRUE(data.m_nDays >= 1 && data.m_nDays <= kMaxPlanDays) << name;
}

TEST_F(LoadSave, DamagedFilesLoadWithDefaultsOrFailLeavingTheOpenDocument) {
    const std::vector<std::string> files = ManifestFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& name : files) {
        const auto expected = kHostileOutcomes.find(name);
        ASSERT_NE(expected, kHostileOutcomes.end()) << name << " has no expected outcome";

        // The open document is a copy of a valid one, saved by the program.
        const fs::path open = PathOf("open.xml");
        fs::remove(open);
        fs::copy_file(Hostile("valid_tiny.xml"), open);
        ASSERT_TRUE(m_data.Load(Str(open), FALSE));
        ASSERT_TRUE(m_data.Save(FALSE));
        const std::size_t entities = m_data.m_arrEntities.size();
        const std::size_t entries = m_data.m_arrEntries.size();
        m_answerer.m_asked.clear();

        const BOOL loaded = m_data.Load(Str(Hostile(name)), FALSE);
        if (expected->second == Outcome::Loads) {
            EXPECT_TRUE(loaded) << name;
            EXPECT_TRUE(m_answerer.m_asked.empty()) << name;
            EXPECT_EQ(m_data.GetFilePath(), Str(Hostile(name))) << name;
            ExpectSound(m_data, name);
        } else {
            EXPECT_FALSE(loaded) << name;
            ASSERT_EQ(m_answerer.m_asked.size(), 1u) << name;
            EXPECT_EQ(m_answerer.m_asked.front(), L"not a plan") << name;
            EXPECT_EQ(m_data.GetFilePath(), Str(open)) << name;
            EXPECT_EQ(m_data.m_arrEntities.size(), entities) << name;
            EXPECT_EQ(m_data.m_arrEntries.size(), entries) << name;
            EXPECT_EQ(m_data.IsModified(), 0) << name;
        }
    }
}

TEST_F(LoadSave, DamagedValuesReadAsTheirDefaults) {
    ASSERT_TRUE(m_data.Load(Str(Hostile("days_99.xml")), FALSE));
    EXPECT_EQ(m_data.m_nDays, 21);
    ASSERT_TRUE(m_data.Load(Str(Hostile("missing_days.xml")), FALSE));
    EXPECT_EQ(m_data.m_nDays, 6);
    ASSERT_TRUE(m_data.Load(Str(Hostile("dangling_entry_activity.xml")), FALSE));
    EXPECT_EQ(m_data.m_arrEntries.size(), 5u);
    ASSERT_TRUE(m_data.Load(Str(Hostile("utf8_with_declaration.xml")), FALSE));
    ASSERT_TRUE(m_data.Load(Str(Hostile("utf16be_with_bom.xml")), FALSE));
    EXPECT_EQ(m_data.m_arrEntities.size(), 6u);
    // Absences whose day cannot be read are dropped; the readable one stays.
    ASSERT_TRUE(m_data.Load(Str(Hostile("absence_day_unreadable.xml")), FALSE));
    const auto anna = m_data.FindEntity(2);
    ASSERT_EQ(anna->m_arrAbsences.size(), 1u);
    EXPECT_EQ(anna->m_arrAbsences.front().m_strReason, L"kept");
}

TEST_F(LoadSave, EmptyPathDoesNothingAndRefreshFollowsALoad) {
    EXPECT_FALSE(m_data.Load(CString(), TRUE));
    EXPECT_TRUE(m_host.m_calls.empty());
    ASSERT_TRUE(m_data.Load(Str(Hostile("valid_tiny.xml")), TRUE));
    EXPECT_EQ(m_host.m_calls.back(), "refresh load");
}

TEST_F(LoadSave, ModifiedTest) {
    EXPECT_EQ(m_data.IsModified(), 0);  // no entities
    const fs::path path = PathOf("doc.xml");
    fs::copy_file(Hostile("valid_tiny.xml"), path);
    ASSERT_TRUE(m_data.Load(Str(path), FALSE));
    ASSERT_TRUE(m_data.Save(FALSE));
    EXPECT_EQ(m_data.IsModified(), 0);
    m_data.m_arrActivities.front().m_strRemark = L"changed";
    EXPECT_EQ(m_data.IsModified(), 1);
    m_data.RefreshFileStatus(Str(PathOf("missing.xml")));
    EXPECT_EQ(m_data.IsModified(), 1);
}

TEST_F(LoadSave, ModifiedTestLeavesTheStoreAlone) {
    ASSERT_TRUE(m_data.Load(Str(Hostile("valid_tiny.xml")), FALSE));
    // What writing would settle: a single chime set not numbered 1, a day start before the
    // document's, a moved entry of a dated plan.
    m_data.m_arrChimeSets.front().m_nId = 3;
    m_data.m_arrChimeSets.InvalidateIndex();
    m_data.m_arrEntities.front().m_tDayStart[0] = MakeTimeOfDay(6, 0);
    m_data.m_dtStartDate = COleDateTime(2024, 9, 2, 0, 0, 0);
    CTimetableEntry& entry = m_data.m_arrEntries.front();
    entry.m_dtStart = COleDateTime(2024, 9, 2, 9, 0, 0);
    entry.m_dtUnmovedStart = COleDateTime(2024, 9, 2, 8, 0, 0);
    entry.m_nState = 4;

    m_data.IsModified();
    EXPECT_EQ(m_data.m_arrChimeSets.front().m_nId, 3);
    EXPECT_EQ(m_data.m_arrEntities.front().m_tDayStart[0], MakeTimeOfDay(6, 0));
    EXPECT_EQ(m_data.m_arrEntries.front().m_nState, 4);
}

TEST_F(LoadSave, LoadingKeepsWhatTheFileLeavesOutAsTheResetMadeIt) {
    const std::string entity = "<ENTITIES><ENTITY ID=\"1\" TAG=\"A\" TYPE=\"1\"/></ENTITIES>\r\n";
    m_data.ResetToNew(FALSE);
    m_data.m_nStateSlots[3] = 7;
    m_data.m_nStateSlots[8] = 2;
    ASSERT_TRUE(LoadText(Document(entity)));
    EXPECT_EQ(m_data.m_nStateSlots[3], 3);  // GENERAL resets the first eight
    EXPECT_EQ(m_data.m_nStateSlots[8], 2);
    EXPECT_EQ(m_data.m_nStateSlots[9], 5);

    // Without GENERAL the calendar of the new document stays.
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 2, 0, 0, 0);
    m_data.ResetToNew(FALSE);
    ASSERT_TRUE(LoadText(Document(entity, "")));
    EXPECT_TRUE(m_data.m_dtStartDate == COleDateTime(2000, 1, 2, 0, 0, 0));
    EXPECT_TRUE(m_data.m_dtFirstWeekday == COleDateTime(2000, 1, 2, 0, 0, 0));
    EXPECT_EQ(m_data.m_nDays, 6);
    EXPECT_EQ(m_data.m_nStateSlots[9], 5);
}

TEST_F(LoadSave, SavingTwiceAsksNothing) {
    const fs::path path = PathOf("doc.xml");
    fs::copy_file(Hostile("valid_tiny.xml"), path);
    ASSERT_TRUE(m_data.Load(Str(path), FALSE));
    EXPECT_TRUE(m_data.Save(TRUE));
    EXPECT_TRUE(m_data.Save(FALSE));
    EXPECT_TRUE(m_answerer.m_asked.empty());
    EXPECT_EQ(std::count(m_host.m_calls.begin(), m_host.m_calls.end(), "refresh save"), 1);
}

struct ChangedOnDiskCase {
    MessageAnswer answer;
    BOOL result;
    bool written;   // the store's text is in the file
    bool reloaded;  // the store holds the file's content
    int refreshes;  // page refreshes as after a save (none after Cancel)
};
TEST_F(LoadSave, AFileChangedOnDiskIsNotOverwrittenUnasked) {
    static const ChangedOnDiskCase kCases[] = {
        {MessageAnswer::Yes, TRUE, true, false, 1},
        {MessageAnswer::No, FALSE, false, true, 1},
        {MessageAnswer::Cancel, FALSE, false, false, 0},
    };
    for (const ChangedOnDiskCase& c : kCases) {
        const fs::path path = PathOf("doc.xml");
        fs::remove(path);
        fs::copy_file(Hostile("valid_tiny.xml"), path);
        ASSERT_TRUE(m_data.Load(Str(path), FALSE));
        const std::size_t entries = m_data.m_arrEntries.size();
        // Another program writes the file; a second later its time differs, however little.
        const std::string other = ReadBytes(Hostile("dangling_entry_activity.xml"));
        std::ofstream(path, std::ios::binary) << other;
        fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(1));
        m_data.m_arrActivities.front().m_strRemark = L"edited";
        m_answerer.m_asked.clear();
        m_answerer.m_script = {c.answer};
        m_host.m_calls.clear();

        EXPECT_EQ(m_data.Save(TRUE), c.result);
        EXPECT_EQ(std::count(m_host.m_calls.begin(), m_host.m_calls.end(), "refresh save"), c.refreshes);
        ASSERT_EQ(m_answerer.m_asked.size(), 1u);
        EXPECT_EQ(m_answerer.m_asked.front(), L"changed on disk");
        EXPECT_EQ(ReadBytes(path) != other, c.written);
        if (c.reloaded) {
            EXPECT_EQ(m_data.m_arrEntries.size(), entries - 1);  // the other program's content, once
            EXPECT_EQ(m_data.m_arrActivities.front().m_strRemark, L"");
        } else {
            EXPECT_EQ(m_data.m_arrActivities.front().m_strRemark, L"edited");
        }
    }
}

TEST_F(LoadSave, AFailedWriteIsReportedAndKeepsTheFileStatus) {
    ASSERT_TRUE(m_data.Load(Str(Hostile("valid_tiny.xml")), FALSE));
    // A folder stands where the file should go.
    const fs::path folder = PathOf("folder.xml");
    fs::create_directories(folder);
    m_data.RefreshFileStatus(Str(folder));
    const CFileStatus before = m_data.m_fileStatus;
    EXPECT_FALSE(m_data.Save(FALSE));
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(m_answerer.m_asked.front(), L"cannot save");
    EXPECT_EQ(m_data.m_fileStatus.m_mtime, before.m_mtime);
    EXPECT_TRUE(fs::is_directory(folder));

    m_answerer.m_asked.clear();
    m_data.RefreshFileStatus(Str(PathOf("no-such-folder/doc.xml")));
    EXPECT_FALSE(m_data.Save(FALSE));
    EXPECT_EQ(m_answerer.m_asked.size(), 1u);
}

TEST_F(LoadSave, SaveWritesThroughATemporaryFile) {
    const fs::path path = PathOf("doc.xml");
    fs::copy_file(Hostile("valid_tiny.xml"), path);
    ASSERT_TRUE(m_data.Load(Str(path), FALSE));
    ASSERT_TRUE(m_data.Save(FALSE));
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(m_dir)) files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);  // no temporary file is left behind
    EXPECT_EQ(ReadBytes(path).substr(0, 2), "\xFF\xFE");
}

struct FileNameCase {
    const wchar_t* path;
    bool expected;
};
TEST(DocumentFileName, NeedsAThreeLetterExtensionAndNoDefaultName) {
    CTestStrings strings({{60401, L"Untitled"}});
    static const FileNameCase kCases[] = {
        {L"", false}, {L"/home/a/Untitled.xml", false}, {L"/home/a/plan.xm", false},
        {L"/home/a/plan.xml", true}, {L"x.xml", true}, {L"xml", false},
    };
    for (const FileNameCase& c : kCases) EXPECT_EQ(HasDocumentFileName(c.path), c.expected) << WideToUtf8(c.path);
}

}  // namespace
