// The editable list: when an in-place edit commits, cancels or removes its line; moving and
// sorting lines; copying and pasting them as text; the picture with the editor and the bar.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "controls/list_box_ex.h"
#include "controls/app_recent_documents.h"
#include "controls/list_box_ex_button_bar.h"
#include "controls/xml_file_list_box.h"
#include "language_pack_fixture.h"
#include "platform/ui/in_memory_clipboard.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "recording_wnd.h"
#include "../platform/ui/frame_picture.h"

namespace {

class BrowseCountingList : public CListBoxEx {
public:
    int browsed = 0;
    void OnBrowse(int) override { ++browsed; }
};

struct ListBoxFixture : EnglishPackTest {
    RecordingWnd host{420, 300};
    BrowseCountingList list;
    CListBoxExButtonBar bar{list};
    CWnd other;

    void SetUp() override {
        EnglishPackTest::SetUp();
        ASSERT_TRUE(list.Create(0, CRect(10, 40, 400, 240), &host, 1030));
        ASSERT_TRUE(bar.Create(L"Events", CRect(10, 10, 400, 36), &host, 1031));
        other.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 250, 400, 290), &host, 9);
    }
    void Fill(std::initializer_list<const wchar_t*> lines) {
        DWORD_PTR data = 100;
        for (const wchar_t* line : lines) list.SetItemData(list.AddString(line), data++);
    }
    std::vector<CString> Lines() const {
        std::vector<CString> out;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            out.push_back(text);
        }
        return out;
    }
};

}  // namespace

