#pragma once
// CHtmlView: a child window that shows HTML in the browser engine (Qt WebEngine, Chromium).
// It writes HTML text into its page, calls script functions of the page and waits for their
// value, turns links with the scheme "app:" (any letter case) into commands of its parent,
// prints the page (to a printer or a PDF file) and shows a print preview. The engine's own
// context menu never shows; right-button input goes through the message filter first, as
// messages of the inner browser window (class HTMLVIEW_BROWSER_CLASS).
//
// Printing goes through the engine's own PDF: the engine lays the page out in the background,
// with vector text, while the window goes on answering; the preview shows the PDF's pages and a
// printer that writes a PDF file gets it as it is. One print runs at a time; it can be cancelled.
//
// CHtmlView::PrepareEngine() must run before the Qt application is made.
#include <QPointer>
#include <QUrl>

#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/wnd.h"

class QByteArray;
class QWebEngineView;

namespace vorn_web {
class CHtmlPage;
class CShowWatcher;
class CHtmlPageHandler;
}  // namespace vorn_web

// The class name of the window that receives the browser's input.
inline constexpr const wchar_t* HTMLVIEW_BROWSER_CLASS = L"Internet Explorer_Server";

// Commands of ExecWB and how they ask the user.
enum OLECMDID {
    OLECMDID_PRINT = 6,
    OLECMDID_PRINTPREVIEW = 7,
    OLECMDID_COPY = 12,
    OLECMDID_SELECTALL = 17,
    OLECMDID_CLEARSELECTION = 18,
};
enum OLECMDEXECOPT {
    OLECMDEXECOPT_DODEFAULT = 0,
    OLECMDEXECOPT_PROMPTUSER = 1,
    OLECMDEXECOPT_DONTPROMPTUSER = 2,
};

class CHtmlView : public CWnd {
public:
    // One "app:" link name and the command it posts to the parent; a table ends with a null name.
    struct AppCommand {
        LPCTSTR name;
        int command;
    };

    CHtmlView();
    ~CHtmlView() override;

    // Registers the engine's URL schemes, and switches its sandbox off when the program runs
    // as root (which the engine refuses otherwise). Call once before the QApplication exists.
    static void PrepareEngine();

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;

    // Loads an address ("about:blank" for the empty page) and returns at once.
    void Navigate(LPCTSTR lpszURL);
    void Navigate2(LPCTSTR lpszURL) { Navigate(lpszURL); }
    // Replaces the page with the HTML text and waits until it is shown (at most timeoutMs).
    // Files named in the text by "file:" addresses may be loaded. S_OK when the page loaded.
    HRESULT WriteHtml(const CString& html, int timeoutMs = 30000);
    // True once a page has finished loading (and until the next load starts).
    BOOL HasDocument() const { return m_documentReady ? TRUE : FALSE; }
    // Waits for a load under way; FALSE when none finishes within the time.
    BOOL WaitForDocument(int timeoutMs = 30000);
    // Calls the page's script function with the strings as arguments and waits for its value
    // (its text form, at most timeoutMs). FALSE when there is no page, no such function, the
    // call failed or took too long.
    BOOL CallScript(const CString& function, const std::vector<CString>& args, CString* result = nullptr,
                    int timeoutMs = 15000);
    // Print, print preview, copy, select all, clear selection.
    void ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt);
    // The page as a PDF file (waits at most timeoutMs); FALSE on failure. The file is replaced
    // only by a complete one.
    BOOL PrintToPdf(const CString& path, int timeoutMs = 60000);

    // The steps of a print that the owner hears of (m_onPrint).
    enum class PrintStep { Started, LaidOut, Printed, Failed, Cancelled };
    // Lays the page out as PDF in the background and hands the bytes to use, after the engine
    // is done and outside its call; use tells whether it succeeded. FALSE, and use is never
    // called, when there is no page or a print is under way.
    BOOL BeginPrintToPdf(std::function<bool(const QByteArray& pdf)> use);
    // From BeginPrintToPdf until its use has returned (a preview: until it is closed).
    BOOL IsPrinting() const { return m_printUse != nullptr || m_printUsing ? TRUE : FALSE; }
    // Drops the print under way before its use; the engine's late result is thrown away.
    void CancelPrint();
    // Waits until no print is under way; FALSE when one still is after timeoutMs.
    BOOL WaitForPrint(int timeoutMs = 60000);
    // The page's title; empty when the page has none (the engine would give its address).
    CString GetDocumentTitle() const;
    // Called with each step of a print.
    std::function<void(PrintStep)> m_onPrint;

    // The table of "app:" links (not owned; null: every such link is dropped).
    const AppCommand* m_commandMap = nullptr;

    // Before a navigation: set *pbCancel to stop it. The default cancels "app:" addresses
    // and hands their name to OnAppCmd.
    virtual void OnBeforeNavigate2(LPCTSTR lpszURL, BOOL* pbCancel);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);
    // An "app:" link with the text after "app:": posts WM_COMMAND to the parent for each entry
    // of m_commandMap whose name equals it without regard to case.
    virtual void OnAppCmd(LPCTSTR lpszName);

    // Starts the engine unless it runs already (it starts when the view is first shown);
    // false when the view has no window.
    bool EnsureBrowser();
    // The engine's widget (tests and printing); starts the engine.
    QWebEngineView* GetBrowser();
    CWnd* GetBrowserWindow() { return &m_browserWnd; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class vorn_web::CHtmlPage;
    void LoadFinished(bool ok);
    void NavigationAccepted(const QUrl& url);
    BOOL RunPrint(bool preview, bool prompt);
    void StartEnginePrint();
    void EnginePrinted(int serial, const QByteArray& pdf);
    void Notify(PrintStep step);

    CWnd m_browserWnd;
    QPointer<QWebEngineView> m_view;
    QPointer<vorn_web::CHtmlPage> m_page;
    QPointer<vorn_web::CShowWatcher> m_showWatcher;
    QUrl m_pendingUrl;  // asked for before the engine started
    bool m_documentReady = false;
    bool m_loading = false;
    bool m_lastLoadOk = false;
    QUrl m_expectedUrl;  // the address of the load under way
    // The print that waits for the engine, and whether its use runs.
    std::function<bool(const QByteArray&)> m_printUse;
    bool m_printUsing = false;
    // The engine prints one page at a time: a print asked for while a cancelled one still
    // runs there starts when that one ends.
    bool m_engineBusy = false;
    int m_printSerial = 0;
};
