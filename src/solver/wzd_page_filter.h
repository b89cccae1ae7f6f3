#pragma once
// CWzdPageFilter: what the run places: the open entries, chosen activities, the activities of
// chosen entities, or every activity's missing entries. For the two choices it lists the
// activities or entities hardest to place first, weighed on the problem the run will solve.
#include <vector>

#include "controls/wizard_page.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/progress_ctrl.h"

class CScheduleData;

class CWzdPageFilter : public CWizardPage {
public:
    CWzdPageFilter(CWnd* pParentWnd, CScheduleData& data);

    BOOL OnInitDialog() override;
    int OnWizardNext() override;

    // Weighs the run's problem on the document and fills the list from the weights; the
    // document's timetable is left as it was.
    void FillList();

    CImageList m_images;
    CListCtrl m_list;
    CProgressCtrl m_progress;
    CComboBox m_kind;
    int m_nKind = 0;

protected:
    void OnKindChanged();
    DECLARE_MESSAGE_MAP()

private:
    void Status(UINT id);

    CScheduleData& m_data;
};
