#pragma once
// CPrintDialog: choosing the printer, the pages and the copies, through the dialog answerer
// (a test answers with a PDF file). CreatePrinterDC then gives a device context that draws
// pages for that printer.
#include <memory>

#include <QPrinter>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"
#include "platform/ui/gdi_defs.h"

class CWnd;
class CPrinterDC;

// PRINTDLG flags
inline constexpr DWORD PD_ALLPAGES = 0x00000000, PD_SELECTION = 0x00000001, PD_PAGENUMS = 0x00000002;
inline constexpr DWORD PD_NOSELECTION = 0x00000004, PD_NOPAGENUMS = 0x00000008, PD_COLLATE = 0x00000010;
inline constexpr DWORD PD_PRINTTOFILE = 0x00000020, PD_PRINTSETUP = 0x00000040, PD_RETURNDC = 0x00000100;
inline constexpr DWORD PD_RETURNDEFAULT = 0x00000400, PD_USEDEVMODECOPIES = 0x00040000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

struct PRINTDLG {
    DWORD Flags = 0;
    WORD nFromPage = 1;
    WORD nToPage = 0xFFFF;
    WORD nMinPage = 1;
    WORD nMaxPage = 0xFFFF;
    WORD nCopies = 1;
};

class CPrintDialog {
public:
    PRINTDLG m_pd;

    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    virtual ~CPrintDialog();

    // IDOK when the user chose to print; m_pd then holds the choice.
    virtual INT_PTR DoModal();
    // The default printer without asking.
    BOOL GetDefaults();

    int GetCopies() const { return m_pd.nCopies; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    CString GetDeviceName() const;

    // A device context for the chosen printer; owned by the dialog.
    CPrinterDC* CreatePrinterDC();
    HDC GetPrinterDC() const;
    QPrinter& GetPrinter() { return m_printer; }

private:
    BOOL m_bPrintSetupOnly;
    CWnd* m_pParent;
    QPrinter m_printer;
    std::unique_ptr<CPrinterDC> m_dc;
};
