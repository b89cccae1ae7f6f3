#pragma once
// Window, control, menu and accelerator constants with their standard numeric values.
// The same names are written in language packs (style expressions of dialog templates,
// menu and accelerator flags) and in the program's code. FindWindowStyleConstant gives the
// pack reader the value of a name.
#include <string_view>

#include "platform/core/win_types.h"

// X(name, value) lists, one per family.
#define VORN_WINDOW_STYLES(X)                                                                      \
    X(WS_OVERLAPPED, 0x00000000) X(WS_POPUP, 0x80000000) X(WS_CHILD, 0x40000000)                    \
    X(WS_MINIMIZE, 0x20000000) X(WS_VISIBLE, 0x10000000) X(WS_DISABLED, 0x08000000)                 \
    X(WS_CLIPSIBLINGS, 0x04000000) X(WS_CLIPCHILDREN, 0x02000000) X(WS_MAXIMIZE, 0x01000000)        \
    X(WS_CAPTION, 0x00C00000) X(WS_BORDER, 0x00800000) X(WS_DLGFRAME, 0x00400000)                   \
    X(WS_VSCROLL, 0x00200000) X(WS_HSCROLL, 0x00100000) X(WS_SYSMENU, 0x00080000)                   \
    X(WS_THICKFRAME, 0x00040000) X(WS_GROUP, 0x00020000) X(WS_TABSTOP, 0x00010000)                  \
    X(WS_MINIMIZEBOX, 0x00020000) X(WS_MAXIMIZEBOX, 0x00010000) X(WS_TILED, 0x00000000)             \
    X(WS_ICONIC, 0x20000000) X(WS_SIZEBOX, 0x00040000) X(WS_CHILDWINDOW, 0x40000000)                \
    X(WS_OVERLAPPEDWINDOW, 0x00CF0000) X(WS_TILEDWINDOW, 0x00CF0000) X(WS_POPUPWINDOW, 0x80880000)  \
    X(WS_EX_LEFT, 0x00000000) X(WS_EX_LTRREADING, 0x00000000) X(WS_EX_RIGHTSCROLLBAR, 0x00000000)   \
    X(WS_EX_DLGMODALFRAME, 0x00000001) X(WS_EX_NOPARENTNOTIFY, 0x00000004)                          \
    X(WS_EX_TOPMOST, 0x00000008) X(WS_EX_ACCEPTFILES, 0x00000010) X(WS_EX_TRANSPARENT, 0x00000020)  \
    X(WS_EX_MDICHILD, 0x00000040) X(WS_EX_TOOLWINDOW, 0x00000080) X(WS_EX_WINDOWEDGE, 0x00000100)   \
    X(WS_EX_CLIENTEDGE, 0x00000200) X(WS_EX_CONTEXTHELP, 0x00000400) X(WS_EX_RIGHT, 0x00001000)     \
    X(WS_EX_RTLREADING, 0x00002000) X(WS_EX_LEFTSCROLLBAR, 0x00004000)                              \
    X(WS_EX_CONTROLPARENT, 0x00010000) X(WS_EX_STATICEDGE, 0x00020000) X(WS_EX_APPWINDOW, 0x00040000) \
    X(WS_EX_OVERLAPPEDWINDOW, 0x00000300) X(WS_EX_PALETTEWINDOW, 0x00000188)                        \
    X(WS_EX_LAYERED, 0x00080000) X(WS_EX_NOINHERITLAYOUT, 0x00100000) X(WS_EX_LAYOUTRTL, 0x00400000) \
    X(WS_EX_COMPOSITED, 0x02000000) X(WS_EX_NOACTIVATE, 0x08000000)                                 \
    X(DS_ABSALIGN, 0x0001) X(DS_SYSMODAL, 0x0002) X(DS_3DLOOK, 0x0004) X(DS_FIXEDSYS, 0x0008)       \
    X(DS_NOFAILCREATE, 0x0010) X(DS_LOCALEDIT, 0x0020) X(DS_SETFONT, 0x0040)                        \
    X(DS_MODALFRAME, 0x0080) X(DS_NOIDLEMSG, 0x0100) X(DS_SETFOREGROUND, 0x0200)                    \
    X(DS_CONTROL, 0x0400) X(DS_CENTER, 0x0800) X(DS_CENTERMOUSE, 0x1000) X(DS_CONTEXTHELP, 0x2000)  \
    X(DS_SHELLFONT, 0x0048)                                                                         \
    X(ES_LEFT, 0x0000) X(ES_CENTER, 0x0001) X(ES_RIGHT, 0x0002) X(ES_MULTILINE, 0x0004)             \
    X(ES_UPPERCASE, 0x0008) X(ES_LOWERCASE, 0x0010) X(ES_PASSWORD, 0x0020)                          \
    X(ES_AUTOVSCROLL, 0x0040) X(ES_AUTOHSCROLL, 0x0080) X(ES_NOHIDESEL, 0x0100)                     \
    X(ES_OEMCONVERT, 0x0400) X(ES_READONLY, 0x0800) X(ES_WANTRETURN, 0x1000) X(ES_NUMBER, 0x2000)   \
    X(BS_PUSHBUTTON, 0x0000) X(BS_DEFPUSHBUTTON, 0x0001) X(BS_CHECKBOX, 0x0002)                     \
    X(BS_AUTOCHECKBOX, 0x0003) X(BS_RADIOBUTTON, 0x0004) X(BS_3STATE, 0x0005)                       \
    X(BS_AUTO3STATE, 0x0006) X(BS_GROUPBOX, 0x0007) X(BS_USERBUTTON, 0x0008)                        \
    X(BS_AUTORADIOBUTTON, 0x0009) X(BS_PUSHBOX, 0x000A) X(BS_OWNERDRAW, 0x000B)                     \
    X(BS_TYPEMASK, 0x000F) X(BS_LEFTTEXT, 0x0020) X(BS_RIGHTBUTTON, 0x0020) X(BS_TEXT, 0x0000)      \
    X(BS_ICON, 0x0040) X(BS_BITMAP, 0x0080) X(BS_LEFT, 0x0100) X(BS_RIGHT, 0x0200)                  \
    X(BS_CENTER, 0x0300) X(BS_TOP, 0x0400) X(BS_BOTTOM, 0x0800) X(BS_VCENTER, 0x0C00)               \
    X(BS_PUSHLIKE, 0x1000) X(BS_MULTILINE, 0x2000) X(BS_NOTIFY, 0x4000) X(BS_FLAT, 0x8000)          \
    X(SS_LEFT, 0x0000) X(SS_CENTER, 0x0001) X(SS_RIGHT, 0x0002) X(SS_ICON, 0x0003)                  \
    X(SS_BLACKRECT, 0x0004) X(SS_GRAYRECT, 0x0005) X(SS_WHITERECT, 0x0006)                          \
    X(SS_BLACKFRAME, 0x0007) X(SS_GRAYFRAME, 0x0008) X(SS_WHITEFRAME, 0x0009)                       \
    X(SS_USERITEM, 0x000A) X(SS_SIMPLE, 0x000B) X(SS_LEFTNOWORDWRAP, 0x000C)                        \
    X(SS_OWNERDRAW, 0x000D) X(SS_BITMAP, 0x000E) X(SS_ENHMETAFILE, 0x000F)                          \
    X(SS_ETCHEDHORZ, 0x0010) X(SS_ETCHEDVERT, 0x0011) X(SS_ETCHEDFRAME, 0x0012)                     \
    X(SS_TYPEMASK, 0x001F) X(SS_REALSIZECONTROL, 0x0040) X(SS_NOPREFIX, 0x0080)                     \
    X(SS_NOTIFY, 0x0100) X(SS_CENTERIMAGE, 0x0200) X(SS_RIGHTJUST, 0x0400)                          \
    X(SS_REALSIZEIMAGE, 0x0800) X(SS_SUNKEN, 0x1000) X(SS_EDITCONTROL, 0x2000)                      \
    X(SS_ENDELLIPSIS, 0x4000) X(SS_PATHELLIPSIS, 0x8000) X(SS_WORDELLIPSIS, 0xC000)                 \
    X(SS_ELLIPSISMASK, 0xC000)                                                                      \
    X(CBS_SIMPLE, 0x0001) X(CBS_DROPDOWN, 0x0002) X(CBS_DROPDOWNLIST, 0x0003)                       \
    X(CBS_OWNERDRAWFIXED, 0x0010) X(CBS_OWNERDRAWVARIABLE, 0x0020) X(CBS_AUTOHSCROLL, 0x0040)       \
    X(CBS_OEMCONVERT, 0x0080) X(CBS_SORT, 0x0100) X(CBS_HASSTRINGS, 0x0200)                         \
    X(CBS_NOINTEGRALHEIGHT, 0x0400) X(CBS_DISABLENOSCROLL, 0x0800) X(CBS_UPPERCASE, 0x2000)         \
    X(CBS_LOWERCASE, 0x4000)                                                                        \
    X(LBS_NOTIFY, 0x0001) X(LBS_SORT, 0x0002) X(LBS_NOREDRAW, 0x0004) X(LBS_MULTIPLESEL, 0x0008)    \
    X(LBS_OWNERDRAWFIXED, 0x0010) X(LBS_OWNERDRAWVARIABLE, 0x0020) X(LBS_HASSTRINGS, 0x0040)        \
    X(LBS_USETABSTOPS, 0x0080) X(LBS_NOINTEGRALHEIGHT, 0x0100) X(LBS_MULTICOLUMN, 0x0200)           \
    X(LBS_WANTKEYBOARDINPUT, 0x0400) X(LBS_EXTENDEDSEL, 0x0800) X(LBS_DISABLENOSCROLL, 0x1000)      \
    X(LBS_NODATA, 0x2000) X(LBS_NOSEL, 0x4000) X(LBS_COMBOBOX, 0x8000) X(LBS_STANDARD, 0x00A00003)  \
    X(SBS_HORZ, 0x0000) X(SBS_VERT, 0x0001)                                                         \
    X(LVS_ICON, 0x0000) X(LVS_REPORT, 0x0001) X(LVS_SMALLICON, 0x0002) X(LVS_LIST, 0x0003)          \
    X(LVS_TYPEMASK, 0x0003) X(LVS_SINGLESEL, 0x0004) X(LVS_SHOWSELALWAYS, 0x0008)                   \
    X(LVS_SORTASCENDING, 0x0010) X(LVS_SORTDESCENDING, 0x0020) X(LVS_SHAREIMAGELISTS, 0x0040)       \
    X(LVS_NOLABELWRAP, 0x0080) X(LVS_AUTOARRANGE, 0x0100) X(LVS_EDITLABELS, 0x0200)                 \
    X(LVS_OWNERDRAWFIXED, 0x0400) X(LVS_ALIGNTOP, 0x0000) X(LVS_ALIGNLEFT, 0x0800)                  \
    X(LVS_OWNERDATA, 0x1000) X(LVS_NOSCROLL, 0x2000) X(LVS_NOCOLUMNHEADER, 0x4000)                  \
    X(LVS_NOSORTHEADER, 0x8000)                                                                     \
    X(TVS_HASBUTTONS, 0x0001) X(TVS_HASLINES, 0x0002) X(TVS_LINESATROOT, 0x0004)                    \
    X(TVS_EDITLABELS, 0x0008) X(TVS_DISABLEDRAGDROP, 0x0010) X(TVS_SHOWSELALWAYS, 0x0020)           \
    X(TVS_RTLREADING, 0x0040) X(TVS_NOTOOLTIPS, 0x0080) X(TVS_CHECKBOXES, 0x0100)                   \
    X(TVS_TRACKSELECT, 0x0200) X(TVS_SINGLEEXPAND, 0x0400) X(TVS_INFOTIP, 0x0800)                   \
    X(TVS_FULLROWSELECT, 0x1000) X(TVS_NOSCROLL, 0x2000) X(TVS_NONEVENHEIGHT, 0x4000)               \
    X(TVS_NOHSCROLL, 0x8000)                                                                        \
    X(PBS_SMOOTH, 0x0001) X(PBS_VERTICAL, 0x0004)                                                   \
    X(DTS_SHORTDATEFORMAT, 0x0000) X(DTS_UPDOWN, 0x0001) X(DTS_SHOWNONE, 0x0002)                    \
    X(DTS_LONGDATEFORMAT, 0x0004) X(DTS_TIMEFORMAT, 0x0009) X(DTS_APPCANPARSE, 0x0010)              \
    X(DTS_RIGHTALIGN, 0x0020)                                                                       \
    X(MCS_DAYSTATE, 0x0001) X(MCS_MULTISELECT, 0x0002) X(MCS_WEEKNUMBERS, 0x0004)                   \
    X(MCS_NOTODAYCIRCLE, 0x0008) X(MCS_NOTODAY, 0x0010)                                             \
    X(UDS_WRAP, 0x0001) X(UDS_SETBUDDYINT, 0x0002) X(UDS_ALIGNRIGHT, 0x0004)                        \
    X(UDS_ALIGNLEFT, 0x0008) X(UDS_AUTOBUDDY, 0x0010) X(UDS_ARROWKEYS, 0x0020) X(UDS_HORZ, 0x0040)  \
    X(UDS_NOTHOUSANDS, 0x0080) X(UDS_HOTTRACK, 0x0100)                                              \
    X(CCS_TOP, 0x0001) X(CCS_NOMOVEY, 0x0002) X(CCS_BOTTOM, 0x0003) X(CCS_NORESIZE, 0x0004)         \
    X(CCS_NOPARENTALIGN, 0x0008) X(CCS_ADJUSTABLE, 0x0020) X(CCS_NODIVIDER, 0x0040)                 \
    X(CCS_VERT, 0x0080)                                                                             \
    X(TBSTYLE_TOOLTIPS, 0x0100) X(TBSTYLE_WRAPABLE, 0x0200) X(TBSTYLE_ALTDRAG, 0x0400)              \
    X(TBSTYLE_FLAT, 0x0800) X(TBSTYLE_LIST, 0x1000) X(TBSTYLE_CUSTOMERASE, 0x2000)                  \
    X(TBSTYLE_REGISTERDROP, 0x4000) X(TBSTYLE_TRANSPARENT, 0x8000)

