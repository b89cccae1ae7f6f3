#pragma once
// Message-map macros. In a class:      DECLARE_MESSAGE_MAP()
// In its source file:
//   BEGIN_MESSAGE_MAP(CMyCtrl, CWnd)
//       ON_WM_PAINT()
//       ON_WM_LBUTTONDOWN()
//       ON_MESSAGE(WM_USER + 1, &CMyCtrl::OnMyMessage)
//       ON_NOTIFY(NM_CLICK, 100, &CMyCtrl::OnListClick)
//   END_MESSAGE_MAP()
// Each entry is an adapter that unpacks wParam/lParam and calls the handler with the
// signature the entry names; the first matching entry of the most derived map wins.
#include "platform/ui/cmd_target.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/wnd.h"

#define DECLARE_MESSAGE_MAP()                               \
protected:                                                  \
    static const AFX_MSGMAP* GetThisMessageMap();           \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                               \
        using ThisClass = theClass;                                                 \
        using TheBaseClass = baseClass;                                             \
        static const AFX_MSGMAP_ENTRY vornEntries[] = {

#define END_MESSAGE_MAP()                                                     \
    {0, 0, 0, 0, nullptr, nullptr}};                                          \
    static const AFX_MSGMAP vornMap = {&TheBaseClass::GetThisMessageMap, vornEntries}; \
    return &vornMap;                                                          \
    }

// An entry: message, code, first and last id, and the statement that calls the handler with
// `self` (the object) and `vornCall` (the AfxMessageCall) in scope.
#define VORN_MAP_ENTRY(message, code, firstId, lastId, statement)                         \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(firstId),     \
     static_cast<UINT>(lastId), nullptr,                                                  \
     [](CCmdTarget* vornTarget, AfxMessageCall& vornCall) -> BOOL {                       \
         ThisClass* self = static_cast<ThisClass*>(vornTarget);                           \
         (void)self;                                                                      \
         (void)vornCall;                                                                  \
         statement;                                                                       \
         return TRUE;                                                                     \
     }},
#define VORN_MSG(message, statement) VORN_MAP_ENTRY(message, 0, 0, 0, statement)
#define VORN_WP vornCall.wParam
#define VORN_LP vornCall.lParam
#define VORN_POINT CPoint(GET_X_LPARAM(VORN_LP), GET_Y_LPARAM(VORN_LP))
#define VORN_WND(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))

// Window messages
#define ON_WM_CREATE() VORN_MSG(WM_CREATE, vornCall.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(VORN_LP)))
#define ON_WM_DESTROY() VORN_MSG(WM_DESTROY, self->OnDestroy())
#define ON_WM_NCDESTROY() VORN_MSG(WM_NCDESTROY, self->OnNcDestroy())
#define ON_WM_PAINT() VORN_MSG(WM_PAINT, self->OnPaint())
#define ON_WM_ERASEBKGND() \
    VORN_MSG(WM_ERASEBKGND, vornCall.result = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP))))
#define ON_WM_SIZE() VORN_MSG(WM_SIZE, self->OnSize(static_cast<UINT>(VORN_WP), LOWORD(VORN_LP), HIWORD(VORN_LP)))
#define ON_WM_MOVE() VORN_MSG(WM_MOVE, self->OnMove(GET_X_LPARAM(VORN_LP), GET_Y_LPARAM(VORN_LP)))
#define ON_WM_WINDOWPOSCHANGED() VORN_MSG(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(VORN_LP)))
#define ON_WM_SHOWWINDOW() \
    VORN_MSG(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(VORN_WP), static_cast<UINT>(VORN_LP)))
