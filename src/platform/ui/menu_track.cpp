// Tracking popups: a QMenu is built from the menu records when a popup opens, submenus are
// rebuilt when they open (after the owner's WM_INITMENUPOPUP), owner-drawn items are measured
// and drawn by the owner (or the menu object), and the chooser decides what was picked.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <memory>
#include <vector>

#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_record.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

using namespace vorn_ui;

namespace {

MenuChooser g_chooser;

const char* const kMenuProperty = "vornMenu";        // HMENU of a QMenu or of an action's item
const char* const kIndexProperty = "vornIndex";      // position of an action's item
const char* const kCommandProperty = "vornCommand";  // command id of a command action
const char* const kOwnerDrawProperty = "vornOwnerDraw";
const char* const kSizeProperty = "vornSize";        // measured size of an owner-drawn item

HMENU MenuOf(const QObject* o) { return reinterpret_cast<HMENU>(o->property(kMenuProperty).value<quintptr>()); }

UINT CommandOf(const QAction* a) {
    const QVariant v = a ? a->property(kCommandProperty) : QVariant();
    return v.isValid() ? v.toUInt() : 0;
}

CMenuItemRecord* RecordOf(const QAction* a) {
    if (!a) return nullptr;
    HMENU h = MenuOf(a);
    const QVariant index = a->property(kIndexProperty);
    if (!h || !index.isValid()) return nullptr;
    return FindMenuItem(h, index.toUInt(), true);
}

// Windows virtual keys of the keys a menu loop cares about.
int MenuVirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Alt: return VK_MENU;
    default: return 0;
    }
}

class Track;
Track* g_track = nullptr;

// Draws and sizes owner-drawn items through the track; everything else as the base style.
class MenuItemStyle : public QProxyStyle {
public:
    explicit MenuItemStyle(Track* track)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_track(track) {}
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

private:
    Track* m_track;
};

class Track : public QObject {
public:
    Track(HMENU top, HWND owner, UINT flags) : m_top(top), m_owner(owner), m_flags(flags) {
        m_style = new MenuItemStyle(this);
        m_menu = new QMenu;
        m_menu->setStyle(m_style);
        m_menu->setProperty(kMenuProperty, QVariant::fromValue(reinterpret_cast<quintptr>(top)));
        Watch(m_menu);
    }
    ~Track() override {
        delete m_menu;
        delete m_style;
    }

    QMenu* Menu() const { return m_menu; }
    HWND Owner() const { return m_owner; }
    bool Notify() const { return !(m_flags & TPM_NONOTIFY); }

    // WM_INITMENUPOPUP for a popup, then its items from the records as they now stand.
    void InitPopup(QMenu* qm, HMENU h, int index) {
        if (Notify() && IsWindow(m_owner))
            SendMessage(m_owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(h), MAKELPARAM(index, FALSE));
        Build(qm, h);
    }

    void Build(QMenu* qm, HMENU h) {
        for (QAction* a : qm->actions())
            if (QMenu* sub = a->menu()) sub->deleteLater();
        qm->clear();
        if (!IsLiveMenu(h)) return;
        for (std::size_t i = 0; i < h->items.size(); ++i) {
            const CMenuItemRecord& item = h->items[i];
            const bool ownerDraw = (item.type & MF_OWNERDRAW) != 0;
            QAction* action;
            if (item.IsSeparator() && !ownerDraw) {
                action = qm->addSeparator();
            } else if (item.subMenu) {
                auto* sub = new QMenu(qm);
                sub->setStyle(m_style);
                sub->setProperty(kMenuProperty, QVariant::fromValue(reinterpret_cast<quintptr>(item.subMenu)));
                Watch(sub);
                Build(sub, item.subMenu);
                const HMENU subHandle = item.subMenu;
                const int index = static_cast<int>(i);
                QPointer<QMenu> guard(sub);
                QObject::connect(sub, &QMenu::aboutToShow, this, [this, guard, subHandle, index] {
                    if (guard) InitPopup(guard.data(), subHandle, index);
                });
                sub->setTitle(QString::fromStdWString(item.text));
                action = qm->addMenu(sub);
            } else {
                action = qm->addAction(QString::fromStdWString(item.text));
                action->setProperty(kCommandProperty, item.id);
                if (item.state & MF_CHECKED) {
                    action->setCheckable(true);
                    action->setChecked(true);
                }
            }
            action->setProperty(kMenuProperty, QVariant::fromValue(reinterpret_cast<quintptr>(h)));
            action->setProperty(kIndexProperty, static_cast<uint>(i));
            action->setEnabled(item.IsEnabled());
            if (item.state & MF_DEFAULT) {
                QFont f = action->font();
                f.setBold(true);
                action->setFont(f);
            }
            if (ownerDraw) {
                // A key of its own per item, so that sizing can find the action again.
                action->setText(QString(QChar(0xE000 + static_cast<int>(i))));
                action->setProperty(kOwnerDrawProperty, true);
            }
        }
    }

