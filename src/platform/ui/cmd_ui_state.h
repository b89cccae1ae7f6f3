#pragma once
// CCmdUIState: a command's state as its update handler decides it, for elements the layer does
// not draw itself (owner-drawn task panes, a handler that checks again before it acts).
#include "platform/ui/cmd_target.h"

class CCmdUIState : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    void Enable(BOOL on = TRUE) override {
        m_bEnabled = on;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int check = 1) override { m_nCheck = check; }
    void SetRadio(BOOL on = TRUE) override { m_nCheck = on ? 1 : 0; }
    void SetText(LPCTSTR) override {}

    // Whether the command route of target enables the command; a command without an update
    // handler is enabled when a handler exists.
    static BOOL IsEnabled(CCmdTarget* target, UINT id) {
        CCmdUIState state;
        state.m_nID = id;
        state.DoUpdate(target, TRUE);
        return state.m_bEnabled;
    }
};
