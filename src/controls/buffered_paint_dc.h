#pragma once
// CBufferedPaintDC: a WM_PAINT device context that draws into an off-screen bitmap of the
// client area and copies it to the window when it goes out of scope, so that a window that
// repaints after every change does not flicker.
#include "platform/core/geometry.h"
#include "platform/ui/client_dc.h"

class CBufferedPaintDC : public CDC {
public:
    explicit CBufferedPaintDC(CWnd* pWnd);
    ~CBufferedPaintDC() override;
    const CRect& Client() const { return m_client; }

private:
    CPaintDC m_paint;
    CRect m_client;
    CBitmap m_buffer;
    CBitmap* m_pOldBitmap = nullptr;
};
