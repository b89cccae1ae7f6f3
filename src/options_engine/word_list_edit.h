#pragma once
// Storing an edited word list: blank lines are dropped and the order kept. An entry that holds
// the list separator ";" would split into two entries when the list is written to the settings,
// so such a list is refused.
#include <vector>

#include "platform/core/cstring.h"

// Replaces the list by the non-blank lines; false (the list unchanged) with the index of the
// first line holding ";" in refusedLine.
bool StoreWordList(const std::vector<CString>& lines, std::vector<CString>& list, int& refusedLine);
