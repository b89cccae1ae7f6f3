// New tasks over the grid's selected free time.
#include "controls/app_document.h"
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
