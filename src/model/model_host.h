#pragma once
// What the document store asks of the rest of the program: the main frame and its pages, the
// application's settings, questions to the user and the clipboard. The application installs its
// own implementations in the store (CScheduleData::SetServices); until it does, and in tests
// that install nothing, the defaults below stand in: they refresh nothing, answer every
// question with its most cautious answer and keep settings and clipboard in memory.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CPageContent;

// The progress bar of the status bar, driven by the long-running checks.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void SetRange(int low, int high) { (void)low, (void)high; }
    virtual void SetPos(int pos) { (void)pos; }
    virtual void SetStep(int step) { (void)step; }
    virtual void StepIt() {}
};

// The refreshes of the pages that follow a change of the whole document. Each is the frame's
// business: which pages rebuild, and in which order, together with title and status text.
enum class PageRefresh {
    Full,        // after the plan check and after most edits
    AfterReset,  // File New: a new empty document
    AfterLoad,   // a document was read from its file
    AfterSave,   // the document was written to its file
    AfterUndo,   // the undo snapshot was swapped in
};

// The main frame and its pages.
class IModelHost {
public:
    virtual ~IModelHost() = default;
    // The frame's update broadcast: the kind 0 to 8 goes to every page, the entity combo box,
    // the title and the status text.
    virtual void BroadcastUpdate(int kind) { (void)kind; }
    virtual void RefreshPages(PageRefresh kind) { (void)kind; }
    // The full refresh after the plan check, with what the pages show (the magnet board's rows
    // and days, the current entity, the frame's texts). A host that builds its pages itself
    // may take it as a plain full refresh.
    virtual void RefreshAllPages(const CPageContent& content) {
        (void)content;
        RefreshPages(PageRefresh::Full);
    }
    virtual void SetStatusText(const CString& text) { (void)text; }
    // Shows the progress bar with its label; the bar stays valid until HideProgress.
    virtual IProgress& ShowProgress(const CString& label);
    virtual void HideProgress() {}
    // Refills the message panel from the store's problem list.
    virtual void FillMessagePanel() {}
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
    // Restarts the reminder to save by the AutoSave setting.
    virtual void RestartAutoSaveTimer() {}

private:
    IProgress m_noProgress;
};

// The word lists of the settings.
enum class WordList { Lessons, Categories, Activities, Funders, Rewards };

// The application's settings and holidays as the model reads them.
class IAppSettings {
public:
    virtual ~IAppSettings() = default;
    // The date in the first week of January 2000 that the FirstWeekDay setting chooses; it
    // stands for the plan's start while a document holds no entities. 0.0 until settings are read.
    virtual COleDateTime GetDefaultPlanDate() const = 0;
    // A word list; a break in the Lessons list begins with "!".
    virtual std::vector<CString>& GetWordList(WordList list) = 0;
    // Whether the calendar day of the date (the time of day does not count) is a holiday.
    virtual bool IsHoliday(const COleDateTime& date) const = 0;
    // The name of the date's holiday; empty when it is none or has no name.
    virtual CString GetHolidayName(const COleDateTime& date) const {
        (void)date;
        return CString();
    }
    // Index 0 to 3 of the AutoSave setting (off, 5, 10, 15 minutes).
    virtual int GetAutoSave() const = 0;
    // Mode 0, 1 or 2 of the timetable's hour column.
    virtual int GetTimeAxisMode() const = 0;
    virtual void SetTimeAxisMode(int mode) = 0;
    // Captions of the hour cells of the diary's and the magnet board's title strips: 0 plain
    // hours, 1 lesson captions.
    virtual int GetCaptionMode() const { return 0; }
    virtual void SetCaptionMode(int mode) { (void)mode; }
    // Set to 1 by a report builder while it builds its table.
    virtual int GetReportFlag() const = 0;
    virtual void SetReportFlag(int flag) = 0;
    // Adds a document to the recent-documents list unless its path is there already.
    virtual void AddRecentDocument(const CString& name, const CString& path, bool isTemplate) = 0;
    // The ContactsTT setting: address cards show the week grid of their entity as a tip.
    virtual bool GetContactsTooltips() const { return true; }
    // The Clock setting: the timetable of a dated plan marks the current time.
    virtual bool GetClock() const { return false; }
    // The MaxTabs setting: the most folder tabs the timetable adds at once.
    virtual int GetMaxTabs() const { return 30; }
    // The report font: FontName (the face) and FontSize (pixels), which the report page's
    // font combo boxes write.
    virtual CString GetReportFontName() const { return L"Arial"; }
    virtual void SetReportFontName(const CString& name) { (void)name; }
    virtual int GetReportFontSize() const { return 32; }
    virtual void SetReportFontSize(int size) { (void)size; }
    // The TTS setting: entity pages carry the time per activity.
    virtual bool GetActivityTotals() const { return false; }
    // The MinColumnWidth setting, pixels.
    virtual int GetMinColumnWidth() const { return 100; }
    // The SeperatePages setting: each entity's or day's events of the report wizard on a page of
    // their own.
    virtual bool GetSeparatePages() const { return false; }
    // The RSS setting: the path of the news feed file.
    virtual CString GetFeedPath() const { return CString(); }
};

