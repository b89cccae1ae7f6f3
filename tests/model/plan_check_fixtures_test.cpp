// The plan check on the generated documents: every planted double booking is reported, and
// nothing else is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model_test_support.h"

namespace fs = std::filesystem;

namespace {

struct PlantedClash {
    int entity = 0;
    std::vector<int> entries;  // positions in the document's timetable
};

// Reads the integers of the JSON array that starts at pos (at or before its '[').
std::vector<int> ReadIntArray(const std::string& text, std::size_t& pos) {
    std::vector<int> values;
    pos = text.find('[', pos);
    const std::size_t end = text.find(']', pos);
    for (std::size_t i = pos + 1; i < end;) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '-') {
            std::size_t used = 0;
            values.push_back(std::stoi(text.substr(i), &used));
            i += used;
        } else {
            ++i;
        }
    }
    pos = end + 1;
    return values;
}

// The planted clashes of a document's sidecar: the "entity" and "entries" of each object of the
// "clashes" array. Only those fields are read.
std::vector<PlantedClash> ReadPlantedClashes(const fs::path& path) {
    std::ifstream file(path);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<PlantedClash> clashes;
    std::size_t pos = text.find("\"clashes\"");
    if (pos == std::string::npos) return clashes;
    const std::size_t arrayEnd = text.find("\"clash_entities\"", pos);
    while (true) {
        const std::size_t entity = text.find("\"entity\":", pos);
        if (entity == std::string::npos || entity > arrayEnd) break;
        PlantedClash clash;
        clash.entity = std::stoi(text.substr(entity + 9));
        pos = text.find("\"entries\"", entity);
        clash.entries = ReadIntArray(text, pos);
        clashes.push_back(clash);
    }
    return clashes;
}

class PlanCheckFixtures : public ::testing::TestWithParam<std::string> {
protected:
    PlanCheckFixtures() {
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr});
    }

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_data;
};

TEST_P(PlanCheckFixtures, ReportsExactlyThePlantedDoubleBookings) {
    const fs::path dir = fs::path(VORN_SHARED_DIR) / "fixtures/documents";
    const fs::path document = dir / (GetParam() + ".xml");
    const std::vector<PlantedClash> plantedClashes = ReadPlantedClashes(dir / (GetParam() + ".json"));
    // The sidecars of the clash documents list what was planted; the others list nothing.
    EXPECT_EQ(plantedClashes.empty(), GetParam().find("clashes") == std::string::npos);
    ASSERT_TRUE(m_data.Load(CString(document.c_str()), FALSE));

    // The planted entries by serial, since the check may remove entries outside the plan.
    std::set<int> plantedEntities;
    std::vector<std::set<std::uint64_t>> plantedSerials;
    for (const PlantedClash& clash : plantedClashes) {
        plantedEntities.insert(clash.entity);
        std::set<std::uint64_t> serials;
        for (int position : clash.entries) {
            ASSERT_LT(static_cast<std::size_t>(position), m_data.m_arrEntries.size());
            serials.insert(m_data.m_arrEntries[position].GetSerial());
        }
        plantedSerials.push_back(serials);
    }

    RecheckAndRefresh(m_data, TRUE);
    for (const auto& serials : plantedSerials)
        for (std::uint64_t serial : serials)
            EXPECT_NE(m_data.FindEntryBySerial(serial), m_data.m_arrEntries.end()) << "a planted entry was removed";

    const int count = m_data.CheckOverlapLimits(TRUE);
    std::set<int> reported;
    for (const CProblem& problem : m_data.m_arrProblems) {
        EXPECT_EQ(problem.m_nKind, 13);
        reported.insert(problem.m_nRecord);
    }
    EXPECT_EQ(count, static_cast<int>(m_data.m_arrProblems.size()));
    EXPECT_EQ(reported, plantedEntities);

    // Each reported entity's first violation is one of its own planted double bookings.
    for (int id : reported) {
        const CEntity& entity = *m_data.FindEntity(id);
        const std::uint64_t violation = entity.FindOverlapViolation(m_data, false);
        bool planted = false;
        for (std::size_t i = 0; i < plantedClashes.size(); ++i)
            if (plantedClashes[i].entity == id && plantedSerials[i].count(violation)) planted = true;
        EXPECT_TRUE(planted) << "entity " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, PlanCheckFixtures,
                         ::testing::Values("small-clashes", "small-template", "small-dated", "school-clashes",
                                           "school-template", "school-dated"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
