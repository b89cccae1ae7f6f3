#pragma once
// CDiaryCtrlHeader: the row-name column of the diary. It shows the group captions, the row
// captions with their colour swatch and the member names, and selects, collapses and reports
// double clicks there. It scrolls vertically with the bodies.
#include "platform/ui/font.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"
#include "timetable/pattern_brush.h"

class CDiaryCtrl;

class CDiaryCtrlHeader : public CWnd {
public:
    CDiaryCtrlHeader() = default;
    ~CDiaryCtrlHeader() override;

    // Hit tests in client y.
    int RowAt(int y) const;
    int GroupAt(int y) const;
    int MemberEntityAt(int y) const;
    int GetContentHeight() const;

    int m_nLineHeight = 18;
    int m_bAvailability = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CDiaryCtrl* GetControl() const;

    CPatternBrush m_hatch;
    CFont m_font;
};
