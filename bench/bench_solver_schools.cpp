// Automatic placement on three real schools: every lesson unplaced, and 10% or 30% unplaced at
// random (three seeds) with the rest kept; the entries are first put in an order drawn from the
// seed, as the fixtures list them in the order of a known solution. Each case prepares and runs
// one search (exhaustive by default; set VORN_BENCH_SOLVER_MODE=1 for the genetic mode), saves
// the document, loads the saved file into a fresh store and counts there what breaks the plan's
// rules: the plan check's people over their OVERLAPS limit, rooms booked twice, participants
// absent or outside their day window, lessons cut off at the day's end, linked lessons apart,
// kept lessons moved and days beyond an activity's DISPERSION. Counters: seconds to the end of
// the run, lessons open and placed, the faults by kind and the process's peak memory so far.
//
// Each run stops after 300 s (VORN_BENCH_BUDGET seconds when set). The fixtures are read from VORN_SHARED_DIR (or the environment variable of that name). Slow:
// run by hand, e.g. build/bin/bench_solver_schools --benchmark_filter='BM_SolverSchool/1/' (Kosova).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "solver_engine/solver_run.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"
#include "support/solver_budget.h"

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of the process so far: the machine may be shared, the wall clock not ours.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
constexpr double kBudgetSeconds = 300.0;

const char* const kFiles[] = {"BrazilInstance1-avail.xml", "KosovaInstance1-avail.xml", "EnglandStPaul-plan.xml"};

std::string SharedDir() {
    const char* env = std::getenv("VORN_SHARED_DIR");
    return env ? env : VORN_SHARED_DIR;
}

// The time of the first placement stored as the best.
class CTimingSink : public ISolverSink {
public:
    void OnImproved(int, long long) override {
        if (m_dFirst < 0) m_dFirst = std::chrono::duration<double>(Clock::now() - m_start).count();
    }
    Clock::time_point m_start = Clock::now();
    double m_dFirst = -1.0;
};

// A kept lesson: its activity's name and its start.
using Kept = std::multiset<std::pair<std::wstring, double>>;

std::wstring ActivityName(const CScheduleData& data, int id) {
    const auto activity = data.FindActivity(id);
    return activity == data.m_arrActivities.end() ? std::wstring() : std::wstring(activity->m_strName.GetString());
}

double Minute(const COleDateTime& t) { return std::round(COleDateTime::ToLinear(t.m_dt) * 1440.0); }

struct CFaults {
    int overLimit = 0, rooms = 0, away = 0, cutOff = 0, links = 0, moved = 0, perDay = 0, placed = 0;
    int Total() const { return overLimit + rooms + away + cutOff + links + moved + perDay; }
};

// Everything is read from the saved file, through the program's own checks where it has them;
// `lessons` holds each activity's number of entries before the run, as the saved file keeps no
// unplaced entry.
CFaults CheckSavedPlan(const std::string& path, const Kept& kept, const std::map<int, std::size_t>& lessons) {
    CFaults faults;
    CScheduleData data;
    if (!data.Load(CString(Utf8ToWide(path).c_str()), FALSE)) {
        faults.cutOff = 1000000;
        return faults;
    }
    int placedBefore = 0;
    for (const CTimetableEntry& entry : data.m_arrEntries) placedBefore += !IsUnplacedDate(entry.m_dtStart);
    Kept left = kept;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const auto it = left.find({ActivityName(data, entry.m_nActivity), Minute(entry.m_dtStart)});
        if (it != left.end()) left.erase(it);
    }
    faults.moved = static_cast<int>(left.size());
    // The timetable check drops what does not lie within one day of the plan and flags the
    // entries with a participant away.
    CheckTimetableEntries(data, nullptr, true);
    faults.placed = static_cast<int>(data.m_arrEntries.size());
    faults.cutOff = placedBefore - faults.placed;
    for (const CTimetableEntry& entry : data.m_arrEntries) faults.away += entry.m_bState6 != 0;
    faults.overLimit = data.CheckOverlapLimits(FALSE);
    for (CEntity& entity : data.m_arrEntities) {
        if (entity.m_nType != 4) continue;
        entity.RebuildItems(data);
        faults.rooms += entity.FindOverlapViolation(data, false) != 0;
    }
    // Linked lessons: the activities of a group with the most lessons (the full ones) start
    // together, the others at some of those starts. A full activity with lessons still unplaced
    // may take the starts it lacks later, unless it lacks more of them than it has unplaced.
    std::map<int, std::vector<int>> groups;
    for (const CActivity& activity : data.m_arrActivities)
        if (activity.m_nGroup != 0) groups[activity.m_nGroup].push_back(activity.m_nId);
    std::map<int, std::multiset<double>> starts;
    for (const CTimetableEntry& entry : data.m_arrEntries) starts[entry.m_nActivity].insert(Minute(entry.m_dtStart));
    const auto lessonsOf = [&](int a) {
        const auto it = lessons.find(a);
        return it == lessons.end() ? std::size_t{0} : it->second;
    };
    for (const auto& [group, activities] : groups) {
        (void)group;
        if (activities.size() < 2) continue;
        std::size_t most = 0;
        for (int a : activities) most = std::max(most, lessonsOf(a));
        std::vector<std::set<double>> broken;  // per full activity that cannot join: the starts it lacks
        for (int b : activities) {
            if (lessonsOf(b) != most) continue;
            std::set<double> lacking;
            for (int a : activities)
                for (double start : starts[a])
                    if (starts[b].count(start) == 0) lacking.insert(start);
            if (lacking.size() > most - std::min(most, starts[b].size())) broken.push_back(std::move(lacking));
        }
        for (int a : activities)
            for (double start : starts[a])
                faults.links += std::any_of(broken.begin(), broken.end(),
                                            [&](const std::set<double>& lacking) { return lacking.count(start) != 0; });
    }
    if (data.m_nSolverOption != 0) {
        std::map<std::pair<int, int>, int> perDay;
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (!entry.m_bLinked) ++perDay[{entry.m_nActivity, data.GetDayIndex(entry.m_dtStart)}];
        for (const auto& [key, count] : perDay) {
            const auto activity = data.FindActivity(key.first);
            if (activity != data.m_arrActivities.end() && activity->m_nDispersion > 0)
                faults.perDay += std::max(0, count - activity->m_nDispersion);
        }
    }
    return faults;
}

