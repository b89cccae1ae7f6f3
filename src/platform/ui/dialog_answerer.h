#pragma once
// The one place where the program asks the user something through a standard dialog: message
// boxes, file, folder and colour dialogs. The program answers with the real Qt dialogs; a test
// installs a scripted answerer that gives the answers it was told and records every question,
// so no test ever waits on a dialog.
#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/colors.h"
#include "platform/core/win_types.h"
#include "platform/ui/window_defs.h"

// A message box: the text, the caption and the MB_* type (buttons, icon, default button).
struct CMessageBoxQuestion {
    HWND owner = nullptr;
    CString text;
    CString caption;
    UINT type = 0;
};

// An open or save dialog, with what the caller gave: the filter in the "name|pattern|" form,
// the default extension, the initial file name or folder and the OFN_* flags.
struct CFileDialogQuestion {
    HWND owner = nullptr;
    bool open = true;
    CString title;
    CString filter;
    int filterIndex = 1;  // 1-based, as the caller gave it
    CString defaultExt;
    CString fileName;
    CString initialDir;
    DWORD flags = 0;
};

// A folder chooser: its title, the folder it starts at and the BIF_* flags.
struct CFolderDialogQuestion {
    HWND owner = nullptr;
    CString title;
    CString initialFolder;
    UINT flags = 0;
};

// A colour chooser: the initial colour and the CC_* flags.
struct CColorDialogQuestion {
    HWND owner = nullptr;
    COLORREF initial = 0;
    DWORD flags = 0;
};

// A print dialog (and the print preview): the PD_* flags, the page range offered and chosen,
// the number of copies and the name of the document.
struct CPrintQuestion {
    HWND owner = nullptr;
    DWORD flags = 0;
    int minPage = 1;
    int maxPage = 0xFFFF;
    int fromPage = 1;
    int toPage = 0xFFFF;
    int copies = 1;
    CString documentName;
};

class QPrinter;
class QImage;
class QSize;
class QSizeF;

// The pages a print preview shows, and how they go to a printer.
struct CPreviewPages {
    int count = 0;
    // Page i's size in points.
    std::function<QSizeF(int i)> pointSize;
    // Page i drawn in the pixel size.
    std::function<QImage(int i, QSize pixels)> render;
    // Prints the pages on the printer that the print dialog set up; false on failure.
    std::function<bool(QPrinter& printer)> print;
};

class IDialogAnswerer {
public:
    virtual ~IDialogAnswerer() = default;
    // The ID* of the button chosen.
    virtual int AskMessageBox(const CMessageBoxQuestion& question) = 0;
    // IDOK with the chosen paths (one unless the question allows several), or IDCANCEL.
    // filterIndex receives the 1-based filter the user had chosen.
    virtual int AskFile(const CFileDialogQuestion& question, std::vector<CString>& paths, int& filterIndex) = 0;
    // IDOK with the chosen folder, or IDCANCEL.
    virtual int AskFolder(const CFolderDialogQuestion& question, CString& folder) = 0;
    // IDOK with the chosen colour, or IDCANCEL.
    virtual int AskColor(const CColorDialogQuestion& question, COLORREF& color) = 0;
    // IDOK with the printer set up (printer, output file, page range, copies), or IDCANCEL.
    virtual int AskPrint(const CPrintQuestion& question, QPrinter& printer) = 0;
    // Shows the pages, each as soon as it is drawn; the user may print them from there (through
    // the print dialog). IDOK when they were printed, IDCANCEL when the preview was closed.
    virtual int ShowPrintPreview(const CPrintQuestion& question, const CPreviewPages& pages) = 0;
};

// The answerer in use: the one installed, else the Qt dialogs. Never null.
IDialogAnswerer& GetDialogAnswerer();
// Installs an answerer (not owned); null goes back to the Qt dialogs. Returns the previous
// one installed (null for the Qt dialogs).
IDialogAnswerer* SetDialogAnswerer(IDialogAnswerer* answerer);
