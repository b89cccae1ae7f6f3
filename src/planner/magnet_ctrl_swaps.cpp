// Swaps of the magnet board: the swap marks of a drag, direct exchanges, three-way rotations
// through the swap chooser and its preview. The rules are the timetable's (timetable/swap_rules),
// asked with a plan index built once per press, so that marking a row costs what the entries
// near its magnets cost rather than the whole timetable per pair of magnets.
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/app_document.h"
#include "model/model_host.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/slot_text.h"
#include "timetable/swap_rules.h"

SwapChooserFn CMagnetCtrl::s_swapChooser;

namespace {

CSwapPiece PieceOf(const CMagnetItem& magnet) {
    CSwapPiece piece;
    piece.m_nEntry = magnet.m_nEntry;
    piece.m_bGroupItem = magnet.m_bGroupItem;
    piece.m_nActivity = magnet.m_nActivity;
    piece.m_nGroup = magnet.m_nGroup;
    piece.m_nState = magnet.m_nState;
    piece.m_dtStart = magnet.m_dtEntryStart;
    piece.m_tsLength = magnet.m_tsEntryLength;
    return piece;
}

// The row's last magnet of the entry; null for none.
CMagnetItem* FindByEntry(CMagnetRow& row, std::uint64_t entry) {
    CMagnetItem* found = nullptr;
    for (CMagnetItem& magnet : row.m_arrMagnets)
        if (magnet.m_nEntry == entry) found = &magnet;
    return found;
}

}  // namespace

std::vector<COleDateTime> CMagnetCtrl::CollectRowFreeHours(const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data) return {};
    const auto entity = data->FindEntity(m_nCurrentRowId);
    if (entity == data->m_arrEntities.end()) return {};
    // Only hours of the plan's days: the entity's day slots reach past them.
    std::vector<COleDateTime> hours = CollectFreeHours(*data, *entity, index);
    std::erase_if(hours, [this](const COleDateTime& t) { return !m_firstPane.GetTitle().HasDay(t); });
    return hours;
}

std::vector<CSwapPiece> CMagnetCtrl::RowPieces(const CPlanIndex* index) const {
    std::vector<CSwapPiece> pieces;
    const CScheduleData* data = GetAppDocument();
    const int row = FindRow(m_nCurrentRowId);
    if (!data || row == kNone) return pieces;
    for (const CMagnetItem& magnet : m_arrRows[row].m_arrMagnets) {
        pieces.push_back(PieceOf(magnet));
        // Worked out once: every mark and rotation asks for it.
        if (index) pieces.back().m_latestEnd = SwapLatestEnd(*data, pieces.back(), index);
    }
    return pieces;
}

void CMagnetCtrl::MarkSwapTargets() {
    CScheduleData* data = GetAppDocument();
    CMagnetRow* row = GetRow(m_nCurrentRowId);
    if (!data || !row) return;
    CopySelectionToDrag();
    IModelHost& host = data->Host();
    IProgress& bar = host.ShowProgress(LoadResString(IDS_SWAP_MARKS_PROGRESS));
    bar.SetRange(0, static_cast<int>(row->m_arrMagnets.size()));
    bar.SetPos(0);
    bar.SetStep(1);
    host.BeginWaitCursor();

    const CPlanIndex index(*data);
    const std::vector<COleDateTime> freeHours = CollectRowFreeHours(&index);
    const std::vector<CSwapPiece> pieces = RowPieces(&index);
    std::optional<CSwapPiece> dragged;
    // A group magnet's release always moves it, so its drag offers no swaps.
    if (!m_arrDragItems.empty() && !m_arrDragItems.front().m_bGroupItem) {
        dragged = PieceOf(m_arrDragItems.front());
        dragged->m_latestEnd = SwapLatestEnd(*data, *dragged, &index);
    }
    for (std::size_t i = 0; i < row->m_arrMagnets.size(); ++i) {
        CMagnetItem& magnet = row->m_arrMagnets[i];
        // No mark of an earlier drag stays behind.
        magnet.m_nSwapMark = 0;
        if (dragged && !magnet.m_bSelected && magnet.m_nState != 0)
            magnet.m_nSwapMark = MarkOf(pieces[i], *dragged, pieces, freeHours, &index);
        bar.StepIt();
    }

    host.HideProgress();
    host.EndWaitCursor();
}

int CMagnetCtrl::GetSwapMark(const CMagnetItem* m, const CMagnetItem* d, const std::vector<COleDateTime>& freeHours,
                             const CPlanIndex* index) const {
    if (!m || !d) return 0;
    return MarkOf(PieceOf(*m), PieceOf(*d), RowPieces(nullptr), freeHours, index);
}

