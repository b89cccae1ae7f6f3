#pragma once
// CAboutDlg: the About box, a fixed-size picture with the program's name, its description and
// a note from the language pack; a click anywhere closes it.
#include "platform/ui/dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"

class CAboutDlg : public CDialog {
public:
    static constexpr int kWidth = 524, kHeight = 419;

    CAboutDlg();
    BOOL OnInitDialog() override;

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_textFont;
    CFont m_headingFont;
};
