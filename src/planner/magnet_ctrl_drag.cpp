// A drag inside the board: the pointer followed across the panes of a split board, the status
// text of the hour under it, the title highlight of a move and the end of a resize.
#include <algorithm>

#include "controls/app_document.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"

int CMagnetCtrl::PaneIndexAt(int controlX) const {
    return m_bSplit && controlX > m_nHeaderWidth + m_nSplitPosition ? 1 : 0;
}

int CMagnetCtrl::PaneLocalX(int index, int controlX) const {
    return index == 1 ? controlX - m_nHeaderWidth - m_nSplitPosition - 2 : controlX - m_nHeaderWidth;
}

bool CMagnetCtrl::ContentXAt(CPoint client, int& x) const {
    const int index = PaneIndexAt(client.x);
    const CMagnetCtrlView& pane = index == 0 ? m_firstPane : m_secondPane;
    const int local = PaneLocalX(index, client.x);
    x = local + pane.GetHorizontalOffset();
    CRect rect;
    pane.GetClientRect(&rect);
    return local >= 0 && local < rect.Width() && m_firstPane.GetTitle().ColumnIndexAt(x) >= 0;
}

void CMagnetCtrl::ShowDragTimeStatus(int x) {
    CScheduleData* data = GetAppDocument();
    if (!data || m_firstPane.GetTitle().ColumnIndexAt(x) < 0) return;
    const COleDateTime t = m_firstPane.GetTitle().XToTime(x);
    const CTimetableEntry probe(COleDateTime(t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), 0, 0),
                                COleDateTimeSpan(0, 0, 5, 0));
    data->Host().SetStatusText(probe.FormatWhenText(*data, 0, 0));
}

CPoint CMagnetCtrl::GetDragOrigin(int x) const {
    CPoint origin(99999, 99999);
    for (const CMagnetItem& item : m_arrDragItems) {
        origin.x = std::min(origin.x, static_cast<LONG>(item.m_rect.left - x));
        origin.y = std::min(origin.y, static_cast<LONG>(item.m_rect.top));
    }
    return origin;
}

void CMagnetCtrl::TrackDrag(int x, int y, CMagnetCtrlView& pane) {
    // The body that holds the mouse reports points beyond its own edges: the pane under the
    // pointer is found from the control's client x.
    CPoint client(x, y);
    pane.GetBody().ClientToScreen(&client);
    ScreenToClient(&client);
    const int index = PaneIndexAt(client.x);
    CMagnetCtrlView& pointer = GetPane(index);
    m_pPointerPane = &pointer;
    const int local = &pointer == &pane ? x : PaneLocalX(index, client.x);
    m_ptDrag = CPoint(pointer.GetHorizontalOffset() + local, y);
    ShowDragTimeStatus(m_ptDrag.x);
    if (m_nDragMode == kDragMove) {
        for (int i = 0; i < (m_bSplit ? 2 : 1); ++i)
            if (GetPane(i).GetSafeHwnd()) GetPane(i).GetTitle().SendMessage(WM_MB_HIGHLIGHT, 1, m_ptDrag.x);
        RepaintCurrentRow();
        return;
    }
    if (m_nDragMode != kDragResize) return;
    const __time64_t v = pointer.GetTitle().XToTimeOfDay(m_ptDrag.x);
    CMagnetRow* row = GetCurrentRow();
    if (v >= 0 && row) {
        if (m_bRelativeResize) {
            ResizeSelectionBy(m_tLastPointerTime, v);
            m_tLastPointerTime = v;
        } else if (!m_arrDragItems.empty()) {
            const COleDateTime end(ClampToLatestEnd(v));
            CMagnetItem& first = m_arrDragItems.front();
            first.SetEndTimeOfDay(end);
            for (CMagnetItem& magnet : row->m_arrMagnets)
                if (magnet.m_nEntry == first.m_nEntry) magnet.SetEndTimeOfDay(end);
        }
    }
    SetDragCursor(CMagnetItem::kEdgeResize);
    RepaintCurrentRow();
}
