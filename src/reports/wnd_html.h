#pragma once
// CWndHTML: the report page of the main frame. It shows one HTML report at a time in its
// browser control, under a row of four choices (detail, time axis, font size, font face), with
// the entity board at its right when opened. It keeps what a report is built from besides the
// document: the report kind, the chosen entities and plan days, the colour and detail choices,
// the background picture and the HTML on show. It answers the report commands, print preview,
// copy, save as HTML, zoom and background, the frame's updates (among them the request of
// another page for its report, built half a second later) and its choices and board.
//
// Other parts of the program show HTML here through ShowReportBody (a body in the page's
// skeleton), and the report wizard (kind 11) through s_reportWizard.
#include <functional>
#include <vector>

#include "frame/my_display.h"
#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "reports/font_name_combo_box.h"
#include "reports/font_size_combo_box.h"
#include "reports/html_ctrl.h"
#include "reports/justify_combo_box.h"
#include "report_builders/report_event_filter.h"

class CScheduleData;
struct CReportOptions;

class CWndHTML : public CMyDisplay {
public:
    static constexpr UINT kBrowserId = 59648, kFontNameId = 1354, kFontSizeId = 1355, kTimeAxisId = 1356,
                          kDetailId = 1357;
    static constexpr UINT_PTR kRenderTimer = 1;
    static constexpr UINT kRenderDelayMs = 500;
    static constexpr double kMaxZoom = 2.0, kMinZoom = 0.3;
    // Board items of plan days carry this plus the day's index.
    static constexpr int kDayItemBase = 9000;

    // Runs the report wizard for report kind 11 and appends what it reports to the body text.
    using ReportWizard = std::function<void(CWndHTML& page, CString& body)>;
    static ReportWizard s_reportWizard;

    CWndHTML();
    ~CWndHTML() override;

    CWnd* GetMainWnd() override;
    // While no report was built: the blank page, and the board refilled.
    void Refresh() override;
    void FillBoardByKind() override;
    // The row of choices at the top; the browser gets the rest.
    void LayoutClient(CRect& rect) override;
    void Update(int kind) override;

    // Builds the report of the current kind and shows it.
    void Render();
    // Shows a report body built elsewhere inside the page skeleton (zoom script, background,
    // reading direction); it becomes the page's HTML, which print, copy and save use.
    void ShowReportBody(const CString& body);
    // What the builders get from the page and the settings.
    CReportOptions BuildOptions() const;
    // The name of the report on show: its kind, and the entity when it shows one.
    CString ReportTitle() const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // False when the page's children could not be created: the page then stays empty.
    bool IsReady() const { return m_ready; }

    CHtmlCtrl& GetBrowser() { return m_browser; }
    CFontNameComboBox& GetFontNameCombo() { return m_fontNameCombo; }
    CFontSizeComboBox& GetFontSizeCombo() { return m_fontSizeCombo; }
    CJustifyComboBox& GetTimeAxisCombo() { return m_timeAxisCombo; }
    CJustifyComboBox& GetDetailCombo() { return m_detailCombo; }

    std::vector<int> m_entityIds;
    CFont m_font;
    int m_detailChoice = 1;
    std::vector<int> m_dayIndexes;
    CHtmlCtrl m_browser;
    CFontNameComboBox m_fontNameCombo;
    CFontSizeComboBox m_fontSizeCombo;
    CJustifyComboBox m_timeAxisCombo;
    CJustifyComboBox m_detailCombo;
    int m_reportKind = 1;
    int m_useColours = 1;
    // What the report wizard's filter page last checked, kept between its runs.
    CReportFilter m_wizardFilter;
    CString m_html;
    UINT_PTR m_timerId = 0;
    double m_zoom = 1.0;
    CString m_background;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    // The children; a test may make one fail.
    virtual BOOL CreateCombos();
    virtual BOOL CreateBrowser();
    void OnTimer(UINT_PTR id);
    LRESULT OnComboChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnBoardChecks(WPARAM wParam, LPARAM lParam);
    void OnReportKind(UINT id);
    void OnReportWizard();
    void OnToggleColours();
    void OnOpenBoard();
    void OnZoomIn();
    void OnZoomOut();
    void OnPrintPreview();
    // The status bar shows a print being laid out; a failed one is reported.
    void OnPrintStep(CHtmlView::PrintStep step);
    void OnCopy();
    void OnSaveHtml();
    void OnBackground();
    void OnUpdateAlwaysEnabled(CCmdUI* cmdUI) { cmdUI->Enable(m_ready); }
    DECLARE_MESSAGE_MAP()

private:
    CScheduleData* Document() const;
    void ShowPage(const CString& page);
    void ApplyZoom();
    void RebuildSelection();
    void AllDays();
    void ShowError(UINT textId) const;

    bool m_ready = false;
};
