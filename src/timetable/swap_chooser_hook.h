#pragma once
// What the timetable grid and the magnet board hand to the swap chooser and what they get back.
// The chooser dialog lives with the other dialogs, above the grids; the program installs a
// function that runs it (CTimeTableCtrlView::s_swapChooser, CMagnetCtrl::s_swapChooser), and
// tests install a scripted one.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CWnd;

// An item that can rotate with the dropped and the dragged item.
struct CSwapCandidate {
    std::uint64_t m_nEntry = 0;  // the item's source entry (its serial)
    CString m_strTitle;
};

// A free hour of the current entity that the dropped item can move to.
struct CSwapFreeSlot {
    COleDateTime m_dtStart;
    CString m_strText;
};

// How the chooser ended. A free time of 00:00 on 1 January 2000 means none was chosen.
struct CSwapChoice {
    int m_bOk = 0;
    int m_bCandidate = 0;        // a candidate was chosen (else a free time)
    std::uint64_t m_nEntry = 0;  // the chosen candidate's entry
    COleDateTime m_dtFreeTime{2000, 1, 1, 0, 0, 0};
};

// Shows the chooser over the pane, which receives the preview messages while the user moves
// through the lists.
using SwapChooserFn =
    std::function<CSwapChoice(CWnd& pane, const std::vector<CSwapCandidate>&, const std::vector<CSwapFreeSlot>&)>;
