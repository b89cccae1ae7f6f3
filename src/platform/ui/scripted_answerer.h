#pragma once
// A dialog answerer for tests: it gives the answers queued with the Answer... calls, in order
// of the questions of each kind, and records every question. A question without a queued
// answer is answered at once without a choice (message box: its default button; the other
// dialogs: IDCANCEL) and counted as unanswered, so a test never blocks.
//
//   CScriptedAnswerer answerer;                 // installed until it goes out of scope
//   answerer.AnswerMessageBox(IDYES);
//   answerer.AnswerFile(L"/tmp/plan.xml");
//   ... run the code ...
//   EXPECT_EQ(answerer.m_messageBoxes[0].caption, L"Question");
#include <QImage>

#include <deque>
#include <vector>

#include "platform/ui/dialog_answerer.h"

class CScriptedAnswerer : public IDialogAnswerer {
public:
    // Installs itself as the answerer; the destructor puts the previous one back.
    CScriptedAnswerer();
    ~CScriptedAnswerer() override;
    CScriptedAnswerer(const CScriptedAnswerer&) = delete;
    CScriptedAnswerer& operator=(const CScriptedAnswerer&) = delete;

    void AnswerMessageBox(int id) { m_boxAnswers.push_back(id); }
    void AnswerFile(const CString& path) { m_fileAnswers.push_back({IDOK, {path}}); }
    void AnswerFiles(const std::vector<CString>& paths) { m_fileAnswers.push_back({IDOK, paths}); }
    void CancelFile() { m_fileAnswers.push_back({IDCANCEL, {}}); }
    void AnswerFolder(const CString& folder) { m_folderAnswers.push_back({IDOK, folder}); }
    void CancelFolder() { m_folderAnswers.push_back({IDCANCEL, CString()}); }
    void AnswerColor(COLORREF color) { m_colorAnswers.push_back({IDOK, color}); }
    void CancelColor() { m_colorAnswers.push_back({IDCANCEL, 0}); }
    // The print dialog answers OK with the printer writing a PDF file there.
    void AnswerPrintToPdf(const CString& pdfPath) { m_printAnswers.push_back({IDOK, pdfPath}); }
    void CancelPrint() { m_printAnswers.push_back({IDCANCEL, CString()}); }
    // The preview draws every page and prints them to a PDF file there (IDOK).
    void AnswerPreviewToPdf(const CString& pdfPath) { m_previewAnswers.push_back(pdfPath); }

    int AskMessageBox(const CMessageBoxQuestion& question) override;
    int AskFile(const CFileDialogQuestion& question, std::vector<CString>& paths, int& filterIndex) override;
    int AskFolder(const CFolderDialogQuestion& question, CString& folder) override;
    int AskColor(const CColorDialogQuestion& question, COLORREF& color) override;
    int AskPrint(const CPrintQuestion& question, QPrinter& printer) override;
    int ShowPrintPreview(const CPrintQuestion& question, const CPreviewPages& pages) override;

    // What was asked, in order.
    std::vector<CMessageBoxQuestion> m_messageBoxes;
    std::vector<CFileDialogQuestion> m_fileDialogs;
    std::vector<CFolderDialogQuestion> m_folderDialogs;
    std::vector<CColorDialogQuestion> m_colorDialogs;
    std::vector<CPrintQuestion> m_printDialogs;
    std::vector<CPrintQuestion> m_previews;
    // The pages the last preview drew, at one pixel a point.
    std::vector<QImage> m_previewPages;
    // Questions that found no queued answer.
    int m_unanswered = 0;

private:
    struct FileAnswer {
        int result;
        std::vector<CString> paths;
    };
    struct FolderAnswer {
        int result;
        CString folder;
    };
    struct ColorAnswer {
        int result;
        COLORREF color;
    };
    std::deque<int> m_boxAnswers;
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<FolderAnswer> m_folderAnswers;
    std::deque<ColorAnswer> m_colorAnswers;
    std::deque<FolderAnswer> m_printAnswers;
    std::deque<CString> m_previewAnswers;
    IDialogAnswerer* m_previous = nullptr;
};
