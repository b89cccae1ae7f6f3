#pragma once
// CWzdPageAbsenceDays: the plan days on which the absence lasts the whole day, as a list with
// check boxes. Every visit starts from unticked days.
#include <array>

#include "controls/wizard_page.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"

class CWzdPageAbsenceDays : public CWizardPage {
public:
    static constexpr int kMaxDays = 21;

    explicit CWzdPageAbsenceDays(CWnd* pParentWnd = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSetActive() override;
    int OnWizardNext() override;
    BOOL OnWizardFinish() override;

    CImageList m_images;
    CListCtrl m_list;
    std::array<int, kMaxDays> dayFlags{};

private:
    void ReadTicks();
};
