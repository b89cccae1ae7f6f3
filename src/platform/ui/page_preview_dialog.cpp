#include "platform/ui/page_preview_dialog.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSizeF>
#include <QTimer>
#include <QVBoxLayout>


namespace {

QSize PagePixels(const CPreviewPages& pages, int i) {
    const QSizeF points = pages.pointSize(i);
    if (points.width() <= 0 || points.height() <= 0) return {CPagePreviewDialog::kPageWidth, CPagePreviewDialog::kPageWidth * 297 / 210};
    return {CPagePreviewDialog::kPageWidth, qRound(CPagePreviewDialog::kPageWidth * points.height() / points.width())};
}

}  // namespace

CPagePreviewDialog::CPagePreviewDialog(const CPrintQuestion& question, const CPreviewPages& pages, QWidget* parent)
    : QDialog(parent), m_question(question), m_pages(pages) {
    setWindowTitle(QString::fromStdWString(question.documentName.GetString()));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* sheet = new QWidget(scroll);
    auto* column = new QVBoxLayout(sheet);
    column->setSpacing(12);
    // Every page has its place from the start; each is filled when it is drawn.
    for (int i = 0; i < pages.count; ++i) {
        auto* label = new QLabel(sheet);
        label->setFixedSize(PagePixels(pages, i));
        label->setAutoFillBackground(true);
        label->setStyleSheet(QStringLiteral("background:white;"));
        column->addWidget(label, 0, Qt::AlignHCenter);
        m_labels.push_back(label);
    }
    column->addStretch();
    scroll->setWidget(sheet);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(QDialogButtonBox::Ok);
    print->setText(QObject::tr("&Print..."));
    buttons->addButton(QDialogButtonBox::Close);
    connect(print, &QPushButton::clicked, this, [this] { Print(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(kPageWidth + 80, 800);
    m_timer = new QTimer(this);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, [this] { DrawNextPage(); });
    if (pages.count > 0) m_timer->start();
}

void CPagePreviewDialog::DrawNextPage() {
    if (m_drawn >= m_pages.count) {
        m_timer->stop();
        return;
    }
    QLabel* label = m_labels[static_cast<std::size_t>(m_drawn)];
    const qreal ratio = devicePixelRatioF();
    QPixmap page = QPixmap::fromImage(m_pages.render(m_drawn, label->size() * ratio));
    page.setDevicePixelRatio(ratio);
    label->setPixmap(page);
    ++m_drawn;
}

void CPagePreviewDialog::Print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_question.documentName.IsEmpty()) printer.setDocName(QString::fromStdWString(m_question.documentName.GetString()));
    CPrintQuestion question = m_question;
    question.minPage = 1;
    question.maxPage = m_pages.count;
    if (GetDialogAnswerer().AskPrint(question, printer) != IDOK) return;
    m_printed = m_pages.print(printer);
    if (m_printed) accept();
}
