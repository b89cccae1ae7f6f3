// The "EDIT" control: one line (QLineEdit) or several (QPlainTextEdit, ES_MULTILINE). Lines
// of a multi-line edit are separated by "\r\n" in its text and its character positions, as
// the program expects; Qt keeps "\n".
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <climits>

#include "platform/ui/control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

class EditControl : public CNativeControl {
public:
    explicit EditControl(HWND h) : CNativeControl(h) {
        const DWORD style = Style();
        if (style & ES_MULTILINE) {
            m_multi = new QPlainTextEdit;
            m_multi->setFrameShape(QFrame::NoFrame);
            m_multi->setLineWrapMode((style & ES_AUTOHSCROLL) && !(style & WS_HSCROLL) ? QPlainTextEdit::NoWrap
                                                                                      : QPlainTextEdit::WidgetWidth);
            if (!(style & WS_VSCROLL)) m_multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            if (!(style & WS_HSCROLL)) m_multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_multi->setReadOnly(style & ES_READONLY);
            m_multi->setTabChangesFocus(true);
            QObject::connect(m_multi, &QPlainTextEdit::textChanged, this, [this] {
                if (!m_updating) Changed();
            });
            SetQtWidget(m_multi);
        } else {
            m_line = new QLineEdit;
            m_line->setFrame(false);
            m_line->setReadOnly(style & ES_READONLY);
            if (style & ES_PASSWORD) m_line->setEchoMode(QLineEdit::Password);
            if (style & ES_CENTER) m_line->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            else if (style & ES_RIGHT) m_line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_line->setMaxLength(m_limit);
            QObject::connect(m_line, &QLineEdit::textEdited, this, [this] {
                if (!m_updating) Changed();
            });
            SetQtWidget(m_line);
        }
        SetText(h->text);
        m_ready = true;
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CHAR: return OnChar(wParam, lParam);
        case EM_GETSEL: {
            const auto [start, end] = Selection();
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
            return MAKELRESULT(std::min(start, 0xFFFF), std::min(end, 0xFFFF));
        }
        case EM_SETSEL: SetSelection(static_cast<int>(wParam), static_cast<int>(lParam)); return 0;
        case EM_REPLACESEL: ReplaceSelection(lParam ? reinterpret_cast<LPCTSTR>(lParam) : L""); return 0;
        case EM_SETLIMITTEXT: {
            m_limit = wParam == 0 ? (m_multi ? INT_MAX : 0x7FFFFFFE) : static_cast<int>(std::min<WPARAM>(wParam, INT_MAX));
            if (m_line) m_line->setMaxLength(std::min(m_limit, 32767 * 1024));
            return 0;
        }
        case EM_GETLIMITTEXT: return m_limit;
        case EM_SETREADONLY:
            if (wParam) Window()->style |= ES_READONLY;
            else Window()->style &= ~static_cast<DWORD>(ES_READONLY);
            if (m_line) m_line->setReadOnly(wParam != 0);
            if (m_multi) m_multi->setReadOnly(wParam != 0);
            return TRUE;
        case EM_CANUNDO:
            return m_line ? m_line->isUndoAvailable() : m_multi->document()->isUndoAvailable();
        case EM_UNDO:
        case WM_UNDO: {
            const bool can = m_line ? m_line->isUndoAvailable() : m_multi->document()->isUndoAvailable();
            if (m_line) m_line->undo();
            else m_multi->undo();
            if (can && m_line) Changed();
            return can;
        }
        case EM_EMPTYUNDOBUFFER:
            if (m_multi) m_multi->document()->clearUndoRedoStacks();
            else {
                UpdatingScope scope(m_updating);
                const QString text = m_line->text();
                const int pos = m_line->cursorPosition();
                m_line->setText(text);
                m_line->setCursorPosition(pos);
            }
            return 0;
        case EM_SCROLLCARET:
            if (m_multi) m_multi->ensureCursorVisible();
            return TRUE;
        case EM_GETMODIFY: return m_modified;
        case EM_SETMODIFY: m_modified = wParam != 0; return 0;
        case EM_SETPASSWORDCHAR:
            if (m_line) m_line->setEchoMode(wParam ? QLineEdit::Password : QLineEdit::Normal);
            return 0;
        case EM_GETPASSWORDCHAR: return m_line && m_line->echoMode() == QLineEdit::Password ? L'*' : 0;
        case EM_GETLINECOUNT: return m_multi ? m_multi->document()->blockCount() : 1;
        case EM_LINEINDEX: return LineIndex(static_cast<int>(wParam));
        case EM_LINELENGTH: return LineLength(static_cast<int>(wParam));
        case EM_LINEFROMCHAR: return LineFromChar(static_cast<int>(wParam));
        case EM_GETLINE: return GetLine(static_cast<int>(wParam), reinterpret_cast<LPTSTR>(lParam));
        case EM_GETFIRSTVISIBLELINE:
            return m_multi ? m_multi->verticalScrollBar()->value() : 0;
        case EM_LINESCROLL:
            if (m_multi) m_multi->verticalScrollBar()->setValue(m_multi->verticalScrollBar()->value() + static_cast<int>(lParam));
            return TRUE;
        case WM_CUT:
            if (m_line) m_line->cut();
            else m_multi->cut();
            Changed();
            return 0;
        case WM_COPY:
            if (m_line) m_line->copy();
            else m_multi->copy();
            return 0;
        case WM_PASTE:
            if (m_line) m_line->paste();
            else m_multi->paste();
            if (m_line) Changed();
            return 0;
        case WM_CLEAR: ReplaceSelection(L""); return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    void SetText(const std::wstring& text) override {
        {
            UpdatingScope scope(m_updating);
            if (m_line) {
                m_line->setText(QString::fromStdWString(text));
                m_line->setCursorPosition(0);
            } else {
                QString t = QString::fromStdWString(text);
                t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
                m_multi->setPlainText(t);
            }
        }
        m_modified = false;
        // Setting the text of an edit tells the parent as typing does.
        if (m_ready && Parent()) {
            Command(EN_UPDATE);
            Command(EN_CHANGE);
        }
    }

    std::wstring GetText() const override {
        if (m_line) return m_line->text().toStdWString();
        QString t = m_multi->toPlainText();
        t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return t.toStdWString();
    }

    UINT CtlColorMessage() const override {
        return (Style() & (ES_READONLY | WS_DISABLED)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    }

    UINT DlgCode(const MSG* msg) const override {
        UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (m_multi && msg && msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_RETURN) &&
            (Style() & ES_WANTRETURN))
            code |= DLGC_WANTALLKEYS;
        return code;
    }

    void OnFocus(bool gained) override { Command(gained ? EN_SETFOCUS : EN_KILLFOCUS); }

private:
    void Changed() {
        m_modified = true;
        Command(EN_UPDATE);
        Command(EN_CHANGE);
    }

    int Length() const { return static_cast<int>(GetText().size()); }

    LRESULT OnChar(WPARAM wParam, LPARAM lParam) {
        auto c = static_cast<wchar_t>(wParam);
        const DWORD style = Style();
        if (c >= 0x20 && c != 0x7F) {
            if (style & ES_READONLY) return 0;
            if ((style & ES_NUMBER) && !(c >= L'0' && c <= L'9')) return 0;
            if (style & ES_UPPERCASE) c = static_cast<wchar_t>(QChar(c).toUpper().unicode());
            if (style & ES_LOWERCASE) c = static_cast<wchar_t>(QChar(c).toLower().unicode());
            const auto [start, end] = Selection();
            if (Length() - (end - start) >= m_limit) {
                Command(EN_MAXTEXT);
                return 0;
            }
        }
        return CNativeControl::WndProc(WM_CHAR, static_cast<WPARAM>(c), lParam);
    }

    // Windows positions (CRLF counts two) <-> Qt positions in a multi-line edit.
    int ToQt(int pos) const {
        if (!m_multi) return pos;
        const QString t = m_multi->toPlainText();
        int win = 0, qt = 0;
        for (; qt < t.size() && win < pos; ++qt) win += t[qt] == QLatin1Char('\n') ? 2 : 1;
        return qt;
    }
    int ToWin(int pos) const {
        if (!m_multi) return pos;
        const QString t = m_multi->toPlainText();
        int win = 0;
        for (int qt = 0; qt < pos && qt < t.size(); ++qt) win += t[qt] == QLatin1Char('\n') ? 2 : 1;
        return win;
    }

    std::pair<int, int> Selection() const {
        if (m_line) {
            if (!m_line->hasSelectedText()) return {m_line->cursorPosition(), m_line->cursorPosition()};
            return {m_line->selectionStart(), m_line->selectionEnd()};
        }
        const QTextCursor c = m_multi->textCursor();
        return {ToWin(c.selectionStart()), ToWin(c.selectionEnd())};
    }

    void SetSelection(int start, int end) {
        const int length = Length();
        if (start == -1) {  // removes the selection
            const auto [s, e] = Selection();
            (void)s;
            start = end = e;
        }
        if (end < 0 || end > length) end = length;
        start = std::clamp(start, 0, length);
        if (m_line) {
            m_line->setSelection(start, end - start);
            if (start == end) m_line->setCursorPosition(start);
        } else {
            QTextCursor c = m_multi->textCursor();
            c.setPosition(ToQt(start));
            c.setPosition(ToQt(end), QTextCursor::KeepAnchor);
            m_multi->setTextCursor(c);
        }
    }

    void ReplaceSelection(const std::wstring& text) {
        QString t = QString::fromStdWString(text);
        {
            UpdatingScope scope(m_updating);
            if (m_line) {
                m_line->insert(t);
            } else {
                t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
                m_multi->textCursor().insertText(t);
            }
        }
        Changed();
    }

    int LineIndex(int line) const {
        if (!m_multi) return line <= 0 ? 0 : -1;
        if (line < 0) line = m_multi->textCursor().blockNumber();
        const QTextBlock block = m_multi->document()->findBlockByNumber(line);
        return block.isValid() ? ToWin(block.position()) : -1;
    }

    int LineLength(int index) const {
        if (!m_multi) return Length();
        if (index < 0) return 0;
        const QTextBlock block = m_multi->document()->findBlock(ToQt(index));
        return block.isValid() ? block.length() - 1 : 0;
    }

    int LineFromChar(int index) const {
        if (!m_multi) return 0;
        if (index < 0) return m_multi->textCursor().blockNumber();
        const QTextBlock block = m_multi->document()->findBlock(ToQt(index));
        return block.isValid() ? block.blockNumber() : m_multi->document()->blockCount() - 1;
    }

    // The first word of the buffer holds its size in characters; the line is not terminated.
    int GetLine(int line, LPTSTR buffer) const {
        if (!buffer) return 0;
        const int max = static_cast<int>(*reinterpret_cast<WORD*>(buffer));
        std::wstring text;
        if (m_line) text = GetText();
        else {
            const QTextBlock block = m_multi->document()->findBlockByNumber(line);
            if (!block.isValid()) return 0;
            text = block.text().toStdWString();
        }
        const int n = std::min<int>(max, static_cast<int>(text.size()));
        std::copy_n(text.c_str(), n, buffer);
        return n;
    }

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_multi = nullptr;
    int m_limit = 30000;
    bool m_modified = false;
    bool m_ready = false;
};

}  // namespace

CNativeControl* CreateEditControl(HWND h) { return new EditControl(h); }

}  // namespace vorn_ui
