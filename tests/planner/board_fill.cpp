#include "board_fill.h"

#include "model/schedule_data.h"
#include "planner/magnet_ctrl.h"
#include "platform/ui/window_defs.h"

void FillBoard(CMagnetCtrl& control, CScheduleData& data, int entityType) {
    control.Clear();
    for (const CEntity& entity : data.m_arrEntities) {
        if (entityType >= 0 && entity.m_nType != entityType) continue;
        control.AddRow(entity.m_nId, entity.m_strName, entity.m_nType);
        control.SetRowSchedule(entity.m_nId, entity);
    }
    control.ClearDayColumns();
    for (int i = 0; i < data.m_nDays; ++i) control.AddDay(data.FormatDayTitle(i), data.GetDayDate(i), i);
    for (CMagnetRow& row : control.GetRows()) {
        const auto entity = data.FindEntity(row.m_nEntityId);
        for (const CAbsence& absence : entity->m_arrAbsences) {
            CItemTime block;
            block.Init(data, absence.m_dtStart, absence.m_tsLength, absence.m_bWholeDay);
            row.m_arrAbsences.push_back(block);
        }
    }
    for (CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
        int hatch = 6;
        entry.GetDrawColours(data, background, foreground, hatch);
        CMagnetItem magnet(activity->GetDisplayName(), background, foreground, hatch, entry.m_dtStart,
                           entry.m_tsLength, entry.GetState(data), 0);
        magnet.m_nEntry = entry.GetSerial();
        magnet.m_nActivity = activity->m_nId;
        magnet.m_nGroup = activity->m_nGroup;
        magnet.m_nChimeSet = entry.GetChimeSetId(data);
        // The candidates are the activity's members and rooms.
        for (const std::vector<int>* ids : {&activity->m_arrMembers, &activity->m_arrRooms})
            for (const int id : *ids)
                if (CMagnetRow* row = control.GetRow(id); row && data.FindEntity(id)->TakesPartIn(data, entry))
                    row->m_arrMagnets.push_back(magnet);
    }
    for (CMagnetRow& row : control.GetRows()) row.Normalise();
    control.SortAndLayout();
}
