#pragma once
// Lines, records and fields of an import text.
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

// One record of a separated text: usually one line, more when a quoted field holds line feeds.
struct CImportRecord {
    CString m_strText;
    int m_nLine = 0;   // the line of the text where the record starts, counted from 1
    int m_nLines = 1;  // how many lines it takes
};

// The records of the lines: a line that ends inside a quoted field goes on with the next line
// (joined by a line feed) until the field is closed or the text ends.
std::vector<CImportRecord> JoinImportRecords(const std::vector<CString>& lines, wchar_t separator);
// The fields of a record, split at the separator. A field that starts with a quotation mark
// (after blanks) is quoted: it runs to the closing mark, holds separators and line feeds as they
// stand, and a doubled mark inside it is one mark. Unquoted fields are trimmed of blanks; a record
// that ends with the separator adds no empty field at its end.
void SplitImportFields(const CString& record, wchar_t separator, std::vector<CString>& fields);
