// The diary control driven through the layer's input path: selection kinds, ranges over days,
// collapsing and sorting, scrolling, the split bar, double-click notices, the side panel's drag
// protocol and the body's entity navigation.
#include "planner/diary_ctrl.h"

#include <algorithm>

#include "model/time_values.h"
#include "planner/diary_messages.h"
#include "planner_test_support.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

// A window that hosts a diary over its client area and records the private messages it gets.
class DiaryHost : public CWnd {
public:
    explicit DiaryHost(int width = 900, int height = 500) {
        CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, width, height, nullptr, nullptr);
        CRect client;
        GetClientRect(&client);
        diary.Create(WS_CHILD | WS_VISIBLE, client, this, 100);
        ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    ~DiaryHost() override { DestroyWindow(); }
    CDiaryCtrl diary;
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> messages;
    const Message* Last(UINT message) const {
        for (auto it = messages.rbegin(); it != messages.rend(); ++it)
            if (it->message == message) return &*it;
        return nullptr;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER && message < 0xC000) messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DiaryTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        m_data.SetStartDate(At(2026, 10, 5, 0, 0));
        m_data.m_nDays = 5;
        for (int i = 0; i < CDiaryCtrl::kDaySlots; ++i) {
            host.diary.m_tDayStart[i] = MakeTimeOfDay(8, 0);
            host.diary.m_tDayEnd[i] = MakeTimeOfDay(14, 0);
        }
        host.diary.SetDays(5, At(2026, 10, 5, 0, 0), MakeTimeOfDay(7, 0));
    }
    // Rows: "Maths" (10) and "Art" (11) in group 7 "Arts", "Chess" (12) without a group; each with
    // two members.
    void Fill() {
        CDiaryCtrl& d = host.diary;
        d.AddRow(L"Chess", 0, 0, 6, 0, 12, L"", 0);
        d.AddRow(L"Maths", 0, 0, 6, 0, 10, L"", 7);
        d.AddRow(L"Art", 0, 0, 6, 0, 11, L"", 7);
        d.AddGroup(L"Arts", RGB(200, 100, 100), L"(2:00)4:00", 7);
        for (int id : {10, 11, 12}) {
            d.AddRowMember(id, L"Zoe", 1, 100 + id, 0);
            d.AddRowMember(id, L"7b", 0, 200, 0);
        }
        d.SortRows();
        d.ClearSelection();
        d.Relayout();
        vorn_test::ProcessEvents();
    }
    // The point in the row-name column on line `line` of the row of the activity (0 the caption).
    CPoint HeaderPoint(int activity, int line, int x = 60) {
        const CDiaryRow& row = host.diary.m_arrRows[host.diary.FindRow(activity)];
        return CPoint(x, row.m_rect.top + line * host.diary.GetLineHeight() + 5 - host.diary.GetVerticalOffset());
    }
    // The body point on line `line` of the row at the hour (counted from the day start) of day column `day`.
    CPoint BodyPoint(int activity, int line, int day, int hour) {
        const CDiaryCtrlTitle& title = host.diary.GetPane(0).GetTitle();
        const CDayColumn& column = title.GetColumns()[day];
        const int x = column.m_nLeft + hour * title.GetHourWidth() + title.GetHourWidth() / 2;
        return CPoint(x, HeaderPoint(activity, line).y);
    }
    CWnd* Header() { return &host.diary.GetHeader(); }
    CWnd* Body() { return &host.diary.GetPane(0).GetBody(); }
    DiaryHost host;
};

}  // namespace

TEST_F(DiaryTest, SortPutsGroupedRowsFirstByGroupNameThenCaptionAndMembersByTypeThenName) {
    Fill();
    const CDiaryCtrl& d = host.diary;
    ASSERT_EQ(d.m_arrRows.size(), 3u);
    EXPECT_EQ(d.m_arrRows[0].m_strCaption, CString(L"Art"));
    EXPECT_EQ(d.m_arrRows[1].m_strCaption, CString(L"Maths"));
    EXPECT_EQ(d.m_arrRows[2].m_strCaption, CString(L"Chess"));
    EXPECT_EQ(d.m_arrRows[0].m_arrMembers[0].m_strName, CString(L"7b"));  // type 0 before type 1
    // The group's caption line lies above its first row; the ungrouped row follows the group's band.
    EXPECT_EQ(d.m_arrGroups[0].m_rect.bottom, d.m_arrRows[0].m_rect.top);
    EXPECT_EQ(d.m_arrRows[2].m_rect.top, d.m_arrRows[1].m_rect.bottom + 2);
}

