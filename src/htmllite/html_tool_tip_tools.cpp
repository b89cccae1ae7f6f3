// The tools of the tooltip: registration, the lookup of the tool under the mouse and the
// notifications to the owner.
#include <cwctype>

#include "htmllite/html_tool_tip.h"
#include "platform/ui/window_api.h"

void CHtmlToolTip::AddToolInfo(HWND window, const CHtmlToolInfo& tool) {
    std::vector<CHtmlToolInfo>& tools = m_tools[window];
    for (CHtmlToolInfo& existing : tools) {
        if (existing.m_rect == tool.m_rect) {
            existing = tool;
            return;
        }
    }
    tools.push_back(tool);
}

void CHtmlToolTip::AddTool(CWnd* window, const CString& text, LPCRECT rect) {
    if (!window) return;
    CHtmlToolInfo tool;
    if (rect) tool.m_rect = *rect;
    tool.m_text = text;
    tool.m_placement = 0;
    AddToolInfo(window->GetSafeHwnd(), tool);
}

void CHtmlToolTip::RemoveAllTools() { m_tools.clear(); }

void CHtmlToolTip::SendNotify(void* param, CHtmlToolInfo* tool, UINT code) {
    if (!m_hWnd || !m_notifyWindow) return;
    NMHTMLTOOLTIP notify{};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = code;
    notify.hwndTool = code == HTTN_NEEDTEXT ? m_nextWindow : m_displayedWindow;
    notify.pParam = param;
    notify.pToolInfo = tool;
    ::SendMessage(m_notifyWindow, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}

bool CHtmlToolTip::FindTool(CPoint pt, HWND& toolWindow, CHtmlToolInfo& tool) const {
    CPoint screen = pt;
    if (m_parent) m_parent->ClientToScreen(&screen);
    HWND under = ::WindowFromPoint(screen);
    if (!under) return false;
    HWND parent = ::GetParent(under);
    if (!parent) return false;

    wchar_t className[64] = {};
    ::GetClassName(parent, className, 63);
    CString parentClass(className);
    parentClass.MakeLower();
    if (parentClass == L"combobox" && (::GetWindowLong(parent, GWL_STYLE) & 0xF) == 2) {
        // Over the edit field of a drop-down combo box: the combo box is the tool.
        toolWindow = parent;
    } else {
        CPoint local = screen;
        ::ScreenToClient(under, &local);
        HWND child = ::ChildWindowFromPoint(under, local);
        toolWindow = child ? child : under;
        if (!::IsWindowEnabled(toolWindow)) return false;
    }
    const auto it = m_tools.find(toolWindow);
    if (it == m_tools.end()) return false;
    const std::vector<CHtmlToolInfo>& tools = it->second;
    if (tools.size() == 1 && tools[0].m_rect.IsRectEmpty()) {
        tool = tools[0];
        return true;
    }
    // Tool rectangles are in the client coordinates of the tool's window.
    CPoint local = screen;
    ::ScreenToClient(toolWindow, &local);
    for (const CHtmlToolInfo& candidate : tools) {
        if (candidate.m_rect.PtInRect(local)) {
            tool = candidate;
            return true;
        }
    }
    return false;
}
