// The date picker and the month calendar: values in and out as COleDateTime, and the
// notifications of the user's changes (none for the program's).
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QWidget>

#include "notify_host.h"
#include "platform/ui/date_time_ctrl.h"
#include "platform/ui/month_cal_ctrl.h"
#include "platform/ui/test_support.h"

TEST(DateTimeControl, TimeRoundTripAndUserChange) {
    NotifyHost host;
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_VISIBLE | DTS_LONGDATEFORMAT, CRect(10, 10, 250, 34), &host, 4));
    host.Clear();
    ASSERT_TRUE(picker.SetTime(COleDateTime(2026, 3, 14, 9, 30, 0)));
    EXPECT_TRUE(host.notifications.empty());
    COleDateTime got;
    ASSERT_TRUE(picker.GetTime(got));
    EXPECT_EQ(got, COleDateTime(2026, 3, 14, 9, 30, 0));
    EXPECT_TRUE(picker.SetFormat(L"yyyy, MMM d, ddd"));
    EXPECT_EQ(picker.GetWidget()->findChild<QDateTimeEdit*>()->displayFormat(), QStringLiteral("yyyy, MMM d, ddd"));
    // The user steps the day with the arrow key.
    picker.SetFocus();
    picker.GetWidget()->findChild<QDateTimeEdit*>()->setCurrentSection(QDateTimeEdit::DaySection);
    vorn_test::KeyPress(&picker, Qt::Key_Up);
    ASSERT_TRUE(picker.GetTime(got));
    EXPECT_EQ(got, COleDateTime(2026, 3, 15, 9, 30, 0));
    ASSERT_FALSE(host.notifications.empty());
    EXPECT_EQ(host.notifications.back().code, DTN_DATETIMECHANGE);
}

TEST(MonthCalControl, SelectionAtMidnightAndRange) {
    NotifyHost host;
    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(10, 10, 300, 220), &host, 5));
    ASSERT_TRUE(calendar.SetCurSel(COleDateTime(2026, 9, 7, 15, 45, 0)));
    COleDateTime got;
    ASSERT_TRUE(calendar.GetCurSel(got));
    EXPECT_EQ(got, COleDateTime(2026, 9, 7, 0, 0, 0));
    const COleDateTime low(2026, 9, 1, 0, 0, 0), high(2026, 9, 30, 0, 0, 0);
    calendar.SetRange(&low, &high);
    EXPECT_FALSE(calendar.SetCurSel(COleDateTime(2026, 10, 2, 0, 0, 0)));
    host.Clear();
    calendar.GetWidget()->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2026, 9, 9));  // as a click does
    ASSERT_FALSE(host.notifications.empty());
    EXPECT_EQ(host.notifications.front().code, MCN_SELCHANGE);
}
