#pragma once
// The report events of the open document, and the choice of them by plan day and by the report
// filter, as the report wizard's events page makes them.
#include <vector>

class CPlanIndex;
class CReportEvent;
class CTimetableEntry;
class CReportFilter;
class CScheduleData;

// Appends, for every timetable entry in store order, its stand-ins (kinds 1 and 2), its link
// (kind 4) and its move (kinds 5 and 6); then every absence of every entity (kind 3). The
// document is not changed.
void CollectReportEvents(const CScheduleData& data, std::vector<CReportEvent>& events);
// Keeps the events whose plan day has its flag set (dayFlags holds one flag per plan day) and,
// with the filter on, that pass the filter: entries by their type-0 participants, stand-ins by
// fund, absences by entity, category and fund.
void FilterReportEvents(const CScheduleData& data, const std::vector<int>& dayFlags, const CReportFilter& filter,
                        std::vector<CReportEvent>& events);
// Whether the entity takes part in an unlinked entry of another activity that overlaps the
// entry (CScheduleData::IsEntityBusyDuring), looked up through an index of the unchanged store.
bool IsEntityBusyDuring(const CScheduleData& data, const CPlanIndex& index, int entityId, const CTimetableEntry& entry);
