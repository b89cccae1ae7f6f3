#include "platform/ui/month_cal_ctrl.h"

#include "platform/ui/native_control.h"
#include "platform/ui/system_time.h"

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(MONTHCAL_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime) {
    SYSTEMTIME st{};
    return SystemTimeFromOleDateTime(refDateTime, st) && SetCurSel(&st);
}

BOOL CMonthCalCtrl::SetCurSel(const LPSYSTEMTIME pDateTime) {
    return static_cast<BOOL>(SendMessage(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
}

// The selected day at midnight.
BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const {
    SYSTEMTIME st{};
    if (!GetCurSel(&st)) return FALSE;
    refDateTime = COleDateTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(LPSYSTEMTIME pDateTime) const {
    return static_cast<BOOL>(SendMessage(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
}

BOOL CMonthCalCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (pMinRange && SystemTimeFromOleDateTime(*pMinRange, range[0])) flags |= GDTR_MIN;
    if (pMaxRange && SystemTimeFromOleDateTime(*pMaxRange, range[1])) flags |= GDTR_MAX;
    return static_cast<BOOL>(SendMessage(MCM_SETRANGE, flags, reinterpret_cast<LPARAM>(range)));
}

BOOL CMonthCalCtrl::GetToday(COleDateTime& refDateTime) const {
    SYSTEMTIME st{};
    if (!SendMessage(MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&st))) return FALSE;
    refDateTime = COleDateTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
    return TRUE;
}

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld) {
    const LRESULT old = SendMessage(MCM_SETFIRSTDAYOFWEEK, 0, iDay);
    if (lpnOld) *lpnOld = LOWORD(old);
    return TRUE;
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const {
    if (pbLocal) *pbLocal = FALSE;
    return static_cast<int>(SendMessage(MCM_GETFIRSTDAYOFWEEK));
}

BOOL CMonthCalCtrl::GetMinReqRect(RECT* pRect) const {
    return static_cast<BOOL>(SendMessage(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(pRect)));
}
