#include "platform/ui/system_change_messages.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "platform/ui/window_defs.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

namespace {

class SystemChangeFilter : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* e) override {
        if (object == qApp) {
            switch (e->type()) {
            case QEvent::ApplicationPaletteChange: Broadcast(WM_SYSCOLORCHANGE); break;
            case QEvent::ApplicationFontChange: Broadcast(WM_FONTCHANGE); break;
            case QEvent::LocaleChange: Broadcast(WM_SETTINGCHANGE); break;
            default: break;
            }
        }
        return QObject::eventFilter(object, e);
    }

private:
    static void Broadcast(UINT message) {
        std::vector<QPointer<QWidget>> tops;
        for (QWidget* w : QApplication::topLevelWidgets()) tops.emplace_back(w);
        for (const QPointer<QWidget>& w : tops) {
            if (!w) continue;
            const HWND h = vorn_ui::RecordOfWidget(w);
            CWnd* wnd = h ? CWnd::FromHandlePermanent(h) : nullptr;
            if (!wnd) continue;
            wnd->SendMessage(message, 0, 0);
            wnd->SendMessageToDescendants(message, 0, 0, TRUE);
        }
    }
};

}  // namespace

void InstallSystemChangeMessages() {
    static QPointer<QObject> installed;
    if (installed || !qApp) return;
    auto* filter = new SystemChangeFilter;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
    installed = filter;
}
