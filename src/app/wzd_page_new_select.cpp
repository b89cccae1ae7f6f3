#include "app/wzd_page_new_select.h"

#include "app/wizard_page_layout.h"
#include "controls/new_project_wzd.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/icon.h"
#include "platform/ui/message_box.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

namespace {
constexpr UINT kNewButton = 1060, kOpenButton = 1061, kTemplateButton = 1062;
}

BEGIN_MESSAGE_MAP(CWzdPageNewSelect, CWizardPage)
    ON_BN_CLICKED(kNewButton, &CWzdPageNewSelect::OnChooseNew)
    ON_BN_CLICKED(kOpenButton, &CWzdPageNewSelect::OnChooseOpen)
    ON_BN_CLICKED(kTemplateButton, &CWzdPageNewSelect::OnChooseTemplate)
END_MESSAGE_MAP()

CWzdPageNewSelect::CWzdPageNewSelect(CWnd* pParentWnd) : CWizardPage(pParentWnd, IDD_WZD_NEW_SELECT) {
    if (CWinApp* app = AfxGetApp()) {
        m_hIconNew = app->LoadIcon(IDI_WZD_NEW);
        m_hIconOpen = app->LoadIcon(IDI_WZD_OPEN);
        m_hIconTemplate = app->LoadIcon(IDI_WZD_TEMPLATE);
    }
}

CWzdPageNewSelect::~CWzdPageNewSelect() {
    // Icons that no button took over are still ours.
    for (HICON icon : {m_hIconNew, m_hIconOpen, m_hIconTemplate})
        if (icon) DestroyIcon(icon);
}

CNewProjectWzd* CWzdPageNewSelect::Host() const { return dynamic_cast<CNewProjectWzd*>(GetOwner()); }

BOOL CWzdPageNewSelect::OnInitDialog() {
    CWizardPage::OnInitDialog();
    struct Button {
        CIconButton& button;
        UINT id;
        HICON& icon;
        UINT text;
    };
    Button buttons[] = {{m_btnNew, kNewButton, m_hIconNew, IDS_WZD_CHOOSE_NEW},
                        {m_btnOpen, kOpenButton, m_hIconOpen, IDS_WZD_CHOOSE_OPEN},
                        {m_btnTemplate, kTemplateButton, m_hIconTemplate, IDS_WZD_CHOOSE_TEMPLATE}};
    for (Button& b : buttons) {
        b.button.SubclassDlgItem(b.id, this);
        b.button.SetIcon(b.icon, 1);
        b.icon = nullptr;  // the button owns it now
        b.button.SetToggleMode(FALSE);
        b.button.SetWindowText(LoadResString(b.text));
    }
    if (CNewProjectWzd* host = Host())
        if (CWnd* finish = host->GetDlgItem(ID_WIZFINISH)) finish->EnableWindow(FALSE);

    const CWizardPageLayout layout = CWizardPageLayout::Of(Host());
    const int b = (layout.H() - 40) / 3, x = layout.X(), width = layout.R() - layout.X();
    // The template button stands between the new and the open button.
    m_btnNew.MoveWindow(x, layout.top + 10, width, b);
    m_btnTemplate.MoveWindow(x, layout.top + b + 20, width, b);
    m_btnOpen.MoveWindow(x, layout.top + 2 * b + 30, width, b);
    layout.PlaceSideAndPage(this);
    return TRUE;
}

void CWzdPageNewSelect::OnSetActive() {
    if (CNewProjectWzd* host = Host())
        if (CWnd* next = host->GetDlgItem(ID_WIZNEXT)) next->EnableWindow(FALSE);
}

BOOL CWzdPageNewSelect::OnQueryCancel() {
    return MessageBox(LoadResString(IDS_WZD_CONFIRM_CANCEL), LoadResString(IDS_APP_CAPTION), MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void CWzdPageNewSelect::OnChooseNew() {
    if (CNewProjectWzd* host = Host()) {
        host->choice = 0;
        host->OnWizardFinish();
    }
}

void CWzdPageNewSelect::OnChooseOpen() {
    if (CNewProjectWzd* host = Host()) {
        host->choice = 1;
        host->OnWizardNext();
    }
}

void CWzdPageNewSelect::OnChooseTemplate() {
    if (CNewProjectWzd* host = Host()) {
        host->choice = 2;
        host->OnWizardNext();
    }
}
