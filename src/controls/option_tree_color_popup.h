#pragma once
// COptionTreeColorPopup: the palette that drops out of a colour cell: 40 named colours in
// 8 columns, an "Automatic" box above (when it has a text) and a "More Colors..." box below
// (when it has a text) that opens the colour dialog. It reports every choice the pointer or
// the arrow keys move onto, ends with a choice on a click or Enter and without one on Escape
// or a click outside, holds the mouse capture for its life and deletes itself at the end.
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_tip_ctrl.h"
#include "platform/ui/wnd.h"

// Messages to the notify window (wParam a colour).
inline constexpr UINT OT_COLOR_SELCHANGE = WM_USER + 1001, OT_COLOR_SELENDOK = WM_USER + 1004,
                      OT_COLOR_SELENDCANCEL = WM_USER + 1005;

class COptionTreeColorPopup : public CWnd {
public:
    static constexpr int kColorCount = 40, kColumns = 8, kRows = 5, kCellSize = 18, kMargin = 2;
    static constexpr int kAutoBox = -3, kCustomBox = -2, kNoChoice = -1;

    COptionTreeColorPopup(COLORREF initial, int x, int y, COLORREF automatic, CWnd* pNotifyWnd,
                          const CString& automaticText, const CString& customText);

    static COLORREF TableColor(int index);
    static CString ColorName(int index);
    // The choice an arrow key moves to from a choice, skipping the boxes without text.
    static int NextChoice(int current, UINT key, bool hasAuto, bool hasCustom);

    int HotIndex() const { return m_nHot; }
    int ChosenIndex() const { return m_nChosen; }
    COLORREF CurrentColor() const { return m_crCurrent; }
    CRect CellRect(int index) const;
    CRect AutoBox() const { return m_rcAuto; }
    CRect CustomBox() const { return m_rcCustom; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    void SetHot(int index);
    int ChoiceAt(CPoint point) const;
    void End(bool withChoice);
    void DrawCell(CDC* dc, int index);
    void DrawAutoBox(CDC* dc);
    void DrawCustomBox(CDC* dc);
    void DrawSwatch(CDC* dc, const CRect& cell, COLORREF color);

    int m_nHot = kNoChoice;
    int m_nChosen = kNoChoice;
    CString m_autoText, m_customText;
    CRect m_rcCustom, m_rcAuto, m_rcWindow;
    CFont m_font;
    COLORREF m_crInitial, m_crCurrent, m_crAuto;
    CToolTipCtrl m_toolTip;
    CWnd* m_pNotifyWnd;
    BOOL m_bDialogOpen = FALSE;
};
