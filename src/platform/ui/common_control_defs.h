#pragma once
// Messages, notification codes and structures of the common controls (list view, tree view,
// progress bar, date-time picker, month calendar, tooltip) and of custom drawing, with their
// standard numeric values. Text members are wide strings.
#include "platform/ui/control_defs.h"
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;  // 0 = Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;

inline LPTSTR const LPSTR_TEXTCALLBACK = reinterpret_cast<LPTSTR>(static_cast<LONG_PTR>(-1));
inline constexpr int I_IMAGECALLBACK = -1, I_IMAGENONE = -2;

// Window class names of the standard and common controls.
#define WC_BUTTON L"BUTTON"
#define WC_EDIT L"EDIT"
#define WC_STATIC L"STATIC"
#define WC_LISTBOX L"LISTBOX"
#define WC_COMBOBOX L"COMBOBOX"
#define WC_SCROLLBAR L"SCROLLBAR"
#define WC_LISTVIEW L"SysListView32"
#define WC_TREEVIEW L"SysTreeView32"
#define PROGRESS_CLASS L"msctls_progress32"
#define DATETIMEPICK_CLASS L"SysDateTimePick32"
#define MONTHCAL_CLASS L"SysMonthCal32"
#define TOOLTIPS_CLASS L"tooltips_class32"

// Custom draw
inline constexpr DWORD CDDS_PREPAINT = 0x00000001, CDDS_POSTPAINT = 0x00000002, CDDS_PREERASE = 0x00000003;
inline constexpr DWORD CDDS_POSTERASE = 0x00000004, CDDS_ITEM = 0x00010000, CDDS_SUBITEM = 0x00020000;
inline constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT, CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
inline constexpr LRESULT CDRF_DODEFAULT = 0x00000000, CDRF_NEWFONT = 0x00000002, CDRF_SKIPDEFAULT = 0x00000004;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x00000010, CDRF_NOTIFYITEMDRAW = 0x00000020;
inline constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x00000020, CDRF_NOTIFYPOSTERASE = 0x00000040;
inline constexpr UINT CDIS_SELECTED = 0x0001, CDIS_GRAYED = 0x0002, CDIS_DISABLED = 0x0004;
inline constexpr UINT CDIS_CHECKED = 0x0008, CDIS_FOCUS = 0x0010, CDIS_DEFAULT = 0x0020, CDIS_HOT = 0x0040;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage;
    HDC hdc;
    RECT rc;
    DWORD_PTR dwItemSpec;
    UINT uItemState;
    LPARAM lItemlParam;
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

// The toolbar's custom draw record: the common part and the colours the bar draws with.
struct NMTBCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    HBRUSH hbrMonoDither;
    HBRUSH hbrLines;
    HPEN hpenLines;
    COLORREF clrText;
    COLORREF clrMark;
    COLORREF clrTextHighlight;
    COLORREF clrBtnFace;
    COLORREF clrBtnHighlight;
    COLORREF clrHighlightHotTrack;
    RECT rcText;
    int nStringBkMode;
    int nHLStringBkMode;
    int iListGap;
};
using LPNMTBCUSTOMDRAW = NMTBCUSTOMDRAW*;

