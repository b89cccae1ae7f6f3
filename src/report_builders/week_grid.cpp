#include "report_builders/week_grid.h"

#include <algorithm>
#include <optional>

#include "model/description_texts.h"
#include "model/html_color.h"
#include "model/schedule_data.h"
#include "model/lesson_hours.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "report_builders/day_hour_layout.h"
#include "report_builders/day_plan_cell.h"
#include "report_builders/day_plan_index.h"
#include "report_builders/report_cell_markup.h"
#include "report_builders/report_markup.h"
#include "resource_ids.h"

namespace {

CString Shortened(const CString& text, bool fullText) { return fullText ? text : text.Left(5); }

CString DayTitle(const CScheduleData& data, int d, bool fullText) {
    const COleDateTime date = data.GetDayDate(d);
    if (data.Settings().IsHoliday(date))
        return EscapeHtmlLiteText(Shortened(data.Settings().GetHolidayName(date), fullText));
    if (fullText) return EscapeHtmlLiteText(data.FormatDayTitle(d));
    return EscapeHtmlLiteText(LoadResString(IDS_REPORT_DAY_LETTERS).Mid(d, 1));
}

// The cell of a block in the grid: the group, else the first entry's activity.
CString BlockCell(const CScheduleData& data, const CDayPlanCell& cell, int span, bool fullText) {
    const CString spanText = SpanAttribute(span, true);
    CString markup;
    if (cell.groupId != 0) {
        const auto group = data.FindGroup(cell.groupId);
        if (group == data.m_arrGroups.end()) return FormatEmptyBlockCell(span, true);
        markup.Format(L"<td%s bordercolor=\"%s\" bgcolor=\"%s\"><font color=\"%s\">%s</font></td>",
                      spanText.GetString(), FormatHtmlColor(GetStateColour(data, 8)).GetString(),
                      FormatHtmlColor(group->m_crBackground).GetString(),
                      FormatHtmlColor(GetSysColor(COLOR_WINDOWTEXT)).GetString(),
                      EscapeHtmlLiteText(Shortened(group->m_strName, fullText)).GetString());
        return markup;
    }
    if (cell.entries.empty()) return FormatEmptyBlockCell(span, true);
    const CTimetableEntry& entry = cell.entries[0];
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return FormatEmptyBlockCell(span, true);
    COLORREF background = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT);
    int hatch = 6;
    entry.GetDrawColours(data, background, text, hatch);
    const CString description = fullText
                                    ? cell.DescribeEntry(0, false)
                                    : EscapeHtmlLiteText(activity->m_strName.Left(5));
    markup.Format(L"<td%s bordercolor=\"%s\" bgcolor=\"%s\"><font color=\"%s\">%s</font></td>", spanText.GetString(),
                  FormatHtmlColor(GetStateColour(data, entry.m_nState)).GetString(),
                  FormatHtmlColor(background).GetString(), FormatHtmlColor(text).GetString(),
                  description.GetString());
    return markup;
}

// Rows, columns by the number of grids; 16 gets four rows of four.
void GridTableShape(int n, int& rows, int& columns) {
    static const int kRows[] = {0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4};
    static const int kColumns[] = {0, 1, 2, 3, 2, 3, 3, 4, 4, 3, 4, 4, 4, 5, 5, 4, 4};
    rows = kRows[n];
    columns = kColumns[n];
}

}  // namespace

bool IsRightToLeft() { return LoadResString(IDS_RTL_LAYOUT) == L"Y"; }

CString BuildWeekGrid(const CScheduleData& data, int entityId, bool fullText, const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end() || entity->m_nOverlaps != 1) return CString();
    std::optional<CDayPlanIndex> ownIndex;
    if (index == nullptr) index = &ownIndex.emplace(data);
    CDayHourLayout layout;
    FindEntityHours(data, *entity, layout.hours, index);
    for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d) layout.days.push_back(d);
    if (IsRightToLeft()) std::reverse(layout.days.begin(), layout.days.end());
    return L"<table align=\"center\" border=\"1\" bordercolor=\"black\" bgcolor=\"#E0E0E0\" cellspacing=\"0\">" +
           BuildWeekGridHeader(data, layout, fullText) + BuildWeekGridRows(data, entityId, layout, fullText, index) +
           L"</table>";
}

