#pragma once
// CPdfPages: the pages of a PDF document held in memory, drawn one at a time (for a preview
// that shows each page as soon as it is drawn) or sent to a printer. A printer that writes a
// PDF file gets the document's own bytes, so that text stays text; a real printer gets each
// page drawn at its resolution.
#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <memory>

class QPdfDocument;
class QPrinter;
class QTemporaryFile;

class CPdfPages {
public:
    explicit CPdfPages(QByteArray pdf);
    ~CPdfPages();
    CPdfPages(const CPdfPages&) = delete;
    CPdfPages& operator=(const CPdfPages&) = delete;

    // 0 when the bytes are no readable PDF.
    int Count() const;
    // Page i's size in points (1/72 inch).
    QSizeF PointSize(int i) const;
    // Page i drawn to fit the pixel size (white where the page draws nothing).
    QImage Render(int i, QSize pixels) const;
    // Prints the pages in the printer's range (all when it has none). False when the file
    // could not be written or the printer could not start.
    bool Print(QPrinter& printer) const;
    const QByteArray& Bytes() const { return m_pdf; }

private:
    QByteArray m_pdf;
    std::unique_ptr<QTemporaryFile> m_file;
    std::unique_ptr<QPdfDocument> m_document;
};
