// The timetable grid on the large generated plan (1,500 entities, 20,000 entries, 6 days), showing
// the week of its busiest teacher: the layout pass with one full paint of the body, the repaint
// when the pointer moves from one item to another, and the 500 ms blink repaint of a drag. The
// windows run on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "support/plan_generator.h"
#include "support/window_bench.h"
#include "timetable/time_table_ctrl.h"

namespace {

// The large plan in a grid of 1,200 x 800 pixels with the busiest teacher's items in the first
// pane, built as the timetable page builds them.
struct Grid {
    CScheduleData data;
    std::vector<CItemTime> pinned;
    CWnd host;
    std::unique_ptr<CTimeTableCtrl> control;
    int teacher = 0;

    // The large generated plan, or a document of the shared fixtures.
    explicit Grid(const char* fixture = nullptr) {
        EnsureWindowBenchApplication();
        if (fixture)
            data.Load(CString(std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + fixture), FALSE);
        else
            GeneratePlan(data, LargePlanOptions());
        SetAppDocument(&data);
        teacher = BusiestTeacher(data);
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 1200, 800, nullptr, nullptr);
        control = std::make_unique<CTimeTableCtrl>(&pinned);
        control->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 1200, 800), &host, 100);
        host.ShowWindow(SW_SHOW);
        control->SetDayRange(data.m_nDays, data.GetStartDate(), data.m_tDayStart);
        control->GetTitle().LayoutColumns(teacher);
        Fill();
    }
    ~Grid() {
        control.reset();
        host.DestroyWindow();
        SetAppDocument(nullptr);
    }
    void Fill() {
        CTimeTableCtrlView& pane = control->GetPane(0);
        pane.ClearItems();
        const auto entity = data.FindEntity(teacher);
        pane.m_nEntity = teacher;
        for (CTimetableEntry& entry : data.m_arrEntries) {
            if (!entity->TakesPartIn(data, entry)) continue;
            const auto activity = data.FindActivity(entry.m_nActivity);
            COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
            int hatch = 6;
            entry.GetDrawColours(data, background, foreground, hatch);
            CTimeTableItem item(activity->GetDisplayName(), background, foreground, hatch, entry.m_dtStart,
                                entry.m_tsLength, entry.GetState(data), 0);
            item.m_nSource = entry.GetSerial();
            item.m_nActivity = activity->m_nId;
            item.m_nGroup = activity->m_nGroup;
            pane.m_arrItems.push_back(item);
        }
    }
    CTimeTableCtrlView& Pane() { return control->GetPane(0); }
    CTimeTableCtrlBody& Body() { return Pane().GetBody(); }
};

void BM_LayoutAndFullPaint(benchmark::State& state) {
    Grid grid;
    for (auto _ : state) {
        grid.Pane().SortItems();
        grid.Body().Invalidate(FALSE);
        grid.Body().UpdateWindow();
    }
    state.counters["items"] = static_cast<double>(grid.Pane().m_arrItems.size());
}
BENCHMARK(BM_LayoutAndFullPaint)->Unit(benchmark::kMicrosecond);

void BM_HoverRepaint(benchmark::State& state) {
    Grid grid;
    grid.Pane().SortItems();
    grid.Body().UpdateWindow();
    const CPoint points[] = {grid.Pane().m_arrItems.front().m_rect.CenterPoint(),
                             grid.Pane().m_arrItems.back().m_rect.CenterPoint()};
    int i = 0;
    for (auto _ : state) {
        grid.Body().SetCurrentPoint(points[i++ % 2]);
        grid.Body().UpdateWindow();
    }
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond);

void BM_BlinkRepaint(benchmark::State& state) {
    Grid grid;
    CTimeTableCtrlView& pane = grid.Pane();
    pane.SortItems();
    // A move is under way: the first item is dragged, the others carry swap marks.
    pane.m_arrItems.front().m_bSelected = 1;
    pane.m_nCurrentItem = 0;
    for (std::size_t i = 1; i < pane.m_arrItems.size(); ++i) pane.m_arrItems[i].m_nSwapMark = i % 2 ? 17 : 18;
    grid.control->GetTitle().ComputeFreeTime(pane.m_arrItems.front().m_nActivity, 0);
    CTimeTableCtrlBody& body = pane.GetBody();
    body.m_bPressed = body.m_bDragging = body.m_bMarks = 1;
    body.m_nDragMode = CTimeTableCtrlBody::kDragMove;
    body.SetCurrentPoint(pane.m_arrItems.front().m_rect.CenterPoint() + CPoint(120, 60));
    body.m_nPressX = pane.m_arrItems.front().m_rect.left + 4;
    body.m_nPressY = pane.m_arrItems.front().m_rect.top + 4;
    body.UpdateWindow();
    for (auto _ : state) {
        body.SendMessage(WM_TIMER, CTimeTableCtrlBody::kBlinkTimer, 0);
        body.UpdateWindow();
    }
    body.KillTimer(body.m_nTimerId);
}
BENCHMARK(BM_BlinkRepaint)->Unit(benchmark::kMicrosecond);

// A press on the move strip of the busiest teacher's first item: the swap marks of every other
// item (with the free hours of the teacher as the current entity). In the large plan every class
// is busy every hour, so no item gets a mark; the school plan has room for exchanges and
// rotations, so there the three-way search runs too.
void SwapMarksOfAPress(benchmark::State& state, const char* fixture) {
    Grid grid(fixture);
    grid.data.m_nCurrentEntity = grid.teacher;
    CTimeTableCtrlView& pane = grid.Pane();
    pane.SortItems();
    pane.m_arrItems.front().m_bSelected = 1;
    pane.m_nCurrentItem = 0;
    for (auto _ : state) pane.ComputeSwapMarks();
    int marked = 0;
    for (const CTimeTableItem& item : pane.m_arrItems) marked += item.m_nSwapMark != 0;
    state.counters["items"] = static_cast<double>(pane.m_arrItems.size());
    state.counters["marked"] = marked;
}
void BM_SwapMarksOfAPress(benchmark::State& state) { SwapMarksOfAPress(state, nullptr); }
BENCHMARK(BM_SwapMarksOfAPress)->Unit(benchmark::kMillisecond);
void BM_SwapMarksOfAPressSchoolPlan(benchmark::State& state) { SwapMarksOfAPress(state, "school-template.xml"); }
BENCHMARK(BM_SwapMarksOfAPressSchoolPlan)->Unit(benchmark::kMillisecond);

// The feedback set-up when the busiest teacher's first item is pressed and dragged: its clash
// blocks, then the free time and blocked times of its activity.
void BM_DragFeedbackSetUp(benchmark::State& state) {
    Grid grid;
    CTimeTableCtrlView& pane = grid.Pane();
    pane.SortItems();
    const CTimeTableItem& pressed = pane.m_arrItems.front();
    for (auto _ : state) {
        pane.BuildClashBlocks(pressed.m_nActivity, pressed.m_nSource, 0);
        pane.ClearBlockedTimes();
        pane.PrepareDragFeedback(0, pressed.m_nActivity);
    }
    state.counters["clash_blocks"] = static_cast<double>(pane.m_arrClashBlocks.size());
    state.counters["blocked"] = static_cast<double>(pane.m_arrBlockedTimes.size());
}
BENCHMARK(BM_DragFeedbackSetUp)->Unit(benchmark::kMillisecond);

}  // namespace
