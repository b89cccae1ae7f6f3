#include "report_builders/multi_document_report.h"

#include <algorithm>
#include <unordered_map>

#include "model/entity.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "report_builders/event_reports.h"
#include "report_builders/report_event.h"
#include "report_builders/report_event_collection.h"
#include "report_builders/report_event_filter.h"
#include "report_builders/report_event_orders.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

constexpr const wchar_t* kRowStart = L"<tr style=\"background-color:#e7e7ce;\">";

// The working day of the entity on the plan day of start; the stored length when the day is not
// one of the days an entity keeps.
COleDateTimeSpan WorkingDayLength(const CScheduleData& store, const CEntity& entity, const CAbsence& absence) {
    const int day = store.GetDayIndex(absence.m_dtStart);
    if (day < 0 || day >= kMaxPlanDays) return absence.m_tsLength;
    const __time64_t seconds = entity.m_tDayEnd[day] - entity.m_tDayStart[day];
    return COleDateTimeSpan(static_cast<double>(std::max<__time64_t>(seconds, 0) / 60) / 1440.0);
}

// The stand-ins of the persons in one walk over the timetable; persons maps an id of the store to
// the person of the open document.
void CollectReplacements(const CScheduleData& data, const CScheduleData& store,
                         const std::unordered_map<int, const CEntity*>& persons, std::vector<CReportEvent>& events) {
    const CPlanIndex index(store);
    for (const CTimetableEntry& entry : store.m_arrEntries) {
        for (const CReplacement& record : entry.m_arrReplacements) {
            const auto found = persons.find(record.m_nEntity);
            if (found == persons.end()) continue;
            const CEntity& person = *found->second;
            const auto activity = store.FindActivity(entry.m_nActivity);
            if (activity == store.m_arrActivities.end()) continue;
            CReportEvent event;
            event.kind = record.m_bExtending && IsEntityBusyDuring(store, index, record.m_nEntity, entry)
                             ? CReportEvent::kExtendingReplacement
                             : CReportEvent::kReplacement;
            event.entityId = person.m_nId;
            event.hasGroup = activity->m_nGroup != 0 ? 1 : 0;
            event.start = entry.m_dtStart;
            event.length = entry.m_tsLength;
            event.paid = event.approved = record.m_bPaid;
            event.text = activity->GetDisplayName();
            event.fund = record.m_strFund;
            event.remark = record.m_strRemark;
            event.company = person.m_strCompany;
            event.dayTitle = entry.m_dtStart.Format(L"%d/%m/%Y");
            event.whenText = entry.FormatLessonSpan(store, 60);
            const auto replaced = store.FindEntity(record.m_nReplacing);
            if (replaced != store.m_arrEntities.end())
                event.secondEntityId = FindPersonByNameAndCode(data, replaced->m_strName, replaced->m_strCode);
            events.push_back(std::move(event));
        }
    }
}

void CollectAbsences(const CScheduleData& store, const CEntity& person, const CEntity& entity,
                     std::vector<CReportEvent>& events) {
    for (const CAbsence& absence : entity.m_arrAbsences) {
        CReportEvent event;
        event.kind = CReportEvent::kAbsence;
        event.entityId = person.m_nId;
        event.allDay = absence.m_bWholeDay;
        event.approved = absence.m_bApproved;
        event.paid = absence.m_bPaid;
        event.category = absence.m_strCategory;
        event.reason = absence.m_strReason;
        event.remark = absence.m_strRemark;
        event.fund = absence.m_strFund;
        event.start = absence.m_dtStart;
        event.company = person.m_strCompany;
        event.dayTitle = absence.m_dtStart.Format(L"%d/%m/%Y");
        if (absence.m_bWholeDay) {
            event.length = WorkingDayLength(store, entity, absence);
            event.text = LoadResString(IDS_EVENT_WHOLE_DAY);
        } else {
            event.length = absence.m_tsLength;
            const __time64_t from = event.GetStartTimeOfDay(), to = event.GetEndTimeOfDay();
            if (from != CReportEvent::kNoTime && to != CReportEvent::kNoTime)
                event.text =
                    CTimetableEntry(store, store.GetDayIndex(absence.m_dtStart), from, to).FormatLessonSpan(store, 60);
        }
        events.push_back(std::move(event));
    }
}

bool PassesWindowAndFilter(const CReportEvent& event, const CReportFilter& filter, const COleDateTime& from,
                           const COleDateTime& to) {
    if (CompareTimesApprox(from, event.start + event.length) == 1 || CompareTimesApprox(event.start, to) == 1)
        return false;
    if (!filter.filterOn) return true;
    if (!filter.PassesEntityFilter(event.entityId) || !filter.PassesCompanyFilter(event.company)) return false;
    if (event.kind == CReportEvent::kAbsence && !filter.PassesCategoryFilter(event.category)) return false;
    return filter.PassesFundFilter(event.fund);
}

CString MarkCell(const CReportOptions& options, int flag) { return L"<td>" + FlagMarkSpan(options, 2, flag) + L"</td>"; }

CString SummaryRow(const COleDateTimeSpan& plus, const COleDateTimeSpan& minus) {
    const bool gain = WholeMinutes(minus.m_span) < WholeMinutes(plus.m_span);
    const bool even = WholeMinutes(minus.m_span) == WholeMinutes(plus.m_span);
    const COleDateTimeSpan balance = gain ? plus - minus : minus - plus;
    CString row;
    row.Format(L"%s<td></td><td></td><td></td><td></td><td></td><td>%s: %s%s</td><td>%s</td><td>%s</td></tr></table>",
               kRowStart, ResText(IDS_BALANCE_SUMMARY).GetString(), gain || even ? L"" : L"-",
               FormatHoursMinutes(balance).GetString(), FormatHoursMinutes(minus).GetString(),
               FormatHoursMinutes(plus).GetString());
    return row;
}

