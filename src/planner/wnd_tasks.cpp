// The tasks page: creation, the update broadcast, the full refill and the synchronisation of the
// diary, the side panel's list and its application, drops, double clicks and the scroll timer.
#include "planner/wnd_tasks.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "frame/recheck_keeping_problems.h"
#include "model/description_texts.h"
#include "model/linked_entities.h"
#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/diary_messages.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

CTasksDialogs CWndTasks::s_dialogs;

BEGIN_MESSAGE_MAP(CWndTasks, CMyView)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_WM_TIMER()
    ON_MESSAGE(WM_DIARY_DBLCLK, &CWndTasks::OnEditRequest)
    ON_MESSAGE(WM_DIARY_DROP_CURRENT, &CWndTasks::OnDropCurrentEntity)
    ON_MESSAGE(WM_DIARY_DROP_ENTITY, &CWndTasks::OnDropEntity)
    ON_MESSAGE(WM_DIARY_SHOW_STATUS, &CWndTasks::OnShowStatus)
    ON_MESSAGE(WM_DIARY_NAVIGATE, &CWndTasks::OnNavigate)
    ON_COMMAND(ID_CONTACTS_ADD, &CWndTasks::OnNewTask)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_ADD, &CWndTasks::OnUpdateNewTask)
    ON_COMMAND(ID_CONTACTS_EDIT, &CWndTasks::OnEditTask)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_EDIT, &CWndTasks::OnUpdateEditTask)
    ON_COMMAND(ID_CONTACTS_DELETE, &CWndTasks::OnDelete)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_DELETE, &CWndTasks::OnUpdateDelete)
    ON_COMMAND(ID_EDIT_COPY, &CWndTasks::CopyToClipboard)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CWndTasks::OnUpdateCopy)
    ON_COMMAND(ID_EDIT_PASTE, &CWndTasks::PasteFromClipboard)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CWndTasks::OnUpdatePaste)
    ON_COMMAND(ID_TOGGLE_SPLIT, &CWndTasks::OnSplit)
    ON_UPDATE_COMMAND_UI(ID_TOGGLE_SPLIT, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_DIARY_EXPAND_ALL, &CWndTasks::OnExpandAll)
    ON_UPDATE_COMMAND_UI(ID_DIARY_EXPAND_ALL, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_DIARY_COLLAPSE_ALL, &CWndTasks::OnCollapseAll)
    ON_UPDATE_COMMAND_UI(ID_DIARY_COLLAPSE_ALL, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_SELECT_ALL_CARDS, &CWndTasks::OnToggleSelectAll)
    ON_UPDATE_COMMAND_UI(ID_SELECT_ALL_CARDS, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_DISSOLVE_GROUPS, &CWndTasks::OnDissolveGroups)
    ON_UPDATE_COMMAND_UI(ID_DISSOLVE_GROUPS, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_GROUP_TASKS, &CWndTasks::OnGroupTasks)
    ON_UPDATE_COMMAND_UI(ID_GROUP_TASKS, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_REMOVE_TASK_ENTRIES, &CWndTasks::OnRemoveEntries)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_TASK_ENTRIES, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_TASK_QUOTA, &CWndTasks::OnTaskQuota)
    ON_UPDATE_COMMAND_UI(ID_TASK_QUOTA, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_TASK_ASSOCIATIONS, &CWndTasks::OnAssociations)
    ON_UPDATE_COMMAND_UI(ID_TASK_ASSOCIATIONS, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_SHOW_PANEL_FITTING_ENTITIES, &CWndTasks::OnShowPanelFittingEntities)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PANEL_FITTING_ENTITIES, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_SHOW_PANEL_FITTING_ROOMS, &CWndTasks::OnShowPanelFittingRooms)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PANEL_FITTING_ROOMS, &CWndTasks::OnUpdateDefault)
    ON_COMMAND(ID_SHOW_TASKS_REPORT, &CWndTasks::OnShowReport)
    ON_UPDATE_COMMAND_UI(ID_SHOW_TASKS_REPORT, &CWndTasks::OnUpdateDefault)
