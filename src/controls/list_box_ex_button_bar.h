#pragma once
// CListBoxExButtonBar: the strip of nine small buttons that works a CListBoxEx: new line,
// delete, move up, move down, sort, copy, paste, clear and add files.
#include "controls/list_box_ex.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_tip_ctrl.h"

class CListBoxExButtonBar : public CWnd {
public:
    enum Button { kNew, kDelete, kUp, kDown, kSort, kCopy, kPaste, kClear, kAddFiles, kNone };
    static constexpr int kButtonWidth = 22, kButtonHeight = 20, kCount = 9;

    explicit CListBoxExButtonBar(CListBoxEx& list);

    BOOL Create(const CString& text, const RECT& rect, CWnd* parent, UINT id);
    void RunCommand(int button);
    CRect GetButtonRect(int button) const { return m_buttons[button]; }
    int GetHotButton() const { return m_hot; }
    BOOL PreTranslateMessage(MSG* msg) override;

    int m_bEnabled = 1;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    int ButtonAt(CPoint point) const;

    CListBoxEx& m_list;
    CBitmap m_strip;
    int m_hot = kNone;
    int m_pressed = 0;
    CRect m_buttons[kCount];
    CToolTipCtrl m_toolTip;
    CString m_tipText;
};
