// The "VornMenuBar" control over QMenuBar: its popups are built from the menu records each time
// they open, after the owner's WM_INITMENUPOPUP, so that command updates show.
#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>

#include <map>
#include <vector>

#include "platform/ui/image_list.h"
#include "platform/ui/menu_bar_ctrl.h"
#include "platform/ui/menu_record.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

class MenuBarControl : public CNativeControl {
public:
    explicit MenuBarControl(HWND h) : CNativeControl(h) {
        m_bar = new QMenuBar;
        m_bar->setNativeMenuBar(false);
        // The bar reports every action chosen in any of its popups once.
        QObject::connect(m_bar, &QMenuBar::triggered, m_bar, [this](QAction* action) { Triggered(action); });
        SetQtWidget(m_bar);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case MBM_SETMENU:
            m_menu = reinterpret_cast<HMENU>(wParam);
            Rebuild();
            return TRUE;
        case MBM_SETIMAGES: SetImages(reinterpret_cast<HIMAGELIST>(wParam), reinterpret_cast<const std::vector<UINT>*>(lParam)); return TRUE;
        case MBM_OPENPOPUP: return Open(static_cast<int>(wParam), lParam != 0);
        case MBM_GETOPENPOPUP: return OpenIndex();
        case MBM_GETIDEALSIZE:
            if (auto* size = reinterpret_cast<SIZE*>(lParam)) {
                const QSize hint = m_bar->sizeHint();
                *size = SIZE{hint.width(), hint.height()};
            }
            return TRUE;
        case MBM_GETITEMRECT: {
            const int index = static_cast<int>(wParam);
            auto* rect = reinterpret_cast<RECT*>(lParam);
            const QList<QAction*> actions = m_bar->actions();
            if (!rect || index < 0 || index >= actions.size()) return FALSE;
            const QRect r = m_bar->actionGeometry(actions[index]);
            *rect = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
            return TRUE;
        }
        case MBM_TRANSLATEKEY: return TranslateKey(reinterpret_cast<const MSG*>(lParam));
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }

private:
    HWND NotifyWindow() const {
        HWND h = Window();
        return h->owner ? h->owner : h->parent;
    }

    void Rebuild() {
        m_bar->clear();
        if (!IsLiveMenu(m_menu)) return;
        for (std::size_t i = 0; i < m_menu->items.size(); ++i) {
            const CMenuItemRecord& item = m_menu->items[i];
            if (!item.subMenu) continue;
            auto* popup = m_bar->addMenu(QString::fromStdWString(item.text));
            const HMENU sub = item.subMenu;
            const int index = static_cast<int>(i);
            QPointer<QMenu> guard(popup);
            QObject::connect(popup, &QMenu::aboutToShow, popup, [this, guard, sub, index] {
                if (!guard) return;
                InitPopup(guard.data(), sub, index);
                Select(MAKEWPARAM(index, MF_POPUP | MF_HILITE | MF_MOUSESELECT), m_menu);
            });
            QObject::connect(popup, &QMenu::aboutToHide, popup, [this] { Select(MAKEWPARAM(0, 0xFFFF), nullptr); });
            Watch(popup);
        }
    }

    void Watch(QMenu* popup) {
        QObject::connect(popup, &QMenu::hovered, popup, [this](QAction* action) { Hovered(action); });
    }

