// The "LISTBOX" control over QListWidget: single, multiple (LBS_MULTIPLESEL) and extended
// (LBS_EXTENDEDSEL) selection, item data, sorting, owner-drawn items.
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>
#include <climits>

#include "platform/ui/control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/owner_draw_delegate.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

int CompareNoCase(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive); }

class ListBoxControl : public CNativeControl {
public:
    explicit ListBoxControl(HWND h) : CNativeControl(h) {
        const DWORD style = Style();
        m_list = new QListWidget;
        m_list->setFrameShape(QFrame::NoFrame);
        m_list->setUniformItemSizes(!(style & LBS_OWNERDRAWVARIABLE));
        if (style & LBS_NOSEL) m_list->setSelectionMode(QAbstractItemView::NoSelection);
        else if (style & LBS_EXTENDEDSEL) m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        else if (style & LBS_MULTIPLESEL) m_list->setSelectionMode(QAbstractItemView::MultiSelection);
        else m_list->setSelectionMode(QAbstractItemView::SingleSelection);
        m_list->setVerticalScrollBarPolicy((style & LBS_DISABLENOSCROLL) ? Qt::ScrollBarAlwaysOn
                                           : (style & WS_VSCROLL)        ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
        m_list->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        ApplyOwnerDraw();
        QObject::connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
            if (!m_updating && (Style() & LBS_NOTIFY)) Command(LBN_SELCHANGE);
        });
        QObject::connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
            if (!m_updating && (Style() & LBS_NOTIFY)) Command(LBN_DBLCLK);
        });
        SetQtWidget(m_list);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int count = m_list->count();
        const int index = static_cast<int>(wParam);
        auto valid = [&](int i) { return i >= 0 && i < count; };
        switch (message) {
        case LB_ADDSTRING: return Insert(-1, lParam, Style() & LBS_SORT);
        case LB_INSERTSTRING: return Insert(index, lParam, false);
        case LB_DELETESTRING:
            if (!valid(index)) return LB_ERR;
            {
                UpdatingScope scope(m_updating);
                delete m_list->takeItem(index);
            }
            if (m_delegate) m_delegate->Forget();
            return m_list->count();
        case LB_RESETCONTENT: {
            UpdatingScope scope(m_updating);
            m_list->clear();
            if (m_delegate) m_delegate->Forget();
            return 0;
        }
        case LB_GETCOUNT: return count;
        case LB_GETCURSEL:
            if (IsMulti()) return m_list->currentRow();
            return SelectedRow();
        case LB_SETCURSEL: {
            if (IsMulti()) return LB_ERR;
            UpdatingScope scope(m_updating);
            if (!valid(index)) {
                m_list->clearSelection();
                m_list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
                return index == -1 ? 0 : LB_ERR;
            }
            m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
            m_list->scrollToItem(m_list->item(index));
            return index;
        }
        case LB_GETSEL: {
            const int i = static_cast<int>(wParam);
            if (!valid(i)) return LB_ERR;
            return m_list->item(i)->isSelected() ? 1 : 0;
        }
        case LB_SETSEL: {
            if (!IsMulti()) return LB_ERR;
            const int i = static_cast<int>(lParam);
            UpdatingScope scope(m_updating);
            if (i == -1) {
                for (int r = 0; r < count; ++r) m_list->item(r)->setSelected(wParam != 0);
                return 0;
            }
            if (!valid(i)) return LB_ERR;
            m_list->item(i)->setSelected(wParam != 0);
            return 0;
        }
        case LB_SELITEMRANGE:
        case LB_SELITEMRANGEEX: {
            if (!IsMulti()) return LB_ERR;
            int first = message == LB_SELITEMRANGE ? LOWORD(lParam) : index;
            int last = message == LB_SELITEMRANGE ? HIWORD(lParam) : static_cast<int>(lParam);
            bool select = message == LB_SELITEMRANGE ? wParam != 0 : first <= last;
            if (first > last) std::swap(first, last);
            UpdatingScope scope(m_updating);
            for (int r = std::max(0, first); r <= std::min(last, count - 1); ++r) m_list->item(r)->setSelected(select);
            return 0;
        }
        case LB_GETSELCOUNT: {
            if (!IsMulti()) return LB_ERR;
            return static_cast<LRESULT>(m_list->selectedItems().size());
        }
        case LB_GETSELITEMS: {
            if (!IsMulti()) return LB_ERR;
            auto* out = reinterpret_cast<int*>(lParam);
            int n = 0;
            for (int r = 0; r < count && n < index; ++r)
                if (m_list->item(r)->isSelected()) out[n++] = r;
            return n;
        }
        case LB_GETTEXT: {
            if (!valid(index)) return LB_ERR;
            const std::wstring text = m_list->item(index)->text().toStdWString();
            auto* buffer = reinterpret_cast<LPTSTR>(lParam);
            if (buffer) {
                std::copy(text.begin(), text.end(), buffer);
                buffer[text.size()] = 0;
            }
            return static_cast<LRESULT>(text.size());
        }
        case LB_GETTEXTLEN:
            if (!valid(index)) return LB_ERR;
            return static_cast<LRESULT>(m_list->item(index)->text().toStdWString().size());
        case LB_FINDSTRING: return Find(index, lParam, false);
        case LB_FINDSTRINGEXACT: return Find(index, lParam, true);
        case LB_SELECTSTRING: {
            const LRESULT found = Find(index, lParam, false);
            if (found == LB_ERR || IsMulti()) return found;
            UpdatingScope scope(m_updating);
            m_list->setCurrentRow(static_cast<int>(found), QItemSelectionModel::ClearAndSelect);
            return found;
        }
        case LB_GETITEMDATA:
            if (!valid(index)) return LB_ERR;
            return static_cast<LRESULT>(m_list->item(index)->data(kItemDataRole).toLongLong());
        case LB_SETITEMDATA:
            if (!valid(index)) return LB_ERR;
            m_list->item(index)->setData(kItemDataRole, static_cast<qlonglong>(lParam));
            return 0;
        case LB_GETTOPINDEX: {
            const int top = m_list->indexAt(QPoint(1, 1)).row();
            return top < 0 ? 0 : top;
        }
        case LB_SETTOPINDEX:
            if (!valid(index)) return LB_ERR;
            m_list->scrollToItem(m_list->item(index), QAbstractItemView::PositionAtTop);
            return 0;
        case LB_GETITEMRECT: {
            if (!valid(index)) return LB_ERR;
            const QRect r = m_list->visualItemRect(m_list->item(index));
            *reinterpret_cast<RECT*>(lParam) = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
            return 0;
        }
        case LB_ITEMFROMPOINT: {
            const QPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            const QModelIndex at = m_list->indexAt(p);
            if (at.isValid()) return MAKELRESULT(at.row(), 0);
            return MAKELRESULT(std::max(0, count - 1), 1);
        }
        case LB_GETITEMHEIGHT:
            if (m_delegate) return m_delegate->MeasureItem(m_list->uniformItemSizes() ? 0 : index, 0);
            return QFontMetrics(m_list->font()).height();
        case LB_SETITEMHEIGHT:
            if (m_delegate) m_delegate->SetFixedHeight(LOWORD(lParam));
            m_list->doItemsLayout();
            return 0;
        case LB_GETCARETINDEX: return m_list->currentRow();
        case LB_SETCARETINDEX: {
            if (!valid(index)) return LB_ERR;
            UpdatingScope scope(m_updating);
            m_list->setCurrentRow(index, QItemSelectionModel::NoUpdate);
            return 0;
        }
        case WM_STYLECHANGED:
            if (wParam == static_cast<WPARAM>(GWL_STYLE)) ApplyOwnerDraw();
            return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return WM_CTLCOLORLISTBOX; }
    UINT DlgCode(const MSG*) const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void OnFocus(bool gained) override { Command(gained ? LBN_SETFOCUS : LBN_KILLFOCUS); }

