#include "platform/ui/print_dialog.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include "platform/ui/dialog_answerer.h"
#include "platform/ui/printer_dc.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_bPrintSetupOnly(bPrintSetupOnly), m_pParent(pParentWnd), m_printer(QPrinter::HighResolution) {
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
}

CPrintDialog::~CPrintDialog() = default;

INT_PTR CPrintDialog::DoModal() {
    if (!vorn_ui::RequireUiThread("CPrintDialog::DoModal")) return IDCANCEL;
    CPrintQuestion q;
    CWnd* owner = m_pParent ? m_pParent : AfxGetMainWnd();
    q.owner = owner ? owner->GetSafeHwnd() : nullptr;
    q.flags = m_pd.Flags;
    q.minPage = m_pd.nMinPage;
    q.maxPage = m_pd.nMaxPage;
    q.fromPage = m_pd.nFromPage;
    q.toPage = m_pd.nToPage;
    q.copies = m_pd.nCopies;
    if (GetDialogAnswerer().AskPrint(q, m_printer) != IDOK) return IDCANCEL;
    m_pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
    switch (m_printer.printRange()) {
    case QPrinter::PageRange:
        m_pd.Flags |= PD_PAGENUMS;
        m_pd.nFromPage = static_cast<WORD>(m_printer.fromPage());
        m_pd.nToPage = static_cast<WORD>(m_printer.toPage());
        break;
    case QPrinter::Selection: m_pd.Flags |= PD_SELECTION; break;
    default: break;
    }
    m_pd.nCopies = static_cast<WORD>(m_printer.copyCount());
    return IDOK;
}

BOOL CPrintDialog::GetDefaults() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return FALSE;
    m_printer.setPrinterName(info.printerName());
    return TRUE;
}

CString CPrintDialog::GetDeviceName() const {
    if (m_printer.outputFormat() == QPrinter::PdfFormat) return CString(m_printer.outputFileName().toStdWString());
    return CString(m_printer.printerName().toStdWString());
}

CPrinterDC* CPrintDialog::CreatePrinterDC() {
    m_dc = std::make_unique<CPrinterDC>(&m_printer);
    return m_dc.get();
}

HDC CPrintDialog::GetPrinterDC() const { return m_dc ? m_dc->GetSafeHdc() : nullptr; }
