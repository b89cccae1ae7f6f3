// The timetable body's tooltip texts: the item, group and freed-interval tips and the drag tip,
// compared with the markup they should give, and a picture of the tip over an item shown through
// the tooltip's own path (the pointer rests, the tip asks the body for its text).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

#include "model/description_texts.h"
#include "model/time_values.h"
#include "platform/ui/icon.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl.h"
#include "plan_builder.h"
#include "timetable_test_support.h"

namespace {

const wchar_t* const kImage2 = L"<ilst index=2 width=16 height=16>";

CString ReplaceFirst(CString text, const CString& what, const CString& with) {
    const int at = text.Find(what);
    return at < 0 ? text : text.Left(at) + with + text.Mid(at + what.GetLength());
}

}  // namespace

class ToolTipTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        plan = AddDatedTestPlan(m_data);
        m_data.m_nCurrentEntity = 1;
    }
    CTimeTableCtrlView& Show(GridHost& host) {
        host.control.SetDayRange(5, m_data.GetStartDate(), m_data.m_tDayStart);
        host.control.GetTitle().LayoutColumns(1);
        FillPaneForEntity(host.control, 0, m_data, 1);
        return host.control.GetPane(0);
    }
    // Points the body at the middle of the time on its day.
    static void PointAt(CTimeTableCtrlView& pane, const COleDateTime& time) {
        int left = 0, right = 0;
        pane.GetTitle()->GetDayExtent(0, time, left, right);
        const CRect rect = pane.GetHeader().GetTimeRect(time, COleDateTimeSpan(0, 0, 30, 0));
        pane.GetBody().SetCurrentPoint(CPoint((left + right) / 2, (rect.top + rect.bottom) / 2));
    }
    static CTimeTableItem& ItemAt(CTimeTableCtrlView& pane, const COleDateTime& start) {
        for (CTimeTableItem& item : pane.m_arrItems)
            if (CompareTimesApprox(item.m_dtStart, start) == 0) return item;
        ADD_FAILURE() << "no item";
        return pane.m_arrItems.front();
    }
    CString EntryTip(int activity, std::uint64_t serial) {
        return BuildTimetableEntryTip(m_data, *m_data.FindActivity(activity), true, &*m_data.FindEntryBySerial(serial),
                                      true);
    }
    DatedTestPlan plan;
};

