#include "dialogs/pallete_dlg.h"

#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CPalleteDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CPalleteDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CPalleteDlg::CPalleteDlg(CPaletteChoice* pChoice, CWnd* pParentWnd)
    : CRecordDialog(IDD_PALETTE, pParentWnd), m_record(pChoice) {}

BOOL CPalleteDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    SetUpButtons();
    if (!CreateTree()) return FALSE;
    PrepareTree(150);
    const CPaletteChoice defaults;
    const std::vector<CString> apply{Res(IDS_DLG_PALETTE_APPLY), Res(IDS_DLG_PALETTE_LEAVE)};
    COptionTreeItem* group = AddGroup(nullptr, Res(IDS_DLG_PALETTE_GROUP), Res(IDS_DLG_PALETTE_GROUP_INFO));
    m_pText = AddListText(group, Res(IDS_DLG_PALETTE_TEXT), Res(IDS_DLG_PALETTE_TEXT_INFO),
                          Document().Settings().GetWordList(WordList::Activities), CString());
    m_pApplyFirst = AddChoice(group, Res(IDS_DLG_PALETTE_APPLY_FIRST), Res(IDS_DLG_PALETTE_APPLY_FIRST_INFO), apply, 0);
    m_pFirstColour =
        AddColour(group, Res(IDS_DLG_PALETTE_FIRST), Res(IDS_DLG_PALETTE_FIRST_INFO), defaults.firstColour);
    m_pApplySecond =
        AddChoice(group, Res(IDS_DLG_PALETTE_APPLY_SECOND), Res(IDS_DLG_PALETTE_APPLY_SECOND_INFO), apply, 0);
    m_pSecondColour =
        AddColour(group, Res(IDS_DLG_PALETTE_SECOND), Res(IDS_DLG_PALETTE_SECOND_INFO), defaults.secondColour);
    m_pApplyHatch = AddChoice(group, Res(IDS_DLG_PALETTE_APPLY_HATCH), Res(IDS_DLG_PALETTE_APPLY_HATCH_INFO), apply, 0);
    m_pHatch = AddHatch(group, Res(IDS_DLG_PALETTE_HATCH), Res(IDS_DLG_PALETTE_HATCH_INFO), defaults.hatch);
    FinishRows();
    return TRUE;
}

void CPalleteDlg::OnBnClickedOk() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    if (!UpdateData(TRUE)) return;
    CPaletteChoice choice;
    choice.text = TextOf(m_pText);
    choice.text.Trim(L' ');
    choice.firstColour = m_pFirstColour->GetColor();
    choice.secondColour = m_pSecondColour->GetColor();
    choice.applyFirstColour = CheckedIndexOf(m_pApplyFirst) == 0 ? 1 : 0;
    choice.applySecondColour = CheckedIndexOf(m_pApplySecond) == 0 ? 1 : 0;
    choice.applyHatch = CheckedIndexOf(m_pApplyHatch) == 0 ? 1 : 0;
    choice.hatch = m_pHatch->GetSelected();
    if (choice.text.IsEmpty()) {
        ShowRefusal(IDS_DLG_PALETTE_NO_TEXT);
        return;
    }
    *m_record = choice;
    CDialog::OnOK();
}
