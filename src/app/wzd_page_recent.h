#pragma once
// CWzdPageRecent: the new-project wizard's page that chooses a plan file: the recent plans in
// four age groups, a path box and a browse button.
#include "controls/wizard_page.h"
#include "platform/ui/edit.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"

class CNewProjectWzd;

class CWzdPageRecent : public CWizardPage {
public:
    explicit CWzdPageRecent(CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    int OnWizardBack() override;
    int OnWizardNext() override;
    BOOL OnWizardFinish() override;

    void InsertGroup(const CString& header, int groupId);
    CListCtrl& GetList() { return m_list; }

protected:
    void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    CNewProjectWzd* Host() const;
    CString PathText() const;

    CListCtrl m_list;
    CEdit m_edit;
    CImageList m_images;
};
