#include "timetable/draw_arrow.h"

#include <cmath>

#include "platform/ui/dc.h"

void DrawArrow(CDC* dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    if (x1 == x2 && y1 == y2) return;
    CBrush brush(colour);
    CPen pen(PS_SOLID, 5, colour);
    CBrush* oldBrush = dc->SelectObject(&brush);
    CPen* oldPen = dc->SelectObject(&pen);
    const float dx = static_cast<float>(x2 - x1);
    const float dy = static_cast<float>(y2 - y1);
    const float length = std::sqrt(dx * dx + dy * dy);
    const float k = 15.0f / (std::tan(0.6f) * length);
    const int bx = static_cast<int>(static_cast<float>(x2) - k * dx);
    const int by = static_cast<int>(static_cast<float>(y2) - k * dy);
    const float w = 15.0f / (2.0f * length);
    const POINT head[3] = {
        {x2, y2},
        {static_cast<int>(static_cast<float>(bx) - w * dy), static_cast<int>(static_cast<float>(by) + w * dx)},
        {static_cast<int>(static_cast<float>(bx) + w * dy), static_cast<int>(static_cast<float>(by) - w * dx)},
    };
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    dc->Polygon(head, 3);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}
