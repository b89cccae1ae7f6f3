// Drag feedback of a timetable pane (the free time of each day, the blocked times and the
// clash blocks of what is dragged) and the drops it hands to the page.
#include <algorithm>

#include "controls/app_document.h"
#include "model/participation_rules.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/drag_feedback_blocks.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_view_messages.h"

namespace {

bool Overlaps(const CTimetableEntry& entry, const CTimeTableItem& item) {
    return IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), item.m_dtStart, item.GetEndTime());
}

CItemTime ClashBlock(const CScheduleData& data, const CTimetableEntry& entry) {
    return CItemTime(entry.m_dtStart, entry.m_tsLength, entry.GetChimeSetId(data), entry.m_nActivity);
}

// The unlinked entries overlapping the item whose activity belongs to the group and includes
// the entity, with their activities.
template <class Visit>
void ForGroupEntriesUnder(const CScheduleData& data, const CTimeTableItem& item, int groupId, int entityId,
                          Visit visit) {
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.IsLinkedState(data) || !Overlaps(entry, item)) continue;
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end() || activity->m_nGroup != groupId) continue;
        if (activity->HasEntityId(data, entityId)) visit(entry, *activity);
    }
}

// A drop lies inside the plan when it starts no earlier than the plan's start and ends no later
// than its end, exactly.
bool InsidePlan(const CWnd& pane, const COleDateTime& start, const COleDateTimeSpan& length) {
    CWnd* owner = pane.GetOwner() ? pane.GetOwner() : pane.GetParent();
    const auto* control = dynamic_cast<const CTimeTableCtrl*>(owner);
    return control && !(start < control->GetPlanStart()) && !(start + length > control->GetPlanEnd());
}

}  // namespace

void CTimeTableCtrlView::BuildBlockedTimes(int activityId) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto activity = data->FindActivity(activityId);
    if (activity == data->m_arrActivities.end()) return;
    for (const int id : activity->m_arrMembers) {
        const auto member = data->FindEntity(id);
        if (member != data->m_arrEntities.end()) AppendAbsencesAndDaysOff(*data, *member, m_arrBlockedTimes);
    }
}

void CTimeTableCtrlView::ClearBlockedTimes() {
    if (CTimeTableCtrlTitle* title = GetControlTitle())
        for (CTimeTableDayColumn& column : title->GetColumns()) column.ResetFreeOffsets();
    m_arrBlockedTimes.clear();
}

void CTimeTableCtrlView::PrepareDragFeedback(int groupFlag, int id) {
    const CScheduleData* data = GetAppDocument();
    CTimeTableCtrlTitle* title = GetControlTitle();
    if (!data || !title) return;
    auto prepare = [&](int activityId) {
        title->ComputeFreeTime(activityId, GetPaneIndex());
        BuildBlockedTimes(activityId);
    };
    if (!groupFlag) {
        prepare(id);
        return;
    }
    if (data->FindGroup(id) == data->m_arrGroups.end()) return;
    for (const CActivity& activity : data->m_arrActivities)
        if (activity.m_nGroup == id && activity.HasEntityId(*data, m_nEntity)) prepare(activity.m_nId);
}

void CTimeTableCtrlView::PrepareGroupItemFeedback(const CTimeTableItem& item, int groupId) {
    const CScheduleData* data = GetAppDocument();
    CTimeTableCtrlTitle* title = GetControlTitle();
    if (!data || !title) return;
    ForGroupEntriesUnder(*data, item, groupId, m_nEntity, [&](const CTimetableEntry&, const CActivity& activity) {
        title->ComputeFreeTime(activity.m_nId, GetPaneIndex());
        BuildBlockedTimes(activity.m_nId);
    });
}

void CTimeTableCtrlView::BuildClashBlocks(int id, std::uint64_t excludedEntry, int groupFlag) {
    m_arrClashBlocks.clear();
    if (const CScheduleData* data = GetAppDocument()) m_arrClashBlocks = CollectClashBlocks(*data, id, excludedEntry, groupFlag);
}

void CTimeTableCtrlView::BuildGroupClashBlocks(const CTimeTableItem& item, int groupId) {
    m_arrClashBlocks.clear();
    const CScheduleData* data = GetAppDocument();
    if (!data || data->FindGroup(groupId) == data->m_arrGroups.end()) return;
    // The members of every activity of the group that runs under the item, as one activity.
    CActivity merged;
    merged.m_nGroup = groupId;
    ForGroupEntriesUnder(*data, item, groupId, m_nEntity, [&](const CTimetableEntry&, const CActivity& activity) {
        for (const int member : activity.m_arrMembers) merged.AddEntity(*data, member);
    });
    for (const CTimetableEntry& entry : data->m_arrEntries) {
        if (entry.IsLinkedState(*data)) continue;
        const auto activity = data->FindActivity(entry.m_nActivity);
        if (activity == data->m_arrActivities.end()) continue;
        if (Overlaps(entry, item) && activity->m_nGroup == groupId) continue;
        if (ActivitiesClash(*data, merged, *activity, entry)) m_arrClashBlocks.push_back(ClashBlock(*data, entry));
    }
}

void CTimeTableCtrlView::TellPage(UINT message, WPARAM wParam) {
    CWnd* control = GetOwner() ? GetOwner() : GetParent();
    CWnd* page = control ? (control->GetOwner() ? control->GetOwner() : control->GetParent()) : nullptr;
    if (page && page->GetSafeHwnd()) page->SendNotifyMessage(message, wParam, 0);
}

void CTimeTableCtrlView::DropActivity(int activityId, const COleDateTime& start, const COleDateTimeSpan& length) {
    DropOnTime(WM_TT_DROP_ACTIVITY, activityId, start, length);
}

void CTimeTableCtrlView::DropGroup(int groupId, const COleDateTime& start, const COleDateTimeSpan& length) {
    DropOnTime(WM_TT_DROP_GROUP, groupId, start, length);
}

void CTimeTableCtrlView::DropOnTime(UINT message, int id, const COleDateTime& start, const COleDateTimeSpan& length) {
    if (!InsidePlan(*this, start, length)) return;
    m_nDropActivity = id;
    m_dtDropStart = start;
    m_tsDropLength = length;
    TellPage(message, static_cast<WPARAM>(GetPaneIndex()));
}

void CTimeTableCtrlView::DropOnItem(int entityId, int item) {
    m_nDropEntity = entityId;
    m_nDropTarget = item;
    TellPage(WM_TT_DROP_ON_ITEM, 0);
}
