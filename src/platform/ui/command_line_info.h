#pragma once
// CCommandLineInfo: what the program's arguments ask for. A plain argument names the file to
// open; an argument starting with "-" is a flag (on this system "/" begins a path). The first
// file name wins.
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;
    // One argument: pszParam without the leading "-" when bFlag; bLast for the last one.
    virtual void ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
};
