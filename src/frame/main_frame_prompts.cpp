// The three moments at which the main frame asks about the document: the reminder timer, the
// program's activation after its file changed on disk, and closing.
#include <algorithm>

#include "frame/frame_application.h"
#include "frame/main_frame.h"
#include "model/schedule_data.h"
#include "platform/core/file.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

// Reminder intervals of the AutoSave setting 0 (off) to 3.
constexpr UINT kAutoSaveIntervals[] = {0, 300000, 600000, 900000};

int AskYesNo(CWnd* owner, UINT textId, UINT captionId, UINT buttons) {
    return owner->MessageBox(LoadResString(textId), LoadResString(captionId), buttons | MB_ICONQUESTION);
}

}  // namespace

bool CMainFrame::PromptsMustWait() const { return IsModalDialogOpen() || m_bWorkerRunning; }

void CMainFrame::SetAutoSaveTimer() {
    if (m_nAutoSaveTimer) KillTimer(m_nAutoSaveTimer);
    m_nAutoSaveTimer = 0;
    const int setting = m_app.GetDocument().Settings().GetAutoSave();
    if (setting > 0 && setting < static_cast<int>(std::size(kAutoSaveIntervals)))
        m_nAutoSaveTimer = SetTimer(kAutoSaveTimer, kAutoSaveIntervals[setting], nullptr);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kAutoSaveTimer) {
        AutoSaveTick();
    } else if (nIDEvent == kReloadRetryTimer) {
        if (PromptsMustWait()) return;
        KillTimer(kReloadRetryTimer);
        m_bReloadPending = false;
        CheckFileChanged();
    } else {
        CFrameWnd::OnTimer(nIDEvent);
    }
}

void CMainFrame::AutoSaveTick() {
    if (m_nAutoSaveTimer) KillTimer(m_nAutoSaveTimer);
    m_nAutoSaveTimer = 0;
    if (PromptsMustWait()) {
        // Not over a dialog or while the worker changes the document: ask a little later.
        m_nAutoSaveTimer = SetTimer(kAutoSaveTimer, kPromptRetryMs, nullptr);
        return;
    }
    CScheduleData& data = m_app.GetDocument();
    if (!data.m_arrEntities.empty() && data.IsModified() && m_app.CanSaveDocument() &&
        AskYesNo(this, IDS_AUTOSAVE_PROMPT, IDS_MESSAGES, MB_YESNO) == IDYES)
        m_app.SaveDocumentSteps(TRUE);
    // The reminder keeps running, also after a tick that found nothing to save.
    SetAutoSaveTimer();
}

void CMainFrame::OnActivateApp(BOOL bActive, DWORD dwThreadID) {
    CFrameWnd::OnActivateApp(bActive, dwThreadID);
    if (bActive) CheckFileChanged();
}

void CMainFrame::CheckFileChanged() {
    if (m_bCheckingFile) return;
    if (PromptsMustWait()) {
        if (!m_bReloadPending) {
            m_bReloadPending = true;
            SetTimer(kReloadRetryTimer, kPromptRetryMs, nullptr);
        }
        return;
    }
    CScheduleData& data = m_app.GetDocument();
    if (data.IsUntitled()) return;
    CFileStatus disk;
    if (!CFile::GetStatus(data.GetFilePath(), disk)) return;
    // Any change of time or size counts, however soon after the file was read.
    if (IsSameFileVersion(disk, data.m_fileStatus)) return;
    // A change the user chose not to load is not offered again; a later one is.
    if (m_bDeclinedFile && IsSameFileVersion(disk, m_declinedFile)) return;
    m_bCheckingFile = true;
    if (AskYesNo(this, IDS_RELOAD_PROMPT, IDS_MESSAGES, MB_YESNO) == IDYES)
        m_app.ReloadDocument();
    else {
        m_declinedFile = disk;
        m_bDeclinedFile = true;
    }
    m_bCheckingFile = false;
}

void CMainFrame::OnClose() {
    CScheduleData& data = m_app.GetDocument();
    if (data.IsModified() && m_app.CanSaveDocument()) {
        switch (AskYesNo(this, IDS_CLOSE_SAVE_CHANGES, IDS_SAVE_CAPTION, MB_YESNOCANCEL)) {
        case IDCANCEL: return;
        case IDYES:
            // A cancelled save dialog or a failed save keeps the program open with the work.
            if (!m_app.SaveDocumentSteps(FALSE)) return;
            break;
        default: break;
        }
    }
    CFrameWnd::OnClose();
}
