#include "dialogs/wnd_options.h"

#include "app/scheduler_app.h"
#include "controls/app_document.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialogs/mark_tree_item.h"
#include "dialogs/option_rows.h"
#include "frame/main_frame.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "options_engine/options_model.h"
#include "platform/core/file_system.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kTreeOptions = 0x19;  // info pane, shaded expand column and root rows
constexpr int kLabelColumn = 200;
// The weekday names of 1, 2 and 3 January 2000 (a Saturday, a Sunday, a Monday).
constexpr UINT kFirstWeekdayNames[] = {IDS_WEEKDAY_SATURDAY, IDS_WEEKDAY_SUNDAY, IDS_WEEKDAY_MONDAY};

std::vector<CString> Texts(std::initializer_list<UINT> ids) {
    std::vector<CString> texts;
    for (UINT id : ids) texts.push_back(LoadResString(id));
    return texts;
}

std::vector<CString> OnOff() { return Texts({IDS_OPT_ON, IDS_OPT_OFF}); }

// Option 0 (on) for a set flag, option 1 (off) otherwise; and back.
int OnOffIndex(int flag) { return flag ? 0 : 1; }
int FlagOf(const COptionTreeItemRadio* row) { return row && row->GetCheckedIndex() == 0 ? 1 : 0; }

int CheckedIndex(const COptionTreeItemRadio* row) { return row ? row->GetCheckedIndex() : -1; }

int NumberOf(const COptionTreeItemSpinner* row, int fallback) {
    int value = fallback;
    if (row) row->GetIntValue(value);
    return value;
}

void Check(COptionTreeItemRadio* row, int index) {
    if (row) row->SetCheckedIndex(index);
}

void SetNumber(COptionTreeItemSpinner* row, int value) {
    if (row) row->SetIntText(value);
}

}  // namespace

BEGIN_MESSAGE_MAP(CWndOptions, CFramePage)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND(ID_OPTIONS_APPLY, &CWndOptions::OnApply)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_APPLY, &CWndOptions::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_OPTIONS_REVERT, &CWndOptions::OnRevert)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_REVERT, &CWndOptions::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_DELETE_ACTIVITIES_WITHOUT_ENTRIES, &CWndOptions::OnDeleteActivitiesWithoutEntries)
    ON_COMMAND(ID_DELETE_ENTITIES_WITHOUT_ENTRIES, &CWndOptions::OnDeleteEntitiesWithoutEntries)
    ON_COMMAND(ID_DELETE_ENTITIES_WITHOUT_ACTIVITIES, &CWndOptions::OnDeleteEntitiesWithoutActivities)
    ON_COMMAND(ID_DELETE_ACTIVITIES_WITHOUT_MEMBERS, &CWndOptions::OnDeleteActivitiesWithoutMembers)
    ON_COMMAND(ID_ACTIVITY_PALETTE, &CWndOptions::OnPalette)
    ON_COMMAND(ID_EDIT_CATEGORIES, &CWndOptions::OnEditCategories)
    ON_COMMAND(ID_EDIT_FUNDERS, &CWndOptions::OnEditFunders)
    ON_COMMAND(ID_EDIT_REWARDS, &CWndOptions::OnEditRewards)
    ON_COMMAND(ID_EDIT_ACTIVITY_NAMES, &CWndOptions::OnEditActivityNames)
    ON_COMMAND(ID_EDIT_HOLIDAYS, &CWndOptions::OnHolidays)
    ON_COMMAND(ID_EDIT_DAY_SCHEDULE, &CWndOptions::OnDaySchedule)
    ON_COMMAND(ID_RUN_SOLVER, &CWndOptions::OnRunSolver)
    ON_COMMAND(ID_IMPORT_ENTITIES, &CWndOptions::OnImportEntities)
    ON_COMMAND(ID_IMPORT_ENTITY_LIST, &CWndOptions::OnImportEntityList)
    ON_COMMAND(ID_IMPORT_ROOMS, &CWndOptions::OnImportRooms)
    ON_COMMAND(ID_IMPORT_ACTIVITIES, &CWndOptions::OnImportActivities)
    ON_COMMAND(ID_IMPORT_TIMETABLE, &CWndOptions::OnImportTimetable)
    ON_COMMAND(ID_EXPORT_SETTINGS, &CWndOptions::ExportSettings)
    ON_COMMAND(ID_IMPORT_SETTINGS, &CWndOptions::ImportSettings)
END_MESSAGE_MAP()

CWndOptions::CWndOptions() = default;
CWndOptions::~CWndOptions() = default;

CScheduleData& CWndOptions::Document() {
    static CScheduleData empty;
    CScheduleData* data = GetAppDocument();
    return data ? *data : empty;
}

