// Start-up of the program in the process, on Qt's offscreen platform, with the large plan
// (1,500 entities, 20,000 entries) named on the command line: from the application object to
// the first painted main window. The whole start is measured, and each of its parts in one
// more start (settings, language pack, frame, document load, plan check, first paint); the
// counters also give the peak resident memory in megabytes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "app/scheduler_app.h"
#include "frame/main_frame.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/scripted_answerer.h"
#include "support/plan_generator.h"

namespace fs = std::filesystem;

namespace {

void EnsureApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench_startup";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The large plan written once to a scratch file, with a settings folder of its own.
struct Scratch {
    fs::path folder = fs::temp_directory_path() / ("vorn-bench-startup-" + std::to_string(::getpid()));
    CString plan;
    Scratch() {
        fs::create_directories(folder);
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        CScheduleData data;
        GeneratePlan(data, LargePlanOptions());
        plan = CString((folder / "large.xml").c_str());
        data.RefreshFileStatus(plan);
        data.Save(FALSE);
    }
    ~Scratch() { fs::remove_all(folder); }
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void FirstPaint(CMainFrame* frame) {
    frame->UpdateWindow();
    QApplication::processEvents();
}

void Close(std::unique_ptr<CSchedulerApp>& app) {
    if (CMainFrame* frame = app->GetMainFrame()) frame->DestroyWindow();
    QApplication::processEvents();
    app->ExitInstance();
    app.reset();
}

void BM_StartUpToFirstPaintLargePlan(benchmark::State& state) {
    EnsureApplication();
    Scratch& scratch = TheScratch();
    CScriptedAnswerer answerer;
    for (auto _ : state) {
        auto app = std::make_unique<CSchedulerApp>();
        app->SetCommandLineArgs({scratch.plan});
        if (!app->InitInstance()) state.SkipWithError("start-up ended");
        FirstPaint(app->GetMainFrame());
        state.PauseTiming();
        Close(app);
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_StartUpToFirstPaintLargePlan)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same steps one by one, each timed: where the start's time goes.
void BM_StartUpPartsLargePlan(benchmark::State& state) {
    EnsureApplication();
    Scratch& scratch = TheScratch();
    CScriptedAnswerer answerer;
    using Clock = std::chrono::steady_clock;
    double settings = 0, pack = 0, frameMs = 0, load = 0, check = 0, paint = 0;
    auto ms = [](Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); };
    for (auto _ : state) {
        auto app = std::make_unique<CSchedulerApp>();
        auto t = Clock::now();
        app->SetRegistryKey(L"VornScheduler");
        app->LoadSettings();
        settings += ms(t);
        t = Clock::now();
        app->LoadLanguageDll();
        AfxSetResourcePack(app->GetLanguagePack());
        pack += ms(t);
        t = Clock::now();
        auto* frame = new CMainFrame(*app);
        app->m_pMainWnd = frame;
        frame->LoadFrame(128, WS_OVERLAPPEDWINDOW);
        frame->ShowWindow(SW_SHOW);
        frameMs += ms(t);
        t = Clock::now();
        app->GetDocument().Load(scratch.plan, TRUE);
        app->GetDocument().RebuildEntityItems(0);
        load += ms(t);
        t = Clock::now();
        RecheckAndRefresh(app->GetDocument(), TRUE);
        check += ms(t);
        t = Clock::now();
        FirstPaint(frame);
        paint += ms(t);
        state.PauseTiming();
        Close(app);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["settings_ms"] = settings / n;
    state.counters["pack_ms"] = pack / n;
    state.counters["frame_ms"] = frameMs / n;
    state.counters["load_ms"] = load / n;
    state.counters["plan_check_ms"] = check / n;
    state.counters["first_paint_ms"] = paint / n;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_StartUpPartsLargePlan)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
