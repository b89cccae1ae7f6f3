#pragma once
// CEdit: the "EDIT" control.
#include "platform/core/cstring.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/wnd.h"

class CEdit : public CWnd {
public:
    CEdit() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetLimitText(UINT nMax);
    void LimitText(int nChars = 0) { SetLimitText(static_cast<UINT>(nChars)); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void SetPasswordChar(TCHAR ch);
    int GetLineCount() const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    int LineFromChar(int nIndex = -1) const;
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const;
    void LineScroll(int nLines, int nChars = 0);
    void SetMargins(UINT nLeft, UINT nRight);
    void Cut();
    void Copy();
    void Paste();
    void Clear();
};
