#include "timetable/pattern_brush.h"

BOOL CPatternBrush::Load(UINT bitmapId) {
    m_brush.DeleteObject();
    m_bitmap.DeleteObject();
    if (!m_bitmap.LoadBitmap(bitmapId)) return FALSE;
    return m_brush.CreatePatternBrush(&m_bitmap);
}
