// The report page: creation, layout, the frame's updates, the timer, the choices and the board.
#include "reports/wnd_html.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window_api.h"
#include "reports/report_wizard_host.h"
#include "resource_ids.h"

CWndHTML::ReportWizard CWndHTML::s_reportWizard = RunPageReportWizard;

BEGIN_MESSAGE_MAP(CWndHTML, CMyDisplay)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(CJustifyComboBox::kChanged, &CWndHTML::OnComboChanged)
    ON_MESSAGE(CWndBoard::kChecksChanged, &CWndHTML::OnBoardChecks)
    ON_COMMAND_RANGE(ID_REPORT_ENTITY_PAGES, ID_REPORT_ENTITY_PAGES, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_DAY_PAGES, ID_REPORT_DAY_PAGES, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_GRID_ROWS, ID_REPORT_GRID_ROWS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_GRID_COLUMNS, ID_REPORT_GRID_COLUMNS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_STATISTICS, ID_REPORT_STATISTICS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_ACTIVITY_MATRIX, ID_REPORT_ACTIVITY_MATRIX, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_ACTIVITY_WEIGHTS, ID_REPORT_ACTIVITY_WEIGHTS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_ENTITY_WEIGHTS, ID_REPORT_ENTITY_WEIGHTS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_FREE_SLOTS, ID_REPORT_FREE_SLOTS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_PROBLEMS, ID_REPORT_PROBLEMS, &CWndHTML::OnReportKind)
    ON_COMMAND_RANGE(ID_REPORT_DAY_END, ID_REPORT_DAY_END, &CWndHTML::OnReportKind)
    ON_COMMAND(ID_REPORT_WIZARD, &CWndHTML::OnReportWizard)
    ON_COMMAND(ID_REPORT_COLOURS, &CWndHTML::OnToggleColours)
    ON_COMMAND(ID_REPORT_BOARD, &CWndHTML::OnOpenBoard)
    ON_COMMAND(ID_REPORT_ZOOM_IN, &CWndHTML::OnZoomIn)
    ON_COMMAND(ID_REPORT_ZOOM_OUT, &CWndHTML::OnZoomOut)
    ON_COMMAND(ID_FILE_PRINT, &CWndHTML::OnPrintPreview)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, &CWndHTML::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_EDIT_COPY, &CWndHTML::OnCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CWndHTML::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_REPORT_SAVE_HTML, &CWndHTML::OnSaveHtml)
    ON_COMMAND(ID_REPORT_BACKGROUND, &CWndHTML::OnBackground)
END_MESSAGE_MAP()

CWndHTML::CWndHTML() = default;
CWndHTML::~CWndHTML() = default;

CScheduleData* CWndHTML::Document() const { return GetAppDocument(); }

CWnd* CWndHTML::GetMainWnd() { return m_ready ? &m_browser : nullptr; }

int CWndHTML::OnCreate(LPCREATESTRUCT cs) {
    if (CMyDisplay::OnCreate(cs) == -1) return -1;
    if (!CreateCombos() || !CreateBrowser()) {
        // A page without all of its children stays empty: none of them is used.
        for (CWnd* child : std::initializer_list<CWnd*>{&m_fontNameCombo, &m_fontSizeCombo, &m_timeAxisCombo,
                                                        &m_detailCombo, &m_browser})
            if (child->GetSafeHwnd()) child->DestroyWindow();
        ShowError(IDS_REPORT_PAGE_BROKEN);
        return 0;
    }
    m_ready = true;
    m_html.Empty();
    Refresh();
    m_zoom = 1.0;
    GetBoard().m_pinned = 0;
    UpdateBoard();
    return 0;
}

