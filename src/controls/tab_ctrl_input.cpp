// TabCtrl: mouse, scroll buttons, dragging a tab to a new place, focus and tooltips.
#include <algorithm>

#include "controls/keyboard_hook_registry.h"
#include "controls/tab_ctrl.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/window_api.h"

namespace {
constexpr UINT_PTR kScrollLeftDelay = 1, kScrollLeftRepeat = 2, kScrollRightDelay = 3, kScrollRightRepeat = 4;
}  // namespace

CPoint TabCtrl::ToScreen(CPoint point) const {
    ClientToScreen(&point);
    return point;
}

void TabCtrl::TrackHot(CPoint point) {
    const std::uintptr_t before = m_hot;
    m_hot = 0;
    if (m_current) {
        if (m_closeRect.PtInRect(point)) m_hot = kClose;
        else if (m_menuRect.PtInRect(point)) m_hot = kMenu;
        else if (m_scrollLeftRect.PtInRect(point)) m_hot = kScrollLeft;
        else if (m_scrollRightRect.PtInRect(point)) m_hot = kScrollRight;
    }
    if (!m_hot) m_hot = AsElement(HitTest(point));
    if (m_hot != before) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
        if (m_toolTip && m_toolTip->GetSafeHwnd()) m_toolTip->Pop();
    }
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
}

void TabCtrl::OnMouseMove(UINT flags, CPoint point) {
    TrackHot(point);
    if (TabCtrlItem* tab = PushedTab(); tab && m_dragToReorder) {
        if (!m_dragging) {
            const CRect still(m_pressPoint.x - 3, m_pressPoint.y - 3, m_pressPoint.x + 3, m_pressPoint.y + 3);
            if (!still.PtInRect(point)) {
                m_dragging = true;
                m_keyboardListening = CKeyboardHookRegistry::Get().Add(this);
                m_savedOrder = m_items;
                if (m_notify) m_notify->OnStartDrag(this, tab, ToScreen(point));
            }
        }
        if (m_dragging) DragTo(point);
    }
    CWnd::OnMouseMove(flags, point);
}

void TabCtrl::DragTo(CPoint point) {
    TabCtrlItem* dragged = PushedTab();
    if (!m_rowRect.PtInRect(point)) {
        if (m_notify) m_notify->OnDrag(this, dragged, ToScreen(point), true);
        return;
    }
    TabCtrlItem* hot = (m_hot && !IsButton(m_hot)) ? reinterpret_cast<TabCtrlItem*>(m_hot) : nullptr;
    if (hot && hot != dragged) {
        const bool hotIsLeft = hot->rect.left < dragged->rect.left;
        const int width = dragged->rect.Width();
        const CRect strip = hotIsLeft ? CRect(hot->rect.left, hot->rect.top, hot->rect.left + width, hot->rect.bottom)
                                      : CRect(hot->rect.right - width, hot->rect.top, hot->rect.right, hot->rect.bottom);
        if (strip.PtInRect(point)) {
            m_items.erase(std::find(m_items.begin(), m_items.end(), dragged));
            auto at = std::find(m_items.begin(), m_items.end(), hot);
            m_items.insert(hotIsLeft ? at : at + 1, dragged);
            RecalcLayout(TRUE);
            TrackHot(point);
            Invalidate();
        }
    }
    if (m_notify) m_notify->OnDrag(this, dragged, ToScreen(point), false);
}

void TabCtrl::EndDrag(bool cancelled) {
    TabCtrlItem* tab = PushedTab();
    const bool wasDragging = m_dragging;
    // Cleared before the capture goes, so the capture change that follows finds no drag.
    m_dragging = false;
    if (tab) {
        m_pushed = 0;
        if (GetCapture() == this) ::ReleaseCapture();
    }
    if (!wasDragging) return;
    if (m_keyboardListening) {
        CKeyboardHookRegistry::Get().Remove(this);
        m_keyboardListening = false;
    }
    if (cancelled && m_savedOrder != m_items && m_savedOrder.size() == m_items.size()) {
        m_items = m_savedOrder;
        if (m_hWnd) RecalcLayout(TRUE);
    }
    if (m_hWnd) Invalidate();
    if (m_notify) m_notify->OnFinishDrag(this, tab, cancelled);
}

void TabCtrl::FocusCurrentPage() {
    if (!m_current || !m_current->pageWnd || !::IsWindow(m_current->pageWnd)) return;
    if (::GetFocus() != m_current->pageWnd) ::SetFocus(m_current->pageWnd);
}

void TabCtrl::ScrollBy(int delta) {
    m_scrollOffset += delta;
    RecalcLayout(TRUE);
    Invalidate();
}

