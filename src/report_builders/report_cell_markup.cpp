#include "report_builders/report_cell_markup.h"

#include <string>

#include "model/description_texts.h"
#include "model/html_color.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"
#include "report_builders/day_plan_cell.h"
#include "report_builders/day_plan_index.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"

namespace {

CString CaptionOf(__time64_t captionTime, const CString& text) {
    if (CompareTime64Approx(captionTime, MakeTimeOfDay(0, 0)) == 0) return text;
    CString caption;
    caption.Format(L"%02d:%02d : %s", GetLocalHour(captionTime), GetLocalMinute(captionTime), text.GetString());
    return caption;
}

// The cell of entry i of the hour with its caption time for an entity without a chime set: the
// start of its lesson when it starts in the row's hour.
CString EntryCell(const CScheduleData& data, const CDayPlanCell& cell, std::size_t i, int chime, int detail,
                  bool coloured, int span) {
    const CTimetableEntry& entry = cell.entries[i];
    __time64_t caption = MakeTimeOfDay(0, 0);
    if (chime == 0 && CompareTimesApprox(entry.m_dtStart, cell.time) == 0)
        caption = TimeOfDayOf(entry.GetLessonStart(data));
    return FormatEntryBlockCell(data, cell, i, detail != 0, coloured, span, true, caption);
}

CString InnerTable(const CReportOptions& options, const wchar_t* background, const CString& cells) {
    CString table;
    table.Format(L"<table style=\"%s background-color:%s; width:100%%; height:100%%;\" align=\"center\" "
                 L"cellpadding=\"3\" cellspacing=\"0\" border=\"1\"><tr>%s</tr></table>",
                 ReportFont(options).GetString(), background, cells.GetString());
    return table;
}

}  // namespace

// The cells below are the bulk of a long report; they are put together piece by piece rather
// than through the formatter.

CString SpanAttribute(int span, bool useRowSpan) {
    if (span <= 1) return CString();
    CString attribute = useRowSpan ? L" rowspan=\"" : L" colspan=\"";
    attribute += CString(std::to_wstring(span));
    attribute += L'"';
    return attribute;
}

CString FormatBlockCell(const CScheduleData& data, int hatch, const CString& text, COLORREF background,
                        COLORREF textColour, int border, int span, __time64_t captionTime, bool coloured,
                        bool useRowSpan) {
    const CString caption = CaptionOf(captionTime, text);
    const CString borderStyle = BorderStyle(FormatHtmlColor(GetStateColour(data, border)));
    const CString backgroundText = coloured ? FormatHtmlColor(background) : CString(L"White");
    CString cell = L"<td";
    cell += SpanAttribute(span, useRowSpan);
    cell += L" bgcolor=\"";
    cell += backgroundText;
    cell += L"\" style=\"";
    cell += borderStyle;
    if (hatch <= 6) {
        cell += L"\"><font color=\"";
        cell += FormatHtmlColor(textColour);
        cell += L"\">";
    } else {
        // Hatch 7 and 9 run from the text colour across to the background; the others from the
        // background down to the text colour.
        const bool horizontal = hatch == 7 || hatch == 9;
        cell += horizontal ? L" background-image:linear-gradient(to right, " : L" background-image:linear-gradient(to bottom, ";
        cell += FormatHtmlColor(horizontal ? textColour : background);
        cell += L", ";
        cell += FormatHtmlColor(horizontal ? background : textColour);
        cell += L");\"><font color=\"black\">";
    }
    cell += caption;
    cell += L"</font></td>";
    return cell;
}

CString FormatEntryBlockCell(const CScheduleData& data, const CDayPlanCell& cell, std::size_t i, bool participants,
                             bool coloured, int span, bool useRowSpan, __time64_t captionTime) {
    const CTimetableEntry& entry = cell.entries.at(i);
    if (data.FindActivity(entry.m_nActivity) == data.m_arrActivities.end()) return FormatEmptyBlockCell(span, useRowSpan);
    COLORREF background = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT);
    int hatch = 6;
    if (coloured) entry.GetDrawColours(data, background, text, hatch);
    return FormatBlockCell(data, hatch, cell.DescribeEntry(i, participants), background, text, entry.m_nState, span,
                           captionTime, coloured, useRowSpan);
}

