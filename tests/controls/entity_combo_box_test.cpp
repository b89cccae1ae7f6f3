// The entity chooser: its four groups and the match rule over a small plan, moving through the
// open list with the arrow keys, applying the choice when the list closes, and the picture of
// the open list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <string>
#include <vector>

#include "controls/app_document.h"
#include "controls/entity_combo_box.h"
#include "language_pack_fixture.h"
#include "model/schedule_data.h"
#include "platform/ui/test_support.h"
#include "recording_wnd.h"

namespace {

struct ComboFixture : EnglishPackTest {
    CScheduleData data;
    RecordingWnd host{400, 400};
    CEntityComboBox box;

    void AddEntity(int id, const wchar_t* name, int type, bool unavailable = false) {
        CEntity e;
        e.m_nId = id;
        e.m_strName = name;
        e.m_nType = type;
        e.m_bUnavailable = unavailable;
        data.m_arrEntities.push_back(e);
    }
    void SetUp() override {
        EnglishPackTest::SetUp();
        AddEntity(1, L"4B", 0);
        AddEntity(2, L"4a", 0);
        AddEntity(3, L"Ada", 1);
        AddEntity(4, L"Dan", 2, true);
        AddEntity(5, L"ben", 2);
        AddEntity(6, L"Lab", 4);
        AddEntity(7, L"Bea", 3);
        AddEntity(8, L"Beamer", 5);
        SetAppDocument(&data);
        ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                               CRect(10, 10, 250, 300), &host, 1234));
    }
    void TearDown() override {
        vorn_test::ProcessEvents();  // what the box posted to itself reaches it while it lives
        SetAppDocument(nullptr);
        EnglishPackTest::TearDown();
    }
    // The list as text: headings in brackets, entities indented.
    std::vector<std::string> Listed() {
        std::vector<std::string> out;
        for (int i = 0; i < box.GetCount(); ++i) {
            CString text;
            box.GetLBText(i, text);
            const auto& entry = box.GetEntries()[i];
            std::string line = entry.level == 0 ? "[" : "  ";
            line += text.ToUtf8();
            if (entry.level == 0) line += "]";
            out.push_back(line);
        }
        return out;
    }
    QComboBox* Combo() {
        if (auto* combo = qobject_cast<QComboBox*>(box.GetWidget())) return combo;
        return box.GetWidget()->findChild<QComboBox*>();
    }
};

}  // namespace

TEST_F(ComboFixture, GroupsAndTheMatchRule) {
    struct Case {
        const wchar_t* filter;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {L"", {"[Classes]", "  4B", "  4a", "[Teachers]", "  Ada", "  ben", "[Assistants]", "  Bea", "[Equipment]", "  Beamer"}},
        {L"b", {"[Classes]", "[Teachers]", "  ben", "[Assistants]", "  Bea", "[Equipment]", "  Beamer"}},  // prefix, any case
        {L"a", {"[Classes]", "[Teachers]", "  Ada", "[Assistants]", "[Equipment]"}},  // not "4a": one character is a prefix
        {L"EA", {"[Classes]", "[Teachers]", "[Assistants]", "  Bea", "[Equipment]", "  Beamer"}},  // contained, any case
        {L"4", {"[Classes]", "  4B", "  4a", "[Teachers]", "[Assistants]", "[Equipment]"}},
    };
    for (const auto& c : cases) {
        box.GetFilterEdit().SetWindowText(c.filter);
        box.Filter();
        EXPECT_EQ(Listed(), c.listed) << CString(c.filter).ToUtf8();
    }
}

// Letters beyond A-Z fold their case too, as the user's language compares them.
TEST_F(ComboFixture, TheMatchFoldsTheCaseOfEveryLetter) {
    AddEntity(11, L"\u00c4rzte", 1);
    AddEntity(12, L"\u00c9lodie", 1);
    AddEntity(13, L"Anna-\u00c5sa", 1);
    struct Case {
        const wchar_t* filter;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {L"\u00e4", {"\u00c4rzte"}},
        {L"\u00e9", {"\u00c9lodie"}},
        {L"\u00e5sa", {"Anna-\u00c5sa"}},
        {L"A", {"Ada", "Anna-\u00c5sa"}},  // an "a" is not an "\u00e4"
        {L"RZT", {"\u00c4rzte"}},
    };
    for (const auto& c : cases) {
        box.GetFilterEdit().SetWindowText(c.filter);
        box.Filter();
        std::vector<std::string> names;
        for (const std::string& line : Listed())
            if (line.rfind("  ", 0) == 0) names.push_back(line.substr(2));
        EXPECT_EQ(names, c.names) << CString(c.filter).ToUtf8();
    }
}

