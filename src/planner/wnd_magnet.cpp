#include "planner/wnd_magnet.h"

#include <utility>
#include <vector>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "frame/page_report_request.h"
#include "model/page_content.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "planner/magnet_build.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/menu_cmd_ui.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

namespace {

// The page's edit commands share the ids of the contacts page's add, edit and delete buttons.
constexpr UINT kNewActivity = ID_CONTACTS_ADD, kEditActivity = ID_CONTACTS_EDIT, kDeleteMagnets = ID_CONTACTS_DELETE;

CString RowCaption(const CEntity& entity) {
    if (entity.m_strEducator.IsEmpty()) return entity.m_strName;
    CString caption;
    caption.Format(L"%s (%s)", entity.m_strName.GetString(), entity.m_strEducator.GetString());
    return caption;
}

}  // namespace

namespace {
CMagnetPageDialogs& Dialogs() {
    static CMagnetPageDialogs dialogs;
    return dialogs;
}
}  // namespace

void CWndMagnet::SetDialogs(CMagnetPageDialogs dialogs) { Dialogs() = std::move(dialogs); }
const CMagnetPageDialogs& CWndMagnet::GetDialogs() { return Dialogs(); }

BEGIN_MESSAGE_MAP(CWndMagnet, CMyDisplay)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(CWndBoard::kChecksChanged, &CWndMagnet::OnBoardChecksChanged)
    ON_MESSAGE(WM_MB_MAGNETS_EDITED, &CWndMagnet::OnMagnetsEdited)
    ON_MESSAGE(WM_MB_ACTIVITY_DROPPED, &CWndMagnet::OnActivityDropped)
    ON_MESSAGE(WM_MB_GROUP_DROPPED, &CWndMagnet::OnGroupDropped)
    ON_MESSAGE(WM_MB_ROW_CHANGED, &CWndMagnet::OnCurrentRowChanged)
    ON_COMMAND(kNewActivity, &CWndMagnet::OnNewActivity)
    ON_COMMAND(kEditActivity, &CWndMagnet::OnEditActivity)
    ON_COMMAND(kDeleteMagnets, &CWndMagnet::OnDeleteMagnets)
    ON_UPDATE_COMMAND_UI(kNewActivity, &CWndMagnet::OnUpdateHasRow)
    ON_UPDATE_COMMAND_UI(kEditActivity, &CWndMagnet::OnUpdateEditActivity)
    ON_UPDATE_COMMAND_UI(kDeleteMagnets, &CWndMagnet::OnUpdateDeleteMagnets)
    ON_COMMAND(ID_SHOW_PANEL_LIST, &CWndMagnet::OnShowRowBoard)
    ON_COMMAND(ID_MAGNET_SHOW_SELECTION_BOARD, &CWndMagnet::OnShowSelectionBoard)
    ON_COMMAND(ID_MAGNET_PAGE_REPORT, &CWndMagnet::OnPageReport)
    ON_COMMAND(ID_MAGNET_ROWS_REPORT, &CWndMagnet::OnRowsReport)
    ON_COMMAND(ID_SHOW_PROBLEMS, &CWndMagnet::OnProblemsReport)
    ON_COMMAND(ID_MAGNET_TOGGLE_MARKS, &CWndMagnet::OnToggleMarks)
    ON_COMMAND(ID_MAGNET_TOGGLE_SPLIT, &CWndMagnet::OnToggleSplit)
    ON_COMMAND(ID_MAGNET_ZOOM_IN, &CWndMagnet::OnZoomIn)
    ON_COMMAND(ID_MAGNET_ZOOM_OUT, &CWndMagnet::OnZoomOut)
    ON_COMMAND(ID_MAGNET_ZOOM_FIT, &CWndMagnet::OnZoomFit)
END_MESSAGE_MAP()

CWndMagnet::CWndMagnet() = default;

CWndMagnet::~CWndMagnet() { m_ctrl.DestroyWindow(); }

int CWndMagnet::OnCreate(LPCREATESTRUCT cs) {
    if (CMyDisplay::OnCreate(cs) == -1) return -1;
    if (!m_ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kControlId)) return -1;
    GetBoard().m_dropTarget = &m_ctrl;
    GetBoard().m_pinned = 0;
    UpdateBoard();
    GetBoard().m_mode = 0;
    return 0;
}

void CWndMagnet::OnShowWindow(BOOL show, UINT status) {
    CMyDisplay::OnShowWindow(show, status);
    const CScheduleData* data = GetAppDocument();
    if (data && !data->m_arrEntities.empty() && m_bDirty) {
        Update(4);
        m_bDirty = 0;
    }
}

// Update and refresh ---------------------------------------------------------------------------------

