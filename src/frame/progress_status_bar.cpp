#include "frame/progress_status_bar.h"

#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(CProgressStatusBar, CStatusBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

int CProgressStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CStatusBar::OnCreate(lpCreateStruct) == -1) return -1;
    return m_progress.Create(this) ? 0 : -1;
}

void CProgressStatusBar::ShowProgress(BOOL show) {
    if (show)
        m_progress.Show();
    else
        m_progress.Hide();
}

void CProgressStatusBar::OnPaint() {
    if (!m_progress.IsShown()) {
        CStatusBar::OnPaint();
        return;
    }
    // The progress part covers the panes; only the face behind it is painted.
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}

void CProgressStatusBar::OnSize(UINT nType, int cx, int cy) {
    CStatusBar::OnSize(nType, cx, cy);
    if (m_progress.IsShown()) m_progress.Layout();
}