#define ON_WM_CLOSE() VORN_MSG(WM_CLOSE, self->OnClose())
#define ON_WM_TIMER() VORN_MSG(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(VORN_WP)))
#define ON_WM_ENABLE() VORN_MSG(WM_ENABLE, self->OnEnable(static_cast<BOOL>(VORN_WP)))
#define ON_WM_SETFOCUS() VORN_MSG(WM_SETFOCUS, self->OnSetFocus(VORN_WND(VORN_WP)))
#define ON_WM_KILLFOCUS() VORN_MSG(WM_KILLFOCUS, self->OnKillFocus(VORN_WND(VORN_WP)))
#define ON_WM_SETCURSOR()                                                                          \
    VORN_MSG(WM_SETCURSOR, vornCall.result = self->OnSetCursor(VORN_WND(VORN_WP), LOWORD(VORN_LP), \
                                                               HIWORD(VORN_LP)))
#define ON_WM_MOUSEMOVE() VORN_MSG(WM_MOUSEMOVE, self->OnMouseMove(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_LBUTTONDOWN() VORN_MSG(WM_LBUTTONDOWN, self->OnLButtonDown(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_LBUTTONUP() VORN_MSG(WM_LBUTTONUP, self->OnLButtonUp(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_LBUTTONDBLCLK() VORN_MSG(WM_LBUTTONDBLCLK, self->OnLButtonDblClk(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_RBUTTONDOWN() VORN_MSG(WM_RBUTTONDOWN, self->OnRButtonDown(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_RBUTTONUP() VORN_MSG(WM_RBUTTONUP, self->OnRButtonUp(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_RBUTTONDBLCLK() VORN_MSG(WM_RBUTTONDBLCLK, self->OnRButtonDblClk(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_MBUTTONDOWN() VORN_MSG(WM_MBUTTONDOWN, self->OnMButtonDown(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_MBUTTONUP() VORN_MSG(WM_MBUTTONUP, self->OnMButtonUp(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_MBUTTONDBLCLK() VORN_MSG(WM_MBUTTONDBLCLK, self->OnMButtonDblClk(static_cast<UINT>(VORN_WP), VORN_POINT))
#define ON_WM_MOUSEWHEEL()                                                                              \
    VORN_MSG(WM_MOUSEWHEEL, vornCall.result = self->OnMouseWheel(LOWORD(VORN_WP), static_cast<short>(HIWORD(VORN_WP)), \
                                                                 VORN_POINT))
#define ON_WM_MOUSELEAVE() VORN_MSG(WM_MOUSELEAVE, self->OnMouseLeave())
#define ON_WM_CAPTURECHANGED() VORN_MSG(WM_CAPTURECHANGED, self->OnCaptureChanged(VORN_WND(VORN_LP)))
#define ON_WM_MOUSEACTIVATE()                                                                         \
    VORN_MSG(WM_MOUSEACTIVATE, vornCall.result = self->OnMouseActivate(VORN_WND(VORN_WP), LOWORD(VORN_LP), \
                                                                       HIWORD(VORN_LP)))
#define VORN_KEY_ENTRY(message, member)                                                                    \
    VORN_MSG(message, self->member(static_cast<UINT>(VORN_WP), LOWORD(VORN_LP), HIWORD(VORN_LP)))
#define ON_WM_KEYDOWN() VORN_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() VORN_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() VORN_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() VORN_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() VORN_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() VORN_KEY_ENTRY(WM_SYSCHAR, OnSysChar)
#define ON_WM_GETDLGCODE() VORN_MSG(WM_GETDLGCODE, vornCall.result = self->OnGetDlgCode())
#define ON_WM_VSCROLL()                                                                                   \
    VORN_MSG(WM_VSCROLL, self->OnVScroll(LOWORD(VORN_WP), HIWORD(VORN_WP),                                \
                                         static_cast<CScrollBar*>(static_cast<void*>(VORN_WND(VORN_LP)))))
#define ON_WM_HSCROLL()                                                                                   \
    VORN_MSG(WM_HSCROLL, self->OnHScroll(LOWORD(VORN_WP), HIWORD(VORN_WP),                                \
                                         static_cast<CScrollBar*>(static_cast<void*>(VORN_WND(VORN_LP)))))
