#pragma once
// The placement analysis reports: where the plan is hard to complete. Each runs the solver's
// placement analysis on the store it is given (the caller passes a copy of the document) and
// writes one list with a bar of stars per row: activity weights (kind 7), entity weights
// (kind 8) or free slots (kind 9).
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

void BuildActivityWeightReport(CScheduleData& data, const CReportOptions& options, CString& out);
void BuildEntityWeightReport(CScheduleData& data, const CReportOptions& options, CString& out);
void BuildFreeSlotReport(CScheduleData& data, const CReportOptions& options, CString& out);
// Stars for value against reference: the whole part of 5 x sqrt(value / reference); none for a
// zero reference or a negative quotient.
CString FormatStarBar(double value, double reference);
// The number of stars FormatStarBar draws.
int CountStars(double value, double reference);
