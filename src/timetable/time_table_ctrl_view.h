#pragma once
// CTimeTableCtrlView: one pane of the timetable grid, the hours of all plan days for one entity.
// It holds the hour column on the left, the body in the middle and a vertical scroll bar on the
// right, and owns what its body draws: the items of the entity in their lanes, the selection and
// the lists of time blocks (absences, blocked times, clash blocks, selected ranges, freed
// intervals). The page fills it; the body edits it.
//
// Layout pass: LayoutItems computes every item's lane count, lane span and rectangle and every
// freed interval's rectangle. It runs after the items change (SortItems, AssignLanes) and after
// the title strip's or the hour column's geometry changes; painting, hit tests and tooltips only
// read what it wrote.
#include <cstdint>
#include <vector>

#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"
#include "timetable/item_time.h"
#include "timetable/swap_chooser_hook.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_header.h"
#include "timetable/time_table_item.h"

class CTimeTableCtrlTitle;
class CBrush;
class CPlanIndex;
class CScheduleData;
class CTimetableEntry;
class CFont;

// An interval of a cancelled entry that the pane's entity could take.
struct CFreedInterval {
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    std::uint64_t m_nSource = 0;  // the serial of the cancelled entry
    CRect m_rect;                 // from the layout pass
};

// The box an item's title is laid out in, within the item's rectangle.
CRect ItemTextBox(const CRect& itemRect);

// Grows or shrinks a selected range so that it ends at time + length on its own day, or starts
// earlier at time; 0 when it already ended there.
int ExtendRange(CItemTime& range, COleDateTime time, const COleDateTimeSpan& length);

class CTimeTableCtrlView : public CWnd {
public:
    static constexpr int kDaySlots = 21;
    static constexpr int kNone = -1;

    CTimeTableCtrlView(CTimeTableCtrlTitle* title, int paneIndex);
    ~CTimeTableCtrlView() override;

    // Items --------------------------------------------------------------------------------
    // Empties the items, the selection copies and every block list but the selected ranges.
    void ClearItems();
    // Stable sort by CompareTimeTableItems, then AssignLanes. The current item and the item
    // indexes of the swap and drop fields follow their items.
    void SortItems();
    // Every item's lane: the lowest lane from 1 that no item placed before it uses over its first
    // hour; then the layout pass.
    void AssignLanes();
    int FindFreeLane(const COleDateTime& start, const COleDateTime& end) const;
    // The highest lane of the items that overlap start..end by more than 5 minutes; 0 for none.
    int GetMaxLane(const COleDateTime& start, const COleDateTime& end) const;
    // The smallest lane distance to an overlapping item in a higher lane; 1 for none.
    int GetLaneSpan(const CTimeTableItem& item) const;
    // The layout pass.
    void LayoutItems();
    // The index of the first item whose rectangle contains the point; kNone for none.
    int ItemAt(CPoint point) const;
    int IsIntervalFree(const CItemTime& block) const;
    int IsWholeDayAbsent(const COleDateTime& date) const;
    // No item selected, no copies, no ranges, no current item.
    void ClearSelection();
    CTimeTableItem* GetCurrentItem();
    const CTimeTableItem* GetCurrentItem() const;

    // Drawing ------------------------------------------------------------------------------
    // Draws an item in the rectangle the layout gave it, with the font and background mode the
    // caller selected; nothing for an item outside the plan days.
    void PaintItem(CDC* dc, const CTimeTableItem& item, BOOL roomMarks, BOOL highlight, CPoint point) const;
    // The copies of the selected items, half transparent over the picture, where the pointer
    // has taken them since the press.
    void PaintGhosts(CDC* dc, CBrush* background, CFont* font, CPoint current, CPoint press);
    void RebuildSelectionCopies();
    // The centres of the swap target, of the chosen third item or free time, and of the dragged
    // item; FALSE for a point whose item is not set.
    void GetSwapArrowPoints(CPoint& target, BOOL& hasTarget, CPoint& choice, CPoint& source, BOOL& hasSource) const;
    CPoint GetTimePoint(const COleDateTime& time) const;

