#include "report_builders/report_page.h"

#include <utility>

#include "model/schedule_data.h"
#include "model/timetable_entry.h"
#include "report_builders/activity_matrix_report.h"
#include "report_builders/day_list_reports.h"
#include "report_builders/entity_pages_report.h"
#include "report_builders/grid_report.h"
#include "report_builders/placement_analysis_reports.h"
#include "report_builders/problem_report.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "report_builders/statistics_report.h"
#include "report_builders/store_copy.h"
#include "report_builders/titled_pages_report.h"
#include "report_builders/week_grid.h"

namespace {

// The background path as a CSS string: a file address for an absolute path.
CString CssUrl(const CString& path) {
    CString url = path;
    url.Replace(L'\\', L'/');
    if (url.Left(1) == L"/") url = L"file://" + url;
    CString quoted;
    for (wchar_t c : url.str()) {
        if (c == L'\'' || c == L'\\') quoted += L'\\';
        if (c == L'\n' || c == L'\r') continue;
        quoted += c;
    }
    return L"url('" + quoted + L"')";
}

}  // namespace

CString BuildBodyTag(const CString& background, bool rightToLeft) {
    CString tag = L"<body";
    if (!background.IsEmpty()) tag += L" style=\"background-image:" + EscapeHtml(CssUrl(background)) + L";\"";
    if (rightToLeft) tag += L" dir=\"rtl\"";
    return tag + L">";
}

CString OpenReportPage(const CString& background, const CString& title) {
    CString page = L"<!DOCTYPE html><html><head><meta charset=\"utf-8\">";
    if (!title.IsEmpty()) page += L"<title>" + EscapeHtml(title) + L"</title>";
    page += L"<style>* { -webkit-print-color-adjust:exact; print-color-adjust:exact; }</style>"
            L"<script>function zoom(a){document.body.style.zoom = a;}</script></head>";
    return page + BuildBodyTag(background, IsRightToLeft());
}

void AppendReportBody(CScheduleData& data, const CReportOptions& options, CString& out) {
    switch (options.m_reportKind) {
    case 1: BuildEntityPagesReport(data, options, out); break;
    case 2: BuildTitledPagesReport(data, options, out); break;
    case 3:
    case 4: BuildGridReport(data, options, out); break;
    case 5: BuildStatisticsReport(data, options, out); break;
    case 6: BuildActivityMatrixReport(data, options, out); break;
    case 7: BuildActivityWeightReport(data, options, out); break;
    case 8: BuildEntityWeightReport(data, options, out); break;
    case 9: BuildFreeSlotReport(data, options, out); break;
    case 10: BuildProblemReport(data, options, out); break;
    case 12: BuildDayEndReport(data, options, out); break;
    case 13: BuildContactsReport(data, options, out); break;
    default: break;
    }
}

CString BuildReportPage(const CScheduleData& data, const CReportOptions& options) {
    data.Host().BeginWaitCursor();
    CScheduleData copy;
    CopyScheduleData(data, copy);
    CTimetableEntryArray sorted;
    sorted.reserve(copy.m_arrEntries.size());
    for (std::size_t position : OrderEntriesByStartAndName(copy, copy.m_arrEntries.items()))
        sorted.push_back(std::move(copy.m_arrEntries[position]));
    copy.m_arrEntries.swap(sorted);
    copy.m_arrProblems.clear();
    CString page = OpenReportPage(options.m_background, options.m_title);
    AppendReportBody(copy, options, page);
    page += kReportPageEnd;
    data.Host().EndWaitCursor();
    return page;
}
