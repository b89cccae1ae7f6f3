// The report page on the large plan, on Qt's offscreen platform: from choosing a report kind
// (its command) to the page shown in the browser, the build of the HTML and the browser's load
// included. The chosen entities are the first classes of the plan (0: every class), with every
// plan day.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <memory>
#include <string>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "frame/main_frame_host.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"
#include "platform/ui_web/html_view.h"
#include "reports/wnd_html.h"
#include "resource_ids.h"
#include "support/bench_frame.h"
#include "support/plan_generator.h"

namespace {

// One main frame with the report page over the large plan, made once. The browser engine is
// prepared before the Qt application exists.
struct Shell : CBenchShell {
    Shell() : CBenchShell(Prepare()) {
        settings.m_strFontName = L"DejaVu Sans";
        settings.m_nFontSize = 12;
    }
    static const char* Prepare() {
        CHtmlView::PrepareEngine();
        RegisterFramePage(kPageReports, [] { return std::make_unique<CWndHTML>(); });
        return "bench_report_page";
    }
    CWndHTML& Page() { return *static_cast<CWndHTML*>(frame->FindPage(kPageReports)); }
};

// Kept to the end of the process: the windows must not outlive the toolkit at exit.
Shell& TheShell() {
    static Shell* shell = new Shell;
    return *shell;
}

void BM_ChooseReportKind(benchmark::State& state) {
    Shell& shell = TheShell();
    CWndHTML& page = shell.Page();
    page.m_entityIds.clear();
    for (const CEntity& entity : shell.app.data.m_arrEntities)
        if (entity.m_nType == 0) page.m_entityIds.push_back(entity.m_nId);
    page.m_dayIndexes.clear();
    for (int d = 0; d < shell.app.data.m_nDays; ++d) page.m_dayIndexes.push_back(d);
    if (state.range(1) > 0) page.m_entityIds.resize(static_cast<std::size_t>(state.range(1)));
    const auto command = static_cast<UINT>(state.range(0));
    for (auto _ : state) {
        page.SendMessage(WM_COMMAND, command, 0);
        benchmark::DoNotOptimize(page.m_html.GetLength());
    }
    state.counters["chars"] = static_cast<double>(page.m_html.GetLength());
    state.counters["entities"] = static_cast<double>(page.m_entityIds.size());
}
BENCHMARK(BM_ChooseReportKind)
    ->ArgNames({"command", "classes"})
    ->Args({ID_REPORT_ENTITY_PAGES, 1})
    ->Args({ID_REPORT_ENTITY_PAGES, 30})
    ->Args({ID_REPORT_ENTITY_PAGES, 0})
    ->Args({ID_REPORT_GRID_ROWS, 30})
    ->Args({ID_REPORT_GRID_ROWS, 0})
    ->Args({ID_REPORT_STATISTICS, 0})
    ->Args({ID_REPORT_PROBLEMS, 0})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
