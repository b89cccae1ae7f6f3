#include "platform/ui/printer_dc.h"

#include <QPageLayout>
#include <QPrinter>

#include "platform/ui/dc_record.h"

namespace {

// The printable area of a page at 96 pixels per inch.
QImage PagePicture(QPrinter* printer) {
    QSize size(794, 1123);  // A4
    if (printer) {
        const QRectF inches = printer->pageLayout().paintRect(QPageLayout::Inch);
        if (inches.width() > 0 && inches.height() > 0)
            size = QSize(qRound(inches.width() * 96), qRound(inches.height() * 96));
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

CPrinterDC::CPrinterDC(QPrinter* printer)
    : vorn_ui::PrinterPage{PagePicture(printer)}, CImageDC(&m_page), m_printer(printer) {
    m_hDC->printer = true;
}

CPrinterDC::~CPrinterDC() {
    if (m_inDoc) EndDoc();
}

int CPrinterDC::StartDoc(LPCTSTR lpszDocName) {
    DOCINFO info;
    info.lpszDocName = lpszDocName;
    return StartDoc(&info);
}

int CPrinterDC::StartDoc(DOCINFO* lpDocInfo) {
    if (!m_printer || m_inDoc) return SP_ERROR;
    if (lpDocInfo && lpDocInfo->lpszDocName) m_printer->setDocName(QString::fromStdWString(lpDocInfo->lpszDocName));
    if (lpDocInfo && lpDocInfo->lpszOutput && *lpDocInfo->lpszOutput) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(QString::fromStdWString(lpDocInfo->lpszOutput));
    }
    if (!m_painter.begin(m_printer)) return SP_ERROR;
    m_inDoc = true;
    m_pagesDone = 0;
    return 1;
}

int CPrinterDC::StartPage() {
    if (!m_inDoc || m_inPage) return SP_ERROR;
    m_page.fill(Qt::white);
    m_inPage = true;
    return 1;
}

int CPrinterDC::EndPage() {
    if (!m_inDoc || !m_inPage) return SP_ERROR;
    if (m_pagesDone > 0 && !m_printer->newPage()) return SP_ERROR;
    const QRect target(QPoint(0, 0), QSize(m_painter.device()->width(), m_painter.device()->height()));
    m_painter.drawImage(target, m_page);
    m_inPage = false;
    ++m_pagesDone;
    return 1;
}

int CPrinterDC::EndDoc() {
    if (!m_inDoc) return SP_ERROR;
    if (m_inPage) EndPage();
    m_inDoc = false;
    return m_painter.end() ? 1 : SP_ERROR;
}

int CPrinterDC::AbortDoc() {
    if (!m_inDoc) return SP_ERROR;
    m_printer->abort();
    m_inDoc = false;
    m_inPage = false;
    m_painter.end();
    return 1;
}
