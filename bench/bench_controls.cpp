// The common controls on documents of realistic size: the entity chooser filtering the large
// plan (1,500 entities) for each keystroke, and the side panel's list filled with 5,000 rows.
// The windows run on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "controls/app_document.h"
#include "controls/entity_combo_box.h"
#include "controls/my_list_ctrl.h"
#include "model/schedule_data.h"
#include "support/plan_generator.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench_controls";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// A top-level window to hold the controls.
struct Host {
    CWnd wnd;
    Host() {
        EnsureApplication();
        wnd.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 600, 600, nullptr, nullptr);
    }
};

// One keystroke after another: the filter text grows, then starts again.
void BM_EntityComboFilterPerKeystroke(benchmark::State& state) {
    Host host;
    CScheduleData data;
    GeneratePlan(data, LargePlanOptions());
    SetAppDocument(&data);
    CEntityComboBox box;
    box.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, CRect(0, 0, 250, 300), &host.wnd, 1234);
    const wchar_t* texts[] = {L"", L"a", L"an", L"ann", L"e", L"er", L"1"};
    size_t i = 0;
    for (auto _ : state) {
        box.GetFilterEdit().SetWindowText(texts[i++ % std::size(texts)]);
        box.Filter();
        benchmark::DoNotOptimize(box.GetCount());
    }
    SetAppDocument(nullptr);
}
BENCHMARK(BM_EntityComboFilterPerKeystroke)->Unit(benchmark::kMicrosecond);

void BM_ListFilledWithRows(benchmark::State& state) {
    Host host;
    CMyListCtrl list;
    list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 500), &host.wnd, 1);
    list.AddColumn(0, L"Name", 200);
    list.EnableGroupView(TRUE);
    for (int g = 1; g <= 4; ++g) list.InsertGroup(L"Group", g);
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        list.DeleteAllItems();
        for (int i = 0; i < rows; ++i) list.InsertGroupItem(1 + i % 4, L"Entity name", i % 6, static_cast<DWORD_PTR>(i + 1));
        benchmark::DoNotOptimize(list.GetItemCount());
    }
}
BENCHMARK(BM_ListFilledWithRows)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
