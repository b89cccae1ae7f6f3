#pragma once
// CWzdPageAbsenceEntities: further entities absent with the current one, ticked in a tree of
// two groups (classes; teachers and assistants). The current entity always comes first.
#include <vector>

#include "controls/my_tree_ctrl.h"
#include "controls/wizard_page.h"
#include "platform/ui/image_list.h"

class CWzdPageAbsenceEntities : public CWizardPage {
public:
    CWzdPageAbsenceEntities(std::vector<int>* ids, CWnd* pParentWnd = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void FillTree();
    int OnWizardNext() override;
    BOOL OnWizardFinish() override;

    CImageList m_images;
    CMyTreeCtrl m_tree;
    HTREEITEM m_hGroups[2] = {nullptr, nullptr};
    std::vector<int>* entityIds;

private:
    void ReadTicks();
};
