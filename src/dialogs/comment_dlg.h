#pragma once
// CCommentDlg: edits one remark in a multi-line edit box under a title line, with the record
// dialogs' OK and Cancel buttons. OK refuses an empty remark.
//
//   CCommentDlg dlg(nullptr);
//   dlg.m_text = entry.m_strRemark;
//   if (dlg.DoModal() == IDOK) entry.m_strRemark = dlg.m_text;
#include "dialogs/hover_button_dialog.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "platform/ui/static.h"

class CCommentDlg : public CHoverButtonDialog {
public:
    // Controls of the template: the title line and the remark.
    static constexpr int kTitleId = 1281, kTextId = 1069;

    explicit CCommentDlg(CWnd* pParentWnd);

    CFont m_titleFont;
    CFont m_textFont;
    CString m_text;
    CStatic m_title;
    CEdit m_edit;

    void LayoutControls();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