// List view
inline constexpr UINT LVM_FIRST = 0x1000;
inline constexpr UINT LVM_GETBKCOLOR = LVM_FIRST + 0, LVM_SETBKCOLOR = LVM_FIRST + 1, LVM_GETIMAGELIST = LVM_FIRST + 2;
inline constexpr UINT LVM_SETIMAGELIST = LVM_FIRST + 3, LVM_GETITEMCOUNT = LVM_FIRST + 4;
inline constexpr UINT LVM_DELETEITEM = LVM_FIRST + 8, LVM_DELETEALLITEMS = LVM_FIRST + 9;
inline constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12, LVM_GETITEMRECT = LVM_FIRST + 14;
inline constexpr UINT LVM_HITTEST = LVM_FIRST + 18, LVM_ENSUREVISIBLE = LVM_FIRST + 19;
inline constexpr UINT LVM_DELETECOLUMN = LVM_FIRST + 28, LVM_GETCOLUMNWIDTH = LVM_FIRST + 29;
inline constexpr UINT LVM_SETCOLUMNWIDTH = LVM_FIRST + 30, LVM_GETHEADER = LVM_FIRST + 31;
inline constexpr UINT LVM_SETTEXTCOLOR = LVM_FIRST + 36, LVM_SETTEXTBKCOLOR = LVM_FIRST + 38;
inline constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39, LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
inline constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43, LVM_GETITEMSTATE = LVM_FIRST + 44;
inline constexpr UINT LVM_SETITEMCOUNT = LVM_FIRST + 47, LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54, LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
inline constexpr UINT LVM_SUBITEMHITTEST = LVM_FIRST + 57, LVM_GETSELECTIONMARK = LVM_FIRST + 66;
inline constexpr UINT LVM_SETSELECTIONMARK = LVM_FIRST + 67;
inline constexpr UINT LVM_GETITEMW = LVM_FIRST + 75, LVM_SETITEMW = LVM_FIRST + 76, LVM_INSERTITEMW = LVM_FIRST + 77;
inline constexpr UINT LVM_FINDITEMW = LVM_FIRST + 83, LVM_GETCOLUMNW = LVM_FIRST + 95, LVM_SETCOLUMNW = LVM_FIRST + 96;
inline constexpr UINT LVM_INSERTCOLUMNW = LVM_FIRST + 97, LVM_GETITEMTEXTW = LVM_FIRST + 115;
inline constexpr UINT LVM_SETITEMTEXTW = LVM_FIRST + 116;
inline constexpr UINT LVM_INSERTGROUP = LVM_FIRST + 145, LVM_SETGROUPINFO = LVM_FIRST + 147;
inline constexpr UINT LVM_GETGROUPINFO = LVM_FIRST + 149, LVM_REMOVEGROUP = LVM_FIRST + 150;
inline constexpr UINT LVM_GETGROUPCOUNT = LVM_FIRST + 152, LVM_ENABLEGROUPVIEW = LVM_FIRST + 157;
inline constexpr UINT LVM_REMOVEALLGROUPS = LVM_FIRST + 160, LVM_HASGROUP = LVM_FIRST + 161;
inline constexpr UINT LVM_ISGROUPVIEWENABLED = LVM_FIRST + 175;
inline constexpr UINT LVM_GETITEM = LVM_GETITEMW, LVM_SETITEM = LVM_SETITEMW, LVM_INSERTITEM = LVM_INSERTITEMW;
inline constexpr UINT LVM_GETCOLUMN = LVM_GETCOLUMNW, LVM_SETCOLUMN = LVM_SETCOLUMNW;
inline constexpr UINT LVM_INSERTCOLUMN = LVM_INSERTCOLUMNW, LVM_GETITEMTEXT = LVM_GETITEMTEXTW;
inline constexpr UINT LVM_SETITEMTEXT = LVM_SETITEMTEXTW, LVM_FINDITEM = LVM_FINDITEMW;

inline constexpr int LVN_FIRST = -100;
inline constexpr int LVN_ITEMCHANGING = LVN_FIRST - 0, LVN_ITEMCHANGED = LVN_FIRST - 1;
inline constexpr int LVN_INSERTITEM = LVN_FIRST - 2, LVN_DELETEITEM = LVN_FIRST - 3;
inline constexpr int LVN_DELETEALLITEMS = LVN_FIRST - 4, LVN_COLUMNCLICK = LVN_FIRST - 8;
inline constexpr int LVN_BEGINDRAG = LVN_FIRST - 9, LVN_BEGINRDRAG = LVN_FIRST - 11;
inline constexpr int LVN_ITEMACTIVATE = LVN_FIRST - 14, LVN_KEYDOWN = LVN_FIRST - 55;
inline constexpr int LVN_BEGINLABELEDITW = LVN_FIRST - 75, LVN_ENDLABELEDITW = LVN_FIRST - 76;
inline constexpr int LVN_GETDISPINFOW = LVN_FIRST - 77;

