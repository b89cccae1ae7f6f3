// The diary body's input: selection by click and range drag, the tooltip of a member's other
// commitment with its highlight, double clicks, and the entity navigation of its context menu.
#include "planner/diary_ctrl_body.h"

#include "controls/app_document.h"
#include "controls/icon_menu.h"
#include "model/description_texts.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/board_tool_tip.h"
#include "planner/diary_ctrl.h"
#include "planner/diary_view.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CDiaryCtrlBody, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_COMMAND(ID_NAVIGATE_FORWARD, &CDiaryCtrlBody::OnNavigateFirst)
    ON_COMMAND(ID_NAVIGATE_BACK, &CDiaryCtrlBody::OnNavigateSecond)
    ON_COMMAND(ID_PREVIOUS_ENTITY, &CDiaryCtrlBody::OnNavigatePrevious)
    ON_COMMAND(ID_NEXT_ENTITY, &CDiaryCtrlBody::OnNavigateNext)
    ON_COMMAND_RANGE(ID_NAVIGATE_MEMBER, ID_NAVIGATE_MEMBER_LAST, &CDiaryCtrlBody::OnNavigateMember)
    ON_UPDATE_COMMAND_UI(ID_NAVIGATE_FORWARD, &CDiaryCtrlBody::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_NAVIGATE_BACK, &CDiaryCtrlBody::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_PREVIOUS_ENTITY, &CDiaryCtrlBody::OnUpdateNavigatePrevious)
    ON_UPDATE_COMMAND_UI(ID_NEXT_ENTITY, &CDiaryCtrlBody::OnUpdateNavigateNext)
    ON_UPDATE_COMMAND_UI_RANGE(ID_NAVIGATE_MEMBER, ID_NAVIGATE_MEMBER_LAST, &CDiaryCtrlBody::OnUpdateAlwaysEnabled)
END_MESSAGE_MAP()

CDiaryCtrlBody::~CDiaryCtrlBody() { DestroyWindow(); }

CDiaryView* CDiaryCtrlBody::GetPane() const { return dynamic_cast<CDiaryView*>(GetParent()); }

CDiaryCtrl* CDiaryCtrlBody::GetControl() const {
    const CDiaryView* pane = GetPane();
    return pane ? pane->GetControl() : nullptr;
}

int CDiaryCtrlBody::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    const double s = GetGridScale();
    m_nLineHeight = ScaleGridPixels(18, s);
    CreateGridFont(m_font, ScaleGridPixels(13, s), 0, CLEARTYPE_QUALITY);
    m_hatch.Load(IDB_STATE_PATTERN_5);
    CreateBoardToolTip(m_toolTip, this, 23);
    return 0;
}

void CDiaryCtrlBody::OnDestroy() {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.HideNow();
    CWnd::OnDestroy();
}

BOOL CDiaryCtrlBody::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

// Selection by click and range drag -----------------------------------------------------------------------

void CDiaryCtrlBody::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    CDiaryCtrl* control = GetControl();
    CDiaryView* pane = GetPane();
    if (!control || !pane || control->IsEmpty()) return;
    const bool add = (flags & (MK_SHIFT | MK_CONTROL)) != 0;
    const int y = point.y + control->GetVerticalOffset();
    const int row = control->RowAt(y);
    if (row == CDiaryCtrl::kNone) {
        const int group = control->GroupAt(y);
        if (group != CDiaryCtrl::kNone) {
            control->SelectGroupAt(add, group);
        } else {
            m_bRangeDrag = 0;
            control->ClearSelection();
            control->UpdateScrollRange();
        }
        return;
    }
    if (y < control->m_arrRows[row].m_rect.top + m_nLineHeight) {
        control->SelectRow(add, row);
        return;
    }
    COleDateTime start;
    COleDateTimeSpan length;
    if (!pane->GetTitle().XToHour(point.x + pane->GetHorizontalOffset(), start, length)) return;
    control->SelectRange(row, start, length, false);
    m_bRangeDrag = 1;
    SetCapture();
}

void CDiaryCtrlBody::OnMouseMove(UINT flags, CPoint point) {
    CDiaryCtrl* control = GetControl();
    CDiaryView* pane = GetPane();
    if (m_bRangeDrag && control && pane) {
        const int row = control->RowAt(point.y + control->GetVerticalOffset());
        COleDateTime start;
        COleDateTimeSpan length;
        if (row != CDiaryCtrl::kNone && pane->GetTitle().XToHour(point.x + pane->GetHorizontalOffset(), start, length))
            control->SelectRange(row, start, length, true);
    }
    CWnd::OnMouseMove(flags, point);
}

