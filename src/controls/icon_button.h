#pragma once
// CIconButton: a large icon button, double-buffered, with an automatically greyed icon for
// the disabled look, an optional toggle mode and keyboard emulation of the mouse.
#include "controls/push_button_base.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"

class CIconButton : public CPushButtonBase {
public:
    CIconButton() = default;
    ~CIconButton() override;

    // Stores the icon (the button owns it), builds its grey copy and redraws at once.
    // Placement 2 puts the image right of the text, anything else left of it.
    void SetIcon(HICON hIcon, int nPlacement = 1);
    void SetToggleMode(BOOL bToggle) { m_bToggleMode = bToggle; }
    void SetFlat(BOOL bFlat) { m_bFlat = bFlat; }
    void SetColors(COLORREF background, COLORREF text) {
        m_crBackground = background;
        m_crText = text;
    }
    BOOL IsToggled() const { return m_bToggled; }
    HICON GetGrayIcon() const { return m_hGrayIcon; }

    // A copy of the icon whose pixels become table[255 - channel average] (index 1 for
    // white), keeping their alpha; fully transparent black pixels stay as they are.
    static HICON MakeDisabledBitmap(HICON hIcon, const COLORREF* table);
    // The table of 256 greys the buttons use: index i is the grey 255 - i.
    static const COLORREF* GreyTable();

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    UINT OnGetDlgCode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnThemeChanged();
    void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

private:
    void SaveParentBackground();
    bool Themed() const;

    BOOL m_bReopenTheme = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bToggled = FALSE;
    BOOL m_bToggleMode = FALSE;
    BOOL m_bMouseDown = FALSE;
    BOOL m_bDoubleClickPending = FALSE;
    BOOL m_bUseVisualStyles = TRUE;
    BOOL m_bFlat = FALSE;
    void* m_hTheme = nullptr;
    HICON m_hIcon = nullptr;
    HICON m_hGrayIcon = nullptr;
    int m_nPlacement = 1;
    CRect m_rcInParent;
    CDC m_dcBackground;
    CBitmap m_bmpBackground;
    CBitmap* m_pOldBackground = nullptr;
    COLORREF m_crBackground = static_cast<COLORREF>(-1);
    COLORREF m_crText = static_cast<COLORREF>(-1);
};
