#include "dialogs/absence_wzd_dlg.h"

#include "resource_ids.h"

namespace {
constexpr int kPlaceholderId = 1280;
}

CAbsenceWzdDlg::CAbsenceWzdDlg(CWnd* pParentWnd) : CWizardDlg(IDD_ABSENCE_WIZARD, pParentWnd) {}

BOOL CAbsenceWzdDlg::OnInitDialog() {
    m_nPlaceholderID = kPlaceholderId;
    return CWizardDlg::OnInitDialog();
}
