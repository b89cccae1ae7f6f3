#pragma once
// Dialog data exchange: DoDataExchange moves values between a dialog's controls and its
// members, in the direction UpdateData asks (m_bSaveAndValidate: controls to members).
// DDX_Control binds a control of the dialog to a member window object (subclassing).
#include <exception>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/window_defs.h"

class CWnd;

// Thrown by CDataExchange::Fail; UpdateData answers FALSE.
class CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "dialog data exchange failed"; }
};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    // The control with this id; fails the exchange when the dialog has none.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_idLastControl = nullptr;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A number that does not read fails the exchange (the focus goes to the control).
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value is the index of the checked button of the group that starts at nIDC, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
