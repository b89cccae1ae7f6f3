// The holidays dialog: names set and removed on the calendar's selection, shown at once in the
// special-days font and written to the holidays file; the name box follows the clicked day.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QPainter>
#include <QWidget>

#include "../controls/language_pack_fixture.h"
#include "../platform/core/temp_folder.h"
#include "app/scheduler_app.h"
#include "dialog_picture.h"
#include "dialogs/holidays_dlg.h"
#include "dialogs/month_list_popup.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

class HolidaysDlgTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_hadConfig = old != nullptr;
        if (old) m_oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        app = std::make_unique<CSchedulerApp>();
        ASSERT_TRUE(dlg.Create(IDD_HOLIDAYS, nullptr));
        dlg.ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
        calendar().SetMonthYear(2024, 3);
        calendar().UpdateWindow();
        calendar().Layout();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        app.reset();
        if (m_hadConfig)
            ::setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        EnglishPackTest::TearDown();
    }
    CMonthGridCtrl& calendar() { return dlg.m_calendar; }
    CPoint PointOf(const COleDateTime& date) {
        calendar().Layout();
        for (const auto& panel : calendar().m_arrPanels)
            for (const auto& cell : panel.cells)
                if (!cell.rect.IsRectEmpty() && cell.date == date) return cell.rect.CenterPoint();
        ADD_FAILURE() << "no cell";
        return CPoint();
    }
    CRect RectOf(const COleDateTime& date) {
        const CPoint p = PointOf(date);
        for (const auto& panel : calendar().m_arrPanels)
            for (const auto& cell : panel.cells)
                if (cell.rect.PtInRect(p)) return cell.rect;
        return CRect();
    }
    void Select(const COleDateTime& from, const COleDateTime& to) {
        vorn_test::MousePress(&calendar(), PointOf(from));
        vorn_test::MouseMove(&calendar(), PointOf(to), Qt::LeftButton);
        vorn_test::MouseRelease(&calendar(), PointOf(to));
    }
    void Command(UINT id) { dlg.SendMessage(WM_COMMAND, id, 0); }
    CString EditText() {
        CString text;
        dlg.m_edit.GetWindowText(text);
        return text;
    }
    // The pixels of a day cell as the window holds them now, without a pending paint.
    std::vector<COLORREF> PixelsOf(const COleDateTime& date) {
        const CRect rect = RectOf(date);
        CClientDC dc(&calendar());
        std::vector<COLORREF> pixels;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) pixels.push_back(dc.GetPixel(x, y));
        return pixels;
    }
    static COleDateTime Day(int year, int month, int day) { return COleDateTime(year, month, day, 0, 0, 0); }

    TempFolder config;
    CScriptedAnswerer answerer;
    std::unique_ptr<CSchedulerApp> app;
    CHolidaysDlg dlg;

private:
    std::string m_oldConfig;
    bool m_hadConfig = false;
};

// The weeks start on the options' first day of the week; Sunday while the settings name none.
TEST_F(HolidaysDlgTest, OpensOnTodayWithSixMonthsAndTheWeekOfTheOptions) {
    const std::pair<COleDateTime, int> firstDays[] = {
        {COleDateTime(0.0), 1},
        {GetFirstWeekDayDate(0), 7},  // Saturday
        {GetFirstWeekDayDate(1), 1},  // Sunday
        {GetFirstWeekDayDate(2), 2},  // Monday
    };
    for (const auto& [setting, first] : firstDays) {
        app->m_dtFirstWeekDay = setting;
        CHolidaysDlg fresh;
        ASSERT_TRUE(fresh.Create(IDD_HOLIDAYS, nullptr));
        const COleDateTime now = COleDateTime::GetCurrentTime();
        const CMonthGridModel& model = fresh.m_calendar.m_model;
        EXPECT_EQ(model.m_dtSelStart, CMonthGridModel::DayOf(now));
        EXPECT_EQ(model.m_nMonth, now.GetMonth());
        EXPECT_EQ(model.GetPanelCount(), 6);
        EXPECT_EQ(model.m_nFirstDayOfWeek, first) << first;
        EXPECT_EQ(model.GetDayLetterIndex(0), first - 1) << "the letters follow";
        EXPECT_EQ(model.m_nMaxRange, 256);
        fresh.DestroyWindow();
    }
}