#define ON_WM_CONTEXTMENU() VORN_MSG(WM_CONTEXTMENU, self->OnContextMenu(VORN_WND(VORN_WP), VORN_POINT))
#define ON_WM_ACTIVATE() \
    VORN_MSG(WM_ACTIVATE, self->OnActivate(LOWORD(VORN_WP), VORN_WND(VORN_LP), static_cast<BOOL>(HIWORD(VORN_WP))))
#define ON_WM_ACTIVATEAPP() \
    VORN_MSG(WM_ACTIVATEAPP, self->OnActivateApp(static_cast<BOOL>(VORN_WP), static_cast<DWORD>(VORN_LP)))
#define ON_WM_CANCELMODE() VORN_MSG(WM_CANCELMODE, self->OnCancelMode())
#define ON_WM_SYSCOLORCHANGE() VORN_MSG(WM_SYSCOLORCHANGE, self->OnSysColorChange())
#define ON_WM_SETTINGCHANGE() \
    VORN_MSG(WM_SETTINGCHANGE, self->OnSettingChange(static_cast<UINT>(VORN_WP), reinterpret_cast<LPCTSTR>(VORN_LP)))
#define ON_WM_TIMECHANGE() VORN_MSG(WM_TIMECHANGE, self->OnTimeChange())
#define ON_WM_THEMECHANGED() VORN_MSG(WM_THEMECHANGED, vornCall.result = self->OnThemeChanged())
// The colour of a child control: the kind comes from the message (WM_CTLCOLOREDIT...).
#define ON_WM_CTLCOLOR()                                                                                       \
    VORN_MSG(WM_CTLCOLOREDIT, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                      \
                                  CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_EDIT)))      \
    VORN_MSG(WM_CTLCOLORLISTBOX, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                   \
                                     CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_LISTBOX))) \
    VORN_MSG(WM_CTLCOLORBTN, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                       \
                                 CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_BTN)))        \
    VORN_MSG(WM_CTLCOLORDLG, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                       \
                                 CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_DLG)))        \
    VORN_MSG(WM_CTLCOLORSTATIC, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                    \
                                    CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_STATIC)))   \
    VORN_MSG(WM_CTLCOLORSCROLLBAR, vornCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                 \
                                       CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), VORN_WND(VORN_LP), CTLCOLOR_SCROLLBAR)))
// A control's own colours, reflected from its parent: HBRUSH CtlColor(CDC*, UINT nCtlColor); a
// null brush leaves the colours to the parent.
#define VORN_CTLCOLOR_REFLECT(message, kind)                                                              \
    VORN_MSG(WM_REFLECT_BASE + message,                                                                   \
             vornCall.result = reinterpret_cast<LRESULT>(self->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(VORN_WP)), kind)))
#define ON_WM_CTLCOLOR_REFLECT()                                       \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)              \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)        \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLORBTN, CTLCOLOR_BTN)                \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLORDLG, CTLCOLOR_DLG)                \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)          \
    VORN_CTLCOLOR_REFLECT(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)

// Owner drawing, idle, palette and system changes
#define ON_WM_DRAWITEM() \
    VORN_MSG(WM_DRAWITEM, self->OnDrawItem(static_cast<int>(VORN_WP), reinterpret_cast<LPDRAWITEMSTRUCT>(VORN_LP)); vornCall.result = TRUE)
#define ON_WM_MEASUREITEM()                                                                             \
    VORN_MSG(WM_MEASUREITEM, self->OnMeasureItem(static_cast<int>(VORN_WP), reinterpret_cast<LPMEASUREITEMSTRUCT>(VORN_LP)); \
             vornCall.result = TRUE)
