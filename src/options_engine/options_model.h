#pragma once
// The calendar settings of the options page between its rows and the document: the values the
// rows hold, their validation and their application. Validation changes nothing; Apply checks
// every rule first and leaves the document as it was when any row is refused. An apply that
// drops or moves records takes the undo snapshot before it changes anything.
#include <vector>

#include "platform/core/ole_date_time.h"
#include "platform/core/win_types.h"

class CScheduleData;

class COptionsModel {
public:
    // The rows a refusal marks.
    enum class Row { PlanKind, StartDate, Days };
    struct Mark {
        Row row;
        UINT textId;
        bool operator==(const Mark&) const = default;
    };

    explicit COptionsModel(CScheduleData& data) : m_data(data) {}

    // Takes the values of the document.
    void LoadFromDocument();
    // The marks of every rule the values break; empty when they may be applied. May ask whether
    // a week template may drop the absences and stand-ins (the answer is kept for Apply).
    std::vector<Mark> ValidateSettings();
    // Validates, then applies; false with the marks, and the document unchanged, when refused.
    bool Apply(std::vector<Mark>& marks);

    int m_nPlanKind = 0;  // 0 week template, 1 dated plan, -1 none
    COleDateTime m_dtFirstWeekday;  // 1, 2 or 3 January 2000
    COleDateTime m_dtChosenStart;
    int m_nDays = 6;
    int m_nHourIndex = 0;
    int m_nTitleFormat = 0;

private:
    void ApplySettings();
    // Whole days from the document's start date to the chosen one, towards zero.
    int DaysToChosenStart() const;

    CScheduleData& m_data;
    bool m_bResetAccepted = false;
};
