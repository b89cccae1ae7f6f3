// File New, Open, Save, Save As, the backup copy and Undo.
#include <algorithm>
#include <memory>

#include "app/scheduler_app.h"
#include "app/wzd_page_new_select.h"
#include "app/wzd_page_recent.h"
#include "app/wzd_page_template_start.h"
#include "controls/new_project_wzd.h"
#include "frame/main_frame.h"
#include "model/chime_set.h"
#include "model/plan_check.h"
#include "model/xml_document.h"
#include "platform/core/file.h"
#include "platform/core/file_system.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

// The backup of a document: its file name's extension replaced by "bak" (".bak" appended to
// a name without one).
CString BackupPath(const CString& path) {
    const CString folder = GetPathFolder(path);
    const CString name = GetPathFileName(path);
    const int dot = name.ReverseFind(L'.');
    return folder + (dot >= 0 ? name.Left(dot + 1) + L"bak" : name + L".bak");
}

bool HasExtension(const CString& path) { return GetPathFileName(path).ReverseFind(L'.') > 0; }

HWND MainWindow() {
    CWnd* main = AfxGetMainWnd();
    return main ? main->GetSafeHwnd() : nullptr;
}

}  // namespace

BOOL CSchedulerApp::BackupDocumentFile(const CString& path) {
    const CString backup = BackupPath(path);
    // A document that is itself named like its backup is never replaced by a copy of itself,
    // and a document that has no file yet has nothing to keep.
    if (backup == path || !FileExists(path)) return TRUE;
    // The copy replaces the old backup in one step: until it is complete the old one stays.
    if (CopyFile(path, backup, false)) return TRUE;
    ::MessageBox(MainWindow(), LoadResString(IDS_BACKUP_ERROR), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONERROR);
    return FALSE;
}

BOOL CSchedulerApp::SaveDocumentAs(const CString& path, BOOL refresh) {
    const CFileStatus previous = m_data.m_fileStatus;
    const bool wasUntitled = m_data.IsUntitled();
    m_data.RefreshFileStatus(path);
    if (m_data.m_fileStatus.m_szFullName.IsEmpty()) m_data.m_fileStatus.m_szFullName = GetFullPath(path);
    m_data.SetUntitled(false);
    if (m_data.Save(refresh)) return TRUE;
    // Not written: the document keeps the name it had.
    m_data.m_fileStatus = previous;
    m_data.SetUntitled(wasUntitled);
    if (refresh) m_frameHost.RefreshPages(PageRefresh::AfterSave);
    return FALSE;
}

CString CSchedulerApp::AskSavePath() {
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_OVERWRITEPROMPT | OFN_ENABLESIZING, LoadResString(IDS_XML_FILE_FILTER),
                       m_pMainWnd);
    return dialog.DoModal() == IDOK ? dialog.GetPathName() : CString();
}

bool CSchedulerApp::IsProtectedTemplate(const CString& path) const {
    CString text;
    CXmlDocument doc;
    try {
        if (!CXmlDocument::ReadFileText(nullptr, path, text)) return false;
    } catch (...) {
        return false;
    }
    return doc.SetDocumentText(text) && doc.FindElement(L"DOCUMENT") && doc.EnterElement() && doc.FindElement(L"GENERAL") &&
           doc.GetAttribute(L"DATE").Find(L"/2000") >= 0;
}

BOOL CSchedulerApp::SaveAsSteps(BOOL refresh) {
    for (;;) {
        CString path = AskSavePath();
        if (path.IsEmpty()) return FALSE;
        if (!HasExtension(path)) path += L".xml";
        // A dated plan may not replace a week template.
        if (!m_data.HasDefaultStartDate() && FileExists(path) && IsProtectedTemplate(path)) {
            ::MessageBox(nullptr, LoadResString(IDS_TEMPLATE_OVERWRITE), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONERROR);
            continue;
        }
        if (!SaveDocumentAs(path, refresh)) return FALSE;
        AddRecentDocument(GetPathFileName(path), m_data.GetFilePath(), m_data.HasDefaultStartDate());
        return TRUE;
    }
}

BOOL CSchedulerApp::SaveDocumentSteps(BOOL refresh) {
    if (m_data.IsUntitled()) return SaveAsSteps(refresh);
    // The backup is made only when the save goes ahead: after Cancel to the changed-file
    // question the .bak still holds our last version, not the other program's file.
    const CString path = m_data.GetFilePath();
    return m_data.Save(refresh, [this, &path] { BackupDocumentFile(path); });
}

void CSchedulerApp::OnFileSave() {
    const BOOL saved = SaveDocumentSteps(TRUE);
    m_frameHost.RestartAutoSaveTimer();
    if (saved) AddRecentDocument(GetPathFileName(m_data.GetFilePath()), m_data.GetFilePath(), m_data.HasDefaultStartDate());
}

void CSchedulerApp::OnFileSaveAs() {
    SaveAsSteps(TRUE);
    m_frameHost.RestartAutoSaveTimer();
}