    // WM_MEASUREITEM to the owner; when it leaves the item alone, the menu object measures it.
    QSize Measure(QAction* action) {
        const QVariant cached = action->property(kSizeProperty);
        if (cached.isValid()) return cached.toSize();
        CMenuItemRecord* item = RecordOf(action);
        if (!item) return QSize();
        MEASUREITEMSTRUCT mis{ODT_MENU, 0, item->id, 0, 0, item->data};
        LRESULT done = IsWindow(m_owner) ? SendMessage(m_owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)) : 0;
        if (!done)
            if (CMenu* menu = MenuObjectFor(MenuOf(action))) menu->MeasureItem(&mis);
        const QSize size(static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight));
        action->setProperty(kSizeProperty, size);
        return size;
    }

    // WM_DRAWITEM to the owner (or the menu object) on a picture of the item.
    void Draw(QAction* action, const QStyleOption* option, QPainter* painter) {
        CMenuItemRecord* item = RecordOf(action);
        if (!item || option->rect.isEmpty()) return;
        QImage picture(option->rect.size(), QImage::Format_RGB32);
        const COLORREF menuColor = GetSysColor(COLOR_MENU);
        picture.fill(QColor(GetRValue(menuColor), GetGValue(menuColor), GetBValue(menuColor)));
        {
            CImageDC dc(&picture);
            UINT state = 0;
            if (option->state & QStyle::State_Selected) state |= ODS_SELECTED;
            if (item->state & MF_GRAYED) state |= ODS_GRAYED;
            if (item->state & MF_DISABLED) state |= ODS_DISABLED;
            if (item->state & MF_CHECKED) state |= ODS_CHECKED;
            if (item->state & MF_DEFAULT) state |= ODS_DEFAULT;
            DRAWITEMSTRUCT dis{ODT_MENU, 0, item->id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(MenuOf(action)),
                               dc.GetSafeHdc(), RECT{0, 0, option->rect.width(), option->rect.height()}, item->data};
            LRESULT done =
                IsWindow(m_owner) ? SendMessage(m_owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)) : 0;
            if (!done)
                if (CMenu* menu = MenuObjectFor(MenuOf(action))) menu->DrawItem(&dis);
        }
        painter->drawImage(option->rect.topLeft(), picture);
    }

    // Closes every open popup of this track, as a cancel.
    void Cancel() {
        m_cancelled = true;
        CloseAll();
    }
    void CloseAll() {
        for (auto it = m_watched.rbegin(); it != m_watched.rend(); ++it)
            if (*it && (*it)->isVisible()) (*it)->hide();
    }
    bool Cancelled() const { return m_cancelled; }

