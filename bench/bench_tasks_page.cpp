// The tasks page on the large generated plan (1,500 entities, 5,000 activities, 20,000 entries)
// for its busiest entity (the one in the most activities, rooms included), in a page of
// 1,200 x 800 pixels: the full refill of the diary, the synchronisation after an edit, one full
// paint of what is in view, and the side panel's lists: the activities the entity may join, the
// people and the rooms that fit the first row's activity, and the open people and rooms lists
// that every plan check rebuilds. The windows run on Qt's offscreen platform.
#include <benchmark/benchmark.h>


#include <memory>
#include <string>

#include "controls/app_document.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "planner/wnd_tasks.h"
#include "resource_ids.h"
#include "support/plan_generator.h"
#include "support/window_bench.h"

namespace {

struct Page {
    CScheduleData data;
    CWnd host;
    std::unique_ptr<CWndTasks> page;
    std::size_t rows = 0;

    Page() {
        EnsureWindowBenchApplication();
        GeneratePlan(data, LargePlanOptions());
        SetAppDocument(&data);
        // The entity that takes part in the most activities.
        const CPlanIndex index(data);
        std::size_t most = 0;
        for (const CEntity& e : data.m_arrEntities)
            if (e.m_nType != 5 && index.ActivitiesOf(e.m_nId).size() > most) {
                most = index.ActivitiesOf(e.m_nId).size();
                data.m_nCurrentEntity = e.m_nId;
            }
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, 1200, 800, nullptr, nullptr);
        page = std::make_unique<CWndTasks>();
        page->CreatePage(&host, 113);
        page->MoveWindow(0, 0, 1200, 800);
        host.ShowWindow(SW_SHOW);
        page->RefreshPanel();
        rows = page->GetDiary().m_arrRows.size();
        Paint();
    }
    ~Page() {
        page.reset();
        host.DestroyWindow();
        SetAppDocument(nullptr);
    }
    // Everything in view painted once: the row names, the title strip and the body.
    void Paint() {
        CDiaryCtrl& diary = page->GetDiary();
        for (CWnd* wnd : {static_cast<CWnd*>(&diary.GetHeader()), static_cast<CWnd*>(&diary.GetPane(0).GetTitle()),
                          static_cast<CWnd*>(&diary.GetPane(0).GetBody())}) {
            wnd->Invalidate(FALSE);
            wnd->UpdateWindow();
        }
    }
};

Page& SharedPage() {
    static Page page;
    return page;
}

void BM_FullRefill(benchmark::State& state) {
    Page& p = SharedPage();
    for (auto _ : state) p.page->RefreshPanel();
    state.counters["rows"] = static_cast<double>(p.rows);
    state.counters["entity times"] = static_cast<double>(p.page->GetDiary().m_arrEntityTimes.size());
}
BENCHMARK(BM_FullRefill)->Unit(benchmark::kMillisecond);

void BM_Synchronise(benchmark::State& state) {
    Page& p = SharedPage();
    for (auto _ : state) p.page->Rebuild();
    state.counters["rows"] = static_cast<double>(p.page->GetDiary().m_arrRows.size());
}
BENCHMARK(BM_Synchronise)->Unit(benchmark::kMillisecond);

void BM_FullPaint(benchmark::State& state) {
    Page& p = SharedPage();
    for (auto _ : state) p.Paint();
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond);

// One panel list: the command that opens it, with the first row flagged where it asks.
void PanelList(benchmark::State& state, UINT command, bool flagFirstRow) {
    Page& p = SharedPage();
    CDiaryCtrl& diary = p.page->GetDiary();
    for (CDiaryRow& row : diary.m_arrRows) row.m_bFlagged = 0;
    if (flagFirstRow && !diary.m_arrRows.empty()) diary.m_arrRows.front().m_bFlagged = 1;
    for (auto _ : state) p.page->SendMessage(WM_COMMAND, command, 0);
    state.counters["items"] = static_cast<double>(p.page->GetPanel().m_arrItems.size());
    if (!diary.m_arrRows.empty()) diary.m_arrRows.front().m_bFlagged = 0;
}

void BM_PanelActivitiesToJoin(benchmark::State& state) { PanelList(state, ID_SHOW_PANEL_LIST, false); }
BENCHMARK(BM_PanelActivitiesToJoin)->Unit(benchmark::kMillisecond);

void BM_PanelPeopleWhoFit(benchmark::State& state) { PanelList(state, ID_SHOW_PANEL_FITTING_ENTITIES, true); }
BENCHMARK(BM_PanelPeopleWhoFit)->Unit(benchmark::kMillisecond);

void BM_PanelRoomsThatFit(benchmark::State& state) { PanelList(state, ID_SHOW_PANEL_FITTING_ROOMS, true); }
BENCHMARK(BM_PanelRoomsThatFit)->Unit(benchmark::kMillisecond);

void BM_OpenPeopleListRebuilt(benchmark::State& state) { PanelList(state, ID_SHOW_PANEL_ENTITIES, false); }
BENCHMARK(BM_OpenPeopleListRebuilt)->Unit(benchmark::kMillisecond);

void BM_OpenRoomsListRebuilt(benchmark::State& state) { PanelList(state, ID_SHOW_PANEL_ROOMS, false); }
BENCHMARK(BM_OpenRoomsListRebuilt)->Unit(benchmark::kMillisecond);

}  // namespace
