#include "report_builders/day_list_reports.h"

#include <algorithm>

#include "model/check_progress.h"
#include "model/lesson_hours.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/day_hour_layout.h"
#include "report_builders/day_plan_cell.h"
#include "report_builders/entity_pages_report.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "report_builders/week_grid.h"
#include "resource_ids.h"

namespace {

constexpr __time64_t kHourSeconds = 3600;

// The contact table of the entities of the types whose ids are selected, in document order;
// empty when none is.
CString ContactTable(const CScheduleData& data, const CReportOptions& options, bool staff) {
    CString rows;
    for (const CEntity& entity : data.m_arrEntities) {
        const bool wanted = staff ? (entity.m_nType == 1 || entity.m_nType == 2) : entity.m_nType == 0;
        if (!wanted ||
            std::find(options.m_entityIds.begin(), options.m_entityIds.end(), entity.m_nId) == options.m_entityIds.end())
            continue;
        std::vector<CString> values{EscapeHtml(entity.m_strName), EscapeHtml(entity.m_strCode)};
        if (staff) {
            values.push_back(EscapeHtml(entity.m_strCompany));
            values.push_back(EscapeHtml(entity.m_strPhone));
            values.push_back(EscapeHtml(entity.m_strEmail));
        } else {
            values.push_back(entity.m_dtRegistration.Format(L"%d/%m/%Y"));
            values.push_back(entity.m_dtCompletion.Format(L"%d/%m/%Y"));
            values.push_back(EscapeHtml(entity.m_strDepartment));
            values.push_back(EscapeHtml(entity.m_strEducator));
        }
        rows.AppendFormat(L"<tr><td>%s</td>", values[0].GetString());
        for (std::size_t i = 1; i < values.size(); ++i)
            rows.AppendFormat(L"<td bgcolor=\"white\">%s</td>", values[i].GetString());
        rows += L"</tr>";
    }
    if (rows.IsEmpty()) return rows;
    static const UINT kClassHeaders[] = {IDS_REPORT_NAME,       IDS_REPORT_CLASS_CODE,  IDS_REPORT_REGISTERED,
                                         IDS_REPORT_COMPLETED,  IDS_REPORT_DEPARTMENT,  IDS_REPORT_EDUCATOR};
    static const UINT kStaffHeaders[] = {IDS_REPORT_NAME, IDS_REPORT_STAFF_CODE, IDS_REPORT_COMPANY, IDS_REPORT_PHONE,
                                         IDS_REPORT_EMAIL};
    CString table = OpenReportTable(options) + L"<tr>";
    if (staff)
        for (UINT id : kStaffHeaders) table.AppendFormat(L"<td>%s</td>", ResText(id).GetString());
    else
        for (UINT id : kClassHeaders) table.AppendFormat(L"<td>%s</td>", ResText(id).GetString());
    return table + L"</tr>" + rows + L"</table>";
}

}  // namespace

void BuildDayEndReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    std::vector<CDayEndRecord> records;
    for (int id : options.m_entityIds) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_nType != 0) continue;
        CDayEndRecord record;
        record.id = id;
        record.name = entity->m_strName;
        for (int i = 0; i < kMaxPlanDays; ++i) {
            record.ends[i] = entity->m_tDayStart[i];
            record.works[i] = CompareTime64Approx(entity->m_tDayStart[i], entity->m_tDayEnd[i]) != 0;
        }
        records.push_back(record);
    }
    {
        CCheckProgress progress(data.Host(), IDS_PROGRESS_DAY_ENDS, static_cast<long long>(data.m_arrEntries.size()));
        const CPlanIndex index(data);
        // The plan day and the end time of day of each entry that counts, taken once.
        std::vector<int> dayOf(data.m_arrEntries.size(), -1);
        std::vector<__time64_t> endOf(data.m_arrEntries.size(), 0);
        for (std::size_t e = 0; e < data.m_arrEntries.size(); ++e) {
            const CTimetableEntry& entry = data.m_arrEntries[e];
            if (entry.m_bLinked || entry.m_nState == 7) continue;
            progress.Bar().StepIt();
            const int d = data.GetDayIndex(entry.m_dtStart);
            if (d < 0 || d >= kMaxPlanDays) continue;
            const COleDateTime end = entry.GetEndTime();
            dayOf[e] = d;
            endOf[e] = MakeTimeOfDay(end.GetHour(), end.GetMinute()) + end.GetSecond();
        }
        // Each record looks only at the entries its entity may take part in, in store order.
        CPlanIndex::Positions positions;
        for (CDayEndRecord& record : records) {
            const CEntity& entity = *data.FindEntity(record.id);
            index.GetEntriesInvolving(record.id, positions);
            for (std::size_t e : positions) {
                const int d = dayOf[e];
                if (d < 0 || !record.works[d] || !entity.TakesPartIn(data, data.m_arrEntries[e], &index)) continue;
                if (CompareTime64Approx(endOf[e], record.ends[d]) == 1) record.ends[d] = endOf[e];
            }
        }
    }
    CDayHourLayout layout;
    for (int d = 0; d < std::min(data.m_nDays, kMaxPlanDays); ++d)
        if (data.m_bReportSwitches[d]) layout.days.push_back(d);
    __time64_t latest = data.m_tDayStart, earliest = MakeTimeOfDay(23, 55);
    for (const CDayEndRecord& record : records)
        for (int d : layout.days) {
            if (!record.works[d]) continue;
            if (CompareTime64Approx(record.ends[d], latest) == 1) latest = record.ends[d];
            if (CompareTime64Approx(record.ends[d], earliest) == -1) earliest = record.ends[d];
        }
    AppendHourStepsThrough(layout.hours, earliest, latest + kHourSeconds);
    std::sort(layout.hours.begin(), layout.hours.end());

    out += OpenReportTable(options, IsRightToLeft() ? L"align=\"center\" dir=\"rtl\"" : L"align=\"center\"");
    out.AppendFormat(L"<tr><td colspan=\"%d\" align=\"center\" style=\"%s background-color:green; color:White;\">"
                     L"<big><b>%s</b></big></td></tr>",
                     CountIdsInList(layout) + 1, ReportFont(options).GetString(), ResText(IDS_REPORT_DAY_ENDS).GetString());
    out += BuildEntityPlanHeader(data, options, layout);
    out += BuildDayEndRows(data, layout, records);
    out += L"</table>";
}

CString BuildDayEndRows(const CScheduleData& data, const CDayHourLayout& layout,
                        const std::vector<CDayEndRecord>& records) {
    CString rows;
    for (std::size_t i = 0; i + 1 < layout.hours.size(); ++i) {
        const __time64_t t = layout.hours[i];
        rows.AppendFormat(L"<tr><td>%s</td>", GetLessonCaption(data, 0, 0, GetHourSlot(data, t)).GetString());
        for (int d : layout.days) {
            CString names;
            for (const CDayEndRecord& record : records) {
                if (!record.works[d]) continue;
                // The row of an hour holds the ends from its start up to the next hour.
                if (CompareTime64Approx(record.ends[d], t) == -1 ||
                    CompareTime64Approx(record.ends[d], t + kHourSeconds) != -1)
                    continue;
                if (!names.IsEmpty()) names += L", ";
                names += EscapeHtml(record.name);
            }
            rows.AppendFormat(L"<td style=\"font:13px Arial; background-color:White;\">%s</td>",
                              names.IsEmpty() ? L"<br>" : names.GetString());
        }
        rows += L"</tr>";
    }
    return rows;
}

void BuildContactsReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    out += ContactTable(data, options, false);
    out += ContactTable(data, options, true);
}
