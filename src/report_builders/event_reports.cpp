#include "report_builders/event_reports.h"

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"
#include "report_builders/report_event.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

constexpr const wchar_t* kRowStart = L"<tr style=\"background-color:#e7e7ce;\">";
constexpr const wchar_t* kValueCell = L"<td style=\"background-color:#f0f0e0;\" align=\"right\">";
constexpr const wchar_t* kEventRow = L"<tr style=\"background-color:#f0f0e0;\">";


CString Name(const CScheduleData& data, int id) { return EscapeHtml(GetEntityNameOf(data, id)); }

CString Heading(const CReportOptions& options, const wchar_t* colours, const CString& text) {
    CString heading;
    heading.Format(L"<h1 style=\"%s margin:0 0 0 -10px; padding:4px 15px 8px 15px; color:#ffffff; %s "
                   L"font-weight:bold;\">%s</h1><br>",
                   colours, ReportFont(options, 6).GetString(), text.GetString());
    return heading;
}

CString TableStart(const CReportOptions& options, bool pageBreak) {
    CString table;
    table.Format(L"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"98%%\" style=\"border-color:silver; "
                 L"background-color:#f0f0e0; border-collapse:collapse; margin-left:10px; %s%s\">",
                 ReportFont(options).GetString(), pageBreak ? PageBreakStyle(false) : L"");
    return table;
}

// Entity report -------------------------------------------------------------------------------

bool IsEntryOnlyKind(int kind) { return kind >= CReportEvent::kLinked && kind <= CReportEvent::kNewlyPlaced; }

CString LabelRow(UINT label, const CString& value, bool wide = false) {
    CString row;
    row.Format(L"%s<td align=\"right\"%s>%s:</td>%s%s</td></tr>", kRowStart, wide ? L" width=\"20%\"" : L"",
               ResText(label).GetString(), kValueCell, value.GetString());
    return row;
}

void AppendEntityDetails(const CScheduleData& data, const CReportOptions& options, const CReportEvent& event,
                         CString& out) {
    if (event.kind == CReportEvent::kAbsence) {
        out += LabelRow(IDS_EVENT_CATEGORY, EscapeHtml(event.category));
        out += LabelRow(IDS_REPORT_WHEN, EscapeHtml(event.text));
        if (!event.allDay) out += LabelRow(IDS_EVENT_ABSENCE_LENGTH, FormatHoursMinutes(event.length));
        out += LabelRow(IDS_EVENT_PAID, FlagMarkSpan(options, 2, event.paid));
        out += LabelRow(IDS_BALANCE_APPROVED, FlagMarkSpan(options, 2, event.approved));
        out += LabelRow(IDS_EVENT_FUND, EscapeHtml(event.fund));
        if (!event.reason.IsEmpty()) out += LabelRow(IDS_EVENT_REASON, EscapeHtml(event.reason));
    } else {
        out += LabelRow(IDS_REPORT_WHEN, EscapeHtml(event.whenText));
        out += LabelRow(IDS_LESSON, EscapeHtml(event.text) + L" " + EscapeHtml(event.rooms));
        out += LabelRow(IDS_EVENT_PAID_FUND, FlagMarkSpan(options, 2, event.paid) + L"&nbsp;" + EscapeHtml(event.fund));
        out += LabelRow(IDS_EVENT_LENGTH, FormatHoursMinutes(event.length));
        if (data.FindEntity(event.secondEntityId) != data.m_arrEntities.end())
            out += LabelRow(IDS_EVENT_INSTEAD_OF, Name(data, event.secondEntityId));
    }
    if (!event.remark.IsEmpty()) out += LabelRow(IDS_EVENT_REMARK, EscapeHtml(event.remark));
    out += L"<tr style=\"background-color:#ffffff;\"><td colspan=\"2\">&nbsp;</td></tr>";
}

// Whether another entity's events follow position i.
bool HasLaterEntity(const std::vector<CReportEvent>& events, std::size_t i) {
    for (std::size_t k = i + 1; k < events.size(); ++k)
        if (!IsEntryOnlyKind(events[k].kind) && events[k].entityId != events[i].entityId) return true;
    return false;
}

// Day report ----------------------------------------------------------------------------------

bool IsReportedKind(int kind) { return kind >= CReportEvent::kReplacement && kind <= CReportEvent::kNewlyPlaced; }

bool HasRemarkRow(const CReportEvent& event) {
    return !event.remark.IsEmpty() && event.kind >= CReportEvent::kReplacement && event.kind <= CReportEvent::kAbsence;
}

bool IsWholeDayAbsence(const CReportEvent& event) { return event.kind == CReportEvent::kAbsence && event.allDay; }

