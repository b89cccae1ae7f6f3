#include "platform/ui/command_line_info.h"

void CCommandLineInfo::ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL /*bLast*/) {
    if (!pszParam) return;
    if (bFlag) {
        const CString flag(pszParam);
        if (flag.CompareNoCase(L"nologo") == 0) m_bShowSplash = FALSE;
        else if (flag.CompareNoCase(L"embedding") == 0) m_bRunEmbedded = TRUE, m_bShowSplash = FALSE;
        else if (flag.CompareNoCase(L"automation") == 0) m_bRunAutomated = TRUE, m_bShowSplash = FALSE;
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew) m_nShellCommand = FileOpen;
    }
}
