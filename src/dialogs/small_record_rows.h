#pragma once
// What the absence and activity-group dialogs read back from their rows, and how they write it
// into the record (the caller's working copy). Each gives 0 when the OK may close the dialog,
// else the message id that refuses it.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"

class CAbsence;
class CActivityGroup;

struct CAbsenceRowValues {
    CString category, reason, remark, fund;
    int approved = 0, paid = 0;  // index of the checked yes/no option; -1 none
};

struct CGroupRowValues {
    CString name;
    COLORREF background = 0, foreground = 0;
    int hatch = -1;
};

// The category and the fund lose leading and trailing blanks; an empty category refuses.
UINT WriteAbsenceRows(const CAbsenceRowValues& rows, CAbsence& absence);
// The name is taken as typed; an empty name refuses.
UINT WriteGroupRows(const CGroupRowValues& rows, CActivityGroup& group);
