#include "platform/ui/native_control.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <map>
#include <string>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui/window_overlay.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

int g_passingInput = 0;

struct PassInput {
    PassInput() { ++g_passingInput; }
    ~PassInput() { --g_passingInput; }
    PassInput(const PassInput&) = delete;
    PassInput& operator=(const PassInput&) = delete;
};

std::map<std::wstring, NativeControlFactory>& Factories() {
    static std::map<std::wstring, NativeControlFactory> factories;
    return factories;
}

std::wstring Lower(std::wstring s) {
    for (wchar_t& c : s)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return s;
}

constexpr const char* kControlProperty = "vornNativeControl";

LRESULT NativeClassProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && !wParam) h->paintReachedControl = true;
    CNativeControl* control = CNativeControl::Of(h);
    if (!control && message == WM_NCCREATE) {
        auto it = Factories().find(Lower(h->className));
        if (it != Factories().end()) control = it->second(h);
    }
    if (!control) return ::DefWindowProc(h, message, wParam, lParam);
    const LRESULT result = control->WndProc(message, wParam, lParam);
    CWindowOverlay::NoteControlMessage(h, message);
    return result;
}

void Register(const wchar_t* name, UINT style, NativeControlFactory factory) {
    Factories()[Lower(name)] = factory;
    WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = &NativeClassProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

int QtKeyOfVk(UINT vk) {
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + static_cast<int>(vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + static_cast<int>(vk - '0');
    if (vk >= static_cast<UINT>(VK_F1) && vk <= static_cast<UINT>(VK_F24)) return Qt::Key_F1 + static_cast<int>(vk - VK_F1);
    if (vk >= static_cast<UINT>(VK_NUMPAD0) && vk <= static_cast<UINT>(VK_NUMPAD9))
        return Qt::Key_0 + static_cast<int>(vk - VK_NUMPAD0);
    switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_F4: return Qt::Key_F4;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_DIVIDE: return Qt::Key_Slash;
    case VK_DECIMAL: return Qt::Key_Period;
    default: return 0;
    }
}

Qt::KeyboardModifiers CurrentModifiers() {
    Qt::KeyboardModifiers m;
    if (GetKeyState(VK_SHIFT) & 0x8000) m |= Qt::ShiftModifier;
    if (GetKeyState(VK_CONTROL) & 0x8000) m |= Qt::ControlModifier;
    if (GetKeyState(VK_MENU) & 0x8000) m |= Qt::AltModifier;
    return m;
}

Qt::MouseButtons ButtonsOf(WPARAM flags) {
    Qt::MouseButtons b;
    if (flags & MK_LBUTTON) b |= Qt::LeftButton;
    if (flags & MK_RBUTTON) b |= Qt::RightButton;
    if (flags & MK_MBUTTON) b |= Qt::MiddleButton;
    return b;
}

}  // namespace

bool QtHandlesInput(const QWidget* w) {
    if (g_passingInput > 0) return true;
    if (!w) return false;
    const QWidget* window = w->window();
    return window->windowType() == Qt::Popup && !dynamic_cast<const CWindowWidget*>(window);
}

void EnsureNativeClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    Register(L"BUTTON", CS_DBLCLKS, &CreateButtonControl);
    Register(L"EDIT", CS_DBLCLKS, &CreateEditControl);
    Register(L"STATIC", 0, &CreateStaticControl);
    Register(L"COMBOBOX", CS_DBLCLKS, &CreateComboBoxControl);
    Register(L"LISTBOX", CS_DBLCLKS, &CreateListBoxControl);
    Register(L"SCROLLBAR", CS_DBLCLKS, &CreateScrollBarControl);
    Register(WC_LISTVIEW, CS_DBLCLKS, &CreateListViewControl);
    Register(WC_TREEVIEW, CS_DBLCLKS, &CreateTreeViewControl);
    Register(PROGRESS_CLASS, 0, &CreateProgressControl);
    Register(DATETIMEPICK_CLASS, CS_DBLCLKS, &CreateDateTimeControl);
    Register(MONTHCAL_CLASS, CS_DBLCLKS, &CreateMonthCalControl);
    Register(TOOLTIPS_CLASS, 0, &CreateToolTipControl);
    Register(L"VornMenuBar", 0, &CreateMenuBarControl);
}