// Arguments: the file, the share unplaced in percent (100: every lesson), the seed.
void BM_SolverSchool(benchmark::State& state) {
    const std::string file = kFiles[state.range(0)];
    const std::string path = SharedDir() + "/fixtures/xhstt/" + file;
    const int percent = static_cast<int>(state.range(1));
    const char* mode = std::getenv("VORN_BENCH_SOLVER_MODE");
    for (auto _ : state) {
        CScheduleData data;
        if (!data.Load(CString(Utf8ToWide(path).c_str()), FALSE)) {
            state.SkipWithError(("cannot load " + path).c_str());
            return;
        }
        std::map<int, std::size_t> lessons;
        for (const CTimetableEntry& entry : data.m_arrEntries) ++lessons[entry.m_nActivity];
        std::mt19937 random(static_cast<unsigned>(state.range(2)));
        std::vector<std::size_t> order(data.m_arrEntries.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        const std::size_t open = percent >= 100 ? order.size() : order.size() * static_cast<std::size_t>(percent) / 100;
        Kept kept;
        for (std::size_t i = 0; i < order.size(); ++i) {
            CTimetableEntry& entry = data.m_arrEntries[order[i]];
            if (i < open) {
                entry.m_dtStart = entry.m_dtUnmovedStart = GetUnplacedDate();
            } else {
                kept.insert({ActivityName(data, entry.m_nActivity), Minute(entry.m_dtStart)});
            }
        }
        // The order of the known solution must not guide the search.
        {
            std::map<std::uint64_t, unsigned> key;
            std::mt19937 shuffle(static_cast<unsigned>(state.range(2)) + 17u);
            for (const CTimetableEntry& entry : data.m_arrEntries) key[entry.GetSerial()] = shuffle();
            data.m_arrEntries.StableSort([&](const CTimetableEntry& a, const CTimetableEntry& b) {
                return key[a.GetSerial()] < key[b.GetSerial()];
            });
        }
        CSolverParams params = CSolverParams::FromStore(data);
        params.m_nMode = mode ? std::atoi(mode) : 0;
        params.m_arrSeedKey = {0x123, 0x234, 0x345, static_cast<std::uint32_t>(state.range(2))};
        CSolverWork work;
        CSolverControl control;
        CTimingSink sink;
        control.m_bRunning.store(1);
        const Clock::time_point start = Clock::now();
        const double cpuStart = CpuSeconds();
        double prepare = 0.0, cpuPrepare = 0.0;
        {
            const char* budgetText = std::getenv("VORN_BENCH_BUDGET");
            CSolverBudget budget(control, budgetText ? std::atof(budgetText) : kBudgetSeconds);
            PrepareSolverRun(data, params, work, control, sink);
            prepare = std::chrono::duration<double>(Clock::now() - start).count();
            cpuPrepare = CpuSeconds() - cpuStart;
            RunSolverSearch(data, params, work, control, sink);
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = CpuSeconds() - cpuStart;
        const std::string saved = "/tmp/bench_solver_school_" + std::to_string(getpid()) + ".xml";
        std::remove(saved.c_str());
        data.m_fileStatus = CFileStatus();
        data.m_fileStatus.m_szFullName = CString(Utf8ToWide(saved).c_str());
        if (!data.Save(FALSE)) {
            state.SkipWithError("cannot save");
            return;
        }
        const CFaults faults = CheckSavedPlan(saved, kept, lessons);
        std::remove(saved.c_str());
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.SetLabel(file);
        state.counters["seconds"] = seconds;
        state.counters["prep_s"] = prepare;
        state.counters["cpu_s"] = cpu;
        state.counters["cpu_prep_s"] = cpuPrepare;
        state.counters["first_s"] = sink.m_dFirst < 0 ? -1.0 : std::chrono::duration<double>(sink.m_start - start).count() + sink.m_dFirst;
        state.counters["open"] = static_cast<double>(open);
        state.counters["placed"] = faults.placed - static_cast<double>(order.size() - open);
        state.counters["faults"] = faults.Total();
        state.counters["over_limit"] = faults.overLimit;
        state.counters["rooms"] = faults.rooms;
        state.counters["away"] = faults.away;
        state.counters["cut_off"] = faults.cutOff;
        state.counters["links"] = faults.links;
        state.counters["moved"] = faults.moved;
        state.counters["per_day"] = faults.perDay;
        state.counters["peak_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
}

void SchoolCases(benchmark::internal::Benchmark* b) {
    for (int instance = 0; instance < 3; ++instance) {
        b->Args({instance, 0, 1});  // nothing open: the faults of the plan as it came
        b->Args({instance, 100, 1});
        for (int percent : {10, 30})
            for (int seed = 1; seed <= 3; ++seed) b->Args({instance, percent, seed});
    }
}
BENCHMARK(BM_SolverSchool)->Apply(SchoolCases)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