protected:
    // Input inside the popups goes to the WM_MSGFILTER hooks first (MSGF_MENU), which may take it.
    bool eventFilter(QObject* object, QEvent* e) override {
        MSG msg{m_owner, 0, 0, 0, static_cast<DWORD>(GetTickCount()), POINT{0, 0}};
        GetCursorPos(&msg.pt);
        switch (e->type()) {
        case QEvent::KeyPress: {
            const int vk = MenuVirtualKey(static_cast<QKeyEvent*>(e)->key());
            if (!vk) return false;
            msg.message = (static_cast<QKeyEvent*>(e)->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN;
            msg.wParam = static_cast<WPARAM>(vk);
            msg.lParam = 1;
            break;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(e);
            const QPoint screen = me->globalPosition().toPoint();
            msg.pt = POINT{screen.x(), screen.y()};
            if (e->type() == QEvent::MouseMove) msg.message = WM_MOUSEMOVE;
            else msg.message = me->button() == Qt::RightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
            // Screen coordinates: the popup is not a window of ours.
            msg.lParam = MAKELPARAM(screen.x(), screen.y());
            break;
        }
        default: return QObject::eventFilter(object, e);
        }
        return CallMsgFilter(&msg, MSGF_MENU) != FALSE;
    }

private:
    void Watch(QMenu* qm) {
        qm->installEventFilter(this);
        m_watched.push_back(qm);
        QObject::connect(qm, &QMenu::hovered, this, [this](QAction* action) { Hovered(action); });
    }

    // WM_MENUSELECT for the item under the mouse or the keyboard.
    void Hovered(QAction* action) {
        CMenuItemRecord* item = RecordOf(action);
        if (!item || !Notify()) return;
        const UINT index = action->property(kIndexProperty).toUInt();
        UINT flags = (item->type | item->state | MF_HILITE) & 0xFFFF;
        if (item->subMenu) flags |= MF_POPUP;
        if (QApplication::mouseButtons() != Qt::NoButton || !QApplication::activePopupWidget() ||
            QApplication::activePopupWidget()->underMouse())
            flags |= MF_MOUSESELECT;
        const UINT low = item->subMenu ? index : item->id;
        MSG msg{m_owner, WM_MENUSELECT, MAKEWPARAM(low, flags), reinterpret_cast<LPARAM>(MenuOf(action)),
                static_cast<DWORD>(GetTickCount()), POINT{0, 0}};
        if (CallMsgFilter(&msg, MSGF_MENU)) return;
        if (IsWindow(m_owner)) SendMessage(m_owner, WM_MENUSELECT, msg.wParam, msg.lParam);
    }

    // The menu object that draws an owner-drawn item: the one attached to the item's menu,
    // else the one attached to the tracked menu.
    CMenu* MenuObjectFor(HMENU h) const {
        if (CMenu* m = CMenu::FromHandlePermanent(h)) return m;
        return CMenu::FromHandlePermanent(m_top);
    }

    HMENU m_top;
    HWND m_owner;
    UINT m_flags;
    MenuItemStyle* m_style = nullptr;
    QMenu* m_menu = nullptr;
    std::vector<QPointer<QMenu>> m_watched;
    bool m_cancelled = false;
};

QAction* OwnerDrawnActionAt(const QWidget* widget, const QRect& rect) {
    auto* menu = qobject_cast<const QMenu*>(widget);
    if (!menu) return nullptr;
    QAction* action = menu->actionAt(rect.center());
    return action && action->property(kOwnerDrawProperty).toBool() ? action : nullptr;
}

void MenuItemStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (element == CE_MenuItem)
        if (QAction* action = OwnerDrawnActionAt(widget, option->rect)) {
            m_track->Draw(action, option, painter);
            return;
        }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize MenuItemStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
    if (type == CT_MenuItem)
        if (auto* menu = qobject_cast<const QMenu*>(widget))
            if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                for (QAction* action : menu->actions())
                    if (action->property(kOwnerDrawProperty).toBool() && action->text() == item->text)
                        return m_track->Measure(action);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

// A WM_CANCELMODE sent to the owner closes the popup.
HHOOK g_cancelHook = nullptr;
LRESULT CancelHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (g_track && cwp && cwp->message == WM_CANCELMODE && cwp->hwnd == g_track->Owner()) g_track->Cancel();
    return CallNextHookEx(g_cancelHook, code, wParam, lParam);
}