private:
    // Owner-drawn items draw through the owner, whether the style came at creation or later
    // (a class that subclasses a template list box may add it).
    void ApplyOwnerDraw() {
        const DWORD style = Style();
        const bool owner = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
        const bool variable = (style & LBS_OWNERDRAWVARIABLE) != 0;
        if (m_delegate && (!owner || variable != m_delegateVariable)) {
            m_delegate->Forget();
            m_list->setItemDelegate(nullptr);
            m_delegate->deleteLater();
            m_delegate = nullptr;
        }
        if (owner && !m_delegate) {
            m_delegate = new OwnerDrawDelegate(Window(), ODT_LISTBOX, variable, m_list);
            m_delegateVariable = variable;
            m_list->setItemDelegate(m_delegate);
        }
        m_list->setUniformItemSizes(!variable);
        m_list->viewport()->update();
    }

    bool IsMulti() const { return (Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
    bool HasStrings() const {
        const DWORD style = Style();
        return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
    }

    int SelectedRow() const {
        for (int r = 0; r < m_list->count(); ++r)
            if (m_list->item(r)->isSelected()) return r;
        return LB_ERR;
    }

    LRESULT Insert(int index, LPARAM lParam, bool sorted) {
        auto* item = new QListWidgetItem;
        if (HasStrings()) {
            item->setText(QString::fromStdWString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : L""));
            item->setData(kItemDataRole, qlonglong(0));
        } else {
            item->setData(kItemDataRole, static_cast<qlonglong>(lParam));
        }
        const int count = m_list->count();
        if (sorted && HasStrings()) {
            index = 0;
            while (index < count && CompareNoCase(m_list->item(index)->text(), item->text()) <= 0) ++index;
        } else if (index < 0 || index > count) {
            if (index > count) {
                delete item;
                return LB_ERR;
            }
            index = count;
        }
        UpdatingScope scope(m_updating);
        m_list->insertItem(index, item);
        if (m_delegate) m_delegate->Forget();
        return index;
    }

    // Items whose text begins with (or equals) the text, without regard to case, searching
    // from the item after start and wrapping round.
    LRESULT Find(int start, LPARAM lParam, bool exact) const {
        const int count = m_list->count();
        if (count == 0) return LB_ERR;
        if (!HasStrings()) {
            for (int n = 0; n < count; ++n) {
                const int r = (start + 1 + n + count) % count;
                if (m_list->item(r)->data(kItemDataRole).toLongLong() == static_cast<qlonglong>(lParam)) return r;
            }
            return LB_ERR;
        }
        const QString text = QString::fromStdWString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : L"");
        if (start < -1 || start >= count) start = -1;
        for (int n = 0; n < count; ++n) {
            const int r = (start + 1 + n) % count;
            const QString item = m_list->item(r)->text();
            if (exact ? CompareNoCase(item, text) == 0 : item.startsWith(text, Qt::CaseInsensitive)) return r;
        }
        return LB_ERR;
    }

    QListWidget* m_list = nullptr;
    OwnerDrawDelegate* m_delegate = nullptr;
    bool m_delegateVariable = false;
};

}  // namespace

CNativeControl* CreateListBoxControl(HWND h) { return new ListBoxControl(h); }

}  // namespace vorn_ui
