// Swaps of a timetable pane: the swap marks of a press on an item, the three-way rotations, the
// swap chooser and its preview.
//
// The rules look at the document entries that share time with two or three spans. They ask a
// plan index built once per press for the entries near a slot and for an activity's entries, so
// the marks of a press cost what the items near each other cost, not the whole timetable per
// pair of items.
#include <algorithm>

#include "controls/app_document.h"
#include "model/description_texts.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/slot_text.h"
#include "timetable/swap_rules.h"
#include "timetable/time_table_ctrl_view.h"

SwapChooserFn CTimeTableCtrlView::s_swapChooser;

namespace {

CSwapPiece PieceOf(const CTimeTableItem& item) {
    CSwapPiece piece;
    piece.m_nEntry = item.m_bGroupItem ? 0 : item.m_nSource;
    piece.m_bGroupItem = item.m_bGroupItem;
    piece.m_nActivity = item.m_nActivity;
    piece.m_nGroup = item.m_nGroup;
    piece.m_nState = item.m_nState;
    piece.m_dtStart = item.m_dtStart;
    piece.m_tsLength = item.m_tsLength;
    return piece;
}

}  // namespace

std::vector<COleDateTime> CTimeTableCtrlView::CollectFreeHours(const CScheduleData& data,
                                                               const CPlanIndex* index) const {
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return {};
    return ::CollectFreeHours(data, *entity, index);
}

void CTimeTableCtrlView::ComputeSwapMarks() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    IModelHost& host = data->Host();
    IProgress& bar = host.ShowProgress(LoadResString(IDS_SWAP_MARKS_PROGRESS));
    // The full count: a plan may hold more items than a 16-bit range takes.
    bar.SetRange(0, static_cast<int>(m_arrItems.size()));
    bar.SetPos(0);
    bar.SetStep(1);
    host.BeginWaitCursor();

    const CPlanIndex index(*data);
    const std::vector<COleDateTime> freeHours = CollectFreeHours(*data, &index);
    const CTimeTableItem* current = GetCurrentItem();
    for (CTimeTableItem& item : m_arrItems) {
        // A selected item moves with the current one, so it offers no swap, whatever it offered before.
        item.m_nSwapMark = 0;
        if (!item.m_bSelected && item.m_nState != 0) item.m_nSwapMark = GetSwapMark(&item, current, freeHours, &index);
        bar.StepIt();
    }

    host.HideProgress();
    host.EndWaitCursor();
}

void CTimeTableCtrlView::ClearSwapMarks() {
    for (CTimeTableItem& item : m_arrItems) item.m_nSwapMark = 0;
}

int CTimeTableCtrlView::GetSwapMark(const CTimeTableItem* x, const CTimeTableItem* w,
                                    const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || !x || !w) return 0;
    const int mark = DirectSwapMark(*data, PieceOf(*x), PieceOf(*w), index);
    return mark == kSwapNeedsThirdPlace ? FindThreeWaySwap(x, w, freeHours, index) : mark;
}

bool CTimeTableCtrlView::CanRotate(const CScheduleData& data, const CTimeTableItem& x, const CTimeTableItem& w,
                                   const CTimeTableItem& p, const COleDateTime& latestW,
                                   const CPlanIndex* index) const {
    return ::CanRotate(data, PieceOf(x), PieceOf(w), PieceOf(p), latestW, SwapEndTest::kApprox, index);
}

int CTimeTableCtrlView::FindThreeWaySwap(const CTimeTableItem* x, const CTimeTableItem* w,
                                         const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || !x || !w || x == w) return 0;
    if (!MayRotate(*data, PieceOf(*x), PieceOf(*w), SwapEndTest::kApprox, index)) return 0;

    const COleDateTime latestW = SwapLatestEnd(*data, PieceOf(*w), index);
    for (const CTimeTableItem& p : m_arrItems) {
        if (&p == x || &p == w || StaysOutOfSwaps(p.m_nState)) continue;
        if (CanRotate(*data, *x, *w, p, latestW, index)) return kSwapIndirect;
    }
    for (const COleDateTime& t : freeHours)
        if (FreeHourTakes(*data, PieceOf(*x), PieceOf(*w), t, index)) return kSwapIndirect;
    return 0;
}