END_MESSAGE_MAP()

namespace {

// The time of day of t on the date.
COleDateTime OnDate(const COleDateTime& date, __time64_t t) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), std::max(0, GetLocalHour(t)),
                        std::max(0, GetLocalMinute(t)), 0);
}

CDiaryTimeRecord MakeRecord(const CScheduleData& data, const CTimetableEntry& entry, int groupId) {
    CDiaryTimeRecord record;
    record.m_nGroup = groupId;
    record.m_nActivity = entry.m_nActivity;
    record.m_dtStart = entry.m_dtStart;
    record.m_tsLength = entry.m_tsLength;
    record.m_crBackground = GetSysColor(COLOR_WINDOW);
    record.m_crHatch = GetSysColor(COLOR_WINDOWTEXT);
    record.m_nHatch = 6;
    entry.GetDrawColours(data, record.m_crBackground, record.m_crHatch, record.m_nHatch);
    record.m_nState = entry.GetState(data);
    return record;
}

}  // namespace

void CWndTasks::AddProblem(CScheduleData& data, int kind, const CString& text, int record) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_strText = text;
    problem.m_nRecord = record;
    data.m_arrProblems.push_back(std::move(problem));
}

CWndTasks::CWndTasks() { m_bIncludeType5 = 1; }
CWndTasks::~CWndTasks() = default;

int CWndTasks::OnCreate(LPCREATESTRUCT cs) {
    if (CMyView::OnCreate(cs) == -1) return -1;
    if (!m_wndDiary.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kDiaryId)) return -1;
    // Entries dragged from the side list are dropped on the task rows.
    GetPanel().m_wndList.m_pDropTarget = &m_wndDiary;
    for (int i = 0; i < CDiaryCtrl::kDaySlots; ++i) {
        m_wndDiary.m_tDayStart[i] = MakeTimeOfDay(8, 0);
        m_wndDiary.m_tDayEnd[i] = MakeTimeOfDay(15, 0);
    }
    const CScheduleData* data = GetAppDocument();
    m_wndDiary.SetDays(6, data ? data->Settings().GetDefaultPlanDate() : COleDateTime::GetCurrentTime(), MakeTimeOfDay(7, 0));
    return 0;
}

void CWndTasks::ClosePanelUnlessPinned() {
    if (GetPanel().m_bPinned) return;
    SendMessage(CWndPanel::kClosed, 0, 0);
}

// The update broadcast ----------------------------------------------------------------------------------

void CWndTasks::Refresh() {
    if (!m_bRefillFully && !m_wndDiary.IsEmpty()) Rebuild();
    else RefreshPanel();
    m_bRefillFully = 1;
}

void CWndTasks::Update(int kind) {
    if (!GetSafeHwnd()) return;
    if (!IsWindowVisible() && kind != 3 && kind != 4) {
        m_bDirty = 1;
        return;
    }
    m_bDirty = 0;
    if (IsWindowVisible() && kind == 8) {
        m_wndDiary.ScrollToTop();
        GetPanel().RepaintHeader();
        Refresh();
        return;
    }
    if (kind == 3 || kind == 4) {
        m_wndDiary.ClearCollapsed();
        ClosePanelUnlessPinned();
        if (kind == 3) {
            m_wndDiary.Clear();
            m_wndDiary.Relayout();
            m_bRefillFully = 0;
            return;
        }
    }
    if (kind == 2) ClosePanelUnlessPinned();
    Refresh();
}

void CWndTasks::OnShowWindow(BOOL show, UINT status) {
    CMyView::OnShowWindow(show, status);
    const CScheduleData* data = GetAppDocument();
    if (!show || !data || data->m_arrEntities.empty() || !m_bDirty) return;
    ClosePanelUnlessPinned();
    RefreshPanel();
    m_bDirty = 0;
}

// The full refill -------------------------------------------------------------------------------------------

