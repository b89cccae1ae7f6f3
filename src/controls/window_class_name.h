#pragma once
// A private window class for a control, named after its parameters and registered on first use.
#include "platform/core/cstring.h"
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

CString GetWindowClassName(LPCTSTR baseName, UINT classStyle, HCURSOR cursor, HBRUSH brush, HICON icon);
