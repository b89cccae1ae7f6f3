#pragma once
// The substitute dialog's choice: who is replaced, the terms, and the room the stand-in takes.
#include <optional>
#include <vector>

#include "platform/core/cstring.h"

class CReplacement;
class CScheduleData;
class CTimetableEntry;

struct CSubstituteRowValues {
    int checkedOption = -1;  // of the replacing row: 0 nobody, then one option per candidate
    BOOL paid = FALSE;
    std::optional<BOOL> extending;  // only when the row is shown
    CString remark, fund, room;
};

// Writes the rows into the replacement (the caller's copy) and decides the room: 1 when the
// choice can be taken, with roomToTie the room to pair with the stand-in in the entry (0: none);
// 0 when the entry has several rooms and neither a room nor a replaced member settles which.
// optionIds holds the entity id each option of the replacing row stands for, 0 for nobody.
int StoreSubstituteChoice(CScheduleData& data, const CSubstituteRowValues& rows, const std::vector<int>& optionIds,
                          const CTimetableEntry& entry, CReplacement& replacement, int& roomToTie);
