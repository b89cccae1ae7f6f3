// Copy and paste of timetable fragments on the timetable page, and its print command.
#include "controls/app_document.h"
#include "frame/frame_application.h"
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

// The report of the current entity is printed from the reports page; until the page can be
// asked for it, the command stays disabled.
void CWndTimeTable::OnUpdatePrint(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
