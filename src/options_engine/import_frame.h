#pragma once
// The steps every data import shares: one undo snapshot before anything changes, reading the
// text, an emptied problem list, and the status bar's progress stepped once per line.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CScheduleData;
class IImportTextSource;
class IProgress;

class CImportFrame {
public:
    // Problem codes of the import findings.
    static constexpr int kSkipped = 12;
    static constexpr int kNoName = 13;
    static constexpr int kSummary = 14;

    explicit CImportFrame(CScheduleData& data) : m_data(data) {}
    ~CImportFrame();
    CImportFrame(const CImportFrame&) = delete;
    CImportFrame& operator=(const CImportFrame&) = delete;

    // Takes the undo snapshot and reads the text; false (the snapshot taken) when the text cannot
    // be read. Otherwise empties the problem list and shows the progress with the label.
    bool Begin(IImportTextSource& source, UINT progressLabel);
    const std::vector<CString>& Lines() const { return m_lines; }
    void StepProgress();
    // Hides the progress; done by the destructor when not called.
    void EndProgress();
    void AddProblem(int kind, const CString& text, int record = 0);

private:
    CScheduleData& m_data;
    std::vector<CString> m_lines;
    IProgress* m_progress = nullptr;
};

// A string of the language pack formatted with one number or one text.
CString FormatImportText(UINT id, int number);
CString FormatImportText(UINT id, int number, const CString& text);
CString FormatImportText(UINT id, const CString& text);
