// The holiday calendar and its file "Holidays.ini" in the settings folder.
#include <cstdio>

#include "app/scheduler_app.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/file_system.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

constexpr const wchar_t* kHolidaysFile = L"Holidays.ini";

// The calendar day of a date, at midnight; invalid for an invalid date.
COleDateTime DayOf(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) return COleDateTime(0, 0, 0, 0, 0, 0);
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

}  // namespace

CString CSchedulerApp::GetHolidaysPath() { return CombinePath(GetSettingsFolder(), kHolidaysFile); }

BOOL CSchedulerApp::LoadHolidays() {
    m_mapHolidays.clear();
    m_bHolidaysDamaged = false;
    // The user's own file; until there is one, the copy shipped beside the program.
    CString path = GetHolidaysPath();
    if (!FileExists(path)) path = CombinePath(GetAppFolder(), kHolidaysFile);
    if (!FileExists(path)) return TRUE;

    CString text;
    CXmlDocument doc;
    if (!CXmlDocument::ReadFileText(nullptr, path, text) || !doc.SetDocumentText(text) || !doc.IsWellFormed() ||
        !doc.FindElement(L"DOCUMENT")) {
        // The calendar stays empty for this run, and the file is kept for the user to mend.
        m_bHolidaysDamaged = true;
        CString message;
        message.Format(IDS_HOLIDAYS_DAMAGED, path);
        AfxMessageBox(message, MB_OK | MB_ICONWARNING);
        return FALSE;
    }
    doc.EnterElement();
    if (doc.FindElement(L"HOLIDAYS")) {
        doc.EnterElement();
        while (doc.FindElement(L"HOLIDAY")) {
            CString date = doc.GetAttribute(L"DATE");
            date.Replace(L'/', L' ');
            int day = 0, month = 0, year = 0;
            if (std::swscanf(date.GetString(), L"%d %d %d", &day, &month, &year) != 3) continue;
            const COleDateTime when(year, month, day, 0, 0, 0);
            if (when.GetStatus() == COleDateTime::valid) m_mapHolidays[when] = doc.GetAttribute(L"TAG");
        }
        doc.LeaveElement();
    }
    doc.LeaveElement();
    return TRUE;
}

BOOL CSchedulerApp::SaveHolidays() {
    // A file that could not be read is not replaced by an empty calendar.
    if (m_bHolidaysDamaged && m_mapHolidays.empty()) return TRUE;
    CXmlDocument doc;
    doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n");
    doc.AddElement(L"DOCUMENT");
    doc.SetAttributeAt(doc.GetMainPos(), L"VERSION", L"1.0");
    doc.EnterElement();
    doc.AddElement(L"HOLIDAYS");
    doc.EnterElement();
    for (const auto& [date, name] : m_mapHolidays) {
        doc.AddElement(L"HOLIDAY");
        doc.SetAttributeAt(doc.GetMainPos(), L"DATE", date.Format(L"%d/%m/%Y"));
        doc.SetAttributeAt(doc.GetMainPos(), L"TAG", name);
    }
    bool written = CreateFolders(GetSettingsFolder());
    if (written) {
        try {
            written = CXmlDocument::WriteFileText(GetHolidaysPath(), doc.GetDoc());
        } catch (...) {
            written = false;
        }
    }
    if (!written) ReportWriteFailure(IDS_HOLIDAYS_WRITE_ERROR);
    return written ? TRUE : FALSE;
}

bool CSchedulerApp::IsHoliday(const COleDateTime& date) const {
    return date.GetStatus() == COleDateTime::valid && m_mapHolidays.count(DayOf(date)) != 0;
}

CString CSchedulerApp::GetHolidayName(const COleDateTime& date) const {
    if (date.GetStatus() != COleDateTime::valid) return CString();
    const auto it = m_mapHolidays.find(DayOf(date));
    return it == m_mapHolidays.end() ? CString() : it->second;
}

void CSchedulerApp::RemoveHoliday(const COleDateTime& date) {
    for (auto it = m_mapHolidays.begin(); it != m_mapHolidays.end();)
        it = IsSameDay(it->first, date) ? m_mapHolidays.erase(it) : std::next(it);
}

void CSchedulerApp::SetHoliday(const COleDateTime& date, const CString& name) {
    m_mapHolidays[DayOf(date)] = name;
    m_bHolidaysDamaged = false;
}

void CSchedulerApp::ReportWriteFailure(UINT textId) {
    CString message;
    message.Format(textId, GetSettingsFolder());
    AfxMessageBox(message, MB_OK | MB_ICONERROR);
}
