#pragma once
// CProgressStatusBar: the main frame's status bar; besides the message pane and the Caps Lock,
// Num Lock and Scroll Lock panes it carries a progress bar and a label that cover the whole bar
// while a long operation runs.
#include "platform/ui/message_map.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/status_bar_progress.h"

class CProgressStatusBar : public CStatusBar {
public:
    // Shows or hides the progress part; showing lays it out first. The bar repaints at once.
    void ShowProgress(BOOL show);
    // The label's text; while the progress part is shown it is laid out and repainted at once.
    void SetLabelText(LPCTSTR text) { m_progress.SetLabelText(text); }
    void LayoutControls() { m_progress.Layout(); }
    BOOL IsProgressShown() const { return m_progress.IsShown(); }
    CStatusBarProgress& Progress() { return m_progress; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CStatusBarProgress m_progress;
};
