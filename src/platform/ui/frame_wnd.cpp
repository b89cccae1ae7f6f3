#include "platform/ui/frame_wnd.h"

#include "platform/core/load_res_string.h"
#include "platform/ui/accelerator_table.h"
#include "platform/ui/control_bar.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_cmd_ui.h"
#include "platform/ui/menu_message_map.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"

namespace {

CCmdTarget* g_application = nullptr;

// The standard ids of the key-state panes.
constexpr UINT kIndicatorCaps = 0xE701, kIndicatorNum = 0xE702, kIndicatorScroll = 0xE703;
constexpr int kUseDefault = static_cast<int>(0x80000000u);

// The part of a command's string before the newline: its prompt.
CString PromptOf(UINT id) {
    CString text = LoadResString(id);
    const int newline = text.Find(L'\n');
    return newline >= 0 ? text.Left(newline) : text;
}

}  // namespace

const RECT CFrameWnd::rectDefault = {kUseDefault, kUseDefault, 0, 0};

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_UPDATE_COMMAND_UI(kIndicatorCaps, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(kIndicatorNum, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(kIndicatorScroll, &CFrameWnd::OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    if (m_hAccelTable) DestroyAcceleratorTable(m_hAccelTable);
    if (m_hMenuDefault) ::DestroyMenu(m_hMenuDefault);
}

void CFrameWnd::SetApplicationTarget(CCmdTarget* pApp) { g_application = pApp; }
CCmdTarget* CFrameWnd::GetApplicationTarget() { return g_application ? g_application : AfxGetApp(); }

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, void*) {
    m_strTitle = lpszWindowName ? lpszWindowName : L"";
    if (lpszMenuName) {
        HMENU menu = ::LoadMenu(nullptr, lpszMenuName);
        if (!menu) return FALSE;
        if (m_hMenuDefault) ::DestroyMenu(m_hMenuDefault);
        m_hMenuDefault = menu;
    }
    const int width = rect.left == kUseDefault ? kUseDefault : rect.right - rect.left;
    const int height = rect.left == kUseDefault ? kUseDefault : rect.bottom - rect.top;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle & ~WS_CHILD, rect.left, rect.top, width, height,
                    pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void* pContext) {
    CString title = LoadResString(nIDResource);
    const int newline = title.Find(L'\n');
    if (newline >= 0) title = title.Left(newline);
    if (!Create(nullptr, title, dwDefaultStyle & ~FWS_ADDTOTITLE, rectDefault, pParentWnd,
                MAKEINTRESOURCE(nIDResource), 0, pContext))
        return FALSE;
    LoadAccelTable(nIDResource);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource) {
    if (m_hAccelTable) return FALSE;
    m_hAccelTable = LoadAccelerators(nullptr, MAKEINTRESOURCE(nIDResource));
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CCmdTarget* app = GetApplicationTarget();
    return app ? app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) : FALSE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg && m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::RecalcLayout(BOOL) {
    RepositionBars(this, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL) { SetWindowText(m_strTitle); }

void CFrameWnd::OnSize(UINT nType, int, int) {
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu || !pPopupMenu) return;
    UpdateMenuCmdUI(pPopupMenu, this, m_bAutoMenuEnable);
}

CMenu* CFrameWnd::GetMenu() const { return CMenu::FromHandle(m_hMenuDefault); }

BOOL CFrameWnd::SetMenu(CMenu* pMenu) {
    HMENU next = pMenu ? pMenu->Detach() : nullptr;
    if (m_hMenuDefault && m_hMenuDefault != next) ::DestroyMenu(m_hMenuDefault);
    m_hMenuDefault = next;
    return TRUE;
}

CWnd* CFrameWnd::GetMessageBar() { return GetDlgItem(static_cast<int>(AFX_IDW_STATUS_BAR)); }

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID, 0); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    const UINT lastId = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    if (CWnd* bar = GetMessageBar()) {
        CString text;
        if (lParam) text = reinterpret_cast<LPCTSTR>(lParam);
        else if (wParam) text = PromptOf(static_cast<UINT>(wParam));
        bar->SetWindowText(text);
    }
    m_nIDTracking = static_cast<UINT>(wParam);
    return static_cast<LRESULT>(lastId);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && !hSysMenu) {
        // The menu closed: back to the idle prompt.
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
        return;
    }
    const bool command = !(nFlags & (MF_POPUP | MF_SEPARATOR)) && nItemID != 0;
    const UINT id = command ? nItemID : AFX_IDS_IDLEMESSAGE;
    if (id != m_nIDTracking) SendMessage(WM_SETMESSAGESTRING, id, 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    const int key = pCmdUI->m_nID == kIndicatorCaps ? VK_CAPITAL : pCmdUI->m_nID == kIndicatorNum ? VK_NUMLOCK : VK_SCROLL;
    pCmdUI->Enable((GetKeyState(key) & 1) != 0);
}