void CWndTasks::RefreshPanel() {
    CScheduleData* data = GetAppDocument();
    m_wndDiary.Clear();
    m_wndDiary.m_nSelectionKind = CDiaryCtrl::kSelectNothing;
    if (!data) return;
    if (data->m_arrEntities.empty()) {
        for (int i = 0; i < CDiaryCtrl::kDaySlots; ++i) {
            m_wndDiary.m_tDayStart[i] = MakeTimeOfDay(7, 0);
            m_wndDiary.m_tDayEnd[i] = MakeTimeOfDay(16, 0);
        }
        m_wndDiary.SetDays(data->m_nDays, data->GetStartDate(), data->m_tDayStart);
        m_wndDiary.Relayout();
        CMyView::RefreshPanel();
        return;
    }
    const auto current = data->FindCurrentEntity();
    if (current == data->m_arrEntities.end()) {
        m_wndDiary.Relayout();
        return;
    }
    data->DeriveEntityWeekHours(current->m_nId, m_wndDiary.m_tDayStart, m_wndDiary.m_tDayEnd);
    m_wndDiary.SetDays(data->m_nDays, data->GetStartDate(), data->m_tDayStart);
    if (current->m_nType != 5) {
        m_wndDiary.m_bCurrentUnavailable = current->m_bUnavailable;
        for (const CAbsence& absence : current->m_arrAbsences)
            m_wndDiary.m_arrBlocked.push_back({absence.m_dtStart, absence.m_dtStart + absence.m_tsLength});
        for (int n = 0; n < kMaxPlanDays; ++n) {
            const COleDateTime date = data->GetDayDate(n);
            if (CompareTime64Approx(m_wndDiary.m_tDayEnd[n], current->m_tDayEnd[n]) == 1)
                m_wndDiary.m_arrBlocked.push_back({OnDate(date, current->m_tDayEnd[n]), OnDate(date, m_wndDiary.m_tDayEnd[n])});
            if (CompareTime64Approx(m_wndDiary.m_tDayStart[n], current->m_tDayStart[n]) == -1)
                m_wndDiary.m_arrBlocked.push_back({OnDate(date, m_wndDiary.m_tDayStart[n]), OnDate(date, current->m_tDayStart[n])});
        }
        const CPlanIndex index(*data);
        for (std::size_t position : index.ActivitiesOf(current->m_nId))
            AddActivityRow(*data, data->m_arrActivities[position], index);
        FillCurrentTimes(*data, index);
        m_wndDiary.SortRows();
        m_wndDiary.ClearSelection();
    }
    m_wndDiary.Relayout();
    CMyView::RefreshPanel();
}

void CWndTasks::FillCurrentTimes(const CScheduleData& data, const CPlanIndex& index) {
    m_wndDiary.m_arrCurrentTimes.clear();
    const auto current = data.FindCurrentEntity();
    if (current == data.m_arrEntities.end()) return;
    for (std::size_t a : index.ActivitiesOf(current->m_nId)) {
        const CActivity& activity = data.m_arrActivities[a];
        for (std::size_t e : index.EntriesOfActivity(activity.m_nId)) {
            const CTimetableEntry& entry = data.m_arrEntries[e];
            if (!entry.IsEntityAvailable(data, *current)) continue;
            CDiaryTimeRecord record = MakeRecord(data, entry, activity.m_nGroup);
            if (activity.m_nGroup) {
                const auto group = data.FindGroup(activity.m_nGroup);
                const CTimetableEntry probe(record.m_dtStart, record.m_tsLength);
                record.m_bGroupClash = group != data.m_arrGroups.end() &&
                                       current->CountClashingEntries(data, group->GetCommonChimeSetId(data), probe, &index) > 1;
            }
            m_wndDiary.m_arrCurrentTimes.push_back(record);
        }
    }
}

