#pragma once
// Copy and paste of timetable entries between documents: the selected items of a pane go to the
// clipboard as a fragment (a DOCUMENT with one SCHEDULE element per entry: activity name, level,
// start, length), and a fragment on the clipboard becomes new entries of the current entity's
// activities.
//
// A paste checks the whole fragment before it changes anything: a fragment that is not one, or
// one element whose activity name, start or length cannot be taken, refuses the paste with a
// message that says why, and the document stays as it was (no undo level, no plan check).
#include <vector>

class CScheduleData;
class CTimeTableItem;

// Puts the entries of the items (group items and items whose entry or activity is gone are left
// out) on the document's clipboard. The problem list stays as it is.
void CopyTimetableFragment(const CScheduleData& data, const std::vector<CTimeTableItem>& items);

enum class FragmentPaste {
    Refused,  // nothing was pasted; the user was told why
    Pasted,   // the entries that fit were added, the others listed as problems
};

// Pastes the clipboard's fragment for the document's current entity under one undo level and
// ends with the plan check, which keeps the paste's problems listed; while it runs, the Filter
// setting (when given) shows every kind of problem.
FragmentPaste PasteTimetableFragment(CScheduleData& data, int* filterSetting);
