// Where swaps and the drag feedback join the body's press, drag and release. Until the pane
// computes swap marks, clash blocks and blocked times, a move shows only its ghosts and a
// release over another item moves nothing.
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

void CTimeTableCtrlBody::PrepareMoveFeedback(CTimeTableCtrlView& pane, int item) { (void)pane, (void)item; }

void CTimeTableCtrlBody::BeginMoveFeedback(CTimeTableCtrlView& pane) {
    const CTimeTableItem* current = pane.GetCurrentItem();
    if (!current || current->m_bGroupItem || !m_pTitle) return;
    m_pTitle->ComputeFreeTime(current->m_nActivity, m_nPaneIndex);
}

int CTimeTableCtrlBody::SwapOnRelease(CTimeTableCtrlView& pane, int target, int moved) {
    (void)pane, (void)target, (void)moved;
    return 0;
}
