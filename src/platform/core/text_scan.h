#pragma once
// Reading numbers out of texts that come from files, the clipboard and edit fields.
//
// Every function here is safe on any input: a null or empty text, garbage and numbers too big
// for their type never fail. Outputs are set (to 0) before anything is read, so a field that
// is missing never leaves an output unassigned; the counts tell the caller how much was read.
// None of them depends on the machine's locale.
#include <cstdint>

// Integer value of a text the way the C runtime's _wtoi reads it: leading white space, an
// optional sign, decimal digits up to the first other character. No digits gives 0; a value
// beyond the range of the type gives its limit (INT_MAX or INT_MIN).
int _wtoi(const wchar_t* text);
// The same with the 32-bit range of a Windows long.
long _wtol(const wchar_t* text);
std::int64_t _wtoi64(const wchar_t* text);
// Floating-point value: white space, sign, digits with an optional "." fraction and exponent
// (also "inf" and "nan"). No number gives 0.0; an overflow gives an infinity of that sign and
// an underflow 0.0. The decimal separator is always ".".
double _wtof(const wchar_t* text);

inline int _ttoi(const wchar_t* text) { return _wtoi(text); }
inline long _ttol(const wchar_t* text) { return _wtol(text); }
inline double _ttof(const wchar_t* text) { return _wtof(text); }

// Reads up to count integers in order, as a run of "%d" conversions does: each skips white
// space, then takes an optional sign and decimal digits. Every character of separators counts
// as white space (the "replace every '/' by a blank" step of the readers). Reading stops at
// the first field that holds no number. Returns how many were read (0..count); every output
// is 0 before reading and a value beyond the int range saturates.
int ScanInts(const wchar_t* text, const wchar_t* separators, int* outs, int count);

// A date text "day/month/year" ("%d/%m/%Y"); returns the count of fields read (0..3).
int ScanDateText(const wchar_t* text, int& day, int& month, int& year);
// A clock text "hours:minutes" ("%H:%M", also the hours of a span "25:00"); returns 0..2.
int ScanClockText(const wchar_t* text, int& hour, int& minute);
// A date and clock text "day/month/year hours:minutes"; returns 0..5.
int ScanDateTimeText(const wchar_t* text, int& day, int& month, int& year, int& hour, int& minute);
