#pragma once
// CMagnetCtrl: the magnet board, the timetable of every shown entity as a board of magnets: one
// row per entity, the plan days as columns, one magnet per entry of the row's entity. The page
// rebuilds the board's model through the reload interface after every change of the document
// and reads edited magnets back; the board never changes the document.
//
// Window side: the row-name header at the left, one or two panes side by side (each a day title
// strip over a body), a vertical scroll bar at the right that scrolls the header and the bodies
// together. Geometry comes from one layout pass (LayoutBoard): the rows' rectangles, the day
// columns' x positions and the magnets' rectangles, all in content pixels. Painting, the header
// and the hit tests only read what it wrote.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "planner/magnet_ctrl_header.h"
#include "planner/magnet_ctrl_view.h"
#include "planner/magnet_row.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"
#include "timetable/item_time.h"
#include "timetable/swap_chooser_hook.h"
#include "timetable/swap_piece.h"

class CEntity;
class CPlanIndex;

// What an external drag dropped: the id and the time it was dropped at.
struct CMagnetDropRecord {
    int m_nId = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
};

class CMagnetCtrl : public CWnd {
public:
    static constexpr int kNone = -1;
    static constexpr UINT_PTR kBlinkTimer = 1;
    // Drag modes.
    enum : int { kDragNone = 0, kDragResize = 1, kDragMove = 2, kDragExternal = 3 };

