#include "report_builders/problem_report.h"

#include "model/check_progress.h"
#include "model/description_texts.h"
#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

CString SectionHeader(const CString& text, const wchar_t* colour) {
    CString row;
    row.Format(L"<tr style=\"color:White; font-weight:bold; background-color:%s;\"><td colspan=\"2\">%s</td></tr>",
               colour, text.GetString());
    return row;
}

CString TwoCellRow(const CString& label, const CString& text) {
    CString row;
    row.Format(L"<tr style=\"background-color:White;\"><td>%s</td><td>%s</td></tr>", label.GetString(),
               text.GetString());
    return row;
}

CString OneCellRow(const CString& text) {
    CString row;
    row.Format(L"<tr style=\"background-color:White;\"><td colspan=\"2\">%s</td></tr>", text.GetString());
    return row;
}

UINT ProblemLabelId(int kind) {
    switch (kind) {
    case 12:
    case 15: return IDS_REPORT_PROBLEM_ENTRY;
    case 13: return IDS_REPORT_PROBLEM_LOAD;
    case 14: return IDS_REPORT_PROBLEM_SUMMARY;
    default: return 0;
    }
}

bool NeedsRoom(const CScheduleData& data, const CActivity& activity) {
    return activity.CountType0Members(data) > 0 && activity.m_strLocation.IsEmpty();
}

CString ActivityTitle(const CScheduleData& data, const CActivity& activity) {
    return EscapeHtml(FormatActivityTitle(data, activity, 0));
}

CString WhenText(const CScheduleData& data, const CTimetableEntry& entry) {
    return EscapeHtml(entry.FormatWhenText(data, 0, 0));
}

}  // namespace

void BuildProblemReport(CScheduleData& data, const CReportOptions& options, CString& out) {
    data.DeleteUnusedGroups();
    data.RebuildEntityItems(1);
    data.m_arrProblems.clear();
    CheckTimetableEntries(data, nullptr, true);
    CheckEntityLoad(data, nullptr);

    out += OpenReportTable(options, L"");
    if (!data.m_arrProblems.empty()) {
        out += SectionHeader(ResText(IDS_REPORT_PROBLEMS), L"Navy");
        for (const CProblem& problem : data.m_arrProblems) {
            const UINT label = ProblemLabelId(problem.m_nKind);
            out += TwoCellRow(label != 0 ? ResText(label) : CString(), EscapeHtml(problem.m_strText));
        }
    }
    const CString rules = BuildPlanRuleSection(data);
    if (!rules.IsEmpty()) {
        out += SectionHeader(ResText(IDS_REPORT_PLAN_RULES), L"Navy");
        out += rules;
    } else {
        bool hasRooms = false;
        for (const CEntity& entity : data.m_arrEntities) hasRooms = hasRooms || entity.m_nType == 4;
        if (hasRooms) out += BuildRoomSection(data);
    }
    out += L"</table>";
}

CString BuildPlanRuleSection(CScheduleData& data) {
    CString rows;
    // Nothing below changes which entries or activities have whom (titles only sort members).
    const CPlanIndex index(data);
    {
        CCheckProgress progress(data.Host(), IDS_PROGRESS_PLAN_RULES, static_cast<long long>(data.m_arrEntities.size()));
        for (const CEntity& entity : data.m_arrEntities) {
            const int available = WholeMinutes(static_cast<double>(entity.GetNetAvailableTime(data)));
            if (available < 5 && !entity.m_bUnavailable) {
                rows += TwoCellRow(EscapeHtml(entity.m_strName), ResText(IDS_REPORT_NO_TIME));
            } else if (entity.m_nOverlaps != 0) {
                const COleDateTimeSpan planned = entity.SumActivityTime(data, &index).Total();
                const long long limit = static_cast<long long>(available) * entity.m_nOverlaps;
                if (limit < WholeMinutes(static_cast<double>(planned))) {
                    const COleDateTimeSpan over = planned - COleDateTimeSpan(static_cast<double>(limit) / 1440.0);
                    CString message;
                    message.Format(LoadResString(IDS_REPORT_OVERPLANNED).GetString(), FormatHoursMinutes(over).GetString());
                    rows += TwoCellRow(EscapeHtml(entity.m_strName), EscapeHtml(message));
                }
            }
            progress.Bar().StepIt();
        }
    }
    CCheckProgress progress(data.Host(), IDS_PROGRESS_PLAN_RULES, static_cast<long long>(data.m_arrEntries.size()));
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (entry.GetState(data) == 7 || activity == data.m_arrActivities.end()) continue;
        const int position = activity->m_nPosition;
        if (position >= 1 && position <= 4) {
            COleDateTimeSpan startSum(0.0), endSum(0.0);
            for (int member : activity->m_arrMembers) {
                const auto entity = data.FindEntity(member);
                if (entity == data.m_arrEntities.end() || entity->m_nType != 0) continue;
                endSum += entry.GetMaxEndDistance(data, member, activity->m_nGroup, &index);
                startSum += entry.GetMaxStartDistance(data, member, activity->m_nGroup, &index);
            }
            const int s = WholeMinutes(static_cast<double>(startSum)), e = WholeMinutes(static_cast<double>(endSum));
            UINT message = 0;
            if (position == 1 && s > 0) message = IDS_REPORT_POSITION_FIRST;
            if (position == 2 && e > 0) message = IDS_REPORT_POSITION_LAST;
            if (position == 3 && s > 0 && e > 0) message = IDS_REPORT_POSITION_EDGE;
            if (position == 4 && (s == 0 || e == 0)) message = IDS_REPORT_POSITION_INSIDE;
            if (message != 0) rows += TwoCellRow(EscapeHtml(entry.FormatTitle(data, 0, 0)), ResText(message));
        }
        progress.Bar().StepIt();
    }
    return rows;
}

