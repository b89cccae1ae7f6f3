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

namespace controls_stand_in {

// Whether a font family of that name can be had (case-insensitive); the layer's face table
// answers for the faces the program names.
BOOL FontFamilyExists(LPCTSTR face);

}  // namespace controls_stand_in

namespace controls_stand_in {

// The keyboard repeat settings the layer does not answer yet; asking for them fails, and the
// callers take their fallbacks.
inline constexpr UINT SPI_GETKEYBOARDSPEED = 0x000A, SPI_GETKEYBOARDDELAY = 0x0016;

}  // namespace controls_stand_in
