// The "SysTreeView32" control over QTreeWidget. An item handle (HTREEITEM) is the address of
// its QTreeWidgetItem; the item keeps its data, images and state bits in item roles. Check
// boxes (TVS_CHECKBOXES) are state images 1 (clear) and 2 (checked); a change by the user
// reaches the parent as TVN_ITEMCHANGED.
#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/image_list.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

constexpr int kParamRole = Qt::UserRole + 20;
constexpr int kImageRole = Qt::UserRole + 21;
constexpr int kSelectedImageRole = Qt::UserRole + 22;
constexpr int kStateRole = Qt::UserRole + 23;  // the state bits the program set (bold, state image...)
constexpr int kChildrenRole = Qt::UserRole + 24;

HTREEITEM HandleOf(QTreeWidgetItem* item) { return reinterpret_cast<HTREEITEM>(item); }

bool IsSpecial(HTREEITEM h) { return h == TVI_ROOT || h == TVI_FIRST || h == TVI_LAST || h == TVI_SORT; }

class TreeViewControl : public CNativeControl {
public:
    explicit TreeViewControl(HWND h) : CNativeControl(h) {
        const DWORD style = Style();
        m_tree = new QTreeWidget;
        m_tree->setFrameShape(QFrame::NoFrame);
        m_tree->setHeaderHidden(true);
        m_tree->setColumnCount(1);
        m_tree->setRootIsDecorated((style & TVS_LINESATROOT) && (style & TVS_HASBUTTONS));
        m_tree->setItemsExpandable(true);
        m_tree->setExpandsOnDoubleClick(true);
        m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
        m_tree->header()->setStretchLastSection(true);
        QObject::connect(m_tree, &QTreeWidget::currentItemChanged, this,
                         [this](QTreeWidgetItem* now, QTreeWidgetItem* before) { SelectionChanged(now, before); });
        QObject::connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Expanded(item, true); });
        QObject::connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { Expanded(item, false); });
        QObject::connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
            if (!m_updating) CheckChanged(item);
        });
        SetQtWidget(m_tree);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case TVM_INSERTITEM: return reinterpret_cast<LRESULT>(Insert(reinterpret_cast<const TVINSERTSTRUCT*>(lParam)));
        case TVM_DELETEITEM: {
            auto h = reinterpret_cast<HTREEITEM>(lParam);
            if (!h || h == TVI_ROOT) {
                while (m_tree->topLevelItemCount() > 0) Delete(m_tree->topLevelItem(0));
                return TRUE;
            }
            QTreeWidgetItem* item = ItemOf(h);
            if (!item) return FALSE;
            Delete(item);
            return TRUE;
        }
        case TVM_GETCOUNT: {
            int n = 0;
            for (QTreeWidgetItemIterator it(m_tree); *it; ++it) ++n;
            return n;
        }
        case TVM_GETNEXTITEM: return reinterpret_cast<LRESULT>(Next(ItemOf(reinterpret_cast<HTREEITEM>(lParam)), static_cast<UINT>(wParam)));
        case TVM_SELECTITEM: {
            QTreeWidgetItem* item = ItemOf(reinterpret_cast<HTREEITEM>(lParam));
            if (wParam == TVGN_DROPHILITE) {
                m_dropHilite = item;
                m_tree->viewport()->update();
                return TRUE;
            }
            if (wParam == TVGN_FIRSTVISIBLE) {
                if (item) m_tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
                return TRUE;
            }
            m_action = TVC_UNKNOWN;
            if (!item) {
                m_tree->setCurrentItem(nullptr);
                return TRUE;
            }
            m_tree->setCurrentItem(item);
            m_tree->scrollToItem(item);
            m_action = TVC_BYMOUSE;
            return TRUE;
        }
        case TVM_EXPAND: {
            QTreeWidgetItem* item = ItemOf(reinterpret_cast<HTREEITEM>(lParam));
            if (!item) return FALSE;
            UpdatingScope scope(m_updating);
            const UINT code = static_cast<UINT>(wParam) & 3;
            const bool expand = code == TVE_EXPAND || (code == TVE_TOGGLE && !item->isExpanded());
            item->setExpanded(expand);
            return TRUE;
        }
        case TVM_GETITEM: return GetItem(reinterpret_cast<TVITEM*>(lParam));
        case TVM_SETITEM: return SetItem(reinterpret_cast<const TVITEM*>(lParam));
        case TVM_GETITEMSTATE: {
            QTreeWidgetItem* item = ItemOf(reinterpret_cast<HTREEITEM>(wParam));
            return item ? StateOf(item) & static_cast<UINT>(lParam) : 0;
        }
        case TVM_SETIMAGELIST: {
            IMAGELIST__* old = wParam == TVSIL_STATE ? m_stateImages : m_images;
            if (wParam == TVSIL_STATE) m_stateImages = reinterpret_cast<IMAGELIST__*>(lParam);
            else m_images = reinterpret_cast<IMAGELIST__*>(lParam);
            if (m_images) {
                int cx = 16, cy = 16;
                ImageList_GetIconSize(m_images, &cx, &cy);
                m_tree->setIconSize(QSize(cx, cy));
            }
            for (QTreeWidgetItemIterator it(m_tree); *it; ++it) ShowImage(*it);
            return reinterpret_cast<LRESULT>(old);
        }
        case TVM_GETIMAGELIST: return reinterpret_cast<LRESULT>(wParam == TVSIL_STATE ? m_stateImages : m_images);
        case TVM_GETITEMRECT: {
            auto* rc = reinterpret_cast<RECT*>(lParam);
            QTreeWidgetItem* item = rc ? ItemOf(*reinterpret_cast<HTREEITEM*>(lParam)) : nullptr;
            if (!item) return FALSE;
            QRect r = m_tree->visualItemRect(item);
            if (r.isEmpty()) return FALSE;
            if (!wParam) r.setLeft(0), r.setRight(m_tree->viewport()->width() - 1);
            *rc = ClientRect(r);
            return TRUE;
        }
        case TVM_HITTEST: {
            auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
            if (!info) return 0;
            QTreeWidgetItem* item = m_tree->itemAt(ViewportPoint(info->pt));
            info->hItem = HandleOf(item);
            info->flags = item ? TVHT_ONITEMLABEL : TVHT_NOWHERE;
            return reinterpret_cast<LRESULT>(info->hItem);
        }
        case TVM_ENSUREVISIBLE: {
            QTreeWidgetItem* item = ItemOf(reinterpret_cast<HTREEITEM>(lParam));
            if (!item) return FALSE;
            for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) {
                UpdatingScope scope(m_updating);
                p->setExpanded(true);
            }
            m_tree->scrollToItem(item);
            return TRUE;
        }
        case TVM_SETBKCOLOR:
        case TVM_SETTEXTCOLOR: {
            QPalette p = m_tree->palette();
            const auto color = static_cast<COLORREF>(lParam);
            if (color != CLR_DEFAULT && color != CLR_NONE)
                p.setColor(message == TVM_SETBKCOLOR ? QPalette::Base : QPalette::Text, QColorOf(color));
            m_tree->setPalette(p);
            return static_cast<LRESULT>(CLR_DEFAULT);
        }
        case TVM_SETITEMHEIGHT: {
            const int old = m_itemHeight;
            m_itemHeight = static_cast<int>(wParam);
            m_tree->setStyleSheet(m_itemHeight > 0 ? QStringLiteral("QTreeView::item { height: %1px; }").arg(m_itemHeight) : QString());
            return old;
        }
        case TVM_GETITEMHEIGHT: return m_itemHeight > 0 ? m_itemHeight : std::max(1, m_tree->fontMetrics().height() + 2);
        case TVM_SETINDENT: m_tree->setIndentation(static_cast<int>(wParam)); return 0;
        case TVM_GETINDENT: return m_tree->indentation();
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            m_action = TVC_BYMOUSE;
            const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
            m_action = TVC_UNKNOWN;
            NMHDR nm{};
            Notify(&nm, message == WM_LBUTTONDOWN ? NM_CLICK : NM_RCLICK);
            return r;
        }
        case WM_LBUTTONDBLCLK: {
            m_action = TVC_BYMOUSE;
            const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
            m_action = TVC_UNKNOWN;
            NMHDR nm{};
            Notify(&nm, NM_DBLCLK);
            return r;
        }
        case WM_KEYDOWN: {
            m_action = TVC_BYKEYBOARD;
            const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
            m_action = TVC_UNKNOWN;
            return r;
        }
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }
    UINT DlgCode(const MSG*) const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void OnFocus(bool gained) override {
        NMHDR nm{};
        Notify(&nm, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    }

private:
    // A handle that names an item of this tree, else null.
    QTreeWidgetItem* ItemOf(HTREEITEM h) const {
        if (!h || IsSpecial(h)) return nullptr;
        auto* wanted = reinterpret_cast<QTreeWidgetItem*>(h);
        for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
            if (*it == wanted) return wanted;
        return nullptr;
    }

    bool Checkboxes() const { return (Style() & TVS_CHECKBOXES) != 0; }

    UINT StateOf(QTreeWidgetItem* item) const {
        UINT state = item->data(0, kStateRole).toUInt() & ~(TVIS_SELECTED | TVIS_EXPANDED | TVIS_DROPHILITED);
        if (item == m_tree->currentItem()) state |= TVIS_SELECTED;
        if (item->isExpanded()) state |= TVIS_EXPANDED;
        if (item == m_dropHilite) state |= TVIS_DROPHILITED;
        if (Checkboxes()) {
            state &= ~TVIS_STATEIMAGEMASK;
            state |= INDEXTOSTATEIMAGEMASK(item->checkState(0) == Qt::Checked ? 2 : 1);
        }
        return state;
    }

    QPoint ViewportPoint(POINT client) const {
        QWidget* container = Window()->widget.data();
        const QPoint inContainer = ClientRectInWidget(Window()).topLeft() + QPoint(client.x, client.y);
        return m_tree->viewport()->mapFrom(container, inContainer);
    }

    RECT ClientRect(const QRect& viewportRect) const {
        QWidget* container = Window()->widget.data();
        const QPoint topLeft = m_tree->viewport()->mapTo(container, viewportRect.topLeft()) - ClientRectInWidget(Window()).topLeft();
        return RECT{topLeft.x(), topLeft.y(), topLeft.x() + viewportRect.width(), topLeft.y() + viewportRect.height()};
    }

    void ShowImage(QTreeWidgetItem* item) {
        UpdatingScope scope(m_updating);
        const int image = item == m_tree->currentItem() ? item->data(0, kSelectedImageRole).toInt() : item->data(0, kImageRole).toInt();
        if (m_images && image >= 0) item->setIcon(0, QIcon(QPixmap::fromImage(ImageOfList(m_images, image))));
        else item->setIcon(0, QIcon());
    }

    void ApplyState(QTreeWidgetItem* item, UINT state, UINT mask) {
        UpdatingScope scope(m_updating);
        const UINT kept = item->data(0, kStateRole).toUInt();
        const UINT next = (kept & ~mask) | (state & mask);
        item->setData(0, kStateRole, next);
        if (mask & TVIS_BOLD) {
            QFont f = m_tree->font();
            f.setBold(next & TVIS_BOLD);
            item->setFont(0, f);
        }
        if ((mask & TVIS_EXPANDED)) item->setExpanded(next & TVIS_EXPANDED);
        if ((mask & TVIS_STATEIMAGEMASK) && Checkboxes())
            item->setCheckState(0, ((next & TVIS_STATEIMAGEMASK) >> 12) == 2 ? Qt::Checked : Qt::Unchecked);
        if ((mask & TVIS_SELECTED) && (next & TVIS_SELECTED)) m_tree->setCurrentItem(item);
    }

    QTreeWidgetItem* Insert(const TVINSERTSTRUCT* tis) {
        if (!tis) return nullptr;
        QTreeWidgetItem* parent = tis->hParent == TVI_ROOT || !tis->hParent ? nullptr : ItemOf(tis->hParent);
        if (tis->hParent && tis->hParent != TVI_ROOT && !parent) return nullptr;
        const TVITEM& tv = tis->item;
        auto* item = new QTreeWidgetItem;
        {
            UpdatingScope scope(m_updating);
            if ((tv.mask & TVIF_TEXT) && tv.pszText && tv.pszText != LPSTR_TEXTCALLBACK) item->setText(0, QString::fromStdWString(tv.pszText));
            item->setData(0, kParamRole, static_cast<qlonglong>((tv.mask & TVIF_PARAM) ? tv.lParam : 0));
            item->setData(0, kImageRole, (tv.mask & TVIF_IMAGE) ? tv.iImage : 0);
            item->setData(0, kSelectedImageRole, (tv.mask & TVIF_SELECTEDIMAGE) ? tv.iSelectedImage : ((tv.mask & TVIF_IMAGE) ? tv.iImage : 0));
            item->setData(0, kChildrenRole, (tv.mask & TVIF_CHILDREN) ? tv.cChildren : 0);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (Checkboxes()) {
                flags |= Qt::ItemIsUserCheckable;
                item->setCheckState(0, Qt::Unchecked);
            }
            item->setFlags(flags);
            if ((tv.mask & TVIF_CHILDREN) && tv.cChildren) item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            // Siblings of the place asked for.
            const int count = parent ? parent->childCount() : m_tree->topLevelItemCount();
            auto childAt = [&](int i) { return parent ? parent->child(i) : m_tree->topLevelItem(i); };
            int position = count;
            if (tis->hInsertAfter == TVI_FIRST) {
                position = 0;
            } else if (tis->hInsertAfter == TVI_SORT) {
                position = 0;
                while (position < count && QString::compare(childAt(position)->text(0), item->text(0), Qt::CaseInsensitive) <= 0) ++position;
            } else if (tis->hInsertAfter && tis->hInsertAfter != TVI_LAST) {
                for (int i = 0; i < count; ++i)
                    if (HandleOf(childAt(i)) == tis->hInsertAfter) position = i + 1;
            }
            if (parent) parent->insertChild(position, item);
            else m_tree->insertTopLevelItem(position, item);
        }
        if (tv.mask & TVIF_STATE) ApplyState(item, tv.state, tv.stateMask);
        ShowImage(item);
        return item;
    }

    void Delete(QTreeWidgetItem* item) {
        // Children first, each told to the parent.
        while (item->childCount() > 0) Delete(item->child(0));
        NMTREEVIEW nm{};
        nm.itemOld.hItem = HandleOf(item);
        nm.itemOld.lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
        nm.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
        Notify(&nm.hdr, TVN_DELETEITEM);
        if (item == m_dropHilite) m_dropHilite = nullptr;
        UpdatingScope scope(m_updating);
        delete item;
    }

    QTreeWidgetItem* Next(QTreeWidgetItem* item, UINT code) const {
        auto siblingAt = [&](QTreeWidgetItem* of, int delta) -> QTreeWidgetItem* {
            QTreeWidgetItem* parent = of->parent();
            const int index = parent ? parent->indexOfChild(of) : m_tree->indexOfTopLevelItem(of);
            const int count = parent ? parent->childCount() : m_tree->topLevelItemCount();
            const int at = index + delta;
            if (at < 0 || at >= count) return nullptr;
            return parent ? parent->child(at) : m_tree->topLevelItem(at);
        };
        switch (code) {
        case TVGN_ROOT: return m_tree->topLevelItem(0);
        case TVGN_CARET: return m_tree->currentItem();
        case TVGN_DROPHILITE: return m_dropHilite;
        case TVGN_FIRSTVISIBLE: return m_tree->itemAt(QPoint(1, 1));
        case TVGN_NEXT: return item ? siblingAt(item, 1) : nullptr;
        case TVGN_PREVIOUS: return item ? siblingAt(item, -1) : nullptr;
        case TVGN_PARENT: return item ? item->parent() : nullptr;
        case TVGN_CHILD: return item ? item->child(0) : m_tree->topLevelItem(0);
        case TVGN_NEXTVISIBLE: return item ? m_tree->itemBelow(item) : nullptr;
        case TVGN_PREVIOUSVISIBLE: return item ? m_tree->itemAbove(item) : nullptr;
        default: return nullptr;
        }
    }

    LRESULT GetItem(TVITEM* tv) const {
        if (!tv) return FALSE;
        QTreeWidgetItem* item = ItemOf(tv->hItem);
        if (!item) return FALSE;
        if ((tv->mask & TVIF_TEXT) && tv->pszText && tv->cchTextMax > 0) {
            const std::wstring text = item->text(0).toStdWString();
            const int n = std::min<int>(tv->cchTextMax - 1, static_cast<int>(text.size()));
            std::copy_n(text.c_str(), n, tv->pszText);
            tv->pszText[n] = 0;
        }
        if (tv->mask & TVIF_PARAM) tv->lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
        if (tv->mask & TVIF_IMAGE) tv->iImage = item->data(0, kImageRole).toInt();
        if (tv->mask & TVIF_SELECTEDIMAGE) tv->iSelectedImage = item->data(0, kSelectedImageRole).toInt();
        if (tv->mask & TVIF_STATE) tv->state = StateOf(item) & tv->stateMask;
        if (tv->mask & TVIF_CHILDREN) tv->cChildren = item->childCount() > 0 ? 1 : item->data(0, kChildrenRole).toInt();
        return TRUE;
    }

    LRESULT SetItem(const TVITEM* tv) {
        if (!tv) return FALSE;
        QTreeWidgetItem* item = ItemOf(tv->hItem);
        if (!item) return FALSE;
        {
            UpdatingScope scope(m_updating);
            if ((tv->mask & TVIF_TEXT) && tv->pszText && tv->pszText != LPSTR_TEXTCALLBACK) item->setText(0, QString::fromStdWString(tv->pszText));
            if (tv->mask & TVIF_PARAM) item->setData(0, kParamRole, static_cast<qlonglong>(tv->lParam));
            if (tv->mask & TVIF_IMAGE) item->setData(0, kImageRole, tv->iImage);
            if (tv->mask & TVIF_SELECTEDIMAGE) item->setData(0, kSelectedImageRole, tv->iSelectedImage);
            if (tv->mask & TVIF_CHILDREN) {
                item->setData(0, kChildrenRole, tv->cChildren);
                item->setChildIndicatorPolicy(tv->cChildren ? QTreeWidgetItem::ShowIndicator
                                                            : QTreeWidgetItem::DontShowIndicatorWhenChildless);
            }
        }
        if (tv->mask & TVIF_STATE) ApplyState(item, tv->state, tv->stateMask);
        ShowImage(item);
        return TRUE;
    }

    void FillItem(TVITEM& tv, QTreeWidgetItem* item) const {
        tv.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tv.hItem = HandleOf(item);
        if (!item) return;
        tv.lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
        tv.state = StateOf(item);
        tv.stateMask = 0xFFFF;
        tv.iImage = item->data(0, kImageRole).toInt();
        tv.iSelectedImage = item->data(0, kSelectedImageRole).toInt();
    }

    void SelectionChanged(QTreeWidgetItem* now, QTreeWidgetItem* before) {
        if (before) ShowImage(before);
        if (now) ShowImage(now);
        if (m_updating) return;
        NMTREEVIEW nm{};
        nm.action = m_action;
        FillItem(nm.itemOld, before);
        FillItem(nm.itemNew, now);
        Notify(&nm.hdr, TVN_SELCHANGING);
        Notify(&nm.hdr, TVN_SELCHANGED);
    }

    // Expanding by the user asks the parent first; an answer of TRUE keeps the item as it was.
    void Expanded(QTreeWidgetItem* item, bool expanded) {
        if (m_updating || m_inExpand) return;
        NMTREEVIEW nm{};
        nm.action = expanded ? TVE_EXPAND : TVE_COLLAPSE;
        FillItem(nm.itemNew, item);
        if (Notify(&nm.hdr, TVN_ITEMEXPANDING)) {
            m_inExpand = true;
            item->setExpanded(!expanded);
            m_inExpand = false;
            return;
        }
        FillItem(nm.itemNew, item);
        Notify(&nm.hdr, TVN_ITEMEXPANDED);
    }

    void CheckChanged(QTreeWidgetItem* item) {
        if (!Checkboxes()) return;
        const UINT kept = item->data(0, kStateRole).toUInt();
        const UINT image = item->checkState(0) == Qt::Checked ? 2 : 1;
        const UINT oldImage = ((kept & TVIS_STATEIMAGEMASK) >> 12) == 2 ? 2 : 1;
        if (image == oldImage) return;
        {
            UpdatingScope scope(m_updating);
            item->setData(0, kStateRole, (kept & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(image));
        }
        NMTVITEMCHANGE nm{};
        nm.uChanged = TVIF_STATE;
        nm.hItem = HandleOf(item);
        nm.uStateOld = (StateOf(item) & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(oldImage);
        nm.uStateNew = StateOf(item);
        nm.lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
        Notify(&nm.hdr, TVN_ITEMCHANGED);
    }

    QTreeWidget* m_tree = nullptr;
    IMAGELIST__* m_images = nullptr;
    IMAGELIST__* m_stateImages = nullptr;
    QTreeWidgetItem* m_dropHilite = nullptr;
    UINT m_action = TVC_UNKNOWN;
    int m_itemHeight = -1;
    bool m_inExpand = false;
};

}  // namespace

CNativeControl* CreateTreeViewControl(HWND h) { return new TreeViewControl(h); }

}  // namespace vorn_ui
