#pragma once
// CTimeTableCtrlBody: the grid area of a timetable pane, right of the hour column and under the
// day title strip. It paints, for the entity its pane shows, the working time of every plan
// day, absences, freed and pinned times, hour lines, the strip at the left of every day that
// shows free and blocked time during a drag, clash bars, the items, the arrows of a swap
// preview, the current-time marker and the ghosts of moved items. The x positions come from the
// title strip, the y positions from the pane's hour column, everything else from the pane.
//
// A paint draws only what lies in the area to repaint; moving the pointer over the body repaints
// just the item it leaves and the item it enters.
#include <vector>

#include "htmllite/html_tool_tip.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"
#include "timetable/pattern_brush.h"
#include "timetable/time_table_item.h"

class CTimeTableCtrlTitle;
class CTimeTableCtrlHeader;
class CTimeTableCtrlView;
class CTimeTableCtrl;
class CItemTime;
class CTimeTableDayColumn;
class CScheduleData;
class CCmdUI;

class CTimeTableCtrlBody : public CWnd {
public:
    // Drag modes: 0 none, 1 resizing items, 2 moving items, 3 and 4 a day range's start and
    // end, 5 an external drag from the side list.
    enum : int { kDragNone = 0, kDragResize = 1, kDragMove = 2, kDragRangeStart = 3, kDragRangeEnd = 4, kDragExternal = 5 };
    static constexpr UINT_PTR kBlinkTimer = 1;

    CTimeTableCtrlBody(CTimeTableCtrlTitle* title, CTimeTableCtrlHeader* header, int paneIndex);
    ~CTimeTableCtrlBody() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    int GetPaneIndex() const { return m_nPaneIndex; }
    CTimeTableCtrlView* GetPane() const;
    CTimeTableCtrl* GetControl() const;
    CHtmlToolTip& GetToolTip() { return m_toolTip; }
    CImageList& GetImages() { return m_images; }
    // The font items are drawn in; no font before the window exists.
    CFont* GetFont() { return &m_font; }

    // The point under the mouse, as the painter marks the item there. Repaints the item the
    // point leaves and the one it enters.
    void SetCurrentPoint(CPoint point);
    CPoint GetCurrentPoint() const { return CPoint(m_nCurrentX, m_nCurrentY); }

    // The tooltip's text for the current point: the drag tip while one item is moved, else the
    // tip of the item or freed interval under the point; empty when there is nothing to show.
    CString BuildToolTipText();
    // The document changed: the next tip rebuilds the document's replacement index first.
    void InvalidateTipIndex() { m_bTipIndexStale = 1; }
    // Switches the tips on or off, the tooltip window with them.
    void SetToolTipsOn(int on);

    // Scroll offsets set by the control and the pane.
    int m_nHorizontalOffset = 0;
    int m_nVerticalOffset = 0;
    // Input and drag state read by the painter; the input handling sets it.
    int m_nPanelMode = 0;
    int m_nBackTarget = 0;
    int m_nForwardTarget = 0;
    int m_bRoomMarks = 0;
    int m_bModifier = 0;
    int m_bMultiDrop = 0;
    UINT_PTR m_nTimerId = 0;
    std::vector<int> m_arrPopupMembers;
    int m_nBlinkPhase = 0;
    int m_bMarks = 0;
    int m_nDraggedId = 0;
    int m_nPressX = 0, m_nPressY = 0;
    int m_nGrabX = 0, m_nGrabY = 0;
    int m_nCurrentX = 0, m_nCurrentY = 0;
    int m_nClickColumn = -1;  // index of the title column under the last press; -1 for none
    int m_bPressed = 0;
    int m_nDragMode = kDragNone;
    COleDateTime m_dtDragStart;
    __time64_t m_tPointerTime = 0;
    int m_bDragging = 0;
    int m_bToolTips = 1;
    int m_bTipIndexStale = 1;

