#pragma once
// The document store's host: the main frame (the application's main window) and its pages.
// Every call finds the main window anew, so the store may outlive the frame; without a main
// window the calls do nothing.
#include "model/model_host.h"

class CMainFrame;
class CStatusBarProgress;

class CMainFrameHost : public IModelHost {
public:
    void BroadcastUpdate(int kind) override;
    void RefreshPages(PageRefresh kind) override;
    void RefreshAllPages(const CPageContent& content) override;
    void SetStatusText(const CString& text) override;
    IProgress& ShowProgress(const CString& label) override;
    void HideProgress() override;
    void FillMessagePanel() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void RestartAutoSaveTimer() override;

    static CMainFrame* Frame();

private:
    // The status bar's progress control as the store drives it.
    class CBarProgress : public IProgress {
    public:
        CStatusBarProgress* m_pBar = nullptr;
        void SetRange(int low, int high) override;
        void SetPos(int pos) override;
        void SetStep(int step) override;
        void StepIt() override;
    };
    CBarProgress m_progress;
    IProgress m_noProgress;
};