void AppendPersonStart(const CScheduleData& data, const CReportOptions& options, int personId, CString& out) {
    const auto person = data.FindEntity(personId);
    const CString name = person != data.m_arrEntities.end() ? person->m_strName : CString();
    const CString code = person != data.m_arrEntities.end() ? person->m_strCode : CString();
    out.AppendFormat(L"<h1 style=\"border-bottom:#666600 6px solid; background-color:#333300; margin:0 0 0 -10px; "
                     L"padding:4px 15px 8px 15px; color:#ffffff; %s font-weight:bold;\">%s: %s %s</h1><br>",
                     ReportFont(options, 6).GetString(), ResText(IDS_BALANCE_OF).GetString(),
                     EscapeHtml(name).GetString(), EscapeHtml(code).GetString());
    out.AppendFormat(L"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"98%%\" style=\"border-color:silver; "
                     L"background-color:#f0f0e0; border-collapse:collapse; margin-left:10px; %s\">",
                     ReportFont(options).GetString());
    out += kRowStart;
    for (UINT id : {IDS_BALANCE_DATE, IDS_BALANCE_KIND, IDS_EVENT_ACTIVITY, IDS_EVENT_PAID, IDS_BALANCE_APPROVED,
                    IDS_BALANCE_FUND})
        out.AppendFormat(L"<td>%s</td>", ResText(id).GetString());
    out += L"<td>-</td><td>+</td></tr>";
}

}  // namespace

int FindPersonByNameAndCode(const CScheduleData& store, const CString& name, const CString& code) {
    if (name.IsEmpty()) return 0;
    int withoutCode = 0;
    for (const CEntity& entity : store.m_arrEntities) {
        if (entity.m_strName.CompareNoCase(name) != 0) continue;
        if (entity.m_strCode.CompareNoCase(code) == 0) return entity.m_nId;
        if (withoutCode == 0 && entity.m_strCode.IsEmpty()) withoutCode = entity.m_nId;
    }
    return withoutCode;
}

bool CollectMultiDocumentEvents(const CScheduleData& data, const CReportFilter& filter, const CString& path,
                                std::vector<CReportEvent>& events) {
    CScheduleData store;
    store.SetServices({&data.Host(), &data.Settings(), &data.Answerer(), &data.Clipboard()});
    if (!store.Load(path, FALSE)) return false;
    if (store.m_arrEntities.empty()) return true;
    std::unordered_map<int, const CEntity*> persons;
    for (int id : filter.entityIds) {
        const auto person = data.FindEntity(id);
        if (person == data.m_arrEntities.end()) continue;
        const int storeId = FindPersonByNameAndCode(store, person->m_strName, person->m_strCode);
        const auto entity = store.FindEntity(storeId);
        if (entity == store.m_arrEntities.end() || !persons.emplace(storeId, &*person).second) continue;
        CollectAbsences(store, *person, *entity, events);
    }
    CollectReplacements(data, store, persons, events);
    return true;
}

void BuildMultiDocumentReport(const CScheduleData& data, const CReportOptions& options, const CReportFilter& filter,
                              const COleDateTime& from, const COleDateTime& to, const std::vector<CString>& paths,
                              CString& out) {
    std::vector<CReportEvent> events;
    for (const CString& path : paths) CollectMultiDocumentEvents(data, filter, path, events);
    std::erase_if(events, [&](const CReportEvent& event) { return !PassesWindowAndFilter(event, filter, from, to); });
    SortEventsByEntity(events);

    int personId = 0;
    COleDateTimeSpan plus(0.0), minus(0.0);
    for (const CReportEvent& event : events) {
        if (event.entityId != personId) {
            if (personId != 0) out += SummaryRow(plus, minus) + L"<br>";
            plus = minus = COleDateTimeSpan(0.0);
            personId = event.entityId;
            AppendPersonStart(data, options, personId, out);
        }
        if (event.kind == CReportEvent::kAbsence) {
            out.AppendFormat(L"%s<td>%s</td><td>%s</td><td>%s</td>%s%s<td>%s</td><td>%s</td><td></td></tr>", kRowStart,
                             EscapeHtml(event.dayTitle).GetString(), ResText(IDS_BALANCE_ABSENCE).GetString(),
                             EscapeHtml(event.category).GetString(), MarkCell(options, event.paid).GetString(),
                             MarkCell(options, event.approved).GetString(), EscapeHtml(event.fund).GetString(),
                             FormatHoursMinutes(event.length).GetString());
            if (!event.approved) minus += event.length;
        } else {
            out.AppendFormat(L"%s<td>%s</td><td>%s</td><td>%s (%s %s)</td>%s%s<td>%s</td><td></td><td>%s</td></tr>",
                             kRowStart, EscapeHtml(event.dayTitle).GetString(),
                             ResText(IDS_BALANCE_REPLACEMENT).GetString(), EscapeHtml(event.text).GetString(),
                             ResText(IDS_BALANCE_FOR).GetString(),
                             EscapeHtml(GetEntityNameOf(data, event.secondEntityId)).GetString(),
                             MarkCell(options, event.paid).GetString(), MarkCell(options, event.approved).GetString(),
                             EscapeHtml(event.fund).GetString(), FormatHoursMinutes(event.length).GetString());
            if (event.approved) plus += event.length;
        }
    }
    if (personId != 0) out += SummaryRow(plus, minus);
}
