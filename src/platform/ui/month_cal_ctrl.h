#pragma once
// CMonthCalCtrl: the "SysMonthCal32" control.
#include "platform/core/ole_date_time.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

class CMonthCalCtrl : public CWnd {
public:
    CMonthCalCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    BOOL SetCurSel(const COleDateTime& refDateTime);
    BOOL SetCurSel(const LPSYSTEMTIME pDateTime);
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const;
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    BOOL GetToday(COleDateTime& refDateTime) const;
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = nullptr);
    int GetFirstDayOfWeek(BOOL* pbLocal = nullptr) const;
    BOOL GetMinReqRect(RECT* pRect) const;
};
