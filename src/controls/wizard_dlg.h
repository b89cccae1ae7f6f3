#pragma once
// CWizardDlg: a modal dialog that shows one page at a time at the place of a placeholder
// control and carries Back, Next, Finish and Cancel. Pages are created when first shown and
// keep their windows while the user moves back and forth; Finish and Cancel are agreed by
// every page that was created. The wizard does not own its pages.
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/message_map.h"

class CWizardPage;


class CWizardDlg : public CDialog {
public:
    CWizardDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    BOOL ShowPage(CWizardPage* page);
    BOOL ShowFirstPage();
    CWizardPage* FindPage(int templateId) const;
    CWizardPage* GetActivePage() const;

    // Pages call these on their wizard to move on by themselves.
    void OnWizardNext();
    void OnWizardFinish();
    void OnWizardBack();
    void OnCancel() override;

    std::vector<CWizardPage*> m_pages;  // in navigation order, filled before the wizard is shown
    int m_nPlaceholderID = 0;

protected:
    void OnDestroy();
    void OnCancelCommand() { OnCancel(); }
    DECLARE_MESSAGE_MAP()

private:
    BOOL DeactivateActivePage();
    void EnableButton(UINT id, BOOL enable);
    int IndexOf(const CWizardPage* page) const;
    // Where Back (step -1) or Next (step 1) goes for a page's answer; null to stay.
    CWizardPage* TargetOf(const CWizardPage* active, int answer, int step) const;

    bool m_finished = false;
    bool m_bAskingCancel = false;  // the pages are being asked whether to leave
};