CNativeControl::CNativeControl(HWND h) : m_hwnd(h) {
    QWidget* container = h->widget.data();
    setParent(container);
    container->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    // WS_VSCROLL and WS_HSCROLL of a control ask for the Qt widget's own scroll bars, not
    // for the window's: the style keeps the bits, the window loses its bars.
    for (auto& bar : h->scroll) {
        delete bar.bar;
        bar.bar = nullptr;
    }
}

CNativeControl::~CNativeControl() = default;

CNativeControl* CNativeControl::Of(HWND h) {
    if (!IsLive(h) || !h->widget) return nullptr;
    const QVariant v = h->widget->property(kControlProperty);
    return v.isValid() ? static_cast<CNativeControl*>(v.value<void*>()) : nullptr;
}

DWORD CNativeControl::Style() const { return IsLive(m_hwnd) ? m_hwnd->style : 0; }
HWND CNativeControl::Parent() const { return IsLive(m_hwnd) ? m_hwnd->parent : nullptr; }
UINT CNativeControl::Id() const { return IsLive(m_hwnd) ? m_hwnd->id : 0; }

void CNativeControl::SetQtWidget(QWidget* w) {
    QWidget* container = m_hwnd->widget.data();
    m_widget = w;
    w->setParent(container);
    w->setGeometry(ClientRectInWidget(m_hwnd));
    w->setFont(FontOfWindow(m_hwnd));
    container->setFocusProxy(w);
    w->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) area->viewport()->installEventFilter(this);
    w->show();
}

void CNativeControl::DropQtWidget() {
    QWidget* w = m_widget.data();
    if (!w) return;
    m_widget = nullptr;
    m_mouseGrab = nullptr;
    if (QWidget* container = m_hwnd->widget.data(); container && container->focusProxy() == w)
        container->setFocusProxy(nullptr);
    w->removeEventFilter(this);
    w->hide();
    // Later: the face may be the sender of the signal that got here.
    w->deleteLater();
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CNativeControl::Command(UINT code) {
    HWND parent = Parent();
    if (!parent) parent = IsLive(m_hwnd) ? m_hwnd->owner : nullptr;
    if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(Id(), code), reinterpret_cast<LPARAM>(m_hwnd));
}

LRESULT CNativeControl::Notify(NMHDR* hdr, int code) {
    hdr->hwndFrom = m_hwnd;
    hdr->idFrom = Id();
    hdr->code = static_cast<UINT>(code);
    HWND parent = Parent();
    if (!parent) parent = IsLive(m_hwnd) ? m_hwnd->owner : nullptr;
    if (!parent) return 0;
    return SendMessage(parent, WM_NOTIFY, Id(), reinterpret_cast<LPARAM>(hdr));
}

void CNativeControl::SetText(const std::wstring& text) { m_hwnd->text = text; }
std::wstring CNativeControl::GetText() const { return m_hwnd->text; }

void CNativeControl::ApplyFont(const QFont& font) {
    if (m_widget) m_widget->setFont(font);
}

UINT CNativeControl::DlgCode(const MSG*) const { return 0; }

