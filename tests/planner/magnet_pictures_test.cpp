// Pictures of the magnet board for people to look at (build/test-pictures/magnet_*.png): every
// class of the dated school plan over its week, fitted to the window and zoomed in, with
// absences and open places; the row header widened and its rows made taller; and the feedback
// of a drag in the current row.
#include <gtest/gtest.h>

#include "../platform/ui/frame_picture.h"
#include "board_fill.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner_test_support.h"
#include "platform/ui/test_support.h"

namespace {

void Send(CWnd& wnd, UINT message, int x, int y) { wnd.SendMessage(message, 0, MAKELPARAM(x, y)); }

// Every magnet on a shown day lies in its day column and in its row.
void ExpectMagnetsPlaced(CMagnetCtrl& control) {
    const CMagnetCtrlTitle& title = control.GetPane(0).GetTitle();
    for (const CMagnetRow& row : control.GetRows()) {
        for (const CMagnetItem& magnet : row.m_arrMagnets) {
            int left = 0, right = 0;
            if (!title.GetDayXRange(magnet.m_dtEntryStart, left, right)) continue;
            EXPECT_GE(magnet.m_rect.left, left) << magnet.m_strTitle.ToUtf8();
            EXPECT_LE(magnet.m_rect.right, right) << magnet.m_strTitle.ToUtf8();
            EXPECT_EQ(magnet.m_rect.top, row.m_rect.top);
            EXPECT_EQ(magnet.m_rect.bottom, row.m_rect.bottom);
        }
    }
}

}  // namespace

class MagnetPictureTest : public PlannerTest {
protected:
    // The classes of the dated school plan; the second row current, absences and open places
    // in a few rows.
    void ShowSchool(CMagnetCtrl& control) {
        LoadFixture("school-dated.xml");
        FillBoard(control, m_data, 0);
        ASSERT_EQ(control.GetRows().size(), 40u);
        auto& rows = control.GetRows();
        const COleDateTime tuesday = m_data.GetDayDate(1), thursday = m_data.GetDayDate(3);
        rows[0].m_arrAbsences.push_back(CItemTime(tuesday + COleDateTimeSpan(0, 11, 0, 0), COleDateTimeSpan(0, 3, 0, 0), 0, 1));
        rows[3].m_arrAbsences.push_back(CItemTime(thursday + COleDateTimeSpan(0, 8, 0, 0), COleDateTimeSpan(0, 9, 0, 0), 1, 3));
        // Open places late in the day, where the classes have no lessons.
        rows[1].m_arrOpenPlaces.push_back(CItemTime(tuesday + COleDateTimeSpan(0, 15, 0, 0), COleDateTimeSpan(0, 2, 0, 0), 0, 1));
        rows[16].m_arrOpenPlaces.push_back(CItemTime(m_data.GetDayDate(0) + COleDateTimeSpan(0, 14, 0, 0), COleDateTimeSpan(0, 2, 0, 0), 0, 0));
        control.SelectRow(rows[1].m_nEntityId);
        ExpectMagnetsPlaced(control);
    }
};

TEST_F(MagnetPictureTest, SchoolWeekFittedAndZoomedIn) {
    BoardHost host(1400, 1200);
    CMagnetCtrl& control = host.control;
    ShowSchool(control);
    control.ZoomToFit();
    ExpectMagnetsPlaced(control);
    CRect header;
    control.GetHeader().GetClientRect(&header);
    EXPECT_LE(control.GetRows().back().m_rect.bottom, header.Height());  // every class in view
    SaveWindowPicture(&control, "magnet_board_fit.png");
    for (int i = 0; i < 6; ++i) control.ZoomIn();
    ExpectMagnetsPlaced(control);
    SaveWindowPicture(&control, "magnet_board_zoomed.png");
}

TEST_F(MagnetPictureTest, RowHeaderResized) {
    BoardHost host(1200, 800);
    CMagnetCtrl& control = host.control;
    ShowSchool(control);
    CRect client;
    control.GetClientRect(&client);
    Send(control, WM_LBUTTONDOWN, control.GetHeaderWidth() - 4, client.bottom - 5);
    Send(control, WM_LBUTTONUP, 220, client.bottom - 5);
    ASSERT_EQ(control.GetHeaderWidth(), 220);
    CMagnetCtrlHeader& header = control.GetHeader();
    const int boundary = header.GetRowHeight() + CMagnetCtrlHeader::kBand;
    Send(header, WM_MOUSEMOVE, 10, boundary);
    Send(header, WM_LBUTTONDOWN, 10, boundary);
    Send(header, WM_LBUTTONUP, 10, boundary + 20);
    ASSERT_EQ(header.GetRowHeight(), 48);
    ExpectMagnetsPlaced(control);
    SaveWindowPicture(&control, "magnet_board_header_resized.png");
}

TEST_F(MagnetPictureTest, DragFeedbackInTheCurrentRow) {
    BoardHost host(1200, 500);
    CMagnetCtrl& control = host.control;
    ShowSchool(control);
    CMagnetRow& row = *control.GetCurrentRow();
    ASSERT_GE(row.m_arrMagnets.size(), 3u);
    CMagnetItem& dragged = row.m_arrMagnets[1];
    control.SelectSingle(dragged);
    control.m_nDragMode = CMagnetCtrl::kDragMove;
    control.m_bDragActive = 1;
    control.m_nBlinkPhase = 1;
    row.m_arrMagnets[2].m_nSwapMark = 17;
    control.m_arrBlockedTimes.push_back(CItemTime(m_data.GetDayDate(2) + COleDateTimeSpan(0, 10, 0, 0), COleDateTimeSpan(0, 2, 0, 0), 0, 2));
    control.m_arrClashBlocks.push_back(CItemTime(dragged.m_dtEntryStart, dragged.m_tsEntryLength, 0, 0));
    control.m_arrClashBlocks.push_back(CItemTime(m_data.GetDayDate(0) + COleDateTimeSpan(0, 14, 0, 0), COleDateTimeSpan(0, 1, 0, 0), 0, 0));
    control.m_dtDragStart = dragged.m_dtEntryStart;
    int left = 0, right = 0;
    ASSERT_TRUE(control.GetPane(0).GetTitle().TimeSpanToX(dragged.m_dtEntryStart, COleDateTimeSpan(0, 0, 5, 0), left, right));
    control.m_ptDrag = CPoint(left + 2 * control.GetHourWidth(), row.m_rect.top + 10);
    vorn_test::ProcessEvents();
    control.GetPane(0).GetBody().UpdateWindow();
    const CRect before = dragged.m_rect;
    control.GetPane(0).GetBody().PaintRow(row.m_nEntityId);
    EXPECT_EQ(dragged.m_rect, before);  // painting a row never moves where magnets are hit
    SaveWindowPicture(&control, "magnet_board_drag.png");
}
