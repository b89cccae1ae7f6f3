// The diary's data: filling, sorting, selection, collapsing, the drag protocol of the side panel
// and the notices to the page.
#include "planner/diary_ctrl.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/merge_sort.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/diary_messages.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/thread_messages.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CDiaryCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_DIARY_RELAYOUT, &CDiaryCtrl::OnRelayoutMessage)
    ON_MESSAGE(WM_USER + 15, &CDiaryCtrl::OnDragBegin)
    ON_MESSAGE(WM_USER + 2, &CDiaryCtrl::OnDragOver)
    ON_MESSAGE(WM_USER + 14, &CDiaryCtrl::OnDrop)
    ON_MESSAGE(WM_USER + 16, &CDiaryCtrl::OnDragEnd)
    ON_MESSAGE(WM_USER + 21, &CDiaryCtrl::OnPanelMode)
END_MESSAGE_MAP()

CDiaryCtrl::CDiaryCtrl() = default;
CDiaryCtrl::~CDiaryCtrl() { DestroyWindow(); }

BOOL CDiaryCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, L"", style, rect, parent, id);
}

CWnd* CDiaryCtrl::GetHost() const { return GetParent(); }

// Filling ------------------------------------------------------------------------------------------

void CDiaryCtrl::Clear() {
    m_arrRows.clear();
    m_arrGroups.clear();
    m_arrEntityTimes.clear();
    m_arrCurrentTimes.clear();
    m_arrBlocked.clear();
    m_rowIndex.clear();
    m_timesIndex.clear();
    m_nCurrentRow = m_nCurrentGroup = kNone;
    m_nMode = 0;
}

void CDiaryCtrl::AddRow(const CString& caption, COLORREF background, COLORREF hatchColour, int hatch, int meetingCode,
                        int activityId, const CString& secondText, int groupId) {
    if (HasRow(activityId)) return;
    CDiaryRow row;
    row.m_nActivity = activityId;
    row.m_nGroup = groupId;
    row.m_strCaption = caption;
    row.m_strSecondText = secondText;
    row.m_crBackground = background;
    row.m_crHatch = hatchColour;
    row.m_nHatch = hatch;
    row.m_nMeetingCode = meetingCode;
    m_rowIndex.emplace(activityId, static_cast<int>(m_arrRows.size()));
    m_arrRows.push_back(std::move(row));
}

void CDiaryCtrl::AddGroup(const CString& name, COLORREF colour, const CString& quota, int groupId) {
    if (FindGroup(groupId)) return;
    CDiaryGroup group;
    group.m_nGroup = groupId;
    group.m_strName = name;
    group.m_strQuota = quota;
    group.m_crColour = colour;
    m_arrGroups.push_back(std::move(group));
}

void CDiaryCtrl::AddRowMember(int activityId, const CString& name, int type, int entityId, int unavailable) {
    const int row = FindRow(activityId);
    if (row == kNone) return;
    CDiaryMember member;
    member.m_nEntity = entityId;
    member.m_strName = name;
    member.m_nType = type;
    member.m_bUnavailable = unavailable;
    m_arrRows[row].m_arrMembers.push_back(std::move(member));
}

CDiaryEntityTimes* CDiaryCtrl::FindEntityTimes(int entityId) {
    const auto found = m_timesIndex.find(entityId);
    return found == m_timesIndex.end() ? nullptr : &m_arrEntityTimes[found->second];
}

CDiaryEntityTimes& CDiaryCtrl::AddEntityTimes(CDiaryEntityTimes times) {
    m_timesIndex.emplace(times.m_nEntity, static_cast<int>(m_arrEntityTimes.size()));
    m_arrEntityTimes.push_back(std::move(times));
    return m_arrEntityTimes.back();
}

void CDiaryCtrl::ClearEntityTimes() {
    m_arrEntityTimes.clear();
    m_timesIndex.clear();
    for (CDiaryRow& row : m_arrRows)
        for (CDiaryMember& member : row.m_arrMembers) member.m_nTimes = -1;
}