// Settings held in memory: the store's default, and a base for tests.
class CMemoryAppSettings : public IAppSettings {
public:
    COleDateTime GetDefaultPlanDate() const override { return m_dtDefaultPlanDate; }
    std::vector<CString>& GetWordList(WordList list) override { return m_wordLists[static_cast<int>(list)]; }
    bool IsHoliday(const COleDateTime& date) const override;
    int GetAutoSave() const override { return m_nAutoSave; }
    int GetTimeAxisMode() const override { return m_nTimeAxisMode; }
    void SetTimeAxisMode(int mode) override { m_nTimeAxisMode = mode; }
    int GetCaptionMode() const override { return m_nCaptionMode; }
    void SetCaptionMode(int mode) override { m_nCaptionMode = mode; }
    int GetReportFlag() const override { return m_nReportFlag; }
    void SetReportFlag(int flag) override { m_nReportFlag = flag; }
    void AddRecentDocument(const CString& name, const CString& path, bool isTemplate) override;
    CString GetReportFontName() const override { return m_strFontName; }
    void SetReportFontName(const CString& name) override { m_strFontName = name; }
    int GetReportFontSize() const override { return m_nFontSize; }
    void SetReportFontSize(int size) override { m_nFontSize = size; }
    bool GetActivityTotals() const override { return m_bActivityTotals; }
    int GetMinColumnWidth() const override { return m_nMinColumnWidth; }

    COleDateTime m_dtDefaultPlanDate;
    std::vector<CString> m_wordLists[5];
    std::vector<COleDateTime> m_holidays;  // calendar days
    int m_nAutoSave = 0;
    int m_nTimeAxisMode = 0;
    int m_nCaptionMode = 0;
    int m_nReportFlag = 0;
    std::vector<CString> m_recentPaths;
    CString m_strFontName = L"Arial";
    int m_nFontSize = 32;
    bool m_bActivityTotals = false;
    int m_nMinColumnWidth = 100;
};

// Buttons, icons and answers of a question to the user.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Stop, Question, Warning, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Shows a message box (the application) or answers from a script (tests).
class IMessageAnswerer {
public:
    virtual ~IMessageAnswerer() = default;
    virtual MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons,
                              MessageIcon icon) = 0;
};

// Answers without asking: Cancel where offered, else No, else Ok.
class CCautiousAnswerer : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons,
                      MessageIcon icon) override;
};

// Unicode text on the clipboard.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool SetText(const CString& text) = 0;
    // False when the clipboard holds no text.
    virtual bool GetText(CString& text) = 0;
};

// A clipboard of the process alone.
class CMemoryClipboard : public IClipboard {
public:
    bool SetText(const CString& text) override;
    bool GetText(CString& text) override;

    CString m_strText;
    bool m_bHasText = false;
};

// The services installed in a store; a null member leaves the store's default in place.
struct ModelServices {
    IModelHost* host = nullptr;
    IAppSettings* settings = nullptr;
    IMessageAnswerer* answerer = nullptr;
    IClipboard* clipboard = nullptr;
};
