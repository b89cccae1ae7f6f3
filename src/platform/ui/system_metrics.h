#pragma once
// System metrics of the classic look, fixed so that layouts come out the same everywhere;
// the screen sizes are those of the screens in use.
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8;
inline constexpr int SM_CYVTHUMB = 9, SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17;
inline constexpr int SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXMIN = 28, SM_CYMIN = 29;
inline constexpr int SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32, SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXEDGE = 45, SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51, SM_CXMENUCHECK = 71;
inline constexpr int SM_CYMENUCHECK = 72, SM_CXDRAG = 68, SM_CYDRAG = 69, SM_XVIRTUALSCREEN = 76;
inline constexpr int SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79;
inline constexpr int SM_CMONITORS = 80, SM_CXFOCUSBORDER = 83, SM_CYFOCUSBORDER = 84;

int GetSystemMetrics(int index);

// The classic look's window parts and the fonts of menus, captions, the status bar and message
// boxes.
struct NONCLIENTMETRICS {
    UINT cbSize;
    int iBorderWidth;
    int iScrollWidth;
    int iScrollHeight;
    int iCaptionWidth;
    int iCaptionHeight;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth;
    int iSmCaptionHeight;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth;
    int iMenuHeight;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
    int iPaddedBorderWidth;
};
using NONCLIENTMETRICSW = NONCLIENTMETRICS;

// SystemParametersInfo answers, with the values of the classic look:
//   SPI_GETWORKAREA         RECT: the primary screen's work area
//   SPI_GETNONCLIENTMETRICS NONCLIENTMETRICS (the whole structure is written, whatever cbSize says)
//   SPI_GETKEYBOARDDELAY    int 0..3 (250 ms steps from 250 ms): 1
//   SPI_GETKEYBOARDSPEED    int 0..31 (about 2.5 to 30 repeats a second): 31
//   SPI_GETFLATMENU         BOOL: FALSE
//   SPI_GETKEYBOARDCUES     BOOL: TRUE, menu underlines are always shown
// Anything else gives FALSE and leaves the data alone.
inline constexpr UINT SPI_GETKEYBOARDSPEED = 0x000A, SPI_GETKEYBOARDDELAY = 0x0016;
inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029, SPI_GETWORKAREA = 0x0030;
inline constexpr UINT SPI_GETKEYBOARDCUES = 0x100A, SPI_GETFLATMENU = 0x1022;
BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
