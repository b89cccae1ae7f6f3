// The "BUTTON" control: push buttons (QPushButton), check boxes (QCheckBox), radio buttons
// (QRadioButton), group boxes (QGroupBox) and owner-drawn buttons, which have no Qt widget:
// the owner draws them into the window's picture through WM_DRAWITEM.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

#include "platform/ui/control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

namespace vorn_ui {

namespace {

UINT Kind(DWORD style) { return style & BS_TYPEMASK; }

bool IsCheckKind(UINT kind) {
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}
bool IsRadioKind(UINT kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }

class ButtonControl : public CNativeControl {
public:
    explicit ButtonControl(HWND h) : CNativeControl(h) { BuildFace(); }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const UINT kind = Kind(Style());
        switch (message) {
        case BM_GETCHECK: return m_check;
        case BM_SETCHECK: SetCheck(static_cast<UINT>(wParam)); return 0;
        case BM_GETSTATE: {
            LRESULT state = m_check;
            if (m_pushed) state |= BST_PUSHED;
            if (GetFocus() == Window()) state |= BST_FOCUS;
            return state;
        }
        case BM_SETSTATE:
            m_pushed = wParam != 0;
            if (m_button) m_button->setDown(m_pushed);
            else InvalidateRect(Window(), nullptr, TRUE);
            return 0;
        case BM_SETSTYLE: {
            HWND h = Window();
            SetWindowLongPtr(h, GWL_STYLE, static_cast<LONG_PTR>((h->style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu)));
            if (lParam && IsLive(h)) InvalidateRect(h, nullptr, TRUE);
            return 0;
        }
        case WM_STYLECHANGED:
            if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
                if (auto* push = qobject_cast<QPushButton*>(m_button)) push->setDefault(Kind(Style()) == BS_DEFPUSHBUTTON);
                if ((Kind(Style()) == BS_OWNERDRAW) != (m_builtKind == BS_OWNERDRAW)) Rebuild();
            }
            return 0;
        case BM_CLICK:
            if (m_button) m_button->click();
            else if (IsWindowEnabled(Window())) Command(BN_CLICKED);
            return 0;
        case BM_SETIMAGE: {
            void* old = wParam == IMAGE_ICON ? static_cast<void*>(m_icon) : static_cast<void*>(m_bitmap);
            if (wParam == IMAGE_ICON) m_icon = reinterpret_cast<HICON>(lParam);
            else m_bitmap = reinterpret_cast<HBITMAP>(lParam);
            ApplyImage();
            return reinterpret_cast<LRESULT>(old);
        }
        case BM_GETIMAGE:
            return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(m_icon) : reinterpret_cast<LRESULT>(m_bitmap);
        default: break;
        }
        if (kind == BS_OWNERDRAW) return OwnerDrawProc(message, wParam, lParam);
        if (message == WM_LBUTTONDBLCLK && (IsRadioKind(kind) || (Style() & BS_NOTIFY))) {
            CNativeControl::WndProc(message, wParam, lParam);
            Command(BN_DOUBLECLICKED);
            return 0;
        }
        return CNativeControl::WndProc(message, wParam, lParam);
    }

protected:
    void SetText(const std::wstring& text) override {
        if (auto* box = qobject_cast<QGroupBox*>(QtWidget())) box->setTitle(QString::fromStdWString(text));
        else if (m_button) m_button->setText(QString::fromStdWString(text));
        else InvalidateRect(Window(), nullptr, TRUE);
    }

    UINT CtlColorMessage() const override {
        const UINT kind = Kind(Style());
        // Check boxes, radio buttons and group boxes sit on the dialog like static text.
        return (IsCheckKind(kind) || IsRadioKind(kind) || kind == BS_GROUPBOX) ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN;
    }

