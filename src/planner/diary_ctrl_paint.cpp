// The pictures of rows and groups that the row-name column and the bodies share. Everything is
// drawn in content coordinates: the caller's device context carries the scroll offsets, and h,
// the pane's horizontal offset, places what stays put when the pane scrolls sideways.
#include <algorithm>

#include "controls/app_document.h"
#include "controls/fill_gradient_rect.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "planner/diary_ctrl.h"
#include "platform/ui/dc.h"
#include "timetable/block_drawing.h"
#include "timetable/grid_scale.h"

namespace {

constexpr COLORREF kAvailabilityColours[3] = {RGB(0, 255, 0), RGB(255, 128, 0), RGB(255, 0, 0)};

// The look of a row or a commitment as a swatch or a box: gradient, or plain with a hatch.
void FillLook(CDC* dc, const CRect& rect, COLORREF background, COLORREF hatchColour, int hatch) {
    if (IsGradientLook(hatch)) {
        FillGradientRect(dc, rect, background, hatchColour, hatch - 7);
        return;
    }
    dc->FillSolidRect(&rect, background);
    if (IsHatchLook(hatch)) {
        CBrush brush(hatch, hatchColour);
        dc->FillRect(&rect, &brush);
    }
}

int StateSlot(const CScheduleData& data, int state) {
    const int s = state >= 0 && state < CScheduleData::kStateSlots ? data.m_nStateSlots[state] : 0;
    return s >= 0 && s < CScheduleData::kStateSlots ? s : 0;
}

}  // namespace

COLORREF GetStateFrameColour(const CScheduleData& data, int state) { return data.m_crSlotColours[StateSlot(data, state)]; }
int GetStatePattern(const CScheduleData& data, int state) { return data.m_nSlotBrushes[StateSlot(data, state)]; }

void CDiaryCtrl::PaintGroupBand(CDC* dc, const CDiaryGroup& group, int y, int h) {
    const CRect band(h - 5, y, h + 5000, y + ScaleGridPixels(10, GetGridScale()));
    dc->FillSolidRect(&band, group.m_crColour);
}