CString BuildWeekGridHeader(const CScheduleData& data, const CDayHourLayout& layout, bool fullText) {
    const bool rtl = IsRightToLeft();
    CString header = L"<tr>";
    if (!rtl) header += L"<td></td>";
    for (int d : layout.days)
        header.AppendFormat(L"<td width=\"30\"><strong>%s</strong></td>", DayTitle(data, d, fullText).GetString());
    if (rtl) header += L"<td></td>";
    return header + L"</tr>";
}

CString BuildWeekGridRows(const CScheduleData& data, int entityId, const CDayHourLayout& layout, bool fullText,
                          const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end() || layout.hours.size() < 2) return CString();
    const bool rtl = IsRightToLeft();
    std::optional<CDayPlanIndex> ownIndex;
    if (index == nullptr) index = &ownIndex.emplace(data);
    index->ForgetCells();
    const __time64_t tableEnd = layout.hours.back();
    CString rows;
    for (std::size_t i = 0; i + 1 < layout.hours.size(); ++i) {
        const __time64_t h = layout.hours[i];
        CString hourCell;
        hourCell.Format(L"<td>%s</td>", GetLessonCaption(data, 0, 0, GetHourSlot(data, h)).GetString());
        rows += L"<tr>";
        if (!rtl) rows += hourCell;
        for (int d : layout.days) {
            const COleDateTime day = data.m_dtStartDate + COleDateTimeSpan(static_cast<double>(d));
            const CDayPlanCell& cell = index->GetComputedCell(CDayPlanCell(data, entityId, day, h, index), false, false, i == 0);
            if (cell.kind == CDayPlanCell::Covered) continue;
            const int span = cell.kind == CDayPlanCell::Busy || cell.kind == CDayPlanCell::Linked
                                 ? cell.GetRowSpan(false, false, AtTimeOfDay(day, tableEnd))
                                 : 1;
            if (cell.kind == CDayPlanCell::Busy)
                rows += BlockCell(data, cell, span, fullText);
            else
                rows += FormatFixedCell(cell.kind, true, span);
        }
        if (rtl) rows += hourCell;
        rows += L"</tr>";
    }
    return rows;
}

CString BuildWeekGridTable(const CScheduleData& data, int currentEntityId, std::vector<int>& ids) {
    if (ids.size() > 16) {
        const auto current = data.FindEntity(currentEntityId);
        if (current == data.m_arrEntities.end()) return CString();
        std::erase_if(ids, [&](int id) {
            const auto entity = data.FindEntity(id);
            return entity != data.m_arrEntities.end() && entity->m_nType == current->m_nType;
        });
    }
    const int n = static_cast<int>(ids.size());
    if (n == 0 || n > 16) return CString();
    int rowCount = 0, columnCount = 0;
    GridTableShape(n, rowCount, columnCount);
    const CDayPlanIndex index(data);
    CString table = L"<table align=\"center\" border=\"0\" bordercolor=\"black\" bgcolor=\"#FFFBE9\" cellspacing=\"0\">";
    std::size_t next = 0;
    for (int r = 0; r < rowCount && next < ids.size(); ++r) {
        table += L"<tr>";
        for (int c = 0; c < columnCount && next < ids.size(); ++c) {
            const int id = ids[next++];
            const auto entity = data.FindEntity(id);
            const CString grid = entity == data.m_arrEntities.end() ? CString() : BuildWeekGrid(data, id, false, &index);
            if (grid.IsEmpty()) {
                table += L"<td></td>";
                continue;
            }
            table.AppendFormat(L"<td><table border=\"0\" cellspacing=\"0\"><tr><td><center><h1>%s"
                               L"<ilst index=\"%d\" width=\"16\" height=\"16\"></h1></center><br></td></tr>"
                               L"<tr><td>%s</td></tr></table></td>",
                               EscapeHtmlLiteText(entity->m_strName).GetString(), entity->m_nType + 6,
                               grid.GetString());
        }
        table += L"</tr>";
    }
    return table + L"</table>";
}
