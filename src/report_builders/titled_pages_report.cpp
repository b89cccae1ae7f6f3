#include "report_builders/titled_pages_report.h"

#include <algorithm>

#include "model/check_progress.h"
#include "model/lesson_hours.h"
#include "model/participation_rules.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/day_hour_layout.h"
#include "report_builders/day_plan_index.h"
#include "report_builders/report_cell_markup.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

constexpr __time64_t kHourSeconds = 3600;

// Where a cell's attributes begin, after "<td".
CString CellWithColumnSpan(const CString& cell, int run) {
    CString merged;
    merged.Format(L"<td align=\"center\" colspan=\"%d\"%s", run, cell.Mid(3).GetString());
    return merged;
}

}  // namespace

void BuildTitledPagesReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    const int dayCount = std::min(data.m_nDays, kMaxPlanDays);
    std::vector<int> days;
    for (int d = 0; d < dayCount; ++d)
        if (data.m_bReportSwitches[d]) days.push_back(d);
    if (days.empty()) return;
    const bool coloured = options.m_useColours != 0;
    const CDayPlanIndex index(data);
    CCheckProgress progress(data.Host(), IDS_PROGRESS_DAY_PAGES, dayCount);
    const int startLength = out.GetLength();
    for (std::size_t i = 0; i < days.size(); ++i) {
        ReserveForParts(out, startLength, i, days.size());
        const int d = days[i];
        out.AppendFormat(L"<div><table align=\"center\" style=\"margin-top:10px;%s\" border=\"1\" cellspacing=\"0\">"
                         L"<tr><td align=\"center\" style=\"%s background-color:%s; color:White;\"><big><b>%s - %s</b></big>"
                         L"</td></tr><tr><td>",
                         PageBreakStyle(i + 1 == days.size()), ReportFont(options, 2).GetString(),
                         coloured ? L"Navy" : L"Gray", ResText(IDS_REPORT_PLAN).GetString(),
                         EscapeHtml(data.FormatDayTitle(d)).GetString());
        BuildDayTable(data, options, d, options.m_entityIds, out, &index);
        out += L"</td></tr></table></div>";
        progress.Bar().StepIt();
    }
}

void BuildDayTable(const CScheduleData& data, const CReportOptions& options, int dayIndex,
                   const std::vector<int>& entityIds, CString& out, const CDayPlanIndex* index) {
    CDayHourLayout layout;
    __time64_t latest = data.m_tDayStart;
    if (dayIndex < 0 || dayIndex >= kMaxPlanDays) return;
    for (int id : entityIds) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_tDayStart[dayIndex] == entity->m_tDayEnd[dayIndex]) continue;
        if (std::find(layout.days.begin(), layout.days.end(), id) != layout.days.end()) continue;
        layout.days.push_back(id);
        if (CompareTime64Approx(entity->m_tDayEnd[dayIndex], latest) == 1) latest = entity->m_tDayEnd[dayIndex];
    }
    AppendHourStepsBefore(layout.hours, data.m_tDayStart, latest + kHourSeconds);
    std::sort(layout.hours.begin(), layout.hours.end());
    std::stable_sort(layout.days.begin(), layout.days.end(), LessEntityByName(data));
    out += OpenReportTable(options);
    out += BuildDayTableHeader(data, options, layout);
    BuildDayTableRows(data, options, dayIndex, layout, out, index);
    out += L"</table>";
}

CString BuildDayTableHeader(const CScheduleData& data, const CReportOptions& options, const CDayHourLayout& layout) {
    CString header = L"<tr><td><br></td>";
    for (int id : layout.days) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        header.AppendFormat(L"<td align=\"center\" style=\"min-width:%dpx; %s\">%s</td>", options.m_minColumnWidth,
                            ReportFont(options).GetString(), EscapeHtml(entity->m_strName).GetString());
    }
    return header + L"</tr>";
}

void BuildDayTableRows(const CScheduleData& data, const CReportOptions& options, int dayIndex,
                       const CDayHourLayout& layout, CString& rows, const CDayPlanIndex* index) {
    if (index) index->ForgetCells();
    const int chime = GetCommonChimeSetId(data, layout.days);
    const int mode = chime != 0 ? data.Settings().GetTimeAxisMode() : 0;
    const int columns = CountIdsInList(layout);
    const std::vector<CString> breakRows =
        BuildBreakRowsAfterHours(data, chime, layout.hours, columns, options.m_useColours != 0);
    for (std::size_t i = 0; i + 1 < layout.hours.size(); ++i) {
        const __time64_t h = layout.hours[i];
        const bool sectionStart = i == 0 || !breakRows[i - 1].IsEmpty();
        const __time64_t sectionEnd = SectionEnd(layout.hours, breakRows, i);
        rows.AppendFormat(L"<tr><td>%s</td>", ReportHourCaption(data, mode, chime, GetHourSlot(data, h)).GetString());
        std::vector<CString> cells;
        for (int id : layout.days)
            cells.push_back(BuildPlanCellHtml(data, options, id, dayIndex, h, sectionStart, sectionEnd, index));
        // Equal neighbouring cells become one cell across their columns.
        for (std::size_t c = 0; c < cells.size();) {
            std::size_t run = 1;
            while (!cells[c].IsEmpty() && c + run < cells.size() && cells[c + run] == cells[c]) ++run;
            rows += run == 1 ? cells[c] : CellWithColumnSpan(cells[c], static_cast<int>(run));
            c += run;
        }
        rows += L"</tr>";
        rows += breakRows[i];
    }
}
