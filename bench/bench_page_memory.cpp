// The memory the planning pages keep once visited: the main frame (1,280 x 800) over the large
// plan with the contacts, timetable, tasks and magnet board pages, each page's tab selected and
// painted in turn, twice round. The counters give the resident memory after the first page and
// after the round (in megabytes) and the pictures the windows keep of their client areas (their
// backing stores) at the end: only what is on show should keep one.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <fstream>
#include <memory>
#include <string>

#include "controls/tab_ctrl.h"
#include "frame/main_frame.h"
#include "frame/wnd_contacts.h"
#include "planner/wnd_magnet.h"
#include "planner/wnd_tasks.h"
#include "platform/ui/window_record.h"
#include "support/bench_frame.h"
#include "timetable/wnd_time_table.h"

namespace {

struct Shell : CBenchShell {
    Shell() : CBenchShell(Register()) {}
    static const char* Register() {
        RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
        RegisterFramePage(kPageTimeTable, [] { return std::make_unique<CWndTimeTable>(); });
        RegisterFramePage(kPageTasks, [] { return std::make_unique<CWndTasks>(); });
        RegisterFramePage(kPageMagnet, [] { return std::make_unique<CWndMagnet>(); });
        return "bench_page_memory";
    }
    void Show(int pageId) {
        CFramePage* page = frame->FindPage(pageId);
        for (TabCtrlItem* item : frame->GetTabCtrl().GetItems())
            if (page && item->pageWnd == page->GetSafeHwnd()) frame->GetTabCtrl().SelectTab(item);
        frame->UpdateWindow();
        QApplication::processEvents();
        frame->UpdateWindow();
        QApplication::processEvents();
    }
};

// Kept to the end of the process: the windows must not outlive the toolkit at exit.
Shell& TheShell() {
    static Shell* shell = new Shell;
    return *shell;
}

double ResidentMegabytes() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double StoreMegabytes() {
    double bytes = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* window = dynamic_cast<vorn_ui::CWindowWidget*>(widget))
            if (HWND h = window->hwnd()) bytes += static_cast<double>(h->store.sizeInBytes());
    return bytes / (1024.0 * 1024.0);
}

void BM_VisitFourPlanningPagesLargePlan(benchmark::State& state) {
    Shell& shell = TheShell();
    const int pages[] = {kPageContacts, kPageTimeTable, kPageTasks, kPageMagnet};
    shell.Show(kPageContacts);
    const double first = ResidentMegabytes();
    for (auto _ : state)
        for (int round = 0; round < 2; ++round)
            for (int page : pages) shell.Show(page);
    state.counters["first page MB"] = first;
    state.counters["after round MB"] = ResidentMegabytes();
    state.counters["stores MB"] = StoreMegabytes();
}
BENCHMARK(BM_VisitFourPlanningPagesLargePlan)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
