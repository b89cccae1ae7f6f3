#pragma once
// CSchedulerApp: the one application object. It owns the settings, the holiday calendar, the one
// document store, the recent-documents list and the language pack; its start-up reads the
// settings, loads the pack, creates the main frame and opens the document named on the command
// line or runs File New; it handles File New, Open, Save, Save As, Undo and About. It is also
// what the document store and the main frame ask for settings and for the file steps.
#include <map>
#include <memory>
#include <vector>

#include "app/model_seams.h"
#include "app/recent_document.h"
#include "frame/frame_application.h"
#include "frame/main_frame_host.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/word_list_text.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/message_map.h"
#include "platform/ui/win_app.h"

class CLanguagePack;
class CMainFrame;

class CSchedulerApp : public CWinApp, public IAppSettings, public IFrameApplication {
public:
    static constexpr int kMaxStoredRecent = 40;

    CSchedulerApp();
    ~CSchedulerApp() override;

    BOOL InitInstance() override;
    // Writes the settings back (while the toolkit can still show a failure) and lets the pack go.
    int ExitInstance() override;

    // Start-up and the language pack.
    // The program's folder (the one set for tests, else the program file's).
    CString GetAppFolder() const;
    void SetAppFolder(const CString& folder) { m_strAppFolder = folder; }
    // The arguments start-up reads in place of the program's own (a start inside a test).
    void SetCommandLineArgs(const std::vector<CString>& args) {
        m_arrCommandLine = args;
        m_bCommandLineSet = true;
    }
    BOOL LoadLanguageDll();
    CString LoadFallbackLanguageDll() const;
    CLanguagePack* GetLanguagePack() const { return m_pLanguagePack.get(); }
    CMainFrame* GetMainFrame() const;

    // Settings (the profile's section "Settings").
    void LoadSettings();
    BOOL SaveSettings();
    // The holiday calendar and its file beside the settings.
    BOOL LoadHolidays();
    BOOL SaveHolidays();
    static CString GetHolidaysPath();
    bool IsHoliday(const COleDateTime& date) const override;
    CString GetHolidayName(const COleDateTime& date) const override;
    void RemoveHoliday(const COleDateTime& date);
    void SetHoliday(const COleDateTime& date, const CString& name);
    const std::map<COleDateTime, CString>& GetHolidays() const { return m_mapHolidays; }

    // Recent documents.
    void AddRecentDocument(const CString& name, const CString& path, bool isTemplate) override;
    void RefreshRecentDocuments();
    std::vector<CRecentDocument>& GetRecentDocuments() { return m_arrRecentDocuments; }
    void MergeActivityNames();

    // File commands and their steps.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnEditUndo();
    void OnAppAbout();
    void OnAppExit();
    BOOL SaveDocumentAs(const CString& path, BOOL refresh);
    // Copies the document file to its backup; FALSE (after a message) when that failed.
    BOOL BackupDocumentFile(const CString& path);
    // Reads a document as File Open does after its dialog; TRUE when it was read.
    BOOL OpenDocumentFile(const CString& path);

    // IAppSettings
    COleDateTime GetDefaultPlanDate() const override { return m_dtFirstWeekDay; }
    std::vector<CString>& GetWordList(WordList list) override;
    int GetAutoSave() const override { return m_nAutoSave; }
    int GetTimeAxisMode() const override { return m_nTimeAxisMode; }
    void SetTimeAxisMode(int mode) override { m_nTimeAxisMode = mode; }
    int GetCaptionMode() const override { return m_nCaptionMode; }
    void SetCaptionMode(int mode) override { m_nCaptionMode = mode; }
    int GetReportFlag() const override { return m_nReportOption; }
    void SetReportFlag(int flag) override { m_nReportOption = flag; }
    bool GetContactsTooltips() const override { return m_bContactsTt != 0; }
    bool GetClock() const override { return m_bClock != 0; }
    int GetMaxTabs() const override { return m_nMaxTabs; }
    CString GetReportFontName() const override { return m_strFontName; }
    void SetReportFontName(const CString& name) override { m_strFontName = name; }
    int GetReportFontSize() const override { return m_nFontSize; }
    void SetReportFontSize(int size) override { m_nFontSize = size; }
    bool GetActivityTotals() const override { return m_bTts != 0; }
    int GetMinColumnWidth() const override { return m_nMinColumnWidth; }
    bool GetSeparatePages() const override { return m_bSeparatePages != 0; }
    CString GetFeedPath() const override { return m_strRss; }