#define ON_WM_ENTERIDLE() VORN_MSG(WM_ENTERIDLE, self->OnEnterIdle(static_cast<UINT>(VORN_WP), VORN_WND(VORN_LP)))
#define ON_WM_PALETTECHANGED() VORN_MSG(WM_PALETTECHANGED, self->OnPaletteChanged(VORN_WND(VORN_WP)))
#define ON_WM_QUERYNEWPALETTE() VORN_MSG(WM_QUERYNEWPALETTE, vornCall.result = self->OnQueryNewPalette())
#define ON_WM_DEVMODECHANGE() VORN_MSG(WM_DEVMODECHANGE, self->OnDevModeChange(reinterpret_cast<LPTSTR>(VORN_LP)))
#define ON_WM_FONTCHANGE() VORN_MSG(WM_FONTCHANGE, self->OnFontChange())

// Any message: LRESULT OnX(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) VORN_MSG(message, vornCall.result = (self->*(memberFxn))(VORN_WP, VORN_LP))
#define ON_REGISTERED_MESSAGE(messageVariable, memberFxn)                                        \
    {0, 0, 0, 0, &(messageVariable), [](CCmdTarget* vornTarget, AfxMessageCall& vornCall) -> BOOL { \
         vornCall.result = (static_cast<ThisClass*>(vornTarget)->*(memberFxn))(VORN_WP, VORN_LP);  \
         return TRUE;                                                                              \
     }},

// Commands: void OnX(); ranges: void OnX(UINT id); updates: void OnUpdateX(CCmdUI*)
#define ON_COMMAND(id, memberFxn) VORN_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, (self->*(memberFxn))())
#define ON_COMMAND_RANGE(nID, nIDLast, memberFxn) \
    VORN_MAP_ENTRY(WM_COMMAND, CN_COMMAND, nID, nIDLast, (self->*(memberFxn))(vornCall.id))
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    VORN_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, (self->*(memberFxn))(static_cast<CCmdUI*>(vornCall.extra)))
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)          \
    VORN_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast,   \
                   (self->*(memberFxn))(static_cast<CCmdUI*>(vornCall.extra)))
// A control notification sent with WM_COMMAND: void OnX()
#define ON_CONTROL(code, id, memberFxn) VORN_MAP_ENTRY(WM_COMMAND, code, id, id, (self->*(memberFxn))())
#define ON_CONTROL_RANGE(code, nID, nIDLast, memberFxn) \
    VORN_MAP_ENTRY(WM_COMMAND, code, nID, nIDLast, (self->*(memberFxn))(vornCall.id))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
// WM_NOTIFY from a child: void OnX(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, id, memberFxn)                                                              \
    VORN_MAP_ENTRY(WM_NOTIFY, code, id, id,                                                         \
                   (self->*(memberFxn))(static_cast<NMHDR*>(vornCall.extra), &vornCall.result))
// WM_NOTIFY that a handler may pass on: BOOL OnX(UINT id, NMHDR*, LRESULT*); FALSE lets later
// entries and the base classes see it.
#define ON_NOTIFY_EX(code, nID, memberFxn)                                                          \
    VORN_MAP_ENTRY(WM_NOTIFY, code, nID, nID,                                                       \
                   return (self->*(memberFxn))(vornCall.id, static_cast<NMHDR*>(vornCall.extra), &vornCall.result))
#define ON_NOTIFY_RANGE(code, nID, nIDLast, memberFxn)                                             \
    VORN_MAP_ENTRY(WM_NOTIFY, code, nID, nIDLast,                                                   \
                   (self->*(memberFxn))(vornCall.id, static_cast<NMHDR*>(vornCall.extra), &vornCall.result))
// Notifications a control handles itself, reflected back from its parent.
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                          \
    VORN_MAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0,                                         \
                   (self->*(memberFxn))(static_cast<NMHDR*>(vornCall.extra), &vornCall.result))
#define ON_CONTROL_REFLECT(code, memberFxn) \
    VORN_MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, (self->*(memberFxn))())
