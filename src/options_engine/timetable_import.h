#pragma once
// The import of a timetable laid out per staff member: a block of lines per person (a marker
// line, the person's name at a fixed place after it, then one line per lesson naming the weekday,
// the hour and the activity). Each lesson becomes an entry of one hour at its own time. Entries
// already in the plan stay as they are; lessons that cannot be read, identified or placed are
// reported in the problem list. One undo snapshot covers the import.
#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CEntity;
class CImportOptions;
class CScheduleData;
class IImportTextSource;

// One possible activity of the current staff member.
class CImportActivityChoice {
public:
    CString m_strName;
    int m_nActivity = 0;
    int m_nPartner = 0;      // the entity that tells the activity apart besides its name; 0 none
    int m_nPartnerKind = 2;  // 0 the only type-0 member, 1 a room of the activity, 2 no partner
    COleDateTime m_dtDate;
    COleDateTimeSpan m_tsDuration;
};

// Asks which of several candidate activities a lesson line means: the candidates' activity ids,
// the staff member, the line's text before and after its colon. Gives the chosen id, 0 for none.
using ImportActivityResolver =
    std::function<int(const std::vector<int>& candidates, const CEntity& staff, const CString& before,
                      const CString& after)>;

// The number of entries added; -1 when the text could not be read.
int ImportTimetable(CScheduleData& data, const CImportOptions& options, IImportTextSource& source,
                    const ImportActivityResolver& resolve);

// The start of a lesson line: the first plan day with the weekday named in the text, at the
// plan's day start plus the hour given after the hour mark (0 to 18). Invalid when any part is
// missing or cannot be read.
COleDateTime ParseTimetableWhen(const CScheduleData& data, const CString& text);
// The choices of a staff member: one per activity that has the member, in table order.
std::vector<CImportActivityChoice> CollectImportChoices(CScheduleData& data, int staffId);
// The activity id a lesson line means among the choices; 0 when none fits or the resolver
// declines.
int ResolveImportedActivity(CScheduleData& data, const CString& line, const CEntity& staff,
                            const std::vector<CImportActivityChoice>& choices, const ImportActivityResolver& resolve);