LRESULT CNativeControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND h = m_hwnd;
    switch (message) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (m_widget) m_widget->setGeometry(ClientRectInWidget(h));
        return ::DefWindowProc(h, message, wParam, lParam);
    case WM_SETTEXT: {
        const std::wstring text = lParam ? reinterpret_cast<LPCTSTR>(lParam) : L"";
        h->text = text;
        SetText(text);
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPTSTR>(lParam);
        const int max = static_cast<int>(wParam);
        if (!buffer || max <= 0) return 0;
        const std::wstring text = GetText();
        const int n = std::min<int>(max - 1, static_cast<int>(text.size()));
        std::copy_n(text.c_str(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(GetText().size());
    case WM_SETFONT:
        h->font = reinterpret_cast<HFONT>(wParam);
        ApplyFont(FontOfWindow(h));
        if (lParam && m_widget) m_widget->update();
        return 0;
    case WM_GETDLGCODE: return DlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        OnFocus(message == WM_SETFOCUS);
        return 0;
    case WM_RBUTTONUP:
    case WM_KEYUP:
    case WM_SYSKEYDOWN: {
        // The control takes the input, then the default processing asks for the context menu.
        QPointer<CNativeControl> alive(this);
        if (message == WM_RBUTTONUP) ForwardMouse(message, wParam, lParam);
        else ForwardKey(message, wParam, lParam);
        return alive ? ::DefWindowProc(h, message, wParam, lParam) : 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: return ForwardMouse(message, wParam, lParam);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: return ForwardWheel(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR: return ForwardKey(message, wParam, lParam);
    case WM_PRINTCLIENT:
        PrintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT:
        if (wParam) {
            PrintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        return ::DefWindowProc(h, message, wParam, lParam);
    case WM_ERASEBKGND: return 1;  // the Qt widget covers the client area
    default: return ::DefWindowProc(h, message, wParam, lParam);
    }
}

LRESULT CNativeControl::ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* container = m_hwnd->widget.data();
    if (!m_widget || !container) return 0;
    const QPoint inContainer = ClientRectInWidget(m_hwnd).topLeft() + QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    switch (message) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::MiddleButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_RBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::RightButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::MiddleButton; break;
    default: break;
    }
    // A press gives the control the focus, as clicking a control does.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        (m_widget->focusPolicy() & Qt::ClickFocus) && GetFocus() != m_hwnd) {
        QPointer<CNativeControl> alive(this);
        SetFocus(m_hwnd);
        if (!alive || !m_widget) return 0;
    }
    QWidget* target = nullptr;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && m_mouseGrab) target = m_mouseGrab.data();
    if (!target) target = FaceWidgetAt(inContainer);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) m_mouseGrab = target;
    const QPoint local = target->mapFrom(container, inContainer);
    const QPoint global = container->mapToGlobal(inContainer);
    Qt::KeyboardModifiers modifiers = CurrentModifiers();
    if (wParam & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (wParam & MK_CONTROL) modifiers |= Qt::ControlModifier;
    Qt::MouseButtons buttons = ButtonsOf(wParam);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) buttons |= button;
    if (type == QEvent::MouseButtonRelease) buttons &= ~Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(local), QPointF(target->mapTo(target->window(), local)), QPointF(global), button,
                  buttons, modifiers);
    e.setTimestamp(GetMessageTime());
    QPointer<CNativeControl> self(this);
    {
        PassInput pass;
        QCoreApplication::sendEvent(target, &e);
    }
    if (self && type == QEvent::MouseButtonRelease && !buttons) m_mouseGrab = nullptr;
    return 0;
}

QWidget* CNativeControl::FaceWidgetAt(QPoint inContainer) const {
    QWidget* container = m_hwnd->widget.data();
    // A face hidden because the class paints the control alone still takes the input.
    QWidget* target = m_widget->isHidden() ? m_widget->childAt(m_widget->mapFrom(container, inContainer))
                                           : container->childAt(inContainer);
    if (!target || !(target == m_widget || m_widget->isAncestorOf(target))) target = m_widget.data();
    return target;
}

