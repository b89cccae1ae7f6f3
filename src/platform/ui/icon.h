#pragma once
// Icons and cursors: an icon is a colour picture with a transparency mask (or an alpha
// channel); a cursor is an icon with a hot spot, or one of the standard shapes.
#include <QImage>

#include "platform/core/cstring.h"
#include "platform/ui/gdi_defs.h"

struct HICON__ {
    QImage color;       // B, G, R, A pixels; alpha used when hasAlpha
    QImage mask;        // white where the picture is transparent, black where opaque
    bool hasAlpha = false;
    POINT hotSpot{0, 0};
    bool isCursor = false;
    int standardShape = -1;  // a Qt::CursorShape for the standard cursors
    bool shared = false;     // standard cursors and icons are never destroyed
};

// Standard cursor and icon ids (for LoadCursor/LoadIcon with a null instance).
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_ERROR MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_WARNING MAKEINTRESOURCE(32515)
#define IDI_INFORMATION MAKEINTRESOURCE(32516)

// A standard cursor or icon (instance null), or, with an instance handle, one of the current
// language pack's by id; nullptr for an unknown id.
HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR id);
HICON LoadIcon(HINSTANCE instance, LPCTSTR id);
// Reads an image file as an icon or cursor; magenta (255, 0, 255) pixels and transparent
// pixels become the mask.
HICON LoadIconFromFile(const CString& path);
HCURSOR LoadCursorFromFile(const CString& path, POINT hotSpot);
// The hot spot a cursor image file carries (a PNG text entry "HotSpot" with "x,y"); the centre
// of the image when it carries none.
POINT CursorFileHotSpot(const CString& path);
// A copy of an icon or cursor at another size (the hot spot scaled with it).
HICON ScaleIcon(HICON icon, int cx, int cy);
HICON CreateIconIndirect(const ICONINFO* info);
// The icon or cursor whose handle is `value` (a handle written as a number), or null when no
// icon or cursor with that handle exists now.
HICON IconFromHandleValue(ULONG_PTR value);
BOOL GetIconInfo(HICON icon, ICONINFO* info);
HICON CopyIcon(HICON icon);
BOOL DestroyIcon(HICON icon);
BOOL DestroyCursor(HCURSOR cursor);
// Sets the mouse cursor shape; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
// Keeps the pointer inside a screen rectangle; null lets it go. The window system gives programs
// no way to hold the pointer, so this only moves it inside once and remembers the rectangle for
// GetClipCursor: callers that confine a drag also clamp the positions they use.
BOOL ClipCursor(const RECT* lpRect);
BOOL GetClipCursor(LPRECT lpRect);

namespace vorn_ui {
// A new icon record (a copy of `from`) known to IconFromHandleValue until DestroyIcon; every
// icon and cursor of the layer is made by it.
HICON NewIcon(const HICON__& from = HICON__{});
}  // namespace vorn_ui