TEST_F(ToolTipTest, ItemGroupAndFreedIntervalTips) {
    struct Case {
        const char* name;
        COleDateTime point;
        std::function<void(CTimeTableCtrlView&)> prepare;
        std::function<CString()> expected;
    };
    const COleDateTime monday8 = At(2024, 9, 2, 8, 0), tuesday9 = At(2024, 9, 3, 9, 0), friday9 = At(2024, 9, 6, 9, 0);
    // A group item over Tuesday 09:00: in place of Choir's entry item, or laid over it.
    auto groupItem = [&](CTimeTableCtrlView& pane, int group, bool overEntry) {
        CTimeTableItem item = MakeItem(L"Options", tuesday9, 60);
        item.m_bGroupItem = 1;
        item.m_nGroup = group;
        item.m_nSource = 1000;
        CTimeTableItem& choir = ItemAt(pane, tuesday9);
        if (overEntry) {
            item.m_rect = choir.m_rect;
            pane.m_arrItems.insert(pane.m_arrItems.begin(), item);
        } else {
            choir = item;
            pane.AssignLanes();
        }
    };
    const Case cases[] = {
        {"entry item without lesson times: its times and image 21", monday8, nullptr,
         [&] { return ReplaceFirst(EntryTip(10, plan.e1), kImage2, L" 08:00-09:00 <ilst index=21 width=16 height=16>"); }},
        {"entry item in a pane with lesson times keeps image 2", monday8,
         [](CTimeTableCtrlView& pane) { pane.m_nChimeSet = 1; }, [&] { return EntryTip(10, plan.e1); }},
        {"remark, escaped", monday8,
         [&](CTimeTableCtrlView& pane) {
             pane.m_nChimeSet = 1;
             ItemAt(pane, monday8).m_strRemark = L"Bring <b>rulers</b>";
         },
         [&] {
             return EntryTip(10, plan.e1) +
                    L"<br>Remark:<br><hr color=black><br>Bring &lt;b&gt;rulers&lt;/b&gt;";
         }},
        {"moved entry shows where it was planned", monday8,
         [&](CTimeTableCtrlView& pane) {
             pane.m_nChimeSet = 1;
             m_data.FindEntryBySerial(plan.e1)->m_dtUnmovedStart = At(2024, 9, 4, 11, 0);
         },
         [&] {
             CTimetableEntry probe(At(2024, 9, 4, 11, 0), COleDateTimeSpan(0, 1, 0, 0));
             probe.m_nActivity = 10;
             return EntryTip(10, plan.e1) + L"<br>Planned for " + kImage2 + L"<br><hr color=red><br>" +
                    probe.FormatWhenText(m_data, 0, 0);
         }},
        {"never placed: no original time", monday8,
         [&](CTimeTableCtrlView& pane) {
             pane.m_nChimeSet = 1;
             m_data.FindEntryBySerial(plan.e1)->m_dtUnmovedStart = At(1970, 1, 1, 0, 0);
         },
         [&] { return EntryTip(10, plan.e1); }},
        {"week template: no remark", monday8,
         [&](CTimeTableCtrlView& pane) {
             pane.m_nChimeSet = 1;
             ItemAt(pane, monday8).m_strRemark = L"Bring rulers";
             m_data.SetStartDate(At(2000, 1, 3, 0, 0));
         },
         [&] { return EntryTip(10, plan.e1); }},
        {"group item: the group's entries that Ada takes part in", tuesday9,
         [&](CTimeTableCtrlView& pane) { groupItem(pane, 7, false); }, [&] { return EntryTip(20, plan.e5); }},
        {"deleted group: the entry item under it speaks", tuesday9,
         [&](CTimeTableCtrlView& pane) {
             groupItem(pane, 99, true);
             pane.m_nChimeSet = 1;
         },
         [&] { return EntryTip(20, plan.e5); }},
        {"freed interval: image 15", friday9,
         [&](CTimeTableCtrlView& pane) {
             CFreedInterval freed;
             freed.m_dtStart = friday9;
             freed.m_tsLength = COleDateTimeSpan(0, 1, 0, 0);
             freed.m_nSource = plan.e7;
             pane.m_arrFreedIntervals.push_back(freed);
             pane.LayoutItems();
         },
         [&] { return ReplaceFirst(EntryTip(22, plan.e7), kImage2, L"<ilst index=15 width=16 height=16>"); }},
        {"empty time", At(2024, 9, 6, 14, 0), nullptr, [] { return CString(); }},
        {"tips switched off", monday8, [](CTimeTableCtrlView& pane) { pane.GetBody().m_bToolTips = 0; },
         [] { return CString(); }},
        {"during a plain press", monday8, [](CTimeTableCtrlView& pane) { pane.GetBody().m_bPressed = 1; },
         [] { return CString(); }},
    };
    for (const Case& c : cases) {
        m_data.ResetToNew(FALSE);
        plan = AddDatedTestPlan(m_data);
        m_data.m_nCurrentEntity = 1;
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        if (c.prepare) c.prepare(pane);
        PointAt(pane, c.point + COleDateTimeSpan(0, 0, 15, 0));
        const CString text = pane.GetBody().BuildToolTipText();
        EXPECT_EQ(text, c.expected()) << c.name << "\n" << text.ToUtf8();
    }
}