void CTimeTableCtrlView::SwapStarts(CTimeTableItem* a, CTimeTableItem* b) {
    if (a && b) std::swap(a->m_dtStart, b->m_dtStart);
}

int CTimeTableCtrlView::ChooseSwap(CTimeTableItem* x, CTimeTableItem* w) {
    m_bSwapApplied = 0;
    CScheduleData* data = GetAppDocument();
    if (!data || !x || !w || x == w) return 0;
    const CPlanIndex index(*data);
    if (!MayRotate(*data, PieceOf(*x), PieceOf(*w), SwapEndTest::kApprox, &index)) return 0;

    const COleDateTime latestW = SwapLatestEnd(*data, PieceOf(*w), &index);
    std::vector<CSwapCandidate> candidates;
    for (const CTimeTableItem& p : m_arrItems) {
        if (&p == x || &p == w || StaysOutOfSwaps(p.m_nState)) continue;
        if (CanRotate(*data, *x, *w, p, latestW, &index)) candidates.push_back({p.m_nSource, p.m_strTitle});
    }
    std::vector<CSwapFreeSlot> freeSlots;
    for (const COleDateTime& t : CollectFreeHours(*data, &index))
        if (FreeHourTakes(*data, PieceOf(*x), PieceOf(*w), t, &index))
            freeSlots.push_back({t, FormatSlotText(*data, CItemTime(t, COleDateTimeSpan(0.0), 0, 0))});
    if ((candidates.empty() && freeSlots.empty()) || !s_swapChooser) return 0;

    m_nSwapTarget = static_cast<int>(x - m_arrItems.data());
    m_nSwapSource = static_cast<int>(w - m_arrItems.data());
    m_body.SetToolTipsOn(0);
    const CSwapChoice choice = s_swapChooser(*this, candidates, freeSlots);

    bool applied = false;
    if (choice.m_bOk && choice.m_bCandidate) {
        CTimeTableItem* chosen = nullptr;
        for (CTimeTableItem& item : m_arrItems)
            if (!item.m_bGroupItem && item.m_nSource == choice.m_nEntry) chosen = &item;
        if (chosen) {
            const COleDateTime xStart = x->m_dtStart, chosenStart = chosen->m_dtStart, wStart = w->m_dtStart;
            w->m_dtStart = xStart;
            x->m_dtStart = chosenStart;
            chosen->m_dtStart = wStart;
            applied = true;
        }
    } else if (choice.m_bOk && CompareTimesApprox(choice.m_dtFreeTime, COleDateTime(2000, 1, 1, 0, 0, 0)) != 0 &&
               choice.m_dtFreeTime.GetStatus() == COleDateTime::valid) {
        const COleDateTime xStart = x->m_dtStart;
        w->m_dtStart = xStart;
        x->m_dtStart = choice.m_dtFreeTime;
        applied = true;
    }
    m_bSwapApplied = applied ? 1 : 0;
    // After an applied choice the tips stay off until the page refills the pane.
    if (!applied) m_body.SetToolTipsOn(1);
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 1;
}

LRESULT CTimeTableCtrlView::OnSwapPreviewOn(WPARAM, LPARAM) {
    m_bSwapPreview = 1;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlView::OnSwapPreviewOff(WPARAM, LPARAM) {
    m_bSwapPreview = 0;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlView::OnSwapChoice(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        m_nSwapChoice = kNone;
        for (std::size_t i = 0; i < m_arrItems.size(); ++i)
            if (!m_arrItems[i].m_bGroupItem && m_arrItems[i].m_nSource == static_cast<std::uint64_t>(wParam))
                m_nSwapChoice = static_cast<int>(i);
    } else {
        m_nSwapChoice = kNone;
        if (wParam) m_dtSwapFreeTime = *reinterpret_cast<const COleDateTime*>(wParam);
    }
    return 0;
}
