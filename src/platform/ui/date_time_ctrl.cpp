#include "platform/ui/date_time_ctrl.h"

#include "platform/ui/native_control.h"
#include "platform/ui/system_time.h"

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew) {
    SYSTEMTIME st{};
    if (!SystemTimeFromOleDateTime(timeNew, st)) return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, 0));
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew) {
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(pTimeNew)));
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const {
    SYSTEMTIME st{};
    if (GetTime(&st) != GDT_VALID) {
        timeDest.SetStatus(COleDateTime::null);
        return FALSE;
    }
    timeDest = OleDateTimeFromSystemTime(st);
    return TRUE;
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const {
    return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat) { return static_cast<BOOL>(SendMessage(DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(pstrFormat))); }

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (pMinRange && SystemTimeFromOleDateTime(*pMinRange, range[0])) flags |= GDTR_MIN;
    if (pMaxRange && SystemTimeFromOleDateTime(*pMaxRange, range[1])) flags |= GDTR_MAX;
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(range)));
}

void CDateTimeCtrl::SetMonthCalFont(HFONT hFont, BOOL bRedraw) { SendMessage(DTM_SETMCFONT, reinterpret_cast<WPARAM>(hFont), bRedraw); }
HWND CDateTimeCtrl::GetMonthCalCtrl() const { return reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL)); }
