#pragma once
// Message boxes: the MB_* type bits and the functions that show a box through the dialog
// answerer (dialog_answerer.h) and return the ID* of the button chosen.
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"
#include "platform/ui/window_defs.h"

// Buttons
inline constexpr UINT MB_OK = 0x0000, MB_OKCANCEL = 0x0001, MB_ABORTRETRYIGNORE = 0x0002;
inline constexpr UINT MB_YESNOCANCEL = 0x0003, MB_YESNO = 0x0004, MB_RETRYCANCEL = 0x0005;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x0006;
// Icons
inline constexpr UINT MB_ICONHAND = 0x0010, MB_ICONERROR = 0x0010, MB_ICONSTOP = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030, MB_ICONWARNING = 0x0030;
inline constexpr UINT MB_ICONASTERISK = 0x0040, MB_ICONINFORMATION = 0x0040;
// Default button
inline constexpr UINT MB_DEFBUTTON1 = 0x0000, MB_DEFBUTTON2 = 0x0100, MB_DEFBUTTON3 = 0x0200;
inline constexpr UINT MB_DEFBUTTON4 = 0x0300;
// Modality and placement
inline constexpr UINT MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_SETFOREGROUND = 0x00010000, MB_TOPMOST = 0x00040000;
// Masks
inline constexpr UINT MB_TYPEMASK = 0x000F, MB_ICONMASK = 0x00F0, MB_DEFMASK = 0x0F00;
// Results besides IDOK..IDNO
inline constexpr int IDTRYAGAIN = 10, IDCONTINUE = 11;

// A box owned by hwnd (null: no owner). A null caption shows "Error", as the system does.
int MessageBox(HWND hwnd, LPCTSTR text, LPCTSTR caption, UINT type);
// A box owned by the application's main window, with the application's name as caption.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The same with the text of a string id of the language pack.
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK, UINT helpId = (UINT)-1);
// The buttons of a box type in order, as ID* values; the default button's index.
int MessageBoxButtons(UINT type, int buttons[4]);
int MessageBoxDefaultButton(UINT type);
// A warning sound (MB_* icon kind or 0xFFFFFFFF).
BOOL MessageBeep(UINT type);
