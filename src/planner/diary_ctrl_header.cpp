#include "planner/diary_ctrl_header.h"

#include <algorithm>

#include "controls/buffered_paint_dc.h"
#include "planner/diary_messages.h"
#include "planner/diary_ctrl.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CDiaryCtrlHeader, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {
constexpr int kToggleBox = 14;
}

CDiaryCtrlHeader::~CDiaryCtrlHeader() { DestroyWindow(); }

CDiaryCtrl* CDiaryCtrlHeader::GetControl() const { return dynamic_cast<CDiaryCtrl*>(GetParent()); }

int CDiaryCtrlHeader::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    const double s = GetGridScale();
    m_nLineHeight = ScaleGridPixels(18, s);
    m_hatch.Load(IDB_GRID_ABSENCE);
    CreateGridFont(m_font, ScaleGridPixels(13, s), 0, CLEARTYPE_QUALITY);
    return 0;
}

int CDiaryCtrlHeader::RowAt(int y) const {
    const CDiaryCtrl* control = GetControl();
    return control ? control->RowAt(y + control->GetVerticalOffset()) : CDiaryCtrl::kNone;
}

int CDiaryCtrlHeader::GroupAt(int y) const {
    const CDiaryCtrl* control = GetControl();
    return control ? control->GroupAt(y + control->GetVerticalOffset()) : CDiaryCtrl::kNone;
}

int CDiaryCtrlHeader::MemberEntityAt(int y) const {
    const CDiaryCtrl* control = GetControl();
    if (!control) return 0;
    const int row = RowAt(y);
    const int member = control->MemberAt(row, y + control->GetVerticalOffset());
    return member == CDiaryCtrl::kNone ? 0 : control->m_arrRows[row].m_arrMembers[member].m_nEntity;
}

int CDiaryCtrlHeader::GetContentHeight() const {
    const CDiaryCtrl* control = GetControl();
    return control ? control->GetContentHeight() : 0;
}

BOOL CDiaryCtrlHeader::OnEraseBkgnd(CDC*) { return TRUE; }

void CDiaryCtrlHeader::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect& client = dc.Client();
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    CDiaryCtrl* control = GetControl();
    if (!control) return;
    const int v = control->GetVerticalOffset();
    CFont* old = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetViewportOrg(0, -v);
    int previous = 0;
    for (const CDiaryRow& row : control->m_arrRows) {
        if (row.m_nGroup != previous) {
            if (const CDiaryGroup* group = control->FindGroup(previous)) {
                const int y = row.m_rect.top - 2 - (control->FindGroup(row.m_nGroup) ? m_nLineHeight : 0);
                if (y + 12 >= v && y <= v + client.Height()) control->PaintGroupBand(&dc, *group, y);
            }
            if (const CDiaryGroup* group = control->FindGroup(row.m_nGroup); group && !group->m_rect.IsRectEmpty())
                if (group->m_rect.bottom >= v && group->m_rect.top <= v + client.Height())
                    control->PaintGroupCaption(&dc, *group, group->m_rect.top, true, nullptr, client.Width());
            previous = row.m_nGroup;
        }
        // Rows out of view are skipped.
        if (row.m_rect.bottom < v || row.m_rect.top > v + client.Height()) continue;
        const int y = row.m_rect.top;
        control->PaintRowCaption(&dc, row, y, true, nullptr, client.Width(), m_bAvailability != 0);
        if (control->IsExpanded(row.m_nActivity))
            for (std::size_t m = 0; m < row.m_arrMembers.size(); ++m)
                control->PaintMemberName(&dc, row.m_arrMembers[m], y + static_cast<int>(m + 1) * m_nLineHeight,
                                         m_hatch.GetBrush());
        CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        CPen* oldPen = dc.SelectObject(&shadow);
        dc.MoveTo(0, row.m_rect.bottom - 1);
        dc.LineTo(client.Width(), row.m_rect.bottom - 1);
        dc.SelectObject(oldPen);
        if (const CDiaryGroup* group = row.m_nGroup ? control->FindGroup(row.m_nGroup) : nullptr) {
            const CRect strip(0, row.m_rect.top, 2, row.m_rect.bottom);
            dc.FillSolidRect(&strip, group->m_crColour);
        }
    }
    dc.SelectObject(old);
}

void CDiaryCtrlHeader::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    CDiaryCtrl* control = GetControl();
    if (!control) return;
    const bool add = (flags & (MK_SHIFT | MK_CONTROL)) != 0;
    const int row = RowAt(point.y);
    if (row == CDiaryCtrl::kNone) {
        const int group = GroupAt(point.y);
        if (group != CDiaryCtrl::kNone) control->SelectGroupAt(add, group);
        else {
            control->ClearSelection();
            control->UpdateScrollRange();
        }
        return;
    }
    const CDiaryRow& r = control->m_arrRows[row];
    const int y = point.y + control->GetVerticalOffset() - r.m_rect.top;
    if (point.x <= kToggleBox && y <= kToggleBox) {
        control->ToggleCollapsed(r.m_nActivity);
        control->UpdateScrollRange();
        return;
    }
    const int member = control->MemberAt(row, point.y + control->GetVerticalOffset());
    if (member != CDiaryCtrl::kNone) control->SelectMember(row, member, add);
    else control->SelectRow(add, row);
}

void CDiaryCtrlHeader::OnLButtonDblClk(UINT, CPoint point) {
    CDiaryCtrl* control = GetControl();
    if (!control) return;
    const int row = RowAt(point.y);
    if (row != CDiaryCtrl::kNone) {
        const CDiaryRow& r = control->m_arrRows[row];
        const int content = point.y + control->GetVerticalOffset();
        const int member = control->MemberAt(row, content);
        if (!control->IsExpanded(r.m_nActivity) || content - r.m_rect.top < kToggleBox) {
            control->NotifyDoubleClick(static_cast<WPARAM>(r.m_nActivity), 1);
        } else if (member != CDiaryCtrl::kNone) {
            const int entity = r.m_arrMembers[member].m_nEntity;
            control->NotifyDoubleClick(PackDiaryIds(r.m_nActivity, entity), 3);
        }
    }
    const int group = GroupAt(point.y);
    if (group != CDiaryCtrl::kNone)
        control->NotifyDoubleClick(static_cast<WPARAM>(control->m_arrGroups[group].m_nGroup), 2);
}

BOOL CDiaryCtrlHeader::OnMouseWheel(UINT, short delta, CPoint) {
    CDiaryCtrl* control = GetControl();
    return control ? control->ScrollByWheel(delta) : FALSE;
}
