#include <vector>

#include "dialogs/install_record_dialogs.h"
#include "dialogs/swap_chooser_dlg.h"
#include "planner/magnet_ctrl.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

// The swap chooser dialog; the receiver previews the highlighted choice.
CSwapChoice RunSwapChooser(CWnd& receiver, CWnd* parent, const std::vector<CSwapCandidate>& candidates,
                           const std::vector<CSwapFreeSlot>& freeSlots) {
    std::vector<CSwapRecord> targets;
    for (const CSwapCandidate& candidate : candidates)
        targets.push_back({candidate.m_strTitle, static_cast<DWORD_PTR>(candidate.m_nEntry)});
    std::vector<CFreeTimeRecord> times;
    for (const CSwapFreeSlot& slot : freeSlots) times.push_back({slot.m_strText, slot.m_dtStart});
    CSwapChooserDlg dialog(&targets, &times, &receiver, parent);
    CSwapChoice choice;
    choice.m_bOk = dialog.DoModal() == IDOK ? 1 : 0;
    choice.m_bCandidate = dialog.m_choseSwap;
    choice.m_nEntry = dialog.m_chosenValue;
    choice.m_dtFreeTime = dialog.m_chosenTime;
    return choice;
}

}  // namespace

void InstallSwapChooser() {
    // Over the timetable pane; the magnet board's chooser has no parent window.
    CTimeTableCtrlView::s_swapChooser = [](CWnd& pane, const std::vector<CSwapCandidate>& candidates,
                                           const std::vector<CSwapFreeSlot>& freeSlots) {
        return RunSwapChooser(pane, &pane, candidates, freeSlots);
    };
    CMagnetCtrl::s_swapChooser = [](CWnd& board, const std::vector<CSwapCandidate>& candidates,
                                    const std::vector<CSwapFreeSlot>& freeSlots) {
        return RunSwapChooser(board, nullptr, candidates, freeSlots);
    };
}