TEST_F(ComboFixture, TypingIntoTheFilterFieldFilters) {
    box.ShowDropDown(TRUE);
    vorn_test::ProcessEvents();
    box.GetFilterEdit().SetFocus();
    vorn_test::KeyPress(&box.GetFilterEdit(), Qt::Key_B, "b");
    vorn_test::ProcessEvents();
    EXPECT_EQ(Listed(), (std::vector<std::string>{"[Classes]", "[Teachers]", "  ben", "[Assistants]", "  Bea", "[Equipment]", "  Beamer"}));
    box.ShowDropDown(FALSE);
}

TEST_F(ComboFixture, UpdatesRebuildOrShowTheCurrentEntity) {
    data.SetCurrentEntity(3);
    box.OnDocumentUpdate(0);
    EXPECT_EQ(box.GetCount(), 0);  // kind 0 changes nothing
    box.OnDocumentUpdate(1);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"[]", "  Ada"}));
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_EQ(box.GetRememberedId(), 3);
}

TEST_F(ComboFixture, ArrowKeysMoveThroughTheOpenListAndClosingApplies) {
    data.SetCurrentEntity(3);
    box.OnDocumentUpdate(1);
    box.ShowDropDown(TRUE);
    vorn_test::ProcessEvents();
    const size_t listed = box.GetEntries().size();
    ASSERT_EQ(listed, 10u);
    QComboBox* combo = Combo();
    ASSERT_NE(combo, nullptr);
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(4, 0));  // Ada
    for (int i = 0; i < 3; ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(view, &down);
        vorn_test::ProcessEvents();
        EXPECT_EQ(box.GetEntries().size(), listed) << "the open list is not rebuilt while moving";
    }
    EXPECT_EQ(data.FindCurrentEntity()->m_nId, 3) << "nothing is chosen before the list closes";
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    vorn_test::ProcessEvents();
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(data.FindCurrentEntity()->m_nId, 7);  // Ada, ben, [Assistants], Bea
    EXPECT_EQ(Listed(), (std::vector<std::string>{"[]", "  Bea"}));
}

TEST_F(ComboFixture, PictureOfTheOpenList) {
    data.SetCurrentEntity(5);
    box.OnDocumentUpdate(1);
    box.ShowDropDown(TRUE);
    vorn_test::ProcessEvents();
    QComboBox* combo = Combo();
    ASSERT_NE(combo, nullptr);
    QWidget* popup = combo->view()->window();
    const QImage picture = popup->grab().toImage();
    EXPECT_TRUE(picture.save(QString::fromStdWString(vorn_test::PicturePath("entity_combo_box_open.png").GetString()), "PNG"));
    box.ShowDropDown(FALSE);
}

TEST_F(ComboFixture, ClosingWithoutChoosingKeepsTheRememberedEntity) {
    data.SetCurrentEntity(5);
    box.OnDocumentUpdate(1);
    box.ShowDropDown(TRUE);
    vorn_test::ProcessEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Combo()->view(), &escape);
    vorn_test::ProcessEvents();
    EXPECT_FALSE(box.GetDroppedState());
    EXPECT_EQ(data.FindCurrentEntity()->m_nId, 5);
    EXPECT_EQ(box.GetRememberedId(), 5);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"[]", "  ben"}));
}

TEST_F(ComboFixture, TipOnlyForAnAvailableCurrentEntityWhileClosed) {
    struct Case {
        const char* name;
        int current;
        bool open;
        bool tip;
    };
    const Case cases[] = {
        {"an available teacher", 3, false, true},
        {"an unavailable teacher", 4, false, false},
        {"while the list is open", 3, true, false},
    };
    for (const auto& c : cases) {
        data.SetCurrentEntity(c.current);
        box.ShowDropDown(c.open);
        vorn_test::ProcessEvents();
        CHtmlToolInfo info;
        CPoint pt(5, 5);
        NMHTMLTOOLTIP nm{};
        nm.hdr.code = HTTN_NEEDTEXT;
        nm.pParam = &pt;
        nm.pToolInfo = &info;
        box.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(!info.m_text.IsEmpty(), c.tip) << c.name;
        box.ShowDropDown(FALSE);
        vorn_test::ProcessEvents();
    }
}
