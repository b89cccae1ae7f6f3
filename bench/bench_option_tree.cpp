// The option tree at the size of a large dialog and beyond: 2,000 rows in 100 categories
// (every fifth row with an edit editor). Expanding everything, one full paint of a list window
// 600 pixels high, and Down-arrow steps with their repaint, in microseconds per operation; a
// dialog of 200 rows must stay far under one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

#include "controls/option_tree.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_static.h"
#include "platform/core/virtual_keys.h"
#include "platform/ui/window_defs.h"

namespace {

constexpr int kCategories = 100, kRowsPerCategory = 19;

struct Fixture {
    std::unique_ptr<CWnd> host;
    std::unique_ptr<COptionTree> tree;
};

Fixture& Tree() {
    static Fixture f = [] {
        static int argc = 1;
        static char name[] = "bench_option_tree";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
        Fixture made;
        made.host = std::make_unique<CWnd>();
        made.host->CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0, 500, 700, nullptr,
                            nullptr);
        made.tree = std::make_unique<COptionTree>();
        made.tree->Create(WS_VISIBLE, CRect(0, 0, 460, 650), made.host.get(), 101, 0x19);  // list: 600 high
        for (int c = 0; c < kCategories; ++c) {
            COptionTreeItem* group = made.tree->InsertItem(nullptr, new COptionTreeItem);
            group->SetLabel(CString(L"Category"));
            for (int r = 0; r < kRowsPerCategory; ++r) {
                if (r % 5 == 0) {
                    auto* edit = new COptionTreeItemEdit;
                    made.tree->InsertItem(group, edit);
                    edit->SetLabel(L"Name");
                    edit->CreateEditWindow(0, 0);
                    edit->SetWindowText(L"A value to show");
                } else {
                    auto* text = new COptionTreeItemStatic;
                    made.tree->InsertItem(group, text);
                    text->SetLabel(L"Label of a row");
                    text->SetStaticText(L"A value to show");
                }
            }
        }
        made.tree->ExpandAllItems();
        return made;
    }();
    return f;
}

void BM_ExpandAll(benchmark::State& state) {
    COptionTree& tree = *Tree().tree;
    for (auto _ : state) {
        state.PauseTiming();
        tree.EnumItems(nullptr, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
            item->SetExpanded(FALSE);
            return 1;
        }, 0);
        tree.UpdateScrollRange();
        state.ResumeTiming();
        tree.ExpandAllItems();
    }
}
BENCHMARK(BM_ExpandAll)->Unit(benchmark::kMicrosecond);

void BM_FullPaint(benchmark::State& state) {
    COptionTreeList& list = Tree().tree->GetList();
    for (auto _ : state) {
        list.Invalidate(FALSE);
        list.UpdateWindow();
    }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_DownStepWithRepaint(benchmark::State& state) {
    COptionTree& tree = *Tree().tree;
    COptionTreeList& list = tree.GetList();
    for (auto _ : state) {
        state.PauseTiming();
        tree.SelectItem(nullptr);
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
            list.UpdateWindow();
        }
    }
    // Reported per step.
    state.counters["per_step"] =
        benchmark::Counter(100, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DownStepWithRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
