#pragma once
// Layer-private: the item delegate of owner-drawn list boxes and combo boxes. Each item is
// measured with WM_MEASUREITEM and drawn with WM_DRAWITEM sent to the control's parent (or,
// when the parent leaves it, to the control's own class: MeasureItem and DrawItem).
#include <QStyledItemDelegate>

#include <map>

#include "platform/ui/window_defs.h"

namespace vorn_ui {

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    // ctlType ODT_LISTBOX or ODT_COMBOBOX; variable asks the height of every item.
    OwnerDrawDelegate(HWND control, UINT ctlType, bool variable, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The height of an item (itemID -1: a combo box's selection field).
    int MeasureItem(int itemID, LPARAM itemData) const;
    void SetFixedHeight(int height) { m_fixedHeight = height; }
    void Forget() { m_heights.clear(); }
    // Draws one item through the owner; state holds the ODS_ bits.
    void DrawItem(QPainter& painter, const QRect& rect, int itemID, UINT state, LPARAM itemData) const;

private:
    HWND m_control;
    UINT m_ctlType;
    bool m_variable;
    mutable int m_fixedHeight = -1;
    mutable std::map<int, int> m_heights;
};

// The item data of an item of a list box or combo box model.
inline constexpr int kItemDataRole = Qt::UserRole + 1;

}  // namespace vorn_ui
