#pragma once
// CDayScheduleModel: one day cut into consecutive intervals (lessons and breaks), each holding
// only its length, after a day start; and the vertical time grid the day-schedule control shows
// them on. Every time is a 64-bit local time on 1 January 2000; only its time of day counts.
// The edits refuse, without a message, whatever would leave an interval of 5 minutes or less.
#include <cstddef>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/time64.h"

class CChimeSet;

struct CScheduleInterval {
    __time64_t m_tLength = 0;  // seconds
    CString m_strLabel;        // empty for a lesson
    CRect m_rcMarker;          // where the boundary marker at its end was last drawn
    CRect m_rcBody;            // where the interval was last drawn
    int m_bSelected = 0;
    int m_nSerial = 0;         // stays with the interval while others come and go
};

class CDayScheduleModel {
public:
    // Local midnight of 1 and 2 January 2000. Throws std::invalid_argument when the local
    // time zone cannot make them.
    static __time64_t FirstMidnight();
    static __time64_t SecondMidnight();
    // A label joins the Lessons list after a blank and lines there are separated by ";".
    static bool IsValidLabel(const CString& label) { return label.Find(L';') < 0; }

    void AddInterval(int minutes, const CString& label);
    void Clear() { m_arrIntervals.clear(); }
    std::size_t GetCount() const { return m_arrIntervals.size(); }
    __time64_t GetStart(std::size_t i) const;
    __time64_t GetEnd(std::size_t i) const { return GetStart(i) + m_arrIntervals[i].m_tLength; }
    // The end of the last interval; the day start without intervals.
    __time64_t GetDayEnd() const { return GetStart(m_arrIntervals.size()); }

    // The grid: rows of m_nMinutesPerRow minutes from local midnight, beginning one row before
    // the row of the day start.
    __time64_t GetRowLength() const { return static_cast<__time64_t>(m_nMinutesPerRow) * 60; }
    __time64_t GetFirstRowTime() const;
    int YFromTime(__time64_t t) const;
    // Rounded down to 5 minutes counted from the first row.
    __time64_t TimeFromY(int y) const;
    // The y of a time without the scroll offset: where it lies in the content.
    int ContentYFromTime(__time64_t t) const { return YFromTime(t) + m_nScrollOffset; }
    bool ZoomIn();
    bool ZoomOut();

    // The lines of the Lessons setting: "!%H:%M label" or "%H:%M" per interval, then the end.
    void GetLessonList(std::vector<CString>& lines) const;
    void StoreInChimeSet(CChimeSet& set) const;
    // The chime set's pairs as intervals: the first pair's time is the day start, each next pair
    // closes an interval labelled by the pair before it. An empty set gives one unlabelled
    // 480-minute interval from emptyDayStart.
    void LoadChimeSet(const CChimeSet& set, __time64_t emptyDayStart);

    // Edits; each answers whether the intervals changed.
    bool SplitAt(__time64_t t);
    bool RemoveBoundary(__time64_t t);
    bool SplitSelected();
    bool DeleteSelected();
    // Moves the boundary at time from (the day start, or an interval's end) to time to.
    bool DragBoundary(__time64_t from, __time64_t to);
    // Whether t is the day start or the end of an interval.
    bool IsBoundary(__time64_t t) const;

    // Selection: at most one interval is selected by the mouse.
    int GetFirstSelected() const;
    void SelectOnly(int index);
    int FindSerial(int serial) const;

    std::vector<CScheduleInterval> m_arrIntervals;
    __time64_t m_tDayStart = 0;
    int m_nScrollOffset = 0;
    int m_nMinutesPerRow = 30;
    int m_nRowHeight = 36;

private:
    void Insert(std::size_t at, __time64_t length);
    int m_nNextSerial = 1;
};
