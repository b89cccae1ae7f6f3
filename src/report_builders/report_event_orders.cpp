#include "report_builders/report_event_orders.h"

#include <algorithm>

#include "model/time_values.h"
#include "report_builders/report_event.h"

namespace {

// Kinds 1 and 2 sort as one.
int KindRank(int kind) { return kind == CReportEvent::kExtendingReplacement ? CReportEvent::kReplacement : kind; }

}  // namespace

bool LessEventByEntity(const CReportEvent& a, const CReportEvent& b) {
    if (a.entityId != b.entityId) return a.entityId < b.entityId;
    return a.start < b.start;
}

bool LessEventFeedOrder(const CReportEvent& a, const CReportEvent& b) {
    if (!IsSameDay(a.start, b.start)) return a.start < b.start;
    if (KindRank(a.kind) != KindRank(b.kind)) return KindRank(a.kind) < KindRank(b.kind);
    if (a.kind == CReportEvent::kAbsence && b.kind == CReportEvent::kAbsence && a.category.Compare(b.category) != 0)
        return a.category.Compare(b.category) < 0;
    return a.entityId < b.entityId;
}

bool LessEventDayOrder::operator()(const CReportEvent& a, const CReportEvent& b) const {
    if (!IsSameDay(a.start, b.start)) return a.start < b.start;
    if (KindRank(a.kind) != KindRank(b.kind)) return KindRank(a.kind) < KindRank(b.kind);
    if ((a.allDay != 0) != (b.allDay != 0)) return a.allDay != 0;
    const int slotA = a.GetStartHourSlot(m_data), slotB = b.GetStartHourSlot(m_data);
    if (slotA != slotB) return slotA < slotB;
    return LessEventFeedOrder(a, b);
}

void SortEventsByEntity(std::vector<CReportEvent>& events) {
    std::stable_sort(events.begin(), events.end(), LessEventByEntity);
}

void SortEventsForFeed(std::vector<CReportEvent>& events) {
    std::stable_sort(events.begin(), events.end(), LessEventFeedOrder);
}

void SortEventsByDay(const CScheduleData& data, std::vector<CReportEvent>& events) {
    std::stable_sort(events.begin(), events.end(), LessEventDayOrder(data));
}
