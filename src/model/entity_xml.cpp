#include <algorithm>
#include <cmath>

#include "model/document_values.h"
#include "model/entity.h"
#include "model/record_xml.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/xml_document.h"

namespace {

// Whether the date is worth writing: every valid date but the default the reader supplies.
bool IsWrittenDate(const COleDateTime& date) {
    return date.GetStatus() == COleDateTime::valid && date != GetUnplacedDate();
}

COleDateTime ReadDateOr1970(const CString& text) { return text.IsEmpty() ? GetUnplacedDate() : ParseFileDate(text); }

}  // namespace

void CEntity::WriteXml(CXmlDocument& doc, const CScheduleData& data) const {
    doc.AddElement(L"ENTITY");
    const int pos = doc.GetMainPos();
    auto set = [&](const wchar_t* name, const CString& value) { doc.SetAttributeAt(pos, name, value); };
    auto setText = [&](const wchar_t* name, const CString& value) {
        if (!value.IsEmpty()) set(name, value);
    };

    set(L"ID", FormatFileInt(m_nId));
    setText(L"EDUCATOR", m_strEducator);
    if (m_nDefaultPlace != 0) set(L"DEFAULT", FormatFileInt(m_nDefaultPlace));
    WriteChimeSetAttribute(doc, pos, data, m_nChimeSet);
    set(L"TAG", m_strName);
    set(L"TYPE", FormatFileInt(m_nType));
    WriteLookAttributes(doc, pos, m_crBackground, GetSysColor(COLOR_WINDOW), m_crForeground, m_nHatch);
    if (m_bUnavailable) set(L"AVAILABLE", L"FALSE");
    if (IsWrittenDate(m_dtRegistration)) set(L"REGISTRATION", FormatFileDate(m_dtRegistration));
    if (IsWrittenDate(m_dtCompletion)) set(L"COMPLETION", FormatFileDate(m_dtCompletion));
    setText(L"JOB", m_strJob);
    setText(L"DEPARTMENT", m_strDepartment);
    setText(L"COMPANY", m_strCompany);
    setText(L"OFFICE", m_strOffice);
    setText(L"ADDRESS", m_strAddress);
    setText(L"PHONE", m_strPhone);
    setText(L"PHONE2", m_strPhone2);
    setText(L"CODE", m_strCode);
    setText(L"FAX", m_strFax);
    setText(L"EMAIL", m_strEmail);
    if (m_nType == 1 || m_nType == 2) set(L"DAYS", FormatFileInt(m_nDays));
    if (m_nAllowedDoors != 0) set(L"ALLOWED_DOORS", FormatFileInt(m_nAllowedDoors));
    if (m_nAllowedWindows != 0) set(L"ALLOWED_WINDOWS", FormatFileInt(m_nAllowedWindows));
    if (m_nOverlaps != 1) set(L"OVERLAPS", FormatFileInt(m_nOverlaps));

    if (m_nType == 4) return;
    // Day windows to the minute; a window that is empty after raising its start is left out.
    const int days = std::clamp(data.m_nDays, 0, kMaxPlanDays);
    const CString dayStartText = FormatClockTime64(data.m_tDayStart);
    bool entered = false;
    for (int i = 0; i < days; ++i) {
        const __time64_t start = m_tDayStart[i] < data.m_tDayStart ? data.m_tDayStart : m_tDayStart[i];
        const COleDateTime s(2000, 1, 1, GetLocalHour(start), GetLocalMinute(start), 0);
        const COleDateTime e(2000, 1, 1, GetLocalHour(m_tDayEnd[i]), GetLocalMinute(m_tDayEnd[i]), 0);
        if (CompareTimesApprox(e, s) != 1) continue;
        if (!entered) {
            doc.EnterElement();
            entered = true;
        }
        doc.AddElement(L"SCHEDULE");
        const int schedule = doc.GetMainPos();
        doc.SetAttributeAt(schedule, L"DAY",
                           FormatFileDate(data.GetStartDate() + COleDateTimeSpan(static_cast<double>(i))));
        const CString startText = FormatClockTime64(start);
        if (startText != dayStartText) doc.SetAttributeAt(schedule, L"START", startText);
        doc.SetAttributeAt(schedule, L"END", FormatClockTime64(m_tDayEnd[i]));
    }
    if (entered) doc.LeaveElement();
}

