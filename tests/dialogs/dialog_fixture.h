#pragma once
// The record dialogs' tests: the English pack current, a small document installed as the open
// one (its plan starts on Monday 4 March 2024, in a pinned time zone), message boxes answered by
// a script, and the steps a user takes in a dialog run inside its modal loop.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/app_document.h"
#include "controls/option_tree.h"
#include "controls/option_tree_item.h"
#include "dialogs/record_dialog.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"
#include "plan_builder.h"
#include "../controls/language_pack_fixture.h"
#include "../platform/core/pinned_time_zone.h"

// Texts in failure messages.
inline void PrintTo(const CString& text, std::ostream* os) { *os << '"' << text.ToUtf8() << '"'; }

class DialogTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        data.SetServices({nullptr, &settings, nullptr, nullptr});
        SetAppDocument(&data);
    }
    void TearDown() override {
        SetAppDocument(nullptr);
        EnglishPackTest::TearDown();
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
    static void ClickValue(CRecordDialog& dlg, COptionTreeItem* row) {
        ASSERT_NE(row, nullptr);
        COptionTree& tree = dlg.Tree();
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
    static void ToggleTick(CRecordDialog& dlg, COptionTreeItem* row) {
        ClickValue(dlg, row);
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
        ClickValue(dlg, row);
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

    // The message boxes asked through the answerer: each must be a refusal of OK (the error
    // caption and the stop icon); their texts.
    std::vector<CString> Refusals() const {
        std::vector<CString> texts;
        for (const auto& q : answerer.m_messageBoxes) {
            EXPECT_EQ(q.caption, Text(IDS_ERROR_CAPTION));
            EXPECT_EQ(q.type, 0x10u);  // MB_ICONHAND
            texts.push_back(q.text);
        }
        return texts;
    }
    static CString Text(UINT id) { return LoadResString(id); }

    CPinnedTimeZone zone{"UTC"};
    CWinApp app{L"Vorn Scheduler"};  // the pattern rows load their pictures through it
    CMemoryAppSettings settings;
    CScheduleData data;
    CPlanBuilder plan{data};
    CScriptedAnswerer answerer;
};