void CWndMagnet::Update(int kind) {
    if (!IsWindowVisible() && kind != 3 && kind != 4) {
        m_bDirty = 1;
        return;
    }
    m_bDirty = 0;
    const int current = m_ctrl.GetCurrentRowId();
    if (kind == 8) {
        m_ctrl.ScrollToTop();
    } else if (kind == 2) {
        UpdateBoard();
    } else if (kind == 1 || kind == 4) {
        RebuildRowsAndDays();
    }
    Refresh();
    RestoreCurrentRow(current);
}

void CWndMagnet::RestoreCurrentRow(int entityId) {
    // A rebuild forgets the current row; the user keeps working in the row they were in.
    if (entityId != 0 && m_ctrl.GetCurrentRowId() != entityId && m_ctrl.FindRow(entityId) != CMagnetCtrl::kNone)
        m_ctrl.SelectRow(entityId);
}

void CWndMagnet::RefreshContent(const CPageContent& content) {
    if (!IsWindowVisible()) {
        m_bDirty = 1;
        return;
    }
    m_bDirty = 0;
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const int current = m_ctrl.GetCurrentRowId();
    // The rows and days the plan check worked out.
    m_ctrl.Clear();
    for (const CPageMagnetRow& row : content.m_arrMagnetRows) {
        m_ctrl.AddRow(row.m_nEntity, row.m_strCaption, row.m_nType);
        const auto entity = data->FindEntity(row.m_nEntity);
        if (entity != data->m_arrEntities.end()) m_ctrl.SetRowSchedule(row.m_nEntity, *entity);
    }
    m_ctrl.ClearDayColumns();
    for (std::size_t i = 0; i < content.m_arrMagnetDays.size(); ++i)
        m_ctrl.AddDay(content.m_arrMagnetDays[i].m_strCaption, content.m_arrMagnetDays[i].m_dtDate, static_cast<int>(i));
    Refresh();
    RestoreCurrentRow(current);
}

void CWndMagnet::RebuildRowsAndDays() {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    m_ctrl.Clear();
    for (const CEntity& entity : data->m_arrEntities) {
        if (entity.m_nType != 0) continue;
        m_ctrl.AddRow(entity.m_nId, RowCaption(entity), entity.m_nType);
        m_ctrl.SetRowSchedule(entity.m_nId, entity);
    }
    m_ctrl.ClearDayColumns();
    for (int i = 0; i < data->m_nDays; ++i) m_ctrl.AddDay(data->FormatDayTitle(i), data->GetDayDate(i), i);
}

void CWndMagnet::Refresh() {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    CWaitCursor wait;
    BuildMagnets(*data, m_ctrl.GetRows(), m_bMarks != 0);
    BuildAbsenceBlocks(*data, m_ctrl.GetRows());
    m_ctrl.SortAndLayout();
}

// The entity board ---------------------------------------------------------------------------------------

void CWndMagnet::ResetBoard(int checkBoxes) {
    CWndBoard& board = GetBoard();
    board.m_groups.clear();
    board.m_items.clear();
    board.m_pinned = 0;
    board.m_checkBoxes = checkBoxes;
}

void CWndMagnet::FillBoard() {
    ResetBoard(0);
    CWndBoard& board = GetBoard();
    const CScheduleData* data = GetAppDocument();
    const CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!data || !row) return;
    board.AddGroup(LoadResString(IDS_STATS_GROUPED));
    board.AddGroup(LoadResString(IDS_STATS_UNGROUPED));
    for (const CActivityGroup& group : data->m_arrGroups)
        if (group.HasEntity(*data, row->m_nEntityId)) board.AddItem(0, 5, group.m_strName, group.m_nId, 0);
    const auto entity = data->FindEntity(row->m_nEntityId);
    for (const CActivity& activity : data->m_arrActivities) {
        if (activity.m_nGroup != 0 || entity == data->m_arrEntities.end() || !activity.HasEntity(*entity)) continue;
        CString text = activity.GetDisplayName();
        if (!data->IsActivityComplete(activity.m_nId))
            text.Format(L"%s %s", activity.GetDisplayName().GetString(), data->FormatActivityTime(activity.m_nId).GetString());
        board.AddItem(1, 2, text, activity.m_nId, 0);
    }
    board.Populate(LoadResString(IDS_MAGNET_BOARD_ACTIVITIES));
}