CSchedulerApp* CWndOptions::App() { return GetSchedulerApp(); }

int CWndOptions::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFramePage::OnCreate(lpCreateStruct) == -1) return -1;
    CRect client;
    GetClientRect(&client);
    // Without the tree the page stays empty; apply and revert then find no rows.
    if (!m_tree.Create(kTreeStyle, client, this, kTreeId, kTreeOptions)) return 0;
    m_tree.SetNotify(TRUE, this);
    m_tree.SetColumnWidth(kLabelColumn);
    BuildRows();
    LoadFromDocument();
    m_tree.ExpandAllItems();
    return 0;
}

void CWndOptions::BuildRows() {
    COptionRows rows(m_tree);
    CScheduleData& data = Document();
    CSchedulerApp* app = App();
    auto text = [](UINT id) { return LoadResString(id); };

    COptionTreeItem* plan = rows.AddGroup(nullptr, text(IDS_OPT_PLAN_GROUP), text(IDS_OPT_PLAN_GROUP_INFO));
    m_pPlanKind = rows.AddChoice(plan, text(IDS_OPT_PLAN_KIND), text(IDS_OPT_PLAN_KIND_INFO),
                                 Texts({IDS_OPT_WEEK_TEMPLATE, IDS_OPT_DATED_PLAN}), data.HasDefaultStartDate() ? 0 : 1);
    m_pFirstWeekday = rows.AddDropList(plan, text(IDS_OPT_FIRST_WEEKDAY), text(IDS_OPT_FIRST_WEEKDAY_INFO),
                                       Texts({IDS_WEEKDAY_SATURDAY, IDS_WEEKDAY_SUNDAY, IDS_WEEKDAY_MONDAY}), 0);
    m_pStartDate = rows.AddDate(plan, text(IDS_OPT_START_DATE), text(IDS_OPT_START_DATE_INFO), data.GetStartDate());
    m_pDays = rows.AddNumber(plan, text(IDS_OPT_DAYS), text(IDS_OPT_DAYS_INFO), 6, 1, 21);
    m_pHourIndex = rows.AddNumber(plan, text(IDS_OPT_HOUR_INDEX), text(IDS_OPT_HOUR_INDEX_INFO), 0, 0, 10);

    COptionTreeItem* view = rows.AddGroup(nullptr, text(IDS_OPT_VIEW_GROUP), text(IDS_OPT_VIEW_GROUP_INFO));
    m_pTitleFormat = rows.AddChoice(view, text(IDS_OPT_TITLE_FORMAT), text(IDS_OPT_TITLE_FORMAT_INFO),
                                    Texts({IDS_OPT_TITLE_WEEKDAY, IDS_OPT_TITLE_WEEKDAY_DATE, IDS_OPT_TITLE_DATE}), 0);
    m_pMaxTabs = rows.AddNumber(view, text(IDS_OPT_MAX_TABS), text(IDS_OPT_MAX_TABS_INFO), 30, 1, 99);

    COptionTreeItem* program = rows.AddGroup(nullptr, text(IDS_OPT_PROGRAM_GROUP), text(IDS_OPT_PROGRAM_GROUP_INFO));
    m_pAutoSave = rows.AddChoice(program, text(IDS_OPT_AUTOSAVE), text(IDS_OPT_AUTOSAVE_INFO),
                                 Texts({IDS_OPT_AUTOSAVE_OFF, IDS_OPT_AUTOSAVE_5, IDS_OPT_AUTOSAVE_10, IDS_OPT_AUTOSAVE_15}),
                                 0);
    m_pClock = rows.AddChoice(program, text(IDS_OPT_CLOCK), text(IDS_OPT_CLOCK_INFO), OnOff(), 0);
    m_pContactsTips = rows.AddChoice(program, text(IDS_OPT_CONTACTS_TIPS), text(IDS_OPT_CONTACTS_TIPS_INFO), OnOff(), 0);

    COptionTreeItem* pages = rows.AddGroup(nullptr, text(IDS_OPT_PAGES_GROUP), text(IDS_OPT_PAGES_GROUP_INFO));
    m_pMinColumnWidth = rows.AddNumber(pages, text(IDS_OPT_MIN_COLUMN_WIDTH), text(IDS_OPT_MIN_COLUMN_WIDTH_INFO), 100,
                                       50, 500);
    m_pTts = rows.AddChoice(pages, text(IDS_OPT_TTS), text(IDS_OPT_TTS_INFO), OnOff(), OnOffIndex(app ? app->m_bTts : 0));
    m_pSeparatePages =
        rows.AddChoice(pages, text(IDS_OPT_SEPARATE_PAGES), text(IDS_OPT_SEPARATE_PAGES_INFO), OnOff(), 0);
    m_pNewsFeed = rows.AddOpenFile(pages, text(IDS_OPT_NEWS_FEED), text(IDS_OPT_NEWS_FEED_INFO),
                                   app ? app->m_strRss : CString(), L"xml", L"XML files|*.xml|");

    COptionTreeItem* look = rows.AddGroup(nullptr, text(IDS_OPT_LOOK_GROUP), text(IDS_OPT_LOOK_GROUP_INFO));
    std::vector<CString> languages;
    FillLanguageList(languages);
    if (!languages.empty() && app && app->m_bLanguageFromLocale) {
        int selected = 0;
        for (int k = 0; k < static_cast<int>(languages.size()); ++k) {
            if (languages[k] == app->m_strLanguage) {
                selected = k;
                break;
            }
        }
        m_pLanguage = rows.AddDropList(look, text(IDS_OPT_LANGUAGE), text(IDS_OPT_LANGUAGE_INFO), languages, selected);
    }
    m_pExplorerStyle = rows.AddChoice(
        look, text(IDS_OPT_EXPLORER_STYLE), text(IDS_OPT_EXPLORER_STYLE_INFO),
        Texts({IDS_OPT_EXPLORER_STYLE_0, IDS_OPT_EXPLORER_STYLE_1, IDS_OPT_EXPLORER_STYLE_2, IDS_OPT_EXPLORER_STYLE_3}),
        app ? app->m_nExplorerBarStyle : 0);
    m_pTabStyle = rows.AddChoice(look, text(IDS_OPT_TAB_STYLE), text(IDS_OPT_TAB_STYLE_INFO),
                                 Texts({IDS_OPT_TAB_STYLE_0, IDS_OPT_TAB_STYLE_1, IDS_OPT_TAB_STYLE_2,
                                        IDS_OPT_TAB_STYLE_3, IDS_OPT_TAB_STYLE_4}),
                                 app ? app->m_nTabStyle : 0);
}

