#pragma once
// The toolbar control (window class "ToolbarWindow32"): a row of buttons with images from
// image lists and optional texts, separators, check and check-group buttons, hot tracking in
// the flat style and tooltips from the commands' strings ("prompt\ntooltip"). A click sends
// WM_COMMAND (the button's command, the toolbar as lParam) to the toolbar's parent; the owner
// may draw the bar or single buttons itself through NM_CUSTOMDRAW (item stages give the
// button's command in dwItemSpec and CDIS_HOT/SELECTED/CHECKED/DISABLED). Everything
// is reached through TB_* messages, so any CWnd on such a window (CToolBarCtrl, CToolBar, a
// menu bar built on the control) drives it the same way; CToolBarCtrl wraps the messages.
#include "platform/core/cstring.h"
#include "platform/ui/image_list.h"
#include "platform/ui/wnd.h"

#define TOOLBARCLASSNAME L"ToolbarWindow32"
#define REBARCLASSNAME L"ReBarWindow32"
#define STATUSCLASSNAME L"msctls_statusbar32"

// Messages
inline constexpr UINT TB_ENABLEBUTTON = WM_USER + 1, TB_CHECKBUTTON = WM_USER + 2, TB_PRESSBUTTON = WM_USER + 3;
inline constexpr UINT TB_HIDEBUTTON = WM_USER + 4, TB_INDETERMINATE = WM_USER + 5, TB_MARKBUTTON = WM_USER + 6;
inline constexpr UINT TB_ISBUTTONENABLED = WM_USER + 9, TB_ISBUTTONCHECKED = WM_USER + 10;
inline constexpr UINT TB_ISBUTTONPRESSED = WM_USER + 11, TB_ISBUTTONHIDDEN = WM_USER + 12;
inline constexpr UINT TB_SETSTATE = WM_USER + 17, TB_GETSTATE = WM_USER + 18, TB_DELETEBUTTON = WM_USER + 22;
inline constexpr UINT TB_GETBUTTON = WM_USER + 23, TB_BUTTONCOUNT = WM_USER + 24, TB_COMMANDTOINDEX = WM_USER + 25;
inline constexpr UINT TB_GETITEMRECT = WM_USER + 29, TB_BUTTONSTRUCTSIZE = WM_USER + 30;
inline constexpr UINT TB_SETBUTTONSIZE = WM_USER + 31, TB_SETBITMAPSIZE = WM_USER + 32, TB_AUTOSIZE = WM_USER + 33;
inline constexpr UINT TB_SETPARENT = WM_USER + 37, TB_GETBITMAP = WM_USER + 44, TB_SETINDENT = WM_USER + 47;
inline constexpr UINT TB_SETIMAGELIST = WM_USER + 48, TB_GETIMAGELIST = WM_USER + 49, TB_GETRECT = WM_USER + 51;
inline constexpr UINT TB_SETHOTIMAGELIST = WM_USER + 52, TB_GETHOTIMAGELIST = WM_USER + 53;
inline constexpr UINT TB_SETDISABLEDIMAGELIST = WM_USER + 54, TB_GETDISABLEDIMAGELIST = WM_USER + 55;
inline constexpr UINT TB_SETSTYLE = WM_USER + 56, TB_GETSTYLE = WM_USER + 57, TB_GETBUTTONSIZE = WM_USER + 58;
inline constexpr UINT TB_GETBUTTONINFO = WM_USER + 63, TB_SETBUTTONINFO = WM_USER + 64;
inline constexpr UINT TB_INSERTBUTTON = WM_USER + 67, TB_ADDBUTTONS = WM_USER + 68, TB_HITTEST = WM_USER + 69;
inline constexpr UINT TB_GETHOTITEM = WM_USER + 71, TB_SETHOTITEM = WM_USER + 72;
inline constexpr UINT TB_GETBUTTONTEXT = WM_USER + 75, TB_ADDSTRING = WM_USER + 77, TB_GETMAXSIZE = WM_USER + 83;
inline constexpr UINT TB_SETEXTENDEDSTYLE = WM_USER + 84, TB_GETEXTENDEDSTYLE = WM_USER + 85;

