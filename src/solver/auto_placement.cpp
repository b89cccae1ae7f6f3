#include "solver/auto_placement.h"

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

// An entry the solver moved: its start is no longer the start it had before it was moved.
bool WasMoved(const CTimetableEntry& entry) {
    return IsUnplacedDate(entry.m_dtUnmovedStart) || CompareTimesApprox(entry.m_dtStart, entry.m_dtUnmovedStart) != 0;
}

}  // namespace

bool CompareCandidateCount(const CTimetableEntry& a, const CTimetableEntry& b) {
    return a.m_arrSlots.size() < b.m_arrSlots.size();
}

void RunAutoPlacement(CScheduleData& data) {
    IModelHost& host = data.Host();
    host.BeginWaitCursor();
    IProgress& progress = host.ShowProgress(LoadResString(IDS_AUTO_PLACEMENT_PROGRESS));
    progress.SetRange(0, static_cast<int>(data.m_arrEntries.size()));
    progress.SetPos(0);
    progress.SetStep(1);

    CTimetableEntryArray sorted = data.m_arrEntries;
    sorted.StableSort(CompareCandidateCount);
    data.m_arrEntries.clear();
    const bool dated = !data.HasDefaultStartDate();
    for (CTimetableEntry& entry : sorted) {
        if (!IsUnplacedDate(entry.m_dtStart)) {
            const bool moved = WasMoved(entry);
            if (!data.CanPlaceEntry(entry.m_nActivity, 0, entry)) {
                // A placement of the run that clashes is left out; an entry the plan held before
                // stays where it was, and the plan check reports the clash.
                if (moved) {
                    progress.StepIt();
                    continue;
                }
            } else if (dated && moved) {
                entry.SetState(4);
                entry.m_dtUnmovedStart = GetUnplacedDate();
            }
        }
        data.m_arrEntries.push_back(std::move(entry));
        progress.StepIt();
    }

    data.RebuildEntityItems(2);
    host.HideProgress();
    host.EndWaitCursor();
    RecheckAndRefresh(data, TRUE);
}
