#pragma once
// The plan check: after every change of the plan the timetable is checked, what is wrong goes
// into the store's problem list, and the pages are refreshed. The checks themselves only work on
// the store; the refresh of the pages is a separate step through the store's host, so the check
// can run (and be measured) without any page.
#include "model/page_content.h"
#include "model/problem.h"
#include "platform/core/win_types.h"

class CScheduleData;
class IProgress;

// Empties the problem list (with clear), runs the timetable check and, for a week template
// whose start is its first weekday, the entity load check, publishes the problems to the
// message panel and refreshes every page.
void RecheckAndRefresh(CScheduleData& data, BOOL clear);

// The full page refresh: builds what the pages show from the store and hands it to the host.
void RefreshAllPages(CScheduleData& data);
// What the full page refresh hands to the pages.
CPageContent BuildPageContent(const CScheduleData& data);

// Removes the entries that lie outside the plan period, settles the check flags and states of
// the others and appends the problems of every activity's entries. sameStart: the plan starts
// on its first weekday (a week template); the time totals and the capacity probe run only then.
// The progress bar, when given, steps once per activity.
void CheckTimetableEntries(CScheduleData& data, IProgress* progress, bool sameStart);

// Appends a problem for every entity whose planned time exceeds its net available time. The
// progress bar, when given, steps once per entity.
void CheckEntityLoad(CScheduleData& data, IProgress* progress);

// The order of the message panel: kinds 13, 15, 12, then the others in their own order; within
// one kind the earlier date first.
bool CompareProblems(const CProblem& a, const CProblem& b);