void CWndOptions::OnSize(UINT nType, int cx, int cy) {
    CFramePage::OnSize(nType, cx, cy);
    if (!m_tree.m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    m_tree.MoveWindow(&client, TRUE);
    m_tree.SendMessage(WM_SETREDRAW, TRUE, 0);
    m_tree.UpdateWindow();
    m_tree.SetFocus();
    m_tree.Invalidate();
}

BOOL CWndOptions::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_tree.m_hWnd) m_tree.UpdateWindow();
    return CFramePage::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CWndOptions::Update(int kind) {
    if (kind == 2) return;
    if (kind == 8 && IsWindowVisible() && m_tree.m_hWnd) {
        m_tree.SendMessage(WM_SETREDRAW, TRUE, 0);
        m_tree.Invalidate();
        m_tree.UpdateWindow();
        m_tree.SetFocus();
    }
    LoadFromDocument();
}

void CWndOptions::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CWndOptions::FillLanguageList(std::vector<CString>& list) {
    list.clear();
    CSchedulerApp* app = App();
    if (!app) return;
    // The packs are resource scripts beside the program: Locale/<name>.rc.
    for (const CString& name : FindFiles(CombinePath(app->GetAppFolder(), L"Locale"), L"*.rc")) {
        const CString file = GetPathFileName(name);
        if (file.GetLength() > 3 && file.Right(3).CompareNoCase(L".rc") == 0) list.push_back(file.Left(file.GetLength() - 3));
    }
}

COleDateTime CWndOptions::GetFirstWeekdayChoice() const {
    CString text;
    if (m_pFirstWeekday && m_pFirstWeekday->m_hWnd) m_pFirstWeekday->GetWindowText(text);
    int day = 3;
    if (text == LoadResString(kFirstWeekdayNames[0]))
        day = 1;
    else if (text == LoadResString(kFirstWeekdayNames[1]))
        day = 2;
    return COleDateTime(2000, 1, day, 0, 0, 0);
}

COLORREF CWndOptions::MakeRandomColour() {
    const int red = 128 + static_cast<int>(m_random.GenRandInt32() & 0x7F);
    const int green = 128 + static_cast<int>(m_random.GenRandInt32() & 0x7F);
    const int blue = 128 + static_cast<int>(m_random.GenRandInt32() & 0x7F);
    return RGB(red, green, blue);
}

