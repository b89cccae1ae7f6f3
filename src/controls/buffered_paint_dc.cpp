#include "controls/buffered_paint_dc.h"

#include <algorithm>

#include "platform/ui/wnd.h"

CBufferedPaintDC::CBufferedPaintDC(CWnd* pWnd) : m_paint(pWnd) {
    pWnd->GetClientRect(&m_client);
    CreateCompatibleDC(&m_paint);
    m_buffer.CreateBitmap(std::max(1, m_client.Width()), std::max(1, m_client.Height()), 1, 32, nullptr);
    m_pOldBitmap = SelectObject(&m_buffer);
}

CBufferedPaintDC::~CBufferedPaintDC() {
    // The whole buffer is copied, whatever origin the painting left behind.
    SetViewportOrg(0, 0);
    SetWindowOrg(0, 0);
    m_paint.BitBlt(0, 0, m_client.Width(), m_client.Height(), this, 0, 0, SRCCOPY);
    SelectObject(m_pOldBitmap);
}
