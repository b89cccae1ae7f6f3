#include "frame/page_report_request.h"

#include "model/schedule_data.h"

void RequestPageReport(CScheduleData& data, int viewType) {
    data.m_nViewType = viewType;
    data.Host().BroadcastUpdate(6);
}

void RequestPageReport(CScheduleData& data, int viewType, const std::vector<int>& entityIds) {
    data.m_arrReportIds = entityIds;
    RequestPageReport(data, viewType);
}
