#pragma once
// The magnet page on the small week template of magnet_plan_fixture.h, in a top-level window,
// with a host that runs the plan check's refresh and broadcasts and an answerer that records
// the messages the page shows:
//   classes 1 and 2 (no overlap limit), teacher 3 (one place at a time);
//   activities 10 and 11 of class 1, 12 of class 1 with teacher 3, 13 of class 2 with teacher 3;
//   Monday 08:00 10 (60 minutes), Monday 08:30 11 (90 minutes, overlapping 10), Tuesday 10:00
//   12, Wednesday 10:00 13.
#include <memory>
#include <vector>

#include "magnet_plan_fixture.h"
#include "model/model_host.h"
#include "model/page_content.h"
#include "planner/wnd_magnet.h"
#include "platform/ui/test_support.h"

// The frame's side of the plan check: the page rebuilds from the content; every refresh and
// broadcast is counted.
class CPageHost : public IModelHost {
public:
    CWndMagnet* page = nullptr;
    int refreshes = 0;
    std::vector<int> broadcasts;
    void RefreshAllPages(const CPageContent& content) override {
        ++refreshes;
        if (page) page->RefreshContent(content);
    }
    void BroadcastUpdate(int kind) override {
        broadcasts.push_back(kind);
        if (page) page->Update(kind);
    }
};

class CRecordingAnswerer : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString&, MessageButtons, MessageIcon) override {
        asked.push_back(text);
        return MessageAnswer::Ok;
    }
    std::vector<CString> asked;
};

class MagnetPageTest : public MagnetPlanTest {
protected:
    void SetUp() override {
        MagnetPlanTest::SetUp();
        ModelServices services;
        services.settings = &m_settings;
        services.host = &m_host;
        services.answerer = &m_answerer;
        m_data.SetServices(services);
        // The classes allow overlapping lessons, so that row 1 may show two at once.
        AddEntity(1, 0).m_strEducator = L"Ms Ray";
        m_data.m_arrEntities.back().m_nOverlaps = 0;
        AddEntity(2, 0).m_nOverlaps = 0;
        AddEntity(3, 1).m_nOverlaps = 1;  // a teacher who can be in one place at a time
        AddActivity(10, 0, {1});
        AddActivity(11, 0, {1});
        AddActivity(12, 0, {1, 3});
        AddActivity(13, 0, {2, 3});
        AddEntry(10, 0, 8, 60);
        AddEntry(11, 0, 8, 90, 2, 30);   // overlaps the entry before it in row 1
        AddEntry(12, 1, 10, 60);
        AddEntry(13, 2, 10, 60);
        m_frame.CreateEx(0, nullptr, L"frame", WS_OVERLAPPED, 0, 0, 1000, 600, nullptr, nullptr);
        m_page = std::make_unique<CWndMagnet>();
        m_page->CreatePage(&m_frame, 1);
        m_page->MoveWindow(0, 0, 1000, 600);
        m_frame.ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
        m_host.page = m_page.get();
        m_page->Update(4);
    }
    void TearDown() override {
        m_host.page = nullptr;
        m_page.reset();
        m_frame.DestroyWindow();
        MagnetPlanTest::TearDown();
    }
    CMagnetCtrl& Control() { return m_page->GetControl(); }
    CMagnetItem& Magnet(int row, int activity) {
        Control().SelectRow(row);
        for (CMagnetItem& magnet : Control().GetCurrentRow()->m_arrMagnets)
            if (magnet.m_nActivity == activity) return magnet;
        ADD_FAILURE() << "no magnet of " << activity;
        return Control().GetCurrentRow()->m_arrMagnets.front();
    }
    const CTimetableEntry& Entry(int activity) { return *m_data.FindEntryAt(activity, FindStart(activity)); }
    COleDateTime FindStart(int activity) {
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            if (entry.m_nActivity == activity) return entry.m_dtStart;
        return COleDateTime();
    }

    CPageHost m_host;
    CRecordingAnswerer m_answerer;
    CWnd m_frame;
    std::unique_ptr<CWndMagnet> m_page;
};
