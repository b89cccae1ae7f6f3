// The chime dialogs: the check of a set's lessons against the other sets, OK with its refusals,
// the default row, the reload from the plan's default set, and a picture of a school day.
#include <gtest/gtest.h>

#include <QTimer>

#include <functional>
#include <memory>
#include <initializer_list>
#include <utility>

#include "../controls/language_pack_fixture.h"
#include "../platform/core/pinned_time_zone.h"
#include "controls/app_document.h"
#include "dialog_picture.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_edit.h"
#include "dialogs/chime_dlg.h"
#include "dialogs/day_schedule_dlg.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

__time64_t At(int hour, int minute) { return MakeTimeOfDay(hour, minute); }

struct Pair {
    int hour, minute;
    const wchar_t* label;
};

CChimeSet MakeSet(const wchar_t* name, int id, std::initializer_list<Pair> pairs) {
    CChimeSet set;
    set.m_strName = name;
    set.m_nId = id;
    for (const Pair& p : pairs) set.m_arrIntervals.push_back({At(p.hour, p.minute), p.label});
    return set;
}

// Runs a dialog modally while the action drives it; the action ends it (OK or Cancel), and a
// dialog still open a few seconds later is cancelled so that a failing test does not hang.
template <class Dialog>
INT_PTR RunModal(Dialog& dlg, std::function<void(Dialog&)> action) {
    auto open = std::make_shared<bool>(true);
    QTimer::singleShot(0, [&dlg, action] { action(dlg); });
    QTimer::singleShot(5000, [&dlg, open] {
        if (*open) dlg.EndDialog(IDCANCEL);
    });
    const INT_PTR result = dlg.DoModal();
    *open = false;
    return result;
}

class ChimeDlgTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        data.m_tDayStart = At(8, 0);
        data.m_arrChimeSets.push_back(MakeSet(L"Main", 1, {{8, 0, L""}, {8, 45, L"Break"}, {9, 0, L""}, {9, 45, L""}}));
        data.m_arrChimeSets.InvalidateIndex();
        SetAppDocument(&data);
    }
    void TearDown() override {
        SetAppDocument(nullptr);
        EnglishPackTest::TearDown();
    }
    static void SetName(CChimeDlg& dlg, const wchar_t* name) { dlg.m_pNameItem->SetWindowText(name); }
    CChimeDlg& dlg_for(CChimeSet& record) {
        m_dlg = std::make_unique<CChimeDlg>(&record);
        return *m_dlg;
    }
    std::unique_ptr<CChimeDlg> m_dlg;

    CPinnedTimeZone zone{"Europe/Berlin"};
    CScheduleData data;
    CScriptedAnswerer answerer;
};

TEST_F(ChimeDlgTest, LessonsMustMeetTheSameLessonOfEveryOtherSet) {
    struct Case {
        const char* what;
        std::initializer_list<Pair> pairs;
        UINT text;  // 0: accepted
        int lesson;
    };
    const Case cases[] = {
        {"lesson 1 from 08:50 begins after Main's first lesson ended", {{8, 50, L""}, {9, 35, L""}}, IDS_CHIME_LESSON_AFTER, 1},
        {"08:47 is within 3 minutes of Main's 08:45", {{8, 47, L""}, {9, 30, L""}}, 0, 0},
        {"the same times", {{8, 0, L""}, {8, 45, L"Break"}, {9, 0, L""}, {9, 45, L""}}, 0, 0},
        {"lesson 2 ends before Main's lesson 2 starts", {{8, 0, L""}, {8, 20, L""}, {8, 50, L""}}, IDS_CHIME_LESSON_BEFORE, 2},
        {"no lesson at all", {{8, 0, L"Break"}, {8, 30, L""}}, IDS_CHIME_NO_LESSON, 0},
    };
    for (const auto& c : cases) {
        CChimeSet record = MakeSet(L"New", 2, c.pairs);
        CChimeDlg dlg(&record);
        CString expected;
        if (c.text == IDS_CHIME_NO_LESSON) expected = LoadResString(c.text);
        else if (c.text) expected.Format(c.text, c.lesson, L"Main");
        EXPECT_EQ(dlg.CheckAgainstOtherSets(), expected) << c.what;
    }
    // The set itself is never compared with its stored copy.
    CChimeSet self = MakeSet(L"Main", 1, {{10, 0, L""}, {11, 0, L""}});
    EXPECT_EQ(CChimeDlg(&self).CheckAgainstOtherSets(), L"");
}