TEST_F(DiaryTest, ClicksSelectRowsMembersGroupsAndHourRanges) {
    Fill();
    CDiaryCtrl& d = host.diary;
    vorn_test::Click(Header(), HeaderPoint(10, 0));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectRows);
    EXPECT_EQ(d.CountFlaggedRows(), 1);
    vorn_test::Click(Header(), HeaderPoint(11, 0), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(d.CountFlaggedRows(), 2);

    vorn_test::Click(Header(), HeaderPoint(12, 2));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectMembers);
    EXPECT_TRUE(d.m_arrRows[d.FindRow(12)].m_arrMembers[1].m_bSelected);
    EXPECT_TRUE(d.m_arrRows[d.FindRow(12)].m_bFlagged);
    // Ctrl on the only selected member clears it and its row's flag.
    vorn_test::Click(Header(), HeaderPoint(12, 2), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(d.CountFlaggedRows(), 0);

    const CRect& caption = d.m_arrGroups[0].m_rect;
    vorn_test::Click(Header(), CPoint(60, caption.top + 5));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectGroup);
    EXPECT_EQ(d.CountSelectedGroups(), 1);

    vorn_test::Click(Body(), BodyPoint(10, 1, 1, 2));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectRange);
    EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart, At(2026, 10, 6, 10, 0)), 0);
    EXPECT_EQ(WholeMinutes(d.m_tsRangeLength), 60);
    // Shift on a member line starts a new range too.
    vorn_test::Click(Body(), BodyPoint(11, 1, 0, 0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart, At(2026, 10, 5, 8, 0)), 0);
    EXPECT_EQ(d.m_nCurrentRow, d.FindRow(11));
}

TEST_F(DiaryTest, RangeDragExtendsWithinOneDayOfOneRowOnly) {
    Fill();
    CDiaryCtrl& d = host.diary;
    vorn_test::MousePress(Body(), BodyPoint(10, 1, 1, 1));
    vorn_test::MouseMove(Body(), BodyPoint(10, 2, 1, 3), Qt::LeftButton);
    EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart, At(2026, 10, 6, 9, 0)), 0);
    EXPECT_EQ(WholeMinutes(d.m_tsRangeLength), 180);
    vorn_test::MouseMove(Body(), BodyPoint(10, 1, 2, 0), Qt::LeftButton);  // the next day
    vorn_test::MouseMove(Body(), BodyPoint(11, 1, 1, 4), Qt::LeftButton);  // another row
    vorn_test::MouseRelease(Body(), BodyPoint(11, 1, 1, 4));
    EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart, At(2026, 10, 6, 9, 0)), 0);
    EXPECT_EQ(WholeMinutes(d.m_tsRangeLength), 180);
    EXPECT_EQ(d.m_nCurrentRow, d.FindRow(10));
}

TEST_F(DiaryTest, ExtendingARangeEndsItWhereTheNewHourEnds) {
    struct Case {
        int startHour, endHour, day;
        int expectStart, expectEnd;
    };
    const Case cases[] = {
        {7, 8, 5, 7, 8},     // before the start: exactly the new hour
        {10, 11, 5, 9, 11},  // inside: unchanged end
        {12, 13, 5, 9, 13},  // after: grows
        {12, 13, 6, 9, 11},  // another day: nothing
    };
    Fill();
    CDiaryCtrl& d = host.diary;
    const int row = d.FindRow(10);
    for (const Case& c : cases) {
        d.SelectRange(row, At(2026, 10, 5, 9, 0), COleDateTimeSpan(0, 2, 0, 0), false);
        d.SelectRange(row, At(2026, 10, c.day, c.startHour, 0), COleDateTimeSpan(0, c.endHour - c.startHour, 0, 0), true);
        EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart, At(2026, 10, 5, c.expectStart, 0)), 0) << c.startHour << " day " << c.day;
        EXPECT_EQ(CompareTimesApprox(d.m_dtRangeStart + d.m_tsRangeLength, At(2026, 10, 5, c.expectEnd, 0)), 0) << c.startHour << " day " << c.day;
    }
}

