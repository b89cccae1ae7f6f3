#pragma once
// The text form of the settings' word lists: every entry followed by the separator.
#include <vector>

#include "platform/core/cstring.h"

// Splits the text at the separator; every entry is trimmed of " \t\n\r", an empty entry between
// two separators is kept and no entry follows a trailing separator.
void SplitList(const CString& text, std::vector<CString>& list, wchar_t separator);
// Every entry followed by the separator, the last one included.
CString JoinList(const std::vector<CString>& list, wchar_t separator);