void CWndOptions::ReadControls(COptionsModel& model) {
    CScheduleData& data = Document();
    CSchedulerApp* app = App();
    // The first weekday of a document with entries is the document's and changes with Apply; an
    // empty document follows the program's setting, which changes at once.
    model.m_dtFirstWeekday = GetFirstWeekdayChoice();
    if (data.m_arrEntities.empty() && app) app->m_dtFirstWeekDay = model.m_dtFirstWeekday;
    model.m_nPlanKind = CheckedIndex(m_pPlanKind);
    if (m_pStartDate && m_pStartDate->m_hWnd) m_pStartDate->GetTime(model.m_dtChosenStart);
    if (model.m_nPlanKind == 0) model.m_dtChosenStart = model.m_dtFirstWeekday;
    model.m_nDays = NumberOf(m_pDays, model.m_nDays);
    model.m_nHourIndex = NumberOf(m_pHourIndex, model.m_nHourIndex);
    model.m_nTitleFormat = CheckedIndex(m_pTitleFormat);
    if (!app) return;

    app->m_nAutoSave = CheckedIndex(m_pAutoSave);
    app->m_bClock = FlagOf(m_pClock);
    app->m_bSeparatePages = FlagOf(m_pSeparatePages);
    app->m_bContactsTt = FlagOf(m_pContactsTips);
    app->m_bTts = FlagOf(m_pTts);
    app->m_nMinColumnWidth = NumberOf(m_pMinColumnWidth, app->m_nMinColumnWidth);
    app->m_nMaxTabs = NumberOf(m_pMaxTabs, app->m_nMaxTabs);
    if (m_pNewsFeed) app->m_strRss = m_pNewsFeed->GetPath();
    CMainFrame* frame = app->GetMainFrame();
    app->m_nTabStyle = CheckedIndex(m_pTabStyle);
    if (frame) frame->ApplyTabStyle(app->m_nTabStyle);
    app->m_nExplorerBarStyle = CheckedIndex(m_pExplorerStyle);
    if (frame) {
        frame->ApplyExplorerBarStyle(app->m_nExplorerBarStyle);
        frame->GetExplorerBar().Invalidate();
    }
}

void CWndOptions::OnApply() {
    if (!m_tree.m_hWnd) return;
    m_tree.m_markManager.RemoveAllMarks(TRUE);
    CScheduleData& data = Document();
    COptionsModel model(data);
    model.LoadFromDocument();
    ReadControls(model);
    // The model validates every row first and changes nothing in the document when one is refused.
    std::vector<COptionsModel::Mark> marks;
    if (!model.Apply(marks)) {
        for (const COptionsModel::Mark& mark : marks) {
            COptionTreeItem* row = mark.row == COptionsModel::Row::PlanKind    ? static_cast<COptionTreeItem*>(m_pPlanKind)
                                   : mark.row == COptionsModel::Row::StartDate ? static_cast<COptionTreeItem*>(m_pStartDate)
                                                                               : static_cast<COptionTreeItem*>(m_pDays);
            MarkTreeItem(m_tree, row, LoadResString(mark.textId));
        }
        MessageBox(LoadResString(IDS_OPTIONS_REFUSED), LoadResString(IDS_ERROR_CAPTION), MB_ICONHAND);
        return;
    }
    CSchedulerApp* app = App();
    if (m_pLanguage && m_pLanguage->m_hWnd && app) {
        CString language;
        m_pLanguage->GetWindowText(language);
        if (language.CompareNoCase(app->m_strLanguage) != 0)
            MessageBox(LoadResString(IDS_OPTIONS_LANGUAGE_NEXT_START), L"", MB_OK);
        app->m_strLanguage = language;
    }
    LoadFromDocument();
}

void CWndOptions::OnRevert() { LoadFromDocument(); }

void CWndOptions::LoadFromDocument() {
    if (!m_tree.m_hWnd) return;
    m_tree.m_markManager.RemoveAllMarks(TRUE);
    CScheduleData& data = Document();
    CSchedulerApp* app = App();
    Check(m_pPlanKind, data.HasDefaultStartDate() ? 0 : 1);
    if (m_pStartDate && m_pStartDate->m_hWnd) m_pStartDate->SetTime(data.GetStartDate());
    SetNumber(m_pDays, data.m_nDays);
    if (m_pFirstWeekday && m_pFirstWeekday->m_hWnd) m_pFirstWeekday->SetCurSel(GetFirstWeekDayIndex(data.GetFirstWeekdayDate()));
    SetNumber(m_pHourIndex, data.m_nHourIndex);
    Check(m_pTitleFormat, data.m_nTitleFormat);
    if (app) {
        Check(m_pAutoSave, app->m_nAutoSave);
        SetNumber(m_pMinColumnWidth, app->m_nMinColumnWidth);
        SetNumber(m_pMaxTabs, app->m_nMaxTabs);
        Check(m_pClock, OnOffIndex(app->m_bClock));
        Check(m_pSeparatePages, OnOffIndex(app->m_bSeparatePages));
        Check(m_pContactsTips, OnOffIndex(app->m_bContactsTt));
    }
    m_tree.Invalidate();
}
