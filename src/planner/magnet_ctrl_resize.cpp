// Stretching a magnet's end: the latest end its entry may reach and the end following the pointer.
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"

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

void CMagnetCtrl::TrackResize(int x, CMagnetCtrlView& pane) {
    const __time64_t end = pane.GetTitle().XToTimeOfDay(x);
    CMagnetRow* row = GetCurrentRow();
    if (end < 0 || !row) return;
    if (m_bRelativeResize) {
        ResizeSelectionBy(m_tLastPointerTime, end);
        m_tLastPointerTime = end;
    } else if (!m_arrDragItems.empty()) {
        const COleDateTime time(ClampToLatestEnd(end));
        CMagnetItem& first = m_arrDragItems.front();
        first.SetEndTimeOfDay(time);
        for (CMagnetItem& magnet : row->m_arrMagnets)
            if (magnet.m_nEntry == first.m_nEntry) magnet.SetEndTimeOfDay(time);
    }
    SetDragCursor(CMagnetItem::kEdgeResize);
    for (int i = 0; i < (IsSplit() ? 2 : 1); ++i)
        if (GetPane(i).GetSafeHwnd()) GetPane(i).SendMessage(WM_MB_REPAINT_ROW, static_cast<WPARAM>(m_nCurrentRowId), 0);
}

void CMagnetCtrl::ResizeSelectionBy(__time64_t oldTime, __time64_t newTime) {
    const COleDateTimeSpan span(0, 0, static_cast<int>((newTime - oldTime) / 60), 0);
    const auto resize = [&span](CMagnetItem& magnet) { magnet.SetEnd(magnet.GetEntryEnd() + span, 60); };
    if (CMagnetRow* row = GetCurrentRow())
        for (CMagnetItem& magnet : row->m_arrMagnets)
            if (magnet.m_bSelected) resize(magnet);
    for (CMagnetItem& magnet : m_arrDragItems) resize(magnet);
}
