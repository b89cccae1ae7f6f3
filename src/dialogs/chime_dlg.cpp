#include "dialogs/chime_dlg.h"

#include "controls/app_document.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_edit.h"
#include "dialogs/day_schedule_dlg.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resources.h"
#include "resource_ids.h"

namespace {

constexpr int kToolBarRoom = 25, kTreeHeight = 150;

HICON LoadButtonIcon(UINT id) {
    return ::LoadIcon(AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_ICON), MAKEINTRESOURCE(id));
}

}  // namespace

BEGIN_MESSAGE_MAP(CChimeDlg, CDialog)
    ON_WM_SIZE()
    ON_COMMAND(IDOK, &CChimeDlg::OnBnClickedOk)
    ON_COMMAND(ID_SCHEDULE_RELOAD, &CChimeDlg::OnReloadSchedule)
END_MESSAGE_MAP()

CChimeDlg::CChimeDlg(CChimeSet* record, CWnd* pParentWnd) : CDialog(IDD_CHIME, pParentWnd), m_record(record) {}

CChimeDlg::~CChimeDlg() = default;

const CScheduleData* CChimeDlg::Document() const { return GetAppDocument(); }

void CChimeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOk);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
}

BOOL CChimeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_tree.Create(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), this, kTreeId, 0x19))
        return FALSE;
    CDayScheduleDlg::CreateToolBarAndControl(*this, m_toolBar, m_schedule);
    for (auto [button, icon] : {std::pair{&m_btnOk, IDI_BUTTON_OK}, std::pair{&m_btnCancel, IDI_BUTTON_CANCEL}}) {
        button->SetThemeLibrary(&m_theme);
        button->SetIcon(LoadButtonIcon(icon));
    }
    COptionTreeItem* group = m_tree.InsertItem(nullptr, new COptionTreeItem);
    m_tree.SetNotify(TRUE, this);
    CRect client;
    m_tree.GetClientRect(&client);
    m_tree.ResizeControls(client.Height(), client.Width());
    m_tree.Invalidate();
    m_tree.UpdateWindow();
    m_tree.SetColumnWidth(150);

    m_pNameItem = static_cast<COptionTreeItemEdit*>(m_tree.InsertItem(group, new COptionTreeItemEdit));
    m_pNameItem->SetLabel(LoadResString(IDS_CHIME_NAME));
    m_pNameItem->SetInfoText(LoadResString(IDS_CHIME_NAME_INFO));
    if (m_pNameItem->CreateEditWindow(0, 0)) m_pNameItem->SetWindowText(m_record->m_strName);
    const CScheduleData* data = Document();
    if (!data || data->GetDefaultChimeSetId() != m_record->m_nId) {
        m_pDefaultItem = static_cast<COptionTreeItemCheckBox*>(m_tree.InsertItem(group, new COptionTreeItemCheckBox));
        m_pDefaultItem->SetLabel(LoadResString(IDS_CHIME_DEFAULT));
        m_pDefaultItem->SetInfoText(LoadResString(IDS_CHIME_DEFAULT_INFO));
        m_pDefaultItem->CreateCheckWindow(FALSE, 0x400);
    }
    m_tree.ExpandAllItems();
    LoadSchedule();
    LayoutControls();
    return TRUE;
}

void CChimeDlg::LoadSchedule() {
    const CScheduleData* data = Document();
    m_schedule.m_model.LoadChimeSet(*m_record, data ? data->m_tDayStart : MakeTimeOfDay(8, 0));
    m_schedule.UpdateScrollBar();
    m_schedule.Invalidate(FALSE);
}

void CChimeDlg::LayoutControls() {
    if (!m_tree.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    m_schedule.MoveWindow(client.left + kToolBarRoom, client.top, client.Width() - kToolBarRoom,
                          client.Height() - kTreeHeight);
    m_tree.MoveWindow(client.left, client.bottom - kTreeHeight, client.Width(), kTreeHeight);
    if (CWnd* ok = GetDlgItem(IDOK)) ok->MoveWindow(client.right - 115, client.bottom - 45, 110, 40);
    if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->MoveWindow(client.right - 235, client.bottom - 45, 110, 40);
    Invalidate();
}

void CChimeDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    LayoutControls();
}

BOOL CChimeDlg::PreTranslateMessage(MSG* pMsg) {
    // Keys typed in the tree reach its editors as they are; elsewhere the dialog's keys work.
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) {
        for (CWnd* wnd = CWnd::FromHandle(pMsg->hwnd); wnd; wnd = wnd->GetParent())
            if (wnd == &m_tree) return FALSE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CChimeDlg::OnBnClickedOk() {
    CString name;
    if (m_pNameItem && m_pNameItem->GetSafeHwnd()) m_pNameItem->GetWindowText(name);
    m_record->m_strName = name;
    m_bMakeDefault = m_pDefaultItem ? (m_pDefaultItem->GetCheck() ? 1 : 0) : 1;
    m_schedule.StoreInChimeSet(*m_record);
    if (name.IsEmpty()) {
        MessageBox(LoadResString(IDS_CHIME_NO_NAME), LoadResString(IDS_ERROR_CAPTION), MB_ICONHAND);
        return;
    }
    const CString problem = CheckAgainstOtherSets();
    if (!problem.IsEmpty()) {
        MessageBox(problem, LoadResString(IDS_CHIME_CHECK_CAPTION), MB_ICONHAND);
        return;
    }
    CDialog::OnOK();
}

CString CChimeDlg::CheckAgainstOtherSets() const {
    int lessons = -1;
    for (const CChimeInterval& pair : m_record->m_arrIntervals)
        if (pair.m_strBreak.IsEmpty()) ++lessons;
    if (lessons <= 0) return LoadResString(IDS_CHIME_NO_LESSON);
    const CScheduleData* data = Document();
    if (!data) return CString();
    for (const CChimeSet& other : data->m_arrChimeSets) {
        if (other.m_nId == m_record->m_nId) continue;
        for (int j = 0; j < lessons; ++j) {
            const __time64_t start = m_record->GetLessonStart(*data, j), end = m_record->GetLessonEnd(*data, j);
            const __time64_t otherStart = other.GetLessonStart(*data, j), otherEnd = other.GetLessonEnd(*data, j);
            CString text;
            if (CompareTime64Approx(start, otherEnd) > 0) {
                text.Format(IDS_CHIME_LESSON_AFTER, j + 1, other.m_strName.GetString());
                return text;
            }
            if (CompareTime64Approx(otherStart, end) > 0) {
                text.Format(IDS_CHIME_LESSON_BEFORE, j + 1, other.m_strName.GetString());
                return text;
            }
        }
    }
    return CString();
}

BOOL CChimeDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The control's own commands (zoom, split, delete, label) go to the control first.
    if (m_schedule.GetSafeHwnd() && m_schedule.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CChimeDlg::OnReloadSchedule() { CDayScheduleDlg::ReloadSchedule(Document(), m_schedule); }
