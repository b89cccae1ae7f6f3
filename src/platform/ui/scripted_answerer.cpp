#include "platform/ui/scripted_answerer.h"

#include <QImage>
#include <QPrinter>
#include <QSizeF>

#include "platform/ui/message_box.h"

CScriptedAnswerer::CScriptedAnswerer() : m_previous(SetDialogAnswerer(this)) {}

CScriptedAnswerer::~CScriptedAnswerer() { SetDialogAnswerer(m_previous); }

int CScriptedAnswerer::AskMessageBox(const CMessageBoxQuestion& question) {
    m_messageBoxes.push_back(question);
    if (m_boxAnswers.empty()) {
        ++m_unanswered;
        int buttons[4];
        MessageBoxButtons(question.type, buttons);
        return buttons[MessageBoxDefaultButton(question.type)];
    }
    const int id = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return id;
}

int CScriptedAnswerer::AskFile(const CFileDialogQuestion& question, std::vector<CString>& paths, int& filterIndex) {
    m_fileDialogs.push_back(question);
    filterIndex = question.filterIndex;
    if (m_fileAnswers.empty()) {
        ++m_unanswered;
        return IDCANCEL;
    }
    FileAnswer answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (answer.result == IDOK) paths = answer.paths;
    return answer.result;
}

int CScriptedAnswerer::AskFolder(const CFolderDialogQuestion& question, CString& folder) {
    m_folderDialogs.push_back(question);
    if (m_folderAnswers.empty()) {
        ++m_unanswered;
        return IDCANCEL;
    }
    FolderAnswer answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    if (answer.result == IDOK) folder = answer.folder;
    return answer.result;
}

int CScriptedAnswerer::AskColor(const CColorDialogQuestion& question, COLORREF& color) {
    m_colorDialogs.push_back(question);
    if (m_colorAnswers.empty()) {
        ++m_unanswered;
        return IDCANCEL;
    }
    ColorAnswer answer = m_colorAnswers.front();
    m_colorAnswers.pop_front();
    if (answer.result == IDOK) color = answer.color;
    return answer.result;
}

int CScriptedAnswerer::AskPrint(const CPrintQuestion& question, QPrinter& printer) {
    m_printDialogs.push_back(question);
    if (m_printAnswers.empty()) {
        ++m_unanswered;
        return IDCANCEL;
    }
    FolderAnswer answer = m_printAnswers.front();
    m_printAnswers.pop_front();
    if (answer.result != IDOK) return answer.result;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdWString(answer.folder.GetString()));
    return IDOK;
}

int CScriptedAnswerer::ShowPrintPreview(const CPrintQuestion& question, const CPreviewPages& pages) {
    m_previews.push_back(question);
    if (m_previewAnswers.empty()) {
        ++m_unanswered;
        return IDCANCEL;
    }
    const CString path = m_previewAnswers.front();
    m_previewAnswers.pop_front();
    // As on screen: every page is drawn before it is printed.
    m_previewPages.clear();
    for (int i = 0; i < pages.count; ++i) {
        const QSizeF points = pages.pointSize(i);
        m_previewPages.push_back(pages.render(i, QSize(qRound(points.width()), qRound(points.height()))));
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdWString(path.GetString()));
    return pages.print(printer) ? IDOK : IDCANCEL;
}
