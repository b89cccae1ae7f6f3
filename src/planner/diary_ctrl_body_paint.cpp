// The diary body's picture: hour bands, day frames, the current entity's blocked times, the
// selected range and the rows in view, drawn in content coordinates through an off-screen
// buffer. The tooltip's highlight is part of the picture while the tip shows.
#include <algorithm>

#include "controls/app_document.h"
#include "controls/buffered_paint_dc.h"
#include "model/schedule_data.h"
#include "planner/diary_ctrl.h"
#include "planner/diary_ctrl_body.h"
#include "planner/diary_view.h"
#include "timetable/block_drawing.h"

namespace {
constexpr COLORREF kBandColours[2] = {RGB(0xD7, 0xE7, 0xFB), RGB(0xF5, 0xFA, 0xFE)};
constexpr COLORREF kLineColour = RGB(0x95, 0xBD, 0xEE);
constexpr COLORREF kRangeStartColour = RGB(0x8C, 0xBC, 0x76);
constexpr COLORREF kRangeEndColour = RGB(0xFF, 0x75, 0x75);
}  // namespace

BOOL CDiaryCtrlBody::OnEraseBkgnd(CDC*) { return TRUE; }

void CDiaryCtrlBody::OnPaint() {
    CBufferedPaintDC dc(this);
    PaintBody(&dc, dc.Client());
}

