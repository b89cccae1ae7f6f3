#pragma once
// The main frame with the tasks page over a document that talks to the frame through the real
// host; the page's record dialogs answer from the test.
#include <algorithm>

#include "../frame/shell_fixture.h"
#include "model/plan_index.h"
#include "platform/ui/idle_hooks.h"
#include "planner/wnd_tasks.h"

class TasksTest : public ShellTest {
protected:
    void SetUp() override {
        RegisterFramePage(kPageTasks, [] { return std::make_unique<CWndTasks>(); });
        ShellTest::SetUp();
        RegisterFramePage(kPageTasks, {});
    }
    void TearDown() override {
        ShellTest::TearDown();
        CWndTasks::s_dialogs = CTasksDialogs();
    }
    CScheduleData& Data() { return application.data; }
    CWndTasks& Tasks() { return *static_cast<CWndTasks*>(frame->FindPage(kPageTasks)); }
    CDiaryCtrl& Diary() { return Tasks().GetDiary(); }
    void ShowTasks() {
        for (TabCtrlItem* item : frame->GetTabCtrl().GetItems())
            if (item->pageWnd == Tasks().GetSafeHwnd()) frame->GetTabCtrl().SelectTab(item);
        frame->RebuildExplorerBar();
        frame->GetTabCtrl().Invalidate();
        RunIdleHooks();
        vorn_test::ProcessEvents();
    }
    // The entity of the type that takes part in the most activities.
    int BusiestEntity(int type) {
        const CPlanIndex index(Data());
        int best = 0;
        std::size_t most = 0;
        for (const CEntity& e : Data().m_arrEntities)
            if (e.m_nType == type && index.ActivitiesOf(e.m_nId).size() > most) {
                most = index.ActivitiesOf(e.m_nId).size();
                best = e.m_nId;
            }
        return best;
    }
    void MakeCurrent(int id) {
        Data().SetCurrentEntity(id);
        vorn_test::ProcessEvents();
    }
    // Loads the school plan and shows the tasks of its busiest teacher.
    void OpenTeacher() {
        Load("school-dated.xml");
        ShowTasks();
        MakeCurrent(BusiestEntity(1));
    }
};