TEST_F(HolidaysDlgTest, ARangeIsNamedDayByDayAndShownAtOnce) {
    Select(Day(2024, 3, 25), Day(2024, 3, 29));
    const auto plain = PixelsOf(Day(2024, 3, 26));
    dlg.m_edit.SetWindowText(L"Spring break");
    Command(ID_HOLIDAY_SET);
    for (int day = 25; day <= 29; ++day) {
        EXPECT_TRUE(app->IsHoliday(Day(2024, 3, day))) << day;
        EXPECT_EQ(app->GetHolidayName(Day(2024, 3, day)), L"Spring break") << day;
    }
    EXPECT_FALSE(app->IsHoliday(Day(2024, 3, 24)));
    EXPECT_FALSE(app->IsHoliday(Day(2024, 3, 30)));
    EXPECT_NE(PixelsOf(Day(2024, 3, 26)), plain) << "the day shows bold without waiting for another paint";

    // A click on a holiday shows its name; on another day the box empties.
    vorn_test::Click(&calendar(), PointOf(Day(2024, 3, 27)));
    EXPECT_EQ(EditText(), L"Spring break");
    vorn_test::Click(&calendar(), PointOf(Day(2024, 3, 12)));
    EXPECT_EQ(EditText(), L"");

    // Removing a part of the range clears exactly that part, again at once.
    Select(Day(2024, 3, 28), Day(2024, 3, 29));
    const auto bold = PixelsOf(Day(2024, 3, 28));
    Command(ID_HOLIDAY_REMOVE);
    EXPECT_TRUE(app->IsHoliday(Day(2024, 3, 27)));
    EXPECT_FALSE(app->IsHoliday(Day(2024, 3, 28)));
    EXPECT_FALSE(app->IsHoliday(Day(2024, 3, 29)));
    EXPECT_NE(PixelsOf(Day(2024, 3, 28)), bold);
    EXPECT_EQ(EditText(), L"");
}

TEST_F(HolidaysDlgTest, AnEmptyNameIsRefusedAndANewNameReplacesTheOld) {
    vorn_test::Click(&calendar(), PointOf(Day(2024, 4, 1)));
    Command(ID_HOLIDAY_SET);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_HOLIDAY_NO_NAME));
    EXPECT_TRUE(app->GetHolidays().empty());
    dlg.m_edit.SetWindowText(L"Easter");
    Command(ID_HOLIDAY_SET);
    dlg.m_edit.SetWindowText(L"Easter Monday");
    Command(ID_HOLIDAY_SET);
    EXPECT_EQ(app->GetHolidays().size(), 1u);
    EXPECT_EQ(app->GetHolidayName(Day(2024, 4, 1)), L"Easter Monday");
}

TEST_F(HolidaysDlgTest, HolidaysSetInTheDialogReachTheHolidaysFile) {
    Select(Day(2024, 5, 1), Day(2024, 5, 2));
    dlg.m_edit.SetWindowText(L"May days");
    Command(ID_HOLIDAY_SET);
    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);  // closing undoes nothing
    ASSERT_TRUE(app->SaveHolidays());
    std::ifstream file(CSchedulerApp::GetHolidaysPath().ToUtf8(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.str().size(); i += 2) text += bytes.str()[i];  // UTF-16LE, ASCII content
    EXPECT_NE(text.find("DATE=\"01/05/2024\" TAG=\"May days\""), std::string::npos) << text;
    EXPECT_NE(text.find("DATE=\"02/05/2024\" TAG=\"May days\""), std::string::npos) << text;
    app->LoadHolidays();
    EXPECT_TRUE(app->IsHoliday(Day(2024, 5, 2)));
}

TEST_F(HolidaysDlgTest, PictureWithHolidaysAndTheMonthListOpen) {
    for (int day : {1, 29}) app->SetHoliday(Day(2024, 3, day), L"Holiday");
    app->SetHoliday(Day(2024, 5, 1), L"Labour day");
    app->SetHoliday(Day(2024, 7, 4), L"Summer");
    Select(Day(2024, 4, 8), Day(2024, 4, 12));
    calendar().Layout();
    const CPoint title = calendar().m_arrPanels[1].title.CenterPoint();
    vorn_test::MousePress(&calendar(), title);
    ASSERT_TRUE(calendar().m_pPopup);
    vorn_test::MouseMove(&calendar(), title + CPoint(0, 8), Qt::LeftButton);
    // The dialog and the popup over it, as the user sees them.
    QImage picture = GrabWindow(&dlg);
    QWidget* popup = calendar().m_pPopup->GetWidget();
    const QPoint at = dlg.GetWidget()->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
    QPainter painter(&picture);
    painter.drawImage(at, popup->grab().toImage());
    painter.end();
    SavePng(picture, "holidays_dialog.png");
    vorn_test::MouseRelease(&calendar(), title + CPoint(0, 8));
}

}  // namespace
