#include "board_fill.h"

#include "model/schedule_data.h"
#include "planner/magnet_build.h"
#include "planner/magnet_ctrl.h"

void FillBoard(CMagnetCtrl& control, CScheduleData& data, int entityType) {
    control.Clear();
    for (const CEntity& entity : data.m_arrEntities) {
        if (entityType >= 0 && entity.m_nType != entityType) continue;
        control.AddRow(entity.m_nId, entity.m_strName, entity.m_nType);
        control.SetRowSchedule(entity.m_nId, entity);
    }
    control.ClearDayColumns();
    for (int i = 0; i < data.m_nDays; ++i) control.AddDay(data.FormatDayTitle(i), data.GetDayDate(i), i);
    BuildMagnets(data, control.GetRows(), false);
    BuildAbsenceBlocks(data, control.GetRows());
    control.SortAndLayout();
}