BOOL CWndHTML::CreateCombos() {
    const CRect none(0, 0, 0, 0);
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
    if (!m_fontNameCombo.Create(common | CBS_OWNERDRAWVARIABLE | CBS_SORT | CBS_DROPDOWNLIST | CBS_HASSTRINGS, none,
                                this, kFontNameId))
        return FALSE;
    if (!m_fontSizeCombo.Create(common | CBS_DROPDOWNLIST, none, this, kFontSizeId)) return FALSE;
    if (!m_timeAxisCombo.Create(common | CBS_DROPDOWNLIST, none, this, kTimeAxisId)) return FALSE;
    if (!m_detailCombo.Create(common | CBS_DROPDOWNLIST, none, this, kDetailId)) return FALSE;
    m_fontNameCombo.SetPreviewHeight(20);
    for (UINT id : {IDS_REPORT_AXIS_HOURS, IDS_REPORT_AXIS_LESSONS, IDS_REPORT_AXIS_LESSON_TIMES})
        m_timeAxisCombo.AddString(LoadResString(id));
    for (UINT id : {IDS_DETAIL_NAMES_ONLY, IDS_DETAIL_PARTICIPANTS, IDS_DETAIL_BLOCKS})
        m_detailCombo.AddString(LoadResString(id));
    m_detailCombo.SetCurSel(m_detailChoice);
    const CScheduleData* data = Document();
    m_timeAxisCombo.SetCurSel(data ? data->Settings().GetTimeAxisMode() : 0);
    // The size box shows the size in use.
    m_fontSizeCombo.ShowSetting();
    m_fontNameCombo.SelectFace(data ? data->Settings().GetReportFontName() : CString(L"Tahoma"));
    m_font.CreateFont(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Tahoma");
    for (CComboBox* combo : std::initializer_list<CComboBox*>{&m_fontNameCombo, &m_fontSizeCombo, &m_timeAxisCombo,
                                                              &m_detailCombo})
        combo->SetFont(&m_font, TRUE);
    return TRUE;
}

BOOL CWndHTML::CreateBrowser() {
    if (!m_browser.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kBrowserId)) return FALSE;
    m_browser.m_forwardContextMenu = 1;
    m_browser.m_onPrint = [this](CHtmlView::PrintStep step) { OnPrintStep(step); };
    return TRUE;
}

void CWndHTML::ShowError(UINT textId) const {
    ::MessageBox(m_hWnd, LoadResString(textId), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONHAND);
}

void CWndHTML::Refresh() {
    if (!m_ready || !m_html.IsEmpty()) return;
    m_browser.Navigate(L"about:blank");
    m_zoom = 1.0;
    CMyDisplay::Refresh();
}

void CWndHTML::LayoutClient(CRect& rect) {
    if (!m_ready) return;
    const int left = rect.left, top = rect.top;
    const int height = 25 + 500;
    m_detailCombo.MoveWindow(left, top, 150, height, TRUE);
    m_timeAxisCombo.MoveWindow(left + 150, top, 150, height, TRUE);
    m_fontSizeCombo.MoveWindow(left + 300, top, 50, height, TRUE);
    m_fontNameCombo.MoveWindow(left + 350, top, std::max(0, static_cast<int>(rect.right) - (left + 350)), height, TRUE);
    rect.top += 27;
}

void CWndHTML::AllDays() {
    m_dayIndexes.clear();
    const CScheduleData* data = Document();
    for (int d = 0; data && d < data->m_nDays; ++d) m_dayIndexes.push_back(d);
}

void CWndHTML::Update(int kind) {
    if (!m_ready) return;
    CScheduleData* data = Document();
    if (kind == 1 || kind == 4) {
        m_entityIds.clear();
        AllDays();
        Refresh();
        return;
    }
    if (kind != 6 || !data) return;
    m_entityIds.clear();
    if (CWnd* parent = GetParent()) parent->SetFocus();
    switch (data->m_nViewType) {
    case 0: m_reportKind = 10; break;
    case 1:
        m_reportKind = 6;
        for (const CEntity& entity : data->m_arrEntities)
            if (entity.m_nType == 0) m_entityIds.push_back(entity.m_nId);
        break;
    case 2:
        m_reportKind = 1;
        m_entityIds.push_back(data->m_nCurrentEntity);
        break;
    case 3: m_reportKind = 7; break;
    case 4:
        m_reportKind = 3;
        m_entityIds = data->m_arrReportIds;
        break;
    case 5:
        m_reportKind = 13;
        m_entityIds = data->m_arrReportIds;
        break;
    default: break;
    }
    // A second request within the delay restarts the timer: the report is built once, for it.
    m_timerId = SetTimer(kRenderTimer, kRenderDelayMs);
}