int CDiaryCtrl::FindRow(int id) const {
    const auto found = m_rowIndex.find(id);
    return found == m_rowIndex.end() ? kNone : found->second;
}

void CDiaryCtrl::RemoveRow(int id) {
    const int row = FindRow(id);
    if (row == kNone) return;
    m_arrRows.erase(m_arrRows.begin() + row);
    if (m_nCurrentRow == row) m_nCurrentRow = kNone;
    else if (m_nCurrentRow > row) --m_nCurrentRow;
    RebuildRowIndex();
}

void CDiaryCtrl::RebuildRowIndex() {
    m_rowIndex.clear();
    for (std::size_t i = 0; i < m_arrRows.size(); ++i) m_rowIndex.emplace(m_arrRows[i].m_nActivity, static_cast<int>(i));
}

void CDiaryCtrl::RebuildTimesIndex() {
    m_timesIndex.clear();
    for (std::size_t i = 0; i < m_arrEntityTimes.size(); ++i)
        m_timesIndex.emplace(m_arrEntityTimes[i].m_nEntity, static_cast<int>(i));
}

const CDiaryGroup* CDiaryCtrl::FindGroup(int groupId) const {
    for (const CDiaryGroup& group : m_arrGroups)
        if (group.m_nGroup == groupId) return &group;
    return nullptr;
}

CString FormatDateTitle(const COleDateTime& date) {
    const CScheduleData* data = GetAppDocument();
    return data ? data->FormatDayTitle(data->GetDayIndex(date)) : CString();
}

void CDiaryCtrl::SetDays(int count, const COleDateTime& firstDate, __time64_t referenceTime) {
    const CScheduleData* data = GetAppDocument();
    for (int p = 0; p < 2; ++p) {
        GetPane(p).GetTitle().ClearDayColumns();
        GetPane(p).GetTitle().SetReferenceTime(referenceTime);
    }
    COleDateTime date = firstDate;
    // Days past the slots have no working range of their own and are left out.
    for (int i = 0; i < std::min(count, kDaySlots); ++i) {
        const CString title = data ? data->FormatDayTitle(i) : CString();
        if (CompareTime64Approx(m_tDayStart[i], m_tDayEnd[i]) == -1)
            for (int p = 0; p < 2; ++p) GetPane(p).GetTitle().AddDayColumn(title, date, m_tDayStart[i], m_tDayEnd[i]);
        date = COleDateTime(static_cast<DATE>(date) + 1.0);
    }
    for (int p = 0; p < 2; ++p)
        if (GetPane(p).GetSafeHwnd()) GetPane(p).Layout();
    if (GetSafeHwnd() && IsWindowVisible()) {
        ScrollToTop();
        if (m_firstPane.GetBody().GetSafeHwnd()) m_firstPane.GetBody().SetFocus();
    }
}

void CDiaryCtrl::SortRows() {
    const CScheduleData* data = GetAppDocument();
    const auto groupName = [&](int id) {
        if (!data) return CString();
        const auto group = data->FindGroup(id);
        return group == data->m_arrGroups.end() ? CString() : group->m_strName;
    };
    // The group names are looked up once, not at every comparison.
    std::unordered_map<int, CString> names;
    for (const CDiaryRow& row : m_arrRows)
        if (row.m_nGroup && !names.count(row.m_nGroup)) names.emplace(row.m_nGroup, groupName(row.m_nGroup));
    StableMergeSort(m_arrRows, [&](const CDiaryRow& a, const CDiaryRow& b) {
        if (a.m_nGroup == b.m_nGroup) return a.m_strCaption.Compare(b.m_strCaption) < 0;
        if (a.m_nGroup && !b.m_nGroup) return true;
        if (!a.m_nGroup && b.m_nGroup) return false;
        return names[a.m_nGroup].Compare(names[b.m_nGroup]) < 0;
    });
    StableMergeSort(m_arrEntityTimes, [](const CDiaryEntityTimes& a, const CDiaryEntityTimes& b) {
        return static_cast<unsigned>(a.m_nEntity) < static_cast<unsigned>(b.m_nEntity);
    });
    RebuildRowIndex();
    RebuildTimesIndex();
    for (CDiaryRow& row : m_arrRows) {
        StableMergeSort(row.m_arrMembers, [](const CDiaryMember& a, const CDiaryMember& b) {
            if (a.m_nType != b.m_nType) return a.m_nType < b.m_nType;
            return a.m_strName.Compare(b.m_strName) < 0;
        });
        for (CDiaryMember& member : row.m_arrMembers) {
            const auto found = m_timesIndex.find(member.m_nEntity);
            member.m_nTimes = found == m_timesIndex.end() ? -1 : found->second;
        }
    }
    LayoutRows();
}