void CEntity::ReadXml(CXmlDocument& doc, const CScheduleData& data) {
    const int pos = doc.GetMainPos();
    auto get = [&](const wchar_t* name) { return doc.GetAttributeAt(pos, name); };

    m_nId = ParseFileInt(get(L"ID"));
    m_strEducator = get(L"EDUCATOR");
    m_nDefaultPlace = ParseFileInt(get(L"DEFAULT"));
    m_nChimeSet = ReadChimeSetAttribute(doc, pos, data);
    m_strName = get(L"TAG");
    m_nType = ParseFileInt(get(L"TYPE"));
    ReadLookAttributes(doc, pos, GetSysColor(COLOR_WINDOW), m_crBackground, m_crForeground, m_nHatch);
    m_bUnavailable = ParseFileFlag(get(L"AVAILABLE")) ? 1 : 0;
    m_dtRegistration = ReadDateOr1970(get(L"REGISTRATION"));
    m_dtCompletion = ReadDateOr1970(get(L"COMPLETION"));
    m_strJob = get(L"JOB");
    m_strDepartment = get(L"DEPARTMENT");
    m_strCompany = get(L"COMPANY");
    m_strOffice = get(L"OFFICE");
    m_strAddress = get(L"ADDRESS");
    m_strPhone = get(L"PHONE");
    m_strPhone2 = get(L"PHONE2");
    m_strCode = get(L"CODE");
    m_strFax = get(L"FAX");
    m_strEmail = get(L"EMAIL");
    const CString days = get(L"DAYS");
    m_nDays = days.IsEmpty() ? 100 : ParseFileInt(days);
    m_nAllowedDoors = ParseFileInt(get(L"ALLOWED_DOORS"));
    m_nAllowedWindows = ParseFileInt(get(L"ALLOWED_WINDOWS"));
    const CString overlaps = get(L"OVERLAPS");
    m_nOverlaps = overlaps.IsEmpty() ? 1 : ParseFileInt(overlaps);

    for (int i = 0; i < kMaxPlanDays; ++i) m_tDayStart[i] = m_tDayEnd[i] = 0;
    const __time64_t dayStart = data.m_tDayStart;
    if (m_nType == 4) {
        const __time64_t dayEnd = MakeTimeOfDay(23, 0);
        if (dayEnd == -1) throw CDocumentFormatError("time of day cannot be made");
        for (int i = 0; i < kMaxPlanDays; ++i) {
            m_tDayStart[i] = dayStart;
            m_tDayEnd[i] = i < data.m_nDays ? dayEnd : dayStart;
        }
        return;
    }

    const COleDateTime startDate = data.m_dtStartDate;
    while (doc.FindChildElement(L"SCHEDULE")) {
        const int child = doc.GetChildPos();
        const COleDateTime day = ParseFileDate(doc.GetAttributeAt(child, L"DAY"));
        const CString startText = doc.GetAttributeAt(child, L"START");
        const CString endText = doc.GetAttributeAt(child, L"END");
        __time64_t start = dayStart;
        if (!startText.IsEmpty()) start = std::max(ParseTimeOfDay(startText), dayStart);
        __time64_t end = 0;
        if (endText.IsEmpty()) {
            end = MakeTimeOfDay(23, 0);
            if (end == -1) throw CDocumentFormatError("time of day cannot be made");
        } else {
            end = ParseTimeOfDay(endText);
        }
        // The window of plan day n is written with the date of that day: the slot is the number
        // of calendar days from the start date. A day outside the 21 slots has no window.
        if (day.GetStatus() != COleDateTime::valid || startDate.GetStatus() != COleDateTime::valid) continue;
        const double offset = std::floor(static_cast<double>(day - startDate) + 0.5);
        if (offset < 0 || offset >= kMaxPlanDays) continue;
        const int slot = static_cast<int>(offset);
        m_tDayStart[slot] = start;
        m_tDayEnd[slot] = end;
    }
}
