// The magnet board on the large generated plan (1,500 entities as rows, 20,000 entries, 6 days)
// in a board of 1,200 x 800 pixels: the layout pass with one full paint of what is in view, the
// repaint of the current row on every pointer move and blink of a drag, what a drag collects as
// it begins, and a zoom step; the
// magnets built from the document, and a drag released on the magnet page up to the rebuilt
// board; the swap marks of a drag in the busiest row. The windows run on Qt's offscreen platform.
#include <benchmark/benchmark.h>


#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board_fill.h"
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/page_content.h"
#include "planner/magnet_build.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "planner/wnd_magnet.h"
#include "support/plan_generator.h"
#include "support/window_bench.h"

namespace {

struct Board {
    CScheduleData data;
    CWnd host;
    std::unique_ptr<CMagnetCtrl> control;

    Board() {
        EnsureWindowBenchApplication();
        GeneratePlan(data, LargePlanOptions());
        SetAppDocument(&data);
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 1200, 800, nullptr, nullptr);
        control = std::make_unique<CMagnetCtrl>();
        control->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 1200, 800), &host, 100);
        host.ShowWindow(SW_SHOW);
        FillBoard(*control, data, -1);
        control->RecalcLayout();
        Paint();
    }
    ~Board() {
        control.reset();
        host.DestroyWindow();
        SetAppDocument(nullptr);
    }
    // Everything in view painted once: the header, the title strip and the body.
    void Paint() {
        for (CWnd* wnd : {static_cast<CWnd*>(&control->GetHeader()), static_cast<CWnd*>(&control->GetPane(0).GetTitle()),
                          static_cast<CWnd*>(&control->GetPane(0).GetBody())}) {
            wnd->Invalidate(FALSE);
            wnd->UpdateWindow();
        }
    }
};

void BM_LayoutAndFullPaint(benchmark::State& state) {
    Board board;
    for (auto _ : state) {
        board.control->LayoutBoard();
        board.Paint();
    }
    std::size_t magnets = 0;
    for (const CMagnetRow& row : board.control->GetRows()) magnets += row.m_arrMagnets.size();
    state.counters["rows"] = static_cast<double>(board.control->GetRows().size());
    state.counters["magnets"] = static_cast<double>(magnets);
}
BENCHMARK(BM_LayoutAndFullPaint)->Unit(benchmark::kMicrosecond);

void BM_Layout(benchmark::State& state) {
    Board board;
    for (auto _ : state) board.control->LayoutBoard();
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMicrosecond);