void CWndTasks::AddActivityRow(const CScheduleData& data, const CActivity& activity, const CPlanIndex& index) {
    COLORREF back = GetSysColor(COLOR_WINDOW), fore = GetSysColor(COLOR_WINDOWTEXT);
    int hatch = 6;
    CTimetableEntry probe;
    probe.m_nActivity = activity.m_nId;
    probe.GetDrawColours(data, back, fore, hatch);
    const auto current = data.FindCurrentEntity();
    const int currentId = current == data.m_arrEntities.end() ? 0 : current->m_nId;
    const int layout = current == data.m_arrEntities.end() ? 0 : current->m_nType;
    m_wndDiary.AddRow(FormatActivityEntryPlainText(data, activity, currentId, nullptr, layout), back, fore, hatch,
                      activity.GetMeetingLengthCode(), activity.m_nId, data.FormatActivityTime(activity.m_nId),
                      activity.m_nGroup);
    // A group's quota text is made once, for its first row.
    if (activity.m_nGroup && !m_wndDiary.FindGroup(activity.m_nGroup)) {
        const auto group = data.FindGroup(activity.m_nGroup);
        if (group != data.m_arrGroups.end())
            m_wndDiary.AddGroup(group->m_strName, group->m_crBackground, data.FormatGroupTime(group->m_nId, &index),
                                group->m_nId);
    }
    AddRowMembers(data, activity, index);
}

void CWndTasks::AddRowMembers(const CScheduleData& data, const CActivity& activity, const CPlanIndex& index) {
    const auto add = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) return;
        m_wndDiary.AddRowMember(activity.m_nId, entity->m_strName, entity->m_nType, id, entity->m_bUnavailable);
        if (!m_wndDiary.FindEntityTimes(id)) m_wndDiary.AddEntityTimes(BuildEntityTimes(data, id, index));
    };
    for (int id : activity.m_arrMembers) add(id);
    for (int id : activity.m_arrRooms) add(id);
}

bool CWndTasks::ClipToCurrentDay(const CScheduleData& data, COleDateTime& start, COleDateTime& end) const {
    const auto current = data.FindCurrentEntity();
    if (current == data.m_arrEntities.end()) return false;
    // An interval before the plan's first day has no day of its own and is left out.
    const int day = data.GetDayIndex(start);
    if (day < 0 || day >= kMaxPlanDays) return false;
    const COleDateTime dayStart = OnDate(start, current->m_tDayStart[day]);
    const COleDateTime dayEnd = OnDate(start, current->m_tDayEnd[day]);
    if (start > dayEnd || end < dayStart) return false;
    if (start < dayStart) start = dayStart;
    if (end > dayEnd) end = dayEnd;
    return true;
}

