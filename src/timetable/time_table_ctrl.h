#pragma once
// CTimeTableCtrl: the timetable grid. Plan days are columns and the hours of the day rows, for
// one entity, or for two one above the other (the split display). It owns the day title strip
// along the top, two panes (the second shown only while split), a folder-tab strip of the
// entities the second pane can show (bottom left, only while split) and a horizontal scroll bar
// that scrolls the title strip and both bodies together. It keeps the plan's dates and holidays,
// lays its children out, carries the split line between the panes and relays the tab choice.
//
// The page is reached as the control's owner, else its parent: it receives WM_TT_SHOW_ENTITY
// when a folder tab is chosen.
#include <functional>
#include <vector>

#include "controls/folder_tab_ctrl.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"
#include "timetable/item_time.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

class CTimeTableCtrl : public CWnd {
public:
    static constexpr int kMaxDays = 21;
    static constexpr UINT_PTR kClockTimer = 1;
    static constexpr UINT kClockPeriod = 600000;

    // The page's list of pinned ranges, which the bodies paint; the control never changes it.
    explicit CTimeTableCtrl(const std::vector<CItemTime>* pinnedRanges);
    ~CTimeTableCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Rebuilds the day columns and the holiday flags for the plan's days (at most 21) from the
    // start date; the hour columns start at the clock time of dayStart.
    void SetDayRange(int dayCount, const COleDateTime& start, __time64_t dayStart);
    // Shows or hides the second pane. The folder tabs and the second pane's entity stay, so
    // turning the split display on again shows the same entity.
    void ToggleSplit();
    void AddEntityTab(const CString& name, int entityId, int removeUnpinned);
    void SelectSecondPaneTab();
    // The pane's day slots from the hour and minute of the columns' ranges (1 January 2000, local
    // time). Throws std::invalid_argument when a time of day cannot be made.
    void ReadDayRangesFromColumns(int pane);
    // The columns' ranges of the pane from its day slots; empty on a holiday.
    void ApplyDaySlotsToColumns(int pane);
    int IsHolidayDate(const COleDateTime& date) const;
    // The layout of the children.
    void RecalcLayout();
    // Repaints the body of the first pane and, while split, of the second.
    void RepaintBodies();

    CTimeTableCtrlTitle& GetTitle() { return m_title; }
    CTimeTableCtrlView& GetPane(int index) { return index == 0 ? m_firstPane : m_secondPane; }
    CTimeTableCtrlView* GetActivePane() { return m_pActivePane; }
    CFolderTabCtrl& GetFolderTabs() { return m_folderTabs; }
    CScrollBar& GetHorizontalBar() { return m_horizontalBar; }
    const std::vector<CItemTime>* GetPinnedRanges() const { return m_pPinnedRanges; }
    int IsSplit() const { return m_bSplit; }
    int IsSplitting() const { return m_bSplitting; }
    int GetSplitOffset() const { return m_nSplitOffset; }
    int GetHeaderWidth() const { return m_nHeaderWidth; }
    COleDateTime GetPlanStart() const { return m_dtPlanStart; }
    COleDateTime GetPlanEnd() const { return m_dtPlanEnd; }
    int GetHolidayFlag(int day) const { return day >= 0 && day < kMaxDays ? m_bHolidays[day] : 0; }

    // The clock: while the flag is set the 10-minute timer re-arms itself, the bodies mark the
    // current time and the title strip shows today's columns in blue.
    int GetClockFlag() const { return m_bClock; }
    void SetClockFlag(int clock) { m_bClock = clock; }
    COleDateTime GetNow() const;
    // Replaces the system clock (tests).
    void SetClock(std::function<COleDateTime()> now) { m_now = std::move(now); }

    // The entity of the second pane, 0 for none; the page sets it.
    int m_nSecondPaneEntity = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    LRESULT OnRelayout(WPARAM wParam, LPARAM lParam);
    LRESULT OnPanelMode(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivatePane(WPARAM wParam, LPARAM lParam);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    void SetHorizontalOffset(int offset);
    void ResetHorizontalScroll();
    CRect SplitBand(int y) const;
    CWnd* GetPage() const;

    int m_nHeaderWidth = 50;
    CFolderTabCtrl m_folderTabs;
    HCURSOR m_hSplitterCursor = nullptr;
    int m_bSplitting = 0;
    int m_nDragStartX = 0;
    int m_nDragStartY = 0;
    int m_nSplitOffset = 0;
    int m_nTrackY = -1;  // the split line shown while dragging, -1 for none
    COleDateTime m_dtPlanStart;
    COleDateTime m_dtPlanEnd;
    int m_bHolidays[kMaxDays] = {};
    int m_nDays = 0;
    CTimeTableCtrlTitle m_title;
    int m_bSplit = 0;
    CTimeTableCtrlView m_firstPane;
    CTimeTableCtrlView m_secondPane;
    CTimeTableCtrlView* m_pActivePane;
    const std::vector<CItemTime>* m_pPinnedRanges;
    CScrollBar m_horizontalBar;
    int m_bClock = 0;
    std::function<COleDateTime()> m_now;
};
