#pragma once
// The plan check after an edit that listed problems of its own: they stay listed, and the
// message panel shows every kind of problem for this check whatever the Filter setting is.
class CScheduleData;

// Runs the plan check without emptying the problem list; while the list holds problems the
// application's Filter setting is 15 for the check and comes back afterwards.
void RecheckKeepingProblems(CScheduleData& data);
