// Copy and paste of timetable fragments on the timetable page, and its print command.
#include "controls/app_document.h"
#include "frame/frame_application.h"
#include "frame/page_report_request.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "timetable/timetable_fragment.h"
#include "timetable/wnd_time_table.h"

void CWndTimeTable::CopyToClipboard() {
    const CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    std::vector<CTimeTableItem> selected;
    for (const CTimeTableItem& item : pane->m_arrItems)
        if (item.m_bSelected) selected.push_back(item);
    CopyTimetableFragment(*data, selected);
}

void CWndTimeTable::PasteFromClipboard() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    CWaitCursor wait;
    auto* app = dynamic_cast<IFrameApplication*>(AfxGetApp());
    PasteTimetableFragment(*data, app ? &app->FilterSetting() : nullptr);
}

void CWndTimeTable::OnUpdateCopy(CCmdUI* cmdUI) {
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    cmdUI->Enable(pane && pane->m_nSelectionMode == 1 && !m_bGrouping);
}

void CWndTimeTable::OnUpdatePaste(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    CString text;
    cmdUI->Enable(data && !data->m_arrEntities.empty() && data->m_nCurrentEntity != 0 && !m_bGrouping &&
                  data->Clipboard().GetText(text) && !text.IsEmpty());
}

// The report of the current entity is printed from the reports page, which the request selects.
// OVERLAPS 0 means no limit, so it does not keep an entity from printing (as for the remark
// dialog); an entity of type 5 has no timetable of its own.
void CWndTimeTable::OnPrint() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto entity = data->FindEntity(data->m_nCurrentEntity);
    if (entity == data->m_arrEntities.end()) return;
    if (entity->m_nType == 5) {
        data->Answerer().Ask(LoadResString(IDS_TT_PRINT_REFUSED), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                             MessageIcon::Stop);
        return;
    }
    RequestPageReport(*data, 2);
}

void CWndTimeTable::OnUpdatePrint(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->FindEntity(data->m_nCurrentEntity) != data->m_arrEntities.end());
}