    // Input (time_table_ctrl_body_mouse.cpp) ------------------------------------------------
    void BeginPress(UINT flags, int x, int y);
    void ClearSelectionUnlessOnGrip();
    // Sets the cursor of a hit part (1 bottom edge, 2 move strip, 3 and 4 a day range's start
    // and end) and gives the drag mode it starts; 0 for anything else and in a room pane.
    int SetHitCursor(int part);
    // The time under the point, on the day of the column there, snapped to the hours; invalid
    // where no plan day lies under x.
    COleDateTime GetDateTimeAt(int x, int y) const;
    // Drags from the side panel (time_table_ctrl_body_drops.cpp).
    LRESULT OnDragPrepare(WPARAM, LPARAM);
    LRESULT OnDragBegin(WPARAM draggedId, LPARAM severalItems);
    LRESULT OnDragOver(WPARAM screenX, LPARAM screenY);
    LRESULT OnDrop(WPARAM point, LPARAM);
    LRESULT OnDragCancel(WPARAM, LPARAM);
    // Ends the hour header's and the title strip's pointer marks.
    void EndHighlights();
    // The first item that contains the point; -1 for none.
    int ItemIndexAt(CPoint point) const;
    // Context menu and navigation (time_table_ctrl_body_menu.cpp).
    void AddPopupMember(int entityId);
    void ShowContextMenu(CPoint point);

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnDestroy();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnCaptureChanged(CWnd* wnd);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnSetState0();
    void OnSetState1();
    void OnSetState2();
    void OnSetState7();
    void OnSetState9();
    void OnUpdateSetState0(CCmdUI* cmdUI);
    void OnUpdateSetState1(CCmdUI* cmdUI);
    void OnUpdateSetState2(CCmdUI* cmdUI);
    void OnUpdateSetState7(CCmdUI* cmdUI);
    void OnUpdateSetState9(CCmdUI* cmdUI);
    void OnNavigateForward();
    void OnNavigateBack();
    void OnNavigateToMember(UINT id);
    void OnNextEntity();
    void OnPreviousEntity();
    void OnUpdateNextEntity(CCmdUI* cmdUI);
    void OnUpdatePreviousEntity(CCmdUI* cmdUI);
    void OnEntryPeople();
    void OnAssociations();
    void OnUpdateAlwaysEnabled(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // The page: the control's owner, else its parent.
    CWnd* GetPage() const;
    void DragTo(CTimeTableCtrlView& pane, int x, int y);
    // Applies the end of a press in the drag mode; 1 when items or ranges changed.
    int ApplyRelease(CTimeTableCtrlView& pane, int x, int y);
    // Ends a press that lost the mouse: the pane and the day ranges as they were at the press.
    void CancelPress();
    void SetStatusText(const CString& text);
    void ApplyState(int state, LPARAM remark);
    void NavigateToNeighbour(bool next);
    void UpdateStateCommand(CCmdUI* cmdUI, int state);

    // Where the swap and drag-feedback code joins the press, the drag and the release
    // (time_table_ctrl_body_hooks.cpp): swap marks and clash blocks of the item pressed on its
    // move strip; the blocked times and free-time strips of the first move; a release over
    // another item by its swap mark (1 when items changed).
    void PrepareMoveFeedback(CTimeTableCtrlView& pane, int item);
    void BeginMoveFeedback(CTimeTableCtrlView& pane);
    int SwapOnRelease(CTimeTableCtrlView& pane, int target, int moved);

    // What a press may have to put back when the mouse is taken away.
    std::vector<CTimeTableItem> m_arrItemsAtPress;
    int m_bEndingPress = 0;

    // The layers of the picture, in painting order.
    void PaintBackground(CDC* dc, const CRect& client);
    void PaintWorkingTime(CDC* dc, const CTimeTableCtrlView& pane);
    void PaintAbsences(CDC* dc, const CTimeTableCtrlView& pane);
    void PaintFreedAndPinned(CDC* dc, CTimeTableCtrlView& pane);
    void PaintHourLines(CDC* dc, const CRect& client);
    void PaintDayStrips(CDC* dc, const CTimeTableCtrlView& pane, const CRect& client);
    void PaintRangeBars(CDC* dc, const CTimeTableCtrlView& pane);
    void PaintClashBlocks(CDC* dc, const CTimeTableCtrlView& pane);
    void PaintItems(CDC* dc, CTimeTableCtrlView& pane, const CRect& area);
    void PaintSwapPreview(CDC* dc, const CTimeTableCtrlView& pane);
    void PaintCurrentTime(CDC* dc);
    void PaintGhosts(CDC* dc, CTimeTableCtrlView& pane);

    // The image drawn on an entry item while an entity is dragged over it from the side list.
    int EntityDropImage(const CScheduleData& data, const CTimeTableItem& item) const;
    CRect WorkingTimeRect(const CTimeTableDayColumn& column) const;
    // A time rectangle of the hour column between the x extent of the day of start.
    CRect DayTimeRect(const COleDateTime& start, const COleDateTimeSpan& length) const;
    bool IsHighlighted(const CTimeTableCtrlView& pane, const CTimeTableItem& item) const;
    void DrawCentredImage(CDC* dc, int image, const CRect& rect);
    void InvalidateBlinkingItems();
    const std::vector<CItemTime>* GetPinnedRanges() const;
    // The parts of the tooltip text.
    CString ItemTipText(CScheduleData& data, const CTimeTableCtrlView& pane);
    CString FreedIntervalTipText(CScheduleData& data, const CTimeTableCtrlView& pane);
    CString DragTipText(CScheduleData& data, const CTimeTableCtrlView& pane);

    CTimeTableCtrlTitle* m_pTitle;
    CTimeTableCtrlHeader* m_pHeader;
    int m_nPaneIndex;
    HCURSOR m_hDragCursor = nullptr;
    CFont m_font;
    CHtmlToolTip m_toolTip;
    CImageList m_images;
    CPatternBrush m_outsideBrush;
    CPatternBrush m_workingBrush;
    CPatternBrush m_absenceBrush;
    CPatternBrush m_freedBrush;
};
