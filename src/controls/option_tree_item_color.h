#pragma once
// COptionTreeItemColor: a colour row; a click on its cell opens the colour popup, whose final
// message alone commits the row.
#include "controls/option_tree_editor_item.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

inline constexpr DWORD OT_COLOR_LIVEUPDATE = 0x400;

class COptionTreeItemColor : public COptionTreeEditorItem<CWnd> {
public:
    COptionTreeItemColor();
    BOOL CreateColorWindow(DWORD dwOptions, COLORREF color, COLORREF automatic);
    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF color) { m_crColor = color; }

    void DrawValue(CDC* pDC, const RECT& rcValue) override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndOk(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawSwatch(CDC* pDC, int left, int top) const;

    COLORREF m_crColor = 0;
    COLORREF m_crAutomatic = 0;
    DWORD m_dwOptions = 0;
    BOOL m_bPopupOpen = FALSE;
};
