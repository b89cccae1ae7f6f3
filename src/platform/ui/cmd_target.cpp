#include "platform/ui/cmd_target.h"

#include "platform/ui/menu_cmd_ui.h"
#include "platform/ui/wnd.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::DispatchToMap(AfxMessageCall& call, UINT message, UINT code, UINT id, bool matchId) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && (e->nMessage || e->registeredMessage); ++e) {
            const UINT entryMessage = e->registeredMessage ? *e->registeredMessage : e->nMessage;
            if (entryMessage != message || (e->registeredMessage && entryMessage == 0)) continue;
            if (e->nCode != code) continue;
            if (matchId && (id < e->nID || id > e->nLastID)) continue;
            call.id = id;
            if (e->handler(this, call)) return TRUE;
        }
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const UINT code = static_cast<UINT>(nCode);
    if (pHandlerInfo) {
        for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
            for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && (e->nMessage || e->registeredMessage); ++e)
                if (e->nMessage == WM_COMMAND && e->nCode == code && nID >= e->nID && nID <= e->nLastID) {
                    pHandlerInfo->pTarget = this;
                    return TRUE;
                }
        return FALSE;
    }
    AfxMessageCall call;
    call.message = WM_COMMAND;
    call.wParam = MAKEWPARAM(nID, code);
    call.extra = pExtra;
    if (!DispatchToMap(call, WM_COMMAND, code, nID, true)) return FALSE;
    // An update handler may ask for the route to go on to the next target.
    if (nCode == CN_UPDATE_COMMAND_UI && pExtra && static_cast<CCmdUI*>(pExtra)->m_bContinueRouting) {
        static_cast<CCmdUI*>(pExtra)->m_bContinueRouting = FALSE;
        return FALSE;
    }
    return TRUE;
}

void CCmdUI::Enable(BOOL on) {
    if (m_pMenu) SetMenuItemEnabled(m_pMenu, m_nIndex, on);
    else if (m_pOther) m_pOther->EnableWindow(on);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
    if (m_pMenu) SetMenuItemChecked(m_pMenu, m_nIndex, check, FALSE);
}

void CCmdUI::SetRadio(BOOL on) {
    if (m_pMenu) SetMenuItemChecked(m_pMenu, m_nIndex, on ? 1 : 0, TRUE);
    else SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR text) {
    if (m_pMenu) SetMenuItemText(m_pMenu, m_nIndex, text);
    else if (m_pOther) m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (m_nID == 0 || !target) return TRUE;
    m_bEnableChanged = FALSE;
    const BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
