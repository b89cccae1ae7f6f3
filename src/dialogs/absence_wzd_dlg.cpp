#include "dialogs/absence_wzd_dlg.h"

#include "app/wizard_page_layout.h"
#include "controls/wizard_page.h"
#include "resource_ids.h"

namespace {
constexpr int kPlaceholderId = 1280, kTitleId = 1281, kNoteId = 1069;
}

CAbsenceWzdDlg::CAbsenceWzdDlg(CWnd* pParentWnd) : CWizardDlg(IDD_ABSENCE_WIZARD, pParentWnd) {}

BOOL CAbsenceWzdDlg::OnInitDialog() {
    m_nPlaceholderID = kPlaceholderId;
    return CWizardDlg::OnInitDialog();
}

void CAbsenceWzdDlg::LayoutListPage(CWizardPage& page, int listId, int num, int den) {
    if (CWnd* title = page.GetDlgItem(kTitleId)) title->SetFont(&page.m_titleFont);
    const CWizardPageLayout layout = CWizardPageLayout::Of(page.GetParent());
    const int x = layout.X(), r = layout.R(), t = layout.H() / 10;
    MoveControl(&page, kTitleId, x, layout.top + 10, r - x, t);
    const int listTop = layout.top + t + 15, listHeight = num * layout.H() / den, listBottom = listTop + listHeight;
    MoveControl(&page, listId, x, listTop, r - x, listHeight);
    MoveControl(&page, kNoteId, x, listBottom + 5, r - x, layout.bottom - listBottom - 10);
    layout.PlaceSideAndPage(&page);
}