CDiaryEntityTimes CWndTasks::BuildEntityTimes(const CScheduleData& data, int entityId, const CPlanIndex& index) const {
    CDiaryEntityTimes times;
    times.m_nEntity = entityId;
    // The entries of the entity's activities and those whose replacements or rooms name it.
    std::vector<std::size_t> positions = index.EntriesNaming(entityId);
    for (std::size_t a : index.ActivitiesOf(entityId)) {
        const auto& entries = index.EntriesOfActivity(data.m_arrActivities[a].m_nId);
        positions.insert(positions.end(), entries.begin(), entries.end());
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (std::size_t e : positions) {
        const CTimetableEntry& entry = data.m_arrEntries[e];
        if (entry.GetState(data) == 7) continue;
        const auto activity = data.FindActivity(entry.m_nActivity);
        CDiaryTimeRecord record = MakeRecord(data, entry, activity == data.m_arrActivities.end() ? 0 : activity->m_nGroup);
        COleDateTime start = record.m_dtStart, end = record.m_dtStart + record.m_tsLength;
        if (!ClipToCurrentDay(data, start, end)) continue;
        record.m_dtStart = start;
        record.m_tsLength = end - start;
        times.m_arrTimes.push_back(record);
    }
    const auto entity = data.FindEntity(entityId);
    const auto current = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end() || current == data.m_arrEntities.end()) return times;
    for (const CAbsence& absence : entity->m_arrAbsences) {
        COleDateTime start = absence.m_dtStart, end = absence.m_dtStart + absence.m_tsLength;
        if (ClipToCurrentDay(data, start, end)) times.m_arrAbsences.push_back({start, end});
    }
    const auto gap = [&](COleDateTime start, COleDateTime end) {
        if (!ClipToCurrentDay(data, start, end)) return;
        CDiaryTimeRecord record;
        record.m_dtStart = start;
        record.m_tsLength = end - start;
        record.m_nState = 6;
        times.m_arrTimes.push_back(record);
    };
    for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d) {
        const COleDateTime date = data.GetDayDate(d);
        if (std::abs(GetLocalSecondsOfDay(current->m_tDayEnd[d]) - GetLocalSecondsOfDay(current->m_tDayStart[d])) < 180)
            continue;
        const bool works = std::abs(GetLocalSecondsOfDay(entity->m_tDayEnd[d]) - GetLocalSecondsOfDay(entity->m_tDayStart[d])) >= 180;
        if (works) {
            if (CompareTime64Approx(entity->m_tDayStart[d], current->m_tDayStart[d]) == 1)
                gap(OnDate(date, current->m_tDayStart[d]), OnDate(date, entity->m_tDayStart[d]));
            if (CompareTime64Approx(entity->m_tDayEnd[d], current->m_tDayEnd[d]) == -1)
                gap(OnDate(date, entity->m_tDayEnd[d]), OnDate(date, current->m_tDayEnd[d]));
        } else {
            const COleDateTime from = OnDate(date, data.m_tDayStart);
            gap(from, from + COleDateTimeSpan(0, 12, 0, 0));
        }
    }
    return times;
}

// The synchronisation -------------------------------------------------------------------------------------------

void CWndTasks::Rebuild() {
    CScheduleData* data = GetAppDocument();
    ClosePanelUnlessPinned();
    m_wndDiary.ClearEntityTimes();
    if (!data) return;
    const auto current = data->FindCurrentEntity();
    if (!data->m_arrEntities.empty() && current != data->m_arrEntities.end() && current->m_nType != 5) {
        const CPlanIndex index(*data);
        // Rows of activities that are gone leave as well.
        std::vector<int> gone;
        for (const CDiaryRow& row : m_wndDiary.m_arrRows)
            if (data->FindActivity(row.m_nActivity) == data->m_arrActivities.end()) gone.push_back(row.m_nActivity);
        for (int id : gone) m_wndDiary.RemoveRow(id);
        for (const CActivity& activity : data->m_arrActivities) {
            const bool takesPart = activity.HasEntity(*current);
            const int row = m_wndDiary.FindRow(activity.m_nId);
            if (!takesPart) {
                if (row != CDiaryCtrl::kNone) m_wndDiary.RemoveRow(activity.m_nId);
                continue;
            }
            if (row == CDiaryCtrl::kNone) {
                AddActivityRow(*data, activity, index);
                continue;
            }
            CDiaryRow& r = m_wndDiary.m_arrRows[row];
            r.m_strCaption = FormatActivityEntryPlainText(*data, activity, current->m_nId, nullptr, current->m_nType);
            r.m_crBackground = activity.m_crBackground;
            r.m_crHatch = activity.m_crForeground;
            r.m_nHatch = activity.m_nHatch;
            r.m_nGroup = activity.m_nGroup;
            r.m_arrMembers.clear();
            if (activity.m_nGroup && !m_wndDiary.FindGroup(activity.m_nGroup)) {
                const auto group = data->FindGroup(activity.m_nGroup);
                if (group != data->m_arrGroups.end())
                    m_wndDiary.AddGroup(group->m_strName, group->m_crBackground, CString(), group->m_nId);
            }
            AddRowMembers(*data, activity, index);
        }
        FillCurrentTimes(*data, index);
        for (CDiaryRow& row : m_wndDiary.m_arrRows) row.m_strSecondText = data->FormatActivityTime(row.m_nActivity);
        for (CDiaryGroup& group : m_wndDiary.m_arrGroups) group.m_strQuota = data->FormatGroupTime(group.m_nGroup, &index);
    }
    m_wndDiary.SortRows();
    m_wndDiary.ClearSelection();
    m_wndDiary.Relayout();
    CMyView::RefreshPanel();
    m_wndDiary.Invalidate();
}