void CDiaryCtrl::PaintGroupCaption(CDC* dc, const CDiaryGroup& group, int y, bool header, const CDiaryView* pane,
                                   int width) {
    const double s = GetGridScale();
    const int h = pane ? pane->GetHorizontalOffset() : 0;
    const CRect line(header ? 0 : h - 5, y, header ? 5000 : h + width, y + ScaleGridPixels(20, s));
    dc->FillSolidRect(&line, group.m_crColour);
    dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    const COLORREF rest = GetSysColor(group.m_bSelected ? COLOR_INFOBK : COLOR_BTNFACE);
    const int restBottom = y + ScaleGridPixels(16, s);
    const bool first = header || (pane && pane->GetBody().m_bFirstPane);
    int restLeft = h;
    if (first) {
        const int x = header ? 20 : h + 20 - m_nHeaderWidth;
        if (header) m_images.Draw(dc, 5, CPoint(1, y + 1), ILD_TRANSPARENT);
        CRect text(x, y, x + 4000, y + m_nLineHeight);
        dc->DrawText(group.m_strName, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        restLeft = x + dc->GetTextExtent(group.m_strName).cx + 10;
    }
    if (header || restLeft < h + width) {
        const CRect fill(std::max(restLeft, header ? 0 : h), y + 2, header ? 50000 : h + width, restBottom);
        if (fill.Width() > 0) dc->FillSolidRect(&fill, rest);
    }
    if (!header && pane && pane->GetBody().m_bLastPane) {
        const int right = h + width - 20;
        m_images.Draw(dc, 22, CPoint(right, y + 1), ILD_TRANSPARENT);
        CRect text(h, y, right, y + m_nLineHeight);
        dc->DrawText(group.m_strQuota, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

void CDiaryCtrl::PaintRowCaption(CDC* dc, const CDiaryRow& row, int y, bool header, const CDiaryView* pane, int width,
                                 bool availability) {
    const int h = pane ? pane->GetHorizontalOffset() : 0;
    const bool first = header || (pane && pane->GetBody().m_bFirstPane);
    COLORREF fill = GetSysColor(row.m_bFlagged ? COLOR_INFOBK : COLOR_BTNFACE);
    if (availability) fill = kAvailabilityColours[std::clamp(row.m_nAvailability, 0, 2)];
    const CRect line(header ? 0 : h - 5, y, header ? 5000 : h + width, y + m_nLineHeight);
    dc->FillSolidRect(&line, fill);
    CRect frame = line;
    if (first && !header) frame.right = h + 5000;
    dc->Draw3dRect(&frame, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNTEXT));
    dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    if (header) {
        m_images.Draw(dc, IsExpanded(row.m_nActivity) ? 1 : 0, CPoint(4, y + 1), ILD_TRANSPARENT);
        const CRect swatch(19, y + 2, 33, y + m_nLineHeight - 2);
        FillLook(dc, swatch, row.m_crBackground, row.m_crHatch, row.m_nHatch);
        CRect text(38, y, 5000, y + m_nLineHeight);
        dc->DrawText(row.m_strCaption, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        return;
    }
    if (first) {
        // The caption continues where the row-name column cut it off.
        CRect text(h + 38 - m_nHeaderWidth, y, h + 5000, y + m_nLineHeight);
        dc->DrawText(row.m_strCaption, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    if (pane && pane->GetBody().m_bLastPane) {
        const int right = h + width - 20;
        m_images.Draw(dc, row.m_nMeetingCode + 2, CPoint(right, y + 1), ILD_TRANSPARENT);
        CRect text(h, y, right, y + m_nLineHeight);
        dc->DrawText(row.m_strSecondText, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

void CDiaryCtrl::PaintMemberName(CDC* dc, const CDiaryMember& member, int y, CBrush* hatch) {
    const CScheduleData* data = GetAppDocument();
    const CRect line(0, y, 5000, y + m_nLineHeight);
    if (member.m_bUnavailable && hatch && (!data || member.m_nEntity != data->m_nCurrentEntity)) {
        const CRect wide(-10, y, 5000, y + m_nLineHeight);
        dc->FillRect(&wide, hatch);
    }
    CRect text(21, y, 500, y + m_nLineHeight);
    if (member.m_bSelected) {
        const CRect selected(19, y + 1, 500, y + m_nLineHeight - 1);
        dc->FillSolidRect(&selected, GetSysColor(COLOR_ACTIVECAPTION));
        dc->DrawFocusRect(&selected);
        dc->SetTextColor(GetSysColor(COLOR_WINDOW));
    } else {
        dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    }
    m_images.Draw(dc, member.m_nType + 6, CPoint(3, y + 1), ILD_TRANSPARENT);
    dc->DrawText(member.m_strName, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CDiaryCtrl::PaintMemberLine(CDC* dc, const CDiaryRow& row, const CDiaryMember& member, int y,
                                 const CDiaryView& pane, int left, int right, CBrush* hatch) {
    const CScheduleData* data = GetAppDocument();
    const CDiaryCtrlTitle& title = pane.GetTitle();
    const int bottom = y + m_nLineHeight;
    const CDiaryEntityTimes* times =
        member.m_nTimes >= 0 && member.m_nTimes < static_cast<int>(m_arrEntityTimes.size()) ? &m_arrEntityTimes[member.m_nTimes] : nullptr;
    if (member.m_bUnavailable) {
        if (hatch) {
            const CRect line(left, y, right, bottom);
            dc->FillRect(&line, hatch);
        }
    } else if (times && hatch) {
        for (const CDiaryInterval& absence : times->m_arrAbsences) {
            int l = 0, r = 0;
            if (!title.TimeSpanToX(absence.m_dtStart, absence.m_dtEnd - absence.m_dtStart, l, r) || r <= left || l >= right)
                continue;
            const CRect rect(l, y, r, bottom);
            dc->FillRect(&rect, hatch);
        }
    }
    if (!times || !data) return;
    for (const CDiaryTimeRecord& record : times->m_arrTimes) {
        if (record.m_nActivity == row.m_nActivity && record.m_nActivity != 0) continue;
        int l = 0, r = 0;
        if (!title.TimeSpanToX(record.m_dtStart, record.m_tsLength, l, r) || r <= l || r <= left || l >= right) continue;
        CBrush* pattern = const_cast<CDiaryView&>(pane).GetPattern(GetStatePattern(*data, record.m_nState));
        CBrush solid(record.m_crBackground);
        CBrush* old = dc->SelectObject(pattern ? pattern : &solid);
        dc->Rectangle(l - 1, y + 5, r + 1, bottom - 5);
        dc->SelectObject(old);
    }
}

void CDiaryCtrl::PaintRowEntries(CDC* dc, const CDiaryRow& row, const CDiaryView& pane, int left, int right,
                                 CBrush* hatch) {
    const CScheduleData* data = GetAppDocument();
    if (!data || row.m_arrMembers.empty()) return;
    const CDiaryMember& first = row.m_arrMembers.front();
    if (first.m_nTimes < 0 || first.m_nTimes >= static_cast<int>(m_arrEntityTimes.size())) return;
    const CDiaryCtrlTitle& title = pane.GetTitle();
    const int top = row.m_rect.top + m_nLineHeight;
    const int bottom = row.m_rect.bottom;
    for (const CDiaryTimeRecord& record : m_arrEntityTimes[first.m_nTimes].m_arrTimes) {
        if (record.m_nActivity != row.m_nActivity) continue;
        int l = 0, r = 0;
        if (!title.TimeSpanToX(record.m_dtStart, record.m_tsLength, l, r) || r <= l || r < 0 || r <= left || l >= right)
            continue;
        CPen pen(PS_SOLID, 3, GetStateFrameColour(*data, record.m_nState));
        CPen* oldPen = dc->SelectObject(&pen);
        CBlockShape shape;
        shape.outline = CRect(l + 2, top + 2, r - 2, bottom - 2);
        shape.corner = shape.hatchCorner = shape.gradientCorner = CSize(8, 8);
        shape.gradient = CRect(l + 3, top + 3, r - 3, bottom - 3);
        DrawBlock(dc, shape, CBlockLook{record.m_crBackground, record.m_crHatch, record.m_nHatch});
        // Members absent during the entry are hatched inside the box.
        bool hatched = false;
        const COleDateTime end = record.m_dtStart + record.m_tsLength;
        for (std::size_t m = 0; m < row.m_arrMembers.size() && hatch; ++m) {
            const auto entity = data->FindEntity(row.m_arrMembers[m].m_nEntity);
            if (entity == data->m_arrEntities.end() || !entity->IsAbsent(record.m_dtStart, end)) continue;
            const int y = top + static_cast<int>(m) * m_nLineHeight;
            const CRect part(l + 2, y, r - 2, y + m_nLineHeight);
            dc->FillRect(&part, hatch);
            hatched = true;
        }
        if (hatched) {
            CBrush* oldBrush = static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH));
            dc->RoundRect(&shape.outline, CPoint(8, 8));
            dc->SelectObject(oldBrush);
        }
        dc->SelectObject(oldPen);
    }
}
