#pragma once
// CPrinterDC: a device context that draws printer pages. Each page is drawn on a picture of
// the printable area at 96 pixels per inch (what GetDeviceCaps reports), which EndPage puts
// on the printer's page; the printer may be a PDF file.
//
//   CPrinterDC dc(&printer);
//   dc.StartDoc(L"Week plan");
//   dc.StartPage(); ... draw ... dc.EndPage();
//   dc.EndDoc();
#include <QImage>
#include <QPainter>

#include "platform/core/cstring.h"
#include "platform/ui/client_dc.h"

class QPrinter;

inline constexpr int SP_ERROR = -1;

struct DOCINFO {
    int cbSize = sizeof(DOCINFO);
    LPCTSTR lpszDocName = nullptr;
    LPCTSTR lpszOutput = nullptr;  // a file to print to (a PDF file here)
    LPCTSTR lpszDatatype = nullptr;
    DWORD fwType = 0;
};

namespace vorn_ui {
// Holds the page picture so that it exists before the DC that draws on it.
struct PrinterPage {
    QImage m_page;
};
}  // namespace vorn_ui

class CPrinterDC : private vorn_ui::PrinterPage, public CImageDC {
public:
    // printer is not owned and must outlive the DC.
    explicit CPrinterDC(QPrinter* printer);
    ~CPrinterDC() override;

    // Each returns a value above 0 on success, SP_ERROR (or 0) on failure.
    int StartDoc(LPCTSTR lpszDocName);
    int StartDoc(DOCINFO* lpDocInfo);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();

    // The size of the page picture in pixels (96 per inch).
    CSize GetPageSize() const { return CSize(m_page.width(), m_page.height()); }
    int GetPageCount() const { return m_pagesDone; }

private:
    QPrinter* m_printer;
    QPainter m_painter;
    bool m_inDoc = false;
    bool m_inPage = false;
    int m_pagesDone = 0;
};
