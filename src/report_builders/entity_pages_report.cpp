#include "report_builders/entity_pages_report.h"

#include <algorithm>
#include <optional>

#include "model/check_progress.h"
#include "model/description_texts.h"
#include "model/html_color.h"
#include "model/lesson_hours.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/day_hour_layout.h"
#include "report_builders/day_plan_index.h"
#include "report_builders/report_cell_markup.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

CString DayHeading(const CScheduleData& data, int d) {
    const COleDateTime date = data.GetDayDate(d);
    if (data.Settings().IsHoliday(date)) return EscapeHtml(data.Settings().GetHolidayName(date));
    return EscapeHtml(data.FormatDayTitle(d));
}

// The opening of a page's table with its heading row; the content rows and "</table>" follow.
void OpenPageTable(const CReportOptions& options, const wchar_t* pageBreak, const wchar_t* colour,
                   const CString& heading, CString& out) {
    out.AppendFormat(L"<table align=\"center\" style=\"margin-top:10px;%s\" border=\"1\" cellspacing=\"0\">"
                     L"<tr><td align=\"center\" style=\"%s background-color:%s; color:White;\"><big><b>%s</b></big></td></tr>",
                     pageBreak, ReportFont(options, 2).GetString(), colour, heading.GetString());
}

}  // namespace

CString FormatDurationCell(std::int64_t seconds) {
    CString cell;
    cell.Format(L"<td>%02d:%02d</td>", static_cast<int>(seconds / 3600), static_cast<int>(seconds % 3600 / 60));
    return cell;
}

void BuildEntityPagesReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    int flags = 0;
    for (int d = 0; d < CScheduleData::kReportSwitches; ++d) flags += data.m_bReportSwitches[d] != 0;
    if (flags == 0) return;
    const bool coloured = options.m_useColours != 0;
    const CDayPlanIndex index(data);
    // The last page that is written ends without a page break.
    std::size_t last = options.m_entityIds.size();
    for (std::size_t i = 0; i < options.m_entityIds.size(); ++i)
        if (data.FindEntity(options.m_entityIds[i]) != data.m_arrEntities.end()) last = i;
    CCheckProgress progress(data.Host(), IDS_PROGRESS_ENTITY_PAGES, static_cast<long long>(options.m_entityIds.size()));
    const int startLength = out.GetLength();
    for (std::size_t i = 0; i < options.m_entityIds.size(); ++i) {
        progress.Bar().StepIt();
        ReserveForParts(out, startLength, i, options.m_entityIds.size());
        const auto found = data.FindEntity(options.m_entityIds[i]);
        if (found == data.m_arrEntities.end()) continue;
        const CEntity& entity = *found;
        CString name = EscapeHtml(entity.m_strName);
        if (!entity.m_strEducator.IsEmpty())
            name.AppendFormat(L" %s: %s", ResText(IDS_TIP_EDUCATOR).GetString(), EscapeHtml(entity.m_strEducator).GetString());
        const CString heading = ResText(IDS_REPORT_PLAN) + L" - " + name + EscapeHtml(entity.FormatDefaultAddress(data));
        const wchar_t* pageBreak = PageBreakStyle(i == last);
        out += L"<div>";
        OpenPageTable(options, options.m_activityTotals ? L"" : pageBreak, coloured ? L"Navy" : L"Gray", heading, out);
        const CString dateCells = BuildReportDateCells(entity);
        if (!dateCells.IsEmpty())
            out.AppendFormat(L"<tr><td align=\"right\"><table cellspacing=\"0\" width=\"100%%\" border=\"1\" "
                             L"style=\"%s background-color:%s; color:White;\"><tr>%s</tr></table></td></tr>",
                             ReportFont(options).GetString(), coloured ? L"DarkGreen" : L"Gray", dateCells.GetString());
        out += L"<tr><td align=\"right\">";
        BuildEntityPlanTable(data, options, entity.m_nId, out, &index);
        out += L"</td></tr></table>";
        if (options.m_activityTotals) {
            out.AppendFormat(L"<table align=\"center\" style=\"margin-top:10px;%s\" border=\"1\" cellspacing=\"0\">"
                             L"<tr><td align=\"center\" style=\"%s background-color:%s; color:White;\"><big><b>%s:</b></big>"
                             L"<br>%s</td></tr></table>",
                             pageBreak, ReportFont(options, 2).GetString(), coloured ? L"DarkRed" : L"Gray",
                             ResText(IDS_REPORT_TIME_PER_ACTIVITY).GetString(),
                             BuildActivityTotalsTable(data, options, entity.m_nId, &index).GetString());
        }
        out += L"</div>";
    }
}

