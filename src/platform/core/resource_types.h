#pragma once
// The resources of a language pack as the reader leaves them: menus, dialog templates,
// toolbars, accelerator tables and image files, each found by its numeric id.
#include <map>
#include <string>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"
#include "platform/core/window_styles.h"

// One entry of a menu. Flags use the MF_ bits of window_styles.h for both MENU options
// (GRAYED = MF_GRAYED, INACTIVE = MF_DISABLED, CHECKED, MENUBARBREAK, MENUBREAK, HELP) and
// MENUEX types and states, whose values are the same bits.
struct CResMenuItem {
    UINT id = 0;          // command id; 0 for separators and MENU popups
    CString text;         // with '&' mnemonics and a '\t' before the accelerator text
    UINT flags = 0;       // MF_POPUP and MF_SEPARATOR included
    DWORD helpId = 0;     // MENUEX only
    std::vector<CResMenuItem> items;  // the entries of a popup

    bool IsPopup() const { return (flags & MF_POPUP) != 0; }
    bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool IsChecked() const { return (flags & MF_CHECKED) != 0; }
    bool IsGrayed() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }
};

struct CResMenu {
    UINT id = 0;
    bool extended = false;  // MENUEX
    std::vector<CResMenuItem> items;  // the top-level entries
};

// One control of a dialog template. Positions and sizes are in dialog units.
struct CDialogControl {
    CString className;     // "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX", "SCROLLBAR" or a registered name
    CString text;          // caption (empty when the text was given as an id)
    bool textIsId = false; // the text named a resource by id (an ICON control, a picture STATIC)
    UINT textId = 0;
    int id = -1;
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0;       // WS_CHILD and WS_VISIBLE included unless NOT-ed away
    DWORD exStyle = 0;
    DWORD helpId = 0;
};

struct CDialogTemplate {
    UINT id = 0;
    bool extended = false;  // DIALOGEX
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    CString caption;
    bool hasFont = false;
    int fontPointSize = 0;
    CString fontFace;
    int fontWeight = 0;
    bool fontItalic = false;
    int fontCharset = 0;
    UINT menuId = 0;        // 0: no menu
    CString className;      // empty: the standard dialog class
    std::vector<CDialogControl> controls;

    const CDialogControl* FindControl(int controlId) const {
        for (const CDialogControl& c : controls)
            if (c.id == controlId) return &c;
        return nullptr;
    }
};

struct CResToolBar {
    UINT id = 0;
    int buttonWidth = 0, buttonHeight = 0;
    std::vector<UINT> items;  // command ids in order; 0 is a separator
};

// One accelerator: fVirt holds FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL and FALT.
struct CResAccelerator {
    BYTE fVirt = 0;
    WORD key = 0;
    WORD cmd = 0;
};

struct CResAccelTable {
    UINT id = 0;
    std::vector<CResAccelerator> entries;
};

// A BITMAP, ICON or CURSOR resource: the image file, resolved against the pack's folder.
struct CResImage {
    enum Kind { Bitmap, Icon, Cursor };
    Kind kind = Bitmap;
    UINT id = 0;
    CString path;
};

// The outcome of reading a pack: ok, or the first error with its file, line and message.
struct CPackResult {
    bool ok = true;
    CString file;
    int line = 0;
    CString message;

    // "file(line): message", or empty when ok.
    CString Describe() const;
};

// Everything one pack file (with its includes) defines.
struct CResourceSet {
    std::map<UINT, CString> strings;
    std::map<UINT, CResMenu> menus;
    std::map<UINT, CDialogTemplate> dialogs;
    std::map<UINT, CResToolBar> toolBars;
    std::map<UINT, CResAccelTable> accelerators;
    std::map<UINT, CResImage> bitmaps;
    std::map<UINT, CResImage> icons;
    std::map<UINT, CResImage> cursors;
    std::map<std::wstring, long long> symbols;  // the #defined names that have a value
};