// The side panel --------------------------------------------------------------------------------------------------

void CWndTasks::FillPanelList() {
    CScheduleData* data = GetAppDocument();
    const auto current = data ? data->FindCurrentEntity() : CEntityArray::iterator();
    if (!data || current == data->m_arrEntities.end()) {
        ClosePanelUnlessPinned();
        return;
    }
    IProgress& progress = data->Host().ShowProgress(LoadResString(IDS_FILLING_TASK_PANEL));
    progress.SetRange(0, static_cast<int>(data->m_arrEntities.size()));
    progress.SetPos(0);
    progress.SetStep(1);
    CWndPanel& panel = GetPanel();
    panel.m_wndList.RemoveAllGroups();
    panel.m_wndList.EnableGroupView(TRUE);
    const CPlanIndex index(*data);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(*data, index, current->m_nId);
    // Whether the current entity may join an activity, by activity id: people share activities.
    std::unordered_map<int, bool> joinable;
    auto canJoin = [&](const CActivity& activity) {
        const auto known = joinable.find(activity.m_nId);
        if (known != joinable.end()) return known->second;
        const bool can = data->CanAddEntityToActivity(activity.m_nId, current->m_nId, &index) != 0;
        joinable.emplace(activity.m_nId, can);
        return can;
    };
    int group = 1;
    for (const CEntity& p : data->m_arrEntities) {
        progress.StepIt();
        const bool otherStaff = (p.m_nType == 1 || p.m_nType == 2) && current->m_nType != 0;
        if (p.m_nType != current->m_nType && !otherStaff) continue;
        if (linkedToCurrent.count(p.m_nId) == 0) continue;
        std::vector<const CActivity*> candidates;
        for (std::size_t a : index.ActivitiesOf(p.m_nId)) {
            const CActivity& activity = data->m_arrActivities[a];
            if (activity.HasEntity(*current) || !canJoin(activity)) continue;
            candidates.push_back(&activity);
        }
        if (candidates.empty()) continue;
        panel.InsertGroup(p.m_strName, group);
        for (const CActivity* activity : candidates) {
            const CString text = FormatActivityEntryPlainText(*data, *activity, current->m_nId, nullptr, current->m_nType);
            const bool complete = data->IsActivityComplete(activity->m_nId) != 0;
            CString caption = text;
            if (!complete) caption.Format(L"%s %s", text.GetString(), data->FormatActivityTime(activity->m_nId).GetString());
            panel.AddItem(0, caption, CString(), complete ? GetSysColor(COLOR_WINDOW) : RGB(0xFF, 0xC4, 0xC4),
                          activity->m_nGroup ? 5 : 2, group, activity->m_nId);
        }
        ++group;
    }
    data->Host().HideProgress();
    panel.Fill();
}

