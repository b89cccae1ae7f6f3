#pragma once
// CHoverButtonDialog: what every record dialog has besides its rows: the dialog's visual-styles
// library and the OK and Cancel hover buttons bound to controls 1 and 2, with their icons, their
// texts and their place in the bottom-right corner of the dialog.
#include "controls/hover_button.h"
#include "controls/theme_library.h"
#include "platform/core/geometry.h"
#include "platform/ui/dialog.h"

class CHoverButtonDialog : public CDialog {
public:
    CHoverButtonDialog(UINT nIDTemplate, CWnd* pParentWnd);

    CHoverButton& OkButton() { return m_btnOk; }
    CHoverButton& CancelButton() { return m_btnCancel; }

protected:
    // Binds control 1 to the OK button and control 2 to the Cancel button.
    void DoDataExchange(CDataExchange* pDX) override;
    // Gives both buttons the dialog's library, the classic look when no visual style is in use,
    // the OK and Cancel icons and their texts.
    void SetUpButtons();
    // OK 5 pixels from the right and bottom edges, Cancel 10 pixels to its left, 110 by 40 each;
    // a button the template lacks is left out.
    void PlaceButtons(const CRect& client);
    // Refuses OK: a message box with the text, the error caption and the stop icon.
    void ShowRefusal(UINT textId);

    CThemeLibrary m_theme;
    CHoverButton m_btnOk;
    CHoverButton m_btnCancel;
};
