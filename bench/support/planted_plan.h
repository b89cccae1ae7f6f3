#pragma once
// Dated plans with a planted timetable that has no double booking, for the solver benchmarks:
// C classes (type 0) and C teachers (type 1) over D days of 9 hours from 07:00; class c has
// teacher (c + day + hour) mod C in every hour. Every entry is fixed; unplacing some leaves a
// problem whose planted answer places them all without a conflict.
#include <cstddef>

class CScheduleData;

void GeneratePlantedPlan(CScheduleData& data, int classes, int days);
// Unplaces k lesson entries spread over the plan (every lesson entry for k < 0): they lose their
// start and become movable; every other entry is fixed. Gives how many were unplaced.
int UnplaceLessonEntries(CScheduleData& data, int k);
