#include "controls/wizard_dlg.h"

#include "controls/wizard_page.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CWizardDlg, CDialog)
    ON_COMMAND(ID_WIZBACK, &CWizardDlg::OnWizardBack)
    ON_COMMAND(ID_WIZNEXT, &CWizardDlg::OnWizardNext)
    ON_COMMAND(ID_WIZFINISH, &CWizardDlg::OnWizardFinish)
    ON_COMMAND(IDCANCEL, &CWizardDlg::OnCancelCommand)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWizardDlg::CWizardDlg(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

BOOL CWizardDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    m_finished = false;
    ShowFirstPage();
    return TRUE;
}

int CWizardDlg::IndexOf(const CWizardPage* page) const {
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == page) return static_cast<int>(i);
    return -1;
}

CWizardPage* CWizardDlg::GetActivePage() const {
    for (CWizardPage* page : m_pages)
        if (page->m_bActive) return page;
    return nullptr;
}

CWizardPage* CWizardDlg::FindPage(int templateId) const {
    for (CWizardPage* page : m_pages)
        if (page->m_nTemplateID == templateId) return page;
    return nullptr;
}

void CWizardDlg::EnableButton(UINT id, BOOL enable) {
    if (CWnd* button = GetDlgItem(id)) button->EnableWindow(enable);
}

BOOL CWizardDlg::DeactivateActivePage() {
    CWizardPage* active = GetActivePage();
    if (!active) return TRUE;
    if (!active->OnKillActive()) return FALSE;
    active->ShowWindow(SW_HIDE);
    active->m_bActive = 0;
    return TRUE;
}

BOOL CWizardDlg::ShowPage(CWizardPage* page) {
    if (!page) return FALSE;
    if (!page->m_bCreated) {
        if (!page->Create(static_cast<UINT>(page->m_nTemplateID), this)) return FALSE;
        page->m_bCreated = 1;
        page->m_pWizard = this;
        if (!page->OnCreatePage()) return FALSE;
    }
    if (!DeactivateActivePage()) return FALSE;
    if (CWnd* placeholder = GetDlgItem(m_nPlaceholderID)) {
        CRect rect;
        placeholder->GetWindowRect(&rect);
        ScreenToClient(&rect);
        page->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    page->EnableWindow(TRUE);
    page->ShowWindow(SW_SHOW);
    page->Invalidate(TRUE);
    page->UpdateWindow();
    page->OnSetActive();
    page->m_bActive = 1;
    return TRUE;
}

BOOL CWizardDlg::ShowFirstPage() {
    if (!DeactivateActivePage()) return FALSE;
    EnableButton(ID_WIZBACK, FALSE);
    const bool single = m_pages.size() < 2;
    EnableButton(ID_WIZFINISH, single);
    EnableButton(ID_WIZNEXT, !single);
    return m_pages.empty() ? FALSE : ShowPage(m_pages.front());
}

CWizardPage* CWizardDlg::TargetOf(const CWizardPage* active, int answer, int step) const {
    if (answer == -1) return nullptr;
    if (answer != 0) return FindPage(answer);
    const int index = IndexOf(active) + step;
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[index] : nullptr;
}

void CWizardDlg::OnWizardBack() {
    CWizardPage* active = GetActivePage();
    if (!active) return;
    CWizardPage* target = TargetOf(active, active->OnWizardBack(), -1);
    if (!target || !ShowPage(target)) return;
    if (target == m_pages.front()) {
        EnableButton(ID_WIZBACK, FALSE);
        EnableButton(ID_WIZFINISH, FALSE);
    }
    EnableButton(ID_WIZNEXT, TRUE);
}

void CWizardDlg::OnWizardNext() {
    CWizardPage* active = GetActivePage();
    if (!active) return;
    CWizardPage* target = TargetOf(active, active->OnWizardNext(), 1);
    if (!target || !ShowPage(target)) return;
    if (target == m_pages.back()) {
        EnableButton(ID_WIZNEXT, FALSE);
        EnableButton(ID_WIZFINISH, TRUE);
    }
    EnableButton(ID_WIZBACK, TRUE);
}

void CWizardDlg::OnWizardFinish() {
    CWizardPage* active = GetActivePage();
    if (active && !active->OnKillActive()) return;
    for (CWizardPage* page : m_pages)
        if (page->m_bCreated && !page->OnWizardFinish()) return;
    UpdateData(TRUE);
    m_finished = true;
    EndDialog(ID_WIZFINISH);
}

void CWizardDlg::OnCancel() {
    // A page may ask whether to leave; Escape or Cancel reaching the wizard again while that
    // question is open belongs to the question, not to a second one.
    if (m_bAskingCancel) return;
    m_bAskingCancel = true;
    bool leave = true;
    for (CWizardPage* page : m_pages)
        if (page->m_bCreated && !page->OnQueryCancel()) {
            leave = false;
            break;
        }
    m_bAskingCancel = false;
    if (leave) CDialog::OnCancel();
}

void CWizardDlg::OnDestroy() {
    // Only the page on show is asked to validate, and not once more after Finish; a page
    // that refuses still goes with the wizard, so every created flag is cleared here.
    CWizardPage* active = GetActivePage();
    const bool activeAgrees = m_finished || !active || active->OnKillActive();
    for (CWizardPage* page : m_pages) {
        if (!page->m_bCreated) continue;
        if (page != active || activeAgrees) page->OnDestroyPage();
        page->DestroyWindow();
        page->m_bCreated = 0;
        page->m_bActive = 0;
    }
    CDialog::OnDestroy();
}
