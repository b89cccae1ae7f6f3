#pragma once
// CHolidaysDlg: names and removes the holidays of the application's holiday calendar on six
// months of the month calendar. Every change takes effect at once; closing undoes nothing.
// A name set or a removal applies to every day of the selected range.
#include "dialogs/month_grid_ctrl.h"
#include "platform/ui/dialog.h"
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_bar.h"

class CHolidaysDlg : public CDialog {
public:
    static constexpr UINT kCalendarId = 32999;

    explicit CHolidaysDlg(CWnd* pParentWnd = nullptr);
    ~CHolidaysDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The calendar's special-day function: whether the day is a holiday of the application.
    static int IsHolidayDate(const COleDateTime& date);
    static void SetHolidayName(const COleDateTime& date, const CString& name);

    CToolBar m_toolBar;
    CMonthGridCtrl m_calendar;
    CEdit m_edit;

    void OnCalendarSelect(NMHDR* hdr, LRESULT* result);
    void OnSetHolidayName();
    void OnRemoveHoliday();

protected:
    DECLARE_MESSAGE_MAP()

private:
    // The days of the calendar's selection, first to last.
    std::vector<COleDateTime> SelectedDays() const;
    void ShowChanges();
};