void BuildEntityPlanTable(const CScheduleData& data, const CReportOptions& options, int entityId, CString& out,
                          const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return;
    CDayHourLayout layout;
    FindEntityHours(data, *entity, layout.hours, index);
    for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d)
        if (data.m_bReportSwitches[d]) layout.days.push_back(d);
    out += OpenReportTable(options);
    out += BuildEntityPlanHeader(data, options, layout);
    BuildEntityPlanRows(data, options, entityId, layout, out, index);
    out += L"</table>";
}

CString BuildEntityPlanHeader(const CScheduleData& data, const CReportOptions& options, const CDayHourLayout& layout) {
    CString header = L"<tr><td><br></td>";
    for (int d : layout.days)
        header.AppendFormat(L"<td align=\"center\" style=\"min-width:%dpx; %s\"><strong>%s</strong></td>",
                            options.m_minColumnWidth, ReportFont(options).GetString(), DayHeading(data, d).GetString());
    return header + L"</tr>";
}

void BuildEntityPlanRows(const CScheduleData& data, const CReportOptions& options, int entityId,
                         const CDayHourLayout& layout, CString& rows, const CDayPlanIndex* index) {
    if (data.FindEntity(entityId) == data.m_arrEntities.end() || layout.hours.empty()) return;
    if (index) index->ForgetCells();
    const int chime = data.GetEntityChimeSetId(entityId, index ? &index->Plan() : nullptr);
    const int mode = chime != 0 ? data.Settings().GetTimeAxisMode() : 0;
    const int dayCount = CountIdsInList(layout);
    const bool coloured = options.m_useColours != 0;
    if (chime != 0) rows += BuildBreakRow(data, chime, GetLessonRangeBegin(data, chime, layout.hours[0]), dayCount, coloured);
    const std::vector<CString> breakRows = BuildBreakRowsAfterHours(data, chime, layout.hours, dayCount, coloured);
    for (std::size_t i = 0; i + 1 < layout.hours.size(); ++i) {
        const __time64_t h = layout.hours[i];
        const bool sectionStart = i == 0 || !breakRows[i - 1].IsEmpty();
        const __time64_t sectionEnd = SectionEnd(layout.hours, breakRows, i);
        rows.AppendFormat(L"<tr><td>%s</td>", ReportHourCaption(data, mode, chime, GetHourSlot(data, h)).GetString());
        for (int d : layout.days)
            rows += BuildPlanCellHtml(data, options, entityId, d, h, sectionStart, sectionEnd, index);
        rows += L"</tr>";
        rows += breakRows[i];
    }
}

void CollectActivityTotals(const CScheduleData& data, int entityId, std::vector<CActivityTotal>& totals,
                           const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return;
    std::optional<CDayPlanIndex> ownIndex;
    if (index == nullptr) index = &ownIndex.emplace(data);
    // Only the entries in which the entity may count, in store order.
    const std::vector<std::size_t>& positions =
        entity->m_nType == 4 ? index->EntriesNamingRoom(entityId) : index->EntriesInvolving(entityId);
    for (std::size_t position : positions) {
        const CTimetableEntry& entry = data.m_arrEntries[position];
        const std::int64_t seconds = WholeSeconds(static_cast<double>(entry.m_tsLength)) % 86400;
        const auto activity = data.FindActivity(entry.m_nActivity);
        std::int64_t room = 0, member = 0, standIn = 0;
        if (entity->m_nType == 4) {
            const int role = entry.GetRoomRole(data, entityId);
            if (role != 0) {
                const int elsewhere = entry.GetBestRoomRoleElsewhere(data, entityId, &index->Plan());
                if (elsewhere == 0 || elsewhere == 5 || elsewhere >= role) room = seconds;
            }
        }
        if (activity != data.m_arrActivities.end() && activity->HasEntity(*entity)) member = seconds;
        if (entry.HasParticipant(entityId)) standIn = seconds;
        if (room / 60 + member / 60 + standIn / 60 < 1) continue;
        auto row = std::find_if(totals.begin(), totals.end(),
                                [&](const CActivityTotal& t) { return t.activityId == entry.m_nActivity; });
        if (row == totals.end()) {
            if (activity == data.m_arrActivities.end()) continue;
            CActivityTotal total;
            total.activityId = activity->m_nId;
            total.groupId = entity->m_nType == 0 ? activity->m_nGroup : 0;
            total.background = activity->GetBackgroundColour(data);
            total.foreground = activity->GetForegroundColour(data);
            total.title = FormatActivityTitle(data, *activity, entityId);
            totals.push_back(total);
            row = totals.end() - 1;
        }
        row->memberSeconds += member;
        row->standInSeconds += standIn;
        row->roomSeconds += room;
    }
    std::stable_sort(totals.begin(), totals.end(), [](const CActivityTotal& a, const CActivityTotal& b) {
        return a.title.CompareNoCase(b.title) < 0;
    });
}

