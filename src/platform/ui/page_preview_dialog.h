#pragma once
// CPagePreviewDialog: the print preview of the Qt dialogs. It lists the pages one under the
// other and draws them one at a time while the event loop runs, so that the first pages show
// at once and the window answers input while the others are drawn. Its Print button asks the
// print dialog and prints the pages.
#include <QDialog>

#include <vector>

#include "platform/ui/dialog_answerer.h"

class QLabel;
class QTimer;
class QVBoxLayout;

class CPagePreviewDialog : public QDialog {
public:
    // The pages are shown this many pixels wide.
    static constexpr int kPageWidth = 640;

    CPagePreviewDialog(const CPrintQuestion& question, const CPreviewPages& pages, QWidget* parent);
    // The pages drawn so far.
    int DrawnPages() const { return m_drawn; }
    // True when the user printed the pages.
    bool Printed() const { return m_printed; }

private:
    void DrawNextPage();
    void Print();

    CPrintQuestion m_question;
    const CPreviewPages& m_pages;
    std::vector<QLabel*> m_labels;
    QTimer* m_timer = nullptr;
    int m_drawn = 0;
    bool m_printed = false;
};
