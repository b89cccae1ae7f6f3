#include "frame/edit_group_record.h"

#include "model/activity_group.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"

void EditGroupRecord(CScheduleData& data, int groupId, const std::function<BOOL(CActivityGroup&)>& edit) {
    if (!edit) return;
    const auto stored = data.FindGroup(groupId);
    if (stored == data.m_arrGroups.end()) return;
    CActivityGroup copy = *stored;
    if (!edit(copy)) return;
    data.SaveUndo();
    const auto target = data.FindGroup(groupId);
    if (target == data.m_arrGroups.end()) return;
    target->m_strName = copy.m_strName;
    target->m_crBackground = copy.m_crBackground;
    target->m_crForeground = copy.m_crForeground;
    target->m_nHatch = copy.m_nHatch;
    RecheckAndRefresh(data, TRUE);
}
