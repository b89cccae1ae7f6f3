#pragma once
// The record dialogs' tests: the English pack current, a small document installed as the open
// one (its plan starts on Monday 4 March 2024, in a pinned time zone), message boxes answered by
// a script, and the steps a user takes in a dialog run inside its modal loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"
#include "dialog_steps.h"
#include "plan_builder.h"
#include "../controls/language_pack_fixture.h"
#include "../platform/core/pinned_time_zone.h"

// Texts in failure messages.
inline void PrintTo(const CString& text, std::ostream* os) { *os << '"' << text.ToUtf8() << '"'; }

class DialogTest : public EnglishPackTest, protected DialogSteps {
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
