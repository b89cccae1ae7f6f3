// The tasks page's clipboard: tasks (ACTIVITY) or member entities (ENTITY) as an XML fragment,
// and the paste of such a fragment through the model's guarded paste.
#include "controls/app_document.h"
#include "frame/recheck_keeping_problems.h"
#include "model/clipboard_fragments.h"
#include "model/entity.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "planner/wnd_tasks.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

void CWndTasks::CopyToClipboard() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    CString text;
    if (m_wndDiary.m_nSelectionKind == CDiaryCtrl::kSelectRows) {
        text = BuildTasksActivityFragment(*data, FlaggedActivities());
    } else {
        // Member lines in row and member order; an entity selected in several rows is written
        // once per line. Any other selection gives an empty DOCUMENT.
        std::vector<int> entities;
        if (m_wndDiary.m_nSelectionKind == CDiaryCtrl::kSelectMembers)
            for (const CDiaryRow& row : m_wndDiary.m_arrRows)
                for (const CDiaryMember& member : row.m_arrMembers)
                    if (member.m_bSelected) entities.push_back(member.m_nEntity);
        text = BuildTasksEntityFragment(*data, entities);
    }
    SetClipboardText(data->Clipboard(), text);
}

void CWndTasks::PasteFromClipboard() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    CWaitCursor wait;
    data->m_arrProblems.clear();
    // The snapshot only for a text that is a document at all; a refused text changes nothing.
    CXmlDocument probe;
    if (probe.LoadFromClipboard(data->Clipboard()) && probe.FindElement(L"DOCUMENT")) data->SaveUndo();
    std::vector<CEntity> keys;
    if (PasteTasksFragment(*data, keys) == PasteOutcome::Done) {
        for (const CEntity& key : keys) {
            auto target = data->FindEntity(key.m_nId);
            if (target == data->m_arrEntities.end() || target->m_strName != key.m_strName || target->m_nType != key.m_nType)
                target = data->FindEntityByName(key.m_strName, key.m_nType);
            CString text;
            if (target == data->m_arrEntities.end()) {
                text.Format(IDS_PASTED_ENTITY_MISSING, key.m_strName.GetString());
                AddProblem(*data, 13, text, key.m_nId);
                continue;
            }
            for (const CDiaryRow& row : m_wndDiary.m_arrRows) {
                if (!row.m_bFlagged) continue;
                const auto activity = data->FindActivity(row.m_nActivity);
                if (activity == data->m_arrActivities.end()) continue;
                if (data->CanAddEntityToActivity(row.m_nActivity, target->m_nId)) {
                    activity->AddEntity(*data, target->m_nId);
                } else {
                    text.Format(IDS_PASTED_ENTITY_CANNOT_JOIN, key.m_strName.GetString(), row.m_strCaption.GetString());
                    AddProblem(*data, 13, text, target->m_nId);
                }
            }
        }
    }
    m_bRefillFully = 0;
    if (data->m_arrProblems.empty()) {
        RecheckAndRefresh(*data, TRUE);
        return;
    }
    // The paste's own problems stay listed, with every kind shown.
    RecheckKeepingProblems(*data);
}