void CDiaryCtrlBody::OnLButtonUp(UINT flags, CPoint point) {
    m_bRangeDrag = 0;
    if (GetCapture() == this) ReleaseCapture();
    if (m_toolTip.GetSafeHwnd()) m_toolTip.HideNow();
    CWnd::OnLButtonUp(flags, point);
}

void CDiaryCtrlBody::OnLButtonDblClk(UINT, CPoint point) {
    CDiaryCtrl* control = GetControl();
    if (!control) return;
    const int row = control->RowAt(point.y + control->GetVerticalOffset());
    if (row != CDiaryCtrl::kNone) control->NotifyDoubleClick(static_cast<WPARAM>(control->m_arrRows[row].m_nActivity), 1);
}

BOOL CDiaryCtrlBody::OnMouseWheel(UINT, short delta, CPoint) {
    CDiaryCtrl* control = GetControl();
    return control ? control->ScrollByWheel(delta) : FALSE;
}

// The tooltip and its highlight ------------------------------------------------------------------------------

bool CDiaryCtrl::HitTestCommitment(const CDiaryView& pane, CPoint point, int& row, int& member,
                                   CDiaryTimeRecord& record) const {
    const CScheduleData* data = GetAppDocument();
    if (!data) return false;
    const int y = point.y + m_nVerticalOffset;
    row = RowAt(y);
    member = MemberAt(row, y);
    if (member == kNone) return false;
    const CDiaryMember& m = m_arrRows[row].m_arrMembers[member];
    COleDateTime start;
    COleDateTimeSpan length;
    if (!pane.GetTitle().XToHour(point.x + pane.GetHorizontalOffset(), start, length)) return false;
    const auto entity = data->FindEntity(m.m_nEntity);
    if (entity == data->m_arrEntities.end() || m.m_nTimes < 0) return false;
    if (!CTimetableEntry(start, length).IsEntityAvailable(*data, *entity)) return false;
    const COleDateTime end = start + length;
    for (const CDiaryTimeRecord& r : m_arrEntityTimes[m.m_nTimes].m_arrTimes) {
        if (r.m_nActivity == m_arrRows[row].m_nActivity) continue;
        if (!IntervalsOverlap(r.m_dtStart, r.m_dtStart + r.m_tsLength, start, end)) continue;
        record = r;
        return true;
    }
    return false;
}

CString CDiaryCtrlBody::BuildTipAt(CPoint point) {
    ClearHighlight();
    CDiaryCtrl* control = GetControl();
    CDiaryView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    if (!control || !pane || !data || m_bRangeDrag) return CString();
    int row = 0, member = 0;
    CDiaryTimeRecord record;
    if (!control->HitTestCommitment(*pane, point, row, member, record)) return CString();
    const auto activity = data->FindActivity(record.m_nActivity);
    if (activity == data->m_arrActivities.end()) return CString();
    const auto entry = data->FindEntryAt(record.m_nActivity, record.m_dtStart);
    const CTimetableEntry* found = entry == data->m_arrEntries.end() ? nullptr : &*entry;
    const CString tip = BuildTimetableEntryTip(*data, *activity, true, found, true);
    int l = 0, r = 0;
    if (pane->GetTitle().TimeSpanToX(record.m_dtStart, record.m_tsLength, l, r)) {
        const int top = control->m_arrRows[row].m_rect.top + (member + 1) * m_nLineHeight - control->GetVerticalOffset();
        const int h = pane->GetHorizontalOffset();
        m_highlight.shown = true;
        m_highlight.box = CRect(l - h, top, r - h, top + m_nLineHeight);
        m_highlight.record = record;
        if (found) {
            COLORREF back = GetSysColor(COLOR_WINDOW), fore = GetSysColor(COLOR_WINDOWTEXT);
            int hatch = 6;
            found->GetDrawColours(*data, back, fore, hatch);
            m_highlight.record.m_crBackground = back;
            m_highlight.record.m_crHatch = fore;
            m_highlight.record.m_nHatch = hatch;
        }
        Invalidate();
    }
    return tip;
}

void CDiaryCtrlBody::ClearHighlight() {
    if (!m_highlight.shown) return;
    m_highlight = CDiaryHighlight();
    if (GetSafeHwnd()) Invalidate();
}

BOOL CDiaryCtrlBody::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm) return CWnd::OnNotify(wParam, lParam, result);
    if (nm->hdr.code == HTTN_POP) {
        ClearHighlight();
        return TRUE;
    }
    if (nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    if (!nm->pToolInfo || !nm->pParam) return TRUE;
    CPoint point = *static_cast<POINT*>(nm->pParam);
    ScreenToClient(&point);
    nm->pToolInfo->m_text = BuildTipAt(point);
    return TRUE;
}

