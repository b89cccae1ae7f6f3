// The item painter of a timetable pane and the ghosts of moved items.
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/ui/dc.h"
#include "report_builders/report_markup.h"
#include "timetable/block_drawing.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

constexpr COLORREF kSelectionBand = 0xFF0000;
constexpr COLORREF kHighlightPen = 0xFF00FF;
constexpr COLORREF kGreyText = 0x808080;
constexpr int kLinkedState = 7;

COLORREF StateColour(int state) {
    const CScheduleData* data = GetAppDocument();
    return data ? GetStateColour(*data, state) : RGB(0, 0, 0);
}

// The text colour of an item without the room marks and the grey of linked and holiday items.
COLORREF PlainTextColour(const CTimeTableItem& item) {
    return item.m_nHatch > 6 ? GetSysColor(COLOR_WINDOWTEXT) : item.m_crForeground;
}

}  // namespace

CRect ItemTextBox(const CRect& r) { return CRect(r.left + 9, r.top + 3, r.right - 2, r.bottom - 3); }

void CTimeTableCtrlView::DrawItemFace(CDC* dc, const CTimeTableItem& item, const CRect& r, COLORREF pen,
                                      COLORREF text, BOOL pointerInside) const {
    CPen outline(PS_SOLID, 3, pen);
    CPen* oldPen = dc->SelectObject(&outline);
    CBlockShape shape;
    shape.outline = CRect(r.left + 2, r.top + 3, r.right, r.bottom - 2);
    shape.corner = shape.hatchCorner = shape.gradientCorner = CSize(16, 16);
    shape.gradient = CRect(r.left + 3, r.top + 4, r.right, r.bottom - 2);
    const CBlockLook look{item.m_crBackground, item.m_crForeground, item.m_nHatch};
    DrawBlock(dc, shape, look);
    dc->SelectObject(oldPen);

    const CRect textBox = ItemTextBox(r);
    // The title's size comes from the layout pass when the text box has the width it was
    // measured for (a ghost has the item's size too).
    const CSize title =
        item.m_nTitleWidth == textBox.Width() ? item.m_szTitle : MeasureBlockTitle(dc, item.m_strTitle, textBox);
    const CRect label = BlockLabelBox(textBox, title, 2, r.right - 3, r.bottom - 5);
    if (IsHatchLook(item.m_nHatch)) dc->FillSolidRect(&label, item.m_crBackground);
    if (pointerInside) {
        dc->FillSolidRect(&label, 0xFFFFFF - text);
        dc->DrawFocusRect(&label);
    }
    dc->SetTextColor(text);
    CRect textRect = label;
    dc->DrawText(item.m_strTitle, &textRect, DT_WORDBREAK | DT_NOPREFIX);
}

void CTimeTableCtrlView::PaintItem(CDC* dc, const CTimeTableItem& item, BOOL roomMarks, BOOL highlight,
                                   CPoint point) const {
    if (!m_pTitle || !m_pTitle->IsDateInRange(item.m_dtStart) || item.m_rect.IsRectEmpty()) return;
    const CRect& r = item.m_rect;
    if (item.m_bSelected) dc->FillSolidRect(CRect(r.left, r.top, r.right + 2, r.bottom), kSelectionBand);
    COLORREF pen = highlight ? kHighlightPen : StateColour(item.m_bHoliday ? kLinkedState : item.m_nState);
    COLORREF text = PlainTextColour(item);
    if (roomMarks) {
        if (item.m_nRoomCheck == 3) text = 0xFF0000;
        else if (item.m_nRoomCheck == 1) text = 0x0080FF;
        else if (item.m_nRoomCheck == 2) text = 0x0000FF;
    }
    if (item.m_nState == kLinkedState || item.m_bHoliday) text = kGreyText;
    DrawItemFace(dc, item, r, pen, text, r.PtInRect(point));
}

void CTimeTableCtrlView::PaintGhosts(CDC* dc, CBrush* background, CFont* font, CPoint current, CPoint press) {
    RebuildSelectionCopies();
    for (const CTimeTableItem& copy : m_arrSelection) {
        const int w = copy.m_rect.Width(), h = copy.m_rect.Height();
        if (w <= 0 || h <= 0) continue;
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap bitmap;
        bitmap.CreateBitmap(w, h, 1, 32, nullptr);
        CBitmap* oldBitmap = memory.SelectObject(&bitmap);
        CFont* oldFont = memory.SelectObject(font);
        memory.SetBkMode(TRANSPARENT);
        const CRect area(0, 0, w, h);
        memory.FillRect(&area, background);
        DrawItemFace(&memory, copy, area, StateColour(copy.m_nState), PlainTextColour(copy), FALSE);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 170, 0};
        dc->AlphaBlend(copy.m_rect.left + current.x - press.x, copy.m_rect.top + current.y - press.y, w, h, &memory, 0,
                       0, w, h, blend);
        memory.SelectObject(oldFont);
        memory.SelectObject(oldBitmap);
    }
}