inline constexpr UINT LVIF_TEXT = 0x0001, LVIF_IMAGE = 0x0002, LVIF_PARAM = 0x0004, LVIF_STATE = 0x0008;
inline constexpr UINT LVIF_INDENT = 0x0010, LVIF_GROUPID = 0x0100, LVIF_COLUMNS = 0x0200;
inline constexpr UINT LVIS_FOCUSED = 0x0001, LVIS_SELECTED = 0x0002, LVIS_CUT = 0x0004;
inline constexpr UINT LVIS_DROPHILITED = 0x0008, LVIS_OVERLAYMASK = 0x0F00, LVIS_STATEIMAGEMASK = 0xF000;
#define INDEXTOSTATEIMAGEMASK(i) (static_cast<UINT>(i) << 12)
inline constexpr int LVNI_ALL = 0x0000, LVNI_FOCUSED = 0x0001, LVNI_SELECTED = 0x0002;
inline constexpr int LVNI_ABOVE = 0x0100, LVNI_BELOW = 0x0200;
inline constexpr int LVSIL_NORMAL = 0, LVSIL_SMALL = 1, LVSIL_STATE = 2;
inline constexpr int LVIR_BOUNDS = 0, LVIR_ICON = 1, LVIR_LABEL = 2, LVIR_SELECTBOUNDS = 3;
inline constexpr UINT LVHT_NOWHERE = 0x0001, LVHT_ONITEMICON = 0x0002, LVHT_ONITEMLABEL = 0x0004;
inline constexpr UINT LVHT_ONITEMSTATEICON = 0x0008, LVHT_ONITEM = 0x000E;
inline constexpr UINT LVCF_FMT = 0x0001, LVCF_WIDTH = 0x0002, LVCF_TEXT = 0x0004, LVCF_SUBITEM = 0x0008;
inline constexpr int LVCFMT_LEFT = 0x0000, LVCFMT_RIGHT = 0x0001, LVCFMT_CENTER = 0x0002;
inline constexpr int LVSCW_AUTOSIZE = -1, LVSCW_AUTOSIZE_USEHEADER = -2;
inline constexpr DWORD LVS_EX_GRIDLINES = 0x00000001, LVS_EX_CHECKBOXES = 0x00000004;
inline constexpr DWORD LVS_EX_TRACKSELECT = 0x00000008, LVS_EX_HEADERDRAGDROP = 0x00000010;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020, LVS_EX_ONECLICKACTIVATE = 0x00000040;
inline constexpr DWORD LVS_EX_INFOTIP = 0x00000400, LVS_EX_LABELTIP = 0x00004000;
inline constexpr DWORD LVS_EX_DOUBLEBUFFER = 0x00010000;
inline constexpr UINT LVFI_PARAM = 0x0001, LVFI_STRING = 0x0002, LVFI_PARTIAL = 0x0008;
inline constexpr UINT LVGF_NONE = 0x0000, LVGF_HEADER = 0x0001, LVGF_FOOTER = 0x0002;
inline constexpr UINT LVGF_STATE = 0x0004, LVGF_ALIGN = 0x0008, LVGF_GROUPID = 0x0010;
inline constexpr UINT LVGA_HEADER_LEFT = 0x0001, LVGA_HEADER_CENTER = 0x0002, LVGA_HEADER_RIGHT = 0x0004;
inline constexpr UINT LVGS_NORMAL = 0x0000, LVGS_COLLAPSED = 0x0001, LVGS_HIDDEN = 0x0002;
inline constexpr int I_GROUPIDCALLBACK = -1, I_GROUPIDNONE = -2;

struct LVITEM {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
    int iGroupId;
    UINT cColumns;
    UINT* puColumns;
};
using LPLVITEM = LVITEM*;

struct LVCOLUMN {
    UINT mask;
    int fmt;
    int cx;
    LPTSTR pszText;
    int cchTextMax;
    int iSubItem;
};
using LPLVCOLUMN = LVCOLUMN*;

struct LVGROUP {
    UINT cbSize;
    UINT mask;
    LPWSTR pszHeader;
    int cchHeader;
    LPWSTR pszFooter;
    int cchFooter;
    int iGroupId;
    UINT stateMask;
    UINT state;
    UINT uAlign;
};
using PLVGROUP = LVGROUP*;

struct LVFINDINFO {
    UINT flags;
    LPCTSTR psz;
    LPARAM lParam;
    POINT pt;
    UINT vkDirection;
};

