#pragma once
// The groups and items of the explorer bar: a group is one popup of a menu with a title bar
// that collapses it; an item is one command of the popup.
#include <memory>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/icon.h"

class CExplorerBarItem {
public:
    static constexpr int kHot = 1, kDisabled = 4;
    virtual ~CExplorerBarItem() = default;

    virtual HCURSOR GetCursor();
    // Posts the command to the main window, unless its update handler disables it by now.
    virtual int OnClick(int x, int y, UINT flags, int scroll);
    virtual int OnButtonDown(int, int, UINT, int) { return 0; }
    virtual int OnMouseLeave(int, int, UINT, int) {
        m_nFlags &= ~kHot;
        return 1;
    }
    virtual int OnMouseEnter(int, int, UINT, int) {
        m_nFlags |= kHot;
        return 1;
    }
    virtual int SetEnabled(BOOL on);
    // The toolbar's image of the command; -1 when the toolbar has none.
    virtual void SetImageFromToolBar(int image) { m_nImage = image < 0 ? -1 : image; }
    virtual BOOL HitTest(int x, int y) const { return !(m_nFlags & kDisabled) && m_rect.PtInRect(CPoint(x, y)); }
    virtual int GetHeight();
    virtual const CString& GetText() const { return m_strText; }
    virtual void SetText(const CString& text) {
        m_strText = text;
        m_nHeight = -1;
    }

    int m_nFlags = 0;
    CString m_strText;
    CString m_strTip;
    int m_nImage = -1;
    int m_nCommand = 0;
    CRect m_rect;
    int m_nHeight = -1;
};

class CExplorerBarGroup {
public:
    static constexpr int kHot = 1;
    CString m_strTitle;
    int m_nHeight = 0;
    int m_nFlags = 0;
    std::vector<std::unique_ptr<CExplorerBarItem>> m_arrItems;
    CRect m_rcButton;
    int m_bCollapsed = 0;
    int m_bMeasure = 1;
};
