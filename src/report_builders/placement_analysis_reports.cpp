#include "report_builders/placement_analysis_reports.h"

#include <cmath>
#include <initializer_list>

#include "model/description_texts.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_cell_markup.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"
#include "solver_engine/solver_preparation.h"
#include "solver_engine/solver_work.h"

namespace {

constexpr double kZeroWeightReference = 9999999.0;

// Runs the analysis and leaves its lists in the store; labels[0..6] name the steps (0 for a
// step the kind does not run). The progress bar runs over the steps and the writing.
class CPlacementAnalysis {
public:
    CPlacementAnalysis(CScheduleData& data, const UINT (&labels)[7], int kind) : m_data(data) {
        IProgress& bar = data.Host().ShowProgress(LoadResString(labels[0]));
        bar.SetRange(0, kind == 7 ? 7 : 8);
        bar.SetPos(0);
        bar.SetStep(1);
        CSolverWork work;
        // Each step shows its label, runs and moves the bar on by one.
        auto step = [&](UINT label, auto&& run) {
            IProgress& current = data.Host().ShowProgress(LoadResString(label));
            run(current);
            current.StepIt();
        };
        step(labels[0], [&](IProgress&) { data.CreateUnplacedEntries(); });
        step(labels[1], [&](IProgress&) { CollectSlotOptions(data, nullptr, work); });
        step(labels[2], [&](IProgress&) { FixPlacedEntries(data); });
        step(labels[3], [&](IProgress&) { WeighSlotConflicts(nullptr, data); });
        step(labels[4], [&](IProgress&) { data.BuildActivityWeights(); });
        if (kind == 8) step(labels[5], [&](IProgress&) { data.BuildEntityWeights(); });
        if (kind == 9) step(labels[5], [&](IProgress& current) { data.BuildFreeSlotList(&current); });
        step(labels[6], [&](IProgress&) {
            data.RemoveUnplacedEntries();
            FreeSolverWork(work);
        });
    }
    ~CPlacementAnalysis() { m_data.Host().HideProgress(); }
    CPlacementAnalysis(const CPlacementAnalysis&) = delete;
    CPlacementAnalysis& operator=(const CPlacementAnalysis&) = delete;

private:
    CScheduleData& m_data;
};

CString HeaderRow(std::initializer_list<UINT> ids) {
    CString row = L"<tr>";
    for (UINT id : ids) row.AppendFormat(L"<td>%s</td>", ResText(id).GetString());
    return row + L"</tr>";
}

}  // namespace

int CountStars(double value, double reference) {
    if (reference == 0.0) return 0;
    const double quotient = value / reference;
    if (!(quotient >= 0.0)) return 0;
    const double stars = std::floor(5.0 * std::sqrt(quotient));
    return stars > 100.0 ? 100 : static_cast<int>(stars);
}

CString FormatStarBar(double value, double reference) {
    return L"<span style=\"font-family:&quot;DejaVu Sans&quot;, sans-serif;\">" +
           CString(L'\x2605', CountStars(value, reference)) + L"</span>";
}

