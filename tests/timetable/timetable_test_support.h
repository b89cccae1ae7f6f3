#pragma once
// What the timetable tests share: the English pack, a document store with settings that know
// holidays by name and a host that records the update broadcasts, the store installed as the
// application's document, and the items of an entity built as the timetable page builds them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"
#include "timetable/time_table_ctrl.h"

// Settings whose holidays have names.
class CHolidaySettings : public CMemoryAppSettings {
public:
    void AddHoliday(const COleDateTime& day, const CString& name) {
        m_holidays.push_back(day);
        m_names[static_cast<long long>(static_cast<double>(day))] = name;
    }
    CString GetHolidayName(const COleDateTime& date) const override {
        const auto found = m_names.find(static_cast<long long>(static_cast<double>(date)));
        return found == m_names.end() ? CString() : found->second;
    }

private:
    std::map<long long, CString> m_names;
};

class CBroadcastRecorder : public IModelHost {
public:
    void BroadcastUpdate(int kind) override { kinds.push_back(kind); }
    std::vector<int> kinds;
};

class TimetableTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a document of ../shared/fixtures/documents into the store.
    void LoadFixture(const char* name);
    // The entity of the type with the most entries.
    int BusiestEntity(int type);

    CLanguagePack m_pack;
    CHolidaySettings m_settings;
    CBroadcastRecorder m_host;
    CScheduleData m_data;
};

// A week template of five days from Monday 3 January 2000, the day starting at 07:00.
class WeekTemplateTest : public TimetableTest {
protected:
    void SetUp() override;
};

// Fills the pane with the entity's entries and absences as the page does: the entity's id,
// unavailable mark, chime set and day slots (applied to the columns), an entry item for every
// entry it takes part in, a block for every absence, then the sort with lanes.
void FillPaneForEntity(CTimeTableCtrl& control, int paneIndex, CScheduleData& data, int entityId);
// An entry item of the activity at the start for the length (minutes); state 2.
CTimeTableItem MakeItem(const CString& title, const COleDateTime& start, int minutes, int activity = 0);
// A date and time.
COleDateTime At(int year, int month, int day, int hour, int minute);

// A top-level window that hosts a timetable control over its whole client area and records the
// private messages the control sends to it.
class GridHost : public CWnd {
public:
    explicit GridHost(int width = 900, int height = 560);
    ~GridHost() override;
    CTimeTableCtrl control;
    std::vector<CItemTime> pinned;
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
