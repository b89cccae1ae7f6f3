// Printing through the print dialog's answer into a PDF file.
#include "platform/ui/printer_dc.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/ui/print_dialog.h"
#include "platform/ui/print_info.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"

namespace {

// The number of page objects in a PDF file written by Qt.
int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    if (!bytes.startsWith("%PDF-")) return -1;
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page/") +
                            bytes.count("/Type /Page "));
}

TEST(PrintingTest, TwoPagesDrawnOnThePrinterDcEndUpInThePdf) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    CScriptedAnswerer answerer;
    answerer.AnswerPrintToPdf(CString(pdf.toStdWString()));
    CPrintInfo info;
    info.SetMinPage(1);
    info.SetMaxPage(2);
    ASSERT_EQ(info.m_pPD->DoModal(), IDOK);
    ASSERT_EQ(answerer.m_printDialogs.size(), 1u);
    EXPECT_EQ(answerer.m_printDialogs[0].maxPage, 2);
    EXPECT_TRUE(info.m_pPD->PrintAll());

    CPrinterDC* dc = info.m_pPD->CreatePrinterDC();
    ASSERT_GT(dc->StartDoc(L"Week plan"), 0);
    const CSize page = dc->GetPageSize();
    EXPECT_EQ(dc->GetDeviceCaps(HORZRES), page.cx);
    EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSY), 96);
    // Drawing code that buffers the screen draws on a printer directly.
    EXPECT_TRUE(dc->IsPrinting());
    EXPECT_EQ(dc->GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    EXPECT_FALSE(screen.IsPrinting());
    EXPECT_EQ(screen.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
        ASSERT_GT(dc->StartPage(), 0);
        dc->FillSolidRect(CRect(40, 40, 240, 140), RGB(0, 0, 160));
        CString title;
        title.Format(L"Page %d", static_cast<int>(info.m_nCurPage));
        dc->TextOut(40, 160, title);
        EXPECT_EQ(dc->GetPixel(100, 100), RGB(0, 0, 160));
        EXPECT_EQ(dc->GetPixel(300, 100), RGB(255, 255, 255));
        if (info.m_nCurPage == 1) vorn_test::SavePicture(dc, "printed_page.png");
        ASSERT_GT(dc->EndPage(), 0);
    }
    ASSERT_GT(dc->EndDoc(), 0);
    EXPECT_EQ(dc->GetPageCount(), 2);
    EXPECT_EQ(PdfPages(pdf), 2);
}

TEST(PrintingTest, CancelledDialogAndCallsOutOfOrderPrintNothing) {
    CScriptedAnswerer answerer;
    answerer.CancelPrint();
    CPrintDialog dlg(FALSE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("none.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    CPrinterDC dc(&printer);
    EXPECT_EQ(dc.StartPage(), SP_ERROR);  // no document started
    EXPECT_EQ(dc.EndDoc(), SP_ERROR);
    DOCINFO doc;
    doc.lpszDocName = L"x";
    ASSERT_GT(dc.StartDoc(&doc), 0);
    EXPECT_EQ(dc.StartDoc(&doc), SP_ERROR);  // one document at a time
    EXPECT_EQ(dc.EndPage(), SP_ERROR);       // no page started
    EXPECT_GT(dc.AbortDoc(), 0);
    EXPECT_EQ(dc.GetPageCount(), 0);
}

}  // namespace
