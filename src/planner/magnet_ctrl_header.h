#pragma once
// CMagnetCtrlHeader: the row-name column at the left of the magnet board: the entity type's
// image and the caption of every row, at the rectangles of the board's layout pass. A click
// makes a row current, dragging a row boundary changes the height of all rows, and hovering a
// row shows the entity's information tip. It scrolls vertically with the bodies.
#include "htmllite/html_tool_tip.h"
#include "platform/core/geometry.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CMagnetCtrl;

class CMagnetCtrlHeader : public CWnd {
public:
    // Every row is the row height plus this band above it.
    static constexpr int kBand = 7;

    CMagnetCtrlHeader() = default;
    ~CMagnetCtrlHeader() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    int GetRowHeight() const { return m_nRowHeight; }
    void SetRowHeight(int height) { m_nRowHeight = height; }
    int GetMinRowHeight() const { return m_nMinRowHeight; }
    // The entity id of the first row whose rectangle holds the client point; 0 for none.
    int RowIdAt(CPoint point) const;
    // The height all rows take with their bands.
    int GetTotalHeight() const;
    CMagnetCtrl* GetControl() const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    int m_nRowHeight = 28;
    int m_nMinRowHeight = 18;
    int m_nPressY = 0;
    int m_bBoundaryDrag = 0;
    int m_nLastX = 0, m_nLastY = 0;
    int m_nHoverState = 0;
    CFont m_font;
    CHtmlToolTip m_toolTip;
};
