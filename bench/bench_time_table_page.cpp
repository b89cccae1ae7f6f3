// The timetable page on the large generated plan (1,500 entities, 20,000 entries, 6 days) with
// its busiest teacher current: filling the first pane from the document, and one edit end to end
// (press on a lesson's move strip, drag it an hour later, release: write-back under undo, the
// overlap check, the plan check and the page's refresh). The windows run on Qt's offscreen
// platform.
#include <benchmark/benchmark.h>

#include <string>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "support/plan_generator.h"
#include "support/window_bench.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/wnd_time_table.h"

namespace {

struct Page {
    CScheduleData data;
    CWnd host;
    CWndTimeTable page;
    int teacher = 0;

    Page() {
        EnsureWindowBenchApplication();
        GeneratePlan(data, LargePlanOptions());
        SetAppDocument(&data);
        teacher = BusiestTeacher(data);
        data.m_nCurrentEntity = teacher;
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 1200, 800, nullptr, nullptr);
        page.CreatePage(&host, 1);
        page.MoveWindow(0, 0, 1200, 800);
        host.ShowWindow(SW_SHOW);
        page.Update(4);
    }
    ~Page() {
        host.DestroyWindow();
        SetAppDocument(nullptr);
    }
    CTimeTableCtrlView& Pane() { return page.GetControl().GetPane(0); }
};

void BM_FillView(benchmark::State& state) {
    Page p;
    for (auto _ : state) p.page.FillView(0, p.teacher);
    state.counters["items"] = static_cast<double>(p.Pane().m_arrItems.size());
}
BENCHMARK(BM_FillView)->Unit(benchmark::kMillisecond);

// A movable lesson of the teacher that can go an hour later without putting anyone new over
// their OVERLAPS limit.
bool FindMovableLesson(Page& p, COleDateTime& start, int& activity) {
    const std::vector<int> overLimit = p.data.FindEntitiesOverLimit();
    for (const CTimeTableItem& item : p.Pane().m_arrItems) {
        if (item.m_bGroupItem || item.m_nState != 2 || item.m_rect.IsRectEmpty()) continue;
        CTimetableEntry& entry = *p.data.FindEntryBySerial(item.m_nSource);
        const COleDateTime before = entry.m_dtStart;
        entry.m_dtStart = before + COleDateTimeSpan(0, 1, 0, 0);
        const bool free = p.data.FindEntitiesOverLimit() == overLimit;
        entry.m_dtStart = before;
        if (!free) continue;
        start = before;
        activity = entry.m_nActivity;
        return true;
    }
    return false;
}

void BM_DragMoveRelease(benchmark::State& state) {
    Page p;
    COleDateTime start;
    int activity = 0;
    if (!FindMovableLesson(p, start, activity)) {
        state.SkipWithError("no lesson that can move an hour");
        return;
    }
    CTimeTableCtrlBody& body = p.Pane().GetBody();
    const int hour = p.Pane().GetHeader().GetHourHeight();
    int direction = 1;
    for (auto _ : state) {
        // The lesson goes an hour later, then back, so every edit is accepted.
        state.PauseTiming();
        int index = -1;
        for (std::size_t i = 0; i < p.Pane().m_arrItems.size() && index < 0; ++i) {
            const CTimeTableItem& item = p.Pane().m_arrItems[i];
            if (item.m_nActivity == activity && WholeMinutes(item.m_dtStart - start) == 0) index = static_cast<int>(i);
        }
        if (index < 0) {
            state.SkipWithError("the lesson was not shown");
            break;
        }
        const CRect r = p.Pane().m_arrItems[index].m_rect;
        const int x = r.left + 3, y = r.top + 10, dy = direction * hour;
        state.ResumeTiming();
        body.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        body.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 2, y + dy / 2));
        body.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + dy));
        body.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y + dy));
        state.PauseTiming();
        start += COleDateTimeSpan(0, direction, 0, 0);
        direction = -direction;
        body.KillTimer(body.m_nTimerId);
        state.ResumeTiming();
    }
    state.counters["items"] = static_cast<double>(p.Pane().m_arrItems.size());
}
BENCHMARK(BM_DragMoveRelease)->Unit(benchmark::kMillisecond);

}  // namespace
