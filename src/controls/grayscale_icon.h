#pragma once
// CreateGrayscaleIcon: a copy of an icon whose colour pixels become their grey level
// trunc(0.299 R + 0.587 G + 0.114 B); black pixels stay black, the mask is the icon's own.
#include "platform/ui/gdi_defs.h"

HICON CreateGrayscaleIcon(HICON hIcon);
