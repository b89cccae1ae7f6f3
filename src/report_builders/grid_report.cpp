#include "report_builders/grid_report.h"

#include <algorithm>
#include <vector>

#include "model/check_progress.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/day_plan_cell.h"
#include "report_builders/day_plan_index.h"
#include "report_builders/report_cell_markup.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

constexpr __time64_t kHourSeconds = 3600;

// Holds the application's break-mark suppression for as long as the grid is built.
class CReportFlagGuard {
public:
    explicit CReportFlagGuard(IAppSettings& settings) : m_settings(settings) { m_settings.SetReportFlag(1); }
    ~CReportFlagGuard() { m_settings.SetReportFlag(0); }
    CReportFlagGuard(const CReportFlagGuard&) = delete;
    CReportFlagGuard& operator=(const CReportFlagGuard&) = delete;

private:
    IAppSettings& m_settings;
};

class CGridBuilder {
public:
    CGridBuilder(const CScheduleData& data, const CReportOptions& options)
        : m_data(data), m_options(options), m_index(data) {
        for (int id : options.m_entityIds)
            if (id != 0 && data.FindEntity(id) != data.m_arrEntities.end()) m_ids.push_back(id);
        FindDayHours();
    }

    void Build(CString& out) {
        out += OpenReportTable(m_options);
        CReportFlagGuard flag(m_data.Settings());
        if (m_options.m_reportKind == 3) {
            AppendRowHeader(out);
            AppendEntityRows(out);
        } else {
            AppendColumnHeader(out);
            AppendHourRows(out);
        }
        out += L"</table>";
    }

private:
    int DayCount() const { return std::min(m_data.m_nDays, kMaxPlanDays); }

    // The hours of each day: the union of the selected entities' windows on the selected days.
    void FindDayHours() {
        for (int d = 0; d < kMaxPlanDays; ++d) {
            __time64_t start = MakeTimeOfDay(23, 59) + 5, end = MakeTimeOfDay(0, 0);
            const bool selected = std::find(m_options.m_dayIndexes.begin(), m_options.m_dayIndexes.end(), d) !=
                                  m_options.m_dayIndexes.end();
            for (int id : m_ids) {
                const CEntity& entity = *m_data.FindEntity(id);
                if (CompareTime64Approx(entity.m_tDayEnd[d], entity.m_tDayStart[d]) != 1) continue;
                end = std::max(end, entity.m_tDayEnd[d]);
                start = std::min(start, entity.m_tDayStart[d]);
            }
            if (selected && CompareTime64Approx(end, start) == 1) AppendHourStepsBefore(m_hours[d], start, end);
        }
    }

    CString HourCaption(__time64_t t) const { return GetLessonCaption(m_data, 0, 0, GetHourSlot(m_data, t)); }

    void AppendRowHeader(CString& out) const {
        out += L"<tr><td></td>";
        for (int d = 0; d < DayCount(); ++d)
            if (!m_hours[d].empty())
                out.AppendFormat(L"<td align=\"center\" colspan=\"%d\">%s</td>", static_cast<int>(m_hours[d].size()),
                                 EscapeHtml(m_data.FormatDayTitle(d)).GetString());
        out += L"</tr><tr><td></td>";
        for (int d = 0; d < DayCount(); ++d)
            for (__time64_t t : m_hours[d])
                out.AppendFormat(L"<td align=\"center\">%s</td>", HourCaption(t).GetString());
        out += L"</tr>";
    }

    void AppendEntityRows(CString& out) {
        CCheckProgress progress(m_data.Host(), IDS_PROGRESS_GRID_ROWS, static_cast<long long>(m_options.m_entityIds.size()));
        const int startLength = out.GetLength();
        for (std::size_t i = 0; i < m_options.m_entityIds.size(); ++i) {
            const int id = m_options.m_entityIds[i];
            progress.Bar().StepIt();
            ReserveForParts(out, startLength, i, m_options.m_entityIds.size());
            if (std::find(m_ids.begin(), m_ids.end(), id) == m_ids.end()) continue;
            m_index.ForgetCells();
            out.AppendFormat(L"<tr><td>%s</td>", EscapeHtml(m_data.FindEntity(id)->m_strName).GetString());
            for (int d = 0; d < DayCount(); ++d)
                for (std::size_t i = 0; i < m_hours[d].size(); ++i) out += Cell(id, d, i, false);
            out += L"</tr>";
        }
    }

