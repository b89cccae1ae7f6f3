#include "controls/mark_manager.h"

#include "platform/core/window_styles.h"
#include "resource_ids.h"

namespace {
constexpr UINT kFirstMarkId = 90001;
}

CMarkManager::CMarkManager() {
    m_first.LoadBitmap(IDB_MARK_FIRST);
    m_second.LoadBitmap(IDB_MARK_SECOND);
}

CMarkManager::~CMarkManager() {
    RemoveAllMarks(FALSE);
    if (m_toolTip.m_hWnd) m_toolTip.DestroyWindow();
}

void CMarkManager::AddMark(CWnd* pControl, const CString& text, int kind) {
    if (!m_pOwner || !pControl) return;
    CRect window;
    pControl->GetWindowRect(&window);
    CPoint topLeft = window.TopLeft();
    m_pOwner->ScreenToClient(&topLeft);
    const int y = topLeft.y + window.Height() / 2 - 6;
    const CRect rect(2, y, 14, y + 12);
    auto mark = std::make_unique<CMarkStatic>();
    if (!mark->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_BITMAP, rect, m_pOwner,
                      kFirstMarkId + static_cast<UINT>(m_nMarkCount)))
        return;
    mark->SetWindowText(text);  // the message the tip shows, kept beside the picture
    CBitmap& picture = kind ? m_second : m_first;
    mark->SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.GetSafeHandle()));
    mark->m_nKind = kind;
    mark->m_nTimer = mark->SetTimer(1, 500);
    mark->m_rect = rect;
    // New children go beneath their siblings; the mark belongs over the rows it points at
    // (the list window that fills the owner), so it is lifted to the top.
    mark->SetWindowPos(nullptr /* top */, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_marks.push_back(std::move(mark));
    ++m_nMarkCount;
}

void CMarkManager::RemoveAllMarks(BOOL bHide) {
    if (bHide && m_toolTip.m_hWnd) {
        m_toolTip.ShowWindow(SW_HIDE);
        m_toolTip.m_bShown = FALSE;
    }
    for (auto& mark : m_marks) {
        if (bHide && mark->m_hWnd) mark->ShowWindow(SW_HIDE);
        if (mark->m_hWnd) mark->DestroyWindow();
    }
    m_marks.clear();
    m_nMarkCount = 0;
    m_nBaseline = 0;
}

void CMarkManager::OnOwnerMouseMove(int x, int y) {
    if (m_marks.empty()) return;
    for (auto& mark : m_marks) {
        if (!mark->m_rect.PtInRect(CPoint(x, y))) continue;
        CString text;
        mark->GetWindowText(text);
        text.TrimRight();
        m_toolTip.m_text = text;
        if (text.IsEmpty() || m_toolTip.m_bShown) return;
        m_toolTip.m_anchor = mark->m_rect.TopLeft();
        m_toolTip.m_bShown = TRUE;
        m_toolTip.ShowAt(m_toolTip.m_anchor);
        return;
    }
    if (m_toolTip.m_bShown) {
        m_toolTip.ShowWindow(SW_HIDE);
        m_toolTip.m_bShown = FALSE;
    }
}
