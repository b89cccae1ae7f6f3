#include "options_engine/import_frame.h"

#include "model/schedule_data.h"
#include "options_engine/import_lines.h"
#include "options_engine/import_text_source.h"
#include "platform/core/load_res_string.h"

CImportFrame::~CImportFrame() { EndProgress(); }

bool CImportFrame::Begin(IImportTextSource& source, UINT progressLabel) {
    // The snapshot only once the text is read: a file or clipboard that cannot be read changes
    // nothing, and the edit before it stays undoable.
    CString text;
    if (!source.ReadText(text)) return false;
    m_data.SaveUndo();
    m_lines = SplitImportLines(text);
    m_data.m_arrProblems.clear();
    m_progress = &m_data.Host().ShowProgress(LoadResString(progressLabel));
    m_progress->SetRange(0, static_cast<int>(m_lines.size()));
    m_progress->SetPos(0);
    m_progress->SetStep(1);
    return true;
}

void CImportFrame::StepProgress() {
    if (m_progress) m_progress->StepIt();
}

void CImportFrame::EndProgress() {
    if (!m_progress) return;
    m_progress = nullptr;
    m_data.Host().HideProgress();
}

void CImportFrame::AddProblem(int kind, const CString& text, int record) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_strText = text;
    problem.m_nRecord = record;
    m_data.m_arrProblems.push_back(problem);
}

CString FormatImportText(UINT id, int number) {
    CString text;
    text.Format(LoadResString(id), number);
    return text;
}

CString FormatImportText(UINT id, int number, const CString& value) {
    CString text;
    text.Format(LoadResString(id), number, value.GetString());
    return text;
}

CString FormatImportText(UINT id, const CString& value) {
    CString text;
    text.Format(LoadResString(id), value.GetString());
    return text;
}