CString HeaderRow(std::initializer_list<UINT> ids) {
    CString row = kRowStart;
    std::size_t n = 0;
    for (UINT id : ids) {
        ++n;
        const bool last = n == ids.size();
        const wchar_t* span = ids.size() == 2 && n == 2  ? L" colspan=\"7\""
                              : ids.size() == 3 && n == 2 ? L" colspan=\"3\""
                              : ids.size() == 3 && n == 3 ? L" colspan=\"4\""
                              : last                      ? L" colspan=\"2\""
                                                          : L"";
        row.AppendFormat(L"<td%s>%s</td>", span, ResText(id).GetString());
    }
    return row + L"</tr>";
}

void AppendSection(const CReportOptions& options, int kind, CString& out) {
    UINT caption = 0;
    bool colon = false;
    switch (kind) {
    case CReportEvent::kReplacement: caption = IDS_EVENT_SECTION_REPLACEMENTS; break;
    case CReportEvent::kExtendingReplacement: caption = IDS_EVENT_SECTION_EXTENDING, colon = true; break;
    case CReportEvent::kMoved: caption = IDS_EVENT_SECTION_MOVED; break;
    case CReportEvent::kNewlyPlaced: caption = IDS_EVENT_SECTION_NEW; break;
    default: break;
    }
    out.AppendFormat(L"<tr style=\"%s background-color:#ece9d8;\"><td align=\"right\" colspan=\"8\"><u>%s%s</u></td></tr>",
                     ReportFont(options, 4).GetString(), caption ? ResText(caption).GetString() : L"",
                     colon ? L":" : L"");
    switch (kind) {
    case CReportEvent::kReplacement:
    case CReportEvent::kExtendingReplacement:
        out += HeaderRow({IDS_LESSON, IDS_EVENT_STAND_IN, IDS_EVENT_ACTIVITY_MEMBERS, IDS_EVENT_ROOMS,
                          IDS_EVENT_PAID_COLUMN, IDS_EVENT_FUND_COLUMN, IDS_EVENT_REPLACED});
        break;
    case CReportEvent::kAbsence:
        out += HeaderRow({IDS_LESSON, IDS_EVENT_CATEGORY_COLUMN, IDS_STATS_NAME, IDS_EVENT_ABSENT_WHEN,
                          IDS_EVENT_REASON_COLUMN, IDS_EVENT_PAID, IDS_EVENT_APPROVED_FUND});
        break;
    case CReportEvent::kMoved: out += HeaderRow({IDS_LESSON, IDS_EVENT_ACTIVITY, IDS_EVENT_MOVED_FROM}); break;
    default: out += HeaderRow({IDS_LESSON, IDS_EVENT_ACTIVITY}); break;
    }
}

// The cells of an event's row after the slot column.
CString EventCells(const CScheduleData& data, const CReportOptions& options, const CReportEvent& event) {
    CString cells;
    switch (event.kind) {
    case CReportEvent::kReplacement:
    case CReportEvent::kExtendingReplacement:
        cells.Format(L"<td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td colspan=\"2\">%s</td>",
                     Name(data, event.entityId).GetString(), EscapeHtml(event.text).GetString(),
                     EscapeHtml(event.rooms).GetString(), FlagMarkSpan(options, 2, event.paid).GetString(),
                     EscapeHtml(event.fund).GetString(), Name(data, event.secondEntityId).GetString());
        break;
    case CReportEvent::kAbsence:
        cells.Format(L"<td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td colspan=\"2\">%s %s</td>",
                     EscapeHtml(event.category).GetString(), Name(data, event.entityId).GetString(),
                     EscapeHtml(event.text).GetString(), EscapeHtml(event.reason).GetString(),
                     FlagMarkSpan(options, 0, event.paid).GetString(), FlagMarkSpan(options, 0, event.approved).GetString(),
                     EscapeHtml(event.fund).GetString());
        break;
    case CReportEvent::kMoved:
        cells.Format(L"<td colspan=\"3\">%s</td><td colspan=\"4\">%s</td>", EscapeHtml(event.text).GetString(),
                     EscapeHtml(CTimetableEntry(event.originalStart, event.length).FormatWhenText(data, 0, 0)).GetString());
        break;
    default: cells.Format(L"<td colspan=\"7\">%s</td>", EscapeHtml(event.text).GetString()); break;
    }
    return cells;
}

// The rows that the slot cell of the event at position first spans: the following events of the
// same day, kind and slot (whole-day absences have a cell of their own), with their remark rows.
int CountSlotRows(const CScheduleData& data, const std::vector<CReportEvent>& events, std::size_t first, int day,
                  int slot) {
    int rows = 0;
    for (std::size_t k = first; k < events.size(); ++k) {
        const CReportEvent& event = events[k];
        if (event.kind != events[first].kind || IsWholeDayAbsence(event) || data.GetDayIndex(event.start) != day ||
            event.GetStartHourSlot(data) != slot)
            break;
        rows += HasRemarkRow(event) ? 2 : 1;
    }
    return rows;
}

