#pragma once
// CDialog: a dialog built from a DIALOGEX template of the current language pack. Template
// positions and sizes are dialog units, turned into pixels through the average character
// size of the dialog's font (MapDialogRect). Controls are created by class name: the
// standard and common controls, or a class that our own code registered.
//
//   CMyDlg dlg(IDD_MY, this);      // template id, parent
//   if (dlg.DoModal() == IDOK) ... // nested event loop until EndDialog
//   page.Create(IDD_PAGE, this);   // a modeless child dialog (template with WS_CHILD)
//
// The dialog manager (IsDialogMessage, run from PreTranslateMessage) moves the focus with
// Tab and Shift+Tab over WS_TABSTOP controls in template order and with the arrow keys
// within a WS_GROUP group, presses the default push button on Enter and sends IDCANCEL on
// Escape; IDOK and IDCANCEL reach the virtual OnOK and OnCancel.
#include <memory>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

struct CDialogTemplate;
class CDataExchange;
class QEventLoop;

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: creates the window, runs until EndDialog and returns its result (-1 when the
    // window could not be created).
    virtual INT_PTR DoModal();
    // Modeless: a child dialog when the template has WS_CHILD (a wizard page), else an owned
    // top-level window.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    using CWnd::Create;
    // The same from a template held by the caller.
    BOOL CreateIndirect(const CDialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    INT_PTR DoModalIndirect(const CDialogTemplate& dialogTemplate);
    void EndDialog(int nResult);
    // Whether a modal run has been ended: its loop returns as soon as it gets control again.
    bool IsEnding() const { return m_modal && m_ending; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Dialog units to pixels with the dialog's font.
    void MapDialogRect(LPRECT lpRect) const;
    // The average character width and the character height of the dialog's font.
    CSize GetBaseUnits() const { return m_baseUnits; }

    // Focus and the default button.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    BOOL IsDialogMessage(LPMSG lpMsg);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Control helpers.
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT HandleGetDefId(WPARAM wParam, LPARAM lParam);
    LRESULT HandleSetDefId(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnClose();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(const CDialogTemplate& dialogTemplate, CWnd* pParentWnd, bool modal);
    void CreateControls(const CDialogTemplate& dialogTemplate);
    INT_PTR RunModal();

    CFont m_font;
    CSize m_baseUnits{6, 13};
    UINT m_defId = 0;
    int m_nModalResult = -1;
    bool m_modal = false;
    bool m_ending = false;
    QEventLoop* m_loop = nullptr;
};

// The dialog manager for any window with children (the HWND forms).
BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg);
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
// Whether a modal dialog runs now: one of ours (DoModal), or a message box or file dialog of
// the toolkit.
BOOL IsModalDialogOpen();
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
BOOL SetDlgItemText(HWND hDlg, int nID, LPCTSTR lpString);
UINT GetDlgItemText(HWND hDlg, int nID, LPTSTR lpString, int cchMax);
BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);
BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
UINT GetDlgItemInt(HWND hDlg, int nID, BOOL* lpTranslated, BOOL bSigned);
BOOL SetDlgItemInt(HWND hDlg, int nID, UINT uValue, BOOL bSigned);
LRESULT SendDlgItemMessage(HWND hDlg, int nID, UINT message, WPARAM wParam, LPARAM lParam);
