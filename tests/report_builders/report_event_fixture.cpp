#include "report_event_fixture.h"

#include "model/xml_document.h"
#include "report_builders/report_event_collection.h"

ReportEventFixture::ReportEventFixture() {
    AddEntity(kClassA, 0, L"7a");
    AddEntity(kClassB, 0, L"7b");
    AddEntity(kAmes, 1, L"Ames", 8, 14).m_strCode = L"A1";
    AddEntity(kBaker, 1, L"Baker", 8, 15).m_strCode = L"B2";
    AddEntity(kCole, 2, L"Cole", 7, 12);
    AddEntity(kRoom, 4, L"Room 5");
    AddActivity(kMaths, L"Maths", {kClassA, kAmes});
    AddActivity(kArt, L"Art", {kClassB, kBaker});
    AddActivity(kMeeting, L"Meeting", {kAmes, kBaker});
    AddActivity(kDuty, L"Duty", {kCole});

    // Maths on Monday at 8, moved there from 10, with two stand-ins.
    const std::size_t maths = AddEntry(kMaths, 0, 8, 0, 60);
    m_data.m_arrEntries[maths].m_dtUnmovedStart = At(0, 10, 0);
    AddReplacement(maths, kBaker, kAmes, 1, L"City", L"sick cover");
    AddReplacement(maths, kCole, 0);
    // Art on Tuesday does not take place; Art on Wednesday is newly placed.
    AddEntry(kArt, 1, 9, 0, 60, 7);
    const std::size_t fresh = AddEntry(kArt, 2, 8, 0, 60);
    m_data.m_arrEntries[fresh].m_dtUnmovedStart = GetUnplacedDate();
    // Cole joins the meeting while on duty.
    const std::size_t meeting = AddEntry(kMeeting, 1, 10, 0, 60);
    AddEntry(kDuty, 1, 10, 0, 60);
    AddReplacement(meeting, kCole, kAmes, 0, L"", L"", 1);

    AddAbsence(kAmes, 1, 1, 0, 60, true, L"Illness");
    AddAbsence(kBaker, 2, 9, 0, 90, false, L"Training", L"State").m_strRemark = L"course";
}

CReplacement& ReportEventFixture::AddReplacement(std::size_t entry, int entity, int replacing, int paid,
                                                 const wchar_t* fund, const wchar_t* remark, int extending) {
    CReplacement record;
    record.m_nEntity = entity;
    record.m_nReplacing = replacing;
    record.m_bPaid = paid;
    record.m_strFund = fund;
    record.m_strRemark = remark;
    record.m_bExtending = extending;
    m_data.m_arrEntries[entry].m_arrReplacements.push_back(record);
    return m_data.m_arrEntries[entry].m_arrReplacements.back();
}

CAbsence& ReportEventFixture::AddAbsence(int entity, int day, int hour, int minute, int minutes, bool wholeDay,
                                         const wchar_t* category, const wchar_t* fund) {
    CAbsence absence;
    absence.m_nEntity = entity;
    absence.m_dtStart = At(day, hour, minute);
    absence.m_tsLength = Minutes(minutes);
    absence.m_bWholeDay = wholeDay ? 1 : 0;
    absence.m_strCategory = category;
    absence.m_strFund = fund;
    std::vector<CAbsence>& list = Entity(entity).m_arrAbsences;
    list.push_back(absence);
    return list.back();
}

std::vector<CReportEvent> ReportEventFixture::Collect() const {
    std::vector<CReportEvent> events;
    CollectReportEvents(m_data, events);
    return events;
}

std::vector<CReportEvent> ReportEventFixture::OfKind(const std::vector<CReportEvent>& events, int kind) {
    std::vector<CReportEvent> found;
    for (const CReportEvent& event : events)
        if (event.kind == kind) found.push_back(event);
    return found;
}

void ReportEventFixture::MoveToDatedWeek() {
    const COleDateTimeSpan shift = COleDateTime(2024, 1, 8, 0, 0, 0) - COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_dtStartDate += shift;
    for (CTimetableEntry& entry : m_data.m_arrEntries) {
        entry.m_dtStart += shift;
        if (!IsUnplacedDate(entry.m_dtUnmovedStart)) entry.m_dtUnmovedStart += shift;
    }
    for (CEntity& entity : m_data.m_arrEntities)
        for (CAbsence& absence : entity.m_arrAbsences) absence.m_dtStart += shift;
}

void ReportEventFixture::WriteDocument(const std::string& path) {
    CXmlDocument doc;
    m_data.WriteXml(doc);
    int flags = CXmlDocument::kUtf16LeFile;
    EXPECT_TRUE(CXmlDocument::WriteFileText(CString(path.c_str()), doc.GetDoc(), nullptr, &flags));
}
