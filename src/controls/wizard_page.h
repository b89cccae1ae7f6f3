#pragma once
// CWizardPage: one page of a CWizardDlg, a modeless child dialog on white with black text.
// The wizard asks its operations as the user moves: created, shown, left, finish, cancel.
#include "platform/ui/dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/message_map.h"

class CWizardDlg;

class CWizardPage : public CDialog {
public:
    CWizardPage(CWnd* pParentWnd, UINT nIDTemplate);
    ~CWizardPage() override;

    // Called once, right after the page's window was created; FALSE stops showing it.
    virtual BOOL OnCreatePage() { return TRUE; }
    // The wizard's window goes; the page's window follows.
    virtual void OnDestroyPage() {}
    // The page is about to be left; FALSE keeps it.
    virtual BOOL OnKillActive() { return TRUE; }
    virtual void OnSetActive() {}
    // Cancel was pressed; FALSE refuses.
    virtual BOOL OnQueryCancel() { return TRUE; }
    // Where Back and Next go: 0 the neighbour in the list, -1 stay, else a page's template id.
    virtual int OnWizardBack() { return 0; }
    virtual int OnWizardNext() { return 0; }
    // Finish was pressed; asked of every created page; FALSE refuses.
    virtual BOOL OnWizardFinish() { return TRUE; }

    BOOL OnInitDialog() override;
    // Escape and Enter in the page's fields are swallowed: they neither end the wizard nor
    // press its default button.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A page never ends itself.
    void OnCancel() override {}

    CFont m_titleFont;
    CFont m_textFont;
    CBrush m_brush;
    CWizardDlg* m_pWizard = nullptr;
    int m_bCreated = 0;
    int m_bActive = 0;
    int m_nTemplateID = 0;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
