#pragma once
// CWndOptions: the options page of the main window. One option tree holds the calendar of the
// document (plan kind, first weekday, start date, days, hour index, day titles) and the program's
// settings (tabs, reminder to save, clock, card tips, column width, read aloud, separate pages,
// news feed, language, command bar and tab looks). Edits stay in the tree until Apply, which
// reads the rows, marks what is refused and otherwise applies them; Revert reloads the rows. The
// page also carries the maintenance commands: clean-ups, activity colours, word lists, holidays,
// day schedule, the data imports, the settings exchange file and the solver.
#include <vector>

#include "controls/option_tree.h"
#include "frame/frame_page.h"
#include "platform/core/colors.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/message_map.h"
#include "solver_engine/mersenne_twister.h"

class CCmdUI;
class CImportOptions;
class COptionsModel;
class COptionTreeItemComboBox;
class COptionTreeItemDate;
class COptionTreeItemFile;
class COptionTreeItemRadio;
class COptionTreeItemSpinner;
class CScheduleData;
class CSchedulerApp;
enum class EntityImportKind;
enum class WordList;

class CWndOptions : public CFramePage {
public:
    static constexpr UINT kTreeId = 101;

    CWndOptions();
    ~CWndOptions() override;

    void Update(int kind) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The steps of apply and revert.
    void ReadControls(COptionsModel& model);
    void LoadFromDocument();
    // The names of the language packs in the program's Locale folder.
    static void FillLanguageList(std::vector<CString>& list);
    // 1, 2 or 3 January 2000 by the first-weekday row's text.
    COleDateTime GetFirstWeekdayChoice() const;
    // A light colour: each part 128 plus the low 7 bits of one draw, red, green, blue in turn.
    COLORREF MakeRandomColour();

    COptionTree& Tree() { return m_tree; }

    COptionTree m_tree;
    COptionTreeItemRadio* m_pPlanKind = nullptr;
    COptionTreeItemComboBox* m_pFirstWeekday = nullptr;
    COptionTreeItemDate* m_pStartDate = nullptr;
    COptionTreeItemSpinner* m_pDays = nullptr;
    COptionTreeItemSpinner* m_pHourIndex = nullptr;
    COptionTreeItemRadio* m_pTitleFormat = nullptr;
    COptionTreeItemSpinner* m_pMaxTabs = nullptr;
    COptionTreeItemRadio* m_pAutoSave = nullptr;
    COptionTreeItemRadio* m_pClock = nullptr;
    COptionTreeItemRadio* m_pContactsTips = nullptr;
    COptionTreeItemSpinner* m_pMinColumnWidth = nullptr;
    COptionTreeItemRadio* m_pTts = nullptr;
    COptionTreeItemRadio* m_pSeparatePages = nullptr;
    COptionTreeItemFile* m_pNewsFeed = nullptr;
    COptionTreeItemComboBox* m_pLanguage = nullptr;  // null when the row is not built
    COptionTreeItemRadio* m_pExplorerStyle = nullptr;
    COptionTreeItemRadio* m_pTabStyle = nullptr;
    CMersenneTwister m_random;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnApply();
    void OnRevert();
    void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    // Maintenance commands.
    void OnDeleteActivitiesWithoutEntries();
    void OnDeleteEntitiesWithoutEntries();
    void OnDeleteEntitiesWithoutActivities();
    void OnDeleteActivitiesWithoutMembers();
    void OnPalette();
    void OnEditCategories();
    void OnEditFunders();
    void OnEditRewards();
    void OnEditActivityNames();
    void OnHolidays();
    void OnDaySchedule();
    void OnRunSolver();
    // Data imports.
    void OnImportEntities();
    void OnImportEntityList();
    void OnImportRooms();
    void OnImportActivities();
    void OnImportTimetable();
    // The settings exchange file.
    void ExportSettings();
    void ImportSettings();
    DECLARE_MESSAGE_MAP()

private:
    void BuildRows();
    // The document the page edits and the application whose settings it shows.
    static CScheduleData& Document();
    static CSchedulerApp* App();
    // The word list in the strings dialog, then every setting written.
    void EditWordList(WordList list, UINT caption);
    // The data import dialog of the kind; false when it was not confirmed.
    bool AskImportOptions(int kind, CImportOptions& options);
    void ImportEntitiesOfKind(EntityImportKind kind);
};
