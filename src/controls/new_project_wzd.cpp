#include "controls/new_project_wzd.h"

#include "resource_ids.h"

IMPLEMENT_DYNAMIC(CNewProjectWzd, CWizardDlg)

namespace {
constexpr int kPlaceholder = 1280;
}

CNewProjectWzd::CNewProjectWzd(CWnd* pParentWnd) : CWizardDlg(IDD_NEW_PROJECT_WIZARD, pParentWnd) {}

BOOL CNewProjectWzd::OnInitDialog() {
    m_nPlaceholderID = kPlaceholder;
    return CWizardDlg::OnInitDialog();
}
