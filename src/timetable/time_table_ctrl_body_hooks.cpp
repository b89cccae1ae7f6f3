// Where swaps and the drag feedback join the body's press, drag and release: a press on an
// item's move grip marks the items it can swap with and builds the times its activity clashes
// with; the first move shows the blocked times; a release over another item swaps.
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

void CTimeTableCtrlBody::PrepareMoveFeedback(CTimeTableCtrlView& pane, int item) {
    pane.ComputeSwapMarks();
    const CTimeTableItem& pressed = pane.m_arrItems[item];
    if (pressed.m_bGroupItem)
        pane.BuildGroupClashBlocks(pressed, pressed.m_nGroup);
    else
        pane.BuildClashBlocks(pressed.m_nActivity, pressed.m_nSource, 0);
}

void CTimeTableCtrlBody::BeginMoveFeedback(CTimeTableCtrlView& pane) {
    const CTimeTableItem* current = pane.GetCurrentItem();
    if (!current) return;
    pane.ClearBlockedTimes();
    if (current->m_bGroupItem) {
        pane.PrepareGroupItemFeedback(*current, current->m_nGroup);
        return;
    }
    if (m_pTitle) m_pTitle->ComputeFreeTime(current->m_nActivity, m_nPaneIndex);
    pane.BuildBlockedTimes(current->m_nActivity);
}

int CTimeTableCtrlBody::SwapOnRelease(CTimeTableCtrlView& pane, int target, int moved) {
    CTimeTableItem* other = &pane.m_arrItems[target];
    CTimeTableItem* current = &pane.m_arrItems[moved];
    switch (other->m_nSwapMark) {
    case 17:
        pane.SwapStarts(other, current);
        return 1;
    case 18:
        // A cancelled chooser changes nothing, so the page has nothing to write back.
        pane.ChooseSwap(other, current);
        return pane.m_bSwapApplied;
    default:
        return 0;
    }
}