    void AppendColumnHeader(CString& out) const {
        out += L"<tr><td></td><td></td>";
        for (int id : m_ids)
            out.AppendFormat(L"<td align=\"center\">%s</td>", EscapeHtml(m_data.FindEntity(id)->m_strName).GetString());
        out += L"</tr>";
    }

    void AppendHourRows(CString& out) {
        CCheckProgress progress(m_data.Host(), IDS_PROGRESS_GRID_DAYS, kMaxPlanDays);
        const int startLength = out.GetLength();
        for (int d = 0; d < kMaxPlanDays; ++d) {
            progress.Bar().StepIt();
            ReserveForParts(out, startLength, static_cast<std::size_t>(d), static_cast<std::size_t>(DayCount()));
            m_index.ForgetCells();
            for (std::size_t i = 0; i < m_hours[d].size(); ++i) {
                out += L"<tr>";
                if (i == 0)
                    out.AppendFormat(L"<td align=\"center\" rowspan=\"%d\">%s</td>", static_cast<int>(m_hours[d].size()),
                                     EscapeHtml(m_data.FormatDayTitle(d)).GetString());
                out.AppendFormat(L"<td align=\"center\">%s</td>", HourCaption(m_hours[d][i]).GetString());
                for (int id : m_ids) out += Cell(id, d, i, true);
                out += L"</tr>";
            }
        }
    }

    // The cell of an entity at hour i of day d; a block spans the hours of the day it continues into.
    CString Cell(int id, int d, std::size_t i, bool useRowSpan) {
        const std::vector<__time64_t>& hours = m_hours[d];
        const CDayPlanCell& cell =
            m_index.GetComputedCell(CDayPlanCell(m_data, id, d, hours[i], &m_index), false, false, i == 0);
        if (cell.kind == CDayPlanCell::Covered) return CString();
        if (cell.kind != CDayPlanCell::Busy && cell.kind != CDayPlanCell::Linked) return FormatEmptyBlockCell(1, useRowSpan);
        const int span = cell.GetRowSpan(false, false, AtTimeOfDay(cell.time, hours.back() + kHourSeconds));
        if (cell.kind == CDayPlanCell::Linked) return FormatEmptyBlockCell(span, useRowSpan);
        return BlockCell(cell, span, useRowSpan);
    }

    CString BlockCell(const CDayPlanCell& cell, int span, bool useRowSpan) const {
        const bool coloured = m_options.m_useColours != 0;
        if (cell.groupId != 0) {
            const auto group = m_data.FindGroup(cell.groupId);
            if (group == m_data.m_arrGroups.end()) return FormatEmptyBlockCell(span, useRowSpan);
            const CString name = EscapeHtml(group->m_strName);
            if (!useRowSpan)
                return FormatBlockCell(m_data, 6, name, group->m_crBackground, GetSysColor(COLOR_WINDOWTEXT), 8, span,
                                       MakeTimeOfDay(0, 0), coloured, false);
            COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
            int hatch = 6;
            if (coloured) background = group->m_crBackground, foreground = group->m_crForeground, hatch = group->m_nHatch;
            return FormatBlockCell(m_data, hatch, name, background, foreground, 8, span, MakeTimeOfDay(0, 0), coloured,
                                   true);
        }
        if (cell.entries.empty()) return FormatEmptyBlockCell(span, useRowSpan);
        // Without a chime set the entity's blocks show when their first entry starts.
        __time64_t caption = MakeTimeOfDay(0, 0);
        if (m_data.GetEntityChimeSetId(cell.entityId, &m_index.Plan()) == 0) caption = TimeOfDayOf(cell.entries[0].m_dtStart);
        return FormatEntryBlockCell(m_data, cell, 0, m_options.m_detailChoice != 0, coloured, span, useRowSpan, caption);
    }

    const CScheduleData& m_data;
    const CReportOptions& m_options;
    const CDayPlanIndex m_index;
    std::vector<int> m_ids;  // the selected ids that name an entity
    std::vector<__time64_t> m_hours[kMaxPlanDays];
};

}  // namespace

void BuildGridReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    CGridBuilder(data, options).Build(out);
}