    // IFrameApplication
    CScheduleData& GetDocument() override { return m_data; }
    BOOL CanSaveDocument() const override { return !m_data.m_arrEntities.empty(); }
    BOOL SaveDocumentSteps(BOOL refresh) override;
    BOOL ReloadDocument() override;
    int GetTabStyle() const override { return m_nTabStyle; }
    int GetExplorerBarStyle() const override { return m_nExplorerBarStyle; }
    int& FilterSetting() override { return m_nFilter; }

    // Settings, in their order.
    std::vector<CString> m_arrCategories, m_arrActivities, m_arrLessons, m_arrFunders, m_arrRewards;
    CString m_strRss;
    CString m_strLanguage;
    int m_nReportOption = 0;
    int m_bTts = 0;
    int m_nAutoSave = 0;
    int m_nMaxTabs = 30;
    int m_nFilter = 15;
    int m_nTabStyle = 0;
    int m_nExplorerBarStyle = 0;
    CString m_strFontName;
    int m_nFontSize = 0;
    int m_nMinColumnWidth = 100;
    COleDateTime m_dtFirstWeekDay{0.0};
    int m_bClock = 0;
    int m_bContactsTt = 0;
    int m_bSeparatePages = 0;
    int m_bLanguageFromLocale = 1;
    CString m_strSite;
    int m_bLessonsHaveBreaks = 0;
    int m_nCaptionMode = 0;
    int m_nTimeAxisMode = 0;
    // A pack the user chose in the file dialog, tried after the Locale folder's.
    CString m_strLanguageFile;

protected:
    void OnUpdateFileSave(CCmdUI* pCmdUI);
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Save As: the save dialog (again after a refused template), ".xml" for a name without an
    // extension, the save and the recent list. TRUE when the document was written.
    BOOL SaveAsSteps(BOOL refresh);
    // The question whether to save the changes first: FALSE when the command must end (Cancel,
    // or Yes and the save did not happen).
    BOOL AskToSaveChanges(HWND owner, UINT questionId);
    // The save dialog of the file commands; empty when it was cancelled.
    CString AskSavePath();
    // After a document was read: the entities' items, the reminder and the plan check.
    void AfterDocumentRead();
    bool IsProtectedTemplate(const CString& path) const;
    // Reads the Language setting (the rest needs the pack and comes after it).
    void ReadLanguageSetting();
    void ReportWriteFailure(UINT textId);

    std::map<COleDateTime, CString> m_mapHolidays;
    bool m_bHolidaysDamaged = false;
    CScheduleData m_data;
    std::vector<CRecentDocument> m_arrRecentDocuments;
    std::unique_ptr<CLanguagePack> m_pLanguagePack;
    // The seams through which the document store reaches the frame, the user and the clipboard.
    CMainFrameHost m_frameHost;
    CDialogMessageAnswerer m_answerer;
    CLayerClipboard m_clipboard;
    CString m_strAppFolder;
    std::vector<CString> m_arrCommandLine;
    bool m_bCommandLineSet = false;
    bool m_bSettingsLoaded = false;
    bool m_bSettingsSaved = false;
};

// The application object (null when none of this class exists).
CSchedulerApp* GetSchedulerApp();

// Appends a reward name to the application's Rewards list unless it is there in any case.
void AddUniqueString(const CString& text, CSchedulerApp& app);
// The reference date of a first-weekday index 0 to 2.
COleDateTime GetFirstWeekDayDate(int index);
