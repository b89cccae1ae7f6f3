// Stretching a magnet's end: the latest end its entry may reach and the relative stretch.
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"

void CMagnetCtrl::ComputeLatestEnd() {
    m_tLatestEnd = MakeTimeOfDay(23, 59);
    const CScheduleData* data = GetAppDocument();
    if (m_arrDragItems.empty() || !data) return;
    const auto entry = data->FindEntryBySerial(m_arrDragItems.front().m_nEntry);
    if (entry == data->m_arrEntries.end()) return;
    const COleDateTime latest = data->GetLatestEndTime(&*entry, entry->m_dtStart + entry->m_tsLength);
    m_tLatestEnd = MakeTimeOfDay(latest.GetHour(), latest.GetMinute());
}

__time64_t CMagnetCtrl::ClampToLatestEnd(__time64_t timeOfDay) const {
    return CompareTime64Approx(timeOfDay, m_tLatestEnd) > 0 ? m_tLatestEnd : timeOfDay;
}

void CMagnetCtrl::ResizeSelectionBy(__time64_t oldTime, __time64_t newTime) {
    const COleDateTimeSpan span(0, 0, static_cast<int>((newTime - oldTime) / 60), 0);
    const auto resize = [&span](CMagnetItem& magnet) { magnet.SetEnd(magnet.GetEntryEnd() + span, 60); };
    if (CMagnetRow* row = GetCurrentRow())
        for (CMagnetItem& magnet : row->m_arrMagnets)
            if (magnet.m_bSelected) resize(magnet);
    for (CMagnetItem& magnet : m_arrDragItems) resize(magnet);
}