// Flags of menu entries (MENU options and MENUEX types and states) and of accelerators.
#define VORN_MENU_FLAGS(X)                                                                         \
    X(MF_STRING, 0x0000) X(MF_ENABLED, 0x0000) X(MF_UNCHECKED, 0x0000) X(MF_UNHILITE, 0x0000)       \
    X(MF_BYCOMMAND, 0x0000) X(MF_GRAYED, 0x0001) X(MF_DISABLED, 0x0002) X(MF_BITMAP, 0x0004)        \
    X(MF_CHECKED, 0x0008) X(MF_POPUP, 0x0010) X(MF_MENUBARBREAK, 0x0020) X(MF_MENUBREAK, 0x0040)    \
    X(MF_HILITE, 0x0080) X(MF_OWNERDRAW, 0x0100) X(MF_BYPOSITION, 0x0400) X(MF_SEPARATOR, 0x0800)   \
    X(MF_DEFAULT, 0x1000) X(MF_HELP, 0x4000) X(MF_RIGHTJUSTIFY, 0x4000) X(MF_MOUSESELECT, 0x8000)   \
    X(MFT_STRING, 0x0000) X(MFT_BITMAP, 0x0004) X(MFT_MENUBARBREAK, 0x0020)                         \
    X(MFT_MENUBREAK, 0x0040) X(MFT_OWNERDRAW, 0x0100) X(MFT_RADIOCHECK, 0x0200)                     \
    X(MFT_SEPARATOR, 0x0800) X(MFT_RIGHTORDER, 0x2000) X(MFT_RIGHTJUSTIFY, 0x4000)                  \
    X(MFS_ENABLED, 0x0000) X(MFS_UNCHECKED, 0x0000) X(MFS_UNHILITE, 0x0000) X(MFS_GRAYED, 0x0003)   \
    X(MFS_DISABLED, 0x0003) X(MFS_CHECKED, 0x0008) X(MFS_HILITE, 0x0080) X(MFS_DEFAULT, 0x1000)     \
    X(FVIRTKEY, 0x01) X(FNOINVERT, 0x02) X(FSHIFT, 0x04) X(FCONTROL, 0x08) X(FALT, 0x10)

