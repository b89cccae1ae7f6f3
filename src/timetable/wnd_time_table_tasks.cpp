// New tasks over the grid's selected free time, and editing the activity or group of an item.
#include "controls/app_document.h"
#include "frame/edit_group_record.h"
#include "model/plan_check.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

void CWndTimeTable::OnNewTask() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || !s_dialogs.editTask) return;
    CActivity activity;
    activity.m_nId = data->GetNextActivityId();
    activity.m_crBackground = GetSysColor(COLOR_WINDOW);
    activity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    activity.m_nHatch = 6;
    activity.m_tsMeeting = COleDateTimeSpan(0, 0, 60, 0);
    activity.m_nDispersion = data->m_nDispersion;
    if (!s_dialogs.editTask(activity, IDS_NEW_ENTITY_CAPTION)) return;
    data->SaveUndo();
    activity.AddEntity(*data, data->m_nCurrentEntity);
    data->m_arrActivities.push_back(activity);
    const bool meetingValid = activity.m_tsMeeting.GetStatus() == COleDateTimeSpan::valid;
    for (const CItemTime& range : pane->m_arrSelectedRanges) {
        CTimetableEntry entry;
        entry.m_nActivity = activity.m_nId;
        entry.m_dtStart = range.m_dtStart;
        entry.m_tsLength = range.m_tsDuration;
        entry.m_nState = 2;
        // A range shorter than one meeting makes a short lesson.
        entry.m_bState3 = meetingValid && range.m_tsDuration.GetStatus() == COleDateTimeSpan::valid &&
                          range.m_tsDuration < activity.m_tsMeeting;
        data->AddEntry(entry, TRUE);
    }
    CommitItems();
    pane->ClearSelection();
    RecheckAndRefresh(*data, TRUE);
}

void CWndTimeTable::OnUpdateNewTask(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    const auto entity = data ? GetActiveViewEntity() : CEntityArray::iterator{};
    BOOL enable = data && pane && !data->m_arrEntities.empty() && entity != data->m_arrEntities.end() &&
                  pane->m_nSelectionMode == 2;
    if (enable)
        for (const CItemTime& range : pane->m_arrSelectedRanges)
            if (!pane->IsIntervalFree(range) || entity->IsAbsent(range.m_dtStart, range.GetEndTime())) enable = FALSE;
    cmdUI->Enable(enable);
}

void CWndTimeTable::OnEdit() {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    if (GetPanel().m_nMode == 5 && GetPanel().m_wndList.GetSelectedCount() == 1) {
        GetPanel().SendMessage(WM_COMMAND, CWndPanel::kEditCommand, 0);
        return;
    }
    if (data->FindActivity(pane->m_nCurrentActivity) != data->m_arrActivities.end())
        EditActivity(pane->m_nCurrentActivity, TRUE);
    else
        EditGroup(pane->m_nCurrentGroup);
}

void CWndTimeTable::OnUpdateEdit(CCmdUI* cmdUI) {
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    cmdUI->Enable(pane && pane->m_nSelectionMode == 1);
}

void CWndTimeTable::EditActivity(int activityId, BOOL clearRoomsForLocation) {
    CScheduleData* data = GetAppDocument();
    if (!data || !s_dialogs.editTask) return;
    const auto stored = data->FindActivity(activityId);
    if (stored == data->m_arrActivities.end()) return;
    CActivity copy = *stored;
    if (!s_dialogs.editTask(copy, IDS_APP_CAPTION)) return;
    data->SaveUndo();
    const auto target = data->FindActivity(activityId);
    if (target == data->m_arrActivities.end()) return;
    *target = copy;
    if (clearRoomsForLocation && !copy.m_strLocation.IsEmpty()) data->ClearActivityRooms(activityId);
    RecheckAndRefresh(*data, TRUE);
}

void CWndTimeTable::EditGroup(int groupId) {
    if (CScheduleData* data = GetAppDocument()) EditGroupRecord(*data, groupId, s_dialogs.editGroup);
}