TEST_F(DiaryTest, ToggleBoxCollapsesARowWhichKeepsOnlyItsCaptionLine) {
    Fill();
    CDiaryCtrl& d = host.diary;
    const int line = d.GetLineHeight();
    vorn_test::Click(Header(), HeaderPoint(10, 0, 5));
    EXPECT_FALSE(d.IsExpanded(10));
    EXPECT_EQ(d.m_arrRows[d.FindRow(10)].m_rect.Height(), line);
    EXPECT_EQ(d.MemberAt(d.FindRow(10), d.m_arrRows[d.FindRow(10)].m_rect.top + line + 2), CDiaryCtrl::kNone);
    d.SetAllCollapsed(true);
    EXPECT_FALSE(d.IsExpanded(11));
    EXPECT_FALSE(d.IsExpanded(12));
    d.Clear();
    EXPECT_FALSE(d.IsExpanded(12));  // the collapsed rows survive a refill
    d.SetAllCollapsed(false);
    EXPECT_FALSE(d.IsExpanded(12));  // only the rows shown are expanded
    Fill();
    d.SetAllCollapsed(false);
    EXPECT_TRUE(d.IsExpanded(12));
}

TEST_F(DiaryTest, ScrollPageIsTheVisibleHeightAndWheelStopsAtBothEnds) {
    CDiaryCtrl& d = host.diary;
    d.UpdateScrollRange();  // no rows: no division by zero
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    d.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(info.nPage, 0u);
    for (int id = 1; id <= 40; ++id) {
        d.AddRow(L"Row", 0, 0, 6, 0, id, L"", 0);
        d.AddRowMember(id, L"M", 0, 500 + id, 0);
    }
    d.SortRows();
    d.Relayout();
    CRect header;
    d.GetHeader().GetClientRect(&header);
    d.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(static_cast<int>(info.nPage), header.Height());
    EXPECT_FALSE(d.ScrollByWheel(120));  // at the top
    EXPECT_EQ(d.GetVerticalOffset(), 0);
    int notches = 0;
    while (d.ScrollByWheel(-120)) ++notches;
    const int q = d.GetContentHeight();
    EXPECT_GT(notches, 0);
    EXPECT_LE(d.GetVerticalOffset(), q - header.Height() + 12);
    EXPECT_GT(d.GetVerticalOffset() + d.GetLineHeight(), q - header.Height() + 12);
}

TEST_F(DiaryTest, SplitBarReleasedNearTheRightEdgeJoinsThePanes) {
    CDiaryCtrl& d = host.diary;
    CRect client;
    d.GetClientRect(&client);
    for (int distance : {29, 31}) {
        if (!d.IsSplit()) d.ToggleSplit();
        const int bar = d.GetHeaderWidth() + d.GetSplitPosition();
        vorn_test::MousePress(&d, CPoint(bar, 100));
        vorn_test::MouseMove(&d, CPoint(client.right - distance, 100), Qt::LeftButton);
        vorn_test::MouseRelease(&d, CPoint(client.right - distance, 100));
        EXPECT_EQ(d.IsSplit(), distance > 30) << distance;
    }
    // The row-name edge never goes below 110 pixels.
    d.ToggleSplit();
    vorn_test::MousePress(&d, CPoint(d.GetHeaderWidth() - 3, 200));
    vorn_test::MouseRelease(&d, CPoint(40, 200));
    EXPECT_EQ(d.GetHeaderWidth(), 110);
}