TEST_F(ListBoxFixture, EditorCommitsCancelsOrRemovesTheLine) {
    enum class End { Enter, Escape, ClickElsewhere };
    struct Case {
        const char* name;
        int line;  // 2: a new line at the end
        const wchar_t* typed;
        End end;
        std::vector<CString> lines;
    };
    const Case cases[] = {
        {"a new line cancelled goes", 2, L"", End::Escape, {L"Ada", L"Ben"}},
        {"a new line cancelled with text goes", 2, L"Cy", End::Escape, {L"Ada", L"Ben"}},
        {"a new line committed stays", 2, L"Cy", End::Enter, {L"Ada", L"Ben", L"Cy"}},
        {"an emptied line goes on commit", 0, L"", End::Enter, {L"Ben"}},
        {"an emptied line stays on cancel", 0, L"", End::Escape, {L"Ada", L"Ben"}},
        {"a changed line", 1, L"Bea", End::Enter, {L"Ada", L"Bea"}},
        {"a click elsewhere commits", 1, L"Bo", End::ClickElsewhere, {L"Ada", L"Bo"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        Fill({L"Ada", L"Ben"});
        list.BeginEdit(c.line);
        ASSERT_TRUE(list.GetEditor().IsWindowVisible()) << c.name;
        list.GetEditor().SetWindowText(c.typed);
        switch (c.end) {
        case End::Enter: vorn_test::KeyPress(&list.GetEditor(), Qt::Key_Return, "\r"); break;
        case End::Escape: vorn_test::KeyPress(&list.GetEditor(), Qt::Key_Escape); break;
        case End::ClickElsewhere: other.SetFocus(); break;
        }
        EXPECT_EQ(Lines(), c.lines) << c.name;
        EXPECT_FALSE(list.GetEditor().IsWindowVisible()) << c.name;
        EXPECT_EQ(list.GetEditedItem(), -1) << c.name;
    }
    list.ResetContent();
    Fill({L"Ada"});
    list.BeginEdit(0);
    list.GetEditor().SetWindowText(L"Ann");
    vorn_test::KeyPress(&list.GetEditor(), Qt::Key_Return, "\r");
    EXPECT_EQ(list.GetItemData(0), 100u) << "the line keeps its data";
}

TEST_F(ListBoxFixture, TheBrowseButtonKeepsTheEditorOpen) {
    Fill({L"plan.xml"});
    list.BeginEdit(0);
    CInPlaceButton& button = list.GetBrowseButton();
    ASSERT_TRUE(button.IsWindowVisible());
    CRect r;
    button.GetClientRect(&r);
    vorn_test::Click(&button, r.CenterPoint());
    EXPECT_EQ(list.browsed, 1);
    EXPECT_TRUE(list.GetEditor().IsWindowVisible());
    EXPECT_EQ(list.GetEditedItem(), 0);
}

TEST_F(ListBoxFixture, MovingAndSortingLines) {
    struct Case {
        const char* name;
        std::function<void()> act;
        std::vector<CString> lines;
    };
    auto altKey = [this](int key) {
        list.SetFocus();
        vorn_test::KeyPress(&list, key, QString(), Qt::AltModifier);
    };
    auto select = [this](int i) {
        list.SetSel(-1, FALSE);
        list.SetSel(i, TRUE);
        list.SetCaretIndex(i);
    };
    const Case cases[] = {
        {"up on the first line", [&] { list.MoveItemUp(0); }, {L"b", L"A", L"c"}},
        {"down on the last line", [&] { list.MoveItemDown(2); }, {L"b", L"A", L"c"}},
        {"Alt+Down", [&] { select(0); altKey(Qt::Key_Down); }, {L"A", L"b", L"c"}},
        {"Alt+Up", [&] { select(2); altKey(Qt::Key_Up); }, {L"b", L"c", L"A"}},
        {"sort ignores case", [&] { list.SortItems(); }, {L"A", L"b", L"c"}},
        {"sort from the bar", [&] { bar.RunCommand(CListBoxExButtonBar::kSort); }, {L"A", L"b", L"c"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        Fill({L"b", L"A", L"c"});
        c.act();
        EXPECT_EQ(Lines(), c.lines) << c.name;
    }
}

TEST_F(ListBoxFixture, CopyAndPasteCarryUnicodeLines) {
    CInMemoryClipboard clipboard;
    Fill({L"Ωmega", L"Zoë"});
    list.CopyItems();
    EXPECT_EQ(clipboard.GetText(), L"Ωmega\nZoë\n");

    struct Case {
        const char* name;
        const wchar_t* text;
        std::vector<CString> added;
    };
    const Case cases[] = {
        {"the last line without a line feed is kept", L"one\ntwo", {L"one", L"two"}},
        {"carriage returns and blanks are trimmed", L"  rar \r\n\tr\r\n", {L"rar", L"r"}},
        {"empty lines add nothing", L"\n\n  \nx\n", {L"x"}},
        {"non-Latin text", L"שלום\n", {L"שלום"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        clipboard.SetText(c.text);
        list.PasteItems();
        EXPECT_EQ(Lines(), c.added) << c.name;
    }
}

// The lists of the dialogs are list boxes of a template, taken over after the dialog gave them
// its font: the taken list gets its styles, becomes a drag list, and edits in that font.
TEST_F(ListBoxFixture, ADialogsListBoxTakenOverEditsInItsFontPicture) {
    list.ShowWindow(SW_HIDE);  // new children lie beneath their siblings
    bar.ShowWindow(SW_HIDE);
    HWND control = ::CreateWindowEx(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10,
                                    40, 390, 200, host.m_hWnd, reinterpret_cast<HMENU>(1050), nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    ::SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    CXmlFileListBox files;
    ASSERT_TRUE(files.SubclassWindow(control));
    CListBoxExButtonBar buttons{files};
    ASSERT_TRUE(buttons.Create(L"Events", CRect(10, 10, 400, 36), &host, 1051));
    EXPECT_EQ(files.GetStyle() & (LBS_EXTENDEDSEL | LBS_WANTKEYBOARDINPUT | WS_VSCROLL),
              static_cast<DWORD>(LBS_EXTENDEDSEL | LBS_WANTKEYBOARDINPUT | WS_VSCROLL));
    EXPECT_TRUE(files.GetExStyle() & WS_EX_CLIENTEDGE);
    for (const wchar_t* line : {L"Parents' evening.xml", L"Sports day.xml", L"Concert.xml"}) files.AddString(line);
    files.BeginEdit(1);
    ASSERT_EQ(files.GetEditedItem(), 1);
    EXPECT_TRUE(files.GetEditor().IsWindowVisible());
    EXPECT_TRUE(files.GetBrowseButton().IsWindowVisible());
    ASSERT_NE(files.GetFont(), nullptr);
    EXPECT_EQ(files.GetEditor().GetFont()->GetSafeHandle(), files.GetFont()->GetSafeHandle());
    vorn_test::MouseMove(&buttons, buttons.GetButtonRect(CListBoxExButtonBar::kSort).CenterPoint());
    EXPECT_EQ(buttons.GetHotButton(), CListBoxExButtonBar::kSort);
    EXPECT_FALSE(SaveWindowPicture(&host, "list_box_ex.png").isNull());
    files.EndEdit(TRUE);
}

TEST(RuntimeClasses, ControlsMadeByClassNameAreOfTheirClasses) {
    struct Case {
        const char* name;
        const CRuntimeClass* base;
    };
    const Case cases[] = {
        {"CListBoxEx", RUNTIME_CLASS(CDragListBox)},
        {"CInPlaceEdit", RUNTIME_CLASS(CEdit)},
        {"CInPlaceButton", RUNTIME_CLASS(CButton)},
        {"TabCtrl", RUNTIME_CLASS(CWnd)},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CObject> made(CRuntimeClass::CreateObject(c.name));
        ASSERT_NE(made, nullptr) << c.name;
        EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, c.name);
        EXPECT_TRUE(made->IsKindOf(c.base)) << c.name;
    }
    EXPECT_EQ(CRuntimeClass::CreateObject("CFolderTabCtrl"), nullptr);  // known, but not made by name
    EXPECT_NE(CRuntimeClass::FromName("CFolderTabCtrl"), nullptr);
}

TEST_F(ListBoxFixture, ButtonBarAsksBeforeClearingAndAddsChosenFiles) {
    CScriptedAnswerer answerer;
    struct Case {
        const char* name;
        int button;
        int answer;  // message box answer, or 0
        std::vector<CString> files;
        int addFilesAllowed;
        std::vector<CString> lines;
    };
    const Case cases[] = {
        {"clear refused", CListBoxExButtonBar::kClear, IDNO, {}, 0, {L"Ada", L"Ben"}},
        {"clear agreed", CListBoxExButtonBar::kClear, IDYES, {}, 0, {}},
        {"add files", CListBoxExButtonBar::kAddFiles, 0, {L"/p/a.xml", L"/p/b.xml"}, 1, {L"Ada", L"Ben", L"/p/a.xml", L"/p/b.xml"}},
        {"add files not allowed", CListBoxExButtonBar::kAddFiles, 0, {L"/p/a.xml"}, 0, {L"Ada", L"Ben"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        Fill({L"Ada", L"Ben"});
        list.m_bAddFilesAllowed = c.addFilesAllowed;
        if (c.answer) answerer.AnswerMessageBox(c.answer);
        if (!c.files.empty()) answerer.AnswerFiles(c.files);
        bar.RunCommand(c.button);
        EXPECT_EQ(Lines(), c.lines) << c.name;
    }
}

// A press on the bar while a line is edited ends the edit on that line before the button works.
TEST_F(ListBoxFixture, TheButtonBarEndsARunningEditFirst) {
    struct Case {
        const char* name;
        int button;
        std::vector<CString> lines;
    };
    const Case cases[] = {
        {"delete", CListBoxExButtonBar::kDelete, {L"Ben", L"Cy"}},
        {"sort", CListBoxExButtonBar::kSort, {L"Ben", L"Cy", L"EDITED"}},
        {"move down", CListBoxExButtonBar::kDown, {L"Ben", L"EDITED", L"Cy"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        Fill({L"Ada", L"Ben", L"Cy"});
        list.BeginEdit(0);
        list.GetEditor().SetWindowText(L"EDITED");
        vorn_test::Click(&bar, bar.GetButtonRect(c.button).CenterPoint());
        if (list.GetEditor().IsWindowVisible()) vorn_test::KeyPress(&list.GetEditor(), Qt::Key_Return, "\r");
        EXPECT_EQ(Lines(), c.lines) << c.name;
        EXPECT_EQ(list.GetEditedItem(), -1) << c.name;
    }
}

TEST_F(ListBoxFixture, XmlFileBrowseFillsTheEditorAndTheRecentDocuments) {
    // New children lie beneath their siblings: the fixture's list must not cover this one.
    list.ShowWindow(SW_HIDE);
    CXmlFileListBox files;
    ASSERT_TRUE(files.Create(0, CRect(10, 40, 400, 240), &host, 1040));
    files.AddString(L"old.xml");
    std::vector<CString> recent;
    SetRecentDocumentAdder([&](const CString& name, const CString& path, bool isTemplate) {
        recent.push_back(name + L"|" + path + (isTemplate ? L"|template" : L""));
    });
    CScriptedAnswerer answerer;
    answerer.AnswerFile(L"/plans/school.xml");
    files.BeginEdit(0);
    CRect r;
    files.GetBrowseButton().GetClientRect(&r);
    vorn_test::Click(&files.GetBrowseButton(), r.CenterPoint());
    CString text;
    files.GetEditor().GetWindowText(text);
    EXPECT_EQ(text, L"/plans/school.xml");
    EXPECT_EQ(recent, (std::vector<CString>{L"school.xml|/plans/school.xml"}));
    SetRecentDocumentAdder({});
}
