#pragma once
// CMagnetCtrlBody: the lower part of a magnet board pane. It paints, for the rows in view, the
// row's background, the entity's available hours of each plan day, its absences and open
// places, the hour grid, the day-column frames and the magnets at the rectangles of the board's
// layout pass. PaintRow repaints one row at once and is the only painting that shows a drag's
// feedback: the band above the row, blocked and clash times, highlights, swap marks and ghosts.
#include <vector>

#include "htmllite/html_tool_tip.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"
#include "timetable/pattern_brush.h"

class CMagnetCtrl;
class CMagnetCtrlView;
class CMagnetCtrlTitle;
class CMagnetRow;
class CMagnetItem;
class CDayColumn;
class CScheduleData;

class CMagnetCtrlBody : public CWnd {
public:
    CMagnetCtrlBody() = default;
    ~CMagnetCtrlBody() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    // Repaints the row of the entity id now, with the drag feedback.
    void PaintRow(int entityId);
    // The row index and magnet index under a client point; kNone (-1) each for none.
    int RowAt(CPoint point) const;
    int MagnetAt(CPoint point, int& row) const;

    CMagnetCtrlView* GetPane() const;
    CMagnetCtrl* GetControl() const;
    CHtmlToolTip& GetToolTip() { return m_toolTip; }

    // The tooltip's text at the pointer (screen point): what a single moved magnet would meet in
    // the hour under the pointer, or the tip of the magnet under it; empty for none.
    CString BuildToolTipText(CPoint screen);

    int m_bToolTips = 1;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    // A press makes its row current; in the current row it selects the magnet under it (Shift
    // or Ctrl toggles it within the selection) and copies the selection to the drag items.
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    // During a move the drag point follows the pointer and the current row shows the ghosts.
    void OnMouseMove(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // With drag items: the state commands for the selected magnets, which the right button
    // leaves selected as they are.
    void OnRButtonDown(UINT flags, CPoint point);
    void OnSetState0();
    void OnSetState1();
    void OnSetState2();
    void OnUpdateSetState0(CCmdUI* cmdUI);
    void OnUpdateSetState1(CCmdUI* cmdUI);
    void OnUpdateSetState2(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // A plan day that has a column: its index and date, and its column in this pane.
    struct ShownDay {
        int index;
        COleDateTime date;
    };
    std::vector<ShownDay> GetShownDays(const CMagnetCtrl& control) const;
    // Everything is drawn in content pixels: the device context's origin carries the offsets.
    // The row's background, its available hours, absences and open places between left and right.
    void PaintRowBackground(CDC* dc, const CMagnetRow& row, const std::vector<ShownDay>& days, bool current,
                            int left, int right);
    void PaintHourGrid(CDC* dc, int left, int right, int top, int bottom, int hourWidth);
    void PaintColumnFrames(CDC* dc, int top, int bottom);
    void PaintBand(CDC* dc, const CMagnetRow& row, int left, int right, bool green);
    void PaintDragBand(CDC* dc, const CMagnetCtrl& control, const CMagnetRow& row, const std::vector<ShownDay>& days);
    void PaintRowMagnets(CDC* dc, CMagnetCtrl& control, CMagnetRow& row);
    void PaintGhosts(CDC* dc, const CMagnetCtrl& control, const CMagnetRow& row);
    bool IsHighlighted(const CMagnetCtrl& control, const CMagnetItem& magnet) const;
    void PaintConflictMark(CDC* dc, const CMagnetItem& magnet);
    void PaintSwapPreview(CDC* dc, const CMagnetCtrl& control);
    bool IsShown(const CMagnetItem& magnet) const;
    const CMagnetCtrlTitle* GetTitle() const;
    // Forgets the press: no press flag, no press pane, drag mode 0, no blink timer.
    void EndPress(CMagnetCtrl& control);
    // The end of a move: the selected magnets of the current row start as many hours later
    // (or earlier, or on another day) as the pointer moved; true when one of them moved. A
    // single magnet dropped on another swaps with it on mark 17; on mark 18 the target is left
    // in chooserTarget for the swap chooser.
    bool DropMovedMagnets(CMagnetCtrl& control, int& chooserTarget);
    // The end of a resize: the selected magnets of the current row snap to whole hours; true
    // when a length changed.
    bool EndResize(CMagnetCtrl& control);
    // The selected magnets of the current row take the state; the page writes them back.
    void ApplyState(int state);
    void UpdateStateCommand(CCmdUI* cmdUI, int state);
    // The tip while one magnet is moved: clashes and participants not free in the hour from
    // hourStart.
    CString DragTipText(CScheduleData& data, const CMagnetCtrl& control, const CMagnetItem& dragged,
                        const COleDateTime& hourStart);

    CPatternBrush m_brushes[6];
    CImageList m_images;
    CFont m_font;
    CHtmlToolTip m_toolTip;
};
