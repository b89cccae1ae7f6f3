#pragma once
// CPrintInfo: the state of one print job as the printing code passes it around: the dialog,
// the page range, the current page and the rectangle to draw in.
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/win_types.h"
#include "platform/ui/print_dialog.h"

class CPrintInfo {
public:
    CPrintInfo() : m_pPD(new CPrintDialog(FALSE)) {}
    ~CPrintInfo() { delete m_pPD; }
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;
    BOOL m_bDirect = FALSE;
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }
};
