#pragma once
// CDiaryCtrl: the diary of the tasks page. For the current entity one row per activity it takes
// part in; the columns are the plan days. Under an expanded row one line per member shows the
// member's other commitments and absences, and the activity's own entries are drawn as boxes
// across those lines. Rows are grouped by activity group under a caption band.
//
// Window side: the row-name column at the left, two panes (the second only when split) each a
// day title strip over a body, and a vertical scroll bar. The control holds all the data; the
// page fills it after every change of the document. Geometry comes from one layout pass
// (LayoutRows: the rows' and group captions' content y); painting and hit tests read it.
#include <unordered_map>
#include <vector>

#include "planner/diary_ctrl_header.h"
#include "planner/diary_row.h"
#include "planner/diary_view.h"
#include "platform/core/time64.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"

class CDC;
class CScheduleData;

// The day title of the plan day on which the date falls.
CString FormatDateTitle(const COleDateTime& date);
// The document's frame colour and pattern index of an entry state.
COLORREF GetStateFrameColour(const CScheduleData& data, int state);
int GetStatePattern(const CScheduleData& data, int state);

class CDiaryCtrl : public CWnd {
public:
    static constexpr int kNone = -1;
    static constexpr int kDaySlots = 21;
    static constexpr UINT kScrollBarId = 100, kHeaderId = 102, kFirstPaneId = 103, kSecondPaneId = 104;
    // Selection kinds.
    enum : int { kSelectNothing = 0, kSelectRows = 1, kSelectMembers = 2, kSelectRange = 3, kSelectGroup = 4 };

    CDiaryCtrl();
    ~CDiaryCtrl() override;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Filling ---------------------------------------------------------------------------------------
    void Clear();
    // The day columns of both panes: plan day i gets a column when its day start lies before
    // its day end.
    void SetDays(int count, const COleDateTime& firstDate, __time64_t referenceTime);
    void AddRow(const CString& caption, COLORREF background, COLORREF hatchColour, int hatch, int meetingCode,
                int activityId, const CString& secondText, int groupId);
    void AddGroup(const CString& name, COLORREF colour, const CString& quota, int groupId);
    void AddRowMember(int activityId, const CString& name, int type, int entityId, int unavailable);
    // The entity times of the entity; null when none was added.
    CDiaryEntityTimes* FindEntityTimes(int entityId);
    CDiaryEntityTimes& AddEntityTimes(CDiaryEntityTimes times);
    void ClearEntityTimes();
    bool IsEmpty() const { return m_arrRows.empty(); }
    bool HasRow(int id) const { return FindRow(id) != kNone; }
    int FindRow(int id) const;
    void RemoveRow(int id);
    CString GetStatusText() const { return m_strStatus; }
    void SortRows();

    // Selection -------------------------------------------------------------------------------------
    void ClearSelection();
    void SelectRow(bool add, int row);
    void SelectMember(int row, int member, bool add);
    void SelectGroupAt(bool add, int group);
    void SelectRange(int row, const COleDateTime& start, const COleDateTimeSpan& length, bool add);
    void SelectAllRows();
    void SelectGroup(int groupId);
    void SelectRowById(int id);
    int CountFlaggedRows() const;
    int CountSelectedGroups() const;
    bool IsExpanded(int id) const;
    void ToggleCollapsed(int id);
    void SetAllCollapsed(bool collapsed);
    void ClearCollapsed() { m_arrCollapsed.clear(); }

    // Layout and scrolling ----------------------------------------------------------------------------
    void ToggleSplit();
    void ScrollToTop();
    void ScrollToRow(int id, int offset);
    // The layout pass: every row's and group caption's content y.
    void LayoutRows();
    // The height of a row: one line collapsed or without members, else a line per member and one.
    int GetRowHeight(const CDiaryRow& row) const;
    // The content height of the scroll range: each row (1 or members + 1) x 1.1 line heights.
    int GetContentHeight() const;
    void UpdateScrollRange();
    // One wheel notch; false (nothing changed) when the move would leave the range.
    BOOL ScrollByWheel(short delta);
    int GetLineHeight() const { return m_nLineHeight; }
    int GetTitleHeight() const { return m_nTitleHeight; }
    int GetVerticalOffset() const { return m_nVerticalOffset; }
    int GetHeaderWidth() const { return m_nHeaderWidth; }
    int GetSplitPosition() const { return m_nSplitPosition; }
    bool IsSplit() const { return m_bSplit; }
    void Relayout();

