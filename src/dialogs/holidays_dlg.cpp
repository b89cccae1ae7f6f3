#include "dialogs/holidays_dlg.h"

#include "app/scheduler_app.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/control_bar.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {
constexpr UINT kPlaceholderId = 1045, kNameEditId = 1043;
constexpr DWORD kBarStyle = CBRS_ALIGN_LEFT | CBRS_FLYBY | CBRS_TOOLTIPS;
}  // namespace

BEGIN_MESSAGE_MAP(CHolidaysDlg, CDialog)
    ON_NOTIFY(NM_CLICK, CHolidaysDlg::kCalendarId, &CHolidaysDlg::OnCalendarSelect)
    ON_COMMAND(ID_HOLIDAY_SET, &CHolidaysDlg::OnSetHolidayName)
    ON_COMMAND(ID_HOLIDAY_REMOVE, &CHolidaysDlg::OnRemoveHoliday)
END_MESSAGE_MAP()

CHolidaysDlg::CHolidaysDlg(CWnd* pParentWnd) : CDialog(IDD_HOLIDAYS, pParentWnd) {}

CHolidaysDlg::~CHolidaysDlg() = default;

void CHolidaysDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kNameEditId, m_edit);
}

int CHolidaysDlg::IsHolidayDate(const COleDateTime& date) {
    const CSchedulerApp* app = GetSchedulerApp();
    return app && app->IsHoliday(date) ? 1 : 0;
}

void CHolidaysDlg::SetHolidayName(const COleDateTime& date, const CString& name) {
    if (CSchedulerApp* app = GetSchedulerApp()) app->SetHoliday(date, name);
}

BOOL CHolidaysDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) &&
        m_toolBar.LoadToolBar(IDR_HOLIDAYS_TOOLBAR)) {
        m_toolBar.ShowWindow(SW_SHOW);
        m_toolBar.SetBarStyle(kBarStyle);
        RepositionBars(this, AFX_IDW_TOOLBAR, 0xE8FF, 0);
    }
    CRect rect;
    if (CWnd* placeholder = GetDlgItem(kPlaceholderId)) {
        placeholder->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    rect.DeflateRect(5, 5);
    rect.OffsetRect(5, 10);
    m_calendar.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | CMonthGridCtrl::kRangeMode | CMonthGridCtrl::kAutoSize,
                      rect, this, kCalendarId);
    m_calendar.SetDate(COleDateTime::GetCurrentTime());
    m_calendar.m_pfnSpecialDay = &CHolidaysDlg::IsHolidayDate;
    m_calendar.m_model.m_nRows = 2;
    m_calendar.m_model.m_nColumns = 3;
    m_calendar.RebuildPanels();
    m_calendar.AutoSize();
    m_calendar.m_crBackground = RGB(255, 255, 255);
    // The weeks start on the day the options name as the first of the week (Sunday without one).
    const CSchedulerApp* app = GetSchedulerApp();
    const COleDateTime firstDay = app ? app->m_dtFirstWeekDay : COleDateTime(0.0);
    const bool named = firstDay.GetStatus() == COleDateTime::valid && firstDay.m_dt > 0.0;
    m_calendar.SetFirstDayOfWeek(named ? firstDay.GetDayOfWeek() : 1);
    m_calendar.m_model.m_bAdjacentDays = 1;
    m_calendar.m_model.m_nMaxRange = 256;
    return TRUE;
}

std::vector<COleDateTime> CHolidaysDlg::SelectedDays() const {
    std::vector<COleDateTime> days;
    const CMonthGridModel& model = m_calendar.m_model;
    if (!model.HasSelection()) return days;
    for (COleDateTime day = model.m_dtSelStart; day <= model.m_dtSelEnd; day = day + COleDateTimeSpan(1, 0, 0, 0))
        days.push_back(day);
    return days;
}

void CHolidaysDlg::ShowChanges() {
    m_calendar.AutoSize();
    m_calendar.Invalidate(FALSE);
    m_calendar.UpdateWindow();
}

void CHolidaysDlg::OnCalendarSelect(NMHDR*, LRESULT* result) {
    *result = 0;
    const CSchedulerApp* app = GetSchedulerApp();
    const COleDateTime start = m_calendar.m_model.m_dtSelStart;
    m_edit.SetWindowText(app && app->IsHoliday(start) ? app->GetHolidayName(start) : CString());
}

void CHolidaysDlg::OnSetHolidayName() {
    CString name;
    m_edit.GetWindowText(name);
    if (name.IsEmpty()) {
        MessageBox(LoadResString(IDS_HOLIDAY_NO_NAME), LoadResString(IDS_ERROR_CAPTION), MB_ICONHAND);
        return;
    }
    for (const COleDateTime& day : SelectedDays()) SetHolidayName(day, name);
    ShowChanges();
}

void CHolidaysDlg::OnRemoveHoliday() {
    if (CSchedulerApp* app = GetSchedulerApp())
        for (const COleDateTime& day : SelectedDays()) app->RemoveHoliday(day);
    ShowChanges();
    m_edit.SetWindowText(L"");
}
