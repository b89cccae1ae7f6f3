#include "platform/ui/owner_draw_delegate.h"

#include <QPainter>

#include "platform/ui/control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

namespace vorn_ui {

namespace {

// The parent first; a parent that leaves the message gives it back to the control's class.
LRESULT SendToOwner(HWND control, UINT message, LPARAM lParam) {
    if (!IsWindow(control)) return 0;
    const UINT id = static_cast<UINT>(GetDlgCtrlID(control));
    HWND parent = GetParent(control);
    LRESULT done = parent ? SendMessage(parent, message, id, lParam) : 0;
    if (!done && IsWindow(control)) {
        if (CWnd* self = CWnd::FromHandlePermanent(control)) {
            LRESULT result = 0;
            done = self->OnChildNotify(message, id, lParam, &result);
        }
    }
    return done;
}

}  // namespace

OwnerDrawDelegate::OwnerDrawDelegate(HWND control, UINT ctlType, bool variable, QObject* parent)
    : QStyledItemDelegate(parent), m_control(control), m_ctlType(ctlType), m_variable(variable) {}

int OwnerDrawDelegate::MeasureItem(int itemID, LPARAM itemData) const {
    if (!m_variable && itemID >= 0 && m_fixedHeight >= 0) return m_fixedHeight;
    if (m_variable && itemID >= 0) {
        auto it = m_heights.find(itemID);
        if (it != m_heights.end()) return it->second;
    }
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = m_ctlType;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_control));
    mis.itemID = static_cast<UINT>(itemID);
    mis.itemWidth = 0;
    // The default is the height of the control's font.
    mis.itemHeight = static_cast<UINT>(QFontMetrics(FontOfWindow(m_control)).height());
    mis.itemData = static_cast<ULONG_PTR>(itemData);
    SendToOwner(m_control, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&mis));
    const int height = static_cast<int>(mis.itemHeight);
    if (itemID >= 0) {
        if (m_variable) m_heights[itemID] = height;
        else m_fixedHeight = height;
    }
    return height;
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int height = MeasureItem(m_variable ? index.row() : 0, index.data(kItemDataRole).toLongLong());
    return QSize(option.rect.width() > 0 ? option.rect.width() : 100, height);
}

void OwnerDrawDelegate::DrawItem(QPainter& painter, const QRect& rect, int itemID, UINT state, LPARAM itemData) const {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = m_ctlType;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_control));
    dis.itemID = static_cast<UINT>(itemID);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = m_control;
    dis.rcItem = RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    dis.itemData = static_cast<ULONG_PTR>(itemData);
    OwnerDrawSurface surface(dis.rcItem);
    surface.Fill(GetSysColor(COLOR_WINDOW));
    dis.hDC = surface.Dc();
    // The owner draws with the control's font already chosen, as the list and combo boxes give it.
    if (auto font = reinterpret_cast<HGDIOBJ>(SendMessage(m_control, WM_GETFONT, 0, 0))) SelectObject(dis.hDC, font);
    SendToOwner(m_control, WM_DRAWITEM, reinterpret_cast<LPARAM>(&dis));
    surface.CopyTo(painter);
}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    UINT state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
    if (!(option.state & QStyle::State_Enabled)) state |= ODS_DISABLED;
    DrawItem(*painter, option.rect, index.row(), state, index.data(kItemDataRole).toLongLong());
}

}  // namespace vorn_ui
