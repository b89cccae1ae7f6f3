#pragma once
// The wait cursor: shown over every window of the program while at least one begin has no
// matching end. CWaitCursor begins it for the life of a scope; CCmdTarget::BeginWaitCursor and
// CWinApp::DoWaitCursor reach the same count.
#include "platform/core/win_types.h"

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the wait cursor again after a dialog or a message box changed the cursor.
    void Restore();
};

// nCode 1 begins, -1 ends (never below zero), 0 shows the cursor again. From a worker thread
// the change is queued to the user-interface thread.
void AfxDoWaitCursor(int nCode);
// How many begins are open (for tests).
int AfxGetWaitCursorCount();