// The command ids of the standard dialog buttons and of the wizard buttons; IDC_STATIC marks a
// control without id.
#define VORN_DIALOG_IDS(X)                                                                         \
    X(IDOK, 1) X(IDCANCEL, 2) X(IDABORT, 3) X(IDRETRY, 4) X(IDIGNORE, 5) X(IDYES, 6) X(IDNO, 7)     \
    X(IDCLOSE, 8) X(IDHELP, 9) X(IDC_STATIC, -1) X(ID_WIZBACK, 12323) X(ID_WIZNEXT, 12324)          \
    X(ID_WIZFINISH, 12325)

#define VORN_DEFINE_STYLE(name, value) inline constexpr DWORD name = static_cast<DWORD>(value##u);
#define VORN_DEFINE_MENU_FLAG(name, value) inline constexpr UINT name = value##u;
#define VORN_DEFINE_DIALOG_ID(name, value) inline constexpr int name = value;
VORN_WINDOW_STYLES(VORN_DEFINE_STYLE)
VORN_MENU_FLAGS(VORN_DEFINE_MENU_FLAG)
VORN_DIALOG_IDS(VORN_DEFINE_DIALOG_ID)
#undef VORN_DEFINE_STYLE
#undef VORN_DEFINE_MENU_FLAG
#undef VORN_DEFINE_DIALOG_ID

// The value of one of the names above (or of a virtual-key name); false for any other name.
bool FindWindowStyleConstant(std::string_view name, long long& value);
