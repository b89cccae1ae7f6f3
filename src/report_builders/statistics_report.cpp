#include "report_builders/statistics_report.h"

#include <initializer_list>
#include <vector>

#include "model/check_progress.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

CString HeaderCell(UINT id, const wchar_t* spans = L"") {
    CString cell;
    cell.Format(L"<td align=\"center\"%s>%s</td>", spans, ResText(id).GetString());
    return cell;
}

void AppendSplits(std::vector<COleDateTimeSpan>& values, const CCategorySpans& spans) {
    values.push_back(spans.m_tsUngrouped);
    values.push_back(spans.m_tsGrouped);
    values.push_back(spans.m_tsOther);
    values.push_back(spans.Total());
}

}  // namespace

void BuildStatisticsReport(CScheduleData& data, const CReportOptions& options, CString& out) {
    data.Host().BeginWaitCursor();
    out += OpenReportTable(options);
    out += L"<tr>" + HeaderCell(IDS_STATS_NAME, L" rowspan=\"3\"") + HeaderCell(IDS_STATS_DAYS, L" colspan=\"2\"") +
           HeaderCell(IDS_STATS_TIME, L" colspan=\"20\"") + HeaderCell(IDS_STATS_REWARDS, L" rowspan=\"3\"") +
           HeaderCell(IDS_STATS_IDLE, L" colspan=\"2\" rowspan=\"2\"") + L"</tr>";
    out += L"<tr>" + HeaderCell(IDS_STATS_WORKING_DAYS, L" rowspan=\"2\"") + HeaderCell(IDS_STATS_ITEM_DAYS, L" rowspan=\"2\"");
    for (UINT id : {IDS_STATS_PLANNED, IDS_STATS_ITEMS, IDS_STATS_ABSENCE_LOSS, IDS_STATS_MERGED, IDS_STATS_TOTAL})
        out += HeaderCell(id, L" colspan=\"4\"");
    out += L"</tr><tr>";
    for (int group = 0; group < 5; ++group)
        for (UINT id : {IDS_STATS_UNGROUPED, IDS_STATS_GROUPED, IDS_STATS_OTHER, IDS_STATS_TOTAL}) out += HeaderCell(id);
    out += HeaderCell(IDS_STATS_IDLE_BEFORE) + HeaderCell(IDS_STATS_IDLE_BETWEEN) + L"</tr>";

    // Rebuilding the item lists changes nothing the index holds.
    const CPlanIndex index(data);
    data.RebuildEntityItems(2, &index);
    CCheckProgress progress(data.Host(), IDS_PROGRESS_STATISTICS, static_cast<long long>(options.m_entityIds.size()));
    for (int id : options.m_entityIds) {
        progress.Bar().StepIt();
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_bUnavailable || entity->m_nType == 4) continue;
        std::vector<COleDateTimeSpan> times;
        const CCategorySpans planned = entity->SumActivityTime(data, &index);
        const CCategorySpans items = entity->SumItemTime(data, &index);
        const CCategorySpans loss = entity->SumAbsenceLoss(data);
        const CCategorySpans merged = entity->SumItemTimeMerged(data);
        CCategorySpans net;
        net.m_tsUngrouped = items.m_tsUngrouped - loss.m_tsUngrouped + merged.m_tsUngrouped;
        net.m_tsGrouped = items.m_tsGrouped - loss.m_tsGrouped + merged.m_tsGrouped;
        net.m_tsOther = items.m_tsOther - loss.m_tsOther + merged.m_tsOther;
        for (const CCategorySpans* split : std::initializer_list<const CCategorySpans*>{&planned, &items, &loss, &merged, &net})
            AppendSplits(times, *split);
        times.push_back(entity->SumFundTime());
        COleDateTimeSpan before, between, after, spans;
        entity->SumGapTimes(data, before, between, after, spans);
        times.push_back(before);
        times.push_back(between);

        out.AppendFormat(L"<tr><td>%s</td><td bgcolor=\"white\">%d</td><td bgcolor=\"white\">%d</td>",
                         EscapeHtml(entity->m_strName).GetString(), entity->CountWorkingDays(data),
                         entity->CountItemDays());
        for (const COleDateTimeSpan& time : times)
            out.AppendFormat(L"<td bgcolor=\"white\">%s</td>", FormatHoursMinutes(time).GetString());
        out += L"</tr>";
    }
    progress.Hide();
    out += L"</table>";
    data.Host().EndWaitCursor();
}