void CSchedulerApp::OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(CanSaveDocument()); }

void CSchedulerApp::AfterDocumentRead() {
    m_data.RebuildEntityItems(0);
    m_frameHost.RestartAutoSaveTimer();
    RecheckAndRefresh(m_data, TRUE);
}

BOOL CSchedulerApp::OpenDocumentFile(const CString& path) {
    // A file that cannot be read leaves the open document, its path and its edits as they were.
    if (!m_data.Load(path, TRUE, true)) return FALSE;
    AddRecentDocument(GetPathFileName(path), m_data.GetFilePath(), m_data.HasDefaultStartDate());
    AfterDocumentRead();
    return TRUE;
}

BOOL CSchedulerApp::ReloadDocument() {
    if (CMainFrame* frame = GetMainFrame()) frame->BroadcastUpdate(3);
    // The file replaces the document only when it reads whole; otherwise the work stays.
    if (!m_data.Load(m_data.GetFilePath(), TRUE)) return FALSE;
    AfterDocumentRead();
    return TRUE;
}

BOOL CSchedulerApp::AskToSaveChanges(HWND owner, UINT questionId) {
    switch (::MessageBox(owner, LoadResString(questionId), LoadResString(IDS_APP_CAPTION), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL: return FALSE;
    // A cancelled save dialog or a failed save ends the command with the work kept.
    case IDYES: return SaveDocumentSteps(FALSE);
    default: return TRUE;
    }
}

void CSchedulerApp::OnFileOpen() {
    if (m_data.IsModified() && !AskToSaveChanges(nullptr, IDS_OPEN_SAVE_CHANGES)) return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_ENABLESIZING, LoadResString(IDS_XML_FILE_FILTER),
                       m_pMainWnd);
    if (dialog.DoModal() != IDOK) return;
    OpenDocumentFile(dialog.GetPathName());
}

void CSchedulerApp::OnFileNew() {
    if (!m_data.m_arrEntities.empty()) {
        if (m_data.IsModified() && !AskToSaveChanges(MainWindow(), IDS_NEW_SAVE_CHANGES)) return;
        m_data.ResetToNew(TRUE);
        RecheckAndRefresh(m_data, TRUE);
    }
    // A Lessons list that cannot be read gives the new plan the hourly lessons.
    CChimeSet lessons;
    lessons.LoadLessonTimes(*this);

    CNewProjectWzd wizard(m_pMainWnd);
    CWzdPageNewSelect selectPage(&wizard);
    CWzdPageRecent recentPage(&wizard);
    CWzdPageTemplateStart templatePage(&wizard);
    wizard.m_pages = {&selectPage, &recentPage, &templatePage};
    if (wizard.DoModal() != ID_WIZFINISH) return;

    switch (wizard.choice) {
    case 0: {
        lessons.m_strName = LoadResString(IDS_NEW_CHIME_SET_NAME);
        const int id = m_data.AddOrReplaceChimeSet(lessons);
        m_data.m_nDefaultChimeSet = id != 0 ? id : 1;
        m_data.SetStartDate(m_dtFirstWeekDay);
        RecheckAndRefresh(m_data, TRUE);
        break;
    }
    case 1: {
        CString path = wizard.filePath;
        path.Trim();
        if (path.IsEmpty() || !m_data.Load(path, TRUE)) return;
        AddRecentDocument(GetPathFileName(path), m_data.GetFilePath(), m_data.HasDefaultStartDate());
        if (!m_data.m_arrEntities.empty()) AfterDocumentRead();
        break;
    }
    case 2: {
        CString path = wizard.filePath;
        path.Trim();
        if (path.IsEmpty() || !m_data.Load(path, FALSE)) return;
        AddRecentDocument(GetPathFileName(path), m_data.GetFilePath(), true);
        if (m_data.m_arrEntities.empty()) return;
        const double span = wizard.startDate.m_dt - m_data.GetStartDate().m_dt;
        const int days = static_cast<int>(span + (span >= 0 ? 0.5 : -0.5) / 86400.0);
        m_data.StoreOriginalStarts();
        m_data.ClearAbsencesAndReplacements();
        m_data.SetStartDate(wizard.startDate);
        m_data.ShiftEntriesByDays(days);
        m_data.m_nTitleFormat = 2;
        m_data.RebuildEntityItems(0);
        m_frameHost.RestartAutoSaveTimer();
        // The plan made from the template is a new document of its own.
        CFileStatus untitled;
        CFile::GetStatus(LoadResString(IDS_UNTITLED), untitled);
        if (untitled.m_szFullName.IsEmpty()) untitled.m_szFullName = LoadResString(IDS_UNTITLED);
        m_data.m_fileStatus = untitled;
        m_data.SetUntitled(true);
        m_data.NotifyAllViews(4);
        break;
    }
    default: break;
    }
}

void CSchedulerApp::OnEditUndo() { m_data.Undo(TRUE); }

// Undo is offered exactly while there is a snapshot to go back to.
void CSchedulerApp::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(m_data.HasUndoSnapshot()); }