struct LVHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
    int iGroup;
};
using LPLVHITTESTINFO = LVHITTESTINFO*;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
};
using LPNMLISTVIEW = NMLISTVIEW*;

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iSubItem;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;

// Tree view
struct TREEITEM__;
using HTREEITEM = TREEITEM__*;
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFE));
inline HTREEITEM const TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFD));

inline constexpr UINT TV_FIRST = 0x1100;
inline constexpr UINT TVM_DELETEITEM = TV_FIRST + 1, TVM_EXPAND = TV_FIRST + 2, TVM_GETITEMRECT = TV_FIRST + 4;
inline constexpr UINT TVM_GETCOUNT = TV_FIRST + 5, TVM_GETINDENT = TV_FIRST + 6, TVM_SETINDENT = TV_FIRST + 7;
inline constexpr UINT TVM_GETIMAGELIST = TV_FIRST + 8, TVM_SETIMAGELIST = TV_FIRST + 9;
inline constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10, TVM_SELECTITEM = TV_FIRST + 11;
inline constexpr UINT TVM_HITTEST = TV_FIRST + 17, TVM_ENSUREVISIBLE = TV_FIRST + 20;
inline constexpr UINT TVM_SETITEMHEIGHT = TV_FIRST + 27, TVM_GETITEMHEIGHT = TV_FIRST + 28;
inline constexpr UINT TVM_SETBKCOLOR = TV_FIRST + 29, TVM_SETTEXTCOLOR = TV_FIRST + 30;
inline constexpr UINT TVM_GETITEMSTATE = TV_FIRST + 39;
inline constexpr UINT TVM_INSERTITEMW = TV_FIRST + 50, TVM_GETITEMW = TV_FIRST + 62, TVM_SETITEMW = TV_FIRST + 63;
inline constexpr UINT TVM_INSERTITEM = TVM_INSERTITEMW, TVM_GETITEM = TVM_GETITEMW, TVM_SETITEM = TVM_SETITEMW;

inline constexpr int TVN_FIRST = -400;
inline constexpr int TVN_SELCHANGINGW = TVN_FIRST - 50, TVN_SELCHANGEDW = TVN_FIRST - 51;
inline constexpr int TVN_GETDISPINFOW = TVN_FIRST - 52, TVN_ITEMEXPANDINGW = TVN_FIRST - 54;
inline constexpr int TVN_ITEMEXPANDEDW = TVN_FIRST - 55, TVN_BEGINDRAGW = TVN_FIRST - 56;
inline constexpr int TVN_DELETEITEMW = TVN_FIRST - 58, TVN_KEYDOWN = TVN_FIRST - 12;
inline constexpr int TVN_ITEMCHANGEDW = TVN_FIRST - 19;
inline constexpr int TVN_SELCHANGING = TVN_SELCHANGINGW, TVN_SELCHANGED = TVN_SELCHANGEDW;
inline constexpr int TVN_ITEMEXPANDING = TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDED = TVN_ITEMEXPANDEDW;
inline constexpr int TVN_DELETEITEM = TVN_DELETEITEMW, TVN_ITEMCHANGED = TVN_ITEMCHANGEDW;
inline constexpr int TVN_GETDISPINFO = TVN_GETDISPINFOW, TVN_BEGINDRAG = TVN_BEGINDRAGW;

