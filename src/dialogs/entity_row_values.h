#pragma once
// What the entity dialog reads back from its rows, and how it writes that into an entity.
// Rows that the entity's type and the dialog's mode do not show are left empty and write
// nothing. The write-back goes into the caller's working copy; the dialog hands the copy on only
// when no check refuses it.
#include <optional>
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CEntity;
class CScheduleData;

struct CEntityRowValues {
    int checkedStaffType = -1;  // index of the checked staff-type option; -1 none or no row
    bool hasStaffTypeRow = false;
    std::optional<CString> name, address, company, department, email, job, code, phone;
    std::optional<BOOL> unavailable;
    std::optional<BOOL> resetColours;
    std::optional<COleDateTime> registration, completion;
    std::optional<CString> room, educator, chimeSet;
    std::optional<CString> doors, windows, days;
    std::optional<COLORREF> background, foreground;
    std::optional<int> hatch;
    // One text per reward row, in the order of the Rewards list, and the text each row showed
    // when the dialog opened.
    std::vector<CString> rewardTexts;
    std::vector<CString> shownRewardTexts;
    std::optional<CString> overlaps;
    int checkedScheduleChoice = -1;  // multiple mode: the checked option of the day-times row
};

// The results of a multiple-mode OK for the caller.
struct CEntityDialogChoices {
    int newStaffType = 0;   // 1, 2, or 0: each entity keeps its type
    int resetColours = 0;
    int scheduleChoice = 0;
};

// The integer a text begins with (blanks skipped, an optional sign); 0 when there is none.
int LeadingInteger(const CString& text);

// A reward's hours and minutes, "h:mm" with at least two digits each ("25:00" for a day and an
// hour); a negative duration with a leading minus. Whole minutes with the half-second bias.
CString FormatRewardText(const COleDateTimeSpan& duration);
// Up to two integers, hours and minutes, separated by ":" or blanks (a missing one is 0); a
// leading minus makes the whole duration negative. The span is invalid beyond the range of spans.
COleDateTimeSpan ParseRewardText(const CString& text);

// The overlaps figure n typed for an entity of the type with the plan's largest overlap count
// for it: the message id that refuses it, or 0 with the value to store.
UINT CheckOverlapsFigure(int type, int n, int maxOverlap, int& stored);

// Writes the rows into the entity (the caller's copy) in the dialog's order and runs its checks:
// 0 when every check passed, else the id of the message that refuses the OK. rewardNames are the
// Rewards list the reward rows were built from.
UINT WriteEntityRows(CScheduleData& data, const CEntityRowValues& rows, const std::vector<CString>& rewardNames,
                     BOOL multiple, CEntity& entity, CEntityDialogChoices& choices);