// Selection ------------------------------------------------------------------------------------------

void CDiaryCtrl::ClearSelection() {
    for (CDiaryRow& row : m_arrRows) {
        row.m_bFlagged = 0;
        for (CDiaryMember& member : row.m_arrMembers) member.m_bSelected = 0;
    }
    for (CDiaryGroup& group : m_arrGroups) group.m_bSelected = 0;
    m_nSelectionKind = kSelectNothing;
    m_nCurrentRow = kNone;
}

void CDiaryCtrl::SelectRow(bool add, int row) {
    if (row < 0 || row >= static_cast<int>(m_arrRows.size())) return;
    CDiaryRow& r = m_arrRows[row];
    if (!add) {
        ClearSelection();
        m_nSelectionKind = kSelectRows;
        r.m_bFlagged = 1;
    } else {
        const bool anyMember = std::any_of(r.m_arrMembers.begin(), r.m_arrMembers.end(),
                                           [](const CDiaryMember& m) { return m.m_bSelected != 0; });
        r.m_bFlagged = anyMember ? 1 : !r.m_bFlagged;
    }
    m_nCurrentRow = row;
    m_nCurrentGroup = kNone;
    UpdateScrollRange();
}

void CDiaryCtrl::SelectMember(int row, int member, bool add) {
    if (row < 0 || row >= static_cast<int>(m_arrRows.size())) return;
    if (member < 0 || member >= static_cast<int>(m_arrRows[row].m_arrMembers.size())) return;
    if (!add) ClearSelection();
    m_nSelectionKind = kSelectMembers;
    m_nCurrentRow = row;
    CDiaryMember& m = m_arrRows[row].m_arrMembers[member];
    m.m_bSelected = add ? !m.m_bSelected : 1;
    for (CDiaryRow& r : m_arrRows)
        r.m_bFlagged = std::any_of(r.m_arrMembers.begin(), r.m_arrMembers.end(),
                                   [](const CDiaryMember& x) { return x.m_bSelected != 0; });
    UpdateScrollRange();
}

void CDiaryCtrl::SelectGroupAt(bool add, int group) {
    if (group < 0 || group >= static_cast<int>(m_arrGroups.size())) return;
    if (!add) {
        ClearSelection();
        m_nSelectionKind = kSelectGroup;
    }
    m_nCurrentGroup = group;
    m_nCurrentRow = kNone;
    m_arrGroups[group].m_bSelected = add ? !m_arrGroups[group].m_bSelected : 1;
    UpdateScrollRange();
}

void CDiaryCtrl::SelectRange(int row, const COleDateTime& start, const COleDateTimeSpan& length, bool add) {
    if (row < 0 || row >= static_cast<int>(m_arrRows.size())) return;
    if (!add) {
        ClearSelection();
        m_arrRows[row].m_bFlagged = 1;
        m_dtRangeStart = start;
        m_tsRangeLength = length;
        m_nSelectionKind = kSelectRange;
        m_nCurrentRow = row;
    } else {
        if (row != m_nCurrentRow || !IsSameDay(start, m_dtRangeStart)) return;
        m_arrRows[row].m_bFlagged = 1;
        m_nCurrentGroup = kNone;
        const COleDateTime end = start + length;
        if (start < m_dtRangeStart) m_dtRangeStart = start;
        m_tsRangeLength = end - m_dtRangeStart;
    }
    UpdateScrollRange();
}

