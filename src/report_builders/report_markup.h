#pragma once
// Small pieces of report markup that every builder shares: escaping of record texts, the
// report font and the table style, state colours and page breaks; and room for a long report.
#include <cstddef>
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CScheduleData;
struct CReportOptions;

// Text made safe for an HTML element or a quoted attribute: "&", "<", ">", the double and the
// single quote become character references; line breaks and tabs become blanks.
CString EscapeHtml(const CString& text);
// The report font as a CSS declaration: font:16px "Tahoma" (the face escaped and quoted).
CString ReportFont(const CReportOptions& options, int sizeDelta = 0);
// The style of a report table: the report font and a silver background.
CString ReportTableStyle(const CReportOptions& options);
// "<table style=... " opener of a report table with the attributes that follow the style;
// cell padding 3, no spacing, a border of one pixel.
CString OpenReportTable(const CReportOptions& options, const wchar_t* extraAttributes = L"align=\"center\"");
// The document's colour of an entry state: the palette colour the state-to-colour map names.
COLORREF GetStateColour(const CScheduleData& data, int state);
// The colour of a block's frame as a style declaration.
CString BorderStyle(const CString& colourText);
// The style that starts a new printed page after an element; empty for the last page.
const wchar_t* PageBreakStyle(bool last);
// A language-pack text that a cell shows as it is.
CString ResText(unsigned id);
// The caption of hour slot i in a report's hour column: mode 1 the lesson start, mode 2 the
// lesson number and its start on two lines, otherwise the hour.
CString ReportHourCaption(const CScheduleData& data, int mode, int chimeSetId, int slot);
// The break row that the chime set puts at position (an index into its intervals), or empty
// when there is no break there: its start and label across the table's columns.
CString BuildBreakRow(const CScheduleData& data, int chimeSetId, std::size_t position, int columns, bool coloured);
// The break row that follows each hour row of a day-plan table (every hour of hours but the
// last has a row): the break of the chime set that ends the lesson before the next hour, or
// empty. Chime set 0 gives no break rows.
std::vector<CString> BuildBreakRowsAfterHours(const CScheduleData& data, int chimeSetId,
                                              const std::vector<__time64_t>& hours, int columns, bool coloured);
// Where the section of hour row i ends: the hour after the first row from i on that a break row
// follows, else the last hour of the table.
__time64_t SectionEnd(const std::vector<__time64_t>& hours, const std::vector<CString>& breakRows, std::size_t i);
// Makes room in a report that grows part by part for the parts still to come, at the mean
// length of the done ones (the text from startLength on), so that a long report is not copied
// over each time it outgrows its buffer.
void ReserveForParts(CString& out, int startLength, std::size_t done, std::size_t total);