// Button states and styles
inline constexpr BYTE TBSTATE_CHECKED = 0x01, TBSTATE_PRESSED = 0x02, TBSTATE_ENABLED = 0x04;
inline constexpr BYTE TBSTATE_HIDDEN = 0x08, TBSTATE_INDETERMINATE = 0x10, TBSTATE_WRAP = 0x20;
inline constexpr BYTE TBSTATE_ELLIPSES = 0x40, TBSTATE_MARKED = 0x80;
inline constexpr BYTE BTNS_BUTTON = 0x00, BTNS_SEP = 0x01, BTNS_CHECK = 0x02, BTNS_GROUP = 0x04;
inline constexpr BYTE BTNS_CHECKGROUP = BTNS_GROUP | BTNS_CHECK, BTNS_DROPDOWN = 0x08, BTNS_AUTOSIZE = 0x10;
inline constexpr BYTE BTNS_NOPREFIX = 0x20, BTNS_SHOWTEXT = 0x40, BTNS_WHOLEDROPDOWN = 0x80;
inline constexpr BYTE TBSTYLE_BUTTON = BTNS_BUTTON, TBSTYLE_SEP = BTNS_SEP, TBSTYLE_CHECK = BTNS_CHECK;
inline constexpr BYTE TBSTYLE_GROUP = BTNS_GROUP, TBSTYLE_CHECKGROUP = BTNS_CHECKGROUP;
inline constexpr BYTE TBSTYLE_AUTOSIZE = BTNS_AUTOSIZE;

struct TBBUTTON {
    int iBitmap;        // image index; the width for a separator (0: the default)
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[6];
    DWORD_PTR dwData;
    INT_PTR iString;    // index into the toolbar's strings, or a text pointer
};
using LPTBBUTTON = TBBUTTON*;
using LPCTBBUTTON = const TBBUTTON*;

inline constexpr DWORD TBIF_IMAGE = 0x0001, TBIF_TEXT = 0x0002, TBIF_STATE = 0x0004, TBIF_STYLE = 0x0008;
inline constexpr DWORD TBIF_LPARAM = 0x0010, TBIF_COMMAND = 0x0020, TBIF_SIZE = 0x0040, TBIF_BYINDEX = 0x80000000;

struct TBBUTTONINFO {
    UINT cbSize;
    DWORD dwMask;
    int idCommand;
    int iImage;
    BYTE fsState;
    BYTE fsStyle;
    WORD cx;
    DWORD_PTR lParam;
    LPTSTR pszText;
    int cchText;
};
using LPTBBUTTONINFO = TBBUTTONINFO*;

// Registers the window classes of the bars ("ToolbarWindow32", "msctls_statusbar32",
// "ReBarWindow32"); the bars' Create functions do it themselves, code that creates the
// controls by class name calls it first.
void AfxRegisterBarClasses();

class CToolBarCtrl : public CWnd {
public:
    CToolBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL AddButtons(int nNumButtons, LPCTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPCTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    int GetButtonCount() const;
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    int CommandToIndex(UINT nID) const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetRect(int nID, LPRECT lpRect) const;
    // The index of the button under a point in client coordinates; for a separator at index
    // i the result is -i - 1, and -1 when the point is on no item.
    int HitTest(LPPOINT ppt) const;
    int AddString(UINT nStringID);
    // A list of texts, each ended by a null character, the list by a second one.
    int AddStrings(LPCTSTR lpszStrings);

    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE);
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    BOOL SetState(int nID, UINT nState);
    int GetState(int nID) const;
    BOOL SetButtonInfo(int nID, TBBUTTONINFO* ptbbi);
    int GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const;
    int GetButtonText(int nID, CString& text) const;

    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    CImageList* SetHotImageList(CImageList* pImageList);
    CImageList* SetDisabledImageList(CImageList* pImageList);
    BOOL SetBitmapSize(CSize size);
    BOOL SetButtonSize(CSize size);
    DWORD GetButtonSize() const;
    int SetHotItem(int nHot);
    int GetHotItem() const;
    void AutoSize();
    BOOL GetMaxSize(LPSIZE pSize) const;
    BOOL SetIndent(int iIndent);

    // The tooltip the control shows for a button: the part of its command's string after the
    // newline; empty when there is none.
    CString GetButtonTip(int nIndex) const;
};
