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
#include "option_tree_input.h"
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

    // The tree's rows driven as a user does (option_tree_input.h).
    static void ClickValue(CRecordDialog& dlg, COptionTreeItem* row) { option_tree_input::ClickValue(dlg.Tree(), row); }
    static void ClickExpandBox(CRecordDialog& dlg, COptionTreeItem* group) {
        option_tree_input::ClickExpandBox(dlg.Tree(), group);
    }
    static void ClickOption(CRecordDialog& dlg, COptionTreeItem* row, int k) {
        option_tree_input::ClickOption(dlg.Tree(), row, k);
    }
    static void ToggleTick(CRecordDialog& dlg, COptionTreeItem* row) { option_tree_input::ToggleTick(dlg.Tree(), row); }
    static void Type(const wchar_t* text) { option_tree_input::Type(text); }
    static void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        option_tree_input::Key(qtKey, modifiers);
    }
    static void EnterText(CRecordDialog& dlg, COptionTreeItem* row, const wchar_t* text) {
        option_tree_input::EnterText(dlg.Tree(), row, text);
    }
    static int QtKey(wchar_t c) { return option_tree_input::QtKey(c); }

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
