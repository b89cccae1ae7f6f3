#include "platform/ui_web/pdf_pages.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <string_view>

#include "platform/core/atomic_file.h"
#include "platform/core/cstring.h"

namespace {

// Pages for a real printer are drawn at no more than this many dots per inch.
constexpr int kPrintDpi = 300;

}  // namespace

CPdfPages::CPdfPages(QByteArray pdf) : m_pdf(std::move(pdf)), m_document(std::make_unique<QPdfDocument>()) {
    // The document reads a file at once; from a device it would load later, in steps.
    m_file = std::make_unique<QTemporaryFile>();
    if (m_pdf.isEmpty() || !m_file->open() || m_file->write(m_pdf) != m_pdf.size() || !m_file->flush()) return;
    m_document->load(m_file->fileName());
}

CPdfPages::~CPdfPages() = default;

int CPdfPages::Count() const {
    return m_document->status() == QPdfDocument::Status::Ready ? m_document->pageCount() : 0;
}

QSizeF CPdfPages::PointSize(int i) const { return m_document->pagePointSize(i); }

QImage CPdfPages::Render(int i, QSize pixels) const {
    QImage page = m_document->render(i, pixels);
    if (page.isNull()) return page;
    // The engine leaves the paper transparent.
    QImage paper(page.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, page);
    return paper;
}

bool CPdfPages::Print(QPrinter& printer) const {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const CString path(printer.outputFileName().toStdWString());
        return WriteFileAtomically(path, std::string_view(m_pdf.constData(), static_cast<std::size_t>(m_pdf.size())));
    }
    const int count = Count();
    if (count == 0) return false;
    int first = 1, last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    // The PDF's pages carry their margins: they go onto the whole sheet.
    printer.setFullPage(true);
    QPainter painter;
    if (first > last || !painter.begin(&printer)) return false;
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    const int dpi = std::min(kPrintDpi, printer.resolution());
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) return false;
        const QSizeF points = PointSize(page - 1);
        const QSize pixels(qRound(points.width() * dpi / 72.0), qRound(points.height() * dpi / 72.0));
        painter.drawImage(QRectF(QPointF(0, 0), sheet.size()), Render(page - 1, pixels));
    }
    return painter.end();
}
