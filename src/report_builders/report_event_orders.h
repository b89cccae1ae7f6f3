#pragma once
// The orders in which the report wizard hands its events to the builders: by entity, the feed
// order and the day order. Each is a strict order for a stable sort; two starts on the same
// calendar day count as equal in the day part of the feed and day orders.
#include <vector>

class CReportEvent;
class CScheduleData;

// By entity id, then by start.
bool LessEventByEntity(const CReportEvent& a, const CReportEvent& b);
// By start across days; within a day by kind (1 and 2 equal), absences by category, then by
// entity id.
bool LessEventFeedOrder(const CReportEvent& a, const CReportEvent& b);
// By start across days; within a day by kind (1 and 2 equal), whole-day absences first, then by
// the start's hour slot, then in feed order.
struct LessEventDayOrder {
    explicit LessEventDayOrder(const CScheduleData& data) : m_data(data) {}
    bool operator()(const CReportEvent& a, const CReportEvent& b) const;
    const CScheduleData& m_data;
};

void SortEventsByEntity(std::vector<CReportEvent>& events);
void SortEventsForFeed(std::vector<CReportEvent>& events);
void SortEventsByDay(const CScheduleData& data, std::vector<CReportEvent>& events);
