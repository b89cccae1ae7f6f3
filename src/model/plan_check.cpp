// The one road after every change of the plan: check, publish, refresh.
#include "model/plan_check.h"

#include <algorithm>
#include <climits>

#include "model/check_progress.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kCheckingLabelId = 60370;
constexpr UINT kFrameTitleId = 60463;
constexpr UINT kReadyStatusId = 60461;

int ProblemRank(int kind) {
    switch (kind) {
    case 13: return 0;
    case 15: return 1;
    case 12: return 2;
    default: return 3;
    }
}

}  // namespace

void RecheckAndRefresh(CScheduleData& data, BOOL clear) {
    if (clear) data.m_arrProblems.clear();
    const bool sameStart = IsSameDay(data.GetStartDate(), data.GetFirstWeekdayDate());
    // The timetable check steps once per activity, the load check once per entity; the bar's
    // range is what will be stepped.
    const long long steps = static_cast<long long>(data.m_arrActivities.size()) +
                            (sameStart ? static_cast<long long>(data.m_arrEntities.size()) : 0);
    {
        CCheckProgress progress(data.Host(), kCheckingLabelId, steps);
        if (!sameStart) data.RebuildReplacementIndex();
        CheckTimetableEntries(data, &progress.Bar(), sameStart);
        if (sameStart) CheckEntityLoad(data, &progress.Bar());
        progress.Hide();
        data.PublishProblems();
        RefreshAllPages(data);
    }
}

CPageContent BuildPageContent(const CScheduleData& data) {
    CPageContent content;
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.m_nType != 0) continue;
        CPageMagnetRow row;
        row.m_nEntity = entity.m_nId;
        row.m_nType = entity.m_nType;
        if (entity.m_strEducator.IsEmpty())
            row.m_strCaption = entity.m_strName;
        else
            row.m_strCaption.Format(L"%s (%s)", entity.m_strName, entity.m_strEducator);
        content.m_arrMagnetRows.push_back(std::move(row));
    }
    const COleDateTime start = data.GetStartDate();
    for (int day = 0; day < data.m_nDays; ++day) {
        CPageMagnetDay column;
        column.m_strCaption = data.FormatDayTitle(day);
        column.m_dtDate = start + COleDateTimeSpan(static_cast<double>(day));
        content.m_arrMagnetDays.push_back(std::move(column));
    }
    content.m_nCurrentEntity = data.m_nCurrentEntity;
    content.m_bCurrentEntityExists = data.FindCurrentEntity() != data.m_arrEntities.end();
    content.m_strFrameTitle.Format(kFrameTitleId, data.GetFilePath());
    content.m_strStatusText = LoadResString(kReadyStatusId);
    return content;
}

void RefreshAllPages(CScheduleData& data) { data.Host().RefreshAllPages(BuildPageContent(data)); }

bool CompareProblems(const CProblem& a, const CProblem& b) {
    if (a.m_nKind == b.m_nKind) return CompareTimesApprox(b.m_dtDate, a.m_dtDate) == 1;
    return ProblemRank(a.m_nKind) < ProblemRank(b.m_nKind);
}
