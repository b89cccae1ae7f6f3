#include "frame/main_frame_host.h"

#include "frame/main_frame.h"
#include "platform/ui/win_app.h"

CMainFrame* CMainFrameHost::Frame() {
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    return frame && frame->GetSafeHwnd() && frame->IsCreated() ? frame : nullptr;
}

void CMainFrameHost::BroadcastUpdate(int kind) {
    if (CMainFrame* frame = Frame()) frame->BroadcastUpdate(kind);
}

void CMainFrameHost::RefreshPages(PageRefresh kind) {
    if (CMainFrame* frame = Frame()) frame->RefreshPages(kind);
}

void CMainFrameHost::RefreshAllPages(const CPageContent& content) {
    if (CMainFrame* frame = Frame()) frame->RefreshAllPages(content);
}

void CMainFrameHost::SetStatusText(const CString& text) {
    if (CMainFrame* frame = Frame()) frame->ShowStatusText(text);
}

IProgress& CMainFrameHost::ShowProgress(const CString& label) {
    CMainFrame* frame = Frame();
    if (!frame) return m_noProgress;
    CProgressStatusBar& bar = frame->GetStatusBar();
    bar.SetLabelText(label);
    bar.ShowProgress(TRUE);
    m_progress.m_pBar = &bar.Progress();
    return m_progress;
}

void CMainFrameHost::HideProgress() {
    m_progress.m_pBar = nullptr;
    if (CMainFrame* frame = Frame()) frame->GetStatusBar().ShowProgress(FALSE);
}

void CMainFrameHost::BeginWaitCursor() {
    if (CWinApp* app = AfxGetApp()) app->DoWaitCursor(1);
}

void CMainFrameHost::EndWaitCursor() {
    if (CWinApp* app = AfxGetApp()) app->DoWaitCursor(-1);
}

void CMainFrameHost::RestartAutoSaveTimer() {
    if (CMainFrame* frame = Frame()) frame->SetAutoSaveTimer();
}

void CMainFrameHost::CBarProgress::SetRange(int low, int high) {
    if (m_pBar) m_pBar->SetRange(low, high);
}

void CMainFrameHost::CBarProgress::SetPos(int pos) {
    if (m_pBar) m_pBar->SetPos(pos);
}

void CMainFrameHost::CBarProgress::SetStep(int step) {
    if (m_pBar) m_pBar->SetStep(step);
}

void CMainFrameHost::CBarProgress::StepIt() {
    if (m_pBar) m_pBar->StepIt();
}

void CMainFrameHost::FillMessagePanel() {
    if (CMainFrame* frame = Frame()) frame->FillMessagePanel();
}