LRESULT CNativeControl::ForwardWheel(UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* container = m_hwnd->widget.data();
    if (!m_widget || !container) return 0;
    const QPoint global(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    QWidget* target = FaceWidgetAt(container->mapFromGlobal(global));
    const int delta = static_cast<short>(HIWORD(wParam));
    const QPoint angle = message == WM_MOUSEHWHEEL ? QPoint(-delta, 0) : QPoint(0, delta);
    QWheelEvent e(QPointF(target->mapFromGlobal(global)), QPointF(global), QPoint(), angle, ButtonsOf(LOWORD(wParam)),
                  CurrentModifiers(), Qt::NoScrollPhase, false);
    PassInput pass;
    QCoreApplication::sendEvent(target, &e);
    return 0;
}

LRESULT CNativeControl::ForwardKey(UINT message, WPARAM wParam, LPARAM) {
    if (!m_widget) return 0;
    QWidget* target = QApplication::focusWidget();
    if (!target || !(target == m_widget || m_widget->isAncestorOf(target))) target = m_widget.data();
    if (message == WM_CHAR) {
        const auto c = static_cast<char32_t>(wParam);
        if (c < 0x20 || c == 0x7F) return 0;  // control characters act through their key
        const QString text = QString::fromUcs4(&c, 1);
        QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        PassInput pass;
        QCoreApplication::sendEvent(target, &e);
        return 0;
    }
    const int key = QtKeyOfVk(static_cast<UINT>(wParam));
    if (!key) return 0;
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    QKeyEvent e(down ? QEvent::KeyPress : QEvent::KeyRelease, key, CurrentModifiers(), QString());
    PassInput pass;
    QCoreApplication::sendEvent(target, &e);
    return 0;
}

void CNativeControl::PrintTo(HDC dc) {
    if (!m_widget || !dc) return;
    const QImage picture = m_widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    CBitmap bitmap;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        std::copy_n(row, picture.width(), bits.begin() + static_cast<std::ptrdiff_t>(y) * picture.width());
    }
    if (!bitmap.CreateBitmap(picture.width(), picture.height(), 1, 32, bits.data())) return;
    // The control has painted itself: a class painting it keeps the face on show.
    m_hwnd->paintReachedControl = true;
    m_hwnd->facePicture = picture;
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* old = memory.SelectObject(&bitmap);
    ::BitBlt(dc, 0, 0, picture.width(), picture.height(), memory.m_hDC, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CNativeControl::UpdateColors() {
    const UINT kind = CtlColorMessage();
    HWND parent = Parent();
    if (!kind || !parent || !m_widget) return;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const bool face = kind == WM_CTLCOLORSTATIC || kind == WM_CTLCOLORBTN;
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    dc.SetBkColor(GetSysColor(face ? COLOR_BTNFACE : COLOR_WINDOW));
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(parent, kind, reinterpret_cast<WPARAM>(dc.m_hDC),
                                                      reinterpret_cast<LPARAM>(m_hwnd)));
    if (!m_widget) return;
    bool hollow = false;
    const COLORREF back = brush ? ColorOfBrush(brush, &hollow) : dc.GetBkColor();
    const COLORREF text = dc.GetTextColor();
    if (m_colorsKnown && back == m_back && text == m_text && hollow == m_transparent) return;
    m_colorsKnown = true;
    m_back = back;
    m_text = text;
    m_transparent = hollow;
    QPalette palette = m_widget->palette();
    // The text colour the parent asks for is that of an enabled control; a disabled one keeps
    // its grey text, as the system draws it.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, QColorOf(text));
    if (face) {
        palette.setColor(QPalette::Window, QColorOf(back));
        // Check boxes and radio buttons fill their label with the button colour.
        if (kind == WM_CTLCOLORSTATIC) palette.setColor(QPalette::Button, QColorOf(back));
        m_widget->setAutoFillBackground(!hollow);
    } else {
        palette.setColor(QPalette::Base, QColorOf(back));
    }
    m_widget->setPalette(palette);
    if (!face) return;
    // The container shows through where the widget does not paint.
    if (QWidget* container = m_hwnd->widget.data()) {
        QPalette cp = container->palette();
        cp.setColor(QPalette::Window, QColorOf(back));
        container->setPalette(cp);
    }
}

bool CNativeControl::eventFilter(QObject* watched, QEvent* e) {
    if ((e->type() == QEvent::Paint || e->type() == QEvent::Show) && IsLive(m_hwnd)) UpdateColors();
    // The face may hide the window's own picture from Qt's painting; a class that paints the
    // control itself still gets its WM_PAINT, after this paint of the face.
    if (e->type() == QEvent::Paint && IsLive(m_hwnd) && !m_hwnd->invalid.isEmpty() && CWindowOverlay::PaintsItself(m_hwnd)) {
        QPointer<CNativeControl> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && IsLive(self->m_hwnd)) RunPaintCycle(self->m_hwnd);
        });
    }
    return QObject::eventFilter(watched, e);
}

