#pragma once
// What the user's locale says, in the forms the program asks for it: the values come from the
// system locale as Qt reads it.
#include "platform/core/win_types.h"

using LCID = DWORD;
using LCTYPE = DWORD;

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
// The first day of the week as a digit: "0" is Monday ... "6" is Sunday.
inline constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;

// Copies the value with its terminating zero into data and returns the characters copied;
// with a size of 0 returns the size needed. 0 for a value it does not know or a buffer too small.
int GetLocaleInfo(LCID locale, LCTYPE type, LPTSTR data, int size);