CString FormatFixedCell(int kind, bool coloured, int span) {
    const wchar_t* colour;
    switch (kind) {
    case CDayPlanCell::Free: colour = coloured ? L"#FFFFC0" : L"#E0E0E0"; break;
    case CDayPlanCell::Absent:
    case CDayPlanCell::Unavailable: colour = coloured ? L"#E0E000" : L"#C0C0C0"; break;
    default: colour = coloured ? L"#E0E0E0" : L"#C0C0C0"; break;
    }
    CString cell = L"<td";
    cell += SpanAttribute(span, true);
    cell += L" bgcolor=\"";
    cell += colour;
    cell += L"\"><br></td>";
    return cell;
}

CString FormatEmptyBlockCell(int span, bool useRowSpan) {
    CString cell = L"<td";
    cell += SpanAttribute(span, useRowSpan);
    cell += L" bgcolor=\"#FFFFFF\" style=\"border:1px solid #E0E0E0;\"></td>";
    return cell;
}

CString BuildPlanCellHtml(const CScheduleData& data, const CReportOptions& options, int entityId, int dayIndex,
                          __time64_t hour, bool sectionStart, __time64_t sectionEnd,
                          const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return CString();
    const int detail = options.m_detailChoice;
    const bool coloured = options.m_useColours != 0;
    const int chime = data.GetEntityChimeSetId(entityId, index ? &index->Plan() : nullptr);
    const bool activityBlocks = detail == 2;
    const bool lessonAxis = data.Settings().GetTimeAxisMode() != 0;
    const COleDateTime day = data.GetStartDate() + COleDateTimeSpan(static_cast<double>(dayIndex));
    CDayPlanCell own(data, entityId, day, hour, index);
    if (!index) own.Compute(activityBlocks, lessonAxis, sectionStart);
    const CDayPlanCell& cell = index ? index->GetComputedCell(own, activityBlocks, lessonAxis, sectionStart) : own;
    if (cell.kind == CDayPlanCell::Covered) return CString();
    const int span = cell.kind == CDayPlanCell::Busy || cell.kind == CDayPlanCell::Linked
                         ? cell.GetRowSpan(activityBlocks, lessonAxis, AtTimeOfDay(day, sectionEnd))
                         : 1;
    if (cell.kind != CDayPlanCell::Busy) return FormatFixedCell(cell.kind, coloured, span);

    if (cell.groupId != 0) {
        const auto group = data.FindGroup(cell.groupId);
        if (group == data.m_arrGroups.end()) return FormatEmptyBlockCell(span, true);
        COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
        int hatch = 6;
        if (coloured) background = group->m_crBackground, foreground = group->m_crForeground, hatch = group->m_nHatch;
        CString text = EscapeHtml(group->m_strName);
        if (detail == 2) {
            CString cells;
            for (std::size_t i = 0; i < cell.entries.size(); ++i) cells += EntryCell(data, cell, i, chime, 1, coloured, 1);
            text = InnerTable(options, L"Silver", cells);
        }
        return FormatBlockCell(data, hatch, text, background, foreground, 8, span, MakeTimeOfDay(0, 0), coloured,
                               true);
    }
    if (cell.entries.size() == 1) return EntryCell(data, cell, 0, chime, detail, coloured, span);
    CString cells;
    for (std::size_t i = 0; i < cell.entries.size(); ++i) cells += EntryCell(data, cell, i, chime, detail, coloured, 1);
    return FormatBlockCell(data, 6, InnerTable(options, L"White", cells), GetSysColor(COLOR_WINDOW),
                           GetSysColor(COLOR_WINDOWTEXT), 0, span, MakeTimeOfDay(0, 0), coloured, true);
}

CString BuildReportDateCells(const CEntity& entity) {
    if (entity.m_nType != 0) return CString();
    CString cells;
    if (!entity.m_strCode.IsEmpty())
        cells.AppendFormat(L"<td align=\"center\">%s %s</td>", ResText(IDS_REPORT_CODE).GetString(),
                           EscapeHtml(entity.m_strCode).GetString());
    const struct {
        UINT label;
        const COleDateTime& date;
    } dates[] = {{IDS_REPORT_REGISTRATION, entity.m_dtRegistration}, {IDS_REPORT_COMPLETION, entity.m_dtCompletion}};
    for (const auto& d : dates) {
        if (d.date.GetStatus() != COleDateTime::valid || d.date.GetYear() <= 2000) continue;
        cells.AppendFormat(L"<td align=\"center\">%s %s</td>", ResText(d.label).GetString(),
                           d.date.Format(L"%d/%m/%Y").GetString());
    }
    return cells;
}

const wchar_t* GetOverrunColour(const COleDateTimeSpan& limit, const COleDateTimeSpan& span) {
    return IsSpanLonger(span, limit) ? L"red" : L"black";
}