    // Swaps --------------------------------------------------------------------------------
    // Marks every other item 17 (its start can be exchanged with the current item's), 18 (an
    // exchange needs a third place) or 0.
    void ComputeSwapMarks();
    // The marks belong to one press: it ends with every mark 0.
    void ClearSwapMarks();
    // The mark of x while w is dragged; FindThreeWaySwap is 18 when w, x and a third item (or a
    // free hour) can rotate. The index, when given, must describe the unchanged store; it only
    // speeds up the walks.
    int GetSwapMark(const CTimeTableItem* x, const CTimeTableItem* w, const std::vector<COleDateTime>& freeHours,
                    const CPlanIndex* index = nullptr) const;
    int FindThreeWaySwap(const CTimeTableItem* x, const CTimeTableItem* w,
                         const std::vector<COleDateTime>& freeHours, const CPlanIndex* index = nullptr) const;
    void SwapStarts(CTimeTableItem* a, CTimeTableItem* b);
    // x is the item dropped on, w the dragged one: 1 when the chooser was shown, 0 when no
    // rotation or free hour was possible. m_bSwapApplied tells whether starts changed: a
    // cancelled chooser is no edit, so nothing is to be written back.
    int ChooseSwap(CTimeTableItem* x, CTimeTableItem* w);
    // Runs the swap chooser; without one, ChooseSwap offers nothing.
    static SwapChooserFn s_swapChooser;

    // Drag feedback and drops ------------------------------------------------------------------
    // Appends the absences of the activity's members, and a block for every plan day on which a
    // member has no working time.
    void BuildBlockedTimes(int activityId);
    // Resets the free-time offsets of every day column and empties the blocked times.
    void ClearBlockedTimes();
    // Free time and blocked times of a dragged activity, or of the activities of a dragged group
    // that have the pane's entity (groupFlag non-zero, id the group).
    void PrepareDragFeedback(int groupFlag, int id);
    void PrepareGroupItemFeedback(const CTimeTableItem& item, int groupId);
    // The entries that clash with the activity (or with an activity of the group), but the
    // entry whose serial is excludedEntry (0 for none).
    void BuildClashBlocks(int id, std::uint64_t excludedEntry, int groupFlag);
    // The entries that clash with the members of the group's activities running under the item.
    void BuildGroupClashBlocks(const CTimeTableItem& item, int groupId);
    // Keep a drop inside the plan and tell the page; item is the index of the item dropped on.
    void DropActivity(int activityId, const COleDateTime& start, const COleDateTimeSpan& length);
    void DropGroup(int groupId, const COleDateTime& start, const COleDateTimeSpan& length);
    void DropOnItem(int entityId, int item);
    // Selection, moving, resizing and time ranges (time_table_ctrl_view_select.cpp) ---------
    // Selects the item (kNone: nothing) and makes it the current item; other items keep their
    // flags.
    void SelectItem(int index);
    void SelectAll();
    // The smallest left and top of the selection copies; 99999 each without copies.
    CPoint GetSelectionOrigin() const;
    // Tests of the selection for the context menu; 0 without an entity, 1 with nothing selected.
    int AllSelectedInvolveEntity();
    int IsEntityAbsentForSelection();
    int IsEntityReplacingForSelection();
    // Every selected item takes the state, except a linked item whose entry shares an entity
    // with another overlapping entry (a message says so).
    void SetSelectedState(int state);
    // Moves the selected items by to - from and snaps them to the hours; a move of less than
    // an hour drops the selection instead.
    void MoveSelection(const COleDateTime& from, const COleDateTime& to);
    // Moves the end of every selected item by newTime - oldTime, keeping at least an hour.
    void ResizeSelection(__time64_t oldTime, __time64_t newTime);
    // How far the current item's entry may be stretched, as a time of day.
    void ComputeLatestEnd();
    __time64_t ClampToLatestEnd(__time64_t time) const;
    // Shifts the copies' rectangles, kept inside the pane.
    void MoveGhosts(int dx, int dy);
    void AddRange(const COleDateTime& start, const COleDateTimeSpan& length);
    // Grows the range of the time's day to time + length, or adds a range for that day.
    void ExtendRangeTo(const COleDateTime& time, const COleDateTimeSpan& length);
    void SelectionToRanges();
    void RangesToSelection();
    // Adds the freed interval unless one already overlaps it by more than 5 minutes.
    void AddFreedInterval(const COleDateTime& start, const COleDateTimeSpan& length, std::uint64_t source);

