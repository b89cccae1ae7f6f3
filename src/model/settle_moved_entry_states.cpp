#include "model/settle_moved_entry_states.h"

#include "model/schedule_data.h"

void SettleMovedEntryStates(CScheduleData& data) {
    for (CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        if (entry.GetState(data) == 4) entry.m_nState = activity->m_nGroup != 0 ? 8 : 2;
    }
}
