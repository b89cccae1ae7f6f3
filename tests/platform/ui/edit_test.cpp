// The edit control: typed characters reach the Qt widget through the messages (so a class
// that handles WM_CHAR decides), the parent hears of changes, and the EM_ messages count
// positions as the program does (a line break is two characters).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QInputMethodEvent>
#include <QWidget>

#include <string>

#include "notify_host.h"
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kEdit = 100, kOther = 101;

void Type(CWnd* wnd, const QString& text) {
    for (QChar c : text) vorn_test::KeyPress(wnd, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
}

// Drops every 'x', as an edit that filters its characters does.
class NoXEdit : public CEdit {
protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        if (nChar == 'x') return;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NoXEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// Records the characters it is given and drops the Hebrew letter alef, as a character filter does.
class CharLogEdit : public CEdit {
public:
    std::u32string chars;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        chars.push_back(static_cast<char32_t>(nChar));
        if (nChar == 0x05D0) return;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CharLogEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

}  // namespace

TEST(EditControl, EveryTypedCharacterPassesThroughWmChar) {
    // Keys the virtual-key table does not name and text an input method commits.
    struct Case {
        const char* name;
        int qtKey;             // 0: committed by an input method
        const char16_t* typed;
        const char32_t* chars;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"Hebrew letter", 0x05E9, u"\u05E9", U"\u05E9", L"\u05E9"},
        {"filtered Hebrew letter", 0x05D0, u"\u05D0", U"\u05D0", L""},
        {"accented letter", Qt::Key_Eacute, u"\u00E9", U"\u00E9", L"\u00E9"},
        {"input method", 0, u"\u05E9\u05DC\u05D5\u05DD", U"\u05E9\u05DC\u05D5\u05DD", L"\u05E9\u05DC\u05D5\u05DD"},
        {"input method with a filtered letter", 0, u"a\u05D0b", U"a\u05D0b", L"ab"},
    };
    for (const Case& c : cases) {
        NotifyHost host;
        CharLogEdit edit;
        ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 200, 32), &host, kEdit));
        edit.SetFocus();
        const QString typed = QString::fromUtf16(c.typed);
        if (c.qtKey) {
            vorn_test::KeyPress(&edit, c.qtKey, typed);
        } else {
            QInputMethodEvent compose(typed, {});
            QCoreApplication::sendEvent(edit.GetWidget()->focusProxy(), &compose);
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QCoreApplication::sendEvent(edit.GetWidget()->focusProxy(), &commit);
        }
        EXPECT_EQ(edit.chars, std::u32string(c.chars)) << c.name;
        CString text;
        edit.GetWindowText(text);
        EXPECT_EQ(text, CString(c.text)) << c.name;
    }
}

TEST(EditControl, TypingChangesTheTextAndTellsTheParent) {
    NotifyHost host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 32), &host, kEdit));
    edit.SetFocus();
    host.Clear();
    Type(&edit, "ab1");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L"ab1"));
    EXPECT_EQ(host.CommandCodes(kEdit), (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_TRUE(edit.GetModify());
    // Setting the text tells the parent as well.
    host.Clear();
    edit.SetWindowText(L"new");
    EXPECT_EQ(host.CommandCodes(kEdit), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
    EXPECT_FALSE(edit.GetModify());
    // Backspace acts through its key.
    edit.SetSel(3, 3);
    vorn_test::KeyPress(&edit, Qt::Key_Backspace, QStringLiteral("\b"));
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L"ne"));
}

TEST(EditControl, AClassThatHandlesWmCharDecidesWhatIsTyped) {
    NotifyHost host;
    NoXEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 200, 32), &host, kEdit));
    edit.SetFocus();
    Type(&edit, "axb");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L"ab"));
}

TEST(EditControl, StylesLimitWhatIsTyped) {
    struct Case {
        DWORD style;
        UINT limit;
        const char* typed;
        const wchar_t* expected;
        bool maxText;
    };
    const Case cases[] = {
        {ES_NUMBER, 0, "a1b2", L"12", false},
        {ES_UPPERCASE, 0, "ab", L"AB", false},
        {0, 3, "abcd", L"abc", true},
        {ES_READONLY, 0, "ab", L"", false},
    };
    for (const Case& c : cases) {
        NotifyHost host;
        CEdit edit;
        ASSERT_TRUE(edit.Create(WS_VISIBLE | c.style, CRect(10, 10, 200, 32), &host, kEdit));
        if (c.limit) edit.SetLimitText(c.limit);
        edit.SetFocus();
        Type(&edit, c.typed);
        CString text;
        edit.GetWindowText(text);
        EXPECT_EQ(text, CString(c.expected)) << c.typed;
        const auto codes = host.CommandCodes(kEdit);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), static_cast<int>(EN_MAXTEXT)) > 0, c.maxText) << c.typed;
    }
}

TEST(EditControl, MultiLinePositionsCountLineBreaksAsTwo) {
    NotifyHost host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, CRect(10, 10, 200, 120), &host, kEdit));
    edit.SetWindowText(L"one\r\ntwo\r\nthree");
    EXPECT_EQ(edit.GetLineCount(), 3);
    EXPECT_EQ(edit.LineIndex(1), 5);
    EXPECT_EQ(edit.LineIndex(2), 10);
    EXPECT_EQ(edit.LineLength(10), 5);
    EXPECT_EQ(edit.LineFromChar(6), 1);
    edit.SetSel(5, 8);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 8);
    edit.ReplaceSel(L"2\r\n2");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L"one\r\n2\r\n2\r\nthree"));
    wchar_t line[16] = {};
    EXPECT_EQ(edit.GetLine(3, line, 16), 5);
    EXPECT_EQ(std::wstring(line, 5), L"three");
}

TEST(EditControl, FocusChangesAreTold) {
    NotifyHost host;
    CEdit edit, other;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 200, 32), &host, kEdit));
    ASSERT_TRUE(other.Create(WS_VISIBLE, CRect(10, 40, 200, 62), &host, kOther));
    edit.SetFocus();
    host.Clear();
    other.SetFocus();
    EXPECT_EQ(host.CommandCodes(kEdit), std::vector<int>{EN_KILLFOCUS});
    EXPECT_EQ(host.CommandCodes(kOther), std::vector<int>{EN_SETFOCUS});
    // A click gives the focus too.
    vorn_test::Click(&edit, CPoint(5, 5));
    EXPECT_EQ(GetFocus(), edit.m_hWnd);
}

TEST(EditControl, FocusMovingIntoAToolkitDialogIsTold) {
    NotifyHost host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 200, 32), &host, kEdit));
    edit.SetFocus();
    host.Clear();
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(field, &in);
    EXPECT_EQ(host.CommandCodes(kEdit), std::vector<int>{EN_KILLFOCUS});
    EXPECT_EQ(GetFocus(), nullptr);
    dialog.hide();
    // Coming back gives the focus to the window again.
    vorn_test::Click(&edit, CPoint(5, 5));
    EXPECT_EQ(GetFocus(), edit.m_hWnd);
}