void CWndHTML::OnTimer(UINT_PTR) {
    KillTimer(m_timerId);
    Render();
    UpdateBoard();
}

LRESULT CWndHTML::OnComboChanged(WPARAM wParam, LPARAM lParam) {
    if (!m_ready) return 0;
    if (wParam == kTimeAxisId) {
        if (CScheduleData* data = Document()) {
            data->Settings().SetTimeAxisMode(static_cast<int>(lParam));
            data->Host().BroadcastUpdate(0);
        }
    } else if (wParam == kDetailId) {
        m_detailChoice = static_cast<int>(lParam);
    }
    Render();
    UpdateBoard();
    return 0;
}

void CWndHTML::FillBoardByKind() {
    CWndBoard& board = GetBoard();
    const CScheduleData* data = Document();
    board.m_items.clear();
    board.m_groups.clear();
    board.m_pinned = 0;
    board.m_checkBoxes = 1;
    board.m_list.EnableGroupView(TRUE);
    board.m_list.RemoveAllGroups();
    for (UINT id : {IDS_GROUP_CLASSES, IDS_GROUP_STAFF, IDS_GROUP_ROOMS, IDS_GROUP_ASSISTANTS, IDS_GROUP_PLAN_DAYS})
        board.AddGroup(LoadResString(id));
    if (data) {
        constexpr int kGroupOfType[6] = {0, 1, 1, 3, 2, -1};
        for (const CEntity& entity : data->m_arrEntities) {
            const int group = entity.m_nType >= 0 && entity.m_nType < 6 ? kGroupOfType[entity.m_nType] : -1;
            if (group < 0) continue;
            const bool checked = std::find(m_entityIds.begin(), m_entityIds.end(), entity.m_nId) != m_entityIds.end();
            board.AddItem(group, entity.m_nType + 6, entity.m_strName, entity.m_nId, checked ? 1 : 0);
        }
        for (int i = 0; i < data->m_nDays; ++i) {
            const COleDateTime date = data->GetDayDate(i);
            const bool checked = std::any_of(m_dayIndexes.begin(), m_dayIndexes.end(),
                                             [&](int n) { return IsSameDay(data->GetDayDate(n), date); });
            board.AddItem(4, 2, data->FormatDayTitle(i), kDayItemBase + i, checked ? 1 : 0);
        }
    }
    board.Populate(LoadResString(IDS_BOARD_REPORT_TITLE));
}

LRESULT CWndHTML::OnBoardChecks(WPARAM, LPARAM) {
    RebuildSelection();
    return 0;
}

void CWndHTML::RebuildSelection() {
    CScheduleData* data = Document();
    if (!data) return;
    std::vector<int> checked;
    for (int group = 0; group < 4; ++group) GetBoard().GetCheckedIds(group, checked);
    m_entityIds.clear();
    for (int id : checked)
        if (id != 0 && data->FindEntity(id) != data->m_arrEntities.end()) m_entityIds.push_back(id);
    std::vector<int> days;
    GetBoard().GetCheckedIds(4, days);
    m_dayIndexes.clear();
    for (int item : days) m_dayIndexes.push_back(item - kDayItemBase);
    std::fill(std::begin(data->m_bReportSwitches), std::end(data->m_bReportSwitches), 0);
    for (int d : m_dayIndexes)
        if (d >= 0 && d < CScheduleData::kReportSwitches) data->m_bReportSwitches[d] = 1;
    std::sort(m_entityIds.begin(), m_entityIds.end());
}