CString BuildActivityTotalsTable(const CScheduleData& data, const CReportOptions& options, int entityId,
                                 const CDayPlanIndex* index) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return CString();
    std::vector<CActivityTotal> totals;
    CollectActivityTotals(data, entityId, totals, index);
    std::int64_t memberTotal = 0, standInTotal = 0, roomTotal = 0;
    bool grouped = false;
    for (const CActivityTotal& t : totals) {
        memberTotal += t.memberSeconds;
        standInTotal += t.standInSeconds;
        roomTotal += t.roomSeconds;
        grouped = grouped || t.groupId != 0;
    }
    if (memberTotal == 0 && standInTotal == 0 && roomTotal == 0) return CString();
    // Rewards count as member time.
    std::vector<std::int64_t> fundSeconds;
    for (const CFund& fund : entity->m_arrFunds) {
        fundSeconds.push_back(static_cast<std::int64_t>(WholeMinutes(static_cast<double>(fund.m_tsLength))) * 60);
        memberTotal += fundSeconds.back();
    }
    const bool coloured = options.m_useColours != 0;
    const bool shown[3] = {memberTotal != 0, standInTotal != 0, roomTotal != 0};
    const UINT labels[3] = {IDS_REPORT_AS_MEMBER, IDS_REPORT_AS_STAND_IN, IDS_REPORT_AS_ROOM};
    // A row of the table: the first cell, then the values of the columns shown.
    auto valueCells = [&](std::int64_t member, std::int64_t standIn, std::int64_t room) {
        const std::int64_t values[3] = {member, standIn, room};
        CString cells;
        for (int c = 0; c < 3; ++c)
            if (shown[c]) cells += FormatDurationCell(values[c]);
        return cells;
    };
    CString table = OpenReportTable(options, L"align=\"center\" width=\"100%\"");
    table.AppendFormat(L"<tr style=\"font-weight:bold;\"><td>%s</td>", ResText(IDS_REPORT_ACTIVITY).GetString());
    int columns = 1;
    for (int c = 0; c < 3; ++c)
        if (shown[c]) {
            table.AppendFormat(L"<td>%s</td>", ResText(labels[c]).GetString());
            ++columns;
        }
    table += L"</tr>";
    for (const CActivityTotal& t : totals)
        table.AppendFormat(L"<tr bgcolor=\"white\"><td bgcolor=\"%s\">%s</td>%s</tr>",
                           FormatHtmlColor(coloured ? t.background : GetSysColor(COLOR_WINDOW)).GetString(),
                           EscapeHtml(t.title).GetString(),
                           valueCells(t.memberSeconds, t.standInSeconds, t.roomSeconds).GetString());
    if (!entity->m_arrFunds.empty()) {
        table.AppendFormat(L"<tr><td colspan=\"%d\"><b>%s</b></td></tr>", columns,
                           ResText(IDS_REPORT_REWARDS_HEADER).GetString());
        for (std::size_t f = 0; f < entity->m_arrFunds.size(); ++f)
            table.AppendFormat(L"<tr bgcolor=\"white\"><td bgcolor=\"white\">%s</td>%s</tr>",
                               EscapeHtml(entity->m_arrFunds[f].m_strName).GetString(),
                               valueCells(fundSeconds[f], 0, 0).GetString());
    }
    if (!(entity->m_nType == 0 && grouped))
        table.AppendFormat(L"<tr><td><b>%s</b></td>%s</tr>", ResText(IDS_REPORT_TOTAL).GetString(),
                           valueCells(memberTotal, standInTotal, roomTotal).GetString());
    return table + L"</table>";
}
