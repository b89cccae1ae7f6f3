#pragma once
// What the magnet board tests share: the English pack, a document store installed as the
// application's document, and a top-level window hosting a board over its client area that
// records the private messages the board sends to it.
#include <gtest/gtest.h>

#include <vector>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "planner/magnet_ctrl.h"
#include "platform/core/language_pack.h"

class PlannerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads a document of ../shared/fixtures/documents into the store.
    void LoadFixture(const char* name);

    CLanguagePack m_pack;
    CMemoryAppSettings m_settings;
    CScheduleData m_data;
};

// A date and time.
COleDateTime At(int year, int month, int day, int hour, int minute);
// An entity whose every day runs from start to end (hours and minutes).
CEntity Working(int startHour, int startMinute, int endHour, int endMinute);
// A magnet of the entry serial at the start for the length in minutes; state 2.
CMagnetItem MakeMagnet(std::uint64_t entry, const COleDateTime& start, int minutes);

class BoardHost : public CWnd {
public:
    explicit BoardHost(int width = 1000, int height = 600);
    ~BoardHost() override;
    CMagnetCtrl control;
    struct Message {
        UINT message;
        WPARAM wParam;
    };
    std::vector<Message> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
