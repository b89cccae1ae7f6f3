// The magnet body's tooltip: during a move of one magnet, what it would meet in the hour under
// the pointer (clashing entries and participants who are not free); otherwise the tip of the
// magnet under the pointer.
#include <vector>

#include "controls/app_document.h"
#include "htmllite/html_tool_tip.h"
#include "model/description_texts.h"
#include "model/participation_rules.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_ctrl_body.h"
#include "planner/magnet_ctrl_view.h"
#include "timetable/entry_tip_sections.h"

namespace {

CString ActivityTitle(const CScheduleData& data, const CActivity& activity, int leftOut) {
    return EscapeHtmlLiteText(FormatActivityTitle(data, activity, leftOut));
}

// The tip of a magnet: a group magnet lists the group's entries in its time that the row's
// entity takes part in; an entry magnet shows its entry, in a dated plan with its remark and
// the time it was moved from.
CString MagnetTip(CScheduleData& data, const CMagnetItem& magnet, int rowEntity) {
    if (magnet.m_bGroupItem) {
        if (data.FindGroup(magnet.m_nGroup) == data.m_arrGroups.end()) return CString();
        CString text;
        for (const CTimetableEntry& entry : data.m_arrEntries) {
            if (!IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), magnet.m_dtEntryStart, magnet.GetEntryEnd()))
                continue;
            const auto activity = data.FindActivity(entry.m_nActivity);
            if (activity == data.m_arrActivities.end() || activity->m_nGroup != magnet.m_nGroup) continue;
            if (TakesPartInGroupEntry(data, *activity, entry, rowEntity))
                text += BuildTimetableEntryTip(data, *activity, true, &entry, true);
        }
        return text;
    }
    const auto activity = data.FindActivity(magnet.m_nActivity);
    const auto entry = data.FindEntryBySerial(magnet.m_nEntry);
    if (activity == data.m_arrActivities.end() || entry == data.m_arrEntries.end()) return CString();
    CString text = BuildTimetableEntryTip(data, *activity, true, &*entry, true);
    if (!data.HasDefaultStartDate()) text += EntryRemarkAndMoveTip(data, *entry, magnet.m_strRemark);
    return text;
}

}  // namespace

BOOL CMagnetCtrlBody::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    if (result) *result = 0;
    if (!nm->pToolInfo || !nm->pParam) return TRUE;
    const CString text = BuildToolTipText(*static_cast<POINT*>(nm->pParam));
    if (!text.IsEmpty()) nm->pToolInfo->m_text = text;
    return TRUE;
}

CString CMagnetCtrlBody::BuildToolTipText(CPoint screen) {
    CScheduleData* data = GetAppDocument();
    CMagnetCtrl* control = GetControl();
    CMagnetCtrlView* pane = GetPane();
    if (!m_bToolTips || !data || !control || !pane) return CString();
    CPoint point = screen;
    ScreenToClient(&point);
    int rowIndex = CMagnetCtrl::kNone;
    const int index = MagnetAt(point, rowIndex);
    if (rowIndex == CMagnetCtrl::kNone) return CString();
    const int dragged = control->FindDraggedInRow();
    if (control->m_nDragMode == CMagnetCtrl::kDragMove && control->m_arrDragItems.size() == 1 &&
        dragged != CMagnetCtrl::kNone)
        return DragTipText(*data, *control, control->GetCurrentRow()->m_arrMagnets[dragged],
                           pane->GetTitle().XToTime(point.x + pane->GetHorizontalOffset()));
    if (index == CMagnetCtrl::kNone) return CString();
    const CMagnetRow& row = control->GetRows()[rowIndex];
    return MagnetTip(*data, row.m_arrMagnets[index], row.m_nEntityId);
}

CString CMagnetCtrlBody::DragTipText(CScheduleData& data, const CMagnetCtrl& control, const CMagnetItem& dragged,
                                     const COleDateTime& hourStart) {
    const COleDateTime hourEnd = hourStart + COleDateTimeSpan(0, 1, 0, 0);
    if (IntervalsOverlap(hourStart, hourEnd, dragged.m_dtEntryStart, dragged.GetEntryEnd())) return CString();
    // The activities the dragged magnet stands for, each with its entry.
    std::vector<std::pair<const CActivity*, const CTimetableEntry*>> moved;
    if (dragged.m_bGroupItem) {
        for (const CActivity& activity : data.m_arrActivities) {
            if (activity.m_nGroup != dragged.m_nGroup) continue;
            const auto entry = data.FindOverlappingEntry(activity.m_nId, dragged.m_dtEntryStart, dragged.GetEntryEnd());
            if (entry != data.m_arrEntries.end()) moved.emplace_back(&activity, &*entry);
        }
    } else {
        const auto activity = data.FindActivity(dragged.m_nActivity);
        const auto entry = data.FindEntryBySerial(dragged.m_nEntry);
        if (activity != data.m_arrActivities.end() && entry != data.m_arrEntries.end())
            moved.emplace_back(&*activity, &*entry);
    }
    CString clashes, participants;
    for (const auto& [activity, entry] : moved) {
        CString ownClashes;
        for (const CItemTime& block : control.m_arrClashBlocks) {
            if (!IntervalsOverlap(block.m_dtStart, block.GetEndTime(), hourStart, hourEnd)) continue;
            const auto other = data.FindActivity(block.m_nDayIndex);
            if (other == data.m_arrActivities.end() || !ActivitiesShareLimitedMember(data, *activity, *other)) continue;
            ownClashes += L"<br>" + ActivityTitle(data, *other, data.m_nCurrentEntity) + TipImage(2);
        }
        const CString notFree = ParticipantsNotFree(data, *entry, hourStart, hourEnd);
        const CString heading = GroupActivityTipHeading(ActivityTitle(data, *activity, control.GetCurrentRowId()));
        if (!ownClashes.IsEmpty()) clashes += heading + ownClashes;
        if (!notFree.IsEmpty()) participants += heading + notFree;
    }
    return ComposeDragTip(clashes, participants);
}
