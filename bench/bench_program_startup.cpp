// Start-up of the real program: vorn-scheduler started on the large plan (1,500 entities,
// 20,000 entries) on the X server named by DISPLAY (skipped without one), from the start of the
// process to its first painted main window, which the program marks in a file when
// VORN_FIRST_PAINT_FILE names one. After the paint the process is watched for one second more;
// the counters give its peak resident memory, the memory of the processes it started (the
// browser engine's helpers) and its threads.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/schedule_data.h"
#include "support/plan_generator.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The large plan written once to a scratch folder, which is also the program's home.
struct Scratch {
    fs::path folder = fs::temp_directory_path() / ("vorn-bench-program-" + std::to_string(::getpid()));
    fs::path plan = folder / "large.xml";
    fs::path mark = folder / "painted";
    Scratch() {
        fs::create_directories(folder / "config");
        CScheduleData data;
        GeneratePlan(data, LargePlanOptions());
        data.RefreshFileStatus(CString(plan.c_str()));
        data.Save(FALSE);
    }
    ~Scratch() { fs::remove_all(folder); }
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

// A "Name:  value kB" line of /proc/<pid>/status, or 0.
long StatusValue(pid_t pid, const std::string& name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(name + ":", 0) == 0) return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
    return 0;
}

pid_t ParentOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The parent follows the command name in brackets and the state.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream rest(text.substr(close + 1));
    std::string state;
    long parent = 0;
    rest >> state >> parent;
    return static_cast<pid_t>(parent);
}

// Every process below pid.
std::vector<pid_t> Descendants(pid_t pid) {
    std::vector<pid_t> found{pid};
    for (std::size_t i = 0; i < found.size(); ++i)
        for (const auto& entry : fs::directory_iterator("/proc")) {
            const std::string name = entry.path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos) continue;
            const pid_t child = static_cast<pid_t>(std::stol(name));
            if (ParentOf(child) == found[i]) found.push_back(child);
        }
    found.erase(found.begin());
    return found;
}

pid_t StartProgram(const Scratch& scratch) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    setenv("HOME", scratch.folder.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch.folder / "config").c_str(), 1);
    setenv("VORN_FIRST_PAINT_FILE", scratch.mark.c_str(), 1);
    if (::geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    unsetenv("QT_QPA_PLATFORM");
    const std::string program = std::string(VORN_BIN_DIR) + "/vorn-scheduler";
    ::execl(program.c_str(), program.c_str(), scratch.plan.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
}

void BM_ProgramToFirstPaintLargePlan(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X server in DISPLAY");
        return;
    }
    Scratch& scratch = TheScratch();
    double peak = 0, helpers = 0, threads = 0;
    for (auto _ : state) {
        fs::remove(scratch.mark);
        const Clock::time_point start = Clock::now();
        const pid_t pid = StartProgram(scratch);
        bool painted = false;
        while (Clock::now() - start < std::chrono::seconds(60)) {
            if (fs::exists(scratch.mark)) {
                painted = true;
                break;
            }
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (painted) std::this_thread::sleep_for(std::chrono::seconds(1));
        const std::vector<pid_t> below = Descendants(pid);
        peak = static_cast<double>(StatusValue(pid, "VmHWM")) / 1024.0;
        threads = static_cast<double>(StatusValue(pid, "Threads"));
        helpers = 0;
        for (pid_t child : below) helpers += static_cast<double>(StatusValue(child, "VmHWM")) / 1024.0;
        ::kill(pid, SIGKILL);
        for (pid_t child : below) ::kill(child, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        if (!painted) {
            state.SkipWithError("the program ended or never painted");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak MB"] = peak;
    state.counters["helpers MB"] = helpers;
    state.counters["threads"] = threads;
}
BENCHMARK(BM_ProgramToFirstPaintLargePlan)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