void CDiaryCtrlBody::PaintBody(CDC* dc, const CRect& client) {
    CDiaryCtrl* control = GetControl();
    CDiaryView* pane = GetPane();
    dc->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    if (!control || !pane) return;
    const CDiaryCtrlTitle& title = pane->GetTitle();
    const int h = pane->GetHorizontalOffset(), v = control->GetVerticalOffset();
    const int left = h, right = h + client.Width(), top = v, bottom = v + client.Height();
    const int line = control->GetLineHeight();
    CBrush* hatch = m_hatch.GetBrush();
    dc->SetBkMode(TRANSPARENT);
    CFont* oldFont = dc->SelectObject(&m_font);
    CPen pen(PS_SOLID, 1, kLineColour);
    CPen* oldPen = dc->SelectObject(&pen);
    dc->SetViewportOrg(-h, -v);

    // 1. Hour bands from content x 0, only those in view.
    const int hw = std::max(1, title.GetHourWidth());
    for (int k = left / hw, x = k * hw; x < right; ++k, x += hw) {
        const CRect band(x, top, x + hw, bottom);
        if (control->m_bCurrentUnavailable && hatch) {
            dc->FillRect(&band, hatch);
        } else {
            dc->FillSolidRect(&band, kBandColours[k % 2]);
            if (k % 2 == 0) {
                dc->MoveTo(x, top);
                dc->LineTo(x, bottom);
            }
        }
    }
    // 2. Day frames.
    for (const CDayColumn& column : title.GetColumns()) {
        if (column.m_nRight < left || column.m_nLeft > right) continue;
        const CRect frame(column.m_nLeft, top, column.m_nRight, bottom);
        dc->FrameRect(&frame, CDC::GetHalftoneBrush());
    }
    // 3. The current entity's blocked times over the full height.
    for (const CDiaryInterval& blocked : control->m_arrBlocked) {
        int l = 0, r = 0;
        if (!hatch || !title.TimeSpanToX(blocked.m_dtStart, blocked.m_dtEnd - blocked.m_dtStart, l, r) || r <= left || l >= right)
            continue;
        const CRect rect(l, top, r, bottom);
        dc->FillRect(&rect, hatch);
    }
    // 4. The selected range over the member lines of its row.
    CRect range;
    const int current = control->m_nCurrentRow;
    if (control->m_nSelectionKind == CDiaryCtrl::kSelectRange && current >= 0 &&
        current < static_cast<int>(control->m_arrRows.size()) && control->IsExpanded(control->m_arrRows[current].m_nActivity)) {
        const CDiaryRow& row = control->m_arrRows[current];
        int l = 0, r = 0;
        if (title.TimeSpanToX(control->m_dtRangeStart, control->m_tsRangeLength, l, r)) {
            const bool last = current + 1 == static_cast<int>(control->m_arrRows.size());
            range = CRect(l, row.m_rect.top + line, r, last ? bottom : row.m_rect.bottom);
            dc->FillSolidRect(&range, GetSysColor(COLOR_WINDOW));
        }
    }
    // 5. The rows in view.
    int previous = 0;
    for (const CDiaryRow& row : control->m_arrRows) {
        if (row.m_nGroup != previous) {
            const CDiaryGroup* next = control->FindGroup(row.m_nGroup);
            if (const CDiaryGroup* group = control->FindGroup(previous))
                control->PaintGroupBand(dc, *group, row.m_rect.top - 2 - (next ? line : 0), h);
            if (next && !next->m_rect.IsRectEmpty() && next->m_rect.bottom >= top && next->m_rect.top <= bottom)
                control->PaintGroupCaption(dc, *next, next->m_rect.top, false, pane, client.Width());
            previous = row.m_nGroup;
        }
        if (row.m_rect.bottom < top || row.m_rect.top > bottom) continue;
        control->PaintRowCaption(dc, row, row.m_rect.top, false, pane, client.Width(), m_bAvailability != 0);
        if (control->IsExpanded(row.m_nActivity)) {
            dc->SelectObject(&pen);
            for (std::size_t m = 0; m < row.m_arrMembers.size(); ++m)
                control->PaintMemberLine(dc, row, row.m_arrMembers[m], row.m_rect.top + static_cast<int>(m + 1) * line, *pane,
                                         left, right, hatch);
            control->PaintRowEntries(dc, row, *pane, left, right, hatch);
        }
        CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        dc->SelectObject(&shadow);
        dc->MoveTo(left, row.m_rect.bottom - 1);
        dc->LineTo(right, row.m_rect.bottom - 1);
        dc->SelectObject(&pen);
        if (m_bLastPane && row.m_nGroup)
            if (const CDiaryGroup* group = control->FindGroup(row.m_nGroup)) {
                const CRect strip(right - 2, row.m_rect.top, right, row.m_rect.bottom);
                dc->FillSolidRect(&strip, group->m_crColour);
            }
    }
    if (!range.IsRectEmpty()) {
        const CRect start(range.left - 2, range.top, range.left + 2, range.bottom);
        dc->FillSolidRect(&start, kRangeStartColour);
        const CRect startLine(range.left + 1, range.top, range.left + 2, range.bottom);
        dc->FillSolidRect(&startLine, RGB(0, 0, 0));
        const CRect end(range.right - 2, range.top, range.right + 2, range.bottom);
        dc->FillSolidRect(&end, kRangeEndColour);
        const CRect endLine(range.right - 2, range.top, range.right - 1, range.bottom);
        dc->FillSolidRect(&endLine, RGB(0, 0, 0));
    }
    dc->SetViewportOrg(0, 0);
    // 6. The tooltip's highlight.
    PaintHighlight(dc);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldFont);
}

void CDiaryCtrlBody::PaintHighlight(CDC* dc) {
    const CScheduleData* data = GetAppDocument();
    if (!m_highlight.shown || !data) return;
    const CDiaryTimeRecord& record = m_highlight.record;
    CPen pen(PS_SOLID, 4, GetStateFrameColour(*data, record.m_nState));
    CPen* old = dc->SelectObject(&pen);
    CBlockShape shape;
    shape.outline = m_highlight.box;
    shape.outline.DeflateRect(2, 2);
    shape.corner = shape.hatchCorner = shape.gradientCorner = CSize(8, 8);
    shape.gradient = shape.outline;
    DrawBlock(dc, shape, CBlockLook{record.m_crBackground, record.m_crHatch, record.m_nHatch});
    dc->SelectObject(old);
}
