#include "timetable_test_support.h"

#include <algorithm>
#include <string>

#include "model/time_values.h"
#include "platform/ui/test_support.h"

void TimetableTest::SetUp() {
    const CPackResult r = m_pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc"));
    ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
    CLanguagePack::SetCurrent(&m_pack);
    AfxSetResourcePack(&m_pack);
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);  // weeks begin on Monday
    ModelServices services;
    services.host = &m_host;
    services.settings = &m_settings;
    m_data.SetServices(services);
    SetAppDocument(&m_data);
}

void TimetableTest::TearDown() {
    SetAppDocument(nullptr);
    AfxSetResourcePack(nullptr);
    CLanguagePack::SetCurrent(nullptr);
}

void WeekTemplateTest::SetUp() {
    TimetableTest::SetUp();
    m_data.SetStartDate(COleDateTime(2000, 1, 3, 0, 0, 0));
    m_data.m_nDays = 5;
    m_data.m_tDayStart = MakeTimeOfDay(7, 0);
}

void TimetableTest::LoadFixture(const char* name) {
    const std::string path = std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name;
    ASSERT_TRUE(m_data.Load(CString(path), FALSE)) << path;
}

int TimetableTest::BusiestEntity(int type) {
    int best = 0;
    std::size_t most = 0;
    for (const CEntity& entity : m_data.m_arrEntities) {
        if (entity.m_nType != type) continue;
        std::size_t count = 0;
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            if (entity.TakesPartIn(m_data, entry)) ++count;
        if (count > most) {
            most = count;
            best = entity.m_nId;
        }
    }
    return best;
}

void FillPaneForEntity(CTimeTableCtrl& control, int paneIndex, CScheduleData& data, int entityId) {
    CTimeTableCtrlView& pane = control.GetPane(paneIndex);
    pane.ClearItems();
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return;
    pane.m_nEntity = entityId;
    pane.m_bUnavailable = entity->m_bUnavailable;
    pane.m_nChimeSet = data.GetEntityChimeSetId(entityId);
    for (int i = 0; i < CTimeTableCtrlView::kDaySlots; ++i) {
        pane.m_tDaySlotStart[i] = std::max(entity->m_tDayStart[i], data.m_tDayStart);
        pane.m_tDaySlotEnd[i] = entity->m_tDayEnd[i];
    }
    control.ApplyDaySlotsToColumns(paneIndex);
    for (const CAbsence& absence : entity->m_arrAbsences) {
        CItemTime block;
        block.Init(data, absence.m_dtStart, absence.m_tsLength, absence.m_bWholeDay);
        pane.m_arrAbsences.push_back(block);
    }
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (!entity->TakesPartIn(data, entry)) continue;
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
        int hatch = 6;
        entry.GetDrawColours(data, background, foreground, hatch);
        CTimeTableItem item(activity->GetDisplayName(), background, foreground, hatch, entry.m_dtStart,
                            entry.m_tsLength, entry.GetState(data), 0);
        item.m_nSource = entry.GetSerial();
        item.m_nActivity = activity->m_nId;
        item.m_nGroup = activity->m_nGroup;
        item.m_nChimeSet = entry.GetChimeSetId(data);
        item.m_bHoliday = control.IsHolidayDate(entry.m_dtStart);
        pane.m_arrItems.push_back(item);
    }
    pane.SortItems();
}

CTimeTableItem MakeItem(const CString& title, const COleDateTime& start, int minutes, int activity) {
    CTimeTableItem item(title, RGB(255, 255, 255), RGB(0, 0, 0), 6, start, COleDateTimeSpan(0, 0, minutes, 0), 2, 0);
    item.m_nActivity = activity;
    return item;
}

COleDateTime At(int year, int month, int day, int hour, int minute) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

GridHost::GridHost(int width, int height) : control(&pinned) {
    CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, width, height, nullptr, nullptr);
    CRect client;
    GetClientRect(&client);
    control.Create(WS_CHILD | WS_VISIBLE, client, this, 100);
    ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
}

GridHost::~GridHost() { DestroyWindow(); }

LRESULT GridHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER && message < 0xC000) messages.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}
