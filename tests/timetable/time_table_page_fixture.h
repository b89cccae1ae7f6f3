#pragma once
// The main frame with the timetable page over a document that talks to the frame through the
// real host; settings, answers and the clipboard are held in memory.
#include <gtest/gtest.h>

#include <QWidget>

#include <deque>
#include <string>

#include "../frame/frame_fixture.h"
#include "controls/app_document.h"
#include "frame/main_frame_host.h"
#include "model/plan_check.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/wnd_time_table.h"

// Answers the store's questions with OK and keeps what was asked.
class CRecordedAnswers : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString&, MessageButtons, MessageIcon) override {
        asked.push_back(text);
        if (script.empty()) return MessageAnswer::Ok;
        const MessageAnswer answer = script.front();
        script.pop_front();
        return answer;
    }
    std::vector<CString> asked;
    std::deque<MessageAnswer> script;  // answers given in turn before the OKs
};

// The frame's host that also counts the plan check's refreshes and the problem list's
// publications.
class CCountingHost : public CMainFrameHost {
public:
    void RefreshAllPages(const CPageContent& content) override {
        ++refreshes;
        CMainFrameHost::RefreshAllPages(content);
    }
    void FillMessagePanel() override {
        ++problemLists;
        CMainFrameHost::FillMessagePanel();
    }
    int refreshes = 0;
    int problemLists = 0;
};

class TimeTablePageTest : public FrameTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads a document of the shared fixtures, runs the plan check and shows the timetable tab.
    void Load(const char* name);
    void ShowTimeTable();
    CWndTimeTable& Page() { return *static_cast<CWndTimeTable*>(frame->FindPage(kPageTimeTable)); }
    CTimeTableCtrlView& Pane(int index = 0) { return Page().GetControl().GetPane(index); }
    CTimeTableCtrlBody& Body(int index = 0) { return Pane(index).GetBody(); }
    CScheduleData& Data() { return application.data; }
    // The index of the first entry item of the pane whose entry has the state; -1 for none.
    int FindEntryItem(int state = 2);
    // The index of the pane's item that shows the entry; -1 for none.
    int FindItemOf(std::uint64_t serial);
    // The entry item titled with the text at the start's day and hour; -1 for none.
    int FindItemAt(const wchar_t* text, int day, int hour);
    CTimetableEntry& EntryOf(int item) { return *Data().FindEntryBySerial(Pane().m_arrItems[item].m_nSource); }
    // The body point of a day column and a time (hour, minute on day start's clock) in the pane.
    CPoint PointAt(int day, int hour, int minute = 30);
    // A point inside the item's rectangle, dx from its left and dy from its top.
    CPoint InItem(int index, int dx, int dy) {
        const CRect& r = Pane().m_arrItems[index].m_rect;
        return CPoint(r.left + dx, r.top + dy);
    }
    // Teacher 1 with classes 2, 3 and 4 in a week template from Monday 3 January 2000:
    //   Maths (1, 2) Monday 08:00, Art (1, 3, assistant 6) Monday 10:00, Music (1, 4) Tuesday
    // 08:00, and with sport, Sport (5, 6) Monday 08:30: the assistant, in one lesson at a time,
    // keeps Art out of Maths's hour, but Maths, Art and Music can rotate. Shown on the page with
    // teacher 1 current and no undo snapshot.
    void ShowWeek(bool sport);
    std::uint64_t maths = 0, art = 0, music = 0;
    // Saves the main window as it shows on the screen.
    void SaveFramePicture(const char* name);

    CCountingHost host;
    CMemoryAppSettings settings;
    CRecordedAnswers answers;
    CMemoryClipboard clipboard;
};
