#pragma once
// CWinApp: the application object. The program derives its own class, builds one object of
// it and calls AfxWinMain from main(); start-up goes into InitInstance, Run drives the Qt
// event loop with idle processing (OnIdle) and ends with ExitInstance. The profile
// (GetProfileString...) lives in the settings store; the resources come from the current
// language pack.
#include <memory>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/window_defs.h"

class CCommandLineInfo;
class CLanguagePack;
class CRecentFileList;
class CSettingsStore;
class CWnd;

class CWinApp : public CCmdTarget {
public:
    // The application's name (message box captions); null takes the Qt application's name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CRecentFileList* m_pRecentFileList = nullptr;

    // Start-up and end. InitInstance returning FALSE ends the program (AfxWinMain).
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Runs the event loop until WM_QUIT (PostQuitMessage) or until the main window is
    // destroyed; returns ExitInstance's result.
    virtual int Run();
    // Called while the event queue is empty, with a count that starts at 0 and grows with each
    // call; returning FALSE stops the calls until new input or a posted message arrives. The
    // base sends WM_IDLEUPDATECMDUI to the main window and runs the idle hooks (idle_hooks.h)
    // at count 0.
    virtual BOOL OnIdle(LONG lCount);
    // The application's message filter: PreTranslateMessage of the message's window and its
    // parents up to the main window, then of the main window for windows outside it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The profile: sections of named values in the settings store. SetRegistryKey selects
    // the user's settings file; SetProfilePath any other file (tests). Without either, the
    // user's settings file is used on first access.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    void SetProfilePath(const CString& path);
    CSettingsStore& GetProfileStore();
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);

    // The standard profile settings: the recent-files list of nMaxMRU entries (section
    // "Recent File List"), read now and written back by ExitInstance. 0 keeps no list.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // Resources of the current language pack: cursors and icons by id, standard shapes.
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

    // The program's arguments (after the program name) into rCmdInfo.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // The wait cursor: nCode 1 begins, -1 ends, 0 shows it again after something changed it.
    virtual void DoWaitCursor(int nCode);

protected:
    // The application's message map (BEGIN_MESSAGE_MAP(CMyApp, CWinApp) in the program).
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

private:
    friend class CWinAppIdleDriver;
    CString m_strAppName;
    CString m_strRegistryKey;
    std::unique_ptr<CSettingsStore> m_profile;
    UINT m_nMaxMRU = 0;
};

// The one application object (null before it is built and after it is gone).
CWinApp* AfxGetApp();
// The application's main window (null without one).
CWnd* AfxGetMainWnd();
// The application's name: m_pszAppName, else the Qt application's name.
CString AfxGetAppName();

// The program's entry: makes the Qt application when there is none yet, then
// InitInstance; on success Run, otherwise the main window is destroyed and ExitInstance runs.
// Returns the exit code.
int AfxWinMain(int argc, char** argv);

// Makes a language pack the source of the program's resources: its strings for LoadString
// and LoadResString, and its bitmaps for CBitmap::LoadBitmap. Null takes them away.
void AfxSetResourcePack(CLanguagePack* pack);

// COM and OLE need no set-up here; these succeed so that start-up code runs unchanged.
BOOL AfxOleInit();
void AfxEnableControlContainer();
HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
