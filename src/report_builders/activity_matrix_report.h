#pragma once
// The activity matrix: a row per activity name, a column per selected entity, and in each cell
// the planned time of those activities the entity takes part in, with its partners.
#include "platform/core/cstring.h"

class CScheduleData;
struct CReportOptions;

void BuildActivityMatrixReport(const CScheduleData& data, const CReportOptions& options, CString& out);
