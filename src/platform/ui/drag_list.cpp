#include "platform/ui/drag_list.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <cstdlib>
#include <map>

#include "platform/ui/control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

namespace {

UINT DragListMessage() {
    static const UINT message = RegisterWindowMessage(DRAGLISTMSGSTRING);
    return message;
}

// Parent first; an answer of 0 goes on to the list's own class (its OnChildNotify).
LRESULT Notify(HWND list, UINT code, QPoint screen) {
    DRAGLISTINFO info{code, list, POINT{screen.x(), screen.y()}};
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(list));
    HWND parent = GetParent(list);
    LRESULT answer = parent ? SendMessage(parent, DragListMessage(), id, reinterpret_cast<LPARAM>(&info)) : 0;
    if (!answer && IsWindow(list))
        if (CWnd* self = CWnd::FromHandlePermanent(list))
            self->OnChildNotify(DragListMessage(), id, reinterpret_cast<LPARAM>(&info), &answer);
    return answer;
}

Qt::CursorShape CursorFor(LRESULT answer) {
    switch (answer) {
    case DL_STOPCURSOR: return Qt::ForbiddenCursor;
    case DL_COPYCURSOR: return Qt::DragCopyCursor;
    case DL_MOVECURSOR: return Qt::DragMoveCursor;
    default: return Qt::ArrowCursor;
    }
}

// Watches the list's Qt widget for the mouse and keys of a drag. While a drag runs the list
// itself sees no mouse moves, so its selection stays with the dragged item.
class DragListWatcher : public QObject {
public:
    DragListWatcher(HWND list, QAbstractItemView* view) : QObject(view), m_list(list), m_view(view) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!IsWindow(m_list) || !m_view) return false;
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() == Qt::LeftButton && watched == m_view->viewport()) {
                m_pressed = true;
                m_pressAt = me->globalPosition().toPoint();
            }
            return false;
        }
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            const QPoint at = me->globalPosition().toPoint();
            if (m_dragging) {
                const LRESULT cursor = Notify(m_list, DL_DRAGGING, at);
                if (m_view) m_view->viewport()->setCursor(CursorFor(cursor));
                return true;
            }
            if (m_pressed && (me->buttons() & Qt::LeftButton) &&
                (std::abs(at.x() - m_pressAt.x()) > GetSystemMetrics(SM_CXDRAG) ||
                 std::abs(at.y() - m_pressAt.y()) > GetSystemMetrics(SM_CYDRAG))) {
                m_pressed = false;
                if (LBItemFromPt(m_list, POINT{m_pressAt.x(), m_pressAt.y()}, FALSE) < 0) return false;
                m_dragging = Notify(m_list, DL_BEGINDRAG, m_pressAt) != 0;
                return m_dragging;
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            m_pressed = false;
            if (m_dragging && me->button() == Qt::LeftButton) {
                End();
                Notify(m_list, DL_DROPPED, me->globalPosition().toPoint());
            }
            return false;
        }
        case QEvent::KeyPress:
            if (m_dragging && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                End();
                Notify(m_list, DL_CANCELDRAG, QCursor::pos());
                return true;
            }
            return false;
        case QEvent::FocusOut:
            if (m_dragging) {
                End();
                Notify(m_list, DL_CANCELDRAG, QCursor::pos());
            }
            return false;
        default: return false;
        }
    }

private:
    void End() {
        m_dragging = false;
        if (m_view) m_view->viewport()->unsetCursor();
    }

    HWND m_list;
    QPointer<QAbstractItemView> m_view;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressAt;
};

QAbstractItemView* ViewOf(HWND hLB) {
    QWidget* w = IsWindow(hLB) ? hLB->widget.data() : nullptr;
    if (!w) return nullptr;
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) return view;
    return w->findChild<QAbstractItemView*>();
}

// Where each list's arrow was last drawn in its parent, to take it away again.
std::map<HWND, RECT>& Arrows() {
    static std::map<HWND, RECT> arrows;
    return arrows;
}

}  // namespace

BOOL MakeDragList(HWND hLB) {
    QAbstractItemView* view = ViewOf(hLB);
    if (!view) return FALSE;
    // One watcher per list, however often it is made a drag list.
    if (!view->property("vornDragList").toBool()) {
        new DragListWatcher(hLB, view);
        view->setProperty("vornDragList", true);
    }
    DragListMessage();
    return TRUE;
}

int LBItemFromPt(HWND hLB, POINT pt, BOOL bAutoScroll) {
    if (!IsWindow(hLB)) return -1;
    POINT client = pt;
    ScreenToClient(hLB, &client);
    RECT rc;
    GetClientRect(hLB, &rc);
    if (client.x < rc.left || client.x >= rc.right) return -1;
    if (client.y < rc.top || client.y >= rc.bottom) {
        if (bAutoScroll) {
            static QElapsedTimer lastScroll;
            if (!lastScroll.isValid() || lastScroll.elapsed() >= 100) {
                lastScroll.start();
                const int top = static_cast<int>(SendMessage(hLB, LB_GETTOPINDEX, 0, 0));
                const int count = static_cast<int>(SendMessage(hLB, LB_GETCOUNT, 0, 0));
                const int next = client.y < rc.top ? top - 1 : top + 1;
                if (next >= 0 && next < count) SendMessage(hLB, LB_SETTOPINDEX, static_cast<WPARAM>(next), 0);
            }
        }
        return -1;
    }
    const LRESULT hit = SendMessage(hLB, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

void DrawInsert(HWND handParent, HWND hLB, int nItem) {
    if (!IsWindow(handParent) || !IsWindow(hLB)) return;
    auto& arrows = Arrows();
    auto old = arrows.find(hLB);
    if (old != arrows.end()) {
        InvalidateRect(handParent, &old->second, TRUE);
        arrows.erase(old);
        UpdateWindow(handParent);
    }
    RECT item;
    if (nItem < 0 || SendMessage(hLB, LB_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    // A black arrow pointing at the top edge of the item, just left of the list.
    RECT list;
    GetWindowRect(hLB, &list);
    POINT tip{list.left - 1, 0};
    POINT itemTop{0, item.top};
    ClientToScreen(hLB, &itemTop);
    tip.y = itemTop.y;
    ScreenToClient(handParent, &tip);
    const RECT box{tip.x - 8, tip.y - 4, tip.x, tip.y + 5};
    HDC dc = GetDC(handParent);
    for (int column = 0; column < 8; ++column) {
        const int x = tip.x - 8 + column;
        const int half = (8 - column) / 2;  // widest at the base on the left, one pixel at the tip
        RECT line{x, tip.y - half, x + 1, tip.y + half + 1};
        FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    ReleaseDC(handParent, dc);
    arrows[hLB] = box;
}
