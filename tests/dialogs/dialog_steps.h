#pragma once
// The steps a user takes in a record dialog: its buttons, the option tree's rows (clicks, wheel,
// keys, radio options and ticks) and a modal run with the steps inside its loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "controls/option_tree.h"
#include "controls/option_tree_item.h"
#include "dialogs/record_dialog.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_record.h"

struct DialogSteps {
    // The shown dialog of the class, when one is open.
    template <class Dlg>
    static Dlg* ShownDialog() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            if (auto* dlg = dynamic_cast<Dlg*>(CWnd::FromHandlePermanent(vorn_ui::RecordOfWidget(top)))) return dlg;
        }
        return nullptr;
    }
    // Runs an action that opens a dialog of the class modally (a command of a page); the user's
    // steps run on the dialog inside its loop, and a dialog they leave open is cancelled. False
    // when no such dialog opened.
    template <class Dlg>
    static bool WithDialogOf(const std::function<void()>& action, const std::function<void(Dlg&)>& steps) {
        bool opened = false;
        int tries = 0;
        QTimer user, watchdog;
        user.setInterval(10);
        watchdog.setSingleShot(true);
        QObject::connect(&user, &QTimer::timeout, [&] {
            Dlg* dlg = ShownDialog<Dlg>();
            if (!dlg) {
                if (++tries > 200) user.stop();
                return;
            }
            user.stop();
            opened = true;
            vorn_test::ProcessEvents();
            steps(*dlg);
            if (IsOpen(*dlg)) PressButton(*dlg, IDCANCEL);
        });
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (Dlg* dlg = ShownDialog<Dlg>()) dlg->EndDialog(-5);
        });
        user.start();
        watchdog.start(20000);
        action();
        return opened;
    }
    // Runs the dialog modally; the user's steps run inside its loop. A dialog the steps leave
    // open is cancelled, and one that hangs is ended with -5.
    static INT_PTR RunModal(CDialog& dlg, const std::function<void()>& steps) {
        QTimer user, watchdog;
        user.setSingleShot(true);
        watchdog.setSingleShot(true);
        QObject::connect(&user, &QTimer::timeout, [&] {
            vorn_test::ProcessEvents();
            steps();
            if (IsOpen(dlg)) PressButton(dlg, IDCANCEL);
        });
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (dlg.m_hWnd) dlg.EndDialog(-5);
        });
        user.start(0);
        watchdog.start(20000);
        return dlg.DoModal();
    }
    // A click in the middle of the button, as the user makes it.
    static void PressButton(CDialog& dlg, int id) {
        CWnd* button = dlg.GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        CRect r;
        button->GetClientRect(&r);
        vorn_test::Click(button, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    // Whether the dialog is still open after a step.
    static bool IsOpen(CDialog& dlg) { return dlg.m_hWnd && dlg.IsWindowVisible() && !dlg.IsEnding(); }

    // A click on a row's value cell, turning the mouse wheel first while the row is out of
    // view: the row's editor opens.
    static void ClickValue(CRecordDialog& dlg, COptionTreeItem* row) { ClickValue(dlg.Tree(), row); }
    static void ClickValue(COptionTree& tree, COptionTreeItem* row) {
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
    static void ClickExpandBox(CRecordDialog& dlg, COptionTreeItem* group) {
        ASSERT_NE(group, nullptr);
        COptionTree& tree = dlg.Tree();
        vorn_test::Click(&tree.GetList(), CPoint(8, group->GetContentY() - tree.GetScrollPosition() + 9));
        vorn_test::ProcessEvents();
    }
    // A click on option k of an opened radio row.
    static void ClickOption(CRecordDialog& dlg, COptionTreeItem* row, int k) {
        ClickValue(dlg, row);
        CWnd* radio = dynamic_cast<CWnd*>(row);
        ASSERT_NE(radio, nullptr);
        vorn_test::Click(radio, CPoint(40, 16 * k + 8));
        vorn_test::ProcessEvents();
    }
    // A tick row toggled with the space bar.
    static void ToggleTick(CRecordDialog& dlg, COptionTreeItem* row) { ToggleTick(dlg.Tree(), row); }
    static void ToggleTick(COptionTree& tree, COptionTreeItem* row) {
        ClickValue(tree, row);
        Type(L" ");
    }
    // Keys typed into the window with the focus.
    static void Type(const wchar_t* text) {
        for (const wchar_t* c = text; *c; ++c) {
            CWnd* focus = CWnd::GetFocus();
            ASSERT_NE(focus, nullptr);
            vorn_test::KeyPress(focus, QtKey(*c), QString(QChar(static_cast<char16_t>(*c))));
        }
    }
    static void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        vorn_test::KeyPress(focus, qtKey, QString(), modifiers);
    }
    // Opens a text row, replaces its text with the typed one and leaves the row with Tab.
    static void EnterText(CRecordDialog& dlg, COptionTreeItem* row, const wchar_t* text) {
        EnterText(dlg.Tree(), row, text);
    }
    static void EnterText(COptionTree& tree, COptionTreeItem* row, const wchar_t* text) {
        ClickValue(tree, row);
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Delete);
        Type(text);
        vorn_test::ProcessEvents();
    }
    static int QtKey(wchar_t c) {
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

};