    // WM_INITMENUPOPUP, then the popup's items from the records as they now stand.
    void InitPopup(QMenu* popup, HMENU h, int index) {
        if (HWND owner = NotifyWindow(); owner && IsWindow(owner))
            SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(h), MAKELPARAM(index, FALSE));
        Build(popup, h);
    }

    void Build(QMenu* popup, HMENU h) {
        for (QAction* a : popup->actions())
            if (QMenu* sub = a->menu()) sub->deleteLater();
        popup->clear();
        if (!IsLiveMenu(h)) return;
        for (std::size_t i = 0; i < h->items.size(); ++i) {
            const CMenuItemRecord& item = h->items[i];
            QAction* action;
            if (item.IsSeparator()) {
                action = popup->addSeparator();
            } else if (item.subMenu) {
                auto* sub = popup->addMenu(QString::fromStdWString(item.text));
                const HMENU subHandle = item.subMenu;
                const int index = static_cast<int>(i);
                QPointer<QMenu> guard(sub);
                QObject::connect(sub, &QMenu::aboutToShow, sub, [this, guard, subHandle, index] {
                    if (guard) InitPopup(guard.data(), subHandle, index);
                });
                Watch(sub);
                action = sub->menuAction();
            } else {
                action = popup->addAction(QString::fromStdWString(item.text));
                action->setData(item.id);
                if (item.state & MF_CHECKED) {
                    action->setCheckable(true);
                    action->setChecked(true);
                }
                if (auto image = m_images.find(item.id); image != m_images.end()) action->setIcon(image->second);
            }
            action->setProperty("vornMenu", QVariant::fromValue(reinterpret_cast<quintptr>(h)));
            action->setEnabled(item.IsEnabled());
        }
    }

    void Hovered(QAction* action) {
        if (!action) return;
        const HMENU h = reinterpret_cast<HMENU>(action->property("vornMenu").value<quintptr>());
        UINT flags = MF_HILITE;
        if (action->menu()) flags |= MF_POPUP;
        if (!action->isEnabled()) flags |= MF_GRAYED;
        Select(MAKEWPARAM(action->menu() ? 0 : action->data().toUInt(), flags), h);
    }

    void Triggered(QAction* action) {
        const UINT id = action && !action->menu() ? action->data().toUInt() : 0;
        if (!id || !action->isEnabled()) return;
        if (HWND owner = NotifyWindow(); owner && IsWindow(owner)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }

    void Select(WPARAM wParam, HMENU h) {
        if (HWND owner = NotifyWindow(); owner && IsWindow(owner))
            SendMessage(owner, WM_MENUSELECT, wParam, reinterpret_cast<LPARAM>(h));
    }

    void SetImages(HIMAGELIST list, const std::vector<UINT>* ids) {
        m_images.clear();
        if (!list || !ids) return;
        for (std::size_t i = 0; i < ids->size(); ++i) {
            const QImage image = ImageOfList(list, static_cast<int>(i));
            if (!image.isNull() && (*ids)[i]) m_images[(*ids)[i]] = QIcon(QPixmap::fromImage(image));
        }
    }

    int OpenIndex() const {
        const QList<QAction*> actions = m_bar->actions();
        for (int i = 0; i < actions.size(); ++i)
            if (actions[i]->menu() && actions[i]->menu()->isVisible()) return i;
        return -1;
    }

    BOOL Open(int index, bool selectFirst) {
        const QList<QAction*> actions = m_bar->actions();
        if (actions.isEmpty()) return FALSE;
        const int count = static_cast<int>(actions.size());
        index = ((index % count) + count) % count;
        m_bar->setActiveAction(actions[index]);
        QMenu* popup = actions[index]->menu();
        if (!popup || !popup->isVisible()) return FALSE;
        if (selectFirst)
            for (QAction* a : popup->actions())
                if (!a->isSeparator() && a->isEnabled()) {
                    popup->setActiveAction(a);
                    break;
                }
        return TRUE;
    }

    // The index of the top-level entry whose "&" letter is the key, -1 for none.
    int MnemonicIndex(UINT vk) const {
        const QList<QAction*> actions = m_bar->actions();
        for (int i = 0; i < actions.size(); ++i) {
            const QString text = actions[i]->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper().unicode() == vk) return i;
        }
        return -1;
    }

    BOOL TranslateKey(const MSG* msg) {
        if (!msg) return FALSE;
        const UINT vk = static_cast<UINT>(msg->wParam);
        const bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
        const bool up = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
        if (!down && !up) return FALSE;
        if (vk == VK_MENU) {
            if (down) {
                m_altAlone = true;
                return FALSE;
            }
            const bool open = m_altAlone;
            m_altAlone = false;
            return open ? Open(0, true) : FALSE;
        }
        if (!down) return FALSE;
        m_altAlone = false;
        const bool ctrlOrShift = (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_SHIFT) & 0x8000);
        if (vk == VK_F10 && !ctrlOrShift && !(GetKeyState(VK_MENU) & 0x8000)) return Open(0, true);
        if (msg->message == WM_SYSKEYDOWN && !ctrlOrShift)
            if (const int index = MnemonicIndex(vk); index >= 0) return Open(index, true);
        return FALSE;
    }

    QMenuBar* m_bar = nullptr;
    HMENU m_menu = nullptr;
    std::map<UINT, QIcon> m_images;
    bool m_altAlone = false;
};

}  // namespace

CNativeControl* CreateMenuBarControl(HWND h) { return new MenuBarControl(h); }

}  // namespace vorn_ui

BOOL CMenuBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(MENUBAR_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CMenuBarCtrl::SetImages(CImageList* images, const std::vector<UINT>& ids) {
    SendMessage(MBM_SETIMAGES, reinterpret_cast<WPARAM>(images ? images->GetSafeHandle() : nullptr),
                reinterpret_cast<LPARAM>(&ids));
}

CSize CMenuBarCtrl::GetIdealSize() const {
    SIZE size{0, 0};
    SendMessage(MBM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return CSize(size.cx, size.cy);
}

BOOL CMenuBarCtrl::GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(MBM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}
