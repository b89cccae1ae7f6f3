// Loading and saving a large generated plan, the modified test, and the undo snapshot.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "support/plan_generator.h"

namespace fs = std::filesystem;

namespace {

// A large plan (1,500 entities, 5,000 activities, 20,000 entries) saved once to a scratch file.
class CLargePlanFile {
public:
    CLargePlanFile() : m_path(fs::temp_directory_path() / ("vorn-bench-" + std::to_string(::getpid()) + ".xml")) {
        GeneratePlan(m_data, LargePlanOptions());
        m_data.RefreshFileStatus(CString(m_path.c_str()));
        m_data.Save(FALSE);
    }
    ~CLargePlanFile() { fs::remove(m_path); }
    CScheduleData& Data() { return m_data; }
    CString Path() const { return CString(m_path.c_str()); }

private:
    fs::path m_path;
    CScheduleData m_data;
};

CLargePlanFile& LargePlan() {
    static CLargePlanFile plan;
    return plan;
}

void BM_SaveLargePlan(benchmark::State& state) {
    CScheduleData& data = LargePlan().Data();
    for (auto _ : state) benchmark::DoNotOptimize(data.Save(FALSE));
    state.counters["bytes"] = static_cast<double>(fs::file_size(fs::path(LargePlan().Path().ToUtf8())));
}
BENCHMARK(BM_SaveLargePlan)->Unit(benchmark::kMillisecond);

void BM_WriteXmlLargePlan(benchmark::State& state) {
    CScheduleData& data = LargePlan().Data();
    for (auto _ : state) {
        CXmlDocument doc;
        data.WriteXml(doc);
        benchmark::DoNotOptimize(doc.GetDoc().GetLength());
    }
}
BENCHMARK(BM_WriteXmlLargePlan)->Unit(benchmark::kMillisecond);

void BM_LoadLargePlan(benchmark::State& state) {
    const CString path = LargePlan().Path();
    for (auto _ : state) {
        auto data = std::make_unique<CScheduleData>();
        benchmark::DoNotOptimize(data->Load(path, FALSE));
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
    CScheduleData check;
    check.Load(path, FALSE);
    state.counters["entries"] = static_cast<double>(check.m_arrEntries.size());
}
BENCHMARK(BM_LoadLargePlan)->Unit(benchmark::kMillisecond);

void BM_IsModifiedLargePlan(benchmark::State& state) {
    CScheduleData& data = LargePlan().Data();
    for (auto _ : state) benchmark::DoNotOptimize(data.IsModified());
}
BENCHMARK(BM_IsModifiedLargePlan)->Unit(benchmark::kMillisecond);

void BM_SaveUndoLargePlan(benchmark::State& state) {
    CScheduleData& data = LargePlan().Data();
    for (auto _ : state) data.SaveUndo();
    data.DiscardUndo();
}
BENCHMARK(BM_SaveUndoLargePlan)->Unit(benchmark::kMillisecond);

void BM_UndoLargePlan(benchmark::State& state) {
    CScheduleData& data = LargePlan().Data();
    data.SaveUndo();
    for (auto _ : state) data.Undo(FALSE);
    data.DiscardUndo();
}
BENCHMARK(BM_UndoLargePlan)->Unit(benchmark::kMillisecond);

}  // namespace