// Helpers

QFont QFontOfHandle(HFONT font) {
    if (FontRecord* f = ToFont(font)) return f->font;
    FontRecord* gui = ToFont(GetStockObject(DEFAULT_GUI_FONT));
    return gui ? gui->font : QApplication::font();
}

QFont FontOfWindow(HWND h) { return QFontOfHandle(IsLive(h) ? h->font : nullptr); }

QColor QColorOf(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

COLORREF ColorOfBrush(HBRUSH brush, bool* hollow) {
    if (hollow) *hollow = false;
    BrushRecord* b = ToBrush(brush);
    if (!b) return GetSysColor(COLOR_BTNFACE);
    if (b->log.lbStyle == BS_NULL) {
        if (hollow) *hollow = true;
        return GetSysColor(COLOR_BTNFACE);
    }
    if (b->sysColorIndex >= 0) return GetSysColor(b->sysColorIndex);
    return b->log.lbColor;
}

QImage ImageOfIcon(HICON icon) {
    if (!icon || icon->color.isNull()) return QImage();
    QImage out(icon->color.size(), QImage::Format_ARGB32);
    // A picture whose alpha bytes are all zero has no alpha: its mask decides.
    bool alpha = false;
    for (int y = 0; icon->hasAlpha && !alpha && y < icon->color.height(); ++y) {
        const auto* c = reinterpret_cast<const std::uint32_t*>(icon->color.constScanLine(y));
        for (int x = 0; x < icon->color.width() && !alpha; ++x) alpha = (c[x] >> 24) != 0;
    }
    for (int y = 0; y < out.height(); ++y) {
        const auto* c = reinterpret_cast<const std::uint32_t*>(icon->color.constScanLine(y));
        const bool hasMask = !icon->mask.isNull() && y < icon->mask.height();
        const auto* m = hasMask ? reinterpret_cast<const std::uint32_t*>(icon->mask.constScanLine(y)) : nullptr;
        auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const std::uint32_t rgb = c[x] & 0x00FFFFFFu;
            std::uint32_t a = 0xFF;
            if (alpha) a = c[x] >> 24;
            else if (m && x < icon->mask.width() && (m[x] & 0xFFFFFFu) != 0) a = 0;
            o[x] = (a << 24) | rgb;
        }
    }
    return out;
}

QImage ImageOfList(IMAGELIST__* list, int index) {
    if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return QImage();
    CImageList wrapper;
    wrapper.Attach(list);
    HICON icon = wrapper.ExtractIcon(index);
    wrapper.Detach();
    QImage image = ImageOfIcon(icon);
    if (icon) DestroyIcon(icon);
    return image;
}

OwnerDrawSurface::OwnerDrawSurface(const RECT& rect) : m_rect(rect) {
    const int width = std::max(1, static_cast<int>(rect.right - rect.left));
    const int height = std::max(1, static_cast<int>(rect.bottom - rect.top));
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateBitmap(width, height, 1, 32, nullptr);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    CDC::FromHandle(m_dc)->SetViewportOrg(-rect.left, -rect.top);
}

OwnerDrawSurface::~OwnerDrawSurface() {
    ::SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

void OwnerDrawSurface::Fill(COLORREF color) { CDC::FromHandle(m_dc)->FillSolidRect(&m_rect, color); }

void OwnerDrawSurface::CopyTo(QPainter& painter) const {
    painter.drawImage(QPoint(m_rect.left, m_rect.top), CDC::FromHandle(m_dc)->GrabImage());
}

}  // namespace vorn_ui
