#include "frame/recheck_keeping_problems.h"

#include "frame/frame_application.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/ui/win_app.h"

void RecheckKeepingProblems(CScheduleData& data) {
    auto* app = dynamic_cast<IFrameApplication*>(AfxGetApp());
    if (data.m_arrProblems.empty() || !app) {
        RecheckAndRefresh(data, FALSE);
        return;
    }
    int& filter = app->FilterSetting();
    const int previous = filter;
    filter = 15;
    RecheckAndRefresh(data, FALSE);
    filter = previous;
}
