#include "platform/ui/data_exchange.h"

#include <algorithm>
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/dialog.h"
#include "platform/ui/system_time.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = ::GetDlgItem(m_pDlgWnd ? m_pDlgWnd->m_hWnd : nullptr, nIDC);
    if (!control) Fail();
    m_idLastControl = control;
    return control;
}

void CDataExchange::Fail() {
    if (!m_bSaveAndValidate) throw CUserException();
    // The control that did not read takes the focus, so the user sees what to correct.
    if (m_idLastControl && IsWindow(m_idLastControl)) {
        SetFocus(m_idLastControl);
        SendMessage(m_idLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control)) pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) CWnd::FromHandle(control)->GetWindowText(value);
    else SendMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.GetString()));
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        BOOL ok = FALSE;
        const UINT read = GetDlgItemInt(pDX->m_pDlgWnd->m_hWnd, nIDC, &ok, TRUE);
        if (!ok) pDX->Fail();
        value = static_cast<int>(read);
    } else {
        SetDlgItemInt(pDX->m_pDlgWnd->m_hWnd, nIDC, static_cast<UINT>(value), TRUE);
    }
    (void)control;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = static_cast<int>(SendMessage(control, BM_GETCHECK, 0, 0));
    else SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(std::clamp(value, 0, 2)), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& index) {
    HWND first = pDX->PrepareCtrl(nIDC);
    HWND parent = GetParent(first);
    std::vector<HWND> siblings;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) siblings.push_back(c);
    std::sort(siblings.begin(), siblings.end(), [](HWND a, HWND b) { return a->zOrder < b->zOrder; });
    auto it = std::find(siblings.begin(), siblings.end(), first);
    if (pDX->m_bSaveAndValidate) index = -1;
    int n = 0;
    for (; it != siblings.end(); ++it) {
        if (it != siblings.begin() && *it != first && (GetWindowLong(*it, GWL_STYLE) & WS_GROUP)) break;
        if (!(SendMessage(*it, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (SendMessage(*it, BM_GETCHECK, 0, 0) == BST_CHECKED) index = n;
        } else {
            SendMessage(*it, BM_SETCHECK, n == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++n;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) index = static_cast<int>(SendMessage(control, CB_GETCURSEL, 0, 0));
    else SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
        return;
    }
    if (SendMessage(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR)
        SendMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.GetString()));
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) index = static_cast<int>(SendMessage(control, LB_GETCURSEL, 0, 0));
    else SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        SendMessage(control, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
        // The calendar's day at midnight.
        value = COleDateTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
    } else if (SystemTimeFromOleDateTime(value, st)) {
        SendMessage(control, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    }
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        if (SendMessage(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == GDT_VALID)
            value = OleDateTimeFromSystemTime(st);
        else value.SetStatus(COleDateTime::null);
    } else if (SystemTimeFromOleDateTime(value, st)) {
        SendMessage(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
}
