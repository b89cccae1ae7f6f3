#pragma once
// TEMPORARY stand-in, to be deleted once the layer answers SystemParametersInfo with
// SPI_GETNONCLIENTMETRICS: the menu and message fonts of the non-client metrics, taken from
// the default GUI font until then. Only the controls library includes this file.
#include "platform/ui/gdi_defs.h"

namespace controls_stand_in {

struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    LOGFONT lfMenuFont{};
    LOGFONT lfMessageFont{};
};
inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;

BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);

}  // namespace controls_stand_in
