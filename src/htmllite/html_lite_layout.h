#pragma once
// Records of an HTML-lite layout: lines, link areas, animated image strips and tables.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"

// One laid-out line.
struct CHtmlLiteLine {
    int width = 0;       // pixels of content
    int height = 0;      // largest ascent while open; ascent plus descent once ended
    int descent = 0;
    int percentage = 0;  // sum of the percentages of rules on the line
    int align = 0;       // horizontal alignment
    int spaces = 0;
    int continued = 0;   // ended because the text did not fit, not by a break
};

// One drawn piece of link text or link image.
struct CHtmlLiteLink {
    CRect rect;
    int kind = 0;        // 1 href, 2 msg
    int number = 0;      // the link's running number in the text
    CString target;
};

// One animated image strip.
struct CHtmlLiteAnimation {
    int frame = 0;
    int frameCount = 0;
    int tick = 0;
    int speed = 0;
};

// One grid position of a table.
struct CHtmlLiteCell {
    int colSpan = 1;     // -1: covered by the span of another cell
    int rowSpan = 1;
    int contentWidth = 0;
    int contentHeight = 0;
    int width = 0;       // with borders and margins
    int height = 0;
    int fixedWidth = 0;
};

// The measured grid of one table of the text.
struct CHtmlLiteTable {
    std::vector<std::vector<CHtmlLiteCell>> rows;
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    std::vector<int> columnFixed;

    int RowCount() const { return static_cast<int>(rows.size()); }
    int ColumnCount() const { return static_cast<int>(columnWidths.size()); }
};
