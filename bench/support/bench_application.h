#pragma once
// The application object of the window benchmarks: it holds the document the main frame shows
// and answers the frame's file steps without touching any file.
#include "frame/frame_application.h"
#include "model/schedule_data.h"
#include "platform/ui/win_app.h"

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
