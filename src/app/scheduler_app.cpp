// The application object: construction, start-up with the language pack, and the end.
#include "app/scheduler_app.h"

#include "app/about_dlg.h"
#include "controls/app_document.h"
#include "controls/app_recent_documents.h"
#include "frame/main_frame.h"
#include "model/plan_check.h"
#include "platform/core/file_system.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/command_line_info.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

// Said when no language pack can be read, so these cannot come from one.
constexpr const wchar_t* kLocatePackTitle = L"Locate the language pack.";
constexpr const wchar_t* kPackFilter = L"Language pack (*.rc)|*.rc|";
constexpr const wchar_t* kPackFailedText = L"Failed to read the language pack...";
constexpr const wchar_t* kSystemErrorCaption = L"System error!";
// Said when the pack lacks what the main window is built from; the pack may lack this text too.
constexpr const wchar_t* kFrameFailedText = L"The main window could not be built from the language pack %s.";

}  // namespace

BEGIN_MESSAGE_MAP(CSchedulerApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CSchedulerApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CSchedulerApp::OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, &CSchedulerApp::OnFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CSchedulerApp::OnUpdateFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CSchedulerApp::OnFileSaveAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CSchedulerApp::OnUpdateFileSave)
    ON_COMMAND(ID_EDIT_UNDO, &CSchedulerApp::OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CSchedulerApp::OnUpdateEditUndo)
    ON_COMMAND(ID_APP_ABOUT, &CSchedulerApp::OnAppAbout)
    ON_COMMAND(ID_APP_EXIT, &CSchedulerApp::OnAppExit)
END_MESSAGE_MAP()

CSchedulerApp* GetSchedulerApp() { return dynamic_cast<CSchedulerApp*>(AfxGetApp()); }

CSchedulerApp::CSchedulerApp() : CWinApp(L"Vorn Scheduler") {
    ModelServices services;
    services.host = &m_frameHost;
    services.settings = this;
    services.answerer = &m_answerer;
    services.clipboard = &m_clipboard;
    m_data.SetServices(services);
    SetAppDocument(&m_data);
    SetRecentDocumentAdder(
        [this](const CString& name, const CString& path, bool isTemplate) { AddRecentDocument(name, path, isTemplate); });
    // File dialogs open beside the plan that is open.
    SetFileDialogFolderSource([this] { return m_data.IsUntitled() ? CString() : GetPathFolder(m_data.GetFilePath()); });
}

CSchedulerApp::~CSchedulerApp() {
    // A run that did not end through ExitInstance still keeps what the user set.
    if (m_bSettingsLoaded && !m_bSettingsSaved) SaveSettings();
    SetRecentDocumentAdder({});
    SetFileDialogFolderSource({});
    if (GetAppDocument() == &m_data) SetAppDocument(nullptr);
    if (m_pLanguagePack && CLanguagePack::GetCurrent() == m_pLanguagePack.get()) AfxSetResourcePack(nullptr);
}

CString CSchedulerApp::GetAppFolder() const { return m_strAppFolder.IsEmpty() ? GetModuleFolder() : m_strAppFolder; }

CString CSchedulerApp::LoadFallbackLanguageDll() const {
    return CombinePath(GetAppFolder(), GetPathFileName(GetModuleFilePath()) + L".rc");
}

CMainFrame* CSchedulerApp::GetMainFrame() const { return dynamic_cast<CMainFrame*>(m_pMainWnd); }

BOOL CSchedulerApp::LoadLanguageDll() {
    auto pack = std::make_unique<CLanguagePack>();
    // What went wrong with a pack that exists: the user is told if none can be read.
    CPackResult damage;
    auto tryLoad = [&](const CString& path) {
        if (path.IsEmpty() || !FileExists(path)) return false;
        const CPackResult result = pack->Load(path);
        if (!result.ok && damage.ok) damage = result;
        return result.ok;
    };
    // The pack of the Language setting, then one the user chose before, then the program's own.
    bool loaded = tryLoad(CombinePath(CombinePath(GetAppFolder(), L"Locale"), m_strLanguage + L".rc")) ||
                  tryLoad(m_strLanguageFile);
    if (!loaded && tryLoad(LoadFallbackLanguageDll())) {
        loaded = true;
        m_bLanguageFromLocale = 0;
    }
    while (!loaded) {
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_ENABLESIZING, kPackFilter);
        dialog.m_ofn.lpstrTitle = kLocatePackTitle;
        if (dialog.DoModal() != IDOK) {
            CString text = kPackFailedText;
            if (!damage.ok) text += L"\n" + damage.Describe();
            ::MessageBox(nullptr, text, kSystemErrorCaption, MB_OK | MB_ICONERROR);
            return FALSE;
        }
        if (tryLoad(dialog.GetPathName())) {
            loaded = true;
            m_strLanguageFile = dialog.GetPathName();
        }
    }
    m_pLanguagePack = std::move(pack);
    return TRUE;
}

BOOL CSchedulerApp::InitInstance() {
    if (!CWinApp::InitInstance() || !AfxOleInit()) return FALSE;
    AfxEnableControlContainer();
    SetRegistryKey(L"VornScheduler");
    LoadStdProfileSettings(4);
    // The pack first: the other settings take defaults from it and report through it.
    ReadLanguageSetting();
    if (!LoadLanguageDll()) return FALSE;
    AfxSetResourcePack(m_pLanguagePack.get());
    LoadSettings();
    m_data.ResetToNew(FALSE);

    auto* frame = new CMainFrame(*this);
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        // A window that was made and failed is gone already; one never made is ours to free.
        if (m_pMainWnd == frame) delete frame;
        m_pMainWnd = nullptr;
        CString text = LoadResString(IDS_FRAME_BUILD_FAILED);
        if (text.IsEmpty()) text = kFrameFailedText;
        CString message;
        message.Format(text, m_pLanguagePack->GetPath());
        ::MessageBox(nullptr, message, kSystemErrorCaption, MB_OK | MB_ICONERROR);
        return FALSE;
    }
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();

    CCommandLineInfo cmdInfo;
    if (m_bCommandLineSet) {
        for (std::size_t i = 0; i < m_arrCommandLine.size(); ++i) {
            const CString& arg = m_arrCommandLine[i];
            const bool flag = arg.GetLength() > 1 && arg[0] == L'-';
            cmdInfo.ParseParam(flag ? arg.Mid(1) : arg, flag, i + 1 == m_arrCommandLine.size());
        }
    } else {
        ParseCommandLine(cmdInfo);
    }
    if (!cmdInfo.m_strFileName.IsEmpty()) {
        if (m_data.Load(GetFullPath(cmdInfo.m_strFileName), TRUE)) {
            AddRecentDocument(GetPathFileName(m_data.GetFilePath()), m_data.GetFilePath(), m_data.HasDefaultStartDate());
            AfterDocumentRead();
        }
    } else {
        OnFileNew();
    }
    return TRUE;
}

int CSchedulerApp::ExitInstance() {
    if (m_bSettingsLoaded && !m_bSettingsSaved) SaveSettings();
    return CWinApp::ExitInstance();
}

// Exit closes the main window, which asks to save the plan first, as its close button does.
void CSchedulerApp::OnAppExit() {
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) m_pMainWnd->SendMessage(WM_CLOSE);
}

void CSchedulerApp::OnAppAbout() {
    CAboutDlg dialog;
    dialog.DoModal();
}
