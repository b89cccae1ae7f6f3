#pragma once
// An option tree driven as a user drives it: clicks on value cells (scrolling the row into view
// with the wheel first), options of radio rows, the space bar on tick rows and typed text.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

#include "controls/option_tree.h"
#include "controls/option_tree_item.h"
#include "platform/ui/test_support.h"

namespace option_tree_input {

inline int QtKey(wchar_t c);
inline void Type(const wchar_t* text);
inline void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A click on a row's value cell, turning the mouse wheel first while the row is out of
// view: the row's editor opens.
inline void ClickValue(COptionTree& tree, COptionTreeItem* row) {
    ASSERT_NE(row, nullptr);
    CRect list;
    tree.GetList().GetClientRect(&list);
    for (int turn = 0; turn < 50; ++turn) {
        const int top = row->GetContentY() - tree.GetScrollPosition();
        if (top >= 0 && top + 16 <= list.bottom) break;
        vorn_test::Wheel(&tree.GetList(), list.CenterPoint(), top < 0 ? 120 : -120);
    }
    vorn_test::ProcessEvents();
    const int x = tree.GetColumnWidth() + std::min(40, (list.right - tree.GetColumnWidth()) / 2);
    const CPoint at(x, row->GetContentY() - tree.GetScrollPosition() + 8);
    vorn_test::Click(&tree.GetList(), at);
    vorn_test::ProcessEvents();
}
// A click on a group row's box opens or closes the group.
inline void ClickExpandBox(COptionTree& tree, COptionTreeItem* group) {
    ASSERT_NE(group, nullptr);
    vorn_test::Click(&tree.GetList(), CPoint(8, group->GetContentY() - tree.GetScrollPosition() + 9));
    vorn_test::ProcessEvents();
}
// A click on option k of an opened radio row.
inline void ClickOption(COptionTree& tree, COptionTreeItem* row, int k) {
    ClickValue(tree, row);
    CWnd* radio = dynamic_cast<CWnd*>(row);
    ASSERT_NE(radio, nullptr);
    vorn_test::Click(radio, CPoint(40, 16 * k + 8));
    vorn_test::ProcessEvents();
}
// A tick row toggled with the space bar.
inline void ToggleTick(COptionTree& tree, COptionTreeItem* row) {
    ClickValue(tree, row);
    Type(L" ");
}
// Keys typed into the window with the focus.
inline void Type(const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) {
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        vorn_test::KeyPress(focus, QtKey(*c), QString(QChar(static_cast<char16_t>(*c))));
    }
}
inline void Key(int qtKey, Qt::KeyboardModifiers modifiers) {
    CWnd* focus = CWnd::GetFocus();
    ASSERT_NE(focus, nullptr);
    vorn_test::KeyPress(focus, qtKey, QString(), modifiers);
}
// Opens a text row, replaces its text with the typed one and leaves the row with Tab.
inline void EnterText(COptionTree& tree, COptionTreeItem* row, const wchar_t* text) {
    ClickValue(tree, row);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    Type(text);
    vorn_test::ProcessEvents();
}
inline int QtKey(wchar_t c) {
    if (c >= L'a' && c <= L'z') return Qt::Key_A + (c - L'a');
    if (c >= L'A' && c <= L'Z') return Qt::Key_A + (c - L'A');
    if (c >= L'0' && c <= L'9') return Qt::Key_0 + (c - L'0');
    switch (c) {
        case L' ': return Qt::Key_Space;
        case L':': return Qt::Key_Colon;
        case L'-': return Qt::Key_Minus;
        case L'.': return Qt::Key_Period;
        case L'\r': return Qt::Key_Return;
        default: return Qt::Key_unknown;
    }
}

}  // namespace option_tree_input