    // Scrolling ----------------------------------------------------------------------------
    // Scrolls by a wheel delta (120 a notch, 10 pixels); 1 when the pane scrolled.
    int ScrollByWheel(int delta);
    void SetVerticalOffset(int offset);

    // Parts ---------------------------------------------------------------------------------
    CTimeTableCtrlHeader& GetHeader() { return m_header; }
    const CTimeTableCtrlHeader& GetHeader() const { return m_header; }
    CTimeTableCtrlBody& GetBody() { return m_body; }
    const CTimeTableCtrlBody& GetBody() const { return m_body; }
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CTimeTableCtrlTitle* GetTitle() const { return m_pTitle; }
    // The title strip of the control that owns the pane.
    CTimeTableCtrlTitle* GetControlTitle() const;
    int GetPaneIndex() const { return m_body.GetPaneIndex(); }
    int GetHeaderWidth() const { return m_nHeaderWidth; }

    // Data the page and the body fill and edit ---------------------------------------------
    int m_nDropEntity = 0;
    int m_nDropTarget = kNone;
    __time64_t m_tDaySlotStart[kDaySlots] = {};
    __time64_t m_tDaySlotEnd[kDaySlots] = {};
    int m_bSwapPreview = 0;
    int m_bSwapApplied = 0;  // the last ChooseSwap moved starts
    int m_nSwapTarget = kNone;
    int m_nSwapChoice = kNone;
    int m_nSwapSource = kNone;
    COleDateTime m_dtSwapFreeTime;
    int m_bSnap = 1;
    int m_bUnavailable = 0;
    int m_bRoom = 0;
    int m_nSelectionMode = 0;  // 0 nothing, 1 items, 2 time ranges
    int m_nEntity = 0;
    int m_nCurrentActivity = 0;
    int m_nCurrentGroup = 0;
    std::vector<CItemTime> m_arrAbsences;  // tag: whole-day flag
    std::vector<CItemTime> m_arrBlockedTimes;
    std::vector<CTimeTableItem> m_arrItems;
    std::vector<CTimeTableItem> m_arrSelection;
    int m_nCurrentItem = kNone;
    std::vector<CItemTime> m_arrClashBlocks;  // day index: activity id; tag: chime set id
    std::vector<CItemTime> m_arrSelectedRanges;
    std::vector<CFreedInterval> m_arrFreedIntervals;
    int m_nDropActivity = 0;
    COleDateTime m_dtDropStart;
    COleDateTimeSpan m_tsDropLength;
    __time64_t m_tLatestEnd = 0;
    int m_nChimeSet = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    LRESULT OnResetScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnSwapPreviewOn(WPARAM wParam, LPARAM lParam);
    LRESULT OnSwapPreviewOff(WPARAM wParam, LPARAM lParam);
    LRESULT OnSwapChoice(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The item's face in rect: steps of the item painter from the outline on.
    void DrawItemFace(CDC* dc, const CTimeTableItem& item, const CRect& rect, COLORREF pen, COLORREF text,
                      BOOL pointerInside) const;
    CRect TimeRectInDay(const COleDateTime& start, const COleDateTimeSpan& length) const;
    // The free hours of the current entity: one-hour steps through its day slots that it can take.
    std::vector<COleDateTime> CollectFreeHours(const CScheduleData& data, const CPlanIndex* index) const;
    // Whether w, x and p can rotate (w to x's start, x to p's start, p to w's start).
    bool CanRotate(const CScheduleData& data, const CTimeTableItem& x, const CTimeTableItem& w,
                   const CTimeTableItem& p, const COleDateTime& latestW, const CPlanIndex* index) const;
    // Sends a drop message to the page, the owner of the control that owns the pane.
    void TellPage(UINT message, WPARAM wParam);
    // Keeps an activity or group dropped inside the plan and tells the page with the message.
    void DropOnTime(UINT message, int id, const COleDateTime& start, const COleDateTimeSpan& length);
    // Measures the titles of the laid-out items whose text box changed width.
    void MeasureTitles();
    void Layout();

    int m_nHeaderWidth = 50;
    CTimeTableCtrlHeader m_header;
    CTimeTableCtrlBody m_body;
    CTimeTableCtrlTitle* m_pTitle;
    CScrollBar m_scrollBar;
};