void BuildActivityWeightReport(CScheduleData& data, const CReportOptions& options, CString& out) {
    static const UINT kLabels[7] = {IDS_PROGRESS_A_UNPLACED, IDS_PROGRESS_A_SLOTS,      IDS_PROGRESS_A_FIX,
                                    IDS_PROGRESS_A_WEIGH,    IDS_PROGRESS_A_ACTIVITIES, 0,
                                    IDS_PROGRESS_A_REMOVE};
    CPlacementAnalysis analysis(data, kLabels, 7);
    out += OpenReportTable(options);
    out += HeaderRow({IDS_WEIGHT_ACTIVITY, IDS_WEIGHT_STAFF, IDS_WEIGHT_CLASSES, IDS_WEIGHT_MISSING, IDS_WEIGHT_SLOTS,
                      IDS_WEIGHT_DAYS, IDS_WEIGHT_BAR});
    const double reference = data.m_arrActivityWeights.empty() ? 0.0 : data.m_arrActivityWeights[0].m_dWeight;
    const CPlanIndex index(data);
    for (const CActivityWeight& record : data.m_arrActivityWeights) {
        const auto activity = data.FindActivity(record.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        out.AppendFormat(L"<tr style=\"color:%s;\"><td>%s</td><td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%s</td>"
                         L"<td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%d</td><td bgcolor=\"white\">%d</td>"
                         L"<td bgcolor=\"white\">%s</td></tr>",
                         GetOverrunColour(activity->ComputeFreeSlotTime(data, &index),
                                          activity->GetRemainingTime(data, &index)),
                         EscapeHtml(activity->GetDisplayName()).GetString(),
                         EscapeHtml(FormatActivityMembersOfType(data, record, 1)).GetString(),
                         EscapeHtml(FormatActivityMembersOfType(data, record, 0)).GetString(),
                         FormatHoursMinutes(record.m_tsRemaining).GetString(), record.m_nSlots, record.m_nDays,
                         FormatStarBar(record.m_dWeight, reference).GetString());
    }
    out += L"</table>";
}

void BuildEntityWeightReport(CScheduleData& data, const CReportOptions& options, CString& out) {
    static const UINT kLabels[7] = {IDS_PROGRESS_E_UNPLACED,   IDS_PROGRESS_E_SLOTS,    IDS_PROGRESS_E_FIX,
                                    IDS_PROGRESS_E_WEIGH,      IDS_PROGRESS_E_ACTIVITIES, IDS_PROGRESS_E_ENTITIES,
                                    IDS_PROGRESS_E_REMOVE};
    CPlacementAnalysis analysis(data, kLabels, 8);
    out += OpenReportTable(options);
    out += HeaderRow({IDS_WEIGHT_TYPE, IDS_WEIGHT_NAME, IDS_WEIGHT_DIFFICULTY});
    const double reference = data.m_arrEntityWeights.empty() ? 0.0 : data.m_arrEntityWeights[0].m_dWeight;
    for (const CEntityWeight& record : data.m_arrEntityWeights)
        out.AppendFormat(L"<tr><td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%s</td></tr>",
                         EscapeHtml(record.m_strTypeName).GetString(), EscapeHtml(record.m_strName).GetString(),
                         FormatStarBar(record.m_dWeight, reference).GetString());
    out += L"</table>";
    data.m_arrEntityWeights.clear();
}

void BuildFreeSlotReport(CScheduleData& data, const CReportOptions& options, CString& out) {
    static const UINT kLabels[7] = {IDS_PROGRESS_A_UNPLACED,   IDS_PROGRESS_A_SLOTS,      IDS_PROGRESS_A_FIX,
                                    IDS_PROGRESS_A_WEIGH,      IDS_PROGRESS_A_ACTIVITIES, IDS_PROGRESS_A_FREE_SLOTS,
                                    IDS_PROGRESS_A_REMOVE};
    CPlacementAnalysis analysis(data, kLabels, 9);
    out += OpenReportTable(options);
    out += HeaderRow({IDS_FREE_SLOT_ENTITY, IDS_REPORT_WHEN, IDS_FREE_SLOT_ACTIVITIES, IDS_WEIGHT_DIFFICULTY});
    double reference = 0.0;
    for (const CFreeSlot& record : data.m_arrFreeSlots) {
        if (record.m_dWeight == 0.0)
            reference = kZeroWeightReference;
        else if (record.m_dWeight > reference)
            reference = record.m_dWeight;
    }
    for (const CFreeSlot& record : data.m_arrFreeSlots) {
        double value;
        if (reference != kZeroWeightReference)
            value = reference - record.m_dWeight;
        else
            value = record.m_dWeight == 0.0 ? kZeroWeightReference : 0.0;
        const auto entity = data.FindEntity(record.m_nEntity);
        const CString name = entity != data.m_arrEntities.end() ? entity->m_strName : CString();
        const CTimetableEntry slot(record.m_dtStart, COleDateTimeSpan(0, 1, 0, 0));
        out.AppendFormat(L"<tr><td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%s</td><td bgcolor=\"white\">%d</td>"
                         L"<td bgcolor=\"white\">%s</td></tr>",
                         EscapeHtml(name).GetString(), EscapeHtml(slot.FormatWhenText(data, 0, 0)).GetString(),
                         record.m_nActivities, FormatStarBar(value, reference).GetString());
    }
    out += L"</table>";
    data.m_arrFreeSlots.clear();
}