    UINT DlgCode(const MSG*) const override {
        const UINT kind = Kind(Style());
        if (kind == BS_GROUPBOX) return DLGC_STATIC;
        if (IsRadioKind(kind)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (IsCheckKind(kind)) return DLGC_BUTTON;
        if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }

    void OnFocus(bool gained) override {
        if (Kind(Style()) == BS_OWNERDRAW) InvalidateRect(Window(), nullptr, TRUE);
        if (Style() & BS_NOTIFY) Command(gained ? BN_SETFOCUS : BN_KILLFOCUS);
    }

private:
    // The Qt widget that shows the button's kind; an owner-drawn button has none.
    void BuildFace() {
        HWND h = Window();
        m_builtKind = Kind(Style());
        m_button = nullptr;
        const UINT kind = m_builtKind;
        const QString text = QString::fromStdWString(h->text);
        if (kind == BS_OWNERDRAW) {
            // Drawn by the owner into the window's own picture.
        } else if (kind == BS_GROUPBOX) {
            auto* box = new QGroupBox(text);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            SetQtWidget(box);
            // Group boxes lie under the controls they frame.
            h->widget->lower();
        } else if (IsCheckKind(kind) || IsRadioKind(kind)) {
            QAbstractButton* button = IsRadioKind(kind) ? static_cast<QAbstractButton*>(new QRadioButton(text))
                                                        : static_cast<QAbstractButton*>(new QCheckBox(text));
            if (auto* check = qobject_cast<QCheckBox*>(button)) check->setTristate(kind == BS_3STATE || kind == BS_AUTO3STATE);
            button->setAutoExclusive(false);
            m_button = button;
            // The state is ours: Qt's own toggling is undone, the click decides.
            QObject::connect(button, &QAbstractButton::clicked, this, [this] { Clicked(); });
            SetQtWidget(button);
        } else {
            auto* push = new QPushButton(text);
            push->setAutoDefault(false);
            push->setDefault(kind == BS_DEFPUSHBUTTON);
            m_button = push;
            QObject::connect(push, &QAbstractButton::clicked, this, [this] { Clicked(); });
            SetQtWidget(push);
        }
        ApplyImage();
    }

    // A change of kind after creation rebuilds the face: a button its owner draws from now
    // on shows nothing of the toolkit's button.
    void Rebuild() {
        DropQtWidget();
        BuildFace();
        SetCheck(m_check);
        InvalidateRect(Window(), nullptr, TRUE);
    }

    void SetCheck(UINT check) {
        m_check = check;
        if (!m_button) {
            InvalidateRect(Window(), nullptr, TRUE);
            return;
        }
        UpdatingScope scope(m_updating);
        if (auto* box = qobject_cast<QCheckBox*>(m_button))
            box->setCheckState(check == BST_CHECKED ? Qt::Checked : check == BST_INDETERMINATE ? Qt::PartiallyChecked : Qt::Unchecked);
        else m_button->setChecked(check == BST_CHECKED);
    }

    void Clicked() {
        if (m_updating) return;
        const UINT kind = Kind(Style());
        switch (kind) {
        case BS_AUTOCHECKBOX: SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); break;
        case BS_AUTO3STATE:
            SetCheck(m_check == BST_UNCHECKED ? BST_CHECKED : m_check == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED);
            break;
        case BS_AUTORADIOBUTTON: CheckInGroup(); break;
        default: SetCheck(m_check); break;  // the owner decides
        }
        Command(BN_CLICKED);
    }

