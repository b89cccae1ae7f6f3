#pragma once
// The balance of extra and missed time of staff members over a date window, gathered from
// several document files: stand-ins add to a person's time, absences that are not approved take
// from it. Each file is read into a store of its own, one at a time; the open document is not
// changed. A file that cannot be read shows its load error and adds nothing.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CReportEvent;
class CReportFilter;
class CScheduleData;
struct CReportOptions;

// The id of the entity of the store with the name and CODE (both compared ignoring case); an
// entity with the name and no CODE when none has both; 0 when there is none.
int FindPersonByNameAndCode(const CScheduleData& store, const CString& name, const CString& code);
// Reads the file into a store of its own and appends the stand-ins and absences of the checked
// persons (the filter's entity ids, in the open document) that it holds, with the persons' ids
// of the open document. False when the file could not be read.
bool CollectMultiDocumentEvents(const CScheduleData& data, const CReportFilter& filter, const CString& path,
                                std::vector<CReportEvent>& events);
// Appends one table per person with the events of every file between from and to that pass the
// filter, and a summary row with the person's balance.
void BuildMultiDocumentReport(const CScheduleData& data, const CReportOptions& options, const CReportFilter& filter,
                              const COleDateTime& from, const COleDateTime& to, const std::vector<CString>& paths,
                              CString& out);
