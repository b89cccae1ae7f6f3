#pragma once
// Layer-private: the behaviour behind a native control window ("EDIT", "BUTTON",
// "SysListView32"...). The control's window is a window of the layer like any other; its
// class procedure hands every message to the CNativeControl that lives with the window, so
// that the control behaves the same whichever CWnd (a plain wrapper, a CEdit, a class that
// subclassed it through DDX_Control) receives its messages first.
//
// Most controls show a Qt widget that fills the window's client area. Input reaches the
// control as messages (so PreTranslateMessage, the dialog manager and a subclass see it
// first); the default processing hands it on to the Qt widget as Qt input.
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <string>

#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

class QPainter;
struct IMAGELIST__;

namespace vorn_ui {

class CNativeControl : public QObject {
public:
    explicit CNativeControl(HWND h);
    ~CNativeControl() override;

    // The control of a window; null for windows that are not native controls.
    static CNativeControl* Of(HWND h);
    HWND Window() const { return m_hwnd; }
    QWidget* QtWidget() const { return m_widget.data(); }

    // The control's message handling; what it leaves goes to the window default.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Asks the parent for colours now (WM_CTLCOLOR...); done before each paint of the Qt
    // widget, and by a dialog once it has set itself up.
    void UpdateColors();

protected:
    // Shows w (a new widget without parent) as the control's face and keeps it filling the
    // client area, with the window's font and its parent's colours.
    void SetQtWidget(QWidget* w);
    // Removes the Qt face, for a control that its owner draws from now on.
    void DropQtWidget();
    DWORD Style() const;
    HWND Parent() const;
    UINT Id() const;
    // WM_COMMAND with a notification code to the parent.
    void Command(UINT code);
    // WM_NOTIFY to the parent; fills the header of hdr first.
    LRESULT Notify(NMHDR* hdr, int code);

    // The text of the control (WM_SETTEXT, WM_GETTEXT).
    virtual void SetText(const std::wstring& text);
    virtual std::wstring GetText() const;
    virtual void ApplyFont(const QFont& font);
    // The WM_CTLCOLOR message that asks the parent for the colours; 0 asks nothing.
    virtual UINT CtlColorMessage() const { return WM_CTLCOLORSTATIC; }
    // Answer to WM_GETDLGCODE.
    virtual UINT DlgCode(const MSG* msg) const;
    // Focus notifications (WM_SETFOCUS, WM_KILLFOCUS).
    virtual void OnFocus(bool gained) { (void)gained; }

    // Input handed to the Qt widget.
    LRESULT ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ForwardWheel(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ForwardKey(UINT message, WPARAM wParam, LPARAM lParam);
    // The widget's picture into a device context (WM_PRINTCLIENT, WM_PAINT with a DC).
    void PrintTo(HDC dc);
    bool eventFilter(QObject* watched, QEvent* e) override;

    // Set while the program changes the control, so that Qt's signals do not notify.
    bool m_updating = false;

private:
    // The part of the Qt widget at a point of the window's widget that input goes to.
    QWidget* FaceWidgetAt(QPoint inContainer) const;

    HWND m_hwnd;
    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_mouseGrab;
    bool m_colorsKnown = false;
    COLORREF m_text = 0, m_back = 0;
    bool m_transparent = false;
};

// Runs while a notification or message changes the control from the program's side.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~UpdatingScope() { m_flag = m_old; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

using NativeControlFactory = CNativeControl* (*)(HWND h);

// Registers the window classes of the native controls (once); every control class and
// CDialog call it before creating windows.
void EnsureNativeClasses();

// The factories of the controls, one per window class.
CNativeControl* CreateEditControl(HWND h);
CNativeControl* CreateButtonControl(HWND h);
CNativeControl* CreateStaticControl(HWND h);
CNativeControl* CreateComboBoxControl(HWND h);
CNativeControl* CreateListBoxControl(HWND h);
CNativeControl* CreateScrollBarControl(HWND h);
CNativeControl* CreateListViewControl(HWND h);
CNativeControl* CreateTreeViewControl(HWND h);
CNativeControl* CreateProgressControl(HWND h);
CNativeControl* CreateDateTimeControl(HWND h);
CNativeControl* CreateMonthCalControl(HWND h);
CNativeControl* CreateToolTipControl(HWND h);
CNativeControl* CreateMenuBarControl(HWND h);

// Input of Qt's own popups (a combo box's list, a date picker's calendar) and input that a
// native control hands to its widget goes straight to Qt (the layer's input filter asks).
bool QtHandlesInput(const QWidget* w);

// The font of a window (WM_GETFONT), or the default GUI font.
QFont FontOfWindow(HWND h);
QFont QFontOfHandle(HFONT font);
// An icon's or an image-list image's picture with transparency.
QImage ImageOfIcon(HICON icon);
QImage ImageOfList(IMAGELIST__* list, int index);
QColor QColorOf(COLORREF c);
COLORREF ColorOfBrush(HBRUSH brush, bool* hollow);

// Owner drawing on Qt's painter: a memory DC whose logical coordinates are those of rect
// (so the owner draws at rect as it would on the control) copied to the painter afterwards.
class OwnerDrawSurface {
public:
    explicit OwnerDrawSurface(const RECT& rect);
    ~OwnerDrawSurface();
    OwnerDrawSurface(const OwnerDrawSurface&) = delete;
    OwnerDrawSurface& operator=(const OwnerDrawSurface&) = delete;
    HDC Dc() const { return m_dc; }
    // Fills the surface with what is under it before the owner draws.
    void Fill(COLORREF color);
    void CopyTo(QPainter& painter) const;

private:
    RECT m_rect;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};


}  // namespace vorn_ui