void CDiaryCtrl::SelectAllRows() {
    ClearSelection();
    m_nSelectionKind = kSelectRows;
    for (CDiaryRow& row : m_arrRows) row.m_bFlagged = 1;
    m_nCurrentRow = m_arrRows.empty() ? kNone : static_cast<int>(m_arrRows.size()) - 1;
    UpdateScrollRange();
}

void CDiaryCtrl::SelectGroup(int groupId) {
    ClearSelection();
    for (std::size_t i = 0; i < m_arrGroups.size(); ++i)
        if (m_arrGroups[i].m_nGroup == groupId) {
            m_arrGroups[i].m_bSelected = 1;
            m_nCurrentGroup = static_cast<int>(i);
            m_nSelectionKind = kSelectGroup;
        }
    RepaintChildren();
}

void CDiaryCtrl::SelectRowById(int id) {
    ClearSelection();
    const int row = FindRow(id);
    if (row == kNone) return;
    m_arrRows[row].m_bFlagged = 1;
    m_nCurrentRow = row;
    m_nSelectionKind = kSelectRows;
}

int CDiaryCtrl::CountFlaggedRows() const {
    return static_cast<int>(std::count_if(m_arrRows.begin(), m_arrRows.end(), [](const CDiaryRow& r) { return r.m_bFlagged != 0; }));
}

int CDiaryCtrl::CountSelectedGroups() const {
    return static_cast<int>(
        std::count_if(m_arrGroups.begin(), m_arrGroups.end(), [](const CDiaryGroup& g) { return g.m_bSelected != 0; }));
}

// Collapsing ---------------------------------------------------------------------------------------------

bool CDiaryCtrl::IsExpanded(int id) const {
    return !std::binary_search(m_arrCollapsed.begin(), m_arrCollapsed.end(), id, std::greater<int>());
}

void CDiaryCtrl::ToggleCollapsed(int id) {
    const auto found = std::find(m_arrCollapsed.begin(), m_arrCollapsed.end(), id);
    if (found != m_arrCollapsed.end()) m_arrCollapsed.erase(found);
    else m_arrCollapsed.push_back(id);
    std::sort(m_arrCollapsed.begin(), m_arrCollapsed.end(), std::greater<int>());
    LayoutRows();
}

void CDiaryCtrl::SetAllCollapsed(bool collapsed) {
    for (const CDiaryRow& row : m_arrRows) {
        const auto found = std::find(m_arrCollapsed.begin(), m_arrCollapsed.end(), row.m_nActivity);
        if (collapsed && found == m_arrCollapsed.end()) m_arrCollapsed.push_back(row.m_nActivity);
        if (!collapsed && found != m_arrCollapsed.end()) m_arrCollapsed.erase(found);
    }
    std::sort(m_arrCollapsed.begin(), m_arrCollapsed.end(), std::greater<int>());
    LayoutRows();
    ScrollToTop();
    Relayout();
}

// Notices to the page ----------------------------------------------------------------------------------------

void CDiaryCtrl::NotifyDoubleClick(WPARAM wParam, LPARAM kind) {
    CWnd* host = GetHost();
    if (host && host->GetSafeHwnd()) host->SendMessage(WM_DIARY_DBLCLK, wParam, kind);
}

void CDiaryCtrl::RequestEntity(int entityId) {
    CWnd* host = GetHost();
    if (host && host->GetSafeHwnd()) host->SendNotifyMessage(WM_DIARY_NAVIGATE, static_cast<WPARAM>(entityId), 0);
}

