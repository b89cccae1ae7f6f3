#pragma once
// COwnerDrawButton: an owner-drawn push button with icons, per-state colours, a flat look
// that lights up under the mouse, optional check-box behaviour, an optional popup menu or
// web address on click. Whatever style it is created or subclassed with, it draws itself
// and reports the default-button role to the dialog manager itself.
#include "platform/core/cstring.h"
#include "platform/ui/button.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_tip_ctrl.h"

class COwnerDrawButton : public CButton {
public:
    COwnerDrawButton();
    ~COwnerDrawButton() override;

    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    using CButton::Create;
    // Takes over a button made from a template: records its kind and makes it owner-drawn.
    virtual void PreSubclassWindow();

    // Icons: "out" is shown while the button is neither pressed nor hovered; kGrayOut makes
    // it a grey copy of "in". Returns 0, or 1 when the icon cannot be read.
    static inline const HICON kGrayOut = reinterpret_cast<HICON>(static_cast<INT_PTR>(-2));
    DWORD SetIcon(HICON hIconIn, HICON hIconOut = nullptr);
    static HICON CreateGrayscaleIcon(HICON hIcon);

    void SetFlat(BOOL bFlat) { m_bIsFlat = bFlat; }
    void SetDrawBorder(BOOL bDraw) { m_bDrawBorder = bDraw; }
    void SetImagePlacement(BYTE placement) { m_byAlign = placement; }
    void SetMenu(HMENU hMenu, CWnd* pOwner);
    void SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam = 0);
    void SetURL(LPCTSTR lpszURL) { m_url = lpszURL ? lpszURL : L""; }

    // State the tests and the dialogs read.
    bool IsHovering() const { return m_bMouseOnButton; }
    bool IsDefault() const { return m_bIsDefault; }
    bool IsCheckBox() const { return m_bIsCheckBox; }
    int ButtonType() const { return m_nTypeStyle; }
    int CheckState() const { return m_nCheck; }

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    virtual void OnDrawBackground(CDC* pDC, CRect* pRect);
    virtual void OnDrawBorder(CDC* pDC, CRect* pRect);
    virtual void DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                             BOOL bIsDisabled);
    virtual void DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                             BOOL bIsDisabled);

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnKillFocus(CWnd* pNewWnd);
    void OnCancelMode();
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnEnable(BOOL bEnable);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSysColorChange();
    UINT OnGetDlgCode();
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    void OnClicked();
    DECLARE_MESSAGE_MAP()

    // Records the button's kind from a template style and returns the owner-drawn style.
    DWORD AdoptStyle(DWORD style);
    void CancelHover();
    void MoveFocusOn();
    void FreeIcons();
    void ResetColors();
    void PaintParentBackground(CDC* pDC, const CRect& rect);

    int m_bUseBitmapFlag = 1;
    int m_nImageMarginX = 3, m_nImageMarginY = 3;
    int m_nPressedOffsetX = 1, m_nPressedOffsetY = 1;
    BOOL m_bIsFlat = TRUE;
    BOOL m_bMouseOnButton = FALSE;
    BOOL m_bDrawTransparent = FALSE;
    BOOL m_bIsPressed = FALSE, m_bIsFocused = FALSE, m_bIsDisabled = FALSE;
    BOOL m_bIsDefault = FALSE;
    BOOL m_bIsCheckBox = FALSE;
    BYTE m_byAlign = 0;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bDrawFlatFocus = FALSE;
    COLORREF m_crBkIn, m_crFgIn, m_crBkOut, m_crFgOut, m_crBkFocus, m_crFgFocus;
    CWnd* m_pMenuOwner = nullptr;
    BOOL m_bMenuDisplayed = FALSE;
    HMENU m_hMenu = nullptr;
    HCURSOR m_hCursor = nullptr;
    CToolTipCtrl m_toolTip;
    DWORD m_dwToolTipStyle = 0;
    CDC m_dcBk;
    CBitmap m_bmpBk;
    CBitmap* m_pbmpOldBk = nullptr;
    BOOL m_bAlwaysTrack = TRUE;
    int m_nCheck = 0;
    int m_nTypeStyle = 15;
    CString m_url;
    HICON m_hIconIn = nullptr;
    int m_cxIconIn = 0, m_cyIconIn = 0;
    HICON m_hIconOut = nullptr;
    int m_cxIconOut = 0, m_cyIconOut = 0;
    HWND m_hCallbackWnd = nullptr;
    UINT m_nCallbackMessage = 0;
    LPARAM m_callbackLParam = 0;
};
