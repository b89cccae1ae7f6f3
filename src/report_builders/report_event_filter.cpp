#include "report_builders/report_event_filter.h"

#include <algorithm>

bool CReportFilter::PassesEntityFilter(int id) const {
    return allEntities != 0 || std::find(entityIds.begin(), entityIds.end(), id) != entityIds.end();
}

bool CReportFilter::Passes(int all, const std::vector<CString>& checked, const CString& text) {
    if (all != 0) return true;
    if (text.IsEmpty()) return false;
    return std::any_of(checked.begin(), checked.end(), [&text](const CString& item) { return item.Compare(text) == 0; });
}
