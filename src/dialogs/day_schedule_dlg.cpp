#include "dialogs/day_schedule_dlg.h"

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/ui/control_bar.h"
#include "resource_ids.h"

namespace {
constexpr int kToolBarRoom = 25;
}

BEGIN_MESSAGE_MAP(CDayScheduleDlg, CDialog)
    ON_WM_SIZE()
    ON_COMMAND(ID_SCHEDULE_RELOAD, &CDayScheduleDlg::OnReloadSchedule)
END_MESSAGE_MAP()

CDayScheduleDlg::CDayScheduleDlg(CWnd* pParentWnd) : CDialog(IDD_DAY_SCHEDULE, pParentWnd) {}

CDayScheduleDlg::~CDayScheduleDlg() = default;

void CDayScheduleDlg::CreateToolBarAndControl(CDialog& dialog, CToolBar& toolBar, CDayScheduleCtrl& control) {
    if (toolBar.CreateEx(&dialog, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                         AFX_IDW_TOOLBAR) &&
        toolBar.LoadToolBar(IDR_SCHEDULE_TOOLBAR)) {
        toolBar.ShowWindow(SW_SHOW);
        toolBar.SetBarStyle(CBRS_ALIGN_LEFT | CBRS_FLYBY | CBRS_TOOLTIPS);
        RepositionBars(&dialog, AFX_IDW_TOOLBAR, 0xE8FF, 0);
    }
    control.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &dialog, CDayScheduleCtrl::kControlId);
}

void CDayScheduleDlg::ReloadSchedule(const CScheduleData* data, CDayScheduleCtrl& control) {
    if (!data) return;
    // With one set the default id is that set's own id, whatever it is.
    const auto set = data->FindChimeSet(data->GetDefaultChimeSetId());
    if (set == data->m_arrChimeSets.end()) return;
    control.m_model.Clear();
    control.Invalidate(FALSE);
    control.m_model.LoadChimeSet(*set, data->m_tDayStart);
}

BOOL CDayScheduleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CreateToolBarAndControl(*this, m_toolBar, m_schedule);
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
    return TRUE;
}

void CDayScheduleDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_schedule.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    m_schedule.MoveWindow(client.left + kToolBarRoom, client.top, client.Width() - kToolBarRoom, client.Height());
}

BOOL CDayScheduleDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The control's own commands (zoom, split, delete, label) go to the control first.
    if (m_schedule.GetSafeHwnd() && m_schedule.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDayScheduleDlg::OnReloadSchedule() { ReloadSchedule(GetAppDocument(), m_schedule); }
