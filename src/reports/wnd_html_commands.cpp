// The report page's commands: the report kinds and the wizard, colours, the board, zoom,
// print preview, copy, save as HTML and the background picture.
#include <algorithm>

#include "controls/app_document.h"
#include "frame/frame_application.h"
#include "model/schedule_data.h"
#include "platform/core/atomic_file.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "reports/wnd_html.h"
#include "resource_ids.h"

namespace {

struct KindCommand {
    UINT command;
    int kind;
};
constexpr KindCommand kKindCommands[] = {
    {ID_REPORT_ENTITY_PAGES, 1},     {ID_REPORT_DAY_PAGES, 2},       {ID_REPORT_GRID_ROWS, 3},
    {ID_REPORT_GRID_COLUMNS, 4},     {ID_REPORT_STATISTICS, 5},      {ID_REPORT_ACTIVITY_MATRIX, 6},
    {ID_REPORT_ACTIVITY_WEIGHTS, 7}, {ID_REPORT_ENTITY_WEIGHTS, 8},  {ID_REPORT_FREE_SLOTS, 9},
    {ID_REPORT_PROBLEMS, 10},        {ID_REPORT_DAY_END, 12},
};

}  // namespace

CString CWndHTML::ReportTitle() const {
    UINT command = m_reportKind == 11 ? ID_REPORT_WIZARD : 0;
    for (const KindCommand& c : kKindCommands)
        if (c.kind == m_reportKind) command = c.command;
    // The command's short name, after the line break of its prompt.
    CString title = command != 0 ? LoadResString(command) : CString();
    title = title.Mid(title.Find(L'\n') + 1);
    const CScheduleData* data = Document();
    if (data && m_reportKind != 11 && m_entityIds.size() == 1) {
        const auto entity = data->FindEntity(m_entityIds[0]);
        if (entity != data->m_arrEntities.end()) title += L" - " + entity->m_strName;
    }
    return title;
}

void CWndHTML::OnReportKind(UINT id) {
    if (!m_ready) return;
    for (const KindCommand& c : kKindCommands)
        if (c.command == id) m_reportKind = c.kind;
    Render();
    UpdateBoard();
}

void CWndHTML::OnReportWizard() {
    CScheduleData* data = Document();
    if (!m_ready || !data) return;
    if (data->IsModified()) {
        const MessageAnswer answer = data->Answerer().Ask(LoadResString(IDS_REPORT_SAVE_FIRST), LoadResString(IDS_SAVE_CAPTION),
                                                          MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Cancel) return;
        // The application's save steps: an untitled plan goes through the save dialog (whose
        // Cancel saves nothing), a titled one is backed up and written in place.
        if (answer == MessageAnswer::Yes)
            if (auto* app = dynamic_cast<IFrameApplication*>(AfxGetApp())) app->SaveDocumentSteps(TRUE);
    }
    m_reportKind = 11;
    Render();
    UpdateBoard();
}

void CWndHTML::OnToggleColours() {
    if (!m_ready) return;
    m_useColours = !m_useColours;
    Render();
}

void CWndHTML::OnOpenBoard() {
    if (!m_ready) return;
    CWndBoard& board = GetBoard();
    board.m_mode = 3;
    board.m_showMenuButton = 1;
    board.m_dragEnabled = 0;
    FillBoardByKind();
    LayoutPanes();
}

void CWndHTML::ApplyZoom() {
    CString factor;
    factor.Format(L"%lf", m_zoom);
    // A page without a document ignores the call.
    m_browser.CallScript(L"zoom", {factor});
}

void CWndHTML::OnZoomIn() {
    if (!m_ready) return;
    m_zoom = std::min(m_zoom * 1.1, kMaxZoom);
    ApplyZoom();
}

void CWndHTML::OnZoomOut() {
    if (!m_ready) return;
    m_zoom = std::max(m_zoom * 0.9, kMinZoom);
    ApplyZoom();
}

void CWndHTML::OnPrintPreview() {
    // One print at a time: the command waits while the pages of the last one are laid out.
    if (m_ready && !m_browser.IsPrinting()) m_browser.ExecWB(OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_PROMPTUSER);
}

void CWndHTML::OnPrintStep(CHtmlView::PrintStep step) {
    CScheduleData* data = Document();
    switch (step) {
    case CHtmlView::PrintStep::Started:
        // The engine tells nothing of its progress: the bar only shows that it works.
        if (data) data->Host().ShowProgress(LoadResString(IDS_PRINT_PREPARING)).SetRange(0, 0);
        break;
    case CHtmlView::PrintStep::LaidOut:
    case CHtmlView::PrintStep::Cancelled:
        if (data) data->Host().HideProgress();
        break;
    case CHtmlView::PrintStep::Failed: ShowError(IDS_PRINT_FAILED); break;
    case CHtmlView::PrintStep::Printed: break;
    }
}

BOOL CWndHTML::PreTranslateMessage(MSG* pMsg) {
    // Escape, wherever the focus is on the page, cancels a print that is being laid out.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_ready && m_browser.IsPrinting()) {
        m_browser.CancelPrint();
        return TRUE;
    }
    return CMyDisplay::PreTranslateMessage(pMsg);
}

void CWndHTML::OnCopy() {
    if (!m_ready) return;
    // The engine selects and copies in the page that has the focus.
    m_browser.SetFocus();
    m_browser.ExecWB(OLECMDID_SELECTALL, OLECMDEXECOPT_DONTPROMPTUSER);
    m_browser.ExecWB(OLECMDID_COPY, OLECMDEXECOPT_DONTPROMPTUSER);
    m_browser.ExecWB(OLECMDID_CLEARSELECTION, OLECMDEXECOPT_DONTPROMPTUSER);
}

void CWndHTML::OnSaveHtml() {
    if (!m_ready) return;
    const CString filter = LoadResString(IDS_HTML_FILE_FILTER);
    // A bare name typed by the user gets ".html".
    CFileDialog dialog(FALSE, L"html", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING, filter, this);
    if (dialog.DoModal() != IDOK) return;
    // The page declares UTF-8 in its head, so every script survives; the file is replaced
    // only by a complete write.
    if (!WriteFileAtomically(dialog.GetPathName(), m_html.ToUtf8())) ShowError(IDS_HTML_WRITE_FAILED);
}

void CWndHTML::OnBackground() {
    if (!m_ready) return;
    const CString filter = LoadResString(IDS_IMAGE_FILE_FILTER);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ENABLESIZING, filter, this);
    if (dialog.DoModal() != IDOK) return;
    m_background = dialog.GetPathName();
    m_background.Replace(L'\\', L'/');
    Render();
}