UINT DefaultChoose(CMenuTrackRequest& request) {
    // Without a display nobody can answer; a test installs a chooser instead.
    if (IsOffscreen()) return 0;
    QAction* action = request.menu->exec(QPoint(request.pt.x, request.pt.y));
    return CommandOf(action);
}

POINT PlacePopup(QMenu* menu, UINT flags, int x, int y, const RECT* exclude) {
    const QSize size = menu->sizeHint();
    if (exclude && exclude->right > exclude->left && exclude->bottom > exclude->top) {
        // Open beside the excluded area: below it for a vertical menu, to its right otherwise.
        if (flags & TPM_VERTICAL) y = std::max<int>(y, exclude->bottom);
        else x = std::max<int>(x, exclude->right);
    }
    if (flags & TPM_RIGHTALIGN) x -= size.width();
    else if (flags & TPM_CENTERALIGN) x -= size.width() / 2;
    if (flags & TPM_BOTTOMALIGN) y -= size.height();
    else if (flags & TPM_VCENTERALIGN) y -= size.height() / 2;
    return POINT{x, y};
}

UINT RunTrack(HMENU hMenu, UINT flags, int x, int y, HWND owner, const RECT* exclude) {
    if (!IsLiveMenu(hMenu) || !IsWindow(owner) || g_track || !vorn_ui::RequireUiThread("TrackPopupMenu")) return 0;
    auto track = std::make_unique<Track>(hMenu, owner, flags);
    g_track = track.get();
    g_cancelHook = SetWindowsHookEx(WH_CALLWNDPROC, &CancelHook, nullptr, GetCurrentThreadId());
    if (track->Notify()) SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
    UINT chosen = 0;
    if (IsWindow(owner)) {
        track->InitPopup(track->Menu(), hMenu, 0);
        CMenuTrackRequest request;
        request.hMenu = hMenu;
        request.hWndOwner = owner;
        request.flags = flags;
        request.pt = PlacePopup(track->Menu(), flags, x, y, exclude);
        if (exclude) request.rcExclude = *exclude;
        request.menu = track->Menu();
        chosen = g_chooser ? g_chooser(request) : DefaultChoose(request);
        // Only an enabled command of the menu as it stands now can be chosen.
        if (track->Cancelled() || !HasEnabledCommand(hMenu, chosen)) chosen = 0;
    }
    UnhookWindowsHookEx(g_cancelHook);
    g_cancelHook = nullptr;
    if (track->Notify() && IsWindow(owner)) {
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
    }
    g_track = nullptr;
    track->CloseAll();
    track.reset();
    if (flags & TPM_RETURNCMD) return chosen;
    if (chosen && IsWindow(owner)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

}  // namespace

BOOL TrackPopupMenu(HMENU hMenu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return static_cast<BOOL>(RunTrack(hMenu, flags, x, y, owner, nullptr));
}

BOOL TrackPopupMenuEx(HMENU hMenu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params) {
    return static_cast<BOOL>(RunTrack(hMenu, flags, x, y, owner, params ? &params->rcExclude : nullptr));
}

BOOL EndMenu() {
    if (!g_track) return FALSE;
    g_track->Cancel();
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->GetSafeHwnd() : nullptr, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd ? pWnd->GetSafeHwnd() : nullptr, lptpm);
}

MenuChooser SetMenuChooser(MenuChooser chooser) {
    MenuChooser previous = std::move(g_chooser);
    g_chooser = std::move(chooser);
    return previous;
}

UINT DriveMenu(CMenuTrackRequest& request, const std::function<void(QMenu*)>& drive) {
    if (!request.menu) return 0;
    UINT chosen = 0;
    const QMetaObject::Connection connection =
        QObject::connect(request.menu, &QMenu::triggered, [&chosen](QAction* action) { chosen = CommandOf(action); });
    request.menu->popup(QPoint(request.pt.x, request.pt.y));
    QCoreApplication::processEvents();
    if (drive) drive(request.menu);
    QCoreApplication::processEvents();
    QObject::disconnect(connection);
    if (g_track) g_track->CloseAll();
    return chosen;
}

QMenu* GetOpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
