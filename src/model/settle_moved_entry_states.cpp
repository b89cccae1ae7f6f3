#include "model/settle_moved_entry_states.h"

#include "model/schedule_data.h"

void SettleMovedEntryStates(CScheduleData& data) {
    for (CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        // TODO(model-file): CTimetableEntry::GetState once the entry state rules land.
        (void)entry;
    }
}
