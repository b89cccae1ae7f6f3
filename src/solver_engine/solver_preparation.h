#pragma once
// The steps that turn the document into a solver's work data: slot options of the entries that
// may move, the entries that must stay, the conflict weights of the options, the placement
// weights of the entries and the work lists of the cost terms. Each is a plain function over the
// store, so the run, the filter page and the placement reports call the same code.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CActivity;
class CPlanIndex;
class CScheduleData;
class CSolverControl;
class CSolverWork;
class CTimetableEntry;

// Computed state not 0, 5 or 7 and no replacement records but those that book rooms.
bool IsMovableEntry(const CScheduleData& data, const CTimetableEntry& entry);
// Drops the slot options at which the entry would not lie wholly inside its day, or a
// participant (member, room or replacement entity) would be absent or outside their day window
// at some time of the entry's length.
void KeepWholeIntervalSlots(const CScheduleData& data, CTimetableEntry& entry);
// A movable entry with at least one slot option: what both search modes place.
bool IsOpenEntry(const CScheduleData& data, const CTimetableEntry& entry);

// Keeps the run to its selection (kind 1: the selected activities, kind 2: the activities of the
// selected entities). The unplaced entries the run added outside it are erased; every entry the
// plan held before outside it is kept and listed in the work as excluded from the run.
void KeepRunToSelection(CScheduleData& data, CSolverWork& work);

void CollectUnderplannedActivities(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index);
void CollectGroupHourLimits(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index);

// Rebuilds the slot options of the movable entries (with a filter activity, only of those whose
// activity shares a limited member with it; the rest keep theirs) and drops the options of the
// entries that may not move, those excluded by the selection among them; the start and unmoved
// start of every rebuilt entry are remembered in the work. A movable entry that ends without options is kept where it is. Then
// every option that overlaps an entry without options sharing a participant is removed.
void CollectSlotOptions(CScheduleData& data, const CActivity* filter, CSolverWork& work);
// Lists in the work the unplaced movable entries of the run that have no option: they stay
// unplaced and are reported.
void ListEntriesWithoutSlots(const CScheduleData& data, CSolverWork& work);
// Placed entries (unless in state 3, 4 or 6) lose their options; the others' options are pruned
// against them as in CollectSlotOptions.
void FixPlacedEntries(CScheduleData& data);
// Removes the options at which an activity's POSITION rule does not suit a type-0 member.
void PrunePositionSlots(CScheduleData& data);
// The conflict weight of every option: 1 / (options of f) for every option of every entry f with
// options sharing a participant that it overlaps. Steps the progress once per entry, and calls
// step (when given) with the entries done and their number now and then and at the end, for a
// caller on the thread of a window that shows it.
void WeighSlotConflicts(CSolverControl* progress, CScheduleData& data,
                        const std::function<void(std::size_t, std::size_t)>& step = {});
// Every entry's placement weight: (whole minutes of the clashing entries' lengths / (60 x
// options) + 0.9) cubed; 1.5 without options.
void ComputeEntryPressure(CScheduleData& data);
// Empties the work lists.
void FreeSolverWork(CSolverWork& work);
