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
#include "option_tree_input.h"

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

    // The option tree's rows driven as a user drives them (option_tree_input.h).
    static void ClickValue(CRecordDialog& dlg, COptionTreeItem* row) { ClickValue(dlg.Tree(), row); }
    static void ClickValue(COptionTree& tree, COptionTreeItem* row) { option_tree_input::ClickValue(tree, row); }
    static void ClickExpandBox(CRecordDialog& dlg, COptionTreeItem* group) {
        option_tree_input::ClickExpandBox(dlg.Tree(), group);
    }
    static void ClickOption(CRecordDialog& dlg, COptionTreeItem* row, int k) {
        option_tree_input::ClickOption(dlg.Tree(), row, k);
    }
    static void ToggleTick(CRecordDialog& dlg, COptionTreeItem* row) { ToggleTick(dlg.Tree(), row); }
    static void ToggleTick(COptionTree& tree, COptionTreeItem* row) { option_tree_input::ToggleTick(tree, row); }
    static void Type(const wchar_t* text) { option_tree_input::Type(text); }
    static void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        option_tree_input::Key(qtKey, modifiers);
    }
    static void EnterText(CRecordDialog& dlg, COptionTreeItem* row, const wchar_t* text) {
        EnterText(dlg.Tree(), row, text);
    }
    static void EnterText(COptionTree& tree, COptionTreeItem* row, const wchar_t* text) {
        option_tree_input::EnterText(tree, row, text);
    }
    static int QtKey(wchar_t c) { return option_tree_input::QtKey(c); }

};
