#include "platform/ui/qt_dialog_answerer.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "platform/ui/color_dialog.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/page_preview_dialog.h"
#include "platform/ui/wnd.h"

namespace {

QString ToQt(const CString& s) { return QString::fromStdWString(s.GetString()); }
CString FromQt(const QString& s) { return CString(s.toStdWString()); }

QMessageBox::StandardButton QtButton(int id) {
    switch (id) {
    case IDOK: return QMessageBox::Ok;
    case IDCANCEL: return QMessageBox::Cancel;
    case IDABORT: return QMessageBox::Abort;
    case IDRETRY: return QMessageBox::Retry;
    case IDIGNORE: return QMessageBox::Ignore;
    case IDYES: return QMessageBox::Yes;
    case IDNO: return QMessageBox::No;
    case IDTRYAGAIN: return QMessageBox::RestoreDefaults;  // shown as "Try Again" below
    case IDCONTINUE: return QMessageBox::Apply;           // shown as "Continue" below
    default: return QMessageBox::NoButton;
    }
}

QMessageBox::Icon QtIcon(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Windows masks as Qt masks: "*.*" means every file there.
QString QtMasks(const CString& masks) {
    QStringList list;
    for (QString m : ToQt(masks).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        m = m.trimmed();
        list << (m == QLatin1String("*.*") ? QStringLiteral("*") : m);
    }
    return list.join(QLatin1Char(' '));
}

// "XML file (*.xml)" + "*.xml" -> "XML file (*.xml)"; Qt reads the masks from the last
// parentheses, so a name that carries its own are replaced by the real masks.
QString QtFilter(const CFileFilter& f) {
    QString name = ToQt(f.name).trimmed();
    if (name.endsWith(QLatin1Char(')'))) {
        const int open = name.lastIndexOf(QLatin1Char('('));
        if (open > 0) name = name.left(open).trimmed();
    }
    return name + QStringLiteral(" (") + QtMasks(f.masks) + QLatin1Char(')');
}

}  // namespace

QWidget* CQtDialogAnswerer::OwnerWidget(HWND owner) {
    if (owner) {
        if (CWnd* wnd = CWnd::FromHandle(owner)) {
            if (QWidget* w = wnd->GetWidget()) {
                // An owner that a modal dialog has disabled hands the box to that dialog, as the
                // box would otherwise raise the owner above the dialog and leave it hidden.
                QWidget* window = w->window();
                QWidget* modal = QApplication::activeModalWidget();
                if (!window->isEnabled() && modal && modal != window) return modal;
                return window;
            }
        }
    }
    return QApplication::activeWindow();
}

int CQtDialogAnswerer::AskMessageBox(const CMessageBoxQuestion& question) {
    QMessageBox box(QtIcon(question.type), ToQt(question.caption), ToQt(question.text), QMessageBox::NoButton,
                    OwnerWidget(question.owner));
    int ids[4];
    const int count = MessageBoxButtons(question.type, ids);
    QAbstractButton* buttons[4] = {};
    for (int i = 0; i < count; ++i) {
        QPushButton* b = box.addButton(QtButton(ids[i]));
        if (ids[i] == IDTRYAGAIN) b->setText(QObject::tr("&Try Again"));
        if (ids[i] == IDCONTINUE) b->setText(QObject::tr("&Continue"));
        buttons[i] = b;
    }
    box.setDefaultButton(static_cast<QPushButton*>(buttons[MessageBoxDefaultButton(question.type)]));
    // Escape gives Cancel where there is one; a box with a single OK closes with OK.
    for (int i = 0; i < count; ++i)
        if (ids[i] == IDCANCEL || count == 1) box.setEscapeButton(buttons[i]);
    if (question.type & (MB_TOPMOST | MB_SYSTEMMODAL)) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (int i = 0; i < count; ++i)
        if (clicked == buttons[i]) return ids[i];
    // Closed without a button: Cancel where offered, else the only button.
    for (int i = 0; i < count; ++i)
        if (ids[i] == IDCANCEL) return IDCANCEL;
    return count == 1 ? ids[0] : IDCANCEL;
}

int CQtDialogAnswerer::AskFile(const CFileDialogQuestion& question, std::vector<CString>& paths, int& filterIndex) {
    QFileDialog dialog(OwnerWidget(question.owner), ToQt(question.title));
    dialog.setAcceptMode(question.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (question.open)
        dialog.setFileMode((question.flags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                           : (question.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                  : QFileDialog::AnyFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    if (!question.open && !(question.flags & OFN_OVERWRITEPROMPT)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const CFileFilter& f : ParseFileFilter(question.filter)) filters << QtFilter(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = question.filterIndex >= 1 && question.filterIndex <= filters.size() ? question.filterIndex : 1;
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!question.defaultExt.IsEmpty()) dialog.setDefaultSuffix(ToQt(question.defaultExt));
    if (!question.initialDir.IsEmpty()) dialog.setDirectory(ToQt(question.initialDir));
    if (!question.fileName.IsEmpty()) dialog.selectFile(ToQt(question.fileName));
    if (dialog.exec() != QDialog::Accepted) return IDCANCEL;
    for (const QString& path : dialog.selectedFiles()) paths.push_back(FromQt(path));
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (filterIndex < 1) filterIndex = 1;
    return paths.empty() ? IDCANCEL : IDOK;
}

int CQtDialogAnswerer::AskFolder(const CFolderDialogQuestion& question, CString& folder) {
    const QString chosen = QFileDialog::getExistingDirectory(OwnerWidget(question.owner), ToQt(question.title),
                                                             ToQt(question.initialFolder));
    if (chosen.isEmpty()) return IDCANCEL;
    folder = FromQt(chosen);
    return IDOK;
}

int CQtDialogAnswerer::AskColor(const CColorDialogQuestion& question, COLORREF& color) {
    const QColor initial(GetRValue(question.initial), GetGValue(question.initial), GetBValue(question.initial));
    const QColor chosen = QColorDialog::getColor(initial, OwnerWidget(question.owner));
    if (!chosen.isValid()) return IDCANCEL;
    color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return IDOK;
}

int CQtDialogAnswerer::AskPrint(const CPrintQuestion& question, QPrinter& printer) {
    QPrintDialog dialog(&printer, OwnerWidget(question.owner));
    if (question.maxPage >= question.minPage) dialog.setMinMax(question.minPage, question.maxPage);
    if (question.fromPage >= question.minPage && question.toPage <= question.maxPage &&
        question.fromPage <= question.toPage && question.toPage != 0xFFFF)
        printer.setFromTo(question.fromPage, question.toPage);
    printer.setCopyCount(question.copies > 0 ? question.copies : 1);
    if (!question.documentName.IsEmpty()) printer.setDocName(ToQt(question.documentName));
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

int CQtDialogAnswerer::ShowPrintPreview(const CPrintQuestion& question, const CPreviewPages& pages) {
    CPagePreviewDialog dialog(question, pages, OwnerWidget(question.owner));
    dialog.exec();
    return dialog.Printed() ? IDOK : IDCANCEL;
}
