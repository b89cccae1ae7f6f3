#include "platform/ui/native_control.h"
namespace vorn_ui {
CNativeControl* CreateTreeViewControl(HWND h) { return new CNativeControl(h); }
CNativeControl* CreateToolTipControl(HWND h) { return new CNativeControl(h); }
}
