// The "COMBOBOX" control over QComboBox: drop-down list (CBS_DROPDOWNLIST), drop-down with
// an edit field (CBS_DROPDOWN) and simple (CBS_SIMPLE, an always-editable box), item data,
// sorting and owner-drawn entries. The window keeps the height of its selection field; the
// height it is given beyond that is the height of the dropped list, as with the system's box.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

#include "platform/ui/control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/owner_draw_delegate.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

int CompareNoCase(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive); }

class ComboBoxControl;

// QComboBox that tells its control when the list opens and closes, and lets an owner-drawn
// box draw its selection field through the owner.
class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(ComboBoxControl* control) : m_control(control) {}
    void showPopup() override;
    void hidePopup() override;
    bool Dropped() const { return m_dropped; }
    OwnerDrawDelegate* delegate = nullptr;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ComboBoxControl* m_control;
    bool m_dropped = false;
};

class ComboBoxControl : public CNativeControl {
public:
    explicit ComboBoxControl(HWND h) : CNativeControl(h) {
        const DWORD style = Style();
        m_combo = new ComboWidget(this);
        m_combo->setFrame(true);
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        m_combo->setMaxVisibleItems(30);
        const UINT kind = style & 3;
        if (kind == CBS_DROPDOWN || kind == CBS_SIMPLE) {
            m_combo->setEditable(true);
            m_combo->setCompleter(nullptr);
            QObject::connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, [this] {
                if (m_updating) return;
                Command(CBN_EDITUPDATE);
                Command(CBN_EDITCHANGE);
            });
        }
        if (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
            m_delegate = new OwnerDrawDelegate(h, ODT_COMBOBOX, (style & CBS_OWNERDRAWVARIABLE) != 0, m_combo);
            m_combo->setItemDelegate(m_delegate);
            m_combo->delegate = m_delegate;
        }
        QObject::connect(m_combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int) {
            if (!m_updating) Command(CBN_SELCHANGE);
        });
        QObject::connect(m_combo, qOverload<int>(&QComboBox::activated), this, [this](int) {
            if (!m_updating) Command(CBN_SELENDOK);
        });
        SetQtWidget(m_combo);
        m_droppedHeight = h->widget->height();
        KeepFieldHeight();
        if (kind != CBS_DROPDOWNLIST) SetText(h->text);
    }

    void Dropping(bool open) {
        if (open) Command(CBN_DROPDOWN);
        else Command(CBN_CLOSEUP);
    }

    void DrawField(QPainter& painter, const QRect& rect) {
        const int index = m_combo->currentIndex();
        UINT state = ODS_COMBOBOXEDIT;
        if (m_combo->hasFocus()) state |= ODS_SELECTED | ODS_FOCUS;
        if (!m_combo->isEnabled()) state |= ODS_DISABLED;
        const LPARAM data = index >= 0 ? static_cast<LPARAM>(m_combo->itemData(index, kItemDataRole).toLongLong()) : 0;
        m_delegate->DrawItem(painter, rect, index, state, data);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int count = m_combo->count();
        const int index = static_cast<int>(wParam);
        auto valid = [&](int i) { return i >= 0 && i < count; };
        switch (message) {
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED: {
            const LRESULT r = CNativeControl::WndProc(message, wParam, lParam);
            KeepFieldHeight();
            return r;
        }
        case CB_ADDSTRING: return Insert(-1, lParam, Style() & CBS_SORT);
        case CB_INSERTSTRING: return Insert(index, lParam, false);
        case CB_DELETESTRING: {
            if (!valid(index)) return CB_ERR;
            UpdatingScope scope(m_updating);
            m_combo->removeItem(index);
            if (m_delegate) m_delegate->Forget();
            return m_combo->count();
        }
        case CB_RESETCONTENT: {
            UpdatingScope scope(m_updating);
            m_combo->clear();
            if (m_combo->isEditable()) m_combo->setEditText(QString());
            if (m_delegate) m_delegate->Forget();
            return CB_OKAY;
        }
        case CB_GETCOUNT: return count;
        case CB_GETCURSEL: return m_combo->currentIndex();
        case CB_SETCURSEL: {
            UpdatingScope scope(m_updating);
            if (!valid(index)) {
                m_combo->setCurrentIndex(-1);
                if (m_combo->isEditable()) m_combo->setEditText(QString());
                return CB_ERR;
            }
            m_combo->setCurrentIndex(index);
            return index;
        }
        case CB_GETLBTEXT: {
            if (!valid(index)) return CB_ERR;
            const std::wstring text = m_combo->itemText(index).toStdWString();
            if (auto* buffer = reinterpret_cast<LPTSTR>(lParam)) {
                std::copy(text.begin(), text.end(), buffer);
                buffer[text.size()] = 0;
            }
            return static_cast<LRESULT>(text.size());
        }
        case CB_GETLBTEXTLEN:
            if (!valid(index)) return CB_ERR;
            return static_cast<LRESULT>(m_combo->itemText(index).toStdWString().size());
        case CB_FINDSTRING: return Find(index, lParam, false);
        case CB_FINDSTRINGEXACT: return Find(index, lParam, true);
        case CB_SELECTSTRING: {
            const LRESULT found = Find(index, lParam, false);
            if (found == CB_ERR) return CB_ERR;
            UpdatingScope scope(m_updating);
            m_combo->setCurrentIndex(static_cast<int>(found));
            return found;
        }
        case CB_GETITEMDATA:
            if (!valid(index)) return CB_ERR;
            return static_cast<LRESULT>(m_combo->itemData(index, kItemDataRole).toLongLong());
        case CB_SETITEMDATA:
            if (!valid(index)) return CB_ERR;
            m_combo->setItemData(index, static_cast<qlonglong>(lParam), kItemDataRole);
            return CB_OKAY;
        case CB_SHOWDROPDOWN:
            if (wParam && !m_combo->Dropped()) m_combo->showPopup();
            else if (!wParam && m_combo->Dropped()) m_combo->hidePopup();
            return TRUE;
        case CB_GETDROPPEDSTATE: return m_combo->Dropped() ? TRUE : FALSE;
        case CB_LIMITTEXT:
            if (m_combo->lineEdit()) m_combo->lineEdit()->setMaxLength(wParam ? static_cast<int>(wParam) : 32767);
            return TRUE;
        case CB_GETEDITSEL: {
            QLineEdit* edit = m_combo->lineEdit();
            int start = 0, end = 0;
            if (edit) {
                start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
                end = edit->hasSelectedText() ? edit->selectionEnd() : start;
            }
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
            return MAKELRESULT(start, end);
        }
        case CB_SETEDITSEL: {
            QLineEdit* edit = m_combo->lineEdit();
            if (!edit) return CB_ERR;
            const int length = static_cast<int>(edit->text().size());
            int start = static_cast<short>(LOWORD(lParam)), end = static_cast<short>(HIWORD(lParam));
            if (start < 0) {
                edit->deselect();
                return TRUE;
            }
            if (end < 0 || end > length) end = length;
            edit->setSelection(std::min(start, length), end - std::min(start, length));
            return TRUE;
        }
        case CB_GETITEMHEIGHT:
            if (m_delegate) return m_delegate->MeasureItem(index, 0);
            return QFontMetrics(m_combo->font()).height();
        case CB_SETITEMHEIGHT:
            if (m_delegate && index >= 0) m_delegate->SetFixedHeight(static_cast<int>(lParam));
            KeepFieldHeight();
            return 0;
        case CB_GETDROPPEDCONTROLRECT: {
            RECT rc;
            GetWindowRect(Window(), &rc);
            rc.bottom = rc.top + m_droppedHeight;
            *reinterpret_cast<RECT*>(lParam) = rc;
            return TRUE;
        }
        case CB_SETDROPPEDWIDTH:
            m_combo->view()->setMinimumWidth(static_cast<int>(wParam));
            return static_cast<LRESULT>(wParam);
        case CB_GETTOPINDEX: return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    void SetText(const std::wstring& text) override {
        if (!m_combo->isEditable()) {
            // A drop-down list shows only its entries: the text selects the entry it names.
            const int found = m_combo->findText(QString::fromStdWString(text), Qt::MatchFixedString);
            if (found >= 0) {
                UpdatingScope scope(m_updating);
                m_combo->setCurrentIndex(found);
            }
            return;
        }
        UpdatingScope scope(m_updating);
        m_combo->setEditText(QString::fromStdWString(text));
    }

    std::wstring GetText() const override {
        if (m_combo->isEditable()) return m_combo->currentText().toStdWString();
        const int index = m_combo->currentIndex();
        return index >= 0 ? m_combo->itemText(index).toStdWString() : std::wstring();
    }

    UINT CtlColorMessage() const override { return WM_CTLCOLOREDIT; }
    UINT DlgCode(const MSG*) const override {
        return DLGC_WANTCHARS | DLGC_WANTARROWS | (m_combo->Dropped() ? DLGC_WANTALLKEYS : 0u);
    }
    void OnFocus(bool gained) override { Command(gained ? CBN_SETFOCUS : CBN_KILLFOCUS); }

private:
    void KeepFieldHeight() {
        HWND h = Window();
        QWidget* container = h->widget.data();
        if (!container || (Style() & 3) == CBS_SIMPLE) return;
        int field = m_combo->sizeHint().height();
        if (m_delegate) field = std::max(field, m_delegate->MeasureItem(-1, 0) + 6);
        const int height = field + NonClientMargins(h).top() + NonClientMargins(h).bottom();
        if (container->height() != height) {
            m_droppedHeight = std::max(m_droppedHeight, container->height());
            container->resize(container->width(), height);
        }
    }

    LRESULT Insert(int index, LPARAM lParam, bool sorted) {
        const DWORD style = Style();
        const bool hasStrings = !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
        const QString text = hasStrings ? QString::fromStdWString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : L"") : QString();
        const qlonglong data = hasStrings ? 0 : static_cast<qlonglong>(lParam);
        const int count = m_combo->count();
        if (sorted && hasStrings) {
            index = 0;
            while (index < count && CompareNoCase(m_combo->itemText(index), text) <= 0) ++index;
        } else if (index < 0) {
            index = count;
        } else if (index > count) {
            return CB_ERR;
        }
        UpdatingScope scope(m_updating);
        const int current = m_combo->currentIndex();
        m_combo->insertItem(index, text);
        m_combo->setItemData(index, data, kItemDataRole);
        // Adding entries never selects one.
        if (current < 0 && m_combo->currentIndex() >= 0) m_combo->setCurrentIndex(-1);
        if (m_delegate) m_delegate->Forget();
        return index;
    }

    LRESULT Find(int start, LPARAM lParam, bool exact) const {
        const int count = m_combo->count();
        if (count == 0) return CB_ERR;
        const DWORD style = Style();
        const bool hasStrings = !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
        if (start < -1 || start >= count) start = -1;
        const QString text = hasStrings ? QString::fromStdWString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : L"") : QString();
        for (int n = 0; n < count; ++n) {
            const int r = (start + 1 + n) % count;
            if (!hasStrings) {
                if (m_combo->itemData(r, kItemDataRole).toLongLong() == static_cast<qlonglong>(lParam)) return r;
                continue;
            }
            const QString item = m_combo->itemText(r);
            if (exact ? CompareNoCase(item, text) == 0 : item.startsWith(text, Qt::CaseInsensitive)) return r;
        }
        return CB_ERR;
    }

    ComboWidget* m_combo = nullptr;
    OwnerDrawDelegate* m_delegate = nullptr;
    int m_droppedHeight = 0;
};

void ComboWidget::showPopup() {
    m_dropped = true;
    m_control->Dropping(true);
    QComboBox::showPopup();
}

void ComboWidget::hidePopup() {
    QComboBox::hidePopup();
    if (!m_dropped) return;
    m_dropped = false;
    m_control->Dropping(false);
}

void ComboWidget::paintEvent(QPaintEvent* e) {
    if (!delegate) {
        QComboBox::paintEvent(e);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    m_control->DrawField(painter, field);
}

}  // namespace

CNativeControl* CreateComboBoxControl(HWND h) { return new ComboBoxControl(h); }

}  // namespace vorn_ui
