#pragma once
// A main frame on the offscreen platform with the English pack, over an application that holds
// a document and records what the frame asks of it.
#include <gtest/gtest.h>

#include <QWidget>

#include "frame/frame_application.h"
#include "frame/main_frame.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

class CRecordingApplication : public CWinApp, public IFrameApplication {
public:
    CScheduleData data;
    int saves = 0;
    int reloads = 0;
    BOOL saveResult = TRUE;
    CScheduleData& GetDocument() override { return data; }
    BOOL CanSaveDocument() const override { return !data.m_arrEntities.empty(); }
    BOOL SaveDocumentSteps(BOOL) override {
        ++saves;
        return saveResult;
    }
    BOOL ReloadDocument() override {
        ++reloads;
        return TRUE;
    }
    int GetTabStyle() const override { return 0; }
    int GetExplorerBarStyle() const override { return 3; }
    int& FilterSetting() override { return filter; }
    int filter = 15;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc")).ok);
        AfxSetResourcePack(&pack);
        frame = new CMainFrame(application);
        application.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        frame->ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        if (application.m_pMainWnd) frame->DestroyWindow();
        vorn_test::ProcessEvents();
        AfxSetResourcePack(nullptr);
    }
    CLanguagePack pack;
    CScriptedAnswerer answerer;
    CRecordingApplication application;
    CMainFrame* frame = nullptr;
};
