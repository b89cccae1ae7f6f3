#include "platform/ui/win_app.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/core/settings_store.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/command_line_info.h"
#include "platform/ui/icon.h"
#include "platform/ui/recent_file_list.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

CWinApp* g_app = nullptr;

BOOL AppPreTranslate(MSG* msg) { return g_app ? g_app->PreTranslateMessage(msg) : FALSE; }

HBITMAP PackBitmapLoader(UINT id) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResImage* image = pack ? pack->FindBitmap(id) : nullptr;
    return image ? LoadBitmapFromFile(image->path) : nullptr;
}

}  // namespace

// No handlers of its own: the program's application class lists its commands.
const AFX_MSGMAP* CWinApp::GetMessageMap() const { return GetThisMessageMap(); }
const AFX_MSGMAP* CWinApp::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, entries};
    return &map;
}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_app = this;
    SetPreTranslateHandler(&AppPreTranslate);
}

CWinApp::~CWinApp() {
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (g_app == this) {
        g_app = nullptr;
        SetPreTranslateHandler(nullptr);
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    CWnd* main = m_pMainWnd && ::IsWindow(m_pMainWnd->m_hWnd) ? m_pMainWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(main ? main->m_hWnd : nullptr, pMsg)) return TRUE;
    // The main window looks at the input of other top-level windows only while it takes input.
    if (main && main->IsWindowEnabled() && pMsg->hwnd && ::IsWindow(pMsg->hwnd)) {
        CWnd* wnd = CWnd::FromHandle(pMsg->hwnd);
        if (wnd && wnd->GetTopLevelParent() != main && wnd != main) return main->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

// Profile

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : L"";
    m_pszRegistryKey = m_strRegistryKey;
    if (!m_profile) m_profile = std::make_unique<CSettingsStore>();
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) { SetRegistryKey(LoadResString(nIDRegistryKey)); }

void CWinApp::SetProfilePath(const CString& path) { m_profile = std::make_unique<CSettingsStore>(path); }

CSettingsStore& CWinApp::GetProfileStore() {
    if (!m_profile) m_profile = std::make_unique<CSettingsStore>();
    return *m_profile;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
    return GetProfileStore().GetProfileString(lpszSection, lpszEntry, lpszDefault);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    return static_cast<UINT>(GetProfileStore().GetProfileInt(lpszSection, lpszEntry, nDefault));
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
    return GetProfileStore().WriteProfileString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    return GetProfileStore().WriteProfileInt(lpszSection, lpszEntry, nValue);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    m_nMaxMRU = nMaxMRU;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0) return;
    m_pRecentFileList = new CRecentFileList(0, L"Recent File List", L"File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList(GetProfileStore());
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList) m_pRecentFileList->WriteList(GetProfileStore());
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
    if (m_pRecentFileList) m_pRecentFileList->Add(lpszPathName);
}

// Resources

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResImage* image = pack ? pack->FindCursor(nIDResource) : nullptr;
    return image ? LoadCursorFromFile(image->path, CursorFileHotSpot(image->path))
                 : ::LoadCursor(nullptr, MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResImage* image = pack ? pack->FindIcon(nIDResource) : nullptr;
    return image ? LoadIconFromFile(image->path) : nullptr;
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(nullptr, lpszIconName); }

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    if (!QCoreApplication::instance()) return;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const std::wstring arg = args[i].toStdWString();
        const bool flag = arg.size() > 1 && arg[0] == L'-';
        rCmdInfo.ParseParam(flag ? arg.c_str() + 1 : arg.c_str(), flag ? TRUE : FALSE,
                            i + 1 == args.size() ? TRUE : FALSE);
    }
}

void CWinApp::DoWaitCursor(int nCode) { AfxDoWaitCursor(nCode); }

// Globals

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

CString AfxGetAppName() {
    if (g_app && g_app->m_pszAppName) return g_app->m_pszAppName;
    if (QCoreApplication::instance()) return CString(QCoreApplication::applicationName().toStdWString());
    return CString();
}

void AfxSetResourcePack(CLanguagePack* pack) {
    CLanguagePack::SetCurrent(pack);
    SetBitmapResourceLoader(pack ? &PackBitmapLoader : nullptr);
}

BOOL AfxOleInit() { return TRUE; }
void AfxEnableControlContainer() {}
HRESULT CoInitialize(LPVOID) { return S_OK; }
void CoUninitialize() {}
