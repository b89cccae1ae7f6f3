// The program: the one application object, built before the program's entry, and the entry.
// Pages of the main frame register here as their subsystems come.
#include <memory>

#include "app/scheduler_app.h"
#include "frame/wnd_contacts.h"
#include "platform/ui_web/html_view.h"
#include "reports/wnd_html.h"

CSchedulerApp theApp;

int main(int argc, char** argv) {
    // The report page's browser engine must be prepared before the Qt application exists.
    CHtmlView::PrepareEngine();
    RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
    RegisterFramePage(kPageReports, [] { return std::make_unique<CWndHTML>(); });
    return AfxWinMain(argc, argv);
}
