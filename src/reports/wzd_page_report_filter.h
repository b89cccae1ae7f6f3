#pragma once
// CWzdPageReportFilter: the third page of the report wizard: whether to filter, and a tree of
// four groups with check boxes: the entities (classes, or staff for the balance over plan
// files), the absence categories, the funds and, for the balance, the companies. Next writes
// the ticked items into the report page's wizard lists and notes which groups were whole.
#include "controls/wizard_page.h"
#include "platform/ui/image_list.h"
#include "platform/ui/tree_ctrl.h"

class CReportFilter;
class CScheduleData;

class CWzdPageReportFilter : public CWizardPage {
public:
    // The lists of the filter are the report page's wizard lists; its words stay the report
    // page's until the wizard ends with Finish.
    CWzdPageReportFilter(const int* choice, CScheduleData& data, CReportFilter& lists, CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    int OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Sets every child of the selected item's group to the opposite of the selected item's
    // check; a group's own row changes nothing.
    void ToggleSelectedGroup();
    // The report page's wizard lists as Next left them.
    const CReportFilter& GetLists() const { return m_lists; }

    int m_bFilterOn = 0;
    int m_bAllEntities = 1;
    int m_bAllCategories = 1;
    int m_bAllFunds = 1;
    int m_bAllCompanies = 1;
    CTreeCtrl m_tree;
    CImageList m_images;

protected:
    void OnFilterClicked();
    void OnDblClkTree(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    enum Group { kEntities, kCategories, kFunds, kCompanies, kGroupCount };
    void AddGroup(Group group, UINT title, const std::vector<CString>& names, int image);

    const int* m_pChoice;
    CScheduleData& m_data;
    CReportFilter& m_lists;
    HTREEITEM m_roots[kGroupCount] = {};
};
