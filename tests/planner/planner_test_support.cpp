#include "planner_test_support.h"

#include <string>

#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"

void PlannerTest::SetUp() {
    const CPackResult r = m_pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc"));
    ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
    CLanguagePack::SetCurrent(&m_pack);
    AfxSetResourcePack(&m_pack);
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    ModelServices services;
    services.settings = &m_settings;
    m_data.SetServices(services);
    SetAppDocument(&m_data);
}

void PlannerTest::TearDown() {
    SetAppDocument(nullptr);
    AfxSetResourcePack(nullptr);
    CLanguagePack::SetCurrent(nullptr);
}

void PlannerTest::LoadFixture(const char* name) {
    const std::string path = std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name;
    ASSERT_TRUE(m_data.Load(CString(path), FALSE)) << path;
}

COleDateTime At(int year, int month, int day, int hour, int minute) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

CEntity Working(int startHour, int startMinute, int endHour, int endMinute) {
    CEntity entity;
    for (int i = 0; i < CMagnetRow::kDaySlots; ++i) {
        entity.m_tDayStart[i] = MakeTimeOfDay(startHour, startMinute);
        entity.m_tDayEnd[i] = MakeTimeOfDay(endHour, endMinute);
    }
    return entity;
}

CMagnetItem MakeMagnet(std::uint64_t entry, const COleDateTime& start, int minutes) {
    CMagnetItem magnet(L"M", RGB(255, 255, 255), RGB(0, 0, 0), 6, start, COleDateTimeSpan(0, 0, minutes, 0), 2, 0);
    magnet.m_nEntry = entry;
    return magnet;
}

BoardHost::BoardHost(int width, int height) {
    CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, width, height, nullptr, nullptr);
    CRect client;
    GetClientRect(&client);
    control.Create(WS_CHILD | WS_VISIBLE, client, this, 100);
    ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
}

BoardHost::~BoardHost() { DestroyWindow(); }

LRESULT BoardHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER && message < 0xC000) messages.push_back({message, wParam});
    return CWnd::WindowProc(message, wParam, lParam);
}
