// The print preview draws its pages one at a time while the event loop runs, and prints them
// through the print dialog's answer.
#include "platform/ui/page_preview_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QSizeF>

#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"

namespace {

struct FakePages {
    int drawn = 0;
    std::vector<QString> printedTo;
    CPreviewPages Pages(int count) {
        CPreviewPages pages;
        pages.count = count;
        pages.pointSize = [](int) { return QSizeF(595, 842); };
        pages.render = [this](int, QSize pixels) {
            ++drawn;
            QImage page(pixels, QImage::Format_RGB32);
            page.fill(Qt::white);
            return page;
        };
        pages.print = [this](QPrinter& printer) {
            printedTo.push_back(printer.outputFileName());
            return true;
        };
        return pages;
    }
};

TEST(PagePreviewDialogTest, PagesAreDrawnAsTheLoopTurnsAndPrintGoesThroughThePrintDialog) {
    FakePages fake;
    const CPreviewPages pages = fake.Pages(30);
    CPrintQuestion question;
    question.documentName = L"Pages per person";
    CPagePreviewDialog dialog(question, pages, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pages per person"));
    // Nothing is drawn before the loop runs: the window shows at once.
    EXPECT_EQ(fake.drawn, 0);
    dialog.show();
    for (int i = 0; i < 200 && dialog.DrawnPages() < 30; ++i) vorn_test::ProcessEvents(5);
    EXPECT_EQ(dialog.DrawnPages(), 30);
    EXPECT_EQ(fake.drawn, 30);

    QPushButton* print = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().contains(QStringLiteral("Print"))) print = button;
    ASSERT_NE(print, nullptr);
    CScriptedAnswerer answerer;
    answerer.CancelPrint();
    answerer.AnswerPrintToPdf(L"/tmp/preview.pdf");
    print->click();
    EXPECT_FALSE(dialog.Printed()) << "the print dialog was cancelled";
    print->click();
    EXPECT_TRUE(dialog.Printed());
    ASSERT_EQ(fake.printedTo.size(), 1u);
    EXPECT_EQ(fake.printedTo[0], QStringLiteral("/tmp/preview.pdf"));
    ASSERT_EQ(answerer.m_printDialogs.size(), 2u);
    EXPECT_EQ(answerer.m_printDialogs[0].maxPage, 30);
}

}  // namespace
