#include "planner/magnet_item.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "report_builders/report_markup.h"
#include "timetable/block_drawing.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

COLORREF StateColour(int state) {
    const CScheduleData* data = GetAppDocument();
    return data ? GetStateColour(*data, state) : RGB(0, 0, 0);
}

COleDateTimeSpan Minutes(int minutes) { return COleDateTimeSpan(0, 0, minutes, 0); }

}  // namespace

COleDateTime TruncateToHour(const COleDateTime& time) {
    if (time.GetStatus() != COleDateTime::valid) return time;
    return COleDateTime(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), 0, 0);
}

int SetDragCursor(int kind) {
    if (kind == CMagnetItem::kEdgeResize) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        return kind;
    }
    if (kind == CMagnetItem::kEdgeMove) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        return kind;
    }
    return 0;
}

CMagnetItem::CMagnetItem(const CString& title, COLORREF background, COLORREF foreground, int hatch,
                         const COleDateTime& start, const COleDateTimeSpan& length, int state, int groupItem)
    : m_bGroupItem(groupItem),
      m_nState(state),
      m_strTitle(title),
      m_crBackground(background),
      m_crForeground(foreground),
      m_nHatch(hatch),
      m_dtEntryStart(start),
      m_tsEntryLength(length) {}

bool CMagnetItem::IsActive() const { return m_nState != 0 && m_nState != 5 && m_nState != 7 && m_nState != 9; }

COleDateTime CMagnetItem::GetShownEnd() const {
    COleDateTime end = GetEntryEnd();
    for (const CMergedEntry& merged : m_arrMerged)
        if (CompareTimesApprox(merged.GetEnd(), end) == 1) end = merged.GetEnd();
    return end;
}

bool CMagnetItem::ShowsClash() const {
    return std::any_of(m_arrMerged.begin(), m_arrMerged.end(), [this](const CMergedEntry& merged) {
        return !(m_bGroupItem && merged.m_bGroupItem && merged.m_nGroup == m_nGroup);
    });
}

void CMagnetItem::SetStartHour(const COleDateTime& time) { m_dtEntryStart = TruncateToHour(time); }

bool CMagnetItem::SetEnd(const COleDateTime& end, int minMinutes) {
    const COleDateTimeSpan length = end - m_dtEntryStart;
    if (WholeMinutes(length) < minMinutes) return false;
    m_tsEntryLength = length;
    return true;
}

void CMagnetItem::SetEndTimeOfDay(const COleDateTime& time) {
    const COleDateTime end(m_dtEntryStart.GetYear(), m_dtEntryStart.GetMonth(), m_dtEntryStart.GetDay(),
                           time.GetHour(), time.GetMinute(), 0);
    if (end > m_dtEntryStart + Minutes(10)) m_tsEntryLength = end - m_dtEntryStart;
}

bool CMagnetItem::HasLengthChanged() const {
    return WholeMinutes(m_tsEntryLength) != WholeMinutes(m_tsSavedLength);
}

void CMagnetItem::SnapToHours() {
    m_dtEntryStart = TruncateToHour(m_dtEntryStart);
    const COleDateTime end = TruncateToHour(m_dtEntryStart + m_tsEntryLength);
    m_tsEntryLength = end - m_dtEntryStart;
    if (WholeMinutes(m_tsEntryLength) < 60) m_tsEntryLength = Minutes(60);
}

int CMagnetItem::HitTestEdge(int x, int offset) const {
    if (!m_bSelected || m_nState == 0 || m_nState == 7) return kEdgeNone;
    const int px = x + offset;
    if (!m_rect.PtInRect(CPoint(px, (m_rect.top + m_rect.bottom) / 2))) return kEdgeNone;
    if (px < m_rect.left + 10 && m_nState != 5 && m_nState != 9) return kEdgeMove;
    if (px > m_rect.right - 10) return kEdgeResize;
    return kEdgeNone;
}

bool CMagnetItem::LessByStart(const CMagnetItem& a, const CMagnetItem& b) {
    const int as = WholeMinutes(a.m_dtEntryStart), bs = WholeMinutes(b.m_dtEntryStart);
    if (as != bs) return as < bs;
    const int al = WholeMinutes(a.m_tsEntryLength), bl = WholeMinutes(b.m_tsEntryLength);
    if (al != bl) return al > bl;
    return a.m_nEntry < b.m_nEntry;
}

CString CMagnetItem::FormatTitle(CScheduleData& data) const {
    if (m_bGroupItem) return m_strTitle;
    CTimetableEntry entry(m_dtEntryStart, m_tsEntryLength);
    entry.m_nActivity = m_nActivity;
    return entry.FormatTitle(data, 0, m_nChimeSet);
}

void CMagnetItem::DrawFace(CDC* dc, const CRect& outline, const CRect& textBox, int maxRight) const {
    CPen pen(PS_SOLID, 2, StateColour(m_nState));
    CPen* oldPen = dc->SelectObject(&pen);
    CBlockShape shape;
    shape.outline = outline;
    shape.corner = CSize(12, 12);
    shape.hatchCorner = shape.gradientCorner = CSize(16, 16);
    shape.gradient = CRect(outline.left + 1, outline.top + 1, outline.right, outline.bottom);
    DrawBlock(dc, shape, CBlockLook{m_crBackground, m_crForeground, m_nHatch});
    dc->SelectObject(oldPen);
    if (m_nTitleWidth != textBox.Width()) {
        m_szTitle = MeasureBlockTitle(dc, m_strTitle, textBox);
        m_nTitleWidth = textBox.Width();
    }
    const CRect label = BlockLabelBox(textBox, m_szTitle, 0, maxRight, outline.bottom - 3);
    if (m_nHatch < 6) dc->FillSolidRect(&label, m_crBackground);
    CRect text = label;
    dc->DrawText(m_strTitle, &text, DT_WORDBREAK | DT_NOPREFIX);
}

void CMagnetItem::Draw(CDC* dc, int offset, bool showMarks, bool showSelection) const {
    const CRect& r = m_rect;
    const CRect fill(r.left - offset, r.top + 1, r.right - offset, r.bottom);
    if (m_bCurrentEntity && showMarks) dc->FillSolidRect(&fill, kMagenta);
    if (m_bSelected && showSelection) dc->FillSolidRect(&fill, GetSysColor(COLOR_ACTIVECAPTION));
    DrawFace(dc, CRect(r.left - offset, r.top + 7, r.right - 2 - offset, r.bottom - 1),
             CRect(r.left + 6 - offset, r.top + 9, r.right - 5 - offset, r.bottom - 2), r.right - 5 - offset);
}

void CMagnetItem::DrawInRect(CDC* dc, const CRect& r) const {
    DrawFace(dc, r, CRect(r.left + 6, r.top + 9, r.right - 5, r.bottom - 2), r.right - 3);
}
