// The label editor: what it reports on Enter, Escape and a click elsewhere, and which
// characters typing and pasting let in.
#include <gtest/gtest.h>

#include <vector>

#include "controls/filter_edit.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/in_memory_clipboard.h"
#include "platform/ui/test_support.h"

namespace {

// The control that opens the editor: it records the end-of-label-edit notifications.
class LabelOwner : public CWnd {
public:
    LabelOwner() {
        CreateEx(0, nullptr, L"owner", WS_OVERLAPPED | WS_CAPTION, 0, 0, 400, 200, nullptr, nullptr);
        ShowWindow(SW_SHOW);
        other.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 150, 400, 200), this, 9);
    }
    struct Result {
        CString text;
        int item, subItem;
        bool fromSelf;
    };
    std::vector<Result> results;
    CWnd other;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
        const auto* info = reinterpret_cast<const NMLVDISPINFO*>(lParam);
        if (static_cast<int>(info->hdr.code) == LVN_ENDLABELEDITW)
            results.push_back({info->item.pszText, info->item.iItem, info->item.iSubItem, info->hdr.hwndFrom == m_hWnd});
        return TRUE;
    }
};

CFilterEdit& Open(LabelOwner& owner, const CString& initial, const CString& allowed) {
    CFilterEdit& edit = CFilterEdit::GetInstance();
    edit.m_nItem = 0;
    edit.m_nSubItem = 0;
    edit.m_strAllowed = allowed;
    edit.m_strInitial = initial;
    edit.m_bCancelled = 0;
    if (!edit.GetSafeHwnd())
        edit.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL, CRect(60, 10, 300, 32), &owner, 77);
    return edit;
}

void Type(CWnd* wnd, const char* text) {
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        const int key = c >= '0' && c <= '9' ? Qt::Key_0 + (c - '0') : Qt::Key_A + (c - 'a');
        vorn_test::KeyPress(wnd, key, QString(QChar(c)));
    }
}

}  // namespace

TEST(FilterEdit, ReportsTheTypedTextOrOnEscapeTheInitialOne) {
    enum class Close { Enter, Escape, ClickElsewhere };
    struct Case {
        const char* name;
        Close close;
        const wchar_t* reported;
    };
    const Case cases[] = {
        {"Enter", Close::Enter, L"break"},
        {"Escape", Close::Escape, L"Lesson 1"},
        {"a click elsewhere", Close::ClickElsewhere, L"break"},
    };
    CFilterEdit* first = nullptr;
    for (const auto& c : cases) {
        LabelOwner owner;
        CFilterEdit& edit = Open(owner, L"Lesson 1", L"");
        if (!first) first = &edit;
        EXPECT_EQ(&edit, first) << "the editor is reused";
        Type(&edit, "break");
        switch (c.close) {
        case Close::Enter: vorn_test::KeyPress(&edit, Qt::Key_Return, "\r"); break;
        case Close::Escape: vorn_test::KeyPress(&edit, Qt::Key_Escape); break;
        case Close::ClickElsewhere: owner.other.SetFocus(); break;
        }
        vorn_test::ProcessEvents();
        ASSERT_EQ(owner.results.size(), 1u) << c.name;
        EXPECT_EQ(owner.results[0].text, c.reported) << c.name;
        EXPECT_TRUE(owner.results[0].fromSelf) << c.name;
        EXPECT_FALSE(edit.GetSafeHwnd()) << c.name << ": the window closes, the editor stays";
    }
}

TEST(FilterEdit, AllowedCharactersHoldForTypingAndPasting) {
    CInMemoryClipboard clipboard;
    struct Case {
        const char* name;
        const char* typed;
        const wchar_t* pasted;  // pasted after typing, null for none
        const wchar_t* text;
    };
    const Case cases[] = {
        {"letters are dropped", "1a2", nullptr, L"12"},
        {"pasting keeps only digits", "", L"4x5 6", L"456"},
        {"a paste without allowed characters adds nothing", "7", L"abc", L"7"},
    };
    for (const auto& c : cases) {
        LabelOwner owner;
        CFilterEdit& edit = Open(owner, L"", L"0123456789");
        Type(&edit, c.typed);
        if (c.pasted) {
            clipboard.SetText(c.pasted);
            vorn_test::KeyPress(&edit, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        }
        CString text;
        edit.GetWindowText(text);
        EXPECT_EQ(text, c.text) << c.name;
        vorn_test::KeyPress(&edit, Qt::Key_Backspace, "\b");
        CString shorter;
        edit.GetWindowText(shorter);
        EXPECT_EQ(shorter, text.Left(std::max(0, text.GetLength() - 1))) << c.name << ": backspace still works";
        owner.other.SetFocus();
        vorn_test::ProcessEvents();
    }
}
