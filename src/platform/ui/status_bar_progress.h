#pragma once
// CStatusBarProgress: a progress control and a text label shown inside a status bar while a
// long operation runs. Both are children of the bar, hidden until Show. Shown over a pane,
// they take that pane's room and the pane's text is put back when they are hidden; shown over
// the whole bar (no pane), they cover it from the left and the bar leaves its panes unpainted
// while IsShown() (see CStatusBar::OnPaint).
#include "platform/core/cstring.h"
#include "platform/ui/progress_ctrl.h"
#include "platform/ui/static.h"
#include "platform/ui/status_bar.h"

class CStatusBarProgress {
public:
    static constexpr int kWholeBar = -1;
    static constexpr UINT kLabelId = 0xFFFF;

    // Creates the hidden progress control and label as children of pBar; the label takes the
    // bar's font. Fails when the bar has no window or a child cannot be created.
    BOOL Create(CStatusBar* pBar);

    // Lays the part out over the pane (or the whole bar), shows it and repaints the bar at once.
    // Showing again while shown lays out and repaints again.
    void Show(int nPane = kWholeBar);
    // Hides the part, puts the covered pane's text back and repaints the bar at once.
    void Hide();
    BOOL IsShown() const { return m_shown; }
    // Moves the children to the room they cover (after the bar changed size, for instance).
    void Layout();

    // The label's text; while shown the part is laid out and repainted at once.
    void SetLabelText(LPCTSTR lpszText);
    CString GetLabelText() const;
    // The progress control's width in pixels (the label takes the room after it).
    void SetProgressWidth(int cx);
    int GetProgressWidth() const { return m_progressWidth; }

    void SetRange(int nLower, int nUpper) { m_progress.SetRange32(nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper) const { m_progress.GetRange(nLower, nUpper); }
    int SetPos(int nPos) { return m_progress.SetPos(nPos); }
    int GetPos() const { return m_progress.GetPos(); }
    int SetStep(int nStep) { return m_progress.SetStep(nStep); }
    int StepIt() { return m_progress.StepIt(); }

    CProgressCtrl& GetProgressCtrl() { return m_progress; }
    CStatic& GetLabel() { return m_label; }

private:
    void RestorePane();
    void Repaint();

    CStatusBar* m_bar = nullptr;
    CProgressCtrl m_progress;
    CStatic m_label;
    BOOL m_shown = FALSE;
    int m_progressWidth = 160;
    int m_pane = kWholeBar;    // the pane covered while shown
    CString m_savedPaneText;   // its text before it was covered
};
