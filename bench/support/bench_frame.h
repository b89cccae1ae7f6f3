#pragma once
// The main frame of the window benchmarks over the large plan, made once per program on Qt's
// offscreen platform with the English pack. Its application object holds the document and
// answers the frame's file steps without touching any file.
#include <QApplication>

#include <cstdlib>
#include <string>

#include "controls/app_document.h"
#include "frame/frame_application.h"
#include "frame/main_frame.h"
#include "frame/main_frame_host.h"
#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"
#include "support/plan_generator.h"

class CBenchApplication : public CWinApp, public IFrameApplication {
public:
    CScheduleData data;
    int filter = 15;
    CScheduleData& GetDocument() override { return data; }
    BOOL CanSaveDocument() const override { return TRUE; }
    BOOL SaveDocumentSteps(BOOL) override { return TRUE; }
    BOOL ReloadDocument() override { return TRUE; }
    int GetTabStyle() const override { return 0; }
    int GetExplorerBarStyle() const override { return 3; }
    int& FilterSetting() override { return filter; }
};

// The pages the benchmark needs are registered before it is made; it is kept to the end of the
// process, since the windows must not outlive the toolkit at exit.
struct CBenchShell {
    CLanguagePack pack;
    CBenchApplication app;
    CMainFrameHost host;
    CMemoryAppSettings settings;
    CMainFrame* frame = nullptr;
    explicit CBenchShell(const char* programName) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static std::string name = programName;
        static char* argv[] = {name.data(), nullptr};
        static QApplication qt(argc, argv);
        pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc"));
        AfxSetResourcePack(&pack);
        SetStringSource(&pack);
        GeneratePlan(app.data, LargePlanOptions());
        app.data.SetServices(ModelServices{&host, &settings, nullptr, nullptr});
        SetAppDocument(&app.data);
        frame = new CMainFrame(app);
        app.m_pMainWnd = frame;
        frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
        frame->MoveWindow(0, 0, 1280, 800);
        frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
    }
};
