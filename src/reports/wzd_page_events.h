#pragma once
// CWzdPageEvents: the last page of the report wizard. For the event reports and the news feed
// it collects the events of the open document, keeps those of the days and the filter of the
// earlier pages and lists them grouped by kind with check boxes; Finish hands the ticked ones to
// the wizard. For the balance over plan files it takes the list of document files instead.
#include <vector>

#include "controls/list_box_ex_button_bar.h"
#include "controls/wizard_page.h"
#include "controls/xml_file_list_box.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"

class CReportEvent;
class CReportFilter;
class CScheduleData;
class CWzdPageReportDays;
class CWzdPageReportFilter;

class CWzdPageEvents : public CWizardPage {
public:
    CWzdPageEvents(const int* choice, CScheduleData& data, std::vector<CReportEvent>* events,
                   std::vector<CString>* paths, CWzdPageReportFilter* filterPage, CWzdPageReportDays* daysPage,
                   CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    BOOL OnWizardFinish() override;

    // Lists the events in groups by kind, every row unticked; in choice 0 the entries without
    // an entity (kinds 4 to 6) get no row.
    void FillEventList();
    // Ticks every row of the selected row's kind when that row is unticked, else unticks them.
    void ToggleSelectedKind();

    CImageList m_images;
    CListCtrl m_list;
    CXmlFileListBox m_files{TRUE};
    CListBoxExButtonBar m_bar{m_files};

protected:
    void OnDblClkEventList(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // The filter of the filter page: its words with the report page's lists.
    CReportFilter PageFilter() const;
    int KindOfRow(int row) const;

    const int* m_pChoice;
    CScheduleData& m_data;
    std::vector<CReportEvent>* m_pEvents;
    std::vector<CString>* m_pPaths;
    CWzdPageReportFilter* m_pFilterPage;
    CWzdPageReportDays* m_pDaysPage;
};
