#include "time_table_page_fixture.h"

#include "controls/main_tab_ctrl.h"
#include "model/time_values.h"
#include "plan_builder.h"
#include "timetable_test_support.h"
#include "timetable/time_table_ctrl_title.h"

void TimeTablePageTest::SetUp() {
    RegisterFramePage(kPageTimeTable, [] { return std::make_unique<CWndTimeTable>(); });
    FrameTest::SetUp();
    RegisterFramePage(kPageTimeTable, {});
    settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    application.data.SetServices(ModelServices{&host, &settings, &answers, &clipboard});
    SetAppDocument(&application.data);
    frame->MoveWindow(0, 0, 1200, 800);
    vorn_test::ProcessEvents();
}

void TimeTablePageTest::TearDown() {
    FrameTest::TearDown();
    SetAppDocument(nullptr);
    CWndTimeTable::s_dialogs = CTimeTableDialogs();
}

void TimeTablePageTest::Load(const char* name) {
    const std::string path = std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name;
    ASSERT_TRUE(application.data.Load(CString(path), TRUE)) << path;
    RecheckAndRefresh(application.data, TRUE);
    ShowTimeTable();
}

void TimeTablePageTest::ShowTimeTable() {
    for (TabCtrlItem* item : frame->GetTabCtrl().GetItems())
        if (item->pageWnd == Page().GetSafeHwnd()) frame->GetTabCtrl().SelectTab(item);
    vorn_test::ProcessEvents();
}

void TimeTablePageTest::ShowWeek(bool sport) {
    CScheduleData& data = Data();
    data.ResetToNew(FALSE);
    data.SetStartDate(COleDateTime(2000, 1, 3, 0, 0, 0));
    data.m_nDays = 5;
    data.m_tDayStart = MakeTimeOfDay(7, 0);
    AddTestEntity(data, 1, 1, L"Ada Brook");
    AddTestEntity(data, 2, 0, L"1a");
    AddTestEntity(data, 3, 0, L"1b");
    AddTestEntity(data, 4, 0, L"1c");
    AddTestEntity(data, 5, 1, L"Ben Cole");
    AddTestEntity(data, 6, 2, L"Cy Dunn");
    AddTestActivity(data, 10, L"Maths", {1, 2});
    AddTestActivity(data, 11, L"Art", {1, 3, 6});
    AddTestActivity(data, 12, L"Music", {1, 4});
    AddTestActivity(data, 13, L"Sport", {5, 6});
    maths = AddTestEntry(data, 10, At(2000, 1, 3, 8, 0), 60);
    art = AddTestEntry(data, 11, At(2000, 1, 3, 10, 0), 60);
    music = AddTestEntry(data, 12, At(2000, 1, 4, 8, 0), 60);
    if (sport) AddTestEntry(data, 13, At(2000, 1, 3, 8, 30), 60);
    data.m_nCurrentEntity = 1;
    RecheckAndRefresh(data, TRUE);
    ShowTimeTable();
    data.DiscardUndo();
}

int TimeTablePageTest::FindEntryItem(int state) {
    const auto& items = Pane().m_arrItems;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!items[i].m_bGroupItem && items[i].m_nState == state && !items[i].m_rect.IsRectEmpty()) return static_cast<int>(i);
    return -1;
}

void TimeTablePageTest::SaveFramePicture(const char* name) {
    vorn_test::ProcessEvents();
    const CString path = vorn_test::PicturePath(name);
    frame->GetWidget()->grab().save(QString::fromStdWString(path.GetString()));
}

int TimeTablePageTest::FindItemOf(std::uint64_t serial) {
    const auto& items = Pane().m_arrItems;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].m_nSource == serial) return static_cast<int>(i);
    return -1;
}

int TimeTablePageTest::FindItemAt(const wchar_t* text, int day, int hour) {
    const auto& items = Pane().m_arrItems;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CTimeTableItem& item = items[i];
        if (item.m_bGroupItem || item.m_strTitle.Find(text) < 0) continue;
        if (item.m_dtStart.GetDay() == day && item.m_dtStart.GetHour() == hour) return static_cast<int>(i);
    }
    return -1;
}

CPoint TimeTablePageTest::PointAt(int day, int hour, int minute) {
    const auto& columns = Page().GetControl().GetTitle().GetColumns();
    const CTimeTableCtrlTitle& title = Page().GetControl().GetTitle();
    for (const CTimeTableDayColumn& column : columns) {
        if (column.m_dtRangeStart[0].GetDay() != day) continue;
        const COleDateTime& d = column.m_dtRangeStart[0];
        const COleDateTime at(d.GetYear(), d.GetMonth(), d.GetDay(), hour, minute, 0);
        return CPoint(title.GetColumnLeft(column) + column.GetEffectiveWidth() / 2, Pane().GetHeader().TimeToY(at));
    }
    return CPoint(-1, -1);
}
