#include "controls/wizard_page.h"

#include "controls/key_filter.h"
#include "platform/ui/client_dc.h"

BEGIN_MESSAGE_MAP(CWizardPage, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CWizardPage::CWizardPage(CWnd* pParentWnd, UINT nIDTemplate) : CDialog(nIDTemplate, pParentWnd), m_nTemplateID(static_cast<int>(nIDTemplate)) {}

CWizardPage::~CWizardPage() = default;

BOOL CWizardPage::PreTranslateMessage(MSG* pMsg) {
    if (SwallowEscapeAndEnter(pMsg)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CWizardPage::OnInitDialog() {
    CDialog::OnInitDialog();
    CClientDC dc(this);
    const double factor = dc.GetDeviceCaps(LOGPIXELSY) * (1.0 / 96);
    m_titleFont.DeleteObject();
    m_textFont.DeleteObject();
    m_brush.DeleteObject();
    m_titleFont.CreateFont(-static_cast<int>(16 * factor), 0, 0, 0, 700, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, 6, 0, L"MS Sans Serif");
    m_textFont.CreateFont(-static_cast<int>(14 * factor), 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, 6, 0, L"Tahoma");
    m_brush.CreateSolidBrush(RGB(255, 255, 255));
    return TRUE;
}

HBRUSH CWizardPage::OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor) {
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
    case CTLCOLOR_LISTBOX:
    case CTLCOLOR_BTN:
    case CTLCOLOR_SCROLLBAR:
    case CTLCOLOR_STATIC:
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        break;
    default:
        break;
    }
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}
