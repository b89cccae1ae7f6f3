#include "model/category_spans.h"
#include "model/description_texts.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kWorkingDaysId = 60488;
constexpr UINT kItemDaysId = 60489;
constexpr UINT kGapsFirstId = 60490;  // before, between, after: 60490 to 60492
constexpr UINT kAbsencesId = 60493;
constexpr UINT kFundTimeId = 60494;
constexpr UINT kWeeklyAvailableId = 60495;
constexpr UINT kDaySpansId = 60496;
constexpr UINT kByCategoryId = 60497;
constexpr UINT kCategorySingleId = 60498;
constexpr UINT kCategoryWithoutClassesId = 60501;
constexpr UINT kCategoryWithClassesId = 60502;
constexpr UINT kTimeId = 60503;
constexpr UINT kPlannedId = 60504;
constexpr UINT kPlacedId = 60505;
constexpr UINT kAbsenceLossId = 60506;
constexpr UINT kPlacedMergedId = 60507;
constexpr UINT kEducatorId = 60508;
constexpr UINT kCategoryGroupedId = 60536;
constexpr UINT kEntityHeaderId = 60841;

void AddCountRow(CString& tip, int count, UINT labelId) {
    tip.AppendFormat(L"<tr><td>%d</td><td align=\"right\">%s</td></tr>", count, LoadResString(labelId));
}

void AddSpanRow(CString& tip, const COleDateTimeSpan& span, UINT labelId) {
    tip.AppendFormat(L"<tr><td>%s</td><td align=\"right\">%s</td></tr>", FormatHoursMinutes(span), LoadResString(labelId));
}

// One row of the category table: categories 3, 2 and 1, or 2 and 1 for a type-0 entity.
void AddCategoryRow(CString& tip, bool type0, const CCategorySpans& sums, UINT labelId) {
    if (type0)
        tip.AppendFormat(L"<tr><td><center>%s</center></td><td><center>%s</center></td><td>%s</td></tr>",
                         FormatHoursMinutes(sums.m_tsGrouped), FormatHoursMinutes(sums.m_tsUngrouped), LoadResString(labelId));
    else
        tip.AppendFormat(L"<tr><td><center>%s</center></td><td><center>%s</center></td><td><center>%s</center></td>"
                         L"<td>%s</td></tr>",
                         FormatHoursMinutes(sums.m_tsOther), FormatHoursMinutes(sums.m_tsGrouped),
                         FormatHoursMinutes(sums.m_tsUngrouped),
                         LoadResString(labelId));
}

}  // namespace

CString CEntity::GetFullCode() const {
    if (m_nType == 0 && !m_strDepartment.IsEmpty() && !m_strCode.IsEmpty()) {
        CString text;
        text.Format(L"%s/%s", m_strDepartment, m_strCode);
        return text;
    }
    return m_strCode;
}

CString CEntity::BuildInfoTip(CScheduleData& data) {
    RebuildItems(data);

    CString tip;
    tip.Format(L"<center><h2>%s %s <ilst index=%d width=16 height=16></h2></center><br><hr color=green><br>"
               L"<table border=1 bgcolor=white>",
               LoadResString(kEntityHeaderId), EscapeHtmlLiteText(m_strName), m_nType + 6);

    const int workingDays = CountWorkingDays(data);
    AddCountRow(tip, workingDays, kWorkingDaysId);
    const int itemDays = CountItemDays();
    if (itemDays != workingDays) AddCountRow(tip, itemDays, kItemDaysId);
    COleDateTimeSpan gaps[4];
    SumGapTimes(data, gaps[0], gaps[1], gaps[2], gaps[3]);
    for (int i = 0; i < 3; ++i)
        if (WholeMinutes(gaps[i]) != 0) AddSpanRow(tip, gaps[i], kGapsFirstId + i);
    const COleDateTimeSpan absences = SumAbsenceTime(data);
    if (WholeMinutes(absences) != 0) AddSpanRow(tip, absences, kAbsencesId);
    const COleDateTimeSpan funds = SumFundTime();
    if (WholeMinutes(funds) != 0) AddSpanRow(tip, funds, kFundTimeId);
    const COleDateTimeSpan weekly = GetWeeklyAvailableTime();
    AddSpanRow(tip, weekly, kWeeklyAvailableId);
    if (WholeMinutes(gaps[3]) != WholeMinutes(weekly)) AddSpanRow(tip, gaps[3], kDaySpansId);

    tip.AppendFormat(L"</table><br><right><h2>%s</h2></right><br><hr color=blue><br><table border=1 bgcolor=white>",
                     LoadResString(kByCategoryId));
    const bool type0 = m_nType == 0;
    if (type0)
        tip.AppendFormat(L"<tr><center><td>%s</td><td>%s</td></center><td>%s</td></tr>", LoadResString(kCategoryGroupedId),
                         LoadResString(kCategorySingleId), LoadResString(kTimeId));
    else
        tip.AppendFormat(L"<tr><center><td>%s</td><td>%s</td><td>%s</td></center><td>%s</td></tr>",
                         LoadResString(kCategoryWithoutClassesId), LoadResString(kCategoryGroupedId),
                         LoadResString(kCategoryWithClassesId), LoadResString(kTimeId));
    AddCategoryRow(tip, type0, SumActivityTime(data), kPlannedId);
    AddCategoryRow(tip, type0, SumItemTime(data), kPlacedId);
    const bool dated = !data.HasDefaultStartDate();
    if (dated && WholeMinutes(absences) != 0)
        AddCategoryRow(tip, type0, SumAbsenceLoss(data), kAbsenceLossId);
    if (dated && !type0) {
        const CCategorySpans merged = SumItemTimeMerged(data);
        if (WholeMinutes(merged.m_tsUngrouped) != 0 || WholeMinutes(merged.m_tsGrouped) != 0 ||
            WholeMinutes(merged.m_tsOther) != 0)
            AddCategoryRow(tip, type0, merged, kPlacedMergedId);
    }
    tip += L"</table>";

    if (!m_strEducator.IsEmpty())
        tip.AppendFormat(L"<br><right><h2>%s</h2><br><hr color=red><br><h1>%s <ilst index=%d width=16 height=16></h1>"
                         L"</right>",
                         LoadResString(kEducatorId), EscapeHtmlLiteText(m_strEducator), 7);
    return tip;
}
