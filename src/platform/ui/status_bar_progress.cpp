#include "platform/ui/status_bar_progress.h"

#include <algorithm>

#include "platform/ui/window_api.h"

BOOL CStatusBarProgress::Create(CStatusBar* pBar) {
    if (!pBar || !pBar->GetSafeHwnd() || m_bar) return FALSE;
    if (!m_progress.Create(WS_CHILD, CRect(0, 0, 0, 0), pBar, 0)) return FALSE;
    if (!m_label.Create(L"", WS_CHILD, CRect(0, 0, 0, 0), pBar, kLabelId)) {
        m_progress.DestroyWindow();
        return FALSE;
    }
    m_label.SendMessage(WM_SETFONT, static_cast<WPARAM>(pBar->SendMessage(WM_GETFONT)), TRUE);
    m_bar = pBar;
    return TRUE;
}

void CStatusBarProgress::Layout() {
    if (!m_bar) return;
    // The whole bar: the control 5 pixels in from the left and 2 from top and bottom, the label
    // 5 pixels after it up to 5 pixels before the right edge. A pane: the same inside the pane.
    CRect area;
    if (m_pane == kWholeBar) {
        m_bar->GetClientRect(&area);
        area.DeflateRect(5, 2);
    } else {
        m_bar->GetItemRect(m_pane, &area);
        area.DeflateRect(1, 1);
    }
    const int height = std::max(0, static_cast<int>(area.Height()));
    const int width = std::clamp(m_progressWidth, 0, std::max(0, static_cast<int>(area.Width())));
    m_progress.MoveWindow(area.left, area.top, width, height);
    const int labelLeft = std::min(area.left + width + 5, static_cast<int>(area.right));
    m_label.MoveWindow(labelLeft, area.top, area.right - labelLeft, height, FALSE);
}

void CStatusBarProgress::Show(int nPane) {
    if (!m_bar) return;
    if (nPane != kWholeBar && (nPane < 0 || nPane >= m_bar->GetCount())) nPane = kWholeBar;
    // Moving to another pane (or showing again) must not save the blanked text as the pane's own.
    if (m_shown && nPane != m_pane) RestorePane();
    if (!m_shown || nPane != m_pane) {
        m_pane = nPane;
        if (m_pane != kWholeBar) {
            m_savedPaneText = m_bar->GetPaneText(m_pane);
            m_bar->SetPaneText(m_pane, L"", FALSE);
        }
    }
    m_shown = TRUE;
    Layout();
    m_progress.ShowWindow(SW_SHOW);
    m_label.ShowWindow(SW_SHOW);
    Repaint();
}

void CStatusBarProgress::Hide() {
    if (!m_bar) return;
    m_progress.ShowWindow(SW_HIDE);
    m_label.ShowWindow(SW_HIDE);
    if (m_shown) RestorePane();
    m_shown = FALSE;
    m_pane = kWholeBar;
    Repaint();
}

void CStatusBarProgress::RestorePane() {
    // A text written into the pane while it was covered is newer than the saved one: keep it.
    if (m_pane != kWholeBar && m_bar->GetPaneText(m_pane).IsEmpty()) m_bar->SetPaneText(m_pane, m_savedPaneText, FALSE);
    m_savedPaneText.Empty();
}

void CStatusBarProgress::Repaint() { m_bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

void CStatusBarProgress::SetLabelText(LPCTSTR lpszText) {
    if (!m_bar) return;
    m_label.SetWindowText(lpszText ? lpszText : L"");
    if (!m_shown) return;
    Layout();
    Repaint();
}

CString CStatusBarProgress::GetLabelText() const {
    CString text;
    if (m_bar) m_label.GetWindowText(text);
    return text;
}

void CStatusBarProgress::SetProgressWidth(int cx) {
    m_progressWidth = std::max(0, cx);
    if (m_shown) Layout();
}
