#pragma once
// A tool of the HTML-lite tooltip: an area of an owner window and how its tip looks. The owner
// fills the text when the tooltip asks for it (notification HTTN_NEEDTEXT).
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"

class CHtmlToolInfo {
public:
    int m_toolValue = 0;     // the owner's own number for the tool
    CRect m_rect;            // client area of the tool's window; empty: the whole window
    CString m_text;          // HTML-lite text of the tip
    int m_overrideMask = 0;  // fields the record sets itself (HTTO_*); others take the defaults
    int m_look = 0;
    int m_placement = 16;    // side and tail position of the balloon
    int m_backEffect = 0;    // background effect kind
    int m_styleBits = 0;     // HTTS_*
    BYTE m_noise = 0;        // noise amplitude of textured backgrounds
    BYTE m_transparency = 0; // 0 opaque .. 100 invisible
    COLORREF m_startColor = 0;
    COLORREF m_middleColor = 0;
    COLORREF m_endColor = 0;
};

// Override bits of CHtmlToolInfo::m_overrideMask.
enum : int {
    HTTO_LOOK = 1,
    HTTO_EFFECT = 2,
    HTTO_COLORS = 4,
    HTTO_PLACEMENT = 8,
    HTTO_STYLE = 16,
    HTTO_TRANSPARENCY = 32,
};

// Style bits of CHtmlToolInfo::m_styleBits.
enum : int {
    HTTS_SHOW_AGAIN = 1,    // show again after every move within the tool; forget it when hidden
    HTTS_FOLLOW_MOUSE = 2,
    HTTS_STAY_IN_TOOL = 4,  // stays while the mouse moves within the tool
    HTTS_STAY_OVER_TIP = 8, // stays while the mouse is over the tip
    HTTS_NO_AUTOHIDE = 16,
};
