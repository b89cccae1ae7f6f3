#pragma once
// The steps that turn the document into a solver's work data: slot options of the entries that
// may move, the entries that must stay, the conflict weights of the options, the placement
// weights of the entries and the work lists of the cost terms. Each is a plain function over the
// store, so the run, the filter page and the placement reports call the same code.
#include <cstdint>
#include <vector>

class CActivity;
class CPlanIndex;
class CScheduleData;
class CSolverControl;
class CSolverWork;
class CTimetableEntry;

// Computed state not 0, 5 or 7 and no replacement records.
bool IsMovableEntry(const CScheduleData& data, const CTimetableEntry& entry);
// A movable entry with at least one slot option: what both search modes place.
bool IsOpenEntry(const CScheduleData& data, const CTimetableEntry& entry);

void CollectUnderplannedActivities(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index);
void CollectGroupHourLimits(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index);

// Rebuilds the slot options of the movable entries (of those whose activity shares a limited
// member with the filter activity, when one is given) and drops the others' options; the start
// and unmoved start of every rebuilt entry are remembered in the work. A movable entry that ends
// without options is kept where it is and listed in the work. Then every entry's options that
// overlap an entry without options sharing a participant with it are removed.
void CollectSlotOptions(CScheduleData& data, const CActivity* filter, CSolverWork& work);
// Placed entries (unless in state 3, 4 or 6) lose their options; the others' options are pruned
// against them as in CollectSlotOptions.
void FixPlacedEntries(CScheduleData& data);
// Removes the options at which an activity's POSITION rule does not suit a type-0 member.
void PrunePositionSlots(CScheduleData& data);
// The conflict weight of every option: 1 / (options of f) for every option of every entry f with
// options sharing a participant that it overlaps. Steps the progress once per entry.
void WeighSlotConflicts(CSolverControl* progress, CScheduleData& data);
// Every entry's placement weight: (whole minutes of the clashing entries' lengths / (60 x
// options) + 0.9) cubed; 1.5 without options.
void ComputeEntryPressure(CScheduleData& data);
// Empties the work lists.
void FreeSolverWork(CSolverWork& work);
