#pragma once
// The rounded blocks that the timetable grid, the magnet board and the diary draw for entries:
// a fill in the entry's look (plain, hatched or a two-colour gradient) inside an outline in the
// pen the caller selected, and a label box for the title that stays readable over a hatch.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"

class CDC;

// Colours and fill style of a block: hatch 0 to 5 are the hatch brush styles drawn in the
// foreground colour over the background, 6 a plain background, 7 to 10 gradients from the
// background to the foreground colour in the modes 0 to 3 of FillGradientRect. Any other value
// is drawn plain.
struct CBlockLook {
    COLORREF background = 0;
    COLORREF foreground = 0;
    int hatch = 6;
};

// Where a block is drawn: the rounded outline with its corner size, the corners of the hatch
// overlay, and the area (with its rounded clip corners) that a gradient fills.
struct CBlockShape {
    CRect outline;
    CSize corner;
    CSize hatchCorner;
    CRect gradient;
    CSize gradientCorner;
};

bool IsHatchLook(int hatch);     // 0 to 5
bool IsGradientLook(int hatch);  // 7 to 10

// Draws the block with the selected pen. A gradient block's outline is drawn over the current
// brush and the gradient is clipped to its rounded area; the clip region is restored afterwards.
void DrawBlock(CDC* dc, const CBlockShape& shape, const CBlockLook& look);

// The label box of a title: the title is measured with word breaks inside textBox; the box runs
// from 2 pixels left of the text and topShift below its top to the measured right edge (at most
// maxRight) and 4 pixels below the measured bottom (at most maxBottom).
CRect MeasureBlockLabel(CDC* dc, const CString& title, const CRect& textBox, int topShift, int maxRight,
                        int maxBottom);
// The two steps of MeasureBlockLabel: the size the title takes with word breaks in textBox, and
// the label box of a title of that size.
CSize MeasureBlockTitle(CDC* dc, const CString& title, const CRect& textBox);
CRect BlockLabelBox(const CRect& textBox, CSize measured, int topShift, int maxRight, int maxBottom);