int CMagnetCtrl::GetIndirectSwapMark(const CMagnetItem& m, const CMagnetItem& d,
                                     const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    return IndirectMark(PieceOf(m), PieceOf(d), RowPieces(nullptr), freeHours, index);
}

int CMagnetCtrl::MarkOf(const CSwapPiece& m, const CSwapPiece& d, const std::vector<CSwapPiece>& row,
                        const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int mark = DirectSwapMark(*data, m, d, index);
    return mark == kSwapNeedsThirdPlace ? IndirectMark(m, d, row, freeHours, index) : mark;
}

int CMagnetCtrl::IndirectMark(const CSwapPiece& m, const CSwapPiece& d, const std::vector<CSwapPiece>& row,
                              const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || m.m_nEntry == d.m_nEntry) return 0;
    if (!MayRotate(*data, m, d, SwapEndTest::kStrict, index)) return 0;
    const COleDateTime latestD = SwapLatestEnd(*data, d, index);
    for (const CSwapPiece& p : row) {
        if (p.m_nEntry == m.m_nEntry || p.m_nEntry == d.m_nEntry || StaysOutOfSwaps(p.m_nState)) continue;
        if (CanRotate(*data, m, d, p, latestD, SwapEndTest::kStrict, index)) return kSwapIndirect;
    }
    for (const COleDateTime& t : freeHours)
        if (FreeHourTakes(*data, m, d, t, index)) return kSwapIndirect;
    return kSwapNotFound;
}

int CMagnetCtrl::ItemAtDragPoint() const {
    const int row = FindRow(m_nCurrentRowId);
    if (row == kNone) return kNone;
    const int item = m_arrRows[row].ItemAt(m_ptDrag.x, m_ptDrag.y + m_nVerticalOffset, 0);
    return item < 0 ? kNone : item;
}

void CMagnetCtrl::SwapStarts(int a, int b) {
    CMagnetRow* row = GetRow(m_nCurrentRowId);
    if (!row) return;
    const int count = static_cast<int>(row->m_arrMagnets.size());
    if (a < 0 || b < 0 || a >= count || b >= count) return;
    CMagnetItem& first = row->m_arrMagnets[a];
    CMagnetItem& second = row->m_arrMagnets[b];
    const COleDateTime firstStart = first.m_dtEntryStart;
    first.SetStartHour(second.m_dtEntryStart);
    second.SetStartHour(firstStart);
}

bool CMagnetCtrl::ChooseSwap(int target, int dragged) {
    CScheduleData* data = GetAppDocument();
    CMagnetRow* row = GetRow(m_nCurrentRowId);
    if (!data || !row) return false;
    const int count = static_cast<int>(row->m_arrMagnets.size());
    if (target < 0 || dragged < 0 || target >= count || dragged >= count || target == dragged) return false;
    const auto entity = data->FindEntity(m_nCurrentRowId);
    if (entity == data->m_arrEntities.end()) return false;
    // Copies: the magnets are found again by their entries once the chooser has closed.
    const CMagnetItem m = row->m_arrMagnets[target], d = row->m_arrMagnets[dragged];
    const CPlanIndex index(*data);
    const std::vector<CSwapPiece> pieces = RowPieces(&index);
    const CSwapPiece& x = pieces[target];
    const CSwapPiece& w = pieces[dragged];
    if (!MayRotate(*data, x, w, SwapEndTest::kStrict, &index)) return false;

    const COleDateTime latestD = SwapLatestEnd(*data, w, &index);
    std::vector<CSwapCandidate> candidates;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const CSwapPiece& p = pieces[i];
        if (p.m_nEntry == x.m_nEntry || p.m_nEntry == w.m_nEntry || StaysOutOfSwaps(p.m_nState)) continue;
        if (!m_firstPane.GetTitle().HasDay(p.m_dtStart)) continue;
        if (CanRotate(*data, x, w, p, latestD, SwapEndTest::kStrict, &index))
            candidates.push_back({p.m_nEntry, row->m_arrMagnets[i].FormatTitle(*data)});
    }
    std::vector<CSwapFreeSlot> freeSlots;
    for (const COleDateTime& t : CollectRowFreeHours(&index))
        if (FreeHourTakes(*data, x, w, t, &index))
            freeSlots.push_back({t, FormatFreeTimeText(CItemTime(t, d.m_tsEntryLength, 0, 0))});
    if ((candidates.empty() && freeSlots.empty()) || !s_swapChooser) return false;

    m_nSwapTarget = target;
    m_nThirdMagnet = kNone;
    m_nDraggedMagnet = dragged;
    SetBodyToolTips(0);
    const CSwapChoice choice = s_swapChooser(*this, candidates, freeSlots);
    m_bSwapPreview = 0;
    SetBodyToolTips(1);

    row = GetRow(m_nCurrentRowId);
    CMagnetItem* mi = row ? FindByEntry(*row, m.m_nEntry) : nullptr;
    CMagnetItem* di = row ? FindByEntry(*row, d.m_nEntry) : nullptr;
    if (!choice.m_bOk || !mi || !di) return false;
    const COleDateTime mStart = mi->m_dtEntryStart, dStart = di->m_dtEntryStart;
    if (choice.m_bCandidate) {
        CMagnetItem* pi = FindByEntry(*row, choice.m_nEntry);
        if (!pi) return false;
        di->SetStartHour(mStart);
        mi->SetStartHour(pi->m_dtEntryStart);
        pi->SetStartHour(dStart);
        return true;
    }
    if (choice.m_dtFreeTime.GetStatus() != COleDateTime::valid ||
        CompareTimesApprox(choice.m_dtFreeTime, COleDateTime(2000, 1, 1, 0, 0, 0)) == 0)
        return false;
    di->SetStartHour(mStart);
    mi->SetStartHour(choice.m_dtFreeTime);
    return true;
}

