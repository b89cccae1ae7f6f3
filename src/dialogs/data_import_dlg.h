#pragma once
// CDataImportDlg: the questions every data import asks first: where the text comes from (the
// clipboard or a file), how many leading lines to skip, the field separator and, for the imports
// that read columns, which field of a line holds which value. The timetable import asks for its
// marker text instead. OK is refused, with the offending rows marked, while two columns read the
// same field, a needed column is missing or the marker text is empty.
//
//   CDataImportDlg dlg(nullptr);
//   dlg.m_nKind = 2;  // rooms
//   if (dlg.DoModal() == IDOK) Import(dlg.GetOptions());
#include "dialogs/record_dialog.h"
#include "options_engine/import_options.h"

class COptionTreeItemCheckBox;
class COptionTreeItemEdit;
class COptionTreeItemFile;
class COptionTreeItemRadio;
class COptionTreeItemSpinner;

class CDataImportDlg : public CRecordDialog {
public:
    static constexpr int kColumns = CImportOptions::kColumns;

    explicit CDataImportDlg(CWnd* pParentWnd);

    // The answers as the imports take them.
    CImportOptions GetOptions() const;
    // Marks a repeated or a missing column (or an empty marker text); TRUE when nothing was marked.
    BOOL ValidateColumns();

    // Results, valid after OK.
    CString m_strPath;
    CString m_strText;
    int m_nSkip = 0;
    int m_nSeparator = 0;
    int m_nColumns[kColumns] = {};
    int m_bFromFile = 0;
    int m_bCheck = 0;
    // The import kind 0 to 4, set before DoModal.
    int m_nKind = 0;

    COptionTreeItemRadio* m_pSource = nullptr;
    COptionTreeItemFile* m_pFile = nullptr;
    COptionTreeItemSpinner* m_pSkip = nullptr;
    COptionTreeItemRadio* m_pSeparator = nullptr;
    COptionTreeItemCheckBox* m_pCheck = nullptr;
    COptionTreeItemSpinner* m_pColumns[kColumns] = {};
    COptionTreeItemEdit* m_pText = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