TEST_F(DiaryTest, DoubleClicksTellTheHostWithWholeIds) {
    CDiaryCtrl& d = host.diary;
    d.AddRow(L"Big", 0, 0, 6, 0, 70000, L"", 90000);
    d.AddGroup(L"G", RGB(1, 2, 3), L"", 90000);
    d.AddRowMember(70000, L"Zoe", 1, 80000, 0);
    d.SortRows();
    d.Relayout();
    vorn_test::DoubleClick(Header(), HeaderPoint(70000, 1));
    const DiaryHost::Message* member = host.Last(WM_DIARY_DBLCLK);
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->lParam, 3);
    EXPECT_EQ(member->wParam, PackDiaryIds(70000, 80000));
    vorn_test::DoubleClick(Header(), HeaderPoint(70000, 0, 8));
    EXPECT_EQ(host.Last(WM_DIARY_DBLCLK)->wParam, 70000u);
    EXPECT_EQ(host.Last(WM_DIARY_DBLCLK)->lParam, 1);
    vorn_test::DoubleClick(Header(), CPoint(60, d.m_arrGroups[0].m_rect.top + 4));
    EXPECT_EQ(host.Last(WM_DIARY_DBLCLK)->wParam, 90000u);
    EXPECT_EQ(host.Last(WM_DIARY_DBLCLK)->lParam, 2);
}

TEST_F(DiaryTest, EmptyDayRangeGivesNoColumnInEitherPane) {
    CDiaryCtrl& d = host.diary;
    d.m_tDayEnd[2] = d.m_tDayStart[2];
    d.SetDays(5, At(2026, 10, 5, 0, 0), MakeTimeOfDay(7, 0));
    for (int p = 0; p < 2; ++p) {
        const auto& columns = d.GetPane(p).GetTitle().GetColumns();
        ASSERT_EQ(columns.size(), 4u) << p;
        EXPECT_EQ(columns[2].m_dtDate, At(2026, 10, 8, 0, 0)) << p;
    }
}

// Each day in view shows its name (dark text pixels within its caption box): with six-hour days
// whose boxes are narrower than the dated captions, and with twelve-hour days whose captions fit,
// each also scrolled so that the second day is cut off to its last 100 pixels.
TEST_F(DiaryTest, EveryDayInViewShowsItsCaptionTextWhenBoxesAreNarrowOrCutOff) {
    m_data.m_nTitleFormat = 1;
    CDiaryView& pane = host.diary.GetPane(0);
    CDiaryCtrlTitle& title = pane.GetTitle();
    for (const int endHour : {14, 20}) {
        for (int i = 0; i < CDiaryCtrl::kDaySlots; ++i) host.diary.m_tDayEnd[i] = MakeTimeOfDay(endHour, 0);
        host.diary.SetDays(5, At(2026, 10, 5, 0, 0), MakeTimeOfDay(7, 0));
        title.UpdateWindow();
        const auto& columns = title.GetColumns();
        ASSERT_EQ(columns.size(), 5u);
        for (const int offset : {0, columns[1].m_nRight - 100}) {
            pane.SetHorizontalOffset(offset);
            title.UpdateWindow();
            CRect client;
            title.GetClientRect(&client);
            CClientDC dc(&title);
            int inView = 0;
            for (const CDayColumn& column : columns) {
                const int left = std::max(column.m_nLeft - offset + 4, 0);
                const int right = std::min(column.m_nRight - offset - 4, static_cast<int>(client.right));
                if (right - left < 30) continue;
                ++inView;
                bool text = false;
                for (int y = 4; y < 20 && !text; ++y)
                    for (int x = left; x < right && !text; ++x) {
                        const COLORREF c = dc.GetPixel(x, y);
                        text = GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
                    }
                EXPECT_TRUE(text) << "day end " << endHour << ", offset " << offset << ", " << column.m_strCaption.ToUtf8();
            }
            EXPECT_GE(inView, 2) << endHour << ", " << offset;
        }
        vorn_test::SavePicture(&title, endHour == 14 ? "diary_title_narrow_days.png" : "diary_title_wide_days.png");
    }
}
