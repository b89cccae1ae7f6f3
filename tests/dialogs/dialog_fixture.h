#pragma once
// The record dialogs' tests: the English pack current, a small document installed as the open
// one (its plan starts on Monday 4 March 2024, in a pinned time zone), message boxes answered by
// a script, and the steps a user takes in a dialog run inside its modal loop.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "controls/app_document.h"
#include "controls/option_tree.h"
#include "controls/option_tree_item.h"
#include "dialogs/record_dialog.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"
#include "../platform/core/pinned_time_zone.h"

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult r = pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc"));
        ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
        CLanguagePack::SetCurrent(&pack);
        AfxSetResourcePack(&pack);
        data.SetServices({nullptr, &settings, nullptr, nullptr});
        data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        data.m_dtFirstWeekday = data.m_dtStartDate;
        SetAppDocument(&data);
    }
    void TearDown() override {
        SetAppDocument(nullptr);
        AfxSetResourcePack(nullptr);
        CLanguagePack::SetCurrent(nullptr);
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

    // A click on a row's value cell (scrolled into view first): the row's editor opens.
    static void ClickValue(CRecordDialog& dlg, COptionTreeItem* row) {
        ASSERT_NE(row, nullptr);
        COptionTree& tree = dlg.Tree();
        tree.EnsureVisible(row);
        vorn_test::ProcessEvents();
        const CPoint at(tree.GetColumnWidth() + 40, row->GetContentY() - tree.GetScrollPosition() + 8);
        vorn_test::Click(&tree.GetList(), at);
        vorn_test::ProcessEvents();
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

    // Messages asked through the answerer, as texts.
    std::vector<CString> AskedTexts() const {
        std::vector<CString> texts;
        for (const auto& q : answerer.m_messageBoxes) texts.push_back(q.text);
        return texts;
    }

    CPinnedTimeZone zone{"UTC"};
    CWinApp app{L"Vorn Scheduler"};  // the pattern rows load their pictures through it
    CLanguagePack pack;
    CMemoryAppSettings settings;
    CScheduleData data;
    CScriptedAnswerer answerer;
};
