#include "report_builders/report_markup.h"

#include "model/description_texts.h"
#include "model/html_color.h"
#include "model/lesson_hours.h"
#include "model/time_values.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

CString EscapeHtml(const CString& text) {
    // The HTML-lite escape, whose blanks for line breaks the browser shows alike, and the quotes.
    CString out = EscapeHtmlLiteText(text);
    out.Replace(L"\"", L"&quot;");
    out.Replace(L"'", L"&#39;");
    return out;
}

CString ReportFont(const CReportOptions& options, int sizeDelta) {
    CString face = options.m_fontName;
    face.Remove(L'"');  // the face is quoted inside the declaration
    CString font;
    font.Format(L"font:%dpx &quot;%s&quot;, sans-serif;", options.m_fontSize + sizeDelta,
                EscapeHtml(face).GetString());
    return font;
}

CString ReportTableStyle(const CReportOptions& options) {
    return ReportFont(options) + L" background-color:Silver; color:black;";
}

CString OpenReportTable(const CReportOptions& options, const wchar_t* extraAttributes) {
    CString table;
    table.Format(L"<table style=\"%s\" %s cellpadding=\"3\" cellspacing=\"0\" border=\"1\">",
                 ReportTableStyle(options).GetString(), extraAttributes);
    return table;
}

COLORREF GetStateColour(const CScheduleData& data, int state) {
    if (state < 0 || state >= CScheduleData::kStateSlots) state = 2;
    int slot = data.m_nStateSlots[state];
    if (slot < 0 || slot >= CScheduleData::kStateSlots) slot = 0;
    return data.m_crSlotColours[slot];
}

CString BorderStyle(const CString& colourText) { return L"border:2px solid " + colourText + L";"; }

const wchar_t* PageBreakStyle(bool last) { return last ? L"" : L" break-after:page; page-break-after:always;"; }

CString ResText(unsigned id) { return EscapeHtml(LoadResString(id)); }

CString ReportHourCaption(const CScheduleData& data, int mode, int chimeSetId, int slot) {
    if (mode != 2) return EscapeHtml(GetLessonCaption(data, mode, chimeSetId, slot));
    CString caption;
    caption.Format(L"%s<strong>&nbsp;%s</strong><br>%s", ResText(IDS_LESSON).GetString(),
                   EscapeHtml(GetHourText(data, slot)).GetString(),
                   EscapeHtml(GetLessonStartText(data, slot, chimeSetId)).GetString());
    return caption;
}

CString BuildBreakRow(const CScheduleData& data, int chimeSetId, std::size_t position, int columns, bool coloured) {
    const auto chimeSet = data.FindChimeSet(chimeSetId);
    if (chimeSet == data.m_arrChimeSets.end() || position >= chimeSet->m_arrIntervals.size()) return CString();
    const CChimeInterval& interval = chimeSet->m_arrIntervals[position];
    if (interval.m_strBreak.IsEmpty()) return CString();
    CString row;
    row.Format(L"<tr><td>%02d:%02d</td><td bgcolor=\"%s\" colspan=\"%d\" align=\"center\">%s</td></tr>",
               GetLocalHour(interval.m_tStart), GetLocalMinute(interval.m_tStart), coloured ? L"#00DDDD" : L"#C0C0C0",
               columns, EscapeHtml(interval.m_strBreak).GetString());
    return row;
}

std::vector<CString> BuildBreakRowsAfterHours(const CScheduleData& data, int chimeSetId,
                                              const std::vector<__time64_t>& hours, int columns, bool coloured) {
    std::vector<CString> rows(hours.empty() ? 0 : hours.size() - 1);
    if (chimeSetId == 0) return rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = BuildBreakRow(data, chimeSetId, GetLessonRangeEnd(data, chimeSetId, FindNextTimeAfter(hours, hours[i])),
                                columns, coloured);
    return rows;
}

__time64_t SectionEnd(const std::vector<__time64_t>& hours, const std::vector<CString>& breakRows, std::size_t i) {
    for (std::size_t j = i; j < breakRows.size(); ++j)
        if (!breakRows[j].IsEmpty()) return hours[j + 1];
    return hours.back();
}

void ReserveForParts(CString& out, int startLength, std::size_t done, std::size_t total) {
    if (done == 0 || done >= total) return;
    std::wstring& text = out.str();
    const std::size_t mean = (text.size() - static_cast<std::size_t>(startLength)) / done;
    // A quarter more than the mean asks for: parts vary, and a buffer's pages that are never
    // written cost nothing.
    const std::size_t wanted = text.size() + (total - done) * mean / 4 * 5;
    if (text.capacity() < wanted) text.reserve(wanted);
}
