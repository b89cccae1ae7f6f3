#pragma once
// Menu, popup-tracking, accelerator and control-bar constants and structures with their
// standard numeric values. The MF_/MFT_/MFS_ flags and the accelerator flags are shared with
// the language pack reader (window_styles.h).
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

// TrackPopupMenu flags
inline constexpr UINT TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004, TPM_RIGHTALIGN = 0x0008, TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020, TPM_HORIZONTAL = 0x0000;
inline constexpr UINT TPM_VERTICAL = 0x0040, TPM_NONOTIFY = 0x0080, TPM_RETURNCMD = 0x0100;
inline constexpr UINT TPM_RECURSE = 0x0001, TPM_HORPOSANIMATION = 0x0400, TPM_HORNEGANIMATION = 0x0800;
inline constexpr UINT TPM_VERPOSANIMATION = 0x1000, TPM_VERNEGANIMATION = 0x2000, TPM_NOANIMATION = 0x4000;
inline constexpr UINT TPM_LAYOUTRTL = 0x8000;

// The area a popup must not cover.
struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
};
using LPTPMPARAMS = TPMPARAMS*;

// GetMenuItemInfo/SetMenuItemInfo
inline constexpr UINT MIIM_STATE = 0x0001, MIIM_ID = 0x0002, MIIM_SUBMENU = 0x0004, MIIM_CHECKMARKS = 0x0008;
inline constexpr UINT MIIM_TYPE = 0x0010, MIIM_DATA = 0x0020, MIIM_STRING = 0x0040, MIIM_BITMAP = 0x0080;
inline constexpr UINT MIIM_FTYPE = 0x0100;

struct MENUITEMINFO {
    UINT cbSize;
    UINT fMask;
    UINT fType;        // MFT_*
    UINT fState;       // MFS_*
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPTSTR dwTypeData; // text buffer (MIIM_STRING / MIIM_TYPE with MFT_STRING)
    UINT cch;          // buffer size in characters; set to the text length on return
    HBITMAP hbmpItem;
};
using LPMENUITEMINFO = MENUITEMINFO*;
using LPCMENUITEMINFO = const MENUITEMINFO*;

// WM_MENUCHAR results
inline constexpr UINT MNC_IGNORE = 0, MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;

// Accelerators: fVirt holds FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT (window_styles.h).
struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};
using LPACCEL = ACCEL*;

// Standard ids of the frame's bars and panes, and the idle prompt of the message pane.
inline constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800, AFX_IDW_CONTROLBAR_LAST = 0xE8FF;
inline constexpr UINT AFX_IDW_TOOLBAR = 0xE800, AFX_IDW_STATUS_BAR = 0xE801, AFX_IDW_PREVIEW_BAR = 0xE802;
inline constexpr UINT AFX_IDW_RESIZE_BAR = 0xE803, AFX_IDW_REBAR = 0xE804, AFX_IDW_DIALOGBAR = 0xE805;
inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900, AFX_IDW_PANE_LAST = 0xE9FF;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;

// Control-bar styles (kept by the bar object, not in the window style).
inline constexpr DWORD CBRS_NOALIGN = 0x00000000, CBRS_BORDER_LEFT = 0x00000100, CBRS_BORDER_TOP = 0x00000200;
inline constexpr DWORD CBRS_BORDER_RIGHT = 0x00000400, CBRS_BORDER_BOTTOM = 0x00000800;
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x00001000, CBRS_ALIGN_TOP = 0x00002000, CBRS_ALIGN_RIGHT = 0x00004000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x00008000, CBRS_ALIGN_ANY = 0x0000F000;
inline constexpr DWORD CBRS_BORDER_ANY = 0x00000F00, CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
inline constexpr DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT, CBRS_TOOLTIPS = 0x00000010;
inline constexpr DWORD CBRS_FLYBY = 0x00000020, CBRS_FLOAT_MULTI = 0x00000040, CBRS_HIDE_INPLACE = 0x00000008;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x00000004, CBRS_SIZE_FIXED = 0x00000002, CBRS_FLOATING = 0x00000001;
inline constexpr DWORD CBRS_GRIPPER = 0x00400000, CBRS_BORDER_3D = 0x00800000;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
inline constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
inline constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
inline constexpr DWORD CBRS_ALL = 0x0040FFFF;