inline constexpr UINT TVIF_TEXT = 0x0001, TVIF_IMAGE = 0x0002, TVIF_PARAM = 0x0004, TVIF_STATE = 0x0008;
inline constexpr UINT TVIF_HANDLE = 0x0010, TVIF_SELECTEDIMAGE = 0x0020, TVIF_CHILDREN = 0x0040;
inline constexpr UINT TVIS_SELECTED = 0x0002, TVIS_CUT = 0x0004, TVIS_DROPHILITED = 0x0008, TVIS_BOLD = 0x0010;
inline constexpr UINT TVIS_EXPANDED = 0x0020, TVIS_EXPANDEDONCE = 0x0040, TVIS_STATEIMAGEMASK = 0xF000;
inline constexpr UINT TVE_COLLAPSE = 0x0001, TVE_EXPAND = 0x0002, TVE_TOGGLE = 0x0003;
inline constexpr UINT TVGN_ROOT = 0x0000, TVGN_NEXT = 0x0001, TVGN_PREVIOUS = 0x0002, TVGN_PARENT = 0x0003;
inline constexpr UINT TVGN_CHILD = 0x0004, TVGN_FIRSTVISIBLE = 0x0005, TVGN_NEXTVISIBLE = 0x0006;
inline constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007, TVGN_DROPHILITE = 0x0008, TVGN_CARET = 0x0009;
inline constexpr UINT TVC_UNKNOWN = 0x0000, TVC_BYMOUSE = 0x0001, TVC_BYKEYBOARD = 0x0002;
inline constexpr int TVSIL_NORMAL = 0, TVSIL_STATE = 2;
inline constexpr UINT TVHT_NOWHERE = 0x0001, TVHT_ONITEMICON = 0x0002, TVHT_ONITEMLABEL = 0x0004;
inline constexpr UINT TVHT_ONITEMINDENT = 0x0008, TVHT_ONITEMBUTTON = 0x0010, TVHT_ONITEMRIGHT = 0x0020;
inline constexpr UINT TVHT_ONITEMSTATEICON = 0x0040, TVHT_ONITEM = 0x0046;

struct TVITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};
using LPTVITEM = TVITEM*;

struct TVINSERTSTRUCT {
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    TVITEM item;
};
using LPTVINSERTSTRUCT = TVINSERTSTRUCT*;

struct TVHITTESTINFO {
    POINT pt;
    UINT flags;
    HTREEITEM hItem;
};
using LPTVHITTESTINFO = TVHITTESTINFO*;

struct NMTREEVIEW {
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};
using LPNMTREEVIEW = NMTREEVIEW*;

// TVN_ITEMCHANGED: a state change of an item (the check box among them).
struct NMTVITEMCHANGE {
    NMHDR hdr;
    UINT uChanged;
    HTREEITEM hItem;
    UINT uStateNew;
    UINT uStateOld;
    LPARAM lParam;
};

struct NMTVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iLevel;
};

// Progress bar
inline constexpr UINT PBM_SETRANGE = WM_USER + 1, PBM_SETPOS = WM_USER + 2, PBM_DELTAPOS = WM_USER + 3;
inline constexpr UINT PBM_SETSTEP = WM_USER + 4, PBM_STEPIT = WM_USER + 5, PBM_SETRANGE32 = WM_USER + 6;
inline constexpr UINT PBM_GETRANGE = WM_USER + 7, PBM_GETPOS = WM_USER + 8, PBM_SETBARCOLOR = WM_USER + 9;
inline constexpr UINT PBM_SETBKCOLOR = 0x2001;

struct PBRANGE {
    int iLow;
    int iHigh;
};

// Date-time picker
inline constexpr UINT DTM_FIRST = 0x1000;
inline constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1, DTM_SETSYSTEMTIME = DTM_FIRST + 2;
inline constexpr UINT DTM_GETRANGE = DTM_FIRST + 3, DTM_SETRANGE = DTM_FIRST + 4;
inline constexpr UINT DTM_SETMCCOLOR = DTM_FIRST + 6, DTM_GETMONTHCAL = DTM_FIRST + 8;
inline constexpr UINT DTM_SETMCFONT = DTM_FIRST + 9, DTM_SETFORMATW = DTM_FIRST + 50;
inline constexpr UINT DTM_SETFORMAT = DTM_SETFORMATW;
inline constexpr DWORD GDT_ERROR = static_cast<DWORD>(-1), GDT_VALID = 0, GDT_NONE = 1;
inline constexpr DWORD GDTR_MIN = 0x0001, GDTR_MAX = 0x0002;
inline constexpr int DTN_FIRST = -740;
inline constexpr int DTN_DATETIMECHANGE = DTN_FIRST - 6, DTN_DROPDOWN = DTN_FIRST - 6 + 5;
inline constexpr int DTN_CLOSEUP = DTN_FIRST - 6 + 6;

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;
    SYSTEMTIME st;
};
using LPNMDATETIMECHANGE = NMDATETIMECHANGE*;

