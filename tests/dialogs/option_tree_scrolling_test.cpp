// The option tree inside a record dialog scrolls as it does alone: the selected row is kept in
// view while the arrow keys move, and the scroll bar pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "dialog_fixture.h"
#include "dialogs/contacts_dlg.h"

// In a dialog too the rows scroll: Down past the bottom row brings the new row into view, and a
// click in the scroll bar under its box pages down.
TEST_F(DialogTest, TheRowsOfARecordDialogScrollWithTheKeysAndTheScrollBar) {
    plan.AddEntity(40, 4, L"Lab");
    CEntity teacher;
    teacher.m_nId = 1;
    teacher.m_nType = 1;
    teacher.m_strName = L"Ada Byron";
    CContactsDlg dlg(&teacher, nullptr);
    RunModal(dlg, [&] {
        COptionTree& tree = dlg.Tree();
        CRect window;
        dlg.GetWindowRect(&window);
        dlg.MoveWindow(window.left, window.top, window.Width(), 260);  // shorter than its rows
        tree.ExpandAllItems();
        vorn_test::ProcessEvents();
        CRect list;
        tree.GetList().GetClientRect(&list);
        vorn_test::Click(&tree.GetList(), CPoint(30, 8));
        ASSERT_NE(tree.GetSelectedItem(), nullptr);
        ASSERT_EQ(tree.GetScrollPosition(), 0);
        bool scrolled = false;
        for (int step = 0; step < 60 && !scrolled; ++step) {
            option_tree_input::Key(Qt::Key_Down);
            vorn_test::ProcessEvents();
            COptionTreeItem* row = tree.GetSelectedItem();
            const int top = row->GetContentY() - tree.GetScrollPosition();
            EXPECT_GE(top, 0) << step;
            EXPECT_LE(top + row->GetRowHeight(), list.bottom + 1) << step << ": the selected row stays in view";
            scrolled = tree.GetScrollPosition() > 0;
        }
        EXPECT_TRUE(scrolled) << "the rows are taller than the list";

        option_tree_input::Key(Qt::Key_Home);
        QScrollBar* bar = nullptr;
        for (QScrollBar* b : tree.GetList().GetWidget()->findChildren<QScrollBar*>())
            if (b->orientation() == Qt::Vertical && b->isVisible()) bar = b;
        ASSERT_NE(bar, nullptr);
        const int before = tree.GetScrollPosition();
        const QPointF under(bar->width() / 2, bar->height() - bar->width() - 4);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, under, bar->mapToGlobal(under), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &click);
        }
        vorn_test::ProcessEvents();
        int content = 0;
        for (COptionTreeItem* row = tree.GetFirstDrawn(); row; row = row->GetNextDrawn())
            content = std::max(content, row->GetContentY() + row->GetRowHeight());
        const int page = list.Height() + 1;
        ASSERT_GT(content - page, before) << "room to page";
        EXPECT_EQ(tree.GetScrollPosition(), std::min(before + page, content - page));
    });
}
