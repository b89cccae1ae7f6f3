#pragma once
// Lines and fields of an import text.
#include <vector>

#include "platform/core/cstring.h"

// The lines of the text: each line feed ends one, and a text after the last line feed is the
// last line. A carriage return before the line feed is not part of the line.
std::vector<CString> SplitImportLines(const CString& text);
// The number of lines SplitImportLines finds: the progress range of an import.
int CountLines(const CString& text);
// The separator character of a separator index: 0 tab, 1 ",", 2 ";", 3 "#".
wchar_t ImportSeparator(int index);
// Field number n (1-based) of a split line; empty for 0 and for a number beyond the line's fields.
CString ImportField(const std::vector<CString>& fields, int n);
