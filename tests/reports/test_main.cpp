#include "platform/ui/test_support.h"
#include "platform/ui_web/html_view.h"

// The browser engine's schemes must be known before the Qt application exists.
int main(int argc, char** argv) {
    CHtmlView::PrepareEngine();
    return vorn_test::RunTests(argc, argv);
}
