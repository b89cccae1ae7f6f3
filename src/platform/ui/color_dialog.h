#pragma once
// CColorDialog: choosing a colour, starting at an initial one, through the dialog answerer.
#include "platform/core/colors.h"
#include "platform/core/win_types.h"

class CWnd;

// CHOOSECOLOR flags
inline constexpr DWORD CC_RGBINIT = 0x0001, CC_FULLOPEN = 0x0002, CC_PREVENTFULLOPEN = 0x0004;
inline constexpr DWORD CC_SHOWHELP = 0x0008, CC_SOLIDCOLOR = 0x0080, CC_ANYCOLOR = 0x0100;

struct CHOOSECOLOR {
    COLORREF rgbResult = 0;
    DWORD Flags = 0;
};

class CColorDialog {
public:
    CHOOSECOLOR m_cc;

    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog() = default;

    // IDOK when a colour was chosen, IDCANCEL otherwise (the colour then stays the initial one).
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }

private:
    CWnd* m_pParent;
};
