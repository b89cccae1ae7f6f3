// Drags from the entity board: the current row shows where the dragged activity or group
// clashes and where its members are not free, the status bar names the hour under the pointer,
// and a drop fills the drop record and asks the page to add the entries.
#include "controls/app_document.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

CPoint PointOf(WPARAM wParam, LPARAM lParam) { return CPoint(static_cast<int>(wParam), static_cast<int>(lParam)); }

}  // namespace

void CMagnetCtrl::SetDropStart(const COleDateTime& time) {
    m_dropRecord.m_dtStart = COleDateTime(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), 0, 0);
}

LRESULT CMagnetCtrl::OnBoardDragBegin(WPARAM wParam, LPARAM lParam) {
    m_nExternalDragId = static_cast<int>(wParam);
    m_nExternalDragKind = lParam != 0 ? 1 : 2;
    m_nDragMode = kDragExternal;
    const CScheduleData* data = GetAppDocument();
    if (data && m_nExternalDragKind == 2) {
        CollectClashBlocks(m_nExternalDragId, CMagnetItem::kNoEntry, 1);
        if (const auto group = data->FindGroup(m_nExternalDragId); group != data->m_arrGroups.end())
            AlignClashBlocksToChimeSets(group->GetCommonChimeSetId(*data), group->GetMaxMeetingLength(*data));
    } else if (data) {
        CollectClashBlocks(m_nExternalDragId, CMagnetItem::kNoEntry, 0);
        if (const auto activity = data->FindActivity(m_nExternalDragId); activity != data->m_arrActivities.end())
            AlignClashBlocksToChimeSets(activity->m_nChimeSet ? activity->m_nChimeSet : activity->m_nDerivedChimeSet,
                                        activity->m_tsMeeting);
    }
    ClearBlockedTimes();
    CollectBlockedTimes(m_nExternalDragKind == 2, m_nExternalDragId);
    m_bDragActive = 1;
    m_bPressPending = 0;
    RepaintCurrentRow();
    return 0;
}

LRESULT CMagnetCtrl::OnBoardDragMove(WPARAM wParam, LPARAM lParam) {
    CPoint client = PointOf(wParam, lParam);
    ScreenToClient(&client);
    if (int x = 0; ContentXAt(client, x)) ShowDragTimeStatus(x);
    return 0;
}

LRESULT CMagnetCtrl::OnBoardDrop(WPARAM wParam, LPARAM lParam) {
    CScheduleData* data = GetAppDocument();
    int x = 0;
    // A drop on no day column (the row names, a title strip's margin) adds nothing; neither does
    // one whose activity or group left the plan while it was dragged.
    if (data && ContentXAt(PointOf(wParam, lParam), x)) {
        SetDropStart(m_firstPane.GetTitle().XToTime(x));
        m_dropRecord.m_nId = m_nExternalDragId;
        UINT message = 0;
        if (m_nExternalDragKind == 1) {
            if (const auto activity = data->FindActivity(m_nExternalDragId); activity != data->m_arrActivities.end()) {
                m_dropRecord.m_tsLength = activity->m_tsMeeting;
                message = WM_MB_ACTIVITY_DROPPED;
            }
        } else if (data->FindGroup(m_nExternalDragId) != data->m_arrGroups.end()) {
            m_dropRecord.m_tsLength = COleDateTimeSpan(0, 1, 0, 0);
            message = WM_MB_GROUP_DROPPED;
        }
        if (message == 0) {
            data->Answerer().Ask(LoadResString(IDS_MAGNET_DROP_GONE), CString(), MessageButtons::Ok, MessageIcon::None);
        } else if (CWnd* page = GetPage()) {
            page->SendMessage(message, 0, 0);
        }
    }
    // The drag is over: a later press in a body starts afresh.
    m_bDragActive = 0;
    m_bPressPending = 0;
    m_nDragMode = kDragNone;
    RepaintCurrentRow();
    return 0;
}

LRESULT CMagnetCtrl::OnBoardDragCancel(WPARAM, LPARAM) {
    if (!m_bDragActive) return 0;
    m_bDragActive = 0;
    m_bPressPending = 0;
    m_nDragMode = kDragNone;
    for (int i = 0; i < 2; ++i)
        if (GetPane(i).GetSafeHwnd()) GetPane(i).GetBody().Invalidate();
    return 0;
}