BOOL CWndTasks::CanApplyPanelSelection(int mode, const std::vector<int>& ids) {
    CScheduleData* data = GetAppDocument();
    if (!data) return FALSE;
    data->m_arrProblems.clear();
    const int currentId = data->m_nCurrentEntity;
    const auto problem = [&](int code, const CString& text, int id) { AddProblem(*data, code, text, id); };
    if (mode == 1) {
        for (int id : ids) {
            const auto activity = data->FindActivity(id);
            if (activity == data->m_arrActivities.end()) continue;
            CString text;
            if (activity->HasEntityId(*data, currentId)) {
                text.Format(IDS_ALREADY_IN_TASK, activity->GetDisplayName().GetString());
                problem(12, text, currentId);
            } else if (!data->CanAddEntityToActivity(id, currentId)) {
                text.Format(IDS_CANNOT_JOIN_TASK, activity->GetDisplayName().GetString());
                problem(13, text, currentId);
            }
        }
        return TRUE;
    }
    if (mode == 2 || mode == 3) {
        const int kind = m_wndDiary.m_nSelectionKind;
        if (kind == CDiaryCtrl::kSelectMembers || kind == CDiaryCtrl::kSelectRange) {
            problem(13, LoadResString(IDS_SELECT_ROWS_TO_APPLY), currentId);
            return FALSE;
        }
        for (int activityId : FlaggedActivities()) {
            const auto activity = data->FindActivity(activityId);
            if (activity == data->m_arrActivities.end()) continue;
            for (int id : ids) {
                const auto entity = data->FindEntity(id);
                if (entity == data->m_arrEntities.end()) continue;
                CString text;
                if (entity->m_nType == 4) {
                    if (data->CanEntityUseActivity(activityId, id)) continue;
                    text.Format(IDS_ROOM_CANNOT_SERVE_TASK, entity->m_strName.GetString(),
                                FormatActivityTitle(*data, *activity, id).GetString());
                } else {
                    if (data->CanAddEntityToActivity(activityId, id)) continue;
                    text.Format(IDS_ENTITY_CANNOT_SERVE_TASK, entity->m_strName.GetString(),
                                FormatActivityTitle(*data, *activity, id).GetString());
                }
                problem(13, text, id);
            }
        }
        return TRUE;
    }
    problem(13, LoadResString(IDS_PANEL_MODE_NOT_APPLICABLE), currentId);
    return FALSE;
}

void CWndTasks::ApplyPanelSelection(int mode, const std::vector<int>& ids) {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const int currentId = data->m_nCurrentEntity;
    if (mode == 1) {
        for (int id : ids) {
            const auto activity = data->FindActivity(id);
            if (activity == data->m_arrActivities.end() || activity->HasEntityId(*data, currentId)) continue;
            if (data->CanAddEntityToActivity(id, currentId)) activity->AddEntity(*data, currentId);
        }
        return;
    }
    for (int activityId : FlaggedActivities()) {
        for (int id : ids) {
            const auto activity = data->FindActivity(activityId);
            const auto entity = data->FindEntity(id);
            if (activity == data->m_arrActivities.end() || entity == data->m_arrEntities.end()) continue;
            if (entity->m_nType == 4) {
                if (activity->m_strLocation.IsEmpty() && data->CanEntityUseActivity(activityId, id))
                    activity->AddEntity(*data, id);
            } else if (data->CanAddEntityToActivity(activityId, id)) {
                activity->AddEntity(*data, id);
            }
        }
    }
}

void CWndTasks::ApplyDroppedEntity(int entityId) {
    CScheduleData* data = GetAppDocument();
    if (!data || entityId == 0) return;
    const auto entity = data->FindEntity(entityId);
    if (entity == data->m_arrEntities.end()) return;
    bool snapshot = false;
    for (int activityId : FlaggedActivities()) {
        const auto activity = data->FindActivity(activityId);
        if (activity == data->m_arrActivities.end()) continue;
        const CString plain = FormatActivityPlainText(*data, *activity, 0);
        CString text;
        if (activity->HasEntityId(*data, entityId)) {
            text.Format(IDS_ENTITY_ALREADY_IN_TASK, entity->m_strName.GetString(), plain.GetString());
            AddProblem(*data, 12, text, entityId);
        } else if (data->CanAddEntityToActivity(activityId, entityId)) {
            if (!snapshot) data->SaveUndo();
            snapshot = true;
            activity->AddEntity(*data, entityId);
        } else {
            text.Format(IDS_ENTITY_CANNOT_JOIN_TASK, entity->m_strName.GetString(), plain.GetString());
            AddProblem(*data, 13, text, activity->GetMainMemberId(*data));
        }
    }
}

std::vector<int> CWndTasks::FlaggedActivities() const {
    std::vector<int> ids;
    for (const CDiaryRow& row : m_wndDiary.m_arrRows)
        if (row.m_bFlagged) ids.push_back(row.m_nActivity);
    return ids;
}

