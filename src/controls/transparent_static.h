#pragma once
// CTransparentStatic: a static text that paints only its text, so the parent's background
// shows through; the DrawText flags follow the static styles.
#include "platform/ui/message_map.h"
#include "platform/ui/static.h"

class CTransparentStatic : public CStatic {
public:
    // The DrawText flags for a static control's style.
    static UINT TextFlags(DWORD style);

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