    CMagnetCtrl();
    ~CMagnetCtrl() override;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Reload interface -------------------------------------------------------------------------
    // Empties the rows and the drag lists and resets the drag state; the day columns stay.
    void Clear();
    void AddRow(int entityId, const CString& caption, int entityType);
    // Copies the entity's 21 day end and start times into the row of the entity id.
    void SetRowSchedule(int entityId, const CEntity& entity);
    // Appends a day column to both panes whose hours span the rows' hours of plan day i: from
    // the later of their earliest start hour and the default day start hour to their latest end
    // hour (9 hours from the default start with no rows).
    void AddDay(const CString& caption, const COleDateTime& date, int i);
    void AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end);
    // Empties both panes' day columns.
    void ClearDayColumns();
    // Sorts the rows by entity id and lays the board out.
    void SortAndLayout();

    // Rows ---------------------------------------------------------------------------------------
    std::vector<CMagnetRow>& GetRows() { return m_arrRows; }
    const std::vector<CMagnetRow>& GetRows() const { return m_arrRows; }
    // The index of the row of the entity id; kNone for none.
    int FindRow(int entityId) const;
    CMagnetRow* GetRow(int entityId);
    // Makes the row current, repaints the old and the new row and tells the host.
    void SelectRow(int entityId);
    int GetCurrentRowId() const { return m_nCurrentRowId; }
    CMagnetRow* GetCurrentRow() { return GetRow(m_nCurrentRowId); }
    // The row whose rectangle holds the body's client y; kNone between or below the rows.
    int RowAtY(int y) const;
    // The first and one past the last row index that meet the content y range.
    void GetRowsInRange(int top, int bottom, int& first, int& last) const;

    // Selection ----------------------------------------------------------------------------------
    void SelectSingle(CMagnetItem& magnet);
    void CopySelectionToDrag();
    void ClearSelection();

    // Layout, scrolling and zoom -------------------------------------------------------------------
    // The layout pass (see the class comment) without moving any window.
    void LayoutBoard();
    void RecalcLayout();
    void UpdateVerticalScroll();
    int CalcVerticalPage() const;
    void ScrollToTop();
    int ScrollByWheel(int delta);
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    void ToggleSplit();
    void RelayoutPanes();
    void SetHourWidth(int width);
    int GetHourWidth() const { return m_nHourWidth; }
    void SetMinHourWidth(int width) { m_nMinHourWidth = width; }
    int GetMinHourWidth() const { return m_nMinHourWidth; }
    int GetHeaderWidth() const { return m_nHeaderWidth; }
    void SetHeaderWidth(int width);
    int GetTitleHeight() const { return m_nTitleHeight; }
    int GetVerticalOffset() const { return m_nVerticalOffset; }
    int GetVerticalPosition() const { return m_nVerticalPosition; }
    bool IsSplit() const { return m_bSplit != 0; }
    int GetSplitPosition() const { return m_nSplitPosition; }

    // Parts ----------------------------------------------------------------------------------------
    CMagnetCtrlHeader& GetHeader() { return m_header; }
    CMagnetCtrlView& GetPane(int index) { return index == 0 ? m_firstPane : m_secondPane; }
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CImageList& GetImages() { return m_images; }
    CWnd* GetPage() const;
    // The current row's magnet with the entry of the first drag item; kNone for none.
    int FindDraggedInRow() const;

    // Swaps -----------------------------------------------------------------------------------------
    // A magnet dropped on another one of its row exchanges places with it (mark 17), or rotates
    // with it and a third magnet or a free hour of the row's entity that the user picks in the
    // swap chooser (mark 18). Magnets are named by their index in the current row and found
    // again by their entry's serial.

    // Runs the swap chooser, which sends the board its preview messages; installed at start-up
    // (tests install a scripted one). Without one no rotation is offered.
    static SwapChooserFn s_swapChooser;
    // For a drag of the selection: the swap mark of every other magnet of the current row, with
    // the free hours of the row's entity, under the status bar's progress and a wait cursor.
    void MarkSwapTargets();
    // m's mark while d is dragged: 0, 17, 18 or 19 (no third place found). The index, when
    // given, must describe the unchanged document.
    int GetSwapMark(const CMagnetItem* m, const CMagnetItem* d, const std::vector<COleDateTime>& freeHours,
                    const CPlanIndex* index = nullptr) const;
    // 18 when d can take m's place while m goes to a third magnet's place of the current row,
    // which goes to d's, or to one of the free hours; else 19 (0 when no rotation may be tried).
    int GetIndirectSwapMark(const CMagnetItem& m, const CMagnetItem& d, const std::vector<COleDateTime>& freeHours,
                            const CPlanIndex* index = nullptr) const;
    // The current row's magnet under the drag point; kNone for none.
    int ItemAtDragPoint() const;
    // The current row's magnets a and b exchange their starts (date and hour).
    void SwapStarts(int a, int b);
    // Offers the rotations of the current row's magnets target and dragged in the swap chooser
    // and applies the user's choice; true when magnets moved. A cancelled chooser changes nothing.
    bool ChooseSwap(int target, int dragged);
    // "day - lesson" of the hour at which the block starts, counted from the document's day
    // start; empty from 12 hours after it.
    CString FormatFreeTimeText(const CItemTime& block) const;
    // The centres of the swap target, of the third magnet (or the previewed free time) and of
    // the dragged magnet in the current row, in content pixels; false when a magnet is missing.
    bool GetSwapPreviewPoints(CPoint& target, CPoint& choice, CPoint& dragged) const;
    // The point of a free time in the current row, in content pixels; (0, 0) without a row.
    CPoint GetFreeTimePoint(const COleDateTime& time) const;

    // Resizing ------------------------------------------------------------------------------------
    // The latest end (a time of day) to which the first drag item's entry may be stretched from
    // its end; 23:59 without drag items or when its entry is gone.
    void ComputeLatestEnd();
    // The latest end when the time of day passes it by 3 minutes or more, else the time.
    __time64_t ClampToLatestEnd(__time64_t timeOfDay) const;
    // Relative resizing: every selected magnet of the current row and every drag item ends as
    // many whole minutes later (or earlier) as the pointer moved from oldTime to newTime (times
    // of day); none gets shorter than an hour.
    void ResizeSelectionBy(__time64_t oldTime, __time64_t newTime);

    // Drags ----------------------------------------------------------------------------------------
    // The pointer moved to (x, y), client coordinates of the body of pane, while the body holds
    // a press: the drag point follows it into whichever pane it is over, the status bar names
    // the hour under it; a move highlights that hour in the title strips, a resize moves the end.
    void TrackDrag(int x, int y, CMagnetCtrlView& pane);
    // The smallest left edge (less x) and the smallest top of the drag items' rectangles.
    CPoint GetDragOrigin(int x) const;
    void SetDragAnchor(int x, int y, int offset) { m_ptDragAnchor = CPoint(x + offset, y); }
    // Repaints the current row at once in the first pane and, when split, in the second.
    void RepaintCurrentRow() { RepaintRow(m_nCurrentRowId); }
    void StartBlinkTimer() { m_nTimerId = SetTimer(kBlinkTimer, 500, nullptr); }
    // What a move of the magnet shows: the entries it clashes with (on the lessons of its chime
    // set when the plan has several) and the times its activity's (or group's) members are not
    // free.
    void CollectMoveFeedback(const CMagnetItem& magnet);
    // Appends the blocked times of the activity id (groupFlag 0) or of every activity of the
    // group id (groupFlag 1).
    void CollectBlockedTimes(int groupFlag, int id);
    // Appends, for each member of the activity, its absences, its days off and the hours of a
    // day column outside the member's working time.
    void CollectActivityBlockedTimes(int activityId);
    void CollectClashBlocks(int id, std::uint64_t excludedEntry, int groupFlag);
    void ClearBlockedTimes() { m_arrBlockedTimes.clear(); }
    void AlignClashBlocksToChimeSets(int chimeSetId, const COleDateTimeSpan& length);
    // The drop record starts at the whole hour of the time.
    void SetDropStart(const COleDateTime& time);
    // The entity board's drag: WM_USER+15 begins it (wParam the id, lParam non-zero for an
    // activity, 0 for a group), WM_USER+2 follows the pointer (screen x, y), WM_USER+14 drops it
    // (client x, y) and WM_USER+16 cancels it.
    LRESULT OnBoardDragBegin(WPARAM wParam, LPARAM lParam);
    LRESULT OnBoardDragMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnBoardDrop(WPARAM wParam, LPARAM lParam);
    LRESULT OnBoardDragCancel(WPARAM wParam, LPARAM lParam);
    // The index of the pane under the control's client x, and x in that pane's client.
    int PaneIndexAt(int controlX) const;
    int PaneLocalX(int index, int controlX) const;
    // The content x under a client point of the control; false beside the panes or over no day
    // column.
    bool ContentXAt(CPoint client, int& x) const;
    // The status text of the hour under the content x.
    void ShowDragTimeStatus(int x);

    // Drag state (read by the bodies; set by the drags) -----------------------------------------------
    CMagnetDropRecord m_dropRecord;
    int m_nSwapTarget = kNone;     // indexes into the current row's magnets
    int m_nThirdMagnet = kNone;
    int m_nDraggedMagnet = kNone;
    COleDateTime m_dtPreviewFreeTime;
    UINT_PTR m_nTimerId = 0;
    CWnd* m_pPressPane = nullptr;
    std::vector<CMagnetItem> m_arrDragItems;
    std::vector<CItemTime> m_arrClashBlocks;
    std::vector<CItemTime> m_arrBlockedTimes;
    int m_bSwapPreview = 0;
    int m_nExternalDragId = 0;
    int m_nPressInt = 0;
    int m_bPressed = 0;
    int m_nDragMode = kDragNone;
    int m_bDragActive = 0;
    int m_bPressPending = 0;
    int m_bRelativeResize = 0;
    int m_nExternalDragKind = 0;  // 1 activity, 2 group
    int m_nBlinkPhase = 0;
    CPoint m_ptDragAnchor;
    CPoint m_ptPress;
    CPoint m_ptDrag;  // content pixels
    __time64_t m_tLatestEnd = 0;
    COleDateTime m_dtDragStart;
    __time64_t m_tLastPointerTime = 0;
    CWnd* m_pPointerPane = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    LRESULT OnResetScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowSwapPreview(WPARAM wParam, LPARAM lParam);
    LRESULT OnHideSwapPreview(WPARAM wParam, LPARAM lParam);
    // lParam 0: the third magnet is the current row's last magnet of the entry serial wParam;
    // otherwise wParam points to the previewed free time (a COleDateTime).
    LRESULT OnSetSwapCandidate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RebuildRowIndex();
    void SetVerticalOffset(int offset);
    void RepaintRow(int entityId);
    void RepaintBodiesAndHeader();
    void InvertSplitLine(int x);
    int GetRowPitch() const;
    // Swaps: the free hours of the row's entity on the board's days; the current row's magnets
    // as swap pieces (with their latest ends when an index is given); the mark of m while d is
    // dragged and its search for a third place.
    std::vector<COleDateTime> CollectRowFreeHours(const CPlanIndex* index) const;
    std::vector<CSwapPiece> RowPieces(const CPlanIndex* index) const;
    int MarkOf(const CSwapPiece& m, const CSwapPiece& d, const std::vector<CSwapPiece>& row,
               const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const;
    int IndirectMark(const CSwapPiece& m, const CSwapPiece& d, const std::vector<CSwapPiece>& row,
                     const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const;
    void SetBodyToolTips(int on);

    CScrollBar m_scrollBar;
    std::vector<CMagnetRow> m_arrRows;
    std::unordered_map<int, int> m_rowIndex;  // entity id -> first row
    CMagnetCtrlHeader m_header;
    CMagnetCtrlView m_firstPane;
    CMagnetCtrlView m_secondPane;
    CFont m_font;
    int m_nGripHeight = 18;
    int m_nTitleHeight = 40;
    HCURSOR m_hSplitterCursor = nullptr;
    int m_nVerticalOffset = 0;
    CImageList m_images;
    int m_nSplitPosition = -1;
    int m_bSplit = 0;
    int m_nCurrentRowId = 0;
    int m_nCurrentRowTop = 0;
    int m_nCurrentRowBottom = 0;
    int m_bSplitterDrag = 0;
    int m_nVerticalPosition = 0;
    int m_nHeaderWidth = 80;
    int m_nHourWidth = 60;
    int m_nMinHourWidth = 0;
    int m_bHeaderEdgeDrag = 0;
    int m_nDragEdgeX = 0;
};