    // Painting of rows and groups, shared by the row-name column and the bodies ------------------------
    // header: the row-name side; otherwise the body side of the pane.
    void PaintGroupBand(CDC* dc, const CDiaryGroup& group, int y, int h = 0);
    void PaintGroupCaption(CDC* dc, const CDiaryGroup& group, int y, bool header, const CDiaryView* pane, int width);
    void PaintRowCaption(CDC* dc, const CDiaryRow& row, int y, bool header, const CDiaryView* pane, int width,
                         bool availability);
    void PaintMemberName(CDC* dc, const CDiaryMember& member, int y, CBrush* hatch);
    void PaintMemberLine(CDC* dc, const CDiaryRow& row, const CDiaryMember& member, int y, const CDiaryView& pane,
                         int left, int right, CBrush* hatch);
    void PaintRowEntries(CDC* dc, const CDiaryRow& row, const CDiaryView& pane, int left, int right, CBrush* hatch);
    const CDiaryGroup* FindGroup(int groupId) const;

    // Hit tests (content y) -------------------------------------------------------------------------------
    // The row whose rectangle holds y; kNone when none.
    int RowAt(int y) const;
    // The group whose caption line holds y; kNone when none.
    int GroupAt(int y) const;
    // The member line under y of an expanded row; kNone when none.
    int MemberAt(int row, int y) const;
    // The member entity under y, the hour under x in the pane and the first commitment of that
    // member in that hour that belongs to another activity; false when there is none.
    bool HitTestCommitment(const CDiaryView& pane, CPoint point, int& row, int& member, CDiaryTimeRecord& record) const;

    // Double clicks -------------------------------------------------------------------------------------
    void NotifyDoubleClick(WPARAM wParam, LPARAM kind);
    // Entity navigation request to the page.
    void RequestEntity(int entityId);

    // Parts -----------------------------------------------------------------------------------------------
    CDiaryCtrlHeader& GetHeader() { return m_header; }
    CDiaryView& GetPane(int index) { return index == 0 ? m_firstPane : m_secondPane; }
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CImageList& GetImages() { return m_images; }
    CFont& GetFont() { return m_font; }

    // Data (read by the panes, the header and the page) ------------------------------------------------
    int m_nFirstSlot = 0;
    int m_nSecondSlot = 0;
    __time64_t m_tDayStart[kDaySlots] = {};
    __time64_t m_tDayEnd[kDaySlots] = {};
    int m_bCurrentUnavailable = 0;
    std::vector<CDiaryRow> m_arrRows;
    std::vector<CDiaryGroup> m_arrGroups;
    std::vector<CDiaryEntityTimes> m_arrEntityTimes;
    std::vector<CDiaryTimeRecord> m_arrCurrentTimes;
    std::vector<CDiaryInterval> m_arrBlocked;
    std::vector<int> m_arrCollapsed;  // sorted descending
    int m_nSelectionKind = kSelectNothing;
    COleDateTime m_dtRangeStart;
    COleDateTimeSpan m_tsRangeLength;
    int m_nCurrentRow = kNone;
    int m_nCurrentGroup = kNone;
    int m_nMode = 0;
    int m_nDraggedId = 0;
    int m_bBulkDrop = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    LRESULT OnRelayoutMessage(WPARAM, LPARAM);
    LRESULT OnDragBegin(WPARAM id, LPARAM several);
    LRESULT OnDragOver(WPARAM x, LPARAM y);
    LRESULT OnDrop(WPARAM point, LPARAM);
    LRESULT OnDragEnd(WPARAM, LPARAM);
    LRESULT OnPanelMode(WPARAM mode, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* GetHost() const;
    void SetVerticalOffset(int offset);
    void RepaintChildren();
    void SetAvailabilityDisplay(int on);
    void ResetDropMarkers();
    void InvertSplitBar(int x);
    void RebuildRowIndex();
    void RebuildTimesIndex();

    int m_nLineHeight = 18;
    CScrollBar m_scrollBar;
    CDiaryCtrlHeader m_header;
    CDiaryView m_firstPane;
    CDiaryView m_secondPane;
    CFont m_font;
    int m_nTitleHeight = 55;
    HCURSOR m_hSplitCursor = nullptr;
    CString m_strStatus;
    int m_nVerticalOffset = 0;
    CImageList m_images;
    int m_nSplitPosition = -1;
    bool m_bSplit = false;
    bool m_bSplitterDrag = false;
    int m_nScrollPosition = 0;
    int m_nHeaderWidth = 110;
    bool m_bEdgeDrag = false;
    int m_nLastBarX = -1;
    std::unordered_map<int, int> m_rowIndex;    // activity id -> row
    std::unordered_map<int, int> m_timesIndex;  // entity id -> entity times
};