CString CMagnetCtrl::FormatFreeTimeText(const CItemTime& block) const {
    const CScheduleData* data = GetAppDocument();
    return data ? FormatSlotText(*data, block) : CString();
}

// The chooser's preview --------------------------------------------------------------------------------

void CMagnetCtrl::SetBodyToolTips(int on) {
    for (int i = 0; i < 2; ++i) {
        CMagnetCtrlBody& body = GetPane(i).GetBody();
        body.m_bToolTips = on;
        if (!on && body.GetToolTip().GetSafeHwnd()) body.GetToolTip().HideNow();
    }
}

LRESULT CMagnetCtrl::OnShowSwapPreview(WPARAM, LPARAM) {
    m_bSwapPreview = 1;
    RepaintBodiesAndHeader();
    SetBodyToolTips(0);
    return 0;
}

LRESULT CMagnetCtrl::OnHideSwapPreview(WPARAM, LPARAM) {
    m_bSwapPreview = 0;
    RepaintBodiesAndHeader();
    SetBodyToolTips(1);
    return 0;
}

LRESULT CMagnetCtrl::OnSetSwapCandidate(WPARAM wParam, LPARAM lParam) {
    m_nThirdMagnet = kNone;
    if (lParam != 0) {
        if (wParam) m_dtPreviewFreeTime = *reinterpret_cast<const COleDateTime*>(wParam);
        return 0;
    }
    const int row = FindRow(m_nCurrentRowId);
    if (row == kNone) return 0;
    const auto& magnets = m_arrRows[row].m_arrMagnets;
    for (std::size_t i = 0; i < magnets.size(); ++i)
        if (magnets[i].m_nEntry == static_cast<std::uint64_t>(wParam)) m_nThirdMagnet = static_cast<int>(i);
    return 0;
}

bool CMagnetCtrl::GetSwapPreviewPoints(CPoint& target, CPoint& choice, CPoint& dragged) const {
    const int index = FindRow(m_nCurrentRowId);
    if (index == kNone) return false;
    const CMagnetRow& row = m_arrRows[index];
    const int count = static_cast<int>(row.m_arrMagnets.size());
    const auto valid = [count](int i) { return i >= 0 && i < count; };
    if (!valid(m_nSwapTarget) || !valid(m_nDraggedMagnet)) return false;
    target = row.m_arrMagnets[m_nSwapTarget].m_rect.CenterPoint();
    dragged = row.m_arrMagnets[m_nDraggedMagnet].m_rect.CenterPoint();
    choice = valid(m_nThirdMagnet) ? row.m_arrMagnets[m_nThirdMagnet].m_rect.CenterPoint()
                                   : GetFreeTimePoint(m_dtPreviewFreeTime);
    return true;
}

CPoint CMagnetCtrl::GetFreeTimePoint(const COleDateTime& time) const {
    const int index = FindRow(m_nCurrentRowId);
    if (index == kNone) return CPoint(0, 0);
    const CRect& rect = m_arrRows[index].m_rect;
    int left = 0, right = 0;
    m_firstPane.GetTitle().TimeSpanToX(time, COleDateTimeSpan(0, 0, 5, 0), left, right);
    return CPoint(left, (rect.top + rect.bottom) / 2);
}
