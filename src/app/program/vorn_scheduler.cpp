// The program: the one application object, built before the program's entry, and the entry.
// Pages of the main frame register here as their subsystems come, and the dialogs that pages
// below the dialogs open are installed here.
#include <csignal>
#include <memory>

#include "app/scheduler_app.h"
#include "dialogs/install_record_dialogs.h"
#include "dialogs/wnd_options.h"
#include "frame/wnd_contacts.h"
#include "planner/wnd_magnet.h"
#include "planner/wnd_tasks.h"
#include "platform/ui_web/html_view.h"
#include "reports/wnd_html.h"
#include "timetable/wnd_time_table.h"

CSchedulerApp theApp;

int main(int argc, char** argv) {
    // A write beyond the file-size limit fails (EFBIG) and is reported; it never ends the program
    // with the open plan.
    std::signal(SIGXFSZ, SIG_IGN);
    // The report page's browser engine must be prepared before the Qt application exists.
    CHtmlView::PrepareEngine();
    InstallRecordDialogs();
    RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
    RegisterFramePage(kPageTimeTable, [] { return std::make_unique<CWndTimeTable>(); });
    RegisterFramePage(kPageTasks, [] { return std::make_unique<CWndTasks>(); });
    RegisterFramePage(kPageReports, [] { return std::make_unique<CWndHTML>(); });
    RegisterFramePage(kPageOptions, [] { return std::make_unique<CWndOptions>(); });
    RegisterFramePage(kPageMagnet, [] { return std::make_unique<CWndMagnet>(); });
    return AfxWinMain(argc, argv);
}
