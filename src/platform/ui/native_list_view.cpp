// The "SysListView32" control in report mode over QTreeWidget: columns, items with sub-item
// texts, item data, images of the small image list, check boxes (LVS_EX_CHECKBOXES), item
// states and selection, groups (shown as header rows with their items below them) and
// per-item colours asked with NM_CUSTOMDRAW. Every other view mode shows as a report too.
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/image_list.h"
#include "platform/ui/header_ctrl.h"
#include "platform/ui/native_control.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

constexpr int kRowRole = Qt::UserRole + 10;    // the Row* of an item
constexpr int kGroupRole = Qt::UserRole + 11;  // set on group header rows

struct Row {
    std::vector<QString> texts;
    LPARAM param = 0;
    int image = -1;
    UINT state = 0;
    int groupId = I_GROUPIDNONE;
    QTreeWidgetItem* item = nullptr;
};

struct Group {
    int id = 0;
    QString header;
    UINT align = LVGA_HEADER_LEFT;
    UINT state = 0;
    QTreeWidgetItem* item = nullptr;
};

class ListViewControl;

class ListDelegate : public QStyledItemDelegate {
public:
    ListDelegate(ListViewControl* control, QObject* parent) : QStyledItemDelegate(parent), m_control(control) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ListViewControl* m_control;
};