bool HasLaterDay(const CScheduleData& data, const std::vector<CReportEvent>& events, std::size_t i, int day) {
    for (std::size_t k = i + 1; k < events.size(); ++k)
        if (IsReportedKind(events[k].kind) && data.GetDayIndex(events[k].start) != day) return true;
    return false;
}

}  // namespace

CString FlagMarkSpan(const CReportOptions& options, int sizeDelta, int flag) {
    // Ballot boxes of the report font: the symbol fonts of other systems are not at hand here.
    CString span;
    span.Format(L"<span style=\"%s\">%s</span>", ReportFont(options, sizeDelta).GetString(),
                flag ? L"&#9745;" : L"&#9746;");
    return span;
}

void BuildEntityEventReport(const CScheduleData& data, const CReportOptions& options,
                            const std::vector<CReportEvent>& events, CString& out) {
    bool tableOpen = false;
    int entityId = 0;
    COleDateTime lastDate = GetUnplacedDate();
    for (std::size_t i = 0; i < events.size(); ++i) {
        const CReportEvent& event = events[i];
        if (IsEntryOnlyKind(event.kind)) continue;
        if (!tableOpen || event.entityId != entityId) {
            if (tableOpen) out += L"</table>";
            entityId = event.entityId;
            lastDate = GetUnplacedDate();
            // Stand-ins without an entity get a table of their own but no heading.
            if (data.FindEntity(entityId) != data.m_arrEntities.end())
                out += Heading(options, L"border-bottom:#996633 6px solid; background-color:#663300;",
                               ResText(IDS_EVENTS_OF) + L": " + Name(data, entityId));
            out += TableStart(options, options.m_separatePages && HasLaterEntity(events, i));
            tableOpen = true;
        }
        if (!IsSameDay(event.start, lastDate)) {
            lastDate = event.start;
            CString row;
            row.Format(L"%s<td align=\"right\" width=\"20%%\">%s:</td>%s%s</td></tr>", kRowStart,
                       EscapeHtml(event.GetKindName()).GetString(), kValueCell,
                       event.start.Format(L"%d/%m/%Y").GetString());
            out += row;
        }
        AppendEntityDetails(data, options, event, out);
    }
    if (tableOpen) out += L"</table>";
}

void BuildDayEventReport(const CScheduleData& data, const CReportOptions& options,
                         const std::vector<CReportEvent>& events, CString& out) {
    bool dayOpen = false, slotOpen = false;
    int currentDay = -1, currentKind = 0, currentSlot = -1;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const CReportEvent& event = events[i];
        if (!IsReportedKind(event.kind)) continue;
        const int day = data.GetDayIndex(event.start);
        if (!dayOpen || day != currentDay) {
            if (dayOpen) out += L"</table><br>";
            dayOpen = true;
            currentDay = day;
            currentKind = 0;
            out += Heading(options, L"border-bottom:#669933 6px solid; background-color:#336600;",
                           ResText(IDS_EVENTS_ON) + L" " + EscapeHtml(event.dayTitle));
            out += TableStart(options, options.m_separatePages && HasLaterDay(data, events, i, day));
        }
        if (event.kind != currentKind) {
            currentKind = event.kind;
            slotOpen = false;
            AppendSection(options, currentKind, out);
        }
        const CString cells = EventCells(data, options, event);
        if (IsWholeDayAbsence(event)) {
            slotOpen = false;
            out.AppendFormat(L"%s<td align=\"center\" rowspan=\"%d\">-</td>%s</tr>", kEventRow,
                             HasRemarkRow(event) ? 2 : 1, cells.GetString());
        } else {
            const int slot = event.GetStartHourSlot(data);
            if (!slotOpen || slot != currentSlot) {
                slotOpen = true;
                currentSlot = slot;
                out.AppendFormat(L"%s<td align=\"center\" rowspan=\"%d\">%d</td>%s</tr>", kEventRow,
                                 CountSlotRows(data, events, i, day, slot), slot, cells.GetString());
            } else {
                out.AppendFormat(L"%s%s</tr>", kEventRow, cells.GetString());
            }
        }
        if (HasRemarkRow(event))
            out.AppendFormat(L"<tr><td>%s%s</td><td colspan=\"6\">%s</td></tr>",
                             ResText(event.kind == CReportEvent::kAbsence ? IDS_DLG_ABSENCE_REMARK : IDS_EVENT_REMARK)
                                 .GetString(),
                             event.kind == CReportEvent::kAbsence ? L"" : L":", EscapeHtml(event.remark).GetString());
    }
    if (dayOpen) out += L"</table>";
}
