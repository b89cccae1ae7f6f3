#include "platform/ui/edit.h"

#include "platform/ui/native_control.h"

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly)); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, bModified); }
void CEdit::SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, static_cast<WPARAM>(ch)); }
int CEdit::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
int CEdit::LineIndex(int nLine) const { return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLine))); }
int CEdit::LineLength(int nLine) const { return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLine))); }
int CEdit::LineFromChar(int nIndex) const {
    return static_cast<int>(SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex)));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (!lpszBuffer || nMaxLength <= 0) return 0;
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CEdit::GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
void CEdit::LineScroll(int nLines, int nChars) { SendMessage(EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines); }
void CEdit::SetMargins(UINT nLeft, UINT nRight) { SendMessage(EM_SETMARGINS, 3, MAKELPARAM(nLeft, nRight)); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Paste() { SendMessage(WM_PASTE); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
