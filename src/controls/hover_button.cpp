#include "controls/hover_button.h"

#include "controls/theme_library.h"

CHoverButton::CHoverButton() { m_bDrawBorder = FALSE; }

bool CHoverButton::Themed() const { return m_pThemeLibrary && m_pThemeLibrary->IsAppThemed(); }

void CHoverButton::OnDrawBackground(CDC* pDC, CRect* pRect) {
    if (!Themed()) {
        COwnerDrawButton::OnDrawBackground(pDC, pRect);
        return;
    }
    HTHEME theme = m_pThemeLibrary->OpenThemeData(this, m_bToolbarLook ? L"TOOLBAR" : L"BUTTON");
    int state = 1;
    if (m_bIsDisabled) state = 4;
    else if (m_bIsPressed) state = 3;
    else if (m_bMouseOnButton) state = 2;
    else if (m_bIsDefault && (!m_bToolbarLook || m_bDrawBorder)) state = 5;
    m_pThemeLibrary->DrawThemedBackground(pDC, pRect, theme, this, 1, state, nullptr);
    m_pThemeLibrary->CloseThemeData(theme);
}

void CHoverButton::OnDrawBorder(CDC* pDC, CRect* pRect) {
    if (!Themed()) COwnerDrawButton::OnDrawBorder(pDC, pRect);
}
