#include "report_builders/report_event_collection.h"

#include <algorithm>
#include <cmath>

#include "model/description_texts.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_event.h"
#include "report_builders/report_event_filter.h"
#include "resource_ids.h"

namespace {

// A date as whole minutes since the epoch of OLE dates; 0 for an invalid one.
long long MinuteOf(const COleDateTime& t) {
    return t.GetStatus() == COleDateTime::valid ? std::llround(t.m_dt * 1440.0) : 0;
}

// The fields every event of an entry shares.
CReportEvent EntryEvent(const CScheduleData& data, const CPlanIndex& index, const CTimetableEntry& entry,
                        const CActivity& activity, int kind, int entityId) {
    CReportEvent event;
    event.kind = kind;
    event.entityId = entityId;
    event.hasGroup = activity.m_nGroup != 0 ? 1 : 0;
    entry.GetParticipantsByType(data, event.participants, 0);
    event.start = entry.m_dtStart;
    event.length = entry.m_tsLength;
    CActivity copy = activity;  // the text sorts the members of the activity it is given
    event.text = FormatActivityWithMembers(data, copy);
    event.rooms = BuildEntryRoomsText(data, entry, entityId, false, &index);
    event.dayTitle = data.FormatDayTitle(data.GetDayIndex(entry.m_dtStart));
    event.identity.Format(L"entry %d %d %lld", kind, activity.m_nId, MinuteOf(entry.m_dtUnmovedStart));
    return event;
}

void CollectEntryEvents(const CScheduleData& data, const CPlanIndex& index, const CTimetableEntry& entry,
                        std::vector<CReportEvent>& events) {
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    for (const CReplacement& record : entry.m_arrReplacements) {
        const bool extending = record.m_bExtending && IsEntityBusyDuring(data, index, record.m_nEntity, entry);
        CReportEvent event = EntryEvent(data, index, entry, *activity,
                                        extending ? CReportEvent::kExtendingReplacement : CReportEvent::kReplacement,
                                        record.m_nEntity);
        event.secondEntityId = record.m_nReplacing;
        event.identity.AppendFormat(L" stand-in %d for %d", record.m_nEntity, record.m_nReplacing);
        event.paid = record.m_bPaid;
        event.fund = record.m_strFund;
        event.remark = record.m_strRemark;
        event.whenText = entry.FormatLessonSpan(data, 60);
        events.push_back(std::move(event));
    }
    if (entry.IsLinkedState(data)) {
        CReportEvent event = EntryEvent(data, index, entry, *activity, CReportEvent::kLinked, 0);
        event.whenText = entry.FormatWhenText(data, 0, 0);
        events.push_back(std::move(event));
    }
    if (CompareTimesApprox(entry.m_dtUnmovedStart, entry.m_dtStart) != 0) {
        const COleDateTime& original = entry.m_dtUnmovedStart;
        const bool placedBefore = !(original.GetStatus() == COleDateTime::valid && original.GetYear() == 1970);
        CReportEvent event =
            EntryEvent(data, index, entry, *activity, placedBefore ? CReportEvent::kMoved : CReportEvent::kNewlyPlaced, 0);
        event.originalStart = original;
        event.whenText = entry.FormatWhenText(data, 0, 0);
        events.push_back(std::move(event));
    }
}

CReportEvent AbsenceEvent(const CScheduleData& data, const CEntity& entity, const CAbsence& absence) {
    CReportEvent event;
    event.kind = CReportEvent::kAbsence;
    event.entityId = entity.m_nId;
    event.paid = absence.m_bPaid;
    event.allDay = absence.m_bWholeDay;
    event.approved = absence.m_bApproved;
    event.start = absence.m_dtStart;
    event.length = absence.m_tsLength;
    event.identity.Format(L"absence %d", entity.m_nId);
    event.reason = absence.m_strReason;
    event.category = absence.m_strCategory;
    event.remark = absence.m_strRemark;
    event.fund = absence.m_strFund;
    const int day = data.GetDayIndex(absence.m_dtStart);
    event.dayTitle = data.FormatDayTitle(day);
    if (absence.m_bWholeDay) {
        event.text = LoadResString(IDS_EVENT_WHOLE_DAY);
    } else {
        const __time64_t from = event.GetStartTimeOfDay(), to = event.GetEndTimeOfDay();
        if (from != CReportEvent::kNoTime && to != CReportEvent::kNoTime)
            event.text = CTimetableEntry(data, day, from, to).FormatLessonSpan(data, 60);
    }
    return event;
}

bool HasCheckedParticipant(const CReportEvent& event, const CReportFilter& filter) {
    return std::any_of(event.participants.begin(), event.participants.end(),
                       [&filter](int id) { return filter.PassesEntityFilter(id); });
}

bool PassesFilter(const CReportEvent& event, const CReportFilter& filter) {
    switch (event.kind) {
    case CReportEvent::kAbsence:
        return filter.PassesEntityFilter(event.entityId) && filter.PassesCategoryFilter(event.category) &&
               filter.PassesFundFilter(event.fund);
    case CReportEvent::kReplacement:
    case CReportEvent::kExtendingReplacement:
        if (!filter.PassesFundFilter(event.fund)) return false;
        [[fallthrough]];
    default:
        // With every entity checked an entry passes even when no class takes part in it.
        return filter.allEntities != 0 || HasCheckedParticipant(event, filter);
    }
}

}  // namespace

bool IsEntityBusyDuring(const CScheduleData& data, const CPlanIndex& index, int entityId, const CTimetableEntry& entry) {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return false;
    const COleDateTime start = entry.m_dtStart, end = entry.GetEndTime();
    CPlanIndex::Positions near;
    index.GetEntriesNear(start, end, near);
    for (std::size_t position : near) {
        const CTimetableEntry& other = data.m_arrEntries[position];
        if (other.m_bLinked || other.m_nActivity == entry.m_nActivity) continue;
        if (IntervalsOverlap(other.m_dtStart, other.GetEndTime(), start, end) && index.TakesPartIn(*entity, other))
            return true;
    }
    return false;
}

void CollectReportEvents(const CScheduleData& data, std::vector<CReportEvent>& events) {
    const CPlanIndex index(data);
    for (const CTimetableEntry& entry : data.m_arrEntries) CollectEntryEvents(data, index, entry, events);
    for (const CEntity& entity : data.m_arrEntities)
        for (const CAbsence& absence : entity.m_arrAbsences) events.push_back(AbsenceEvent(data, entity, absence));
}

void FilterReportEvents(const CScheduleData& data, const std::vector<int>& dayFlags, const CReportFilter& filter,
                        std::vector<CReportEvent>& events) {
    const int days = std::min<int>(data.m_nDays, static_cast<int>(dayFlags.size()));
    std::erase_if(events, [&](const CReportEvent& event) {
        const int day = data.GetDayIndex(event.start);
        if (day < 0 || day >= days || dayFlags[static_cast<std::size_t>(day)] == 0) return true;
        return filter.filterOn != 0 && !PassesFilter(event, filter);
    });
}
