#pragma once
// The table cells that the reports make of day-plan cells: fixed coloured cells for free,
// absent, unavailable and linked hours, and block cells that span the hours of a block and
// show its group, its activity or an inner table of several activities.
#include <cstddef>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CDayPlanCell;
class CEntity;
class CDayPlanIndex;
class CScheduleData;
struct CReportOptions;

// The cell of one block. hatch: fill style 0 to 11 (6 plain, 7 and up a gradient); text:
// markup; border: the entry state whose colour frames the cell; span: rows or columns;
// captionTime: a time of day shown before the text unless it is 00:00; coloured: the colour
// switch (off: a white background); useRowSpan: rowspan, else colspan.
CString FormatBlockCell(const CScheduleData& data, int hatch, const CString& text, COLORREF background,
                        COLORREF textColour, int border, int span, __time64_t captionTime, bool coloured,
                        bool useRowSpan);

// The block cell of entry i of a day-plan cell: its activity described for the cell's entity, in
// the entry's colours (the colour switch on) and framed in the colour of its state.
CString FormatEntryBlockCell(const CScheduleData& data, const CDayPlanCell& cell, std::size_t i, bool participants,
                             bool coloured, int span, bool useRowSpan, __time64_t captionTime);
// The fixed cell of a free, absent, unavailable or linked hour, spanning span rows.
CString FormatFixedCell(int kind, bool coloured, int span);
// The cell of a busy hour with nothing to show.
CString FormatEmptyBlockCell(int span, bool useRowSpan);
// " rowspan=\"n\"" or " colspan=\"n\""; empty for a span of 1.
CString SpanAttribute(int span, bool useRowSpan);

// The table cell of an entity's day-plan cell on plan day dayIndex at the local hour and
// minute of hour; empty for a covered hour or a missing entity. A table's hour rows fall into
// sections: the first row and each row below a break row open one. sectionStart: the hour
// opens a section (a block that began earlier starts again there). Blocks span only the rows
// before sectionEnd (a time of day: the next break row or the end of the table) that they
// continue into, so that no block reaches into a break row.
CString BuildPlanCellHtml(const CScheduleData& data, const CReportOptions& options, int entityId, int dayIndex,
                          __time64_t hour, bool sectionStart, __time64_t sectionEnd,
                          const CDayPlanIndex* index = nullptr);

// The code and date cells of a type-0 entity; empty for other types.
CString BuildReportDateCells(const CEntity& entity);

// "red" when span is more than 5 whole minutes longer than limit, else "black".
const wchar_t* GetOverrunColour(const COleDateTimeSpan& limit, const COleDateTimeSpan& span);