// Entity navigation ------------------------------------------------------------------------------------------

void CDiaryCtrlBody::OnRButtonDown(UINT, CPoint point) {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    if (!control || !data) return;
    CIconMenu menu;
    menu.CreatePopupMenu();
    m_arrPopup.clear();
    const int row = control->RowAt(point.y + control->GetVerticalOffset());
    if (row != CDiaryCtrl::kNone) {
        const auto activity = data->FindActivity(control->m_arrRows[row].m_nActivity);
        if (activity != data->m_arrActivities.end())
            for (int id : activity->m_arrMembers) {
                if (id == data->m_nCurrentEntity || id == control->m_nFirstSlot || id == control->m_nSecondSlot) continue;
                const auto entity = data->FindEntity(id);
                if (entity == data->m_arrEntities.end()) continue;
                if (ID_NAVIGATE_MEMBER + m_arrPopup.size() > ID_NAVIGATE_MEMBER_LAST) break;
                menu.AppendMenu(MF_STRING, ID_NAVIGATE_MEMBER + static_cast<UINT>(m_arrPopup.size()), entity->m_strName);
                m_arrPopup.push_back(id);
            }
    }
    if (control->m_nFirstSlot || (control->m_nSecondSlot && !m_arrPopup.empty())) menu.AppendMenu(MF_SEPARATOR, 0, L"");
    const auto nameOf = [&](int id) {
        const auto entity = data->FindEntity(id);
        return entity == data->m_arrEntities.end() ? CString() : entity->m_strName;
    };
    if (control->m_nFirstSlot) menu.AppendMenu(MF_STRING, ID_NAVIGATE_FORWARD, nameOf(control->m_nFirstSlot));
    if (control->m_nSecondSlot) menu.AppendMenu(MF_STRING, ID_NAVIGATE_BACK, nameOf(control->m_nSecondSlot));
    menu.AppendMenu(MF_STRING, ID_PREVIOUS_ENTITY, LoadResString(IDS_PREVIOUS_ENTITY));
    menu.AppendMenu(MF_STRING, ID_NEXT_ENTITY, LoadResString(IDS_NEXT_ENTITY));
    menu.LoadToolBarImages(IDR_NAVIGATE_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CDiaryCtrlBody::OnNavigateFirst() {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    if (!control || !data) return;
    const int target = control->m_nFirstSlot;
    if (data->FindEntity(target) == data->m_arrEntities.end()) return;
    control->m_nSecondSlot = data->m_nCurrentEntity;
    control->m_nFirstSlot = 0;
    control->RequestEntity(target);
}

void CDiaryCtrlBody::OnNavigateSecond() {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    if (!control || !data) return;
    const int target = control->m_nSecondSlot;
    if (data->FindEntity(target) == data->m_arrEntities.end()) return;
    control->m_nFirstSlot = data->m_nCurrentEntity;
    control->m_nSecondSlot = 0;
    control->RequestEntity(target);
}

void CDiaryCtrlBody::OnNavigatePrevious() {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    if (!control || !data) return;
    const auto previous = data->GetPreviousEntity();
    if (previous == data->m_arrEntities.end()) return;
    // Back returns to the entity left, as after any other move.
    control->m_nFirstSlot = data->m_nCurrentEntity;
    control->m_nSecondSlot = 0;
    control->RequestEntity(previous->m_nId);
}

void CDiaryCtrlBody::OnNavigateNext() {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    if (!control || !data) return;
    const auto next = data->GetNextEntity();
    if (next == data->m_arrEntities.end()) return;
    control->m_nFirstSlot = data->m_nCurrentEntity;
    control->m_nSecondSlot = 0;
    control->RequestEntity(next->m_nId);
}

void CDiaryCtrlBody::OnNavigateMember(UINT id) {
    CDiaryCtrl* control = GetControl();
    CScheduleData* data = GetAppDocument();
    const std::size_t k = id - ID_NAVIGATE_MEMBER;
    const int target = k < m_arrPopup.size() ? m_arrPopup[k] : 0;
    m_arrPopup.clear();
    if (!control || !data || data->FindEntity(target) == data->m_arrEntities.end()) return;
    control->m_nFirstSlot = data->m_nCurrentEntity;
    control->m_nSecondSlot = 0;
    control->RequestEntity(target);
}

void CDiaryCtrlBody::OnUpdateNavigatePrevious(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->GetPreviousEntity() != data->m_arrEntities.end());
}

void CDiaryCtrlBody::OnUpdateNavigateNext(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->GetNextEntity() != data->m_arrEntities.end());
}