TEST_F(ChimeDlgTest, OkWritesTheSetAndStaysOpenWhileAChecksFails) {
    CChimeSet record = MakeSet(L"", 2, {});
    std::vector<int> stepsOpen;
    const INT_PTR result = RunModal<CChimeDlg>(dlg_for(record), [&](CChimeDlg& dlg) {
        EXPECT_EQ(dlg.m_schedule.m_model.m_tDayStart, At(8, 0)) << "a new set starts at the plan's day start";
        EXPECT_EQ(dlg.m_schedule.m_model.GetCount(), 1u);
        EXPECT_EQ(dlg.m_schedule.m_model.m_arrIntervals[0].m_tLength, 480 * 60);
        ASSERT_TRUE(dlg.m_pDefaultItem) << "the set is not the default: the row is there";
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
        stepsOpen.push_back(dlg.GetSafeHwnd() != nullptr);
        SetName(dlg, L"Short day");
        dlg.m_schedule.m_model.Clear();
        dlg.m_schedule.m_model.m_tDayStart = At(8, 0);
        dlg.m_schedule.AddInterval(45, L"");
        dlg.m_schedule.AddInterval(15, L"Break");
        dlg.m_schedule.AddInterval(45, L"");
        dlg.m_pDefaultItem->SetCheck(TRUE);
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK) << record.m_strName.ToUtf8() << " boxes " << answerer.m_messageBoxes.size() << " unanswered " << answerer.m_unanswered;
    EXPECT_EQ(stepsOpen, std::vector<int>{1});
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_CHIME_NO_NAME));
    EXPECT_EQ(record.m_strName, L"Short day");
    ASSERT_EQ(record.m_arrIntervals.size(), 4u);
    EXPECT_EQ(record.m_arrIntervals[1].m_strBreak, L"Break");
    EXPECT_EQ(record.m_arrIntervals[3].m_tStart, At(9, 45));
    EXPECT_EQ(m_dlg->m_bMakeDefault, 1);
    EXPECT_EQ(record.m_nId, 2);
}

TEST_F(ChimeDlgTest, TheDefaultSetHasNoDefaultRowAndStaysDefault) {
    CChimeSet record = data.m_arrChimeSets.front();
    RunModal<CChimeDlg>(dlg_for(record), [&](CChimeDlg& dlg) {
        EXPECT_EQ(dlg.m_pDefaultItem, nullptr);
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(m_dlg->m_bMakeDefault, 1);
    EXPECT_TRUE(answerer.m_messageBoxes.empty());
}

TEST_F(ChimeDlgTest, ReloadLoadsTheDefaultSetWithoutRenumberingIt) {
    data.m_arrChimeSets.front().m_nId = 7;
    data.m_arrChimeSets.InvalidateIndex();
    // A new set numbered as the caller numbers it: one past the largest id.
    CChimeSet record = MakeSet(L"", data.GetNextChimeSetId(), {});
    RunModal<CChimeDlg>(dlg_for(record), [&](CChimeDlg& dlg) {
        dlg.SendMessage(WM_COMMAND, ID_SCHEDULE_RELOAD, 0);
        std::vector<CString> lines;
        dlg.m_schedule.GetLessonList(lines);
        EXPECT_EQ(lines, (std::vector<CString>{L"08:00", L"!08:45 Break", L"09:00", L"09:45"}));
        EXPECT_EQ(data.m_arrChimeSets.front().m_nId, 7) << "the open dialog leaves the ids alone";
        SetName(dlg, L"Copy");
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(answerer.m_messageBoxes.empty()) << "the stored set is still another set, and the copy meets it";
    EXPECT_EQ(record.m_nId, 8);
    EXPECT_EQ(record.m_arrIntervals.size(), 4u);
}

TEST_F(ChimeDlgTest, DayScheduleDialogForwardsTheToolbarCommands) {
    CDayScheduleDlg dlg;
    dlg.m_schedule.m_model.m_tDayStart = At(8, 0);
    dlg.m_schedule.AddInterval(60, L"");
    RunModal<CDayScheduleDlg>(dlg, [](CDayScheduleDlg& d) {
        d.m_schedule.m_model.SelectOnly(0);
        d.SendMessage(WM_COMMAND, ID_SCHEDULE_SPLIT, 0);
        d.SendMessage(WM_COMMAND, ID_SCHEDULE_ZOOM_IN, 0);
        EXPECT_EQ(d.m_schedule.m_model.GetCount(), 2u);
        EXPECT_EQ(d.m_schedule.m_model.m_nMinutesPerRow, 15);
        d.SendMessage(WM_COMMAND, ID_SCHEDULE_RELOAD, 0);
        EXPECT_EQ(d.m_schedule.m_model.GetCount(), 3u) << "the plan's default set";
        d.EndDialog(IDCANCEL);
    });
}

TEST_F(ChimeDlgTest, PictureOfASchoolDay) {
    CChimeSet record = MakeSet(L"Weekdays", 2,
                               {{8, 0, L""}, {8, 45, L""}, {9, 30, L"Break"}, {9, 50, L""}, {10, 35, L""}, {11, 20, L"Lunch"},
                                {12, 0, L""}, {12, 45, L""}, {13, 30, L""}});
    RunModal<CChimeDlg>(dlg_for(record), [&](CChimeDlg& dlg) {
        dlg.SetWindowPos(nullptr, 0, 0, 420, 640, SWP_NOMOVE | SWP_NOZORDER);
        dlg.m_schedule.m_model.SelectOnly(2);
        dlg.m_schedule.Invalidate(FALSE);
        vorn_test::ProcessEvents();
        SavePng(GrabWindow(&dlg), "chime_dialog.png");
        dlg.EndDialog(IDCANCEL);
    });
}

}  // namespace
