#pragma once
// CHoverButton: the OK and Cancel buttons of the record dialogs. It draws its face with the
// dialog's visual style when one is active and otherwise as its owner-drawn base, flat with a
// thin frame under the mouse.
#include "controls/owner_draw_button.h"

class CThemeLibrary;

class CHoverButton : public COwnerDrawButton {
public:
    CHoverButton();

    // The dialog's visual-styles library (none until the dialog sets it).
    void SetThemeLibrary(CThemeLibrary* pLibrary) { m_pThemeLibrary = pLibrary; }
    void SetToolbarLook(BOOL bToolbar) { m_bToolbarLook = bToolbar; }

protected:
    void OnDrawBackground(CDC* pDC, CRect* pRect) override;
    void OnDrawBorder(CDC* pDC, CRect* pRect) override;

private:
    bool Themed() const;

    CThemeLibrary* m_pThemeLibrary = nullptr;
    BOOL m_bToolbarLook = FALSE;
};
