// "Delete entities without lessons" on the large generated plan (1,500 entities, 20,000
// entries), after the plan's first check, with the plan check and page refresh it runs. Each
// run starts from the generated plan again. The counter gives the number of entities deleted
// and the label a checksum of the saved document, which must not change when the command gets
// faster.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "support/plan_generator.h"

namespace fs = std::filesystem;

namespace {

void GenerateChecked(CScheduleData& data) {
    GeneratePlan(data, LargePlanOptions());
    RecheckAndRefresh(data, TRUE);
}

// FNV-1a of the document as saved.
std::uint32_t SavedChecksum(CScheduleData& data) {
    const fs::path path = fs::temp_directory_path() / ("vorn-bench-clean-ups-" + std::to_string(::getpid()) + ".xml");
    data.RefreshFileStatus(CString(path.c_str()));
    data.Save(FALSE);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(path);
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

void BM_DeleteEntitiesWithoutLessonsLargePlan(benchmark::State& state) {
    CScheduleData data;
    std::size_t deleted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GenerateChecked(data);
        const std::size_t before = data.m_arrEntities.size();
        state.ResumeTiming();
        data.DeleteEntitiesWithoutEntries();
        deleted = before - data.m_arrEntities.size();
    }
    state.counters["deleted"] = static_cast<double>(deleted);
    char label[32];
    std::snprintf(label, sizeof label, "document %08x", static_cast<unsigned>(SavedChecksum(data)));
    state.SetLabel(label);
}
BENCHMARK(BM_DeleteEntitiesWithoutLessonsLargePlan)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
