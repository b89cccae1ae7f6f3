#include "frame/explorer_bar_parts.h"

#include "platform/core/mul_div.h"
#include "platform/core/win_types.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

HCURSOR CExplorerBarItem::GetCursor() {
    static HCURSOR hand = ::LoadCursor(nullptr, IDC_HAND);
    return hand;
}

int CExplorerBarItem::OnClick(int, int, UINT, int) {
    CWnd* main = AfxGetMainWnd();
    if (!main || !CCmdUIState::IsEnabled(main, static_cast<UINT>(m_nCommand))) return 0;
    main->PostMessage(WM_COMMAND, static_cast<WPARAM>(m_nCommand), 0);
    return 0;
}

int CExplorerBarItem::SetEnabled(BOOL on) {
    const bool enabled = !(m_nFlags & kDisabled);
    if (enabled == (on != FALSE)) return 0;
    m_nFlags = on ? 0 : (m_nFlags | kDisabled);
    return 1;
}

int CExplorerBarItem::GetHeight() {
    if (m_nHeight < 0) m_nHeight = MulDiv(GetSystemMetrics(SM_CYMENU), 9, 8);
    return m_nHeight;
}
