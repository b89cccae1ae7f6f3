#pragma once
// CMagnetItem: one magnet of the magnet board, standing for one timetable entry (or an activity
// group) in which the row's entity takes part. The magnet keeps the entry's start and length in
// fields of its own: those are what drags change and what the page writes back. When magnets of
// a row overlap, the row shows the later ones inside the first (CMagnetRow::Normalise); they stay
// listed in the first magnet with their own times, so nothing of them is lost.
#include <cstdint>
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "timetable/item_time.h"

class CDC;
class CScheduleData;

// An entry shown inside another magnet because the two overlap.
struct CMergedEntry {
    std::uint64_t m_nEntry = 0;
    int m_nActivity = 0;
    int m_nState = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    int m_bGroupItem = 0;
    int m_nGroup = 0;
    COleDateTime GetEnd() const { return m_dtStart + m_tsLength; }
};

class CMagnetItem {
public:
    // Edge hit kinds of HitTestEdge.
    enum : int { kEdgeNone = 0, kEdgeResize = 1, kEdgeMove = 2 };
    static constexpr std::uint64_t kNoEntry = 0;

    CMagnetItem() = default;
    // The remark is empty and every other field starts at zero.
    CMagnetItem(const CString& title, COLORREF background, COLORREF foreground, int hatch, const COleDateTime& start,
                const COleDateTimeSpan& length, int state, int groupItem);

    // False for the states 0, 5, 7 and 9.
    bool IsActive() const;
    COleDateTime GetEntryEnd() const { return m_dtEntryStart + m_tsEntryLength; }
    // Whether the entry length differs from the length saved when the drag began, in whole minutes.
    bool HasLengthChanged() const;
    // Where the board shows the magnet to end: its own end or, when entries were merged into
    // it, the latest of their ends.
    COleDateTime GetShownEnd() const;
    bool HasMergedEntries() const { return !m_arrMerged.empty(); }
    // Whether an entry shown inside this magnet clashes with it: any merged entry other than
    // the parallel entries of the same activity group, which make up one group block.
    bool ShowsClash() const;

    // The entry start becomes the time's date and hour (minutes and seconds 0).
    void SetStartHour(const COleDateTime& time);
    // The length reaches end when that leaves at least minMinutes whole minutes; true then.
    bool SetEnd(const COleDateTime& end, int minMinutes);
    // The end becomes the hour and minute of the time on the start's date, when that is more
    // than 10 minutes after the start.
    void SetEndTimeOfDay(const COleDateTime& time);
    // Start and end cut to whole hours, at least one hour long.
    void SnapToHours();
    // For a selected magnet that may be edited: kEdgeMove within 10 pixels of the left edge
    // (not for the states 5 and 9), kEdgeResize within 10 pixels of the right edge.
    int HitTestEdge(int x, int offset) const;

    // Draws the magnet at its rectangle moved left by offset: the mark and selection fills when
    // asked, the rounded block in the entry's look and the title.
    void Draw(CDC* dc, int offset, bool showMarks, bool showSelection) const;
    // Draws the block and title into the rectangle (a ghost of a drag).
    void DrawInRect(CDC* dc, const CRect& rect) const;
    // The title of a group magnet; the entry title of the activity otherwise.
    CString FormatTitle(CScheduleData& data) const;

    // Earlier entry start first (whole minutes), then the longer entry (whole minutes), then the
    // lower entry serial. A strict weak order.
    static bool LessByStart(const CMagnetItem& a, const CMagnetItem& b);

    CItemTime m_block;
    std::uint64_t m_nEntry = kNoEntry;  // the serial of the entry the magnet stands for
    int m_bGroupItem = 0;
    int m_bCurrentEntity = 0;
    int m_nActivity = 0;
    int m_nGroup = 0;
    int m_nChimeSet = 0;
    int m_nState = 0;
    CRect m_rect;  // content pixels, from the board's layout pass
    CString m_strTitle;
    CString m_strRemark;
    int m_bSelected = 0;
    int m_nSwapMark = 0;  // 0, 17, 18 or 19
    COLORREF m_crBackground = 0;
    COLORREF m_crForeground = 0;
    int m_nHatch = 0;
    int m_nReserved = 0;
    COleDateTime m_dtEntryStart;
    COleDateTimeSpan m_tsEntryLength;
    COleDateTimeSpan m_tsSavedLength;
    std::vector<CMergedEntry> m_arrMerged;
    // The title's size with word breaks, kept from the last drawing for a text box this wide
    // (-1: not measured); set the width to -1 when the title changes.
    mutable CSize m_szTitle;
    mutable int m_nTitleWidth = -1;

private:
    void DrawFace(CDC* dc, const CRect& outline, const CRect& textBox, int maxRight) const;
};

// The same date and hour, minutes and seconds 0; an invalid time stays invalid.
COleDateTime TruncateToHour(const COleDateTime& time);
// Shows the sizing cursor of an edge kind and returns the kind; 0 for any other kind.
int SetDragCursor(int kind);
