// What the current row shows while something is dragged over it: the times a member of the
// dragged activity is not free (blocked times) and the entries the dragged activity or group
// clashes with (clash blocks).
#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "timetable/drag_feedback_blocks.h"

namespace {

// The whole hours of a difference of times of day, whole days dropped.
COleDateTimeSpan WholeHoursBetween(__time64_t later, __time64_t earlier) {
    return COleDateTimeSpan(0, static_cast<int>(((later - earlier) % 86400) / 3600), 0, 0);
}

}  // namespace

void CMagnetCtrl::CollectMoveFeedback(const CMagnetItem& magnet) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (magnet.m_bGroupItem)
        CollectClashBlocks(magnet.m_nGroup, CMagnetItem::kNoEntry, 1);
    else
        CollectClashBlocks(magnet.m_nActivity, magnet.m_nEntry, 0);
    if (data->GetChimeSetCount() > 1) AlignClashBlocksToChimeSets(magnet.m_nChimeSet, magnet.m_tsEntryLength);
    ClearBlockedTimes();
    // A group magnet is blocked wherever a member of one of the group's activities is.
    CollectBlockedTimes(magnet.m_bGroupItem, magnet.m_bGroupItem ? magnet.m_nGroup : magnet.m_nActivity);
}

void CMagnetCtrl::CollectBlockedTimes(int groupFlag, int id) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (!groupFlag) {
        CollectActivityBlockedTimes(id);
        return;
    }
    if (data->FindGroup(id) == data->m_arrGroups.end()) return;
    for (const CActivity& activity : data->m_arrActivities)
        if (activity.m_nGroup == id) CollectActivityBlockedTimes(activity.m_nId);
}

void CMagnetCtrl::CollectActivityBlockedTimes(int activityId) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto activity = data->FindActivity(activityId);
    if (activity == data->m_arrActivities.end()) return;
    const CMagnetCtrlTitle& title = m_firstPane.GetTitle();
    const int days = std::min(data->m_nDays, kMaxPlanDays);
    for (const int id : activity->m_arrMembers) {
        const auto member = id == 0 ? data->m_arrEntities.end() : data->FindEntity(id);
        if (member == data->m_arrEntities.end()) continue;
        AppendAbsencesAndDaysOff(*data, *member, m_arrBlockedTimes);
        // The hours a day column shows before the member's day starts and after it ends.
        for (int i = 0; i < days; ++i) {
            const __time64_t from = member->m_tDayStart[i], to = member->m_tDayEnd[i];
            if (CompareTime64Approx(from, to) == 0) continue;
            const int index = title.FindDayColumn(data->GetDayDate(i));
            if (index < 0) continue;
            const CDayColumn& column = title.GetColumns()[index];
            if (CompareTime64Approx(from, column.m_tStart) == 1) {
                const COleDateTimeSpan hours = WholeHoursBetween(from, column.m_tStart);
                if (WholeMinutes(hours) > 0) m_arrBlockedTimes.emplace_back(column.GetStart(), hours, 0, i);
            }
            if (CompareTime64Approx(column.m_tEnd, to) == 1) {
                const COleDateTimeSpan hours = WholeHoursBetween(column.m_tEnd, to);
                if (WholeMinutes(hours) > 0) m_arrBlockedTimes.emplace_back(column.GetEnd() - hours, hours, 0, i);
            }
        }
    }
}

void CMagnetCtrl::CollectClashBlocks(int id, std::uint64_t excludedEntry, int groupFlag) {
    m_arrClashBlocks.clear();
    if (const CScheduleData* data = GetAppDocument()) m_arrClashBlocks = ::CollectClashBlocks(*data, id, excludedEntry, groupFlag);
}

void CMagnetCtrl::AlignClashBlocksToChimeSets(int chimeSetId, const COleDateTimeSpan& length) {
    if (const CScheduleData* data = GetAppDocument()) ::AlignClashBlocksToChimeSets(*data, m_arrClashBlocks, chimeSetId, length);
}
