#pragma once
// CPatternBrush: a brush that tiles a bitmap of the language pack; the grids paint their
// working times, absences and freed times with such brushes.
#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_object.h"

class CPatternBrush {
public:
    // Loads the bitmap and makes the brush; FALSE when the pack has no such bitmap.
    BOOL Load(UINT bitmapId);
    CBrush* GetBrush() { return &m_brush; }
    bool IsLoaded() const { return m_brush.GetSafeHandle() != nullptr; }

private:
    CBitmap m_bitmap;
    CBrush m_brush;
};
