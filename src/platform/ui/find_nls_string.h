#pragma once
// Finds a text in another as the user's language compares text: canonically equal forms match,
// and with LINGUISTIC_IGNORECASE the case is folded by that language's rules ("ä" finds "Ä",
// "i" finds the Turkish dotted capital under a Turkish locale).
#include "platform/core/win_types.h"
#include "platform/ui/locale_info.h"

inline constexpr DWORD LINGUISTIC_IGNORECASE = 0x00000010;
inline constexpr DWORD FIND_STARTSWITH = 0x00100000;
inline constexpr DWORD FIND_FROMSTART = 0x00400000;

// Where value begins in source (counted in the compared form of source, which folding may make
// longer), -1 when it is not there. A length of -1 means the text ends at its zero. found, when
// given, receives the length of the matched part.
int FindNLSString(LCID locale, DWORD flags, LPCWSTR source, int sourceLength, LPCWSTR value, int valueLength,
                  int* found);
