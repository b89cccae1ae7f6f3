#pragma once
// A week of events for the report wizard's builders: two classes, two teachers and another staff
// member; stand-ins (one of them by somebody busy elsewhere), a moved, a linked and a newly placed
// lesson, a whole-day and a timed absence.
#include <vector>

#include "report_builders/report_event.h"
#include "report_fixture.h"

class ReportEventFixture : public ReportFixture {
public:
    enum : int { kClassA = 1, kClassB = 2, kAmes = 10, kBaker = 11, kCole = 12, kRoom = 20 };
    enum : int { kMaths = 100, kArt = 101, kMeeting = 102, kDuty = 103 };

    ReportEventFixture();

    CReplacement& AddReplacement(std::size_t entry, int entity, int replacing, int paid = 0, const wchar_t* fund = L"",
                                 const wchar_t* remark = L"", int extending = 0);
    CAbsence& AddAbsence(int entity, int day, int hour, int minute, int minutes, bool wholeDay,
                         const wchar_t* category = L"", const wchar_t* fund = L"");
    std::vector<CReportEvent> Collect() const;
    // Moves the plan with its entries and absences to the week of Monday 8 January 2024: a dated
    // plan, whose file keeps absences and stand-ins.
    void MoveToDatedWeek();
    // Writes the document to the file in the program's format.
    void WriteDocument(const std::string& path);
    // The events of the kind, in list order.
    static std::vector<CReportEvent> OfKind(const std::vector<CReportEvent>& events, int kind);
};
