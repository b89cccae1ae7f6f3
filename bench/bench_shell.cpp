// The shell's heavy paths on generated plans, on Qt's offscreen platform: the contacts page
// filled from the large plan (1,500 entities) and painted once, a switch between two of its
// tabs, the message panel filled with the problems of the large plan, and a week grid for every
// entity of the school plan. Each figure is per operation.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <memory>
#include <string>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "frame/main_frame_host.h"
#include "frame/wnd_contacts.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"
#include "report_builders/week_grid.h"
#include "resource_ids.h"
#include "support/bench_frame.h"
#include "support/plan_generator.h"

namespace {

// One main frame with the contacts page over the large plan, made once.
struct Shell : CBenchShell {
    Shell() : CBenchShell(Register()) {}
    static const char* Register() {
        RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
        return "bench_shell";
    }
    CWndContacts& Contacts() { return *static_cast<CWndContacts*>(frame->FindPage(kPageContacts)); }
};

// Kept to the end of the process: the windows must not outlive the toolkit at exit.
Shell& TheShell() {
    static Shell* shell = new Shell;
    return *shell;
}

void SwitchTab(CWndContacts& page, int key) {
    page.GetTabs().SelectTabByKey(key);
    page.SendMessage(CMyVerticalTabCtrl::kSelected, static_cast<WPARAM>(key), 0);
}

void BM_ContactsFillAndPaintLargePlan(benchmark::State& state) {
    Shell& shell = TheShell();
    CWndContacts& page = shell.Contacts();
    SwitchTab(page, 1);  // staff: the largest tab
    for (auto _ : state) {
        page.FillCards();
        page.GetCards().m_wndBody.Invalidate(FALSE);
        page.GetCards().m_wndBody.UpdateWindow();
    }
    state.counters["cards"] = static_cast<double>(page.GetCards().m_wndBody.m_arrCards.size());
}
BENCHMARK(BM_ContactsFillAndPaintLargePlan)->Unit(benchmark::kMillisecond);

// A switch between the classes and the staff tab, painted: the page switch a user sees.
void BM_ContactsTabSwitchLargePlan(benchmark::State& state) {
    Shell& shell = TheShell();
    CWndContacts& page = shell.Contacts();
    int key = 0;
    for (auto _ : state) {
        key = key == 0 ? 1 : 0;
        SwitchTab(page, key);
        page.GetCards().m_wndBody.UpdateWindow();
    }
}
BENCHMARK(BM_ContactsTabSwitchLargePlan)->Unit(benchmark::kMillisecond);

void BM_MessagePanelFillLargePlan(benchmark::State& state) {
    Shell& shell = TheShell();
    RecheckAndRefresh(shell.app.data, TRUE);
    const auto problems = shell.app.data.m_arrProblems.size();
    for (auto _ : state) {
        shell.frame->FillMessagePanel();
        shell.frame->GetMessagePanel().UpdateWindow();
    }
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_MessagePanelFillLargePlan)->Unit(benchmark::kMillisecond);

void BM_WeekGridEveryEntitySchoolPlan(benchmark::State& state) {
    CScheduleData data;
    GeneratePlan(data, SchoolPlanOptions());
    for (auto _ : state)
        for (const CEntity& entity : data.m_arrEntities) benchmark::DoNotOptimize(BuildWeekGrid(data, entity.m_nId, true));
    // items_per_second: grids per second; one grid takes its inverse.
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.m_arrEntities.size()));
}
BENCHMARK(BM_WeekGridEveryEntitySchoolPlan)->Unit(benchmark::kMillisecond);

}  // namespace