// Messages of the diary --------------------------------------------------------------------------------------------

LRESULT CWndTasks::OnEditRequest(WPARAM wParam, LPARAM lParam) {
    // The whole id: activity and group ids are not cut to 16 bits.
    const int id = static_cast<int>(static_cast<unsigned>(wParam));
    if (lParam == 1) EditActivity(id, false);
    else if (lParam == 2) EditGroup(id);
    return 0;
}

LRESULT CWndTasks::OnDropCurrentEntity(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int activityId = m_wndDiary.m_nDraggedId;
    const auto activity = data->FindActivity(activityId);
    const auto current = data->FindCurrentEntity();
    if (activity == data->m_arrActivities.end() || current == data->m_arrEntities.end() || activity->HasEntity(*current))
        return 0;
    data->SaveUndo();
    m_bRefillFully = 0;
    data->AddEntityToActivity(activityId, current->m_nId, TRUE);
    return 0;
}

LRESULT CWndTasks::OnDropEntity(WPARAM wParam, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int activityId = static_cast<int>(static_cast<unsigned>(wParam));
    const int entityId = m_wndDiary.m_nDraggedId;
    const auto activity = data->FindActivity(activityId);
    if (activity == data->m_arrActivities.end()) return 0;
    if (!data->CanAddEntityToActivity(activityId, entityId)) {
        // Refused: the message panel says who could not join which task, as a refused paste does.
        const auto entity = data->FindEntity(entityId);
        const int row = m_wndDiary.FindRow(activityId);
        if (entity == data->m_arrEntities.end() || row < 0) return 0;
        CString text;
        text.Format(IDS_PASTED_ENTITY_CANNOT_JOIN, entity->m_strName.GetString(),
                    m_wndDiary.m_arrRows[static_cast<std::size_t>(row)].m_strCaption.GetString());
        AddProblem(*data, 13, text, entityId);
        RecheckKeepingProblems(*data);
        return 0;
    }
    data->SaveUndo();
    m_bRefillFully = 0;
    activity->AddEntity(*data, entityId);
    RecheckAndRefresh(*data, TRUE);
    return 0;
}

LRESULT CWndTasks::OnShowStatus(WPARAM, LPARAM) {
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(m_wndDiary.GetStatusText());
    return 0;
}

LRESULT CWndTasks::OnNavigate(WPARAM wParam, LPARAM) {
    CScheduleData* data = GetAppDocument();
    const int id = static_cast<int>(static_cast<unsigned>(wParam));
    if (data && data->FindEntity(id) != data->m_arrEntities.end()) data->SetCurrentEntity(id);
    return 0;
}

// The scroll timer --------------------------------------------------------------------------------------------------

void CWndTasks::StartScrollTimer(int activityId) {
    m_nPendingActivity = activityId;
    if (GetSafeHwnd()) SetTimer(kScrollTimer, 100, nullptr);
}

void CWndTasks::OnTimer(UINT_PTR id) {
    if (id != kScrollTimer) return CMyView::OnTimer(id);
    KillTimer(kScrollTimer);
    if (!m_nPendingActivity) return;
    const int row = m_wndDiary.FindRow(m_nPendingActivity);
    const int d = m_wndDiary.GetVerticalOffset();
    // The row's last painted place, in the row-name column's client y.
    const int t = row == CDiaryCtrl::kNone ? 0 : m_wndDiary.m_arrRows[row].m_rect.top - d;
    const int b = row == CDiaryCtrl::kNone ? 0 : m_wndDiary.m_arrRows[row].m_rect.bottom - d;
    CRect header;
    m_wndDiary.GetHeader().GetClientRect(&header);
    const int h = header.Height();
    if (t != b) {
        int offset = d;
        if (b < 0) offset = d + t;
        else if (t > d + h) offset = 2 * (d + b) - (d + h) - t;
        m_wndDiary.ScrollToRow(m_nPendingActivity, std::max(0, offset));
    }
    m_nPendingActivity = 0;
}
