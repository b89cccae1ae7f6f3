#pragma once
// The text style of HTML-lite drawing: what tags and style-sheet rules change, what the
// style stack saves and restores.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"

class CHtmlLiteStyle {
public:
    CHtmlLiteStyle() { Reset(); }

    // Back to the values every pass starts from. Width and height are left alone: table
    // cells clear them themselves before reading their own attributes.
    void Reset();

    CString m_className;        // label of this copy on the style stack
    int m_size = 16;            // font size in pixels
    int m_weight = 400;
    int m_italic = 0;
    int m_underline = 0;
    int m_strikeout = 0;
    int m_overline = 0;
    CString m_face;
    COLORREF m_textColor = 0;
    COLORREF m_backColor = 0xFFFFFF;
    COLORREF m_borderLight = 0;  // top and left edges of borders
    COLORREF m_borderDark = 0;   // bottom and right edges
    COLORREF m_backMidColor = 0xFFFFFF;
    COLORREF m_backEndColor = 0xFFFFFF;
    int m_backMode = 1;          // 1 transparent, 2 opaque
    int m_backEffect = -1;       // -1 none, 0 solid, 1..15 the drawing effects
    CString m_backImage;         // tiled table background
    int m_hAlign = 0;            // 0 left, 1 centre, 2 right, 3 justify
    int m_vAlign = 3;            // 0 top, 1 middle, 2 bottom, 3 baseline
    int m_borderStyle = 0;       // 0 none, 1 solid, 2 dashed, 3 dotted, 6 double
    int m_borderWidth = 0;
    int m_width = 0;             // fixed size of a table cell
    int m_height = 0;
    int m_cellExtra1 = 0;        // cleared with width and height by every cell
    int m_cellExtra2 = 0;
    int m_textTransform = 0;     // 0 none, 1 upper, 2 lower, 3 capitalise
    int m_margin = 2;            // inner margin of table cells
    int m_padding = 0;           // spacing between table cells
    int m_linkKind = 0;          // 0 none, 1 href, 2 msg
    CString m_linkTarget;
};

// Horizontal and vertical alignment values of the style.
enum : int { HL_ALIGN_LEFT = 0, HL_ALIGN_CENTER = 1, HL_ALIGN_RIGHT = 2, HL_ALIGN_JUSTIFY = 3 };
enum : int { HL_VALIGN_TOP = 0, HL_VALIGN_MIDDLE = 1, HL_VALIGN_BOTTOM = 2, HL_VALIGN_BASELINE = 3 };
