// The message panel: the plan check's problems, filtered by when they happen.
#include "frame/main_frame.h"

#include "frame/frame_application.h"
#include "model/schedule_data.h"

namespace {

// Today 1, later 2, earlier 4, by the calendar day of the problem.
int WhenKind(const COleDateTime& date, const COleDateTime& today) {
    const auto day = [](const COleDateTime& t) { return static_cast<long long>(static_cast<double>(t)); };
    if (day(date) == day(today)) return 1;
    return day(date) > day(today) ? 2 : 4;
}

}  // namespace

int& CMainFrame::FilterSetting() { return m_app.FilterSetting(); }

void CMainFrame::FillMessagePanel() {
    CMyListCtrl& list = m_wndMessagePanel.m_wndList;
    if (!m_wndMessagePanel.GetSafeHwnd()) return;
    list.m_itemColors.clear();
    list.DeleteAllItems();
    m_bPanelShown = FALSE;
    if (!m_bCreated) return;
    const CScheduleData& data = m_app.GetDocument();
    if (data.m_arrProblems.empty()) {
        RecalcLayout();
        return;
    }
    if (data.HasDefaultStartDate()) {
        list.m_nMenuOptions = 0;
        for (const CProblem& problem : data.m_arrProblems)
            list.InsertGroupItem(-1, problem.m_strText, problem.m_nKind, static_cast<DWORD_PTR>(problem.m_nRecord));
        m_wndMessagePanel.RepaintHeader();
    } else {
        m_wndMessagePanel.m_arrItems.clear();
        list.m_nMenuOptions = 15;
        const int filter = m_app.FilterSetting();
        const COleDateTime today = COleDateTime::GetCurrentTime();
        int count = 0;
        for (const CProblem& problem : data.m_arrProblems) {
            const int kind = WhenKind(problem.m_dtDate, today);
            if (kind & filter) ++count;
            m_wndMessagePanel.AddItem(problem.m_nKind, problem.m_strText, CString(), GetSysColor(COLOR_WINDOW), kind, -1,
                                      problem.m_nRecord);
        }
        if (count == 0) {
            m_wndMessagePanel.m_arrItems.clear();
            return;
        }
        list.m_nDisplayMode = filter;
        m_wndMessagePanel.Fill();
    }
    m_bPanelShown = TRUE;
    RecalcLayout();
}