// Ada drags her Monday Maths lesson; the tip tells of the hour the lesson would land in.
TEST_F(ToolTipTest, DragTips) {
    const CString clashHead = L"<td><center><h2> Clashes <ilst index=4 width=16 height=16></h2></center><br>"
                              L"<hr color=red></td><right>";
    const CString freeHead = L"<td><center><h2>Not free then<ilst index=15 width=16 height=16></h2></center><br>"
                             L"<hr color=red></td><right>";
    struct Case {
        const char* name;
        COleDateTime landing;
        int copies;
        std::function<CString()> expected;
    };
    const Case cases[] = {
        {"onto Choir's hour: a clash", At(2024, 9, 3, 9, 0), 1,
         [&] {
             return clashHead + L"<br>" + EscapeHtmlLiteText(FormatActivityTitle(m_data, *m_data.FindActivity(20), 1)) +
                    kImage2 + L"<br>";
         }},
        {"into Ada's absence", At(2024, 9, 3, 14, 0), 1,
         [&] { return L"<br>" + freeHead + L"<br>Ada Brook<ilst index=7 width=16 height=16>"; }},
        {"onto a free hour", At(2024, 9, 2, 12, 0), 1, [] { return CString(); }},
        {"within its own hour", At(2024, 9, 2, 8, 0), 1, [] { return CString(); }},
        {"two items moved", At(2024, 9, 3, 9, 0), 2, [] { return CString(); }},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        CTimeTableItem& maths = ItemAt(pane, At(2024, 9, 2, 8, 0));
        maths.m_bSelected = 1;
        pane.m_nCurrentItem = static_cast<int>(&maths - pane.m_arrItems.data());
        if (c.copies == 2) ItemAt(pane, At(2024, 9, 4, 8, 0)).m_bSelected = 1;
        pane.RebuildSelectionCopies();
        pane.BuildClashBlocks(10, plan.e1, 0);
        CTimeTableCtrlBody& body = pane.GetBody();
        body.m_bPressed = body.m_bDragging = 1;
        body.m_nDragMode = CTimeTableCtrlBody::kDragMove;
        PointAt(pane, c.landing);
        body.m_nGrabX = 0;
        body.m_nGrabY = 0;
        EXPECT_EQ(body.BuildToolTipText(), c.expected()) << c.name << "\n" << body.BuildToolTipText().ToUtf8();
        body.m_bPressed = body.m_bDragging = 0;
        body.m_nDragMode = CTimeTableCtrlBody::kDragNone;
    }
}

// The tip does not rebuild the replacement index at every request, only after the pane was
// refilled from a changed document.
TEST_F(ToolTipTest, ReplacementIndexIsRebuiltOnlyAfterARefill) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    PointAt(pane, At(2024, 9, 6, 14, 0));
    pane.GetBody().BuildToolTipText();
    CReplacementIndexRecord marker;
    marker.m_nEntity = 99;
    m_data.m_arrReplacementIndex = {marker};
    pane.GetBody().BuildToolTipText();
    ASSERT_EQ(m_data.m_arrReplacementIndex.size(), 1u);
    FillPaneForEntity(host.control, 0, m_data, 1);
    pane.GetBody().BuildToolTipText();
    EXPECT_TRUE(m_data.m_arrReplacementIndex.empty());
}

TEST_F(ToolTipTest, PictureOfTheTipOverAnItem) {
    m_data.ResetToNew(FALSE);
    LoadFixture("school-dated.xml");
    GridHost host(1100, 760);
    host.control.SetDayRange(m_data.m_nDays, m_data.GetStartDate(), m_data.m_tDayStart);
    FillPaneForEntity(host.control, 0, m_data, 42);
    host.control.GetTitle().LayoutColumns(42);
    host.control.RecalcLayout();
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    ASSERT_FALSE(pane.m_arrItems.empty());
    CTimeTableCtrlBody& body = pane.GetBody();
    const CPoint point = pane.m_arrItems[0].m_rect.CenterPoint();
    body.SetCurrentPoint(point);
    CPoint screen = point;
    body.ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    MSG msg{body.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), 0, screen};
    body.GetToolTip().RelayEvent(&msg);
    body.GetToolTip().SendMessage(WM_TIMER, CHtmlToolTip::TIMER_SHOW, 0);
    ASSERT_TRUE(body.GetToolTip().IsWindowVisible());
    EXPECT_FALSE(body.GetToolTip().GetWidget()->grab().isNull());

    // The grid with the tip laid over it where it shows on the screen.
    host.control.UpdateWindow();
    QImage picture = host.control.GetWidget()->grab().toImage();
    CRect tip;
    body.GetToolTip().GetWindowRect(&tip);
    host.control.ScreenToClient(&tip);
    QPainter painter(&picture);
    painter.drawImage(QPoint(tip.left, tip.top), body.GetToolTip().GetWidget()->grab().toImage());
    painter.end();
    const QString path = QString::fromStdWString(CString(VORN_BIN_DIR "/../test-pictures/timetable_item_tooltip.png").str());
    EXPECT_TRUE(picture.save(path));
    body.GetToolTip().HideNow();
}