void BM_FullPaint(benchmark::State& state) {
    Board board;
    for (auto _ : state) board.Paint();
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

// One part painted alone: 0 the row header, 1 the title strip, 2 the body.
void BM_PaintPart(benchmark::State& state) {
    Board board;
    CWnd* parts[] = {&board.control->GetHeader(), &board.control->GetPane(0).GetTitle(), &board.control->GetPane(0).GetBody()};
    CWnd* wnd = parts[state.range(0)];
    for (auto _ : state) {
        wnd->Invalidate(FALSE);
        wnd->UpdateWindow();
    }
}
BENCHMARK(BM_PaintPart)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PaintRowDuringDrag(benchmark::State& state) {
    Board board;
    CMagnetCtrl& control = *board.control;
    // The row in view with the most magnets is current; its first magnet is moved.
    int best = 0;
    std::size_t most = 0;
    for (int i = 0; i < 15; ++i) {
        const CMagnetRow& row = control.GetRows()[i];
        if (row.m_arrMagnets.size() > most) {
            most = row.m_arrMagnets.size();
            best = row.m_nEntityId;
        }
    }
    control.SelectRow(best);
    CMagnetRow& row = *control.GetCurrentRow();
    CMagnetItem& dragged = row.m_arrMagnets.front();
    control.SelectSingle(dragged);
    control.m_nDragMode = CMagnetCtrl::kDragMove;
    control.m_bDragActive = 1;
    control.m_dtDragStart = dragged.m_dtEntryStart;
    for (std::size_t i = 1; i < row.m_arrMagnets.size(); ++i) {
        row.m_arrMagnets[i].m_nSwapMark = i % 2 ? 17 : 18;
        control.m_arrClashBlocks.push_back(CItemTime(row.m_arrMagnets[i].m_dtEntryStart, row.m_arrMagnets[i].m_tsEntryLength, 0, 0));
    }
    CMagnetCtrlBody& body = control.GetPane(0).GetBody();
    int x = 0;
    for (auto _ : state) {
        control.m_ptDrag = CPoint(x++ % 600, row.m_rect.top + 10);
        control.m_nBlinkPhase = 1 - control.m_nBlinkPhase;
        body.PaintRow(best);
    }
    state.counters["magnets in row"] = static_cast<double>(row.m_arrMagnets.size());
}
BENCHMARK(BM_PaintRowDuringDrag)->Unit(benchmark::kMicrosecond);

// What a drag collects as it begins: the clash blocks (a walk of every entry) and the members'
// blocked times. Argument 0: a class's ungrouped magnet pressed at its grip; 1: the group with
// the most activities dragged from the entity board.
void BM_DragFeedback(benchmark::State& state) {
    Board board;
    CMagnetCtrl& control = *board.control;
    const CMagnetItem* pressed = nullptr;
    for (const CMagnetRow& row : control.GetRows()) {
        for (const CMagnetItem& magnet : row.m_arrMagnets)
            if (!pressed && !magnet.m_bGroupItem) pressed = &magnet;
    }
    int group = 0;
    std::size_t most = 0;
    for (const CActivityGroup& g : board.data.m_arrGroups) {
        std::size_t count = 0;
        for (const CActivity& activity : board.data.m_arrActivities) count += activity.m_nGroup == g.m_nId;
        if (count > most) {
            most = count;
            group = g.m_nId;
        }
    }
    if (!pressed || (state.range(0) == 1 && group == 0)) {
        state.SkipWithError("nothing to drag");
        return;
    }
    for (auto _ : state) {
        if (state.range(0) == 0) {
            control.CollectMoveFeedback(*pressed);
        } else {
            control.CollectClashBlocks(group, CMagnetItem::kNoEntry, 1);
            control.ClearBlockedTimes();
            control.CollectBlockedTimes(1, group);
        }
    }
    state.counters["clash blocks"] = static_cast<double>(control.m_arrClashBlocks.size());
    state.counters["blocked times"] = static_cast<double>(control.m_arrBlockedTimes.size());
}
BENCHMARK(BM_DragFeedback)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State& state) {
    Board board;
    bool in = true;
    for (auto _ : state) {
        if (in)
            board.control->ZoomIn();
        else
            board.control->ZoomOut();
        in = !in;
        board.Paint();
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMicrosecond);

// The swap marks of a drag: the busiest row's magnets marked for its first movable magnet, with
// the free hours of the row's entity, as a press on the move grip computes them.
void BM_MarkSwapTargets(benchmark::State& state) {
    Board board;
    CMagnetCtrl& control = *board.control;
    const CMagnetRow* busiest = nullptr;
    for (const CMagnetRow& row : control.GetRows())
        if (!busiest || row.m_arrMagnets.size() > busiest->m_arrMagnets.size()) busiest = &row;
    if (!busiest) return;
    control.SelectRow(busiest->m_nEntityId);
    CMagnetRow& row = *control.GetCurrentRow();
    for (CMagnetItem& magnet : row.m_arrMagnets) {
        if (magnet.m_bGroupItem || !magnet.IsActive()) continue;
        control.SelectSingle(magnet);
        break;
    }
    std::size_t marked = 0;
    for (auto _ : state) {
        control.MarkSwapTargets();
        benchmark::DoNotOptimize(row.m_arrMagnets.data());
    }
    for (const CMagnetItem& magnet : row.m_arrMagnets) marked += magnet.m_nSwapMark != 0;
    state.counters["magnets"] = static_cast<double>(row.m_arrMagnets.size());
    state.counters["marked"] = static_cast<double>(marked);
}
BENCHMARK(BM_MarkSwapTargets)->Unit(benchmark::kMillisecond);

// The magnets of every class row built from the document, as the page does after every edit;
// argument 1 the plan with its activity groups, 0 the same plan without groups.
void BM_BuildMagnets(benchmark::State& state) {
    EnsureWindowBenchApplication();
    CScheduleData data;
    PlanOptions options = LargePlanOptions();
    if (state.range(0) == 0) options.groupedShare = 0.0;
    GeneratePlan(data, options);
    std::vector<CMagnetRow> rows;
    for (const CEntity& entity : data.m_arrEntities)
        if (entity.m_nType == 0) rows.emplace_back(entity.m_nId, entity.m_strName, entity.m_nType);
    for (auto _ : state) {
        BuildMagnets(data, rows, false);
        BuildAbsenceBlocks(data, rows);
    }
    std::size_t magnets = 0;
    for (const CMagnetRow& row : rows) magnets += row.m_arrMagnets.size();
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["magnets"] = static_cast<double>(magnets);
}
BENCHMARK(BM_BuildMagnets)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The frame's part of the plan check's refresh: the page rebuilds from the content.
class CPageRefresher : public IModelHost {
public:
    CWndMagnet* page = nullptr;
    void RefreshAllPages(const CPageContent& content) override {
        if (page) page->RefreshContent(content);
    }
};

// A magnet dragged one hour later and released: the page writes it back under undo, checks the
// overlap limits and rebuilds the board. The next round moves it back. Argument 0: the plan as
// generated, whose staff are now and then booked twice, so the check finds an entity over its
// limit and the edit is rolled back; 1: the limits raised so that the edit is kept and the plan
// check runs.
void BM_DragReleaseEdit(benchmark::State& state) {
    EnsureWindowBenchApplication();
    CScheduleData data;
    GeneratePlan(data, LargePlanOptions());
    if (state.range(0) == 1)
        for (CEntity& entity : data.m_arrEntities)
            if (entity.m_nOverlaps != 0) entity.m_nOverlaps = 50;
    CPageRefresher refresher;
    ModelServices services;
    services.host = &refresher;
    data.SetServices(services);
    SetAppDocument(&data);
    CWnd host;
    host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 1400, 800, nullptr, nullptr);
    auto page = std::make_unique<CWndMagnet>();
    page->CreatePage(&host, 1);
    page->MoveWindow(0, 0, 1400, 800);
    host.ShowWindow(SW_SHOW);
    refresher.page = page.get();
    page->Update(4);
    CMagnetCtrl& control = page->GetControl();
    int hours = 1;
    int kept = 0, rounds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The first row with an ungrouped magnet that is alone in it.
        CMagnetItem* moved = nullptr;
        for (CMagnetRow& row : control.GetRows()) {
            for (CMagnetItem& magnet : row.m_arrMagnets)
                if (!magnet.m_bGroupItem && !magnet.HasMergedEntries()) moved = &magnet;
            if (moved) {
                control.SelectRow(row.m_nEntityId);
                break;
            }
        }
        if (!moved) break;
        moved->m_dtEntryStart += COleDateTimeSpan(0, hours, 0, 0);
        hours = -hours;
        const std::uint64_t serial = moved->m_nEntry;
        const COleDateTime wanted = moved->m_dtEntryStart;
        state.ResumeTiming();
        page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
        state.PauseTiming();
        const auto entry = data.FindEntryBySerial(serial);
        if (entry != data.m_arrEntries.end() && entry->m_dtStart == wanted) ++kept;
        ++rounds;
        state.ResumeTiming();
    }
    state.counters["kept"] = rounds ? static_cast<double>(kept) / rounds : 0.0;
    refresher.page = nullptr;
    page.reset();
    host.DestroyWindow();
    SetAppDocument(nullptr);
}
BENCHMARK(BM_DragReleaseEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