// Month calendar
inline constexpr UINT MCM_FIRST = 0x1000;
inline constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1, MCM_SETCURSEL = MCM_FIRST + 2;
inline constexpr UINT MCM_GETMAXSELCOUNT = MCM_FIRST + 3, MCM_SETMAXSELCOUNT = MCM_FIRST + 4;
inline constexpr UINT MCM_GETSELRANGE = MCM_FIRST + 5, MCM_SETSELRANGE = MCM_FIRST + 6;
inline constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9, MCM_SETTODAY = MCM_FIRST + 12;
inline constexpr UINT MCM_GETTODAY = MCM_FIRST + 13, MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15;
inline constexpr UINT MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16, MCM_GETRANGE = MCM_FIRST + 17;
inline constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;
inline constexpr int MCN_FIRST = -746;
inline constexpr int MCN_SELCHANGE = MCN_FIRST - 3, MCN_SELECT = MCN_FIRST;

struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart;
    SYSTEMTIME stSelEnd;
};
using LPNMSELCHANGE = NMSELCHANGE*;

// Tooltip
inline constexpr UINT TTM_ACTIVATE = WM_USER + 1, TTM_SETDELAYTIME = WM_USER + 3, TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13, TTM_WINDOWFROMPOINT = WM_USER + 16;
inline constexpr UINT TTM_TRACKACTIVATE = WM_USER + 17, TTM_TRACKPOSITION = WM_USER + 18;
inline constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19, TTM_SETTIPTEXTCOLOR = WM_USER + 20;
inline constexpr UINT TTM_GETDELAYTIME = WM_USER + 21, TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25, TTM_POP = WM_USER + 28, TTM_UPDATE = WM_USER + 29;
inline constexpr UINT TTM_POPUP = WM_USER + 34;
inline constexpr UINT TTM_ADDTOOLW = WM_USER + 50, TTM_DELTOOLW = WM_USER + 51, TTM_NEWTOOLRECTW = WM_USER + 52;
inline constexpr UINT TTM_GETTOOLINFOW = WM_USER + 53, TTM_SETTOOLINFOW = WM_USER + 54;
inline constexpr UINT TTM_GETTEXTW = WM_USER + 56, TTM_UPDATETIPTEXTW = WM_USER + 57;
inline constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLW, TTM_DELTOOL = TTM_DELTOOLW, TTM_NEWTOOLRECT = TTM_NEWTOOLRECTW;
inline constexpr UINT TTM_GETTOOLINFO = TTM_GETTOOLINFOW, TTM_SETTOOLINFO = TTM_SETTOOLINFOW;
inline constexpr UINT TTM_GETTEXT = TTM_GETTEXTW, TTM_UPDATETIPTEXT = TTM_UPDATETIPTEXTW;
inline constexpr DWORD TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02, TTS_NOANIMATE = 0x10, TTS_NOFADE = 0x20;
inline constexpr DWORD TTS_BALLOON = 0x40;
inline constexpr UINT TTF_IDISHWND = 0x0001, TTF_CENTERTIP = 0x0002, TTF_RTLREADING = 0x0004;
inline constexpr UINT TTF_SUBCLASS = 0x0010, TTF_TRACK = 0x0020, TTF_ABSOLUTE = 0x0080;
inline constexpr UINT TTF_TRANSPARENT = 0x0100, TTF_PARSELINKS = 0x1000;
inline constexpr UINT TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3;
inline constexpr int TTN_FIRST = -520;
inline constexpr int TTN_GETDISPINFOW = TTN_FIRST - 10, TTN_SHOW = TTN_FIRST - 1, TTN_POP = TTN_FIRST - 2;
inline constexpr int TTN_GETDISPINFO = TTN_GETDISPINFOW, TTN_NEEDTEXT = TTN_GETDISPINFOW;

struct TOOLINFO {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPTSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
};
using LPTOOLINFO = TOOLINFO*;

struct NMTTDISPINFO {
    NMHDR hdr;
    LPTSTR lpszText;
    WCHAR szText[80];
    HINSTANCE hinst;
    UINT uFlags;
    LPARAM lParam;
};
using LPNMTTDISPINFO = NMTTDISPINFO*;