    // An automatic radio button checks itself and clears the others of its group.
    void CheckInGroup() {
        SetCheck(BST_CHECKED);
        HWND h = Window();
        HWND parent = Parent();
        if (!parent) return;
        std::vector<HWND> siblings;
        for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) siblings.push_back(c);
        std::sort(siblings.begin(), siblings.end(), [](HWND a, HWND b) { return a->zOrder < b->zOrder; });
        auto it = std::find(siblings.begin(), siblings.end(), h);
        if (it == siblings.end()) return;
        auto first = it;
        while (first != siblings.begin() && !((*first)->style & WS_GROUP)) --first;
        auto last = it + 1;
        while (last != siblings.end() && !((*last)->style & WS_GROUP)) ++last;
        for (auto s = first; s != last; ++s) {
            if (*s == h || Kind((*s)->style) != BS_AUTORADIOBUTTON) continue;
            if (CNativeControl::Of(*s)) SendMessage(*s, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }

    void ApplyImage() {
        if (!m_button) return;
        if (m_icon) m_button->setIcon(QIcon(QPixmap::fromImage(ImageOfIcon(m_icon))));
        else m_button->setIcon(QIcon());
    }

    LRESULT OwnerDrawProc(UINT message, WPARAM wParam, LPARAM lParam) {
        HWND h = Window();
        switch (message) {
        case WM_PAINT: {
            if (wParam) {
                DrawOwner(reinterpret_cast<HDC>(wParam));
                return 0;
            }
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            DrawOwner(dc);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(h);
            SetCapture(h);
            m_tracking = true;
            SetPushed(true);
            if (message == WM_LBUTTONDBLCLK && (Style() & BS_NOTIFY)) Command(BN_DOUBLECLICKED);
            return 0;
        case WM_MOUSEMOVE:
            if (m_tracking) {
                RECT rc;
                GetClientRect(h, &rc);
                SetPushed(PtInRect(&rc, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != 0);
            }
            return 0;
        case WM_LBUTTONUP:
            if (m_tracking) {
                m_tracking = false;
                const bool inside = m_pushed;
                SetPushed(false);
                if (GetCapture() == h) ReleaseCapture();
                if (inside) Command(BN_CLICKED);
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (m_tracking && reinterpret_cast<HWND>(lParam) != h) {
                m_tracking = false;
                SetPushed(false);
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == static_cast<WPARAM>(VK_SPACE)) SetPushed(true);
            return 0;
        case WM_KEYUP:
            if (wParam == static_cast<WPARAM>(VK_SPACE) && m_pushed) {
                SetPushed(false);
                Command(BN_CLICKED);
            }
            return 0;
        case WM_CHAR: return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

    void SetPushed(bool pushed) {
        if (pushed == m_pushed) return;
        m_pushed = pushed;
        InvalidateRect(Window(), nullptr, TRUE);
    }

    void DrawOwner(HDC dc) {
        HWND h = Window();
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = Id();
        dis.itemID = 0;
        dis.itemAction = ODA_DRAWENTIRE;
        if (m_pushed) dis.itemState |= ODS_SELECTED;
        if (GetFocus() == h) dis.itemState |= ODS_FOCUS;
        if (!IsWindowEnabled(h)) dis.itemState |= ODS_DISABLED;
        if (m_check == BST_CHECKED) dis.itemState |= ODS_CHECKED;
        dis.hwndItem = h;
        dis.hDC = dc;
        GetClientRect(h, &dis.rcItem);
        dis.itemData = 0;
        HWND parent = Parent();
        LRESULT done = parent ? SendMessage(parent, WM_DRAWITEM, Id(), reinterpret_cast<LPARAM>(&dis)) : 0;
        if (!done && IsLive(h)) {
            // The button draws itself when its class does (reflection of WM_DRAWITEM).
            if (CWnd* self = CWnd::FromHandlePermanent(h)) {
                LRESULT result = 0;
                self->OnChildNotify(WM_DRAWITEM, Id(), reinterpret_cast<LPARAM>(&dis), &result);
            }
        }
    }

    QAbstractButton* m_button = nullptr;
    UINT m_builtKind = 0;
    UINT m_check = BST_UNCHECKED;
    bool m_pushed = false;
    bool m_tracking = false;
    HICON m_icon = nullptr;
    HBITMAP m_bitmap = nullptr;
};

}  // namespace

CNativeControl* CreateButtonControl(HWND h) { return new ButtonControl(h); }

}  // namespace vorn_ui