// The drag protocol of the side panel ------------------------------------------------------------------------

void CDiaryCtrl::SetAvailabilityDisplay(int on) {
    m_header.m_bAvailability = on;
    for (int p = 0; p < 2; ++p) GetPane(p).GetBody().m_bAvailability = on;
}

void CDiaryCtrl::ResetDropMarkers() {
    SetAvailabilityDisplay(0);
    RepaintChildren();
}

LRESULT CDiaryCtrl::OnPanelMode(WPARAM mode, LPARAM) {
    m_nMode = static_cast<int>(mode);
    return 0;
}

LRESULT CDiaryCtrl::OnDragBegin(WPARAM id, LPARAM several) {
    m_nDraggedId = static_cast<int>(id);
    m_bBulkDrop = several == 1 || (CountFlaggedRows() > 1 && (m_nMode == 2 || m_nMode == 3));
    if (m_bBulkDrop || (m_nMode != 2 && m_nMode != 3)) return 0;
    CScheduleData* data = GetAppDocument();
    if (!data || data->FindEntity(m_nDraggedId) == data->m_arrEntities.end()) {
        m_nDraggedId = 0;
        return 0;
    }
    if (m_nDraggedId == data->m_nCurrentEntity) return 0;
    for (CDiaryRow& row : m_arrRows) {
        if (m_nMode == 2) {
            row.m_nAvailability = data->CanAddEntityToActivity(row.m_nActivity, m_nDraggedId) ? 0 : 2;
        } else {
            const auto activity = data->FindActivity(row.m_nActivity);
            row.m_nAvailability = activity == data->m_arrActivities.end() || !activity->m_strLocation.IsEmpty()
                                      ? 2
                                      : activity->GetRoomConflict(*data, m_nDraggedId);
        }
    }
    SetAvailabilityDisplay(1);
    RepaintChildren();
    return 0;
}

LRESULT CDiaryCtrl::OnDragOver(WPARAM x, LPARAM y) {
    if (m_nMode == 2) {
        CPoint point(static_cast<int>(x), static_cast<int>(y));
        m_header.ScreenToClient(&point);
        const int row = m_header.RowAt(point.y);
        m_strStatus.Empty();
        if (row != kNone) m_strStatus.Format(IDS_DIARY_DROP_STATUS, m_arrRows[row].m_strCaption.GetString());
    }
    CWnd* owner = GetOwner();
    if (!owner) owner = GetHost();
    if (owner) owner->SendNotifyMessage(WM_DIARY_SHOW_STATUS, 0, 0);
    return 0;
}

LRESULT CDiaryCtrl::OnDrop(WPARAM point, LPARAM) {
    CPoint p = point ? *reinterpret_cast<const POINT*>(point) : CPoint(0, 0);
    ClientToScreen(&p);
    m_header.ScreenToClient(&p);
    const int row = m_header.RowAt(p.y);
    if (CountFlaggedRows() == 0 && row != kNone) m_arrRows[row].m_bFlagged = 1;
    const WPARAM activity = row == kNone ? 0 : static_cast<WPARAM>(m_arrRows[row].m_nActivity);
    CWnd* host = GetHost();
    if (m_bBulkDrop) {
        if (host) host->SendMessage(WM_DIARY_APPLY_SELECTION, activity, 0);
        return 0;
    }
    if (m_nMode == 1) {
        if (host) host->SendMessage(WM_DIARY_DROP_CURRENT, 0, 0);
    } else if (m_nMode == 2 || m_nMode == 3) {
        CWnd* owner = GetOwner();
        if (!owner) owner = host;
        if (owner) owner->SendMessage(WM_DIARY_DROP_ENTITY, activity, 0);
    }
    ResetDropMarkers();
    return 0;
}

LRESULT CDiaryCtrl::OnDragEnd(WPARAM, LPARAM) {
    if (!m_bBulkDrop) ResetDropMarkers();
    return 0;
}
