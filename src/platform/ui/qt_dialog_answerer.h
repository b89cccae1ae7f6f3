#pragma once
// The answerer of the running program: the real Qt dialogs, modal to their owner window.
#include "platform/ui/dialog_answerer.h"

class QWidget;

class CQtDialogAnswerer : public IDialogAnswerer {
public:
    int AskMessageBox(const CMessageBoxQuestion& question) override;
    int AskFile(const CFileDialogQuestion& question, std::vector<CString>& paths, int& filterIndex) override;
    int AskFolder(const CFolderDialogQuestion& question, CString& folder) override;
    int AskColor(const CColorDialogQuestion& question, COLORREF& color) override;
    int AskPrint(const CPrintQuestion& question, QPrinter& printer) override;
    int ShowPrintPreview(const CPrintQuestion& question, const CPreviewPages& pages) override;

    // The Qt widget that owns a dialog for a window (its top-level window), or the active
    // window when there is none.
    static QWidget* OwnerWidget(HWND owner);
};
