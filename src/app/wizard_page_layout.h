#pragma once
// The layout the new-project wizard's pages share: the placeholder's rectangle in the wizard,
// the side picture on its left third and the column of controls to its right. Rectangles are
// (x, y, width, height); divisions truncate.
#include "platform/core/geometry.h"

class CWnd;

struct CWizardPageLayout {
    int left = 0, top = 0, right = 0, bottom = 0;
    int W() const { return right - left; }
    int H() const { return bottom - top; }
    int X() const { return left + W() / 3 + 10; }  // where the column starts
    int R() const { return right - 10; }          // where it ends

    // The client rectangle of the wizard's placeholder control (id 1280).
    static CWizardPageLayout Of(CWnd* wizard);
    // Puts the side static (id 1043) on the left third and the page onto the placeholder.
    void PlaceSideAndPage(CWnd* page) const;
};

void MoveControl(CWnd* parent, int id, int x, int y, int width, int height);
