// The main frame's update broadcast, the refreshes after a plan check, the status text and the
// title.
#include <vector>

#include "frame/frame_application.h"
#include "frame/main_frame.h"
#include "model/page_content.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

// The pages told of each update kind, in order.
const std::vector<int>& PagesOfKind(int kind) {
    static const std::vector<int> kAll0 = {kPageContacts, kPageTasks, kPageTimeTable, kPageReports, kPageOptions, kPageMagnet};
    static const std::vector<int> kAll1 = {kPageContacts, kPageTasks, kPageTimeTable, kPageMagnet, kPageReports, kPageOptions};
    static const std::vector<int> kContactsAndTimetable = {kPageContacts, kPageTimeTable};
    static const std::vector<int> kTimetable = {kPageTimeTable};
    static const std::vector<int> kTasksAndMagnet = {kPageTasks, kPageMagnet};
    static const std::vector<int> kNone;
    switch (kind) {
    case 0:
    case 3:
    case 4: return kAll0;
    case 1:
    case 2: return kAll1;
    case 5: return kContactsAndTimetable;
    case 7: return kTimetable;
    case 8: return kTasksAndMagnet;
    default: return kNone;
    }
}

CString FrameTitle(const CString& path) {
    CString title;
    title.Format(IDS_FRAME_TITLE_PATH, path);
    return title;
}

}  // namespace

void CMainFrame::BroadcastUpdate(int kind) {
    for (int pageId : PagesOfKind(kind))
        if (CFramePage* page = FindPage(pageId)) page->Update(kind);
    if (m_wndEntityCombo.GetSafeHwnd()) m_wndEntityCombo.OnDocumentUpdate(kind);
    const CString title = FrameTitle(m_app.GetDocument().GetFilePath());
    SetStatusText(L"%s", LoadResString(IDS_STATUS_READY).GetString());
    SetWindowText(title);
    // Selecting a tab neither lays the strip out nor repaints it: the frame does, so that the strip
    // shows the page that is now on top.
    auto selectTab = [this](int pageId) {
        CFramePage* page = FindPage(pageId);
        if (!page || !m_wndTabCtrl.GetSafeHwnd()) return;
        for (TabCtrlItem* item : m_wndTabCtrl.GetItems())
            if (item->pageWnd == page->GetSafeHwnd() && item != m_wndTabCtrl.GetCurrentTab()) {
                m_wndTabCtrl.SelectTab(item);
                m_wndTabCtrl.RecalcLayout(TRUE);
                m_wndTabCtrl.Invalidate();
            }
    };
    if (kind == 3) selectTab(kPageContacts);
    if (kind == 6) {
        selectTab(kPageReports);
        if (CFramePage* reports = FindPage(kPageReports)) reports->Update(6);
    }
}

void CMainFrame::RefreshAllPages(const CPageContent& content) {
    for (const auto& page : m_pages)
        if (page) page->RefreshContent(content);
    if (m_wndEntityCombo.GetSafeHwnd()) {
        m_wndEntityCombo.Filter();
        m_wndEntityCombo.Reset(content.m_bCurrentEntityExists ? content.m_nCurrentEntity : 0);
    }
    SetWindowText(content.m_strFrameTitle);
    ShowStatusText(content.m_strStatusText);
}

void CMainFrame::RefreshPages(PageRefresh kind) {
    if (kind == PageRefresh::AfterSave) {
        // Only the path may have changed.
        SetWindowText(FrameTitle(m_app.GetDocument().GetFilePath()));
        SetStatusText(L"%s", LoadResString(IDS_STATUS_READY).GetString());
        return;
    }
    RefreshAllPages(BuildPageContent(m_app.GetDocument()));
}

void CMainFrame::ShowStatusText(const CString& text) {
    m_strStatusText = text;
    SetMessageText(m_strStatusText);
}

void CMainFrame::OnUpdateFrameTitle(BOOL) {
    SetStatusText(L"%s", LoadResString(IDS_STATUS_READY).GetString());
    // The title always names the document.
    SetWindowText(FrameTitle(m_app.GetDocument().GetFilePath()));
}

LRESULT CMainFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    // A text given with the message becomes the stored status text; the idle prompt shows the
    // stored text, so the status line returns to it when a menu closes.
    if (lParam) {
        m_strStatusText = reinterpret_cast<LPCTSTR>(lParam);
        return CFrameWnd::OnSetMessageString(wParam, lParam);
    }
    if (wParam == AFX_IDS_IDLEMESSAGE) {
        const LRESULT last = CFrameWnd::OnSetMessageString(0, reinterpret_cast<LPARAM>(m_strStatusText.GetString()));
        m_nIDLastMessage = m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        return last;
    }
    return CFrameWnd::OnSetMessageString(wParam, lParam);
}
