#pragma once
// The cost terms and feasibility tests that judge a placement written into the live entries.
// Each term is 0 when nothing is charged and is scaled by the weight its caller passes. The terms
// that read the entities' item lists take them at their entries' current times.
class CCategorySpans;
class CEntity;
class CPlanIndex;
class CScheduleData;
class CSolverWork;
class CTimetableEntry;
class CUnderplannedActivity;
class CGroupHourLimit;

// Gives every entity's items its entries' current times and sorts the lists again, as the gap
// and day sums expect them.
void RefreshEntityItems(CScheduleData& data);

// The entities' overlap costs (CEntity::GetOverlapCost); unavailable entities add nothing.
double CostEntityOverlaps(double weight, const CScheduleData& data);
// The minutes of the underplanned activities sharing a member that no free hour of the plan
// days can take any more.
double CostUnplaceableTime(const CScheduleData& data, const CSolverWork& work, double weight,
                           const CPlanIndex* index = nullptr);
// The minutes of group hours beyond each limit's required time.
double CostGroupHoursOverLimit(const CScheduleData& data, const CSolverWork& work, double weight);
// The same for one limit.
double CostGroupHoursOverLimitOf(const CScheduleData& data, const CGroupHourLimit& limit, double weight);
// Idle gaps of staff beyond their allowed windows and days beyond their DAYS.
double CostEntityHours(const CScheduleData& data, double weight);
// The same for one entity (0 but for staff).
double CostEntityHoursOf(const CScheduleData& data, const CEntity& entity, double weight);
// The same with the entity's activity time already summed (CEntity::SumActivityTime), for a
// caller that asks again and again while only the entries move.
double CostEntityHoursOf(const CScheduleData& data, const CEntity& entity, double weight,
                         const CCategorySpans& planned);

// The same for one underplanned activity, whatever its shares.
double CostUnplaceableTimeOf(const CScheduleData& data, const CUnderplannedActivity& activity, double weight,
                             const CPlanIndex* index = nullptr);
// Whether an underplanned activity sharing a member is left with more than 5 minutes that no
// free hour can take.
bool HasUnplaceableTime(const CScheduleData& data, const CSolverWork& work, const CPlanIndex* index = nullptr);
// With the rule switch on: whether the candidate's activity has fewer live entries on the
// candidate's day than its DISPERSION (0: no limit).
bool IsWithinDailyLimit(const CScheduleData& data, const CTimetableEntry& candidate,
                        const CPlanIndex* index = nullptr);
