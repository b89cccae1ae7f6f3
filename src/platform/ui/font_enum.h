#pragma once
// The installed fonts, as GDI enumerates them, and the character set of a DC's font.
#include "platform/ui/gdi_defs.h"

inline constexpr DWORD RASTER_FONTTYPE = 0x0001, DEVICE_FONTTYPE = 0x0002, TRUETYPE_FONTTYPE = 0x0004;

// Called once per font; return 0 to stop the enumeration.
using FONTENUMPROC = int (*)(const LOGFONT* lpelf, const TEXTMETRIC* lpntm, DWORD fontType, LPARAM lParam);

// Without a family name: one call per installed family (its regular style), in name order.
// With one: one call per style of that family (case-insensitive), none when it is not installed.
// Returns the last callback's answer, or 1 when there was no call.
int EnumFontFamilies(HDC hdc, LPCTSTR lpszFamily, FONTENUMPROC lpEnumFontFamProc, LPARAM lParam);
// The same enumeration under its older name.
int EnumFonts(HDC hdc, LPCTSTR lpszFaceName, FONTENUMPROC lpFontFunc, LPARAM lParam);

struct FONTSIGNATURE {
    DWORD fsUsb[4];
    DWORD fsCsb[2];
};
using LPFONTSIGNATURE = FONTSIGNATURE*;
// The character set of the font selected into the DC (the LOGFONT's lfCharSet).
int GetTextCharsetInfo(HDC hdc, LPFONTSIGNATURE lpSig, DWORD dwFlags);
int GetTextCharset(HDC hdc);