class ListViewControl : public CNativeControl {
public:
    explicit ListViewControl(HWND h) : CNativeControl(h) {
        m_tree = new QTreeWidget;
        m_tree->setFrameShape(QFrame::NoFrame);
        m_tree->setRootIsDecorated(false);
        m_tree->setItemsExpandable(false);
        m_tree->setIndentation(0);
        m_tree->setUniformRowHeights(true);
        m_tree->setAllColumnsShowFocus(true);
        m_tree->setColumnCount(0);
        m_tree->header()->setStretchLastSection(false);
        m_tree->header()->setSectionsMovable(false);
        m_tree->header()->setVisible(!(Style() & LVS_NOCOLUMNHEADER));
        m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_tree->setSelectionMode((Style() & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                           : QAbstractItemView::ExtendedSelection);
        m_tree->setItemDelegate(new ListDelegate(this, m_tree));
        QObject::connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
            if (!m_inInput) SyncStatesFromQt();
        });
        QObject::connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
            if (!m_inInput) SyncStatesFromQt();
        });
        QObject::connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
            if (!m_updating && column == 0) CheckChangedByUser(item);
        });
        QObject::connect(m_tree->header(), &QHeaderView::sectionClicked, this, [this](int column) {
            NMLISTVIEW nm{};
            nm.iItem = -1;
            nm.iSubItem = column;
            Notify(&nm.hdr, LVN_COLUMNCLICK);
        });
        m_tree->viewport()->installEventFilter(this);
        SetQtWidget(m_tree);
    }

    // Custom draw: the colours of one cell for the current paint pass.
    struct CellLook {
        bool hasText = false, hasBack = false;
        QColor text, back;
    };
    CellLook Look(int rowIndex, int column, const QRect& rect, UINT itemState) {
        CellLook look;
        if (!(m_prepaintResult & CDRF_NOTIFYITEMDRAW) || rowIndex < 0) return look;
        const Row& row = *m_rows[static_cast<std::size_t>(rowIndex)];
        NMLVCUSTOMDRAW cd{};
        cd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(rowIndex);
        cd.nmcd.uItemState = itemState;
        cd.nmcd.lItemlParam = row.param;
        cd.nmcd.rc = RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
        cd.clrText = m_textColor;
        cd.clrTextBk = m_textBkColor;
        cd.iSubItem = 0;
        auto key = std::make_pair(rowIndex, -1);
        auto it = m_looks.find(key);
        LRESULT result = 0;
        if (it == m_looks.end()) {
            OwnerDrawSurface surface(cd.nmcd.rc);
            cd.nmcd.hdc = surface.Dc();
            result = Notify(&cd.nmcd.hdr, NM_CUSTOMDRAW);
            it = m_looks.emplace(key, std::make_pair(result, std::make_pair(cd.clrText, cd.clrTextBk))).first;
        }
        result = it->second.first;
        COLORREF text = it->second.second.first, back = it->second.second.second;
        if (result & CDRF_NOTIFYSUBITEMDRAW) {
            auto subKey = std::make_pair(rowIndex, column);
            auto sub = m_looks.find(subKey);
            if (sub == m_looks.end()) {
                NMLVCUSTOMDRAW scd = cd;
                scd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
                scd.iSubItem = column;
                scd.clrText = text;
                scd.clrTextBk = back;
                OwnerDrawSurface surface(scd.nmcd.rc);
                scd.nmcd.hdc = surface.Dc();
                const LRESULT r = Notify(&scd.nmcd.hdr, NM_CUSTOMDRAW);
                sub = m_looks.emplace(subKey, std::make_pair(r, std::make_pair(scd.clrText, scd.clrTextBk))).first;
            }
            text = sub->second.second.first;
            back = sub->second.second.second;
        }
        if (text != CLR_DEFAULT && text != CLR_NONE) {
            look.hasText = true;
            look.text = QColorOf(text);
        }
        if (back != CLR_DEFAULT && back != CLR_NONE) {
            look.hasBack = true;
            look.back = QColorOf(back);
        }
        return look;
    }

    int RowOf(const QModelIndex& index) const {
        QTreeWidgetItem* item = m_tree->itemFromIndex(index.sibling(index.row(), 0));
        return item ? IndexOfItem(item) : -1;
    }

    // Input the Qt widget handles: the states it changes are told once it is done, so that
    // an item's loss of selection and focus comes as one change.
    LRESULT Forward(UINT message, WPARAM wParam, LPARAM lParam) {
        const bool outer = !m_inInput;
        m_inInput = true;
        const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
        if (outer) {
            m_inInput = false;
            SyncStatesFromQt();
        }
        return r;
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int count = static_cast<int>(m_rows.size());
        const int index = static_cast<int>(wParam);
        auto valid = [&](int i) { return i >= 0 && i < count; };
        switch (message) {
        case LVM_INSERTCOLUMN: return InsertColumn(index, reinterpret_cast<const LVCOLUMN*>(lParam));
        case LVM_DELETECOLUMN: {
            if (index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            m_columns.erase(m_columns.begin() + index);
            for (auto& row : m_rows)
                if (static_cast<int>(row->texts.size()) > index) row->texts.erase(row->texts.begin() + index);
            ApplyColumns();
            Rebuild();
            return TRUE;
        }
        case LVM_GETHEADER: return reinterpret_cast<LRESULT>(HeaderOfListView(Window()));
        case LVM_GETCOLUMN: {
            auto* col = reinterpret_cast<LVCOLUMN*>(lParam);
            if (!col || index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            const Column& c = m_columns[static_cast<std::size_t>(index)];
            if (col->mask & LVCF_WIDTH) col->cx = m_tree->header()->sectionSize(index);
            if (col->mask & LVCF_FMT) col->fmt = c.fmt;
            if (col->mask & LVCF_TEXT) CopyText(c.text, col->pszText, col->cchTextMax);
            if (col->mask & LVCF_SUBITEM) col->iSubItem = index;
            return TRUE;
        }
        case LVM_SETCOLUMN: {
            const auto* col = reinterpret_cast<const LVCOLUMN*>(lParam);
            if (!col || index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            Column& c = m_columns[static_cast<std::size_t>(index)];
            if (col->mask & LVCF_WIDTH) c.width = col->cx;
            if (col->mask & LVCF_FMT) c.fmt = col->fmt;
            if ((col->mask & LVCF_TEXT) && col->pszText) c.text = QString::fromStdWString(col->pszText);
            ApplyColumns();
            return TRUE;
        }
        case LVM_GETCOLUMNWIDTH:
            return index >= 0 && index < static_cast<int>(m_columns.size()) ? m_tree->header()->sectionSize(index) : 0;
        case LVM_SETCOLUMNWIDTH: {
            if (index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            int width = static_cast<short>(LOWORD(lParam));
            if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
                m_tree->resizeColumnToContents(index);
                width = m_tree->header()->sectionSize(index);
            }
            m_columns[static_cast<std::size_t>(index)].width = width;
            m_tree->header()->resizeSection(index, width);
            return TRUE;
        }
        case LVM_INSERTITEM: return InsertItem(reinterpret_cast<const LVITEM*>(lParam));
        case LVM_DELETEITEM: {
            if (!valid(index)) return FALSE;
            NMLISTVIEW nm{};
            nm.iItem = index;
            nm.lParam = m_rows[static_cast<std::size_t>(index)]->param;
            Notify(&nm.hdr, LVN_DELETEITEM);
            UpdatingScope scope(m_updating);
            delete m_rows[static_cast<std::size_t>(index)]->item;
            m_rows.erase(m_rows.begin() + index);
            return TRUE;
        }
        case LVM_DELETEALLITEMS: {
            NMLISTVIEW nm{};
            nm.iItem = -1;
            // An answer of TRUE spares the notification per item.
            const bool quiet = Notify(&nm.hdr, LVN_DELETEALLITEMS) != 0;
            for (int i = 0; !quiet && i < static_cast<int>(m_rows.size()); ++i) {
                NMLISTVIEW each{};
                each.iItem = i;
                each.lParam = m_rows[static_cast<std::size_t>(i)]->param;
                Notify(&each.hdr, LVN_DELETEITEM);
            }
            UpdatingScope scope(m_updating);
            for (auto& row : m_rows) delete row->item;
            m_rows.clear();
            return TRUE;
        }
        case LVM_GETITEMCOUNT: return count;
        case LVM_SETITEMCOUNT: return TRUE;
        case LVM_GETITEM: return GetItem(reinterpret_cast<LVITEM*>(lParam));
        case LVM_SETITEM: return SetItem(reinterpret_cast<const LVITEM*>(lParam));
        case LVM_GETITEMTEXT: {
            auto* item = reinterpret_cast<LVITEM*>(lParam);
            if (!item || !valid(index)) return 0;
            const Row& row = *m_rows[static_cast<std::size_t>(index)];
            const QString text = item->iSubItem < static_cast<int>(row.texts.size()) ? row.texts[static_cast<std::size_t>(item->iSubItem)] : QString();
            return CopyText(text, item->pszText, item->cchTextMax);
        }
        case LVM_SETITEMTEXT: {
            const auto* item = reinterpret_cast<const LVITEM*>(lParam);
            if (!item || !valid(index)) return FALSE;
            LVITEM copy = *item;
            copy.iItem = index;
            copy.mask = LVIF_TEXT;
            return SetItem(&copy);
        }
        case LVM_GETITEMSTATE:
            if (!valid(index)) return 0;
            return m_rows[static_cast<std::size_t>(index)]->state & static_cast<UINT>(lParam);
        case LVM_SETITEMSTATE: {
            const auto* item = reinterpret_cast<const LVITEM*>(lParam);
            if (!item) return FALSE;
            if (index == -1) {
                for (int i = 0; i < count; ++i) SetState(i, item->state, item->stateMask);
                return TRUE;
            }
            if (!valid(index)) return FALSE;
            SetState(index, item->state, item->stateMask);
            return TRUE;
        }
        case LVM_GETNEXTITEM: return NextItem(index, static_cast<int>(LOWORD(lParam)));
        case LVM_GETSELECTEDCOUNT:
            return std::count_if(m_rows.begin(), m_rows.end(), [](const auto& r) { return (r->state & LVIS_SELECTED) != 0; });
        case LVM_GETSELECTIONMARK: return m_selectionMark;
        case LVM_SETSELECTIONMARK: {
            const int old = m_selectionMark;
            m_selectionMark = static_cast<int>(lParam);
            return old;
        }
        case LVM_GETITEMRECT: {
            auto* rc = reinterpret_cast<RECT*>(lParam);
            if (!rc || !valid(index)) return FALSE;
            QRect r = RowRect(index);
            if (rc->left == LVIR_LABEL && !m_columns.empty()) r = m_tree->visualItemRect(m_rows[static_cast<std::size_t>(index)]->item);
            *rc = ClientRect(r);
            return TRUE;
        }
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST: {
            auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
            if (!info) return -1;
            const QPoint p = ViewportPoint(info->pt);
            const QModelIndex at = m_tree->indexAt(p);
            info->iItem = at.isValid() ? RowOf(at) : -1;
            info->iSubItem = at.isValid() ? at.column() : 0;
            info->flags = info->iItem >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
            return info->iItem;
        }
        case LVM_ENSUREVISIBLE:
            if (!valid(index)) return FALSE;
            m_tree->scrollToItem(m_rows[static_cast<std::size_t>(index)]->item);
            return TRUE;
        case LVM_GETTOPINDEX: {
            const QModelIndex top = m_tree->indexAt(QPoint(1, 1));
            const int row = top.isValid() ? RowOf(top) : -1;
            return row < 0 ? 0 : row;
        }
        case LVM_GETCOUNTPERPAGE: {
            const int height = std::max(1, m_tree->sizeHintForRow(0));
            return m_tree->viewport()->height() / height;
        }
        case LVM_FINDITEM: {
            const auto* find = reinterpret_cast<const LVFINDINFO*>(lParam);
            if (!find) return -1;
            for (int n = 0; n < count; ++n) {
                const int i = (index + 1 + n) % count;
                const Row& row = *m_rows[static_cast<std::size_t>(i)];
                if ((find->flags & LVFI_PARAM) && row.param == find->lParam) return i;
                if ((find->flags & (LVFI_STRING | LVFI_PARTIAL)) && find->psz && !row.texts.empty()) {
                    const QString text = QString::fromStdWString(find->psz);
                    if ((find->flags & LVFI_PARTIAL) ? row.texts[0].startsWith(text, Qt::CaseInsensitive)
                                                     : row.texts[0].compare(text, Qt::CaseInsensitive) == 0)
                        return i;
                }
            }
            return -1;
        }
        case LVM_SETIMAGELIST: {
            IMAGELIST__* old = wParam == LVSIL_STATE ? m_stateImages : m_smallImages;
            if (wParam == LVSIL_STATE) m_stateImages = reinterpret_cast<IMAGELIST__*>(lParam);
            else if (wParam == LVSIL_SMALL) m_smallImages = reinterpret_cast<IMAGELIST__*>(lParam);
            else m_normalImages = reinterpret_cast<IMAGELIST__*>(lParam);
            if (wParam == LVSIL_SMALL && m_smallImages) {
                int cx = 16, cy = 16;
                ImageList_GetIconSize(m_smallImages, &cx, &cy);
                m_tree->setIconSize(QSize(cx, cy));
            }
            Rebuild();
            return reinterpret_cast<LRESULT>(old);
        }
        case LVM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(wParam == LVSIL_STATE ? m_stateImages : wParam == LVSIL_SMALL ? m_smallImages : m_normalImages);
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD old = m_exStyle;
            const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
            m_exStyle = (m_exStyle & ~mask) | (static_cast<DWORD>(lParam) & mask);
            m_tree->setAllColumnsShowFocus(true);
            if ((old ^ m_exStyle) & LVS_EX_CHECKBOXES) Rebuild();
            return old;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return m_exStyle;
        case LVM_SETBKCOLOR:
        case LVM_SETTEXTBKCOLOR:
        case LVM_SETTEXTCOLOR: {
            const auto color = static_cast<COLORREF>(lParam);
            QPalette p = m_tree->palette();
            if (message == LVM_SETTEXTCOLOR) {
                m_textColor = color;
                p.setColor(QPalette::Text, QColorOf(color));
            } else if (message == LVM_SETBKCOLOR) {
                if (color != CLR_NONE) p.setColor(QPalette::Base, QColorOf(color));
            } else {
                m_textBkColor = color;
            }
            m_tree->setPalette(p);
            return TRUE;
        }
        case LVM_ENABLEGROUPVIEW: {
            const bool enable = wParam != 0;
            if (enable == m_groupView) return 0;
            m_groupView = enable;
            Rebuild();
            return 1;
        }
        case LVM_ISGROUPVIEWENABLED: return m_groupView;
        case LVM_INSERTGROUP: return InsertGroup(index, reinterpret_cast<const LVGROUP*>(lParam));
        case LVM_REMOVEGROUP: {
            auto it = FindGroup(index);
            if (it == m_groups.end()) return -1;
            const int position = static_cast<int>(it - m_groups.begin());
            // The group's items go with it.
            for (int i = static_cast<int>(m_rows.size()) - 1; i >= 0; --i)
                if (m_rows[static_cast<std::size_t>(i)]->groupId == index) SendMessage(Window(), LVM_DELETEITEM, static_cast<WPARAM>(i), 0);
            m_groups.erase(FindGroup(index));
            Rebuild();
            return position;
        }
        case LVM_REMOVEALLGROUPS:
            m_groups.clear();
            Rebuild();
            return 0;
        case LVM_HASGROUP: return FindGroup(index) != m_groups.end();
        case LVM_GETGROUPCOUNT: return static_cast<LRESULT>(m_groups.size());
        case LVM_GETGROUPINFO: {
            auto* g = reinterpret_cast<LVGROUP*>(lParam);
            auto it = FindGroup(index);
            if (!g || it == m_groups.end()) return -1;
            if (g->mask & LVGF_HEADER) CopyText(it->header, g->pszHeader, g->cchHeader);
            if (g->mask & LVGF_ALIGN) g->uAlign = it->align;
            if (g->mask & LVGF_GROUPID) g->iGroupId = it->id;
            if (g->mask & LVGF_STATE) g->state = it->state & g->stateMask;
            return it->id;
        }
        case LVM_SETGROUPINFO: {
            const auto* g = reinterpret_cast<const LVGROUP*>(lParam);
            auto it = FindGroup(index);
            if (!g || it == m_groups.end()) return -1;
            if ((g->mask & LVGF_HEADER) && g->pszHeader) it->header = QString::fromStdWString(g->pszHeader);
            if (g->mask & LVGF_ALIGN) it->align = g->uAlign;
            if (g->mask & LVGF_STATE) it->state = (it->state & ~g->stateMask) | (g->state & g->stateMask);
            Rebuild();
            return it->id;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const LRESULT r = Forward(message, wParam, lParam);
            const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (message == WM_LBUTTONDOWN) {
                m_dragStart = pt;
                m_dragItem = ItemAt(pt);
                m_dragSent = false;
            }
            SendClick(message == WM_LBUTTONDOWN ? NM_CLICK : NM_RCLICK, pt);
            return r;
        }
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK: {
            const LRESULT r = Forward(message, wParam, lParam);
            SendClick(message == WM_LBUTTONDBLCLK ? NM_DBLCLK : NM_RDBLCLK, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return r;
        }
        case WM_MOUSEMOVE: {
            const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if ((wParam & MK_LBUTTON) && m_dragItem >= 0 && !m_dragSent &&
                (std::abs(pt.x - m_dragStart.x) > GetSystemMetrics(SM_CXDRAG) ||
                 std::abs(pt.y - m_dragStart.y) > GetSystemMetrics(SM_CYDRAG))) {
                m_dragSent = true;
                NMLISTVIEW nm{};
                nm.iItem = m_dragItem;
                nm.ptAction = m_dragStart;
                nm.lParam = valid(m_dragItem) ? m_rows[static_cast<std::size_t>(m_dragItem)]->param : 0;
                Notify(&nm.hdr, LVN_BEGINDRAG);
                return 0;  // the owner runs the drag from here
            }
            if (m_dragSent) return 0;
            return Forward(message, wParam, lParam);
        }
        case WM_LBUTTONUP:
            m_dragItem = -1;
            if (m_dragSent) {
                m_dragSent = false;
                return 0;
            }
            return Forward(message, wParam, lParam);
        case WM_KEYDOWN: {
            NMLVKEYDOWN nm{};
            nm.wVKey = static_cast<WORD>(wParam);
            Notify(&nm.hdr, LVN_KEYDOWN);
            return Forward(message, wParam, lParam);
        }
        case WM_KEYUP:
        case WM_CHAR:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: return Forward(message, wParam, lParam);
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

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_tree->viewport() && e->type() == QEvent::Paint) {
            // A new paint pass asks the owner again.
            m_looks.clear();
            NMLVCUSTOMDRAW cd{};
            cd.nmcd.dwDrawStage = CDDS_PREPAINT;
            const QRect r = m_tree->viewport()->rect();
            cd.nmcd.rc = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
            cd.clrText = m_textColor;
            cd.clrTextBk = m_textBkColor;
            m_prepaintResult = Notify(&cd.nmcd.hdr, NM_CUSTOMDRAW);
        }
        return CNativeControl::eventFilter(watched, e);
    }

private:
    struct Column {
        QString text;
        int width = 100;
        int fmt = LVCFMT_LEFT;
    };

    static LRESULT CopyText(const QString& text, LPTSTR buffer, int max) {
        if (!buffer || max <= 0) return 0;
        const std::wstring w = text.toStdWString();
        const int n = std::min<int>(max - 1, static_cast<int>(w.size()));
        std::copy_n(w.c_str(), n, buffer);
        buffer[n] = 0;
        return n;
    }

    int IndexOfItem(const QTreeWidgetItem* item) const {
        const auto* row = reinterpret_cast<const Row*>(item->data(0, kRowRole).value<quintptr>());
        if (!row) return -1;
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].get() == row) return static_cast<int>(i);
        return -1;
    }

    std::vector<Group>::iterator FindGroup(int id) {
        return std::find_if(m_groups.begin(), m_groups.end(), [id](const Group& g) { return g.id == id; });
    }

    bool Checkboxes() const { return (m_exStyle & LVS_EX_CHECKBOXES) != 0; }

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

    QRect RowRect(int index) const {
        QTreeWidgetItem* item = m_rows[static_cast<std::size_t>(index)]->item;
        if (!item) return QRect();
        QRect r = m_tree->visualItemRect(item);
        r.setLeft(0);
        r.setRight(std::max(r.right(), m_tree->header()->length() - 1));
        return r;
    }

    int ItemAt(POINT client) const {
        const QModelIndex at = m_tree->indexAt(ViewportPoint(client));
        return at.isValid() ? RowOf(at) : -1;
    }

    void SendClick(int code, POINT pt) {
        NMITEMACTIVATE nm{};
        nm.iItem = ItemAt(pt);
        const QModelIndex at = m_tree->indexAt(ViewportPoint(pt));
        nm.iSubItem = at.isValid() ? at.column() : 0;
        nm.ptAction = pt;
        if (nm.iItem >= 0) nm.lParam = m_rows[static_cast<std::size_t>(nm.iItem)]->param;
        Notify(&nm.hdr, code);
    }

    LRESULT InsertColumn(int index, const LVCOLUMN* col) {
        if (!col) return -1;
        Column c;
        if ((col->mask & LVCF_TEXT) && col->pszText) c.text = QString::fromStdWString(col->pszText);
        if (col->mask & LVCF_WIDTH) c.width = col->cx;
        if (col->mask & LVCF_FMT) c.fmt = col->fmt;
        index = std::clamp(index, 0, static_cast<int>(m_columns.size()));
        m_columns.insert(m_columns.begin() + index, c);
        for (auto& row : m_rows)
            if (static_cast<int>(row->texts.size()) > index) row->texts.insert(row->texts.begin() + index, QString());
        ApplyColumns();
        Rebuild();
        return index;
    }

    void ApplyColumns() {
        UpdatingScope scope(m_updating);
        m_tree->setColumnCount(std::max<int>(1, static_cast<int>(m_columns.size())));
        QStringList labels;
        for (const Column& c : m_columns) labels << c.text;
        m_tree->setHeaderLabels(labels);
        for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) {
            const Column& c = m_columns[static_cast<std::size_t>(i)];
            m_tree->header()->resizeSection(i, c.width);
            const Qt::Alignment align = (c.fmt & 3) == LVCFMT_RIGHT ? Qt::AlignRight : (c.fmt & 3) == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
            m_tree->headerItem()->setTextAlignment(i, align | Qt::AlignVCenter);
        }
    }

    // The Qt item of a row shows the row's texts, image, check box and state.
    void Fill(Row& row) {
        QTreeWidgetItem* item = row.item;
        UpdatingScope scope(m_updating);
        item->setData(0, kRowRole, QVariant::fromValue(reinterpret_cast<quintptr>(&row)));
        for (int c = 0; c < std::max<int>(1, static_cast<int>(m_columns.size())); ++c) {
            item->setText(c, c < static_cast<int>(row.texts.size()) ? row.texts[static_cast<std::size_t>(c)] : QString());
            const int fmt = c < static_cast<int>(m_columns.size()) ? m_columns[static_cast<std::size_t>(c)].fmt : 0;
            const Qt::Alignment align = (fmt & 3) == LVCFMT_RIGHT ? Qt::AlignRight : (fmt & 3) == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
            item->setTextAlignment(c, align | Qt::AlignVCenter);
        }
        if (m_smallImages && row.image >= 0) item->setIcon(0, QIcon(QPixmap::fromImage(ImageOfList(m_smallImages, row.image))));
        else item->setIcon(0, QIcon());
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (Checkboxes()) {
            flags |= Qt::ItemIsUserCheckable;
            item->setCheckState(0, ((row.state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? Qt::Checked : Qt::Unchecked);
        } else {
            item->setData(0, Qt::CheckStateRole, QVariant());
        }
        item->setFlags(flags);
        item->setSelected((row.state & LVIS_SELECTED) != 0);
    }

    // Recreates the Qt items: groups as header rows when group view is on.
    void Rebuild() {
        UpdatingScope scope(m_updating);
        for (auto& row : m_rows) row->item = nullptr;
        for (Group& g : m_groups) g.item = nullptr;
        m_tree->clear();
        const bool grouped = m_groupView && !m_groups.empty();
        m_tree->setRootIsDecorated(false);
        m_tree->setUniformRowHeights(!grouped);
        if (grouped) {
            for (Group& g : m_groups) {
                g.item = new QTreeWidgetItem(m_tree);
                g.item->setData(0, kGroupRole, true);
                g.item->setText(0, g.header);
                g.item->setFlags(Qt::ItemIsEnabled);
                g.item->setFirstColumnSpanned(true);
                QFont bold = m_tree->font();
                bold.setBold(true);
                g.item->setFont(0, bold);
                g.item->setForeground(0, QBrush(QColor(0, 51, 153)));
                g.item->setTextAlignment(0, (g.align & LVGA_HEADER_CENTER)  ? Qt::AlignHCenter | Qt::AlignVCenter
                                            : (g.align & LVGA_HEADER_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter
                                                                            : Qt::AlignLeft | Qt::AlignVCenter);
                g.item->setFirstColumnSpanned(true);
            }
            // Items outside every group are not shown in group view.
            for (auto& row : m_rows) {
                auto it = FindGroup(row->groupId);
                if (it == m_groups.end()) continue;
                row->item = new QTreeWidgetItem(it->item);
                Fill(*row);
            }
            m_tree->expandAll();
        } else {
            for (auto& row : m_rows) {
                row->item = new QTreeWidgetItem(m_tree);
                Fill(*row);
            }
        }
        for (auto& row : m_rows)
            if (row->item && (row->state & LVIS_FOCUSED)) m_tree->setCurrentItem(row->item, 0, QItemSelectionModel::NoUpdate);
    }

    LRESULT InsertGroup(int index, const LVGROUP* g) {
        if (!g || !(g->mask & LVGF_GROUPID) || FindGroup(g->iGroupId) != m_groups.end()) return -1;
        Group group;
        group.id = g->iGroupId;
        if ((g->mask & LVGF_HEADER) && g->pszHeader) group.header = QString::fromStdWString(g->pszHeader);
        if (g->mask & LVGF_ALIGN) group.align = g->uAlign;
        if (g->mask & LVGF_STATE) group.state = g->state & g->stateMask;
        const int position = index < 0 || index > static_cast<int>(m_groups.size()) ? static_cast<int>(m_groups.size()) : index;
        m_groups.insert(m_groups.begin() + position, group);
        Rebuild();
        return position;
    }

    LRESULT InsertItem(const LVITEM* lv) {
        if (!lv || lv->iSubItem != 0) return -1;
        auto row = std::make_unique<Row>();
        row->texts.assign(std::max<std::size_t>(1, m_columns.size()), QString());
        if ((lv->mask & LVIF_TEXT) && lv->pszText && lv->pszText != LPSTR_TEXTCALLBACK)
            row->texts[0] = QString::fromStdWString(lv->pszText);
        if (lv->mask & LVIF_PARAM) row->param = lv->lParam;
        if (lv->mask & LVIF_IMAGE) row->image = lv->iImage;
        if (lv->mask & LVIF_STATE) row->state = lv->state & lv->stateMask;
        if (lv->mask & LVIF_GROUPID) row->groupId = lv->iGroupId;
        if (Checkboxes() && !(row->state & LVIS_STATEIMAGEMASK)) row->state |= INDEXTOSTATEIMAGEMASK(1);
        int index = lv->iItem;
        if (index < 0 || index > static_cast<int>(m_rows.size())) index = static_cast<int>(m_rows.size());
        if (Style() & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
            const bool down = Style() & LVS_SORTDESCENDING;
            index = 0;
            while (index < static_cast<int>(m_rows.size())) {
                const int cmp = QString::compare(m_rows[static_cast<std::size_t>(index)]->texts[0], row->texts[0], Qt::CaseInsensitive);
                if (down ? cmp < 0 : cmp > 0) break;
                ++index;
            }
        }
        Row* added = row.get();
        m_rows.insert(m_rows.begin() + index, std::move(row));
        PlaceItem(index, *added);
        NMLISTVIEW nm{};
        nm.iItem = index;
        nm.lParam = added->param;
        Notify(&nm.hdr, LVN_INSERTITEM);
        return index;
    }

    // Puts a new row's Qt item where its index (and group) says.
    void PlaceItem(int index, Row& row) {
        UpdatingScope scope(m_updating);
        const bool grouped = m_groupView && !m_groups.empty();
        QTreeWidgetItem* parent = nullptr;
        if (grouped) {
            auto it = FindGroup(row.groupId);
            if (it == m_groups.end()) return;
            parent = it->item;
        }
        int position = 0;
        for (int i = 0; i < index; ++i) {
            const Row& before = *m_rows[static_cast<std::size_t>(i)];
            if (before.item && (!grouped || before.groupId == row.groupId)) ++position;
        }
        row.item = new QTreeWidgetItem;
        if (parent) parent->insertChild(position, row.item);
        else m_tree->insertTopLevelItem(position, row.item);
        Fill(row);
    }

    LRESULT GetItem(LVITEM* lv) const {
        if (!lv || lv->iItem < 0 || lv->iItem >= static_cast<int>(m_rows.size())) return FALSE;
        const Row& row = *m_rows[static_cast<std::size_t>(lv->iItem)];
        if (lv->mask & LVIF_TEXT) {
            const QString text = lv->iSubItem < static_cast<int>(row.texts.size()) ? row.texts[static_cast<std::size_t>(lv->iSubItem)] : QString();
            CopyText(text, lv->pszText, lv->cchTextMax);
        }
        if (lv->mask & LVIF_PARAM) lv->lParam = row.param;
        if (lv->mask & LVIF_IMAGE) lv->iImage = row.image;
        if (lv->mask & LVIF_STATE) lv->state = row.state & lv->stateMask;
        if (lv->mask & LVIF_GROUPID) lv->iGroupId = row.groupId;
        return TRUE;
    }

    LRESULT SetItem(const LVITEM* lv) {
        if (!lv || lv->iItem < 0 || lv->iItem >= static_cast<int>(m_rows.size())) return FALSE;
        Row& row = *m_rows[static_cast<std::size_t>(lv->iItem)];
        if (lv->iSubItem < 0 || lv->iSubItem >= std::max<int>(1, static_cast<int>(m_columns.size()))) return FALSE;
        if ((lv->mask & LVIF_TEXT) && lv->pszText && lv->pszText != LPSTR_TEXTCALLBACK) {
            if (static_cast<int>(row.texts.size()) <= lv->iSubItem) row.texts.resize(static_cast<std::size_t>(lv->iSubItem) + 1);
            row.texts[static_cast<std::size_t>(lv->iSubItem)] = QString::fromStdWString(lv->pszText);
        }
        if (lv->iSubItem == 0) {
            if (lv->mask & LVIF_PARAM) row.param = lv->lParam;
            if (lv->mask & LVIF_IMAGE) row.image = lv->iImage;
        }
        const bool regroup = (lv->mask & LVIF_GROUPID) && lv->iGroupId != row.groupId;
        if (regroup) row.groupId = lv->iGroupId;
        if (regroup) Rebuild();
        else if (row.item) Fill(row);
        if (lv->mask & LVIF_STATE) SetState(lv->iItem, lv->state, lv->stateMask);
        return TRUE;
    }

    void SetState(int index, UINT state, UINT mask) {
        Row& row = *m_rows[static_cast<std::size_t>(index)];
        const UINT old = row.state;
        const UINT next = (old & ~mask) | (state & mask);
        if (next == old) return;
        if ((next & LVIS_FOCUSED) && !(old & LVIS_FOCUSED)) {
            // One item has the focus.
            for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
                if (i != index && (m_rows[static_cast<std::size_t>(i)]->state & LVIS_FOCUSED)) SetState(i, 0, LVIS_FOCUSED);
        }
        if ((next & LVIS_SELECTED) && (Style() & LVS_SINGLESEL)) {
            for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
                if (i != index && (m_rows[static_cast<std::size_t>(i)]->state & LVIS_SELECTED)) SetState(i, 0, LVIS_SELECTED);
        }
        row.state = next;
        {
            UpdatingScope scope(m_updating);
            if (row.item) {
                row.item->setSelected((next & LVIS_SELECTED) != 0);
                if ((next & LVIS_FOCUSED) && !(old & LVIS_FOCUSED)) m_tree->setCurrentItem(row.item, 0, QItemSelectionModel::NoUpdate);
                if (Checkboxes()) row.item->setCheckState(0, ((next & LVIS_STATEIMAGEMASK) >> 12) == 2 ? Qt::Checked : Qt::Unchecked);
            }
        }
        if ((next & LVIS_SELECTED) && !(old & LVIS_SELECTED)) m_selectionMark = index;
        SendChanged(index, old, next);
    }

    void SendChanged(int index, UINT old, UINT next) {
        NMLISTVIEW nm{};
        nm.iItem = index;
        nm.uOldState = old;
        nm.uNewState = next;
        nm.uChanged = LVIF_STATE;
        nm.lParam = m_rows[static_cast<std::size_t>(index)]->param;
        Notify(&nm.hdr, LVN_ITEMCHANGED);
    }

    // The user changed the selection or the focus in Qt: the rows take the new states,
    // and the owner hears of every change, losses first.
    void SyncStatesFromQt() {
        if (m_updating) return;
        QTreeWidgetItem* current = m_tree->currentItem();
        std::vector<std::pair<int, UINT>> changes;
        for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
            const Row& row = *m_rows[static_cast<std::size_t>(i)];
            if (!row.item) continue;
            UINT next = row.state & ~(LVIS_SELECTED | LVIS_FOCUSED);
            if (row.item->isSelected()) next |= LVIS_SELECTED;
            if (row.item == current) next |= LVIS_FOCUSED;
            if (next != row.state) changes.emplace_back(i, next);
        }
        std::stable_sort(changes.begin(), changes.end(), [this](const auto& a, const auto& b) {
            const bool aLoses = (m_rows[static_cast<std::size_t>(a.first)]->state & ~a.second) != 0;
            const bool bLoses = (m_rows[static_cast<std::size_t>(b.first)]->state & ~b.second) != 0;
            return aLoses && !bLoses;
        });
        for (const auto& [i, next] : changes) {
            if (i >= static_cast<int>(m_rows.size())) continue;
            Row& row = *m_rows[static_cast<std::size_t>(i)];
            const UINT old = row.state;
            row.state = next;
            if ((next & LVIS_SELECTED) && !(old & LVIS_SELECTED)) m_selectionMark = i;
            SendChanged(i, old, next);
        }
    }

    void CheckChangedByUser(QTreeWidgetItem* item) {
        const int index = IndexOfItem(item);
        if (index < 0 || !Checkboxes()) return;
        Row& row = *m_rows[static_cast<std::size_t>(index)];
        const UINT image = item->checkState(0) == Qt::Checked ? 2 : 1;
        const UINT old = row.state;
        const UINT next = (old & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(image);
        if (next == old) return;
        row.state = next;
        SendChanged(index, old, next);
    }

    LRESULT NextItem(int start, int flags) const {
        const int count = static_cast<int>(m_rows.size());
        const bool below = !(flags & LVNI_ABOVE);
        for (int i = below ? start + 1 : start - 1; i >= 0 && i < count; i += below ? 1 : -1) {
            const UINT state = m_rows[static_cast<std::size_t>(i)]->state;
            if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) continue;
            if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) continue;
            return i;
        }
        return -1;
    }

    QTreeWidget* m_tree = nullptr;
    std::vector<Column> m_columns;
    std::vector<std::unique_ptr<Row>> m_rows;
    std::vector<Group> m_groups;
    bool m_groupView = false;
    DWORD m_exStyle = 0;
    IMAGELIST__* m_smallImages = nullptr;
    IMAGELIST__* m_normalImages = nullptr;
    IMAGELIST__* m_stateImages = nullptr;
    COLORREF m_textColor = CLR_DEFAULT;
    COLORREF m_textBkColor = CLR_DEFAULT;
    LRESULT m_prepaintResult = CDRF_DODEFAULT;
    std::map<std::pair<int, int>, std::pair<LRESULT, std::pair<COLORREF, COLORREF>>> m_looks;
    int m_selectionMark = -1;
    POINT m_dragStart{0, 0};
    int m_dragItem = -1;
    bool m_dragSent = false;
    bool m_inInput = false;
};

void ListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.sibling(index.row(), 0).data(kGroupRole).toBool()) {
        // A group header: its text over a line across the row.
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(157, 185, 235));
        const int y = option.rect.bottom();
        painter->drawLine(option.rect.left() + 2, y, option.rect.right() - 2, y);
        painter->restore();
        return;
    }
    const int row = m_control->RowOf(index);
    UINT state = 0;
    if (option.state & QStyle::State_Selected) state |= CDIS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= CDIS_FOCUS;
    const auto look = m_control->Look(row, index.column(), option.rect, state);
    QStyleOptionViewItem opt = option;
    if (look.hasBack && !(option.state & QStyle::State_Selected)) painter->fillRect(option.rect, look.back);
    if (look.hasText && !(option.state & QStyle::State_Selected)) opt.palette.setColor(QPalette::Text, look.text);
    QStyledItemDelegate::paint(painter, opt, index);
}

}  // namespace

CNativeControl* CreateListViewControl(HWND h) { return new ListViewControl(h); }

}  // namespace vorn_ui