CString BuildRoomSection(CScheduleData& data) {
    CString listD, listE, listF, listG, listH;
    {
        CCheckProgress progress(data.Host(), IDS_PROGRESS_ROOMS_ENTRIES, static_cast<long long>(data.m_arrEntries.size()));
        std::vector<int> rooms;
        for (const CTimetableEntry& entry : data.m_arrEntries) {
            progress.Bar().StepIt();
            const auto activity = data.FindActivity(entry.m_nActivity);
            if (activity == data.m_arrActivities.end() || !NeedsRoom(data, *activity)) continue;
            rooms.clear();
            entry.GetRoomsByAssociation(data, rooms);
            if (rooms.empty()) listH += TwoCellRow(ActivityTitle(data, *activity), WhenText(data, entry));
        }
    }
    {
        CCheckProgress progress(data.Host(), IDS_PROGRESS_ROOMS_ACTIVITIES,
                                static_cast<long long>(data.m_arrActivities.size()));
        for (const CActivity& activity : data.m_arrActivities) {
            if (!NeedsRoom(data, activity)) continue;
            progress.Bar().StepIt();
            const int staff = activity.CountStaffMembers(data);
            if (staff <= 1) continue;
            bool flagged = false;
            for (const CTimetableEntry& entry : data.m_arrEntries) {
                if (entry.m_nActivity != activity.m_nId) continue;
                if (activity.m_arrPairs.empty())
                    flagged = flagged || entry.m_arrPairs.empty();
                else
                    flagged = flagged || entry.CountAvailableStaff(data) > entry.CountRooms(data);
            }
            if (!flagged) continue;
            if (activity.m_arrPairs.empty())
                listE += OneCellRow(ActivityTitle(data, activity));
            else if (static_cast<int>(activity.m_arrRooms.size()) < staff)
                listF += OneCellRow(ActivityTitle(data, activity));
        }
    }
    {
        CCheckProgress progress(data.Host(), IDS_PROGRESS_ROOM_PAIRS, static_cast<long long>(data.m_arrEntries.size()));
        for (const CTimetableEntry& entry : data.m_arrEntries) {
            progress.Bar().StepIt();
            const auto activity = data.FindActivity(entry.m_nActivity);
            if (activity == data.m_arrActivities.end() || !activity->m_strLocation.IsEmpty()) continue;
            const int staff = activity->CountStaffMembers(data);
            const bool hasPairs = entry.GetAssociationPairs(data) != nullptr;
            if (!(staff <= 1 || (staff <= static_cast<int>(activity->m_arrRooms.size()) && hasPairs))) continue;
            if (activity->CountType0Members(data) == 0) continue;
            const int available = entry.CountAvailableStaff(data);
            const CString row = TwoCellRow(ActivityTitle(data, *activity), WhenText(data, entry));
            if (available > entry.CountRoomsByAssociation(data)) listG += row;
            if (available > 1 && !hasPairs) listD += row;
        }
    }
    CString section;
    const struct {
        const CString& rows;
        UINT header;
        const wchar_t* colour;
    } lists[] = {{listF, IDS_REPORT_FEWER_ROOMS, L"Brown"},
                 {listE, IDS_REPORT_NO_PAIRS, L"Brown"},
                 {listG, IDS_REPORT_STAFF_OVER_PAIRS, L"Navy"},
                 {listD, IDS_REPORT_STAFF_NO_PAIRS, L"Navy"},
                 {listH, IDS_REPORT_NO_ROOM, L"Navy"}};
    for (const auto& list : lists)
        if (!list.rows.IsEmpty()) section += SectionHeader(ResText(list.header), list.colour) + list.rows;
    return section;
}