void TabCtrl::Press(CPoint point, bool doubleClick) {
    if (!m_hot) {
        Invalidate();
    } else if (IsButton(m_hot)) {
        m_pushed = m_hot;
        SetCapture();
        if (m_pushed == kScrollLeft) {
            m_scrollOffset -= m_scrollStep;
            SetTimer(kScrollLeftDelay, 300);
            RecalcLayout(TRUE);
        } else if (m_pushed == kScrollRight) {
            m_scrollOffset += m_scrollStep;
            SetTimer(kScrollRightDelay, 300);
            RecalcLayout(TRUE);
        }
        Invalidate();
    } else {
        auto* tab = reinterpret_cast<TabCtrlItem*>(m_hot);
        bool select = false;
        if (!tab->disabled) {
            if (m_dragToReorder) {
                m_pushed = m_hot;
                m_pressPoint = point;
                SetCapture();
            }
            select = tab != m_current;
        }
        if (m_notify) m_notify->OnLButtonDown(this, tab, ToScreen(point));
        if (select) {
            SelectTab(tab);
            RecalcLayout(TRUE);
            if (m_notify) m_notify->OnTabSelected(this, tab);
        }
        Invalidate();
    }
    if (!doubleClick) FocusCurrentPage();
    else if (m_hot && !IsButton(m_hot) && m_notify)
        m_notify->OnLButtonDblClk(this, reinterpret_cast<TabCtrlItem*>(m_hot), ToScreen(point));
}

void TabCtrl::OnLButtonDown(UINT, CPoint point) { Press(point, false); }
void TabCtrl::OnLButtonDblClk(UINT, CPoint point) { Press(point, true); }

void TabCtrl::StopScrolling() {
    if (m_pushed == kScrollLeft) {
        KillTimer(kScrollLeftDelay);
        KillTimer(kScrollLeftRepeat);
    } else if (m_pushed == kScrollRight) {
        KillTimer(kScrollRightDelay);
        KillTimer(kScrollRightRepeat);
    }
    if (IsButton(m_pushed)) {
        m_pushed = 0;
        if (GetCapture() == this) ::ReleaseCapture();
    }
}

void TabCtrl::OnLButtonUp(UINT, CPoint point) {
    const bool closeHit = m_pushed == kClose && m_closeRect.PtInRect(point);
    const bool menuHit = m_pushed == kMenu && m_menuRect.PtInRect(point);
    StopScrolling();
    Invalidate();
    EndDrag(false);
    if (!m_notify || (!closeHit && !menuHit)) return;
    bool alive = true;
    m_alive = &alive;
    m_pushed = closeHit ? kClose : kMenu;
    if (closeHit)
        m_notify->OnCloseButtonClicked(this, m_closeRect, ToScreen(point));
    else
        m_notify->OnMenuButtonClicked(this, m_menuRect, ToScreen(point));
    if (!alive) return;  // the notification destroyed the control
    m_pushed = 0;
    Invalidate();
    m_alive = nullptr;
}

void TabCtrl::OnRButtonDown(UINT, CPoint point) {
    FocusCurrentPage();
    if (m_notify && !IsButton(m_hot)) m_notify->OnRButtonDown(this, HitTest(point), ToScreen(point));
}

void TabCtrl::OnRButtonUp(UINT, CPoint point) {
    if (m_notify && !IsButton(m_hot)) m_notify->OnRButtonUp(this, HitTest(point), ToScreen(point));
}

void TabCtrl::OnMButtonDown(UINT, CPoint) { FocusCurrentPage(); }

void TabCtrl::OnCaptureChanged(CWnd* wnd) {
    if (wnd == this) return;
    StopScrolling();
    EndDrag(true);
}

void TabCtrl::OnMouseLeave() {
    if (!m_hot) return;
    m_hot = 0;
    Invalidate();
}

void TabCtrl::OnTimer(UINT_PTR id) {
    switch (id) {
    case kScrollLeftDelay:
    case kScrollRightDelay: {
        KillTimer(id);
        const std::uintptr_t button = id == kScrollLeftDelay ? kScrollLeft : kScrollRight;
        if (m_pushed == button) SetTimer(id + 1, 20);
        break;
    }
    case kScrollLeftRepeat:
        if (m_pushed == kScrollLeft && m_hot == kScrollLeft) ScrollBy(-m_scrollStep);
        break;
    case kScrollRightRepeat:
        if (m_pushed == kScrollRight && m_hot == kScrollRight) ScrollBy(m_scrollStep);
        break;
    default:
        CWnd::OnTimer(id);
    }
}

BOOL TabCtrl::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_behavior->SetCursor(this, m_builtInBehavior.get())) return TRUE;
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void TabCtrl::OnSetFocus(CWnd* oldWnd) {
    CWnd::OnSetFocus(oldWnd);
    FocusCurrentPage();
}

CString TabCtrl::GetToolTipText() {
    m_toolTipText.Empty();
    switch (m_hot) {
    case 0:
        break;
    case kClose: m_toolTipText = m_closeText; break;
    case kMenu: m_toolTipText = m_menuText; break;
    case kScrollLeft: m_toolTipText = m_scrollLeftText; break;
    case kScrollRight: m_toolTipText = m_scrollRightText; break;
    default: {
        auto* tab = reinterpret_cast<TabCtrlItem*>(m_hot);
        CRect visible = tab->rect;
        visible.left = std::max(visible.left, m_tabsRect.left);
        visible.right = std::min(visible.right, m_tabsRect.right);
        if (visible.IsRectEmpty()) break;
        if (!tab->tooltipText.IsEmpty()) m_toolTipText = tab->tooltipText;
        else if (visible.Width() < tab->width) m_toolTipText = tab->caption;
    }
    }
    return m_toolTipText;
}

BOOL TabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (static_cast<int>(hdr->code) == TTN_GETDISPINFO) {
        auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
        GetToolTipText();
        info->lpszText = const_cast<LPTSTR>(m_toolTipText.GetString());
        *result = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, result);
}