void CWndMagnet::FillBoardByKind() {
    ResetBoard(1);
    CWndBoard& board = GetBoard();
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    board.AddGroup(LoadResString(IDS_GROUP_CLASSES));
    board.AddGroup(LoadResString(IDS_MAGNET_BOARD_DAYS));
    for (const CEntity& entity : data->m_arrEntities)
        if (entity.m_nType == 0)
            board.AddItem(0, entity.m_nType + 6, entity.m_strName, entity.m_nId, m_ctrl.FindRow(entity.m_nId) != CMagnetCtrl::kNone);
    for (int i = 0; i < data->m_nDays; ++i) {
        const COleDateTime date = data->GetDayDate(i);
        board.AddItem(1, 2, data->FormatDayTitle(i), kDayItemBase + i, m_ctrl.GetPane(0).GetTitle().HasDay(date));
    }
    SortDayColumns();
    board.Populate(LoadResString(IDS_MAGNET_BOARD_SHOWN));
}

void CWndMagnet::SortDayColumns() {
    for (int pane = 0; pane < 2; ++pane)
        if (m_ctrl.GetPane(pane).GetSafeHwnd()) m_ctrl.GetPane(pane).SortDayColumns();
}

LRESULT CWndMagnet::OnBoardChecksChanged(WPARAM, LPARAM) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    std::vector<int> rows, days;
    GetBoard().GetCheckedIds(0, rows);
    m_ctrl.Clear();
    for (const int id : rows) {
        const auto entity = data->FindEntity(id);
        if (id == 0 || entity == data->m_arrEntities.end()) continue;
        m_ctrl.AddRow(id, entity->m_strName, entity->m_nType);
        m_ctrl.SetRowSchedule(id, *entity);
    }
    GetBoard().GetCheckedIds(1, days);
    m_ctrl.ClearDayColumns();
    for (const int id : days) {
        const int index = id - kDayItemBase;
        m_ctrl.AddDay(data->FormatDayTitle(index), data->GetDayDate(index), index);
    }
    SortDayColumns();
    Refresh();
    return 0;
}

void CWndMagnet::OnShowRowBoard() {
    if (m_ctrl.FindRow(m_ctrl.GetCurrentRowId()) == CMagnetCtrl::kNone) {
        UpdateBoard();
        GetBoard().m_mode = 0;
        LayoutPanes();
        return;
    }
    GetBoard().m_mode = 1;
    GetBoard().m_dragEnabled = 1;
    FillBoard();
    LayoutPanes();
}

void CWndMagnet::OnShowSelectionBoard() {
    GetBoard().m_mode = 3;
    GetBoard().m_dragEnabled = 0;
    FillBoardByKind();
    LayoutPanes();
}

LRESULT CWndMagnet::OnCurrentRowChanged(WPARAM, LPARAM) {
    if (IsWindowVisible() && GetBoard().m_mode == 1) OnShowRowBoard();
    return 0;
}

// Reports, marks, split and zoom -------------------------------------------------------------------------

void CWndMagnet::OnPageReport() {
    CScheduleData* data = GetAppDocument();
    if (data) RequestPageReport(*data, 3);
}

void CWndMagnet::OnRowsReport() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    data->m_arrReportIds.clear();
    std::vector<int> ids;
    for (const CMagnetRow& row : m_ctrl.GetRows()) {
        const auto entity = data->FindEntity(row.m_nEntityId);
        if (entity != data->m_arrEntities.end() && entity->m_nType == 0) ids.push_back(row.m_nEntityId);
    }
    if (!ids.empty()) RequestPageReport(*data, 4, ids);
}

void CWndMagnet::OnProblemsReport() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (frame && frame->IsMessagePanelShown()) {
        RequestPageReport(*data, 0);
        return;
    }
    RecheckAndRefresh(*data, TRUE);
}

void CWndMagnet::OnToggleMarks() {
    m_bMarks = !m_bMarks;
    Refresh();
}

void CWndMagnet::OnToggleSplit() { m_ctrl.ToggleSplit(); }
void CWndMagnet::OnZoomIn() { m_ctrl.ZoomIn(); }
void CWndMagnet::OnZoomOut() { m_ctrl.ZoomOut(); }
void CWndMagnet::OnZoomFit() { m_ctrl.ZoomToFit(); }

void CWndMagnet::OnUpdateHasRow(CCmdUI* cmdUI) { cmdUI->Enable(m_ctrl.GetCurrentRow() != nullptr); }

void CWndMagnet::OnUpdateEditActivity(CCmdUI* cmdUI) {
    const int dragged = m_ctrl.GetCurrentRow() && m_ctrl.m_arrDragItems.size() == 1 ? m_ctrl.FindDraggedInRow() : CMagnetCtrl::kNone;
    cmdUI->Enable(dragged != CMagnetCtrl::kNone && !m_ctrl.GetCurrentRow()->m_arrMagnets[dragged].m_bGroupItem &&
                  Dialogs().editActivity != nullptr);
}

void CWndMagnet::OnUpdateDeleteMagnets(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->HasDefaultStartDate() && !m_ctrl.m_arrDragItems.empty());
}
