#pragma once
// CPalleteDlg: asks for a part of activity names and for the colours and pattern that the
// activities whose names contain it take, each with its own apply choice. Every row starts at
// its default; OK fills the caller's choice and refuses an empty text.
//
//   CPaletteChoice choice;
//   CPalleteDlg dlg(&choice, nullptr);
//   if (dlg.DoModal() == IDOK) data.SetActivityColoursByName(choice.text, ...);
#include "dialogs/palette_choice.h"
#include "dialogs/record_dialog.h"

class CPalleteDlg : public CRecordDialog {
public:
    CPalleteDlg(CPaletteChoice* pChoice, CWnd* pParentWnd);

    CPaletteChoice* m_record;
    COptionTreeItemComboBox* m_pText = nullptr;
    COptionTreeItemColor* m_pFirstColour = nullptr;
    COptionTreeItemColor* m_pSecondColour = nullptr;
    COptionTreeItemRadio* m_pApplyFirst = nullptr;
    COptionTreeItemRadio* m_pApplySecond = nullptr;
    COptionTreeItemRadio* m_pApplyHatch = nullptr;
    COptionTreeItemImage* m_pHatch = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
