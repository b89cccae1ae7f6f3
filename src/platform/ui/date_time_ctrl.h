#pragma once
// CDateTimeCtrl: the "SysDateTimePick32" control.
#include "platform/core/ole_date_time.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

class CDateTimeCtrl : public CWnd {
public:
    CDateTimeCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);
    BOOL GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    BOOL SetFormat(LPCTSTR pstrFormat);
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE);
    HWND GetMonthCalCtrl() const;
};
